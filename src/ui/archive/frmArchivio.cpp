#include "ui/archive/frmArchivio.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/Archivio.h"
#include "core/Formato.h"
#include "core/Procedure.h"
#include "core/Server.h"
#include "platform/Attesa.h"
#include "platform/Cartelle.h"
#include "platform/Download.h"
#include "platform/MessageBox.h"
#include "ui/archive/FinestreArchivio.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/widgets/Clessidra.h"

namespace tlx::ui {

// The list's lines, made when shown: the archive can hold 100,000 draws.
class ModelloEstrazioni : public QAbstractListModel {
 public:
  ModelloEstrazioni(const std::vector<Estrazione>& archivio, QObject* parent)
      : QAbstractListModel(parent), archivio_(archivio) {}
  int rowCount(const QModelIndex& genitore) const override {
    return genitore.isValid() ? 0 : static_cast<int>(righe_);
  }
  QVariant data(const QModelIndex& indice, int ruolo) const override {
    if (ruolo != Qt::DisplayRole || !indice.isValid()) return {};
    // Counted on the archive itself: it may have been replaced a moment
    // before the list is told.
    const int64_t estrazione = IndiceDaRiga(archivio_.size(), indice.row());
    if (estrazione < 0) return {};
    return QString::fromStdString(RigaElenco(archivio_[static_cast<size_t>(estrazione)]));
  }
  // The archive was replaced: take its new size.
  void Ricarica() {
    beginResetModel();
    righe_ = archivio_.size();
    endResetModel();
  }

 private:
  const std::vector<Estrazione>& archivio_;
  size_t righe_ = 0;
};

namespace {

const QString TITOLO = QStringLiteral(" Archivio Estrazioni");

QFont FontFisso() {
  QFont f(QStringLiteral("Courier New"), 10);
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  return f;
}

void Mostra(const Messaggi& messaggi, QWidget* parent) {
  for (const Messaggio& m : messaggi) platform::MessageBox::Mostra(m, parent);
}

}  // namespace

frmArchivio::frmArchivio(Sistema& sistema, QWidget* parent) : QWidget(parent, Qt::Window), sistema_(sistema) {
  setObjectName("frmArchivio");
  setWindowTitle(TITOLO);

  Label5_ = new QLabel(QString::fromUtf8(INTESTAZIONE_ELENCO.data(), static_cast<qsizetype>(INTESTAZIONE_ELENCO.size())), this);
  Label5_->setObjectName("Label5");
  Label5_->setFont(FontFisso());
  modello_ = new ModelloEstrazioni(sistema_.ArchivioEstrazioni, this);
  lst_ = new QListView(this);
  lst_->setObjectName("lst");
  lst_->setFont(FontFisso());
  lst_->setToolTip("Doppio Click x Colonna di Spoglio");
  lst_->setUniformItemSizes(true);
  lst_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lst_->setSelectionMode(QAbstractItemView::SingleSelection);
  lst_->setModel(modello_);
  lst_->setMinimumWidth(QFontMetrics(FontFisso()).horizontalAdvance(QString(34, 'X')));
  // The heading starts where the lines start.
  Label5_->setContentsMargins(lst_->frameWidth() + lst_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin), 0, 0, 0);
  connect(lst_, &QListView::doubleClicked, this, [this] { lst_DblClick(); });

  lbElaborazione_ = AvvisoElaborazione(this);

  Frame1_ = new QGroupBox("Ultima Estrazione", this);
  Frame1_->setObjectName("Frame1");
  lbLast_ = new QLabel("ultima estrazione", Frame1_);
  lbLast_->setObjectName("lbLast");
  lbLast_->setFont(FontFisso());
  auto* ultima = new QVBoxLayout(Frame1_);
  ultima->addWidget(lbLast_);

  lbTotale_ = new QLabel("00000000", this);
  lbTotale_->setObjectName("lbTotale");
  lbTotale_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lbTotale_->setStyleSheet("font-weight: bold;");
  auto* Label1 = new QLabel(" Estrazioni Totali", this);
  Label1->setObjectName("Label1");
  auto* totale = new QHBoxLayout;
  totale->addWidget(lbTotale_);
  totale->addWidget(Label1);
  totale->addStretch();

  cmdUpdate_ = new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload), "Aggiorna", this);
  cmdUpdate_->setObjectName("cmdUpdate");
  cmdUpdate_->setToolTip("Click per iniziare l'aggiornamento");
  cmdUpdate_->setIconSize(QSize(24, 24));
  connect(cmdUpdate_, &QPushButton::clicked, this, &frmArchivio::cmdUpdate_Click);
  cmdStatistiche_ = new QPushButton("Statistiche", this);
  cmdStatistiche_->setObjectName("cmdStatistiche");
  cmdStatistiche_->setToolTip("Click per visualizzare le statistiche");
  connect(cmdStatistiche_, &QPushButton::clicked, this, &frmArchivio::statisticheRichieste);

  // What the labels on the right show never moves the controls: each has
  // the room of the widest text it can hold, whatever the archive holds.
  const Estrazione piuLarga{std::string(LUNGHEZZA_DATA, '0'), {55, 55, 55, 55, 55}};
  lbLast_->setMinimumWidth(QFontMetrics(FontFisso()).horizontalAdvance(QString::fromStdString(RigaElenco(piuLarga))));
  lbTotale_->ensurePolished();
  const QString conteggioMassimo = QString::fromStdString(
      Formatta(static_cast<double>(MAX_ESTRAZIONI_FILE), MASCHERA_CONTEGGIO, FormatoLocale()));
  lbTotale_->setFixedWidth(std::max(lbTotale_->fontMetrics().horizontalAdvance(lbTotale_->text()),
                                    lbTotale_->fontMetrics().horizontalAdvance(conteggioMassimo)));
  for (QLabel* etichetta : {lbLast_, lbElaborazione_})
    etichetta->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  auto* destra = new QVBoxLayout;
  destra->addWidget(Frame1_);
  destra->addLayout(totale);
  destra->addSpacing(12);
  destra->addWidget(cmdUpdate_);
  destra->addWidget(cmdStatistiche_);
  destra->addWidget(lbElaborazione_);
  destra->addStretch();
  auto* griglia = new QGridLayout(this);
  griglia->addWidget(Label5_, 0, 0);
  griglia->addWidget(lst_, 1, 0);
  griglia->addLayout(destra, 1, 1);
  griglia->setColumnStretch(0, 1);
  resize(620, 460);

  // Loading: the wait text shows while the file is read.
  percorsoDownload_ = platform::CartellaTemp() + QString::fromUtf8(server::FILE_ARCHIVIO.data());
  lbElaborazione_->setText("Aggiornamento in corso\r\nAttendere....");
  MostraAttesa(true);
  platform::ElaboraEventi();
  RisultatoLetturaArchivio letto;
  {
    Clessidra clessidra;
    letto = LoadArchivioEstrazioni(sistema_.PercorsoArchivio);
  }
  sistema_.ArchivioEstrazioni = std::move(letto.estrazioni);
  Mostra(letto.messaggi, this);
  MostraAttesa(false);
  PopolaListView();
}

void frmArchivio::MostraAttesa(bool attesa) {
  lbElaborazione_->setVisible(attesa);
  lst_->setEnabled(!attesa);
  if (attesa) repaint();
}

void frmArchivio::PopolaListView() {
  modello_->Ricarica();
  const std::vector<Estrazione>& archivio = sistema_.ArchivioEstrazioni;
  if (archivio.empty()) return;
  lst_->setCurrentIndex(modello_->index(0));
  lbLast_->setText(QString::fromStdString(RigaElenco(archivio.back())));
  lbTotale_->setText(QString::fromStdString(Formatta(static_cast<double>(archivio.size()), MASCHERA_CONTEGGIO, FormatoLocale())));
}

void frmArchivio::cmdUpdate_Click() {
  cmdUpdate_->setEnabled(false);
  aggiornamentoInCorso_ = true;
  Clessidra clessidra;
  const platform::InputTrattenuto trattenuto;
  MostraAttesa(true);
  platform::ElaboraEventi();

  // Leaving the program ends the download, and nothing more is done or told.
  const platform::OpzioniDownload opzioni{server::BYTE_MASSIMI_ARCHIVIO, false,
                                          [this] { return Vero(sistema_.ChiusuraApplicazione); }};
  const platform::EsitoDownload esito =
      platform::DownloadFile(platform::UrlServer(server::PERCORSO_ARCHIVIO), percorsoDownload_, true, opzioni);
  if (Vero(sistema_.ChiusuraApplicazione)) return;
  if (esito != platform::EsitoDownload::Riuscito) {
    platform::MessageBox::Mostra(Icona::Critica, Pulsanti::Ok, TITOLO, "Errore durante il download dell'aggiornamento", this);
  } else {
    RisultatoRisposta risposta = LoadArchivioTMP(percorsoDownload_.toStdString());
    Mostra(risposta.messaggi, this);
    if (risposta.letta && !risposta.estrazioni.empty()) {
      sistema_.ArchivioEstrazioni = std::move(risposta.estrazioni);
      Mostra(SaveArchivioEstrazioni(sistema_.ArchivioEstrazioni, sistema_.PercorsoArchivio), this);
      PopolaListView();
    } else if (risposta.letta) {
      platform::MessageBox::Mostra(Icona::Informazione, Pulsanti::Ok, TITOLO,
                                   "L'aggiornamento scaricato non contiene estrazioni valide:\r\n"
                                   "l'archivio resta com'era.",
                                   this);
    }
  }

  cmdUpdate_->setEnabled(aggiornamentoConsentito_);
  aggiornamentoInCorso_ = false;
  MostraAttesa(false);
  emit aggiornamentoTerminato();
}

void frmArchivio::ConsentiAggiornamento(bool consentito) {
  aggiornamentoConsentito_ = consentito;
  cmdUpdate_->setEnabled(consentito && !aggiornamentoInCorso_);
}

void frmArchivio::lst_DblClick() {
  const QModelIndexList scelte = lst_->selectionModel()->selectedIndexes();
  if (scelte.isEmpty()) return;
  const int64_t indice = IndiceDaRiga(sistema_.ArchivioEstrazioni.size(), scelte.front().row());
  if (indice < 0) return;
  const Estrazione& e = sistema_.ArchivioEstrazioni[static_cast<size_t>(indice)];
  platform::MessageBox::Mostra(Icona::Informazione, Pulsanti::Ok, TITOLO,
                               "La Colonna \r\n" + QString::fromStdString(ArrayInTesto(e.Numeri, 1)) + "\r\ndel " +
                                   QString::fromStdString(Trim(e.Data)) + " è stata imposta come nuova colonna di Spoglio",
                               this);
  std::copy(e.Numeri.begin(), e.Numeri.end(), sistema_.ColonnaSpoglio.begin() + 1);
  emit estrazioneScelta();
}

void frmArchivio::closeEvent(QCloseEvent* e) {
  // Leaving the program ends an update: no call to wait then.
  if (aggiornamentoInCorso_ && !Vero(sistema_.ChiusuraApplicazione))
    platform::MessageBox::Mostra(Icona::Informazione, Pulsanti::Ok, TITOLO, "Aggiornamento Archivio in corso...attendere", this);
  else
    hide();
  ChiudiSoloInUscita(e, sistema_);
}

}  // namespace tlx::ui
