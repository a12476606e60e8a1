#include "ui/conditions/frmFiltri.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "ui/conditions/IconeFiltri.h"
#include "ui/conditions/frmImportFiltri.h"
#include "ui/widgets/Colori.h"
#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

namespace {
constexpr int kUltimaPresenzaVisibile = 5;
}  // namespace

frmFiltri::frmFiltri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : FinestraEditorFiltri(sistema, formato, parent), sistema_(sistema) {
  setObjectName("frmFiltri");
  setWindowTitle(" Colonne Filtro");

  auto* frameCondizione = new QWidget(this);
  frameCondizione->setObjectName("frameCondizione");

  labGriglia_ = new GrigliaEtichette(1, NUMERI, 11, 0, frameCondizione);
  labGriglia_->setObjectName("labGriglia");
  labGriglia_->ImpostaColoriSelezione(colori::BLU, colori::BIANCO);
  for (int n = 1; n <= NUMERI; ++n) {
    if (editor_.Disponibile(n)) continue;
    labGriglia_->Seleziona(n, false);
    labGriglia_->Ingrigisci(n);
  }
  auto* griglia = RiquadroCon("Frame", QString(), labGriglia_, frameCondizione);
  lblNumSelezionati_ = new QLabel(griglia);
  lblNumSelezionati_->setObjectName("lblNumSelezionati");
  lblNumSelezionati_->setToolTip("Numeri selezionati");
  static_cast<QHBoxLayout*>(griglia->layout())->addWidget(lblNumSelezionati_, 0, Qt::AlignBottom);

  lbPresenze_ = new GrigliaEtichette(0, kUltimaPresenzaVisibile, 6, 0, frameCondizione);
  lbPresenze_->setObjectName("lbPresenze");
  lbPresenze_->ImpostaColoriSelezione(colori::ROSSO, colori::GIALLO);
  lbPosizione_ = new GrigliaEtichette(1, 5, 5, 0, frameCondizione);
  lbPosizione_->setObjectName("lbPosizione");
  lbPosizione_->ImpostaColoriSelezione(VERDE_POSIZIONI, colori::NERO);
  CreaComandiRecord(frameCondizione, "Cancella la colonna filtro");
  auto* cmdCancellaTutto =
      PulsanteFigura("cmdCancellaTutto", "Cancella tutte le colonne filtro", IconaCancellaTutto(), frameCondizione);
  auto* cmdLoadFiltri = PulsanteFigura("cmdLoadFiltri", "Importa colonne filtro", IconaApriFile(), frameCondizione);
  cmdLoadFiltri->setEnabled(false);
  cmdLoadFiltri->setVisible(false);

  auto* impostazioni = new QHBoxLayout;
  impostazioni->addWidget(RiquadroCon("framePresenze", "Presenze", lbPresenze_, frameCondizione), 3);
  impostazioni->addWidget(RiquadroCon("framePosizione", "Posizione", lbPosizione_, frameCondizione), 3);
  impostazioni->addWidget(RiquadroCon("frameStatoCond", "Condizione", optCond_, frameCondizione), 2);
  auto* piede = new QHBoxLayout;
  piede->addLayout(contatori_.griglia);
  piede->addStretch();
  for (QPushButton* b : {cmdLoadFiltri, cmdCancella_, cmdCancellaTutto}) piede->addWidget(b, 0, Qt::AlignBottom);
  auto* corpo = new QVBoxLayout(frameCondizione);
  corpo->setContentsMargins(0, 0, 0, 0);
  corpo->addWidget(griglia);
  corpo->addLayout(impostazioni);
  corpo->addLayout(piede);

  connect(labGriglia_, &GrigliaEtichette::etichettaAttivata, this, [this](int n) {
    editor_.CambiaNumero(n);
    if (editor_.Disponibile(n)) labGriglia_->Seleziona(n, editor_.Numero(n));
    lblNumSelezionati_->setText(QString::number(editor_.NumeriSelezionati()));
  });
  Collega(lbPresenze_, &EditorFiltri::CambiaPresenza, &EditorFiltri::Presenza);
  Collega(lbPosizione_, &EditorFiltri::CambiaPosizione, &EditorFiltri::Posizione);
  connect(cmdCancellaTutto, &QPushButton::clicked, this, &frmFiltri::cmdCancellaTutto_Click);
  connect(cmdLoadFiltri, &QPushButton::clicked, this, &frmFiltri::cmdLoadFiltri_Click);
  QWidget* passi = ImpaginaEditor(this, frameCondizione, editor_, [this] { MostraPannello(); });

  MostraPannello();
  // A built system's filters are shown, not browsed: its first panel only.
  for (QWidget* parte : {frameCondizione, passi}) parte->setEnabled(editor_.Modificabile());
  platform::CentraForm(this);
}

void frmFiltri::MostraPannello() {
  for (int n = 1; n <= NUMERI; ++n)
    if (editor_.Disponibile(n)) labGriglia_->Seleziona(n, editor_.Numero(n));
  for (int k = lbPresenze_->Primo(); k <= lbPresenze_->Ultimo(); ++k) lbPresenze_->Seleziona(k, editor_.Presenza(k));
  for (int p = 1; p <= 5; ++p) lbPosizione_->Seleziona(p, editor_.Posizione(p));
  optCond_->MostraStato(editor_.Attivo() ? 0 : 1);
  lblNumSelezionati_->setText(QString::number(editor_.NumeriSelezionati()));
  MostraContatori(contatori_, editor_, formato_);
}

void frmFiltri::cmdCancellaTutto_Click() {
  if (platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::SiNo, QString(), DOMANDA_CANCELLA_FILTRI, this) !=
      Risposta::Si)
    return;
  editor_.CancellaTutto();
  MostraPannello();
}

void frmFiltri::cmdLoadFiltri_Click() {
  frmImportFiltri importa(sistema_, formato_, this);
  // Closed without importing, the table is as it was: the panel keeps its
  // unsaved changes.
  if (importa.exec() != QDialog::Accepted) return;
  editor_.RicaricaDalPrimo();
  MostraPannello();
}

}  // namespace tlx::ui
