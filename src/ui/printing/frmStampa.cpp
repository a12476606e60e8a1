#include "ui/printing/frmStampa.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/IntervalloSchede.h"
#include "printing/Schede.h"
#include "ui/printing/AnteprimaScheda.h"
#include "ui/printing/ControlliStampa.h"
#include "ui/printing/frmPrnInCorso.h"
#include "ui/printing/frmTaratura.h"

namespace tlx::ui {

frmStampa::frmStampa(Sistema& sistema, const FormatoNumeri& formato, QString nomeSistema, QWidget* principale)
    : QWidget(nullptr, Qt::Window), sistema_(sistema), formato_(formato), nomeSistema_(std::move(nomeSistema)),
      principale_(principale) {
  setObjectName("frmStampa");
  setWindowTitle("Stampa Schedine");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* frameTipoScheda = new QGroupBox("Tipo schedina", this);
  frameTipoScheda->setObjectName("frameTipoScheda");
  auto* opzioni = new QVBoxLayout(frameTipoScheda);
  optTipoScheda_ = GruppoOpzioni(frameTipoScheda, opzioni, {"&1 Colonne", "&5 Colonne"}, "optTipoScheda_");
  opzioni->addStretch();
  connect(optTipoScheda_, &QButtonGroup::idClicked, this, &frmStampa::optTipoScheda_Click);

  // One picture at a time in the room of the larger: changing the type
  // changes neither the window's size nor the pictures'.
  immagini_ = new QStackedLayout;
  for (int i = 0; i < 2; ++i) {
    imgScheda_[i] = new AnteprimaScheda(i == 0 ? LayoutScheda::UnaColonna : LayoutScheda::CinqueColonne, this);
    imgScheda_[i]->setObjectName(QString("imgScheda_%1").arg(i));
    immagini_->addWidget(imgScheda_[i]);
  }

  auto* Label1 = new QLabel(" Totale schedine", this);
  Label1->setObjectName("Label1");
  labSchede_ = new QLabel(this);
  labSchede_->setObjectName("labSchede");
  labSchede_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  labSchede_->setFrameShape(QFrame::Panel);
  labSchede_->setFrameShadow(QFrame::Sunken);
  labSchede_->setMinimumWidth(80);
  txtDA_ = new QLineEdit(this);
  txtDA_->setObjectName("txtDA");
  txtA_ = new QLineEdit(this);
  txtA_->setObjectName("txtA");
  for (QLineEdit* t : {txtDA_, txtA_}) {
    t->setAlignment(Qt::AlignRight);
    t->setMaximumWidth(90);
  }
  txtA_->installEventFilter(this);

  auto* intervallo = new QGridLayout;
  intervallo->addWidget(Label1, 0, 0);
  intervallo->addWidget(labSchede_, 0, 1);
  intervallo->addWidget(new QLabel("Da", this), 1, 0);
  intervallo->addWidget(txtDA_, 1, 1);
  intervallo->addWidget(new QLabel("a", this), 2, 0);
  intervallo->addWidget(txtA_, 2, 1);

  cmdStampa_ = new QPushButton("&Stampa", this);
  cmdStampa_->setObjectName("cmdStampa");
  cmdTaratura_ = new QPushButton("&Taratura", this);
  cmdTaratura_->setObjectName("cmdTaratura");
  connect(cmdStampa_, &QPushButton::clicked, this, &frmStampa::cmdStampa_Click);
  connect(cmdTaratura_, &QPushButton::clicked, this, &frmStampa::cmdTaratura_Click);
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addWidget(cmdStampa_);
  pulsanti->addWidget(cmdTaratura_);

  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(frameTipoScheda);
  sinistra->addLayout(intervallo);
  sinistra->addStretch();
  sinistra->addLayout(pulsanti);
  auto* tutto = new QHBoxLayout(this);
  tutto->addLayout(sinistra);
  tutto->addLayout(immagini_, 1);

  // Form_Load: the 1-column slip at every opening.
  sistema_.TipoScheda = 0;
  optTipoScheda_Click(0);
  adjustSize();
  platform::CentraForm(this);
  // Not a child of the main window, which it disables.
  if (principale_) platform::TieniSopra(this, principale_);
}

QPushButton* frmStampa::opzione(int indice) const { return qobject_cast<QPushButton*>(optTipoScheda_->button(indice)); }

LayoutScheda frmStampa::Layout() const {
  return sistema_.TipoScheda == 1 ? LayoutScheda::CinqueColonne : LayoutScheda::UnaColonna;
}

void frmStampa::optTipoScheda_Click(int indice) {
  for (int i = 0; i < 2; ++i) opzione(i)->setChecked(i == indice);
  immagini_->setCurrentWidget(imgScheda_[indice]);
  sistema_.TipoScheda = indice;
  sistema_.ColonnePerScheda = static_cast<uint8_t>(DatiTipoScheda(Layout()).colonne);
  TotaleSchede_ = TotaleSchede(sistema_.NumeroColonne, sistema_.ColonnePerScheda);
  SchedaMinima_ = 1;
  labSchede_->setText(QString::number(TotaleSchede_));
  txtA_->setText(QString::number(TotaleSchede_));
  txtDA_->setText("1");
}

void frmStampa::cmdStampa_Click() {
  setEnabled(false);
  const auto controllo = ControllaIntervallo(txtDA_->text().toStdString(), txtA_->text().toStdString(), SchedaMinima_,
                                             TotaleSchede_);
  if (const auto* rifiuto = std::get_if<Messaggio>(&controllo)) {
    QApplication::beep();
    platform::MessageBox::Mostra(*rifiuto, this);
    setEnabled(true);
    return;
  }
  const IntervalloSchede intervallo = std::get<IntervalloSchede>(controllo);

  // The columns per slip come from the chosen type at every run: another
  // window's run may have changed the shared value meanwhile.
  const LayoutScheda layout = Layout();
  sistema_.ColonnePerScheda = static_cast<uint8_t>(DatiTipoScheda(layout).colonne);
  const bool una = layout == LayoutScheda::UnaColonna;
  const TaraturaScheda t =
      LeggiTaratura(una ? sistema_.FileTaratura1Colonna : sistema_.FileTaratura5Colonne, layout);
  Stampante& stampante = platform::StampanteCorrente();
  stampante.Seleziona(t.NomeStampante);

  const DatiStampaSchede dati{layout, nomeSistema_.toStdString(), formato_};
  EseguiStampaSchede(
      sistema_, this, intervallo.da, intervallo.a,
      [&](int32_t n) { StampaPaginaScheda(stampante, sistema_, t, dati, n); },
      una ? "StampaScheda1Colonna" : "StampaScheda5Colonne", "frmStampa");
  setEnabled(true);
}

void frmStampa::cmdTaratura_Click() {
  frmTaratura taratura(sistema_, Layout(), this);
  taratura.exec();
}

bool frmStampa::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == txtA_ && evento->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, txtA_, &QLineEdit::selectAll);
  } else if (oggetto == txtA_ && evento->type() == QEvent::KeyPress) {
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) {
      cmdStampa_->setFocus();
      return true;
    }
    // Keys that type nothing (arrows, Backspace, Tab...) keep their meaning.
    const QString testo = tasto->text();
    const bool scorciatoia = tasto->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (testo.isEmpty() || scorciatoia || tasto->key() == Qt::Key_Delete) return false;
    for (const QChar c : testo) {
      const bool ammesso = c.isDigit() || c == '.' || c == '\b' || c == '\t' || c == '\f';
      if (!ammesso || c.unicode() > 127) {
        QApplication::beep();
        return true;
      }
    }
  }
  return QWidget::eventFilter(oggetto, evento);
}

void frmStampa::closeEvent(QCloseEvent* e) {
  // Not while its run prints (the window is disabled then).
  if (!isEnabled()) {
    e->ignore();
    return;
  }
  e->accept();
  emit chiusa();
}

}  // namespace tlx::ui
