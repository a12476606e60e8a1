#pragma once
// The about window: the program's title and version, a link to the maker's
// web page and the platform's system information tool.

#include <QDialog>

namespace tlx::ui {

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  // Starts the system information tool; says so when there is none.
  void StartSysInfo();
};

}  // namespace tlx::ui
