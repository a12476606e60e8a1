#include "ui/printing/frmTabulato.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/Tabulato.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/printing/ControlliStampa.h"
#include "ui/printing/frmPrnInCorso.h"
#include "ui/printing/FigureStampa.h"

namespace tlx::ui {

frmTabulato::frmTabulato(Sistema& sistema, std::function<QString()> nomeSistema, std::function<void()> impostazioni,
                         QWidget* parent)
    : QDialog(parent), sistema_(sistema), nomeSistema_(std::move(nomeSistema)), impostazioni_(std::move(impostazioni)) {
  setObjectName("frmTabulato");
  setWindowTitle("Stampa Tabulato");

  auto* logo = new QLabel(this);
  logo->setObjectName("imgLogo");
  logo->setPixmap(QPixmap::fromImage(FiguraTabulato(Figura::Logo, true))
                      .scaledToWidth(260, Qt::SmoothTransformation));
  logo->setAlignment(Qt::AlignCenter);

  auto* scelte = new QGroupBox("Contenuto", this);
  scelte->setObjectName("frameContenuto");
  chkCol_ = new QCheckBox("C&olonne", scelte);
  chkCol_->setObjectName("chkCol");
  chkProno_ = new QCheckBox("&Pronostico", scelte);
  chkProno_->setObjectName("chkProno");
  chkColor_ = new QCheckBox("A colori", scelte);
  chkColor_->setObjectName("chkColor");
  auto* colonnaScelte = new QVBoxLayout(scelte);
  for (QCheckBox* c : {chkCol_, chkProno_, chkColor_}) {
    c->setChecked(true);
    colonnaScelte->addWidget(c);
  }

  const Contatore copie = CreaContatore(this, "Copie", "Label2", "labCopie", "VsCopie", 20, 44);
  copie.riga->setSpacing(10);
  labCopie_ = copie.valore;
  VsCopie_ = copie.barra;
  connect(VsCopie_, &QScrollBar::valueChanged, this, &frmTabulato::VsCopie_Change);

  auto* cmdStampa = PulsanteComando(this, "&Stampa", "cmdStampa");
  auto* cmdImpostazioni = PulsanteComando(this, "&Impostazioni", "cmdImpostazioni");
  connect(cmdStampa, &QPushButton::clicked, this, &frmTabulato::cmdStampa_Click);
  connect(cmdImpostazioni, &QPushButton::clicked, this, [this] { impostazioni_(); });
  auto* pulsanti = new QVBoxLayout;
  pulsanti->addWidget(cmdStampa);
  pulsanti->addWidget(cmdImpostazioni);
  pulsanti->addStretch();

  auto* griglia = new QGridLayout(this);
  griglia->setContentsMargins(18, 14, 18, 16);
  griglia->setHorizontalSpacing(18);
  griglia->setVerticalSpacing(12);
  griglia->addWidget(logo, 0, 0, 1, 2);
  griglia->addWidget(scelte, 1, 0);
  griglia->addLayout(pulsanti, 1, 1);
  griglia->addLayout(copie.riga, 2, 0, 1, 2);
  griglia->setSizeConstraint(QLayout::SetFixedSize);

  VsCopie_->setValue(1);
  VsCopie_Change(1);
  adjustSize();
  platform::CentraForm(this);
}

void frmTabulato::VsCopie_Change(int valore) { labCopie_->setText(QString::number(valore)); }

void frmTabulato::StampaTabulato() {
  Stampante& stampante = platform::StampanteCorrente();
  if (stampante.Occupata()) {
    platform::MessageBox::Mostra(MessaggioStampaInCorso(), this);
    return;
  }
  stampante.Seleziona(sistema_.StampanteTabulato);
  if (!chkCol_->isChecked() && !chkProno_->isChecked()) {
    platform::MessageBox::Mostra(MessaggioNessunaScelta(), this);
    return;
  }
  PrenotazioneStampante prenotazione(stampante);

  // The pictures go to the printer as image files of their own size.
  const bool colori = chkColor_->isChecked();
  QTemporaryDir cartella;
  const QString logo = cartella.filePath("logo.png"), vietato = cartella.filePath("vietato.png");
  FiguraTabulato(Figura::Logo, colori).save(logo);
  FiguraTabulato(Figura::Vietato, colori).save(vietato);
  auto percorso = [&](Figura f) { return (f == Figura::Logo ? logo : vietato).toStdString(); };

  const OpzioniTabulato opzioni{chkCol_->isChecked(), chkProno_->isChecked(), colori};
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    tlx::StampaTabulato(stampante, sistema_, nomeSistema_().toStdString(), opzioni, FormatoLocale(),
                        labCopie_->text().toInt(), percorso);
  } catch (const ErroreRuntime& e) {
    QApplication::restoreOverrideCursor();
    platform::MessageBox::Mostra(MessaggioErroreTabulato(e), this);
    return;
  }
  QApplication::restoreOverrideCursor();
}

void frmTabulato::cmdStampa_Click() {
  setEnabled(false);
  StampaTabulato();
  setEnabled(true);
}

}  // namespace tlx::ui
