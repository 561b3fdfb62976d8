#pragma once

#include <QDialog>
#include <QPushButton>

#include "ui/about/AboutActions.h"
#include "ui/about/LinkLabel.h"

namespace folidex {

// The about box "About": the product's name, version and picture, the legal notice, the
// support mail and web links, a legal warning, "&OK" and "System Info...". Modeless; it
// deletes itself when closed.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(AboutActions actions, QWidget* parent = nullptr);

  void cmdOk_Click();
  // Starts the system-information program, or says that there is none; the box stays open.
  void cmdSysInfo_Click();
  void Label3_Click();  // the mail link
  void Label5_Click();  // the web link

 private:
  AboutActions actions_;
  LinkLabel* label3_;
  LinkLabel* label5_;
  QPushButton* cmdOk_;
  QPushButton* cmdSysInfo_;
};

}  // namespace folidex
