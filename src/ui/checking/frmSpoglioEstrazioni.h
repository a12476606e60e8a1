#pragma once
// Checking the system against every archived draw between two dates: one
// grid row per draw, the "TOTALE" row and a summary of the range. Any key
// copies the selected cells to the clipboard.

#include "checking/SpoglioEstrazioni.h"
#include "core/Formato.h"
#include "core/Sistema.h"
#include "ui/checking/FinestraSpoglio.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace tlx::ui {

class GrigliaRisultati;

class frmSpoglioEstrazioni : public FinestraSpoglio {
  Q_OBJECT
 public:
  frmSpoglioEstrazioni(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

  // Fills the two date lists from the archive; false (after the message)
  // when the archive holds too many dates.
  bool populateCmbEstrazioni() { return RiempiDate(false); }
  void cmdSpoglioEstrazioni_Click();
  void CopyMSHFlexGridToClipBoard();
  // Hidden features, their controls never shown: the grid written to a
  // ";"-separated file and opened with its program, and the filter boxes.
  void cmdCSV_Click();
  void chkFiltri_Click(bool attivi);

  GrigliaRisultati* Griglia() const { return flexGrid_; }
  QComboBox* Dal() const { return cmbDal_; }
  QComboBox* Al() const { return cmbAl_; }

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  // Fills the date lists; a refresh keeps the chosen dates still listed.
  bool RiempiDate(bool mantieniScelte);
  void SpoglioArchivioEstrazioni();
  void MostraRiepilogo();
  // Which page stands where the grid is: the grid, the wait text, or the
  // note of an empty archive.
  void MostraPagina(QWidget* pagina);

  Sistema& sistema_;
  const FormatoNumeri& formato_;
  QComboBox* cmbDal_;
  QComboBox* cmbAl_;
  QToolButton* cmdSpoglioEstrazioni_;
  QCheckBox* chkFiltri_;
  QPushButton* cmdCSV_;
  QStackedWidget* pagine_;
  GrigliaRisultati* flexGrid_;
  QLabel* lblElaborazione_;
  QLabel* lblArchivioVuoto_;
  QLabel* valori_[8] = {};
  TotaliSpoglio totali_;
};

}  // namespace tlx::ui
