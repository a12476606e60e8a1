#include "ui/conditions/frmFiltriDistanzaNumeri.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "ui/conditions/ComponentiFiltri.h"
#include "ui/conditions/IconeFiltri.h"
#include "ui/widgets/BarraPannelli.h"
#include "ui/widgets/Colori.h"
#include "ui/widgets/CoppiaOnOff.h"
#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

namespace {
constexpr int kDistanzePerRiga = 18;
// The panel number's back colour tells even panels from odd ones.
constexpr uint32_t kPannelloPari = 0xC0C0FF;
constexpr uint32_t kPannelloDispari = 0xFFC0C0;

// "P01 - P02" ... "P04 - P05": the pair labels name the two positions.
void DidascalieCoppie(GrigliaEtichette* coppie) {
  for (int p = coppie->Primo(); p <= coppie->Ultimo(); ++p) {
    QLabel* e = coppie->Etichetta(p);
    e->setText(QString("P%1 - P%2").arg(p, 2, 10, QChar('0')).arg(p + 1, 2, 10, QChar('0')));
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(e->text()) + 20);
  }
}

// The smallest gap or the largest gap bound beside its caption.
QLabel* Limite(QHBoxLayout* riga, const char* nomeDidascalia, const QString& didascalia, const char* nome, int valore,
               QWidget* genitore) {
  auto* titolo = new QLabel(didascalia, genitore);
  titolo->setObjectName(nomeDidascalia);
  auto* casella = new QLabel(QString("%1").arg(valore, 2, 10, QChar('0')), genitore);
  casella->setObjectName(nome);
  casella->setFrameShape(QFrame::Panel);
  casella->setFrameShadow(QFrame::Sunken);
  casella->setAlignment(Qt::AlignCenter);
  casella->setMinimumWidth(34);
  casella->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  riga->addWidget(titolo);
  riga->addWidget(casella);
  return casella;
}
}  // namespace

frmFiltriDistanzaNumeri::frmFiltriDistanzaNumeri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : QDialog(parent), formato_(formato), editor_(sistema) {
  setObjectName("frmFiltriDistanzaNumeri");
  setWindowTitle("Distanza Numeri");

  auto* frameCondizione = new QWidget(this);
  frameCondizione->setObjectName("frameCondizione");
  const DistanzePossibili& distanze = editor_.Distanze();

  lbPFromPTo_ = new GrigliaEtichette(1, EditorFiltriDistanza::COPPIE, EditorFiltriDistanza::COPPIE, 0, frameCondizione);
  lbPFromPTo_->setObjectName("lbPFromPTo");
  lbPFromPTo_->ImpostaColoriSelezione(colori::BLU, colori::BIANCO);
  DidascalieCoppie(lbPFromPTo_);
  lbDistanzaMin_ = new GrigliaEtichette(distanze.PrimaVisibile(), distanze.UltimaVisibile(), kDistanzePerRiga, 0,
                                        frameCondizione);
  lbDistanzaMin_->setObjectName("lbDistanzaMin");
  lbDistanzaMax_ = new GrigliaEtichette(distanze.PrimaVisibile(), distanze.UltimaVisibile(), kDistanzePerRiga, 0,
                                        frameCondizione);
  lbDistanzaMax_->setObjectName("lbDistanzaMax");
  optCond_ = new CoppiaOnOff(frameCondizione);
  optCond_->setObjectName("optCond");

  auto* limiti = new QHBoxLayout;
  Limite(limiti, "lblDistMin", "Min", "lblNumDistMin", distanze.minima, frameCondizione);
  limiti->addSpacing(12);
  Limite(limiti, "lblDistMax", "Max", "lblNumDistMax", distanze.massima, frameCondizione);
  limiti->addStretch();
  auto* coppie = new QHBoxLayout;
  coppie->addWidget(RiquadroCon("framePosizioni", "Posizioni", lbPFromPTo_, frameCondizione), 1);
  coppie->addLayout(limiti);

  auto* contatori = new QGridLayout;
  contatori->setHorizontalSpacing(8);
  contatori->setVerticalSpacing(2);
  lblnFiltro_ = AggiungiContatore(contatori, 0, "lblid", "ID", "lblnFiltro", frameCondizione);
  QLabel* lblTotFiltri = AggiungiContatore(contatori, 1, "lbltot", "TOT", "lblTotFiltri", frameCondizione);
  lblTotFiltriON_ = AggiungiContatore(contatori, 2, "lblon", "ON", "lblTotFiltriON", frameCondizione);
  lblTotFiltriOFF_ = AggiungiContatore(contatori, 3, "lbloff", "OFF", "lblTotFiltriOFF", frameCondizione);
  auto* cmdCancella = PulsanteFigura("cmdCancella", "Cancella il filtro", IconaCancella(), frameCondizione);
  auto* piede = new QHBoxLayout;
  piede->addWidget(RiquadroCon("frameStatoCond", "Condizione", optCond_, frameCondizione));
  piede->addStretch();
  piede->addLayout(contatori);
  piede->addSpacing(12);
  piede->addWidget(cmdCancella, 0, Qt::AlignBottom);

  auto* corpo = new QVBoxLayout(frameCondizione);
  corpo->setContentsMargins(0, 0, 0, 0);
  corpo->addLayout(coppie);
  corpo->addWidget(RiquadroCon("frameDistanzaMin", "Distanza Minima", lbDistanzaMin_, frameCondizione));
  corpo->addWidget(RiquadroCon("frameDistanzaMax", "Distanza Massima", lbDistanzaMax_, frameCondizione));
  corpo->addLayout(piede);

  auto* navigazione = new BarraPannelli(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);
  layout->addWidget(frameCondizione);
  layout->addWidget(navigazione);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(lbPFromPTo_, &GrigliaEtichette::etichettaAttivata, this, [this](int p) {
    editor_.CambiaCoppia(p);
    lbPFromPTo_->Seleziona(p, editor_.Coppia(p));
  });
  connect(lbDistanzaMin_, &GrigliaEtichette::etichettaAttivata, this, [this](int g) {
    editor_.CambiaMinima(g);
    lbDistanzaMin_->Seleziona(g, editor_.Minima(g));
  });
  connect(lbDistanzaMax_, &GrigliaEtichette::etichettaAttivata, this, [this](int g) {
    editor_.CambiaMassima(g);
    lbDistanzaMax_->Seleziona(g, editor_.Massima(g));
  });
  connect(optCond_, &CoppiaOnOff::opzioneCliccata, this, [this](int indice) {
    editor_.ImpostaAttivo(indice == 0);
    optCond_->MostraStato(editor_.Attivo() ? 0 : 1);
    MostraContatori();
  });
  connect(cmdCancella, &QPushButton::clicked, this, [this] {
    editor_.Cancella();
    MostraFiltroDistanza();
  });
  connect(navigazione, &BarraPannelli::mossa, this, [this](BarraPannelli::Mossa m) {
    switch (m) {
      case BarraPannelli::Mossa::Primo: editor_.VaiAlPrimo(); break;
      case BarraPannelli::Mossa::IndietroLungo: editor_.Indietro(EditorFiltriDistanza::PASSO_LUNGO); break;
      case BarraPannelli::Mossa::Indietro1: editor_.Indietro(1); break;
      case BarraPannelli::Mossa::Avanti1: editor_.Avanti(1); break;
      case BarraPannelli::Mossa::AvantiLungo: editor_.Avanti(EditorFiltriDistanza::PASSO_LUNGO); break;
      case BarraPannelli::Mossa::Ultimo: editor_.VaiAllUltimo(); break;
    }
    MostraFiltroDistanza();
  });

  lblTotFiltri->setText(TestoContatore(MAX_FILTRI_DISTANZA, formato_));
  MostraFiltroDistanza();
  frameCondizione->setEnabled(editor_.Modificabile());
  platform::CentraForm(this);
}

void frmFiltriDistanzaNumeri::MostraFiltroDistanza() {
  for (int p = 1; p <= EditorFiltriDistanza::COPPIE; ++p) lbPFromPTo_->Seleziona(p, editor_.Coppia(p));
  for (int g = lbDistanzaMin_->Primo(); g <= lbDistanzaMin_->Ultimo(); ++g) {
    lbDistanzaMin_->Seleziona(g, editor_.Minima(g));
    lbDistanzaMax_->Seleziona(g, editor_.Massima(g));
  }
  optCond_->MostraStato(editor_.Attivo() ? 0 : 1);
  QPalette tavolozza = lblnFiltro_->palette();
  tavolozza.setColor(QPalette::Window, ColoreBgr(editor_.Pannello() % 2 == 0 ? kPannelloPari : kPannelloDispari));
  lblnFiltro_->setPalette(tavolozza);
  lblnFiltro_->setText(TestoContatore(editor_.Pannello(), formato_));
  MostraContatori();
}

void frmFiltriDistanzaNumeri::MostraContatori() {
  lblTotFiltriON_->setText(TestoContatore(editor_.TotaleOn(), formato_));
  lblTotFiltriOFF_->setText(TestoContatore(editor_.TotaleOff(), formato_));
}

// Every way of closing comes here once: the close box, Escape, the program's
// end, or the window destroyed while still open.
void frmFiltriDistanzaNumeri::Chiudi() {
  if (chiuso_) return;
  chiuso_ = true;
  editor_.Chiudi();
}

void frmFiltriDistanzaNumeri::done(int esito) {
  Chiudi();
  QDialog::done(esito);
}

frmFiltriDistanzaNumeri::~frmFiltriDistanzaNumeri() { Chiudi(); }

}  // namespace tlx::ui
