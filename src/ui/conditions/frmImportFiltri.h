#pragma once
// "Importa Colonne Filtro": replaces the whole filter table with the groups
// of a text file, one active record per line, all with the hit and position
// masks chosen here. Opened only from the AND-filter editor.

#include <QDialog>
#include <QVariant>

#include "core/Formato.h"
#include "core/Sistema.h"

class QLabel;
class QPushButton;

namespace tlx::ui {

class GrigliaEtichette;

class frmImportFiltri : public QDialog {
  Q_OBJECT
 public:
  frmImportFiltri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

  // The target table: 0 FiltriAnd (the default), any other value FiltriOr.
  QVariant TipoFiltro() const { return tipoFiltro_; }
  void setTipoFiltro(const QVariant& valore) { tipoFiltro_ = valore.toInt(); }

  void cmdImportaFiltri_Click();
  void cmdProcess_Click();

 private:
  int32_t Maschera(const GrigliaEtichette* etichette) const;

  Sistema& sistema_;
  FormatoNumeri formato_;
  int32_t tipoFiltro_ = 0;
  QString NomeFileFiltri;

  GrigliaEtichette* lbPresenze_ = nullptr;
  GrigliaEtichette* lbPosizione_ = nullptr;
  QLabel* lblFile_ = nullptr;
  QPushButton* cmdProcess_ = nullptr;
};

}  // namespace tlx::ui
