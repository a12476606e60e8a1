#include "ui/checking/frmSpoglioEstrazioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Procedure.h"
#include "platform/Appunti.h"
#include "platform/Attesa.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "ui/checking/GrigliaRisultati.h"
#include "ui/shared/Icone.h"
#include "ui/widgets/Clessidra.h"

namespace tlx::ui {

namespace {
// The error number of a range whose end comes before its start: the
// program's own errors start 10,000 above the application error base.
constexpr int64_t ERRORE_INTERVALLO = -2147211504;
}  // namespace

frmSpoglioEstrazioni::frmSpoglioEstrazioni(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : FinestraSpoglio(parent),
      sistema_(sistema),
      formato_(formato),
      cmbDal_(new QComboBox(this)),
      cmbAl_(new QComboBox(this)),
      cmdSpoglioEstrazioni_(new QToolButton(this)),
      chkFiltri_(new QCheckBox("&Filtri", this)),
      cmdCSV_(new QPushButton("Export to CSV", this)),
      pagine_(new QStackedWidget(this)),
      flexGrid_(new GrigliaRisultati(this)),
      lblElaborazione_(new QLabel("Elaborazione in corso\n....", this)),
      lblArchivioVuoto_(new QLabel("L'archivio non contiene estrazioni:\nnessuna data da controllare.", this)) {
  setObjectName("frmSpoglioEstrazioni");
  setWindowTitle("Spoglio Estrazioni");
  setWindowIcon(IconaProgramma());

  auto* lblDAL = new QLabel("DAL", this);
  lblDAL->setObjectName("lblDAL");
  auto* lblAL = new QLabel("AL", this);
  lblAL->setObjectName("lblAL");
  cmbDal_->setObjectName("cmbDal");
  cmbAl_->setObjectName("cmbAl");
  for (QComboBox* c : {cmbDal_, cmbAl_}) {
    c->setFont(QFont("Courier New", 10));
    c->setMinimumContentsLength(12);
    c->setMaxVisibleItems(20);
  }
  cmdSpoglioEstrazioni_->setObjectName("cmdSpoglioEstrazioni");
  cmdSpoglioEstrazioni_->setIcon(IconaPulsante("cmdSpoglio"));
  cmdSpoglioEstrazioni_->setIconSize(QSize(32, 32));
  cmdSpoglioEstrazioni_->setToolTip("Esegui lo spoglio delle estrazioni");
  connect(cmdSpoglioEstrazioni_, &QToolButton::clicked, this, &frmSpoglioEstrazioni::cmdSpoglioEstrazioni_Click);
  auto* date = new QHBoxLayout;
  date->addWidget(lblDAL);
  date->addWidget(cmbDal_);
  date->addSpacing(12);
  date->addWidget(lblAL);
  date->addWidget(cmbAl_);
  date->addSpacing(12);
  date->addWidget(cmdSpoglioEstrazioni_);
  date->addStretch();
  chkFiltri_->setObjectName("chkFiltri");
  connect(chkFiltri_, &QCheckBox::toggled, this, &frmSpoglioEstrazioni::chkFiltri_Click);
  cmdCSV_->setObjectName("cmdCSV");
  connect(cmdCSV_, &QPushButton::clicked, this, &frmSpoglioEstrazioni::cmdCSV_Click);
  for (QWidget* nascosto : {static_cast<QWidget*>(chkFiltri_), static_cast<QWidget*>(cmdCSV_)}) {
    nascosto->hide();
    date->addWidget(nascosto);
  }

  for (QLabel* l : {lblElaborazione_, lblArchivioVuoto_}) {
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet("font-size: 14pt; font-weight: bold; color: #123f5e;");
  }
  lblElaborazione_->setObjectName("lblElaborazione");
  lblArchivioVuoto_->setObjectName("lblArchivioVuoto");
  pagine_->addWidget(flexGrid_);
  pagine_->addWidget(lblElaborazione_);
  pagine_->addWidget(lblArchivioVuoto_);

  auto* frmResoconto = new QGroupBox("Resoconto", this);
  frmResoconto->setObjectName("frmResoconto");
  auto* resoconto = new QGridLayout(frmResoconto);
  const std::pair<const char*, const char*> voci[] = {
      {"lbTotaleEstrazioni", "Totale Estrazioni"},         {"lblEstrPt5", "Estrazioni con max pt.5"},
      {"lblEstrPt4", "Estrazioni con max pt.4"},           {"lblEstrPt3", "Estrazioni con max pt.3"},
      {"lblEstrPt2", "Estrazioni con max pt.2"},           {"lblEstrNonVincenti", "Estrazioni non vincenti"},
      {"lblTotGiocato", "Totale Giocato"},                 {"lblTotVinto", "Totale Vinto"}};
  const char* nomiValori[] = {"lblValTotEstr", "lblValEstrPt5",         "lblValEstrPt4",    "lblValEstrPt3",
                              "lblValEstrPt2", "lblValEstrNonVincenti", "lblValTotGiocato", "lblValTotVinto"};
  for (int i = 0; i < 8; ++i) {
    auto* nome = new QLabel(voci[i].second, frmResoconto);
    nome->setObjectName(voci[i].first);
    auto* valore = new QLabel(frmResoconto);
    valore->setObjectName(nomiValori[i]);
    valore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valore->setFrameShape(QFrame::Panel);
    valore->setFrameShadow(QFrame::Sunken);
    valore->setStyleSheet("font-weight: bold; padding: 2px 6px;");
    QFont grassetto = valore->font();
    grassetto.setBold(true);
    valore->setMinimumWidth(QFontMetrics(grassetto).horizontalAdvance("000.000.000.000,00") + 20);
    resoconto->addWidget(nome, i, 0);
    resoconto->addWidget(valore, i, 1);
    valori_[i] = valore;
  }
  resoconto->setRowStretch(8, 1);

  auto* corpo = new QHBoxLayout;
  corpo->addWidget(pagine_, 1);
  corpo->addWidget(frmResoconto);
  auto* tutto = new QVBoxLayout(this);
  tutto->addLayout(date);
  tutto->addLayout(corpo, 1);
  resize(1100, 540);

  // The window sees every key before its controls do.
  installEventFilter(this);
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

  platform::CentraForm(this);
  flexGrid_->Inizializza();
  MostraRiepilogo();
}

bool frmSpoglioEstrazioni::RiempiDate(bool mantieniScelte) {
  if (SpoglioInCorso()) return true;
  setEnabled(false);
  const QString dal = cmbDal_->currentText(), al = cmbAl_->currentText();
  for (QComboBox* c : {cmbDal_, cmbAl_}) {
    c->setEnabled(false);
    c->clear();
  }
  platform::ElaboraEventi();
  DateArchivio elenco = ElencoDate(sistema_.ArchivioEstrazioni);
  if (elenco.errore) {
    platform::MessageBox::Mostra(*elenco.errore, this);
    setEnabled(true);
    return false;
  }
  QStringList date;
  date.reserve(static_cast<qsizetype>(elenco.Date.size()));
  for (const std::string& d : elenco.Date) date << QString::fromStdString(d);
  cmbDal_->addItems(date);
  cmbAl_->addItems(date);
  const bool vuoto = date.isEmpty();
  if (!vuoto) {
    const int primo = mantieniScelte ? cmbDal_->findText(dal, Qt::MatchExactly) : -1;
    const int ultimo = mantieniScelte ? cmbAl_->findText(al, Qt::MatchExactly) : -1;
    cmbDal_->setCurrentIndex(primo >= 0 ? primo : 0);
    cmbAl_->setCurrentIndex(ultimo >= 0 ? ultimo : static_cast<int>(date.size()) - 1);
  }
  cmbDal_->setEnabled(!vuoto);
  cmbAl_->setEnabled(!vuoto);
  cmdSpoglioEstrazioni_->setEnabled(!vuoto);
  MostraPagina(vuoto ? static_cast<QWidget*>(lblArchivioVuoto_) : flexGrid_);
  setEnabled(true);
  return true;
}

void frmSpoglioEstrazioni::MostraPagina(QWidget* pagina) { pagine_->setCurrentWidget(pagina); }

void frmSpoglioEstrazioni::cmdSpoglioEstrazioni_Click() {
  if (SpoglioInCorso()) return;
  chkFiltri_->setChecked(false);
  flexGrid_->Inizializza();
  SpoglioArchivioEstrazioni();
}

void frmSpoglioEstrazioni::SpoglioArchivioEstrazioni() {
  if (cmbDal_->currentIndex() >= 0) {
    const std::string dal = cmbDal_->currentText().toStdString(), al = cmbAl_->currentText().toStdString();
    const auto giornoDal = GiornoDaData(dal), giornoAl = GiornoDaData(al);
    // Dates that are not dates keep the archive's order of the lists.
    const bool rovesciato =
        giornoDal && giornoAl ? *giornoAl < *giornoDal : cmbAl_->currentIndex() < cmbDal_->currentIndex();
    if (rovesciato) {
      platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::Ok, QString(),
                                   QString("Error %1 ('DA' è maggiore di 'A') in procedure SpoglioArchivioEstrazioni of "
                                           "Form frmSpoglioEstrazioni")
                                       .arg(ERRORE_INTERVALLO),
                                   this);
      return;
    }
    const auto intervallo = TrovaIntervallo(sistema_.ArchivioEstrazioni, dal, al);
    if (!intervallo) {
      // The archive was updated since the lists were filled.
      platform::MessageBox::Mostra(Icona::Esclamazione, Pulsanti::Ok, "Attenzione",
                                   "La data " + QString::fromStdString(dal).trimmed() +
                                       " non è più nell'archivio.\r\nL'elenco delle date è stato aggiornato.",
                                   this);
      RiempiDate(true);
      return;
    }

    MostraPagina(lblElaborazione_);
    cmdSpoglioEstrazioni_->setEnabled(false);
    EsitoSpoglioEstrazioni esito;
    EseguiSpoglio([&](const Cedi& cedi) {
      Clessidra clessidra;
      // Copies, taken before the first yield: the archive and the prediction
      // may change while the check yields.
      const std::vector<Estrazione> estrazioni(
          sistema_.ArchivioEstrazioni.begin() + static_cast<std::ptrdiff_t>(intervallo->inizio),
          sistema_.ArchivioEstrazioni.begin() + static_cast<std::ptrdiff_t>(intervallo->fine) + 1);
      const std::array<uint8_t, NUMERI> pronostico = sistema_.Pronostico;
      platform::ElaboraEventi();
      esito = SpoglioEstrazioni(sistema_.Colonne.Dati(), sistema_.NumeroColonne, estrazioni, pronostico,
                                sistema_.NumeriPronostico, sistema_.CostoColonna, cedi);
    });
    if (!esito.Interrotto) {
      totali_ = esito.Totali;
      flexGrid_->Imposta(esito.Righe, esito.Totali, formato_);
    }
  }
  MostraPagina(flexGrid_);
  cmdSpoglioEstrazioni_->setEnabled(cmbDal_->count() > 0);
  MostraRiepilogo();
  flexGrid_->AdattaColonne();
}

void frmSpoglioEstrazioni::MostraRiepilogo() {
  auto conteggio = [this](int64_t n) { return QString::fromStdString(Formatta(static_cast<double>(n), MASCHERA_IMPORTO, formato_)); };
  auto importo = [this](std::optional<Centesimi> c) {
    return c ? QString::fromStdString(TestoImporto(*c, formato_)) : QString("-");
  };
  const TotaliSpoglio& t = totali_;
  const QString testi[] = {conteggio(t.TotEstrazioni),       conteggio(t.EstrazioniConMax[5]), conteggio(t.EstrazioniConMax[4]),
                           conteggio(t.EstrazioniConMax[3]), conteggio(t.EstrazioniConMax[2]), conteggio(t.EstrNonVincenti),
                           importo(t.TotGiocato),            importo(t.TotVinto)};
  for (int i = 0; i < 8; ++i) valori_[i]->setText(testi[i]);
}

void frmSpoglioEstrazioni::CopyMSHFlexGridToClipBoard() {
  Clessidra clessidra;
  platform::ImpostaAppunti(flexGrid_->TestoSelezione());
}

void frmSpoglioEstrazioni::cmdCSV_Click() {
  const std::string percorso = FileCsvSpoglio(sistema_.PercorsoDati, sistema_.TitoloFileSistema);
  QDir().mkpath(QFileInfo(QString::fromStdString(percorso)).path());  // a failure shows when the file is written
  Messaggi errori;
  bool scritto = false;
  {
    Clessidra clessidra;
    scritto = ScriviCsvGriglia(flexGrid_->Celle(), percorso, &errori);
  }
  for (const Messaggio& m : errori) platform::MessageBox::Mostra(m, this);
  if (scritto) platform::ApriDocumento(QString::fromStdString(percorso));
}

void frmSpoglioEstrazioni::chkFiltri_Click(bool attivi) {
  Clessidra clessidra;
  if (!attivi) return flexGrid_->RimuoviFiltri();
  flexGrid_->CreaFiltri();
  // The window sees their keys first, as it does its other controls'.
  for (QComboBox* box : flexGrid_->findChildren<QComboBox*>()) box->installEventFilter(this);
}

bool frmSpoglioEstrazioni::eventFilter(QObject* oggetto, QEvent* evento) {
  // One press reaches the filter once per widget on its way up: copy it at
  // the widget that has the focus, or at the window when nothing has it.
  if (evento->type() == QEvent::KeyPress && (oggetto == focusWidget() || (!focusWidget() && oggetto == this))) {
    CopyMSHFlexGridToClipBoard();
    // The grid's own copy keys would put its current cell alone in its place.
    if (static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy)) return true;
  }
  return QWidget::eventFilter(oggetto, evento);
}

}  // namespace tlx::ui
