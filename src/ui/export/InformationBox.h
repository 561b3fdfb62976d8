#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace folidex {

// Tells the user something; tests put their own in place of the message box.
using ShowMessageFunction = std::function<void(const QString& message)>;

// The program's message box over `parent`: title "Folidex", the information icon, one OK
// button.
ShowMessageFunction InformationBox(QWidget* parent);

}  // namespace folidex
