#pragma once

#include <QString>
#include <QWidget>

namespace folidex {

// The two message boxes of "Delete", behind one interface so that tests can answer them.
class DeletePrompts {
 public:
  virtual ~DeletePrompts() = default;

  // "Are you sure to delete selected files?" with Yes and No, No the default button (Enter
  // does not delete); true for Yes.
  virtual bool ConfirmDelete(QWidget* owner) = 0;
  // "Unable to delete file " and the path, with OK only.
  virtual void ShowDeleteFailure(QWidget* owner, const QString& path) = 0;
};

// The program's message boxes, titled "Folidex".
class StandardDeletePrompts : public DeletePrompts {
 public:
  bool ConfirmDelete(QWidget* owner) override;
  void ShowDeleteFailure(QWidget* owner, const QString& path) override;
};

}  // namespace folidex
