#pragma once
// The listing window: prints the current system on plain paper in the
// copies asked, with or without the prediction and the columns, in colour
// or in black and white. The listing prints in one go: it cannot be
// interrupted.

#include <QDialog>
#include <functional>

#include "core/Sistema.h"

class QCheckBox;
class QLabel;
class QScrollBar;

namespace tlx::ui {

class frmTabulato : public QDialog {
  Q_OBJECT

 public:
  // `nomeSistema` gives the current system's name as the main window's
  // status bar shows it; `impostazioni` opens the settings window and reads
  // the settings again.
  frmTabulato(Sistema& sistema, std::function<QString()> nomeSistema, std::function<void()> impostazioni,
              QWidget* parent = nullptr);

  void StampaTabulato();

 private:
  void cmdStampa_Click();
  void VsCopie_Change(int valore);

  Sistema& sistema_;
  std::function<QString()> nomeSistema_;
  std::function<void()> impostazioni_;
  QCheckBox* chkCol_ = nullptr;
  QCheckBox* chkProno_ = nullptr;
  QCheckBox* chkColor_ = nullptr;
  QLabel* labCopie_ = nullptr;
  QScrollBar* VsCopie_ = nullptr;
};

}  // namespace tlx::ui
