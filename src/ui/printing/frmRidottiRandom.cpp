#include "ui/printing/frmRidottiRandom.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTime>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/Schede.h"
#include "printing/SistemiRidotti.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/printing/ControlliStampa.h"
#include "ui/printing/frmPrnInCorso.h"
#include "ui/printing/frmTaratura.h"
#include "ui/printing/FigureStampa.h"

namespace tlx::ui {

namespace {
// The chosen option in yellow on black, the others in the system's
// button-face and grey-text colours.
const char* const kStileOpzioni =
    "QPushButton { background-color: palette(button); color: palette(mid); border: 1px solid #8a8a8a;"
    " font-size: 13pt; font-weight: bold; min-width: 38px; min-height: 30px; }"
    "QPushButton:checked { background-color: #FFFF00; color: #000000; }";
}  // namespace

frmRidottiRandom::frmRidottiRandom(Sistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema) {
  setObjectName("frmRidottiRandom");
  setWindowTitle("Sistemi Ridotti Tremaluxor");
  setModal(false);
  generatore_ = [] { return std::mt19937(static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay())); };

  imgScheda_ = new QLabel(this);
  imgScheda_->setObjectName("imgScheda");

  auto* frameTipoRidotto = new QGroupBox("Numeri Sistema Ridotto", this);
  frameTipoRidotto->setObjectName("frameTipoRidotto");
  auto* gruppo = new QButtonGroup(this);
  gruppo->setExclusive(true);
  auto* opzioni = new QHBoxLayout(frameTipoRidotto);
  for (int numeri = MIN_NUMERI_RIDOTTO; numeri <= MAX_NUMERI_RIDOTTO; ++numeri) {
    auto* b = new QPushButton(QString::number(numeri), frameTipoRidotto);
    b->setObjectName(QString("optTipoRidotto%1").arg(numeri));
    b->setCheckable(true);
    b->setAutoDefault(false);
    b->setToolTip(QString("%1 euro").arg(ColonneRidotto(numeri)));
    b->setStyleSheet(kStileOpzioni);
    gruppo->addButton(b, numeri);
    opzioni->addWidget(b);
    optTipoRidotto_[static_cast<size_t>(numeri - MIN_NUMERI_RIDOTTO)] = b;
  }
  connect(gruppo, &QButtonGroup::idClicked, this, &frmRidottiRandom::optTipoRidotto_Click);

  const Contatore conteggio = CreaContatore(this, "Sistemi da generare", "Label1", "lblNumRidotti", "scrollNsis",
                                            MAX_SISTEMI_RIDOTTI, 48);
  lblNumRidotti_ = conteggio.valore;
  scrollNsis_ = conteggio.barra;
  connect(scrollNsis_, &QScrollBar::valueChanged, this, &frmRidottiRandom::scrollNsis_Change);

  auto* cmdStampa = PulsanteComando(this, "&Stampa", "cmdStampa");
  auto* cmdTaratura = PulsanteComando(this, "&Taratura", "cmdTaratura");
  connect(cmdStampa, &QPushButton::clicked, this, &frmRidottiRandom::cmdStampa_Click);
  connect(cmdTaratura, &QPushButton::clicked, this, &frmRidottiRandom::cmdTaratura_Click);
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(cmdTaratura);
  pulsanti->addWidget(cmdStampa);

  auto* destra = new QVBoxLayout;
  destra->setSpacing(14);
  destra->addWidget(frameTipoRidotto);
  destra->addLayout(conteggio.riga);
  destra->addStretch();
  destra->addLayout(pulsanti);
  auto* tutto = new QHBoxLayout(this);
  tutto->setContentsMargins(16, 16, 16, 16);
  tutto->setSpacing(18);
  tutto->addWidget(imgScheda_);
  tutto->addLayout(destra);
  tutto->setSizeConstraint(QLayout::SetFixedSize);

  // Loading the window.
  optTipoRidotto_Click(MIN_NUMERI_RIDOTTO);
  scrollNsis_->setValue(1);
  scrollNsis_Change(1);
  adjustSize();
  platform::CentraForm(this);
}

void frmRidottiRandom::optTipoRidotto_Click(int indice) {
  NumeriRidotto_ = indice;
  optTipoRidotto_[static_cast<size_t>(indice - MIN_NUMERI_RIDOTTO)]->setChecked(true);
  MostraScheda();
}

// The slip as a run of the chosen count prints it, price included.
void frmRidottiRandom::MostraScheda() {
  const Centesimi prezzo = CostoSistema(sistema_.CostoColonna, ColonneRidotto(NumeriRidotto_));
  imgScheda_->setPixmap(QPixmap::fromImage(
      FiguraSchedaRidotto(NumeriRidotto_, QString::fromStdString(TestoImportoScheda(prezzo, FormatoLocale())))));
}

void frmRidottiRandom::showEvent(QShowEvent* evento) {
  // The column's cost may have changed in the settings since.
  MostraScheda();
  QDialog::showEvent(evento);
}

void frmRidottiRandom::scrollNsis_Change(int valore) {
  lblNumRidotti_->setText(QString::number(valore));
  NumeroSistemi_ = valore;
}

// While another run holds the printer the shared print run refuses, and the
// printer can't be switched under it.
void frmRidottiRandom::cmdStampa_Click() {
  setEnabled(false);
  LeggiTaratura();
  std::mt19937 generatore = generatore_();
  StampaSchedaRidotti(GeneraRidottiCasuali(NUMERI, NumeriRidotto_, NumeroSistemi_, generatore));
  setEnabled(true);
}

void frmRidottiRandom::LeggiTaratura() {
  taratura_ = tlx::LeggiTaratura(sistema_.FileTaraturaRidotti, LayoutScheda::Ridotti);
  platform::StampanteCorrente().Seleziona(taratura_.NomeStampante);
}

void frmRidottiRandom::StampaSchedaRidotti(const std::vector<std::vector<uint8_t>>& sistemi) {
  sistema_.ColonnePerScheda = 1;
  Stampante& stampante = platform::StampanteCorrente();
  DatiSchedaRidotto dati;
  dati.costoColonna = sistema_.CostoColonna;
  dati.intestazione = sistema_.IntestazioneStampa;
  dati.formato = FormatoLocale();
  EseguiStampaSchede(
      sistema_, this, 1, static_cast<int32_t>(sistemi.size()),
      [&](int32_t n) {
        dati.numeri = sistemi[static_cast<size_t>(n - 1)];
        dati.numeroScheda = n;
        StampaPaginaRidotto(stampante, taratura_, dati);
      },
      "StampaSchedaRidotti", "frmRidottiRandom");
}

void frmRidottiRandom::cmdTaratura_Click() {
  frmTaratura taratura(sistema_, LayoutScheda::Ridotti, this);
  taratura.exec();
}

}  // namespace tlx::ui
