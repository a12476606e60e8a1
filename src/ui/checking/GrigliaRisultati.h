#pragma once
// The results grid of the range check: the heading and the "TOTALE" row
// stay in view while the rows of the draws scroll beneath them. Rows are
// numbered as in the grid: 0 the heading, 1 the totals, 2 on the draws.
// Reset, the grid has one column and no totals row: the heading holds "-"
// and row 1 is one empty row.

#include <QAbstractTableModel>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "checking/SpoglioEstrazioni.h"
#include "core/Formato.h"

class QComboBox;
class QTableView;

namespace tlx::ui {

// The cells of some rows of the grid, formatted once when they are set.
class ModelloRighe : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum class Tipo { Estrazioni, Totali };
  ModelloRighe(Tipo tipo, QObject* parent);
  // The headings give the number of columns.
  void Imposta(QStringList intestazione, std::vector<QStringList> righe);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  Tipo tipo_;
  QStringList intestazione_;
  std::vector<QStringList> righe_;
};

class GrigliaRisultati : public QWidget {
  Q_OBJECT
 public:
  explicit GrigliaRisultati(QWidget* parent = nullptr);

  // Resets the grid to its one column headed "-" over one empty row.
  void Inizializza();
  void Imposta(const std::vector<RigaSpoglio>& righe, const TotaliSpoglio& totali, const FormatoNumeri& formato);
  // Each column as wide as its widest text plus a small margin.
  void AdattaColonne();

  // A drop-down box above each column holding "*" and the column's texts in
  // the draws' rows, once each in order of first appearance. A draw's row
  // shows only while it matches every box that does not show "*".
  void CreaFiltri();
  // The boxes go and every row shows again.
  void RimuoviFiltri();
  QComboBox* Filtro(int colonna) const;

  int Righe() const;  // the heading and the totals included
  int Colonne() const;
  QString TestoCella(int riga, int colonna) const;
  // The text of the selected cells for the clipboard. With none picked, the
  // current cell is the heading's "-" of the reset grid, the first draw's
  // date of a filled one.
  QString TestoSelezione() const;

  QTableView* VistaEstrazioni() const { return estrazioni_; }
  // Every cell row by row, the heading and the totals first.
  std::vector<std::vector<std::string>> Celle() const;

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // The rows that stay in view: the heading, and the totals once a check
  // filled the grid.
  int RigheFisse() const;
  void AdattaAltezzaFissa();
  // Each box above its column, wherever the columns are sized or scrolled.
  void PosizionaFiltri();
  void cmbFilter_Click() { ApplicaFiltri(); }
  void ApplicaFiltri();

  ModelloRighe* modelloTotali_;
  ModelloRighe* modelloEstrazioni_;
  QTableView* totali_;
  QTableView* estrazioni_;
  QWidget* strisciaFiltri_;
  std::vector<QComboBox*> cmbFilter_;
};

}  // namespace tlx::ui
