#include "ui/conditions/frmImportFiltri.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "conditions/ImportFiltri.h"
#include "platform/Attesa.h"
#include "platform/FileDialogs.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "ui/conditions/ComponentiFiltri.h"
#include "ui/conditions/IconeFiltri.h"
#include "ui/widgets/Clessidra.h"
#include "ui/widgets/Colori.h"
#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

frmImportFiltri::frmImportFiltri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : QDialog(parent), sistema_(sistema), formato_(formato) {
  setObjectName("frmImportFiltri");
  setWindowTitle("Importa Colonne Filtro");

  lbPresenze_ = new GrigliaEtichette(0, 5, 6, 0, this);
  lbPresenze_->setObjectName("lbPresenze");
  lbPresenze_->ImpostaColoriSelezione(colori::ROSSO, colori::GIALLO);
  lbPosizione_ = new GrigliaEtichette(1, 5, 5, 0, this);
  lbPosizione_->setObjectName("lbPosizione");
  lbPosizione_->ImpostaColoriSelezione(VERDE_POSIZIONI, colori::NERO);
  for (GrigliaEtichette* g : {lbPresenze_, lbPosizione_})
    connect(g, &GrigliaEtichette::etichettaAttivata, g, [g](int i) { g->Inverti(i); });
  QGroupBox* framePresenze = RiquadroCon("framePresenze", "Presenze", lbPresenze_, this);
  framePresenze->setToolTip("Imposta le presenze per ogni colonna");

  auto* cmdImportaFiltri =
      PulsanteFigura("cmdImportaFiltri", "Leggi il file con le colonne filtro", IconaApriFile(), this);
  cmdProcess_ = PulsanteFigura("cmdProcess", "Importa Colonne", IconaImporta(), this);
  cmdProcess_->setEnabled(false);
  lblFile_ = new QLabel(this);
  lblFile_->setObjectName("lblFile");
  lblFile_->setMinimumWidth(180);
  connect(cmdImportaFiltri, &QPushButton::clicked, this, &frmImportFiltri::cmdImportaFiltri_Click);
  connect(cmdProcess_, &QPushButton::clicked, this, &frmImportFiltri::cmdProcess_Click);

  auto* comandi = new QHBoxLayout;
  comandi->addWidget(cmdImportaFiltri);
  comandi->addWidget(lblFile_, 1);
  comandi->addWidget(cmdProcess_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(framePresenze);
  layout->addWidget(RiquadroCon("framePosizione", "Posizione", lbPosizione_, this));
  layout->addLayout(comandi);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  platform::CentraForm(this);
}

void frmImportFiltri::cmdImportaFiltri_Click() {
  platform::DatiFile dati;
  dati.InitDir = QString::fromStdString(sistema_.PercorsoDati) + "/txt";
  dati.Filter = "File TXT (*.txt)|*.txt";
  dati.FilterIndex = 1;
  dati.FileMustExist = true;
  dati.Owner = this;
  const bool scelto = platform::cCommonDialog().VBGetOpenFileName(dati);
  NomeFileFiltri = dati.FileName;
  lblFile_->setText(dati.FileTitle);
  cmdProcess_->setEnabled(scelto);
}

int32_t frmImportFiltri::Maschera(const GrigliaEtichette* etichette) const {
  int32_t maschera = 0;
  for (int i = etichette->Primo(); i <= etichette->Ultimo(); ++i)
    if (etichette->Selezionata(i)) maschera += PotenzeDiDue[static_cast<size_t>(i)];
  return maschera;
}

void frmImportFiltri::cmdProcess_Click() {
  const int32_t quanti = Maschera(lbPresenze_);
  const int32_t posizioni = Maschera(lbPosizione_);
  if (platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::SiNo, QString(), DOMANDA_CANCELLA_FILTRI, this) !=
      Risposta::Si)
    return;
  const bool filtriAnd = tipoFiltro_ == 0;
  Messaggi messaggi;
  int32_t conteggio = 0;
  {
    Clessidra clessidra;
    const platform::InputTrattenuto trattenuto;
    conteggio = loadFileToFilters(filtriAnd ? sistema_.FiltriAnd : sistema_.FiltriOr, NomeFileFiltri.toStdString(),
                                  quanti, posizioni, messaggi, formato_, platform::ElaboraEventi);
  }
  (filtriAnd ? sistema_.NumeroFiltriAnd : sistema_.NumeroFiltriOr) = conteggio;
  for (const Messaggio& m : messaggi) platform::MessageBox::Mostra(m, this);
  accept();
}

}  // namespace tlx::ui
