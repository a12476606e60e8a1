#pragma once
// The calibration window of one slip layout (frmTaratura1, frmTaratura5 or
// frmTaraturaRidotti): the panel, header and name positions on scroll bars in
// tenths of a millimetre, the marker style, the print quality and the
// printer; a test page of the values on screen and their saving to the
// layout's calibration file. The box spacings come from the file only.

#include <QDialog>

#include "core/Sistema.h"
#include "printing/Taratura.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tlx::ui {

class frmTaratura : public QDialog {
  Q_OBJECT
 public:
  frmTaratura(Sistema& sistema, LayoutScheda layout, QWidget* parent = nullptr);

  void cmbQualita_Click();
  void optColor_Click(int indice);
  void cmdSalva_Click();
  void cmdTest_Click();

  const TaraturaScheda& taratura() const { return t_; }
  // The scroll bar and value box of a field, by the field's key ("kTop").
  QScrollBar* barra(std::string_view chiave) const;
  QLineEdit* valore(std::string_view chiave) const;
  QComboBox* cmbQualita() const { return cmbQualita_; }
  QComboBox* cmbStampante() const { return cmbStampante_; }
  QPushButton* opzione(int indice) const;

 private:
  void LeggiTaratura();
  QGroupBox* Riquadro(const char* nome, const QString& titolo, std::string_view chiaveX, std::string_view chiaveY);
  std::string File() const;
  void MostraValore(size_t campo);

  Sistema& sistema_;
  LayoutScheda layout_;
  TaraturaScheda t_;
  QScrollBar* barre_[8] = {};
  QLineEdit* valori_[8] = {};
  QButtonGroup* optColor_;
  QComboBox* cmbQualita_;
  QComboBox* cmbStampante_;
};

}  // namespace tlx::ui
