#pragma once

#include <QString>
#include <QWidget>

namespace folidex {

// The program's message boxes over `parent`: title "Folidex", one OK button. The text is
// shown as plain text: it often holds a file's name or path, whose characters are never
// to be read as markup.

// With the information icon.
void ShowInformation(QWidget* parent, const QString& text);
// Without an icon.
void ShowPlainMessage(QWidget* parent, const QString& text);

}  // namespace folidex
