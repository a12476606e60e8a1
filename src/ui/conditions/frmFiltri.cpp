#include "ui/conditions/frmFiltri.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "ui/conditions/ComponentiFiltri.h"
#include "ui/conditions/IconeFiltri.h"
#include "ui/conditions/frmImportFiltri.h"
#include "ui/widgets/BarraPannelli.h"
#include "ui/widgets/Colori.h"
#include "ui/widgets/CoppiaOnOff.h"
#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

namespace {
constexpr int kUltimaPresenzaVisibile = 5;
}  // namespace

frmFiltri::frmFiltri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : QDialog(parent), sistema_(sistema), formato_(formato), editor_(sistema) {
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
  optCond_ = new CoppiaOnOff(frameCondizione);
  optCond_->setObjectName("optCond");

  auto* contatori = new QGridLayout;
  contatori->setHorizontalSpacing(8);
  contatori->setVerticalSpacing(2);
  lblnFiltro_ = AggiungiContatore(contatori, 0, "lblid", "ID", "lblnFiltro", frameCondizione);
  lblTotFiltri_ = AggiungiContatore(contatori, 1, "lbltot", "TOT", "lblTotFiltri", frameCondizione);
  lblTotFiltriON_ = AggiungiContatore(contatori, 2, "lblon", "ON", "lblTotFiltriON", frameCondizione);
  lblTotFiltriOFF_ = AggiungiContatore(contatori, 3, "lbloff", "OFF", "lblTotFiltriOFF", frameCondizione);
  auto* cmdCancella = PulsanteFigura("cmdCancella", "Cancella la colonna filtro", IconaCancella(), frameCondizione);
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
  piede->addLayout(contatori);
  piede->addStretch();
  for (QPushButton* b : {cmdLoadFiltri, cmdCancella, cmdCancellaTutto}) piede->addWidget(b, 0, Qt::AlignBottom);
  auto* corpo = new QVBoxLayout(frameCondizione);
  corpo->setContentsMargins(0, 0, 0, 0);
  corpo->addWidget(griglia);
  corpo->addLayout(impostazioni);
  corpo->addLayout(piede);

  auto* navigazione = new BarraPannelli(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);
  layout->addWidget(frameCondizione);
  layout->addWidget(navigazione);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(labGriglia_, &GrigliaEtichette::etichettaAttivata, this, [this](int n) {
    editor_.CambiaNumero(n);
    if (editor_.Disponibile(n)) labGriglia_->Seleziona(n, editor_.Numero(n));
    lblNumSelezionati_->setText(QString::number(editor_.NumeriSelezionati()));
  });
  connect(lbPresenze_, &GrigliaEtichette::etichettaAttivata, this, [this](int k) {
    editor_.CambiaPresenza(k);
    lbPresenze_->Seleziona(k, editor_.Presenza(k));
  });
  connect(lbPosizione_, &GrigliaEtichette::etichettaAttivata, this, [this](int p) {
    editor_.CambiaPosizione(p);
    lbPosizione_->Seleziona(p, editor_.Posizione(p));
  });
  connect(optCond_, &CoppiaOnOff::opzioneCliccata, this, [this](int indice) {
    editor_.ImpostaAttivo(indice == 0);
    optCond_->MostraStato(editor_.Attivo() ? 0 : 1);
    MostraContatori();
  });
  connect(cmdCancella, &QPushButton::clicked, this, [this] {
    editor_.Cancella();
    MostraFiltro();
  });
  connect(cmdCancellaTutto, &QPushButton::clicked, this, &frmFiltri::cmdCancellaTutto_Click);
  connect(cmdLoadFiltri, &QPushButton::clicked, this, &frmFiltri::cmdLoadFiltri_Click);
  connect(navigazione, &BarraPannelli::mossa, this, [this](BarraPannelli::Mossa m) {
    switch (m) {
      case BarraPannelli::Mossa::Primo: editor_.VaiAlPrimo(); break;
      case BarraPannelli::Mossa::IndietroLungo: editor_.Indietro(EditorFiltri::PASSO_LUNGO); break;
      case BarraPannelli::Mossa::Indietro1: editor_.Indietro(1); break;
      case BarraPannelli::Mossa::Avanti1: editor_.Avanti(1); break;
      case BarraPannelli::Mossa::AvantiLungo: editor_.Avanti(EditorFiltri::PASSO_LUNGO); break;
      case BarraPannelli::Mossa::Ultimo: editor_.VaiAllUltimo(); break;
    }
    MostraFiltro();
  });

  lblTotFiltri_->setText(TestoContatore(MAX_FILTRI, formato_));
  MostraFiltro();
  frameCondizione->setEnabled(editor_.Modificabile());
  platform::CentraForm(this);
}

void frmFiltri::MostraFiltro() {
  for (int n = 1; n <= NUMERI; ++n)
    if (editor_.Disponibile(n)) labGriglia_->Seleziona(n, editor_.Numero(n));
  for (int k = lbPresenze_->Primo(); k <= lbPresenze_->Ultimo(); ++k) lbPresenze_->Seleziona(k, editor_.Presenza(k));
  for (int p = 1; p <= 5; ++p) lbPosizione_->Seleziona(p, editor_.Posizione(p));
  optCond_->MostraStato(editor_.Attivo() ? 0 : 1);
  lblNumSelezionati_->setText(QString::number(editor_.NumeriSelezionati()));
  lblnFiltro_->setText(TestoContatore(editor_.Pannello(), formato_));
  MostraContatori();
}

void frmFiltri::MostraContatori() {
  lblTotFiltriON_->setText(TestoContatore(editor_.TotaleOn(), formato_));
  lblTotFiltriOFF_->setText(TestoContatore(editor_.TotaleOff(), formato_));
}

void frmFiltri::cmdCancellaTutto_Click() {
  const QString domanda = "Questa funzione cancellera' tutte le colonne filtro presenti\r\nVuoi procedere ?";
  if (platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::SiNo, QString(), domanda, this) != Risposta::Si) return;
  editor_.CancellaTutto();
  MostraFiltro();
}

void frmFiltri::cmdLoadFiltri_Click() {
  {
    frmImportFiltri importa(sistema_, formato_, this);
    importa.exec();
  }
  editor_.RicaricaDalPrimo();
  MostraFiltro();
}

// Every way of closing comes here once: the close box, Escape, the program's
// end, or the window destroyed while still open.
void frmFiltri::Chiudi() {
  if (chiuso_) return;
  chiuso_ = true;
  editor_.Chiudi();
}

void frmFiltri::done(int esito) {
  Chiudi();
  QDialog::done(esito);
}

frmFiltri::~frmFiltri() { Chiudi(); }

}  // namespace tlx::ui
