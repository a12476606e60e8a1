#pragma once
// The general settings window: cost of one column, header of printed
// listings and slips, printer for listings. "&Salva" writes the settings
// file and closes, or reports why it could not and stays open; closing the
// window any other way writes nothing. The caller reads the settings back
// afterwards.

#include <QDialog>
#include <QString>

#include "core/Sistema.h"

class QComboBox;
class QLineEdit;

namespace tlx::ui {

class frmImpostazioni : public QDialog {
  Q_OBJECT

 public:
  explicit frmImpostazioni(const Sistema& sistema, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void ElencaStampanti();
  void cmdSalva_Click();

  const Sistema& sistema_;
  QLineEdit* txtCostoCol_ = nullptr;
  QLineEdit* mskIntestazione_ = nullptr;
  QComboBox* cmbStampante_ = nullptr;
  // The printer warning found while loading, shown once the window is up.
  QString avvisoStampante_;
};

}  // namespace tlx::ui
