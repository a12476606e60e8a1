#include "ui/conditions/frmFiltriDistanzaNumeri.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "ui/conditions/DialogoCondizione.h"
#include "ui/conditions/IconeFiltri.h"
#include "ui/widgets/Colori.h"
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
  auto* casella = CasellaValore(nome, QString("%1").arg(valore, 2, 10, QChar('0')), genitore);
  casella->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  riga->addWidget(titolo);
  riga->addWidget(casella);
  return casella;
}
}  // namespace

frmFiltriDistanzaNumeri::frmFiltriDistanzaNumeri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : FinestraEditorFiltri(sistema, formato, parent) {
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
  CreaComandiRecord(frameCondizione, "Cancella il filtro");

  auto* limiti = new QHBoxLayout;
  Limite(limiti, "lblDistMin", "Min", "lblNumDistMin", distanze.minima, frameCondizione);
  limiti->addSpacing(12);
  Limite(limiti, "lblDistMax", "Max", "lblNumDistMax", distanze.massima, frameCondizione);
  limiti->addStretch();
  auto* coppie = new QHBoxLayout;
  coppie->addWidget(RiquadroCon("framePosizioni", "Posizioni", lbPFromPTo_, frameCondizione), 1);
  coppie->addLayout(limiti);

  auto* piede = new QHBoxLayout;
  piede->addWidget(RiquadroCon("frameStatoCond", "Condizione", optCond_, frameCondizione));
  piede->addStretch();
  piede->addLayout(contatori_.griglia);
  piede->addSpacing(12);
  piede->addWidget(cmdCancella_, 0, Qt::AlignBottom);

  auto* corpo = new QVBoxLayout(frameCondizione);
  corpo->setContentsMargins(0, 0, 0, 0);
  corpo->addLayout(coppie);
  corpo->addWidget(RiquadroCon("frameDistanzaMin", "Distanza Minima", lbDistanzaMin_, frameCondizione));
  corpo->addWidget(RiquadroCon("frameDistanzaMax", "Distanza Massima", lbDistanzaMax_, frameCondizione));
  corpo->addLayout(piede);

  Collega(lbPFromPTo_, &EditorFiltriDistanza::CambiaCoppia, &EditorFiltriDistanza::Coppia);
  Collega(lbDistanzaMin_, &EditorFiltriDistanza::CambiaMinima, &EditorFiltriDistanza::Minima);
  Collega(lbDistanzaMax_, &EditorFiltriDistanza::CambiaMassima, &EditorFiltriDistanza::Massima);
  ImpaginaEditor(this, frameCondizione, editor_, [this] { MostraPannello(); });

  MostraPannello();
  frameCondizione->setEnabled(editor_.Modificabile());
  platform::CentraForm(this);
}

void frmFiltriDistanzaNumeri::MostraPannello() {
  for (int p = 1; p <= EditorFiltriDistanza::COPPIE; ++p) lbPFromPTo_->Seleziona(p, editor_.Coppia(p));
  for (int g = lbDistanzaMin_->Primo(); g <= lbDistanzaMin_->Ultimo(); ++g) {
    lbDistanzaMin_->Seleziona(g, editor_.Minima(g));
    lbDistanzaMax_->Seleziona(g, editor_.Massima(g));
  }
  optCond_->MostraStato(editor_.Attivo() ? 0 : 1);
  QPalette tavolozza = contatori_.lblnFiltro->palette();
  tavolozza.setColor(QPalette::Window, ColoreBgr(editor_.Pannello() % 2 == 0 ? kPannelloPari : kPannelloDispari));
  contatori_.lblnFiltro->setPalette(tavolozza);
  MostraContatori(contatori_, editor_, formato_);
}

}  // namespace tlx::ui
