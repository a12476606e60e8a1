#include "ui/main/frmMAIN.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/ColonneTxt.h"
#include "core/FileSistema.h"
#include "core/Impostazioni.h"
#include "core/MescolaColonne.h"
#include "core/Sviluppo.h"
#include "core/Versione.h"
#include "platform/Attesa.h"
#include "platform/FileDialogs.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/main/GrigliaNumeri.h"
#include "ui/main/MenuCondizioni.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmCalcolo.h"
#include "ui/main/frmImpostazioni.h"
#include "ui/main/frmVisualizza.h"
#include "ui/matrices/frmCruciverba.h"
#include "ui/matrices/frmMatr.h"
#include "ui/printing/frmTabulato.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/shared/Icone.h"

namespace tlx::ui {

namespace {
QString Titolo(const Sistema& s) { return QString::fromStdString(s.TitoloSistema.Testo()); }
}  // namespace

frmMAIN::frmMAIN(Sistema& sistema, QWidget* parent)
    : QMainWindow(parent),
      sistema_(sistema),
      formato_(FormatoLocale()),
      frequenze_(CalcolaFrequenzaNumeri({})),
      finestre_(new CoordinatoreFinestre(sistema_, formato_, this)) {
  setObjectName("frmMAIN");
  CostruisciMenu();
  CostruisciCorpo();
  CostruisciStato();
  resize(960, 640);
  // Wanted enabled until a lock state says otherwise (loading the window
  // below sets those it owns). Not as they read now: a hidden item reads as
  // disabled though nothing disabled it.
  for (const QString& nome : CoordinatoreFinestre::ComandiTrattenibili()) comandiVoluti_.insert(nome, true);
  connect(finestre_, &CoordinatoreFinestre::spogliCambiati, this, &frmMAIN::AggiornaComandi);
  connect(finestre_, &CoordinatoreFinestre::frequenzeCalcolate, this,
          [this](const TabellaFrequenza& tabella) { frequenze_ = tabella; });

  // Loading the window.
  setWindowTitle(platform::TITOLO_APPLICAZIONE + " - Ver. " + QString::fromStdString(VersioneProgramma()) + " - Freeware");
  ReadConfiguration(sistema_);
  CancellaSistema(false);
  sistema_.NomeFileSistema = sistema_.PercorsoDati + "/sistemi/nuovo.tlqvx";
  sistema_.TitoloFileSistema = QFileInfo(QString::fromStdString(sistema_.NomeFileSistema)).fileName().toLower().toStdString();
  ViewStatusBar();
}

// ---- Building the window -------------------------------------------------

QAction* frmMAIN::Voce(QMenu* menu, const char* nome, const QString& testo) {
  QAction* a = menu->addAction(testo);
  a->setObjectName(nome);
  return a;
}

QAction* frmMAIN::azione(const QString& nome) const {
  if (auto it = menuPrincipali_.find(nome); it != menuPrincipali_.end()) return *it;
  return findChild<QAction*>(nome);
}

QToolButton* frmMAIN::pulsante(const QString& nome) const { return findChild<QToolButton*>(nome); }

void frmMAIN::CostruisciMenu() {
  auto principale = [this](const char* nome, const QString& testo) {
    QMenu* m = menuBar()->addMenu(testo);
    m->setObjectName(QString(nome) + "_items");
    m->menuAction()->setObjectName(nome);
    menuPrincipali_.insert(nome, m->menuAction());
    return m;
  };
  auto separatore = [](QMenu* m, const char* nome) { m->addSeparator()->setObjectName(nome); };

  QMenu* file = principale("menufile", "&File");
  connect(Voce(file, "menuapri", "&Apri"), &QAction::triggered, this, &frmMAIN::menuapri_Click);
  QAction* importa = Voce(file, "menuImportaColonne", "I&mporta Colonne");
  importa->setVisible(false);
  connect(importa, &QAction::triggered, this, &frmMAIN::menuImportaColonne_Click);
  separatore(file, "menuspazio0");
  connect(Voce(file, "menusalva", "&Salva"), &QAction::triggered, this, &frmMAIN::menusalva_Click);
  connect(Voce(file, "menusalvacome", "Salva &come..."), &QAction::triggered, this, &frmMAIN::menusalvacome_Click);
  QAction* esporta = Voce(file, "menuEsportaColonne", "Esporta Colonne");
  esporta->setVisible(false);
  connect(esporta, &QAction::triggered, this, &frmMAIN::menuEsportaColonne_Click);
  separatore(file, "menuspazio1");
  connect(Voce(file, "mnu_Elenco", "&Elenco Sistemi Immediati"), &QAction::triggered, this, &frmMAIN::mnu_Elenco_Click);
  connect(Voce(file, "menuImpostazioni", "&Impostazioni"), &QAction::triggered, this, &frmMAIN::menuImpostazioni_Click);
  separatore(file, "menuspazio2");
  connect(Voce(file, "menuuscita", "&Uscita"), &QAction::triggered, this, &QWidget::close);

  QMenu* condizioni = principale("menucondizioni", "&Condizioni");
  for (const VoceCondizione& voce : CONDIZIONI) {
    if (voce.separata) separatore(condizioni, "menuspazio3");
    QAction* a = Voce(condizioni, voce.nome, voce.testo);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, &voce] {
      voce.apri(sistema_, formato_, this);
      AggiornaSegniCondizioni();
    });
  }
  menuPrincipali_["menucondizioni"]->setEnabled(false);

  QMenu* operazioni = principale("menuoperazioni", "&Operazioni");
  connect(Voce(operazioni, "menuadattamatrice", "&Adatta matrice"), &QAction::triggered, this,
          &frmMAIN::menuadattamatrice_Click);
  separatore(operazioni, "menuspazio4");
  connect(Voce(operazioni, "menuMescola", "&Mescola Colonne"), &QAction::triggered, this, &frmMAIN::menuMescola_Click);
  separatore(operazioni, "menuspazio5");
  connect(Voce(operazioni, "menucalcolo", "&Elabora"), &QAction::triggered, this, &frmMAIN::menucalcolo_Click);
  QAction* spoglio = Voce(operazioni, "menuspoglio", "&Spoglio");
  spoglio->setEnabled(false);
  connect(spoglio, &QAction::triggered, this, &frmMAIN::menuspoglio_Click);
  QAction* spoglioEstrazioni = Voce(operazioni, "menuSpoglioEstrazioni", "Spoglio Estrazion&i");
  spoglioEstrazioni->setVisible(false);
  connect(spoglioEstrazioni, &QAction::triggered, this, &frmMAIN::menuSpoglioEstrazioni_Click);
  QAction* visualizza = Voce(operazioni, "menuvisualizza", "&Visualizza");
  visualizza->setEnabled(false);
  connect(visualizza, &QAction::triggered, this, &frmMAIN::menuvisualizza_Click);
  connect(Voce(operazioni, "menuEstrazioni", "&Archivio Estrazioni"), &QAction::triggered, finestre_,
          &CoordinatoreFinestre::MostraArchivio);
  connect(Voce(operazioni, "menuStatistiche", "S&tatistiche"), &QAction::triggered, finestre_,
          &CoordinatoreFinestre::MostraStatistiche);
  separatore(operazioni, "menuspazio6");
  QAction* modifiche = Voce(operazioni, "menumodifiche", "&Modifiche");
  modifiche->setEnabled(false);
  connect(modifiche, &QAction::triggered, this, &frmMAIN::menumodifiche_Click);
  menuPrincipali_["menuoperazioni"]->setEnabled(false);

  QMenu* stampa = principale("menustampa", "&Stampa");
  connect(Voce(stampa, "menutabulato", "Stampa &Tabulato"), &QAction::triggered, this, &frmMAIN::menutabulato_Click);
  connect(Voce(stampa, "menuschedine", "Stampa &Schedine"), &QAction::triggered, this, &frmMAIN::menuschedine_Click);
  menuPrincipali_["menustampa"]->setEnabled(false);

  // "&Info" has no items: the bar entry itself opens the about window.
  QAction* info = menuBar()->addAction("&Info");
  info->setObjectName("menuinfo");
  menuPrincipali_.insert("menuinfo", info);
  connect(info, &QAction::triggered, this, &frmMAIN::menuinfo_Click);

  // The prediction menu is never in the bar: the red square pops it up.
  menuPopup_ = new QMenu("menuPopup", this);
  menuPopup_->setObjectName("menuPopup");
  connect(Voce(menuPopup_, "mnuCancellaPronostico", "Cancella Pronostico"), &QAction::triggered, this,
          &frmMAIN::CancellaPronostico);
  connect(Voce(menuPopup_, "mnuPronostico55Numeri", "Tutti e 55 i numeri"), &QAction::triggered, this,
          &frmMAIN::SelezionaTuttiNumeri);
  connect(Voce(menuPopup_, "mnu10piuFrequenti", "10 numeri più frequenti"), &QAction::triggered, this,
          [this] { SelezionaPiuFrequenti(10); });
  connect(Voce(menuPopup_, "mnu10menoFrequenti", "10 numeri meno frequenti"), &QAction::triggered, this,
          [this] { SelezionaMenoFrequenti(10); });
  connect(Voce(menuPopup_, "mnu30piuFrequenti", "30 numeri più frequenti"), &QAction::triggered, this,
          [this] { SelezionaPiuFrequenti(30); });
  connect(Voce(menuPopup_, "mnu30menoFrequenti", "30 numeri meno frequenti"), &QAction::triggered, this,
          [this] { SelezionaMenoFrequenti(30); });
  connect(Voce(menuPopup_, "mnu25numeriCruciverba", "25 numeri Cruciverba"), &QAction::triggered, this,
          &frmMAIN::PronosticoCruciverbaCasuale);
}

QToolButton* frmMAIN::Pulsante(const char* nome, const QString& suggerimento) {
  auto* b = new QToolButton(this);
  b->setObjectName(nome);
  b->setToolTip(suggerimento);
  b->setIcon(IconaPulsante(nome));
  b->setIconSize(QSize(36, 36));
  b->setAutoRaise(false);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  b->setMinimumSize(48, 48);
  return b;
}

void frmMAIN::Collega(const char* pulsante, const char* voce) {
  QAction* a = azione(voce);
  connect(this->pulsante(pulsante), &QToolButton::clicked, a, &QAction::trigger);
}

void frmMAIN::CostruisciCorpo() {
  auto* centro = new QWidget(this);
  setCentralWidget(centro);

  // The grid with its count bar and the red square of the prediction menu.
  frameNumeri_ = new QFrame(centro);
  frameNumeri_->setObjectName("frameNumeri");
  labnumeri_ = new QLabel("Numeri in gioco [00]", frameNumeri_);
  labnumeri_->setObjectName("labnumeri");
  labnumeri_->setAlignment(Qt::AlignCenter);
  labnumeri_->setStyleSheet(
      "QLabel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1d5f8a, stop:1 #123f5e);"
      " color: white; font-weight: bold; padding: 4px; }");
  lbMnu_ = new QLabel(frameNumeri_);
  lbMnu_->setObjectName("lbMnu");
  lbMnu_->setFixedSize(13, 13);
  lbMnu_->setStyleSheet("background: #e01010; border: 1px solid #700000;");
  lbMnu_->setCursor(Qt::PointingHandCursor);
  lbMnu_->installEventFilter(this);
  griglia_ = new GrigliaNumeri(sistema_, frameNumeri_);
  connect(griglia_, &GrigliaNumeri::cellaAttivata, this, &frmMAIN::GrigliaNumeriClick);

  auto* barra = new QHBoxLayout;
  barra->setSpacing(4);
  barra->addWidget(labnumeri_, 1);
  barra->addWidget(lbMnu_, 0, Qt::AlignBottom);
  auto* colonnaNumeri = new QVBoxLayout(frameNumeri_);
  colonnaNumeri->setContentsMargins(0, 0, 0, 0);
  colonnaNumeri->addLayout(barra);
  colonnaNumeri->addWidget(griglia_, 1);

  auto* lblCaption = new QLabel("Colonne Integrali", centro);
  lblCaption->setObjectName("lblCaptionColonneIntegrali");
  lblIntegrale_ = new QLabel("0", centro);
  lblIntegrale_->setObjectName("lblIntegrale");
  lblIntegrale_->setToolTip("Colonne Integrali");
  lblIntegrale_->setStyleSheet("font-size: 14pt; font-weight: bold; color: #123f5e;");
  auto* integrali = new QHBoxLayout;
  integrali->addWidget(lblCaption);
  integrali->addWidget(lblIntegrale_);
  integrali->addStretch();

  // The commands.
  auto* frameOperazioni = new QGroupBox("Operazioni", centro);
  frameOperazioni->setObjectName("frameOperazioni");
  auto* comandi = new QGridLayout(frameOperazioni);
  const std::pair<const char*, const char*> pulsanti[] = {
      {"cmdCalcolo", "Elabora Sistema"},         {"cmdVisualizza", "Visualizza Sistema"},
      {"cmdModifiche", "Modifica Sistema"},      {"cmdCancella", "Cancella Sistema"},
      {"cmdAdatta", "Adatta Matrice"},           {"cmdCruciverba", "click Dx genera pronostico - click Sx sviluppa cruciverba"},
      {"cmdSpoglio", "Spoglio Sistema"},         {"cmdArchivio", "Archivio Estrazioni"},
      {"cmdTabulato", "Stampa Tabulato"},        {"cmdSchedine", "Stampa Schedine"}};
  int posto = 0;
  for (const auto& [nome, suggerimento] : pulsanti) {
    comandi->addWidget(Pulsante(nome, suggerimento), posto / 2, posto % 2);
    ++posto;
  }
  for (const char* spento : {"cmdAdatta", "cmdSpoglio", "cmdVisualizza", "cmdCalcolo", "cmdTabulato", "cmdSchedine"})
    pulsante(spento)->setEnabled(false);
  pulsante("cmdCruciverba")->installEventFilter(this);

  QToolButton* ridotti = Pulsante("cmdRidotti", "Generatore di sistemi Ridotti");
  connect(ridotti, &QToolButton::clicked, finestre_, &CoordinatoreFinestre::MostraRidotti);
  QToolButton* picture = Pulsante("cmdPicture", QString());
  picture->setEnabled(false);
  picture->setIcon(IconaPulsante("cmdPicture").pixmap(36, 36));
  auto* sotto = new QHBoxLayout;
  sotto->addWidget(ridotti);
  sotto->addWidget(picture);

  auto* lblschedina = new QLabel("Scegli i numeri, sviluppa, riduci e gioca con metodo.", centro);
  lblschedina->setObjectName("lblschedina");
  lblschedina->setAlignment(Qt::AlignCenter);
  lblschedina->setStyleSheet("font-style: italic; color: #1d5f8a;");

  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(frameNumeri_, 1);
  sinistra->addLayout(integrali);
  auto* destra = new QVBoxLayout;
  destra->addWidget(frameOperazioni, 1);
  destra->addLayout(sotto);
  auto* righe = new QHBoxLayout;
  righe->addLayout(sinistra, 3);
  righe->addLayout(destra, 1);
  auto* tutto = new QVBoxLayout(centro);
  tutto->addLayout(righe, 1);
  tutto->addWidget(lblschedina);

  Collega("cmdCalcolo", "menucalcolo");
  Collega("cmdModifiche", "menumodifiche");
  Collega("cmdAdatta", "menuadattamatrice");
  Collega("cmdSpoglio", "menuspoglio");
  Collega("cmdArchivio", "menuEstrazioni");
  Collega("cmdTabulato", "menutabulato");
  Collega("cmdSchedine", "menuschedine");
  connect(pulsante("cmdVisualizza"), &QToolButton::clicked, this, &frmMAIN::cmdVisualizza_Click);
  connect(pulsante("cmdCancella"), &QToolButton::clicked, this, [this] { CancellaSistema(false); });
}

void frmMAIN::CostruisciStato() {
  const char* titoli[] = {"Nome Sistema", "Numero Combinazioni", "Costo Sistema", "Tipo Sistema"};
  const int larghezze[] = {170, 110, 150, 0};
  for (int i = 0; i < 4; ++i) {
    auto* l = new QLabel(this);
    l->setObjectName(QString("StBar%1").arg(i + 1));
    l->setToolTip(titoli[i]);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    if (larghezze[i] > 0) l->setMinimumWidth(larghezze[i]);
    statusBar()->addWidget(l, larghezze[i] > 0 ? 0 : 1);
    pannelli_[i] = l;
  }
}

QString frmMAIN::PannelloStato(int pannello) const { return pannelli_[pannello - 1]->text(); }

// ---- Grid and prediction ---------------------------------------------------

void frmMAIN::AggiornaEtichettaNumeri(const QString& testo) { labnumeri_->setText("Numeri in gioco [" + testo + "]"); }

void frmMAIN::AbilitaComandiPronostico(bool abilita) {
  for (const char* nome : {"menuoperazioni", "menucondizioni", "cmdAdatta", "cmdCalcolo"}) ImpostaComando(nome, abilita);
}

void frmMAIN::GrigliaNumeriClick(int indice) {
  tlx::GrigliaNumeriClick(sistema_, indice);
  griglia_->update();
  AggiornaEtichettaNumeri(QString::fromStdString(Formatta(sistema_.NumeriPronostico, "00", formato_)));
  AbilitaComandiPronostico(sistema_.NumeriPronostico >= 5);
  AggiornaColonneIntegrali();
}

void frmMAIN::AggiornaColonneIntegrali() {
  lblIntegrale_->setToolTip("Colonne Integrali");
  lblIntegrale_->setText(sistema_.NumeriPronostico >= 5
                             ? QString::fromStdString(Formatta(Combinazioni(sistema_.NumeriPronostico, 5),
                                                               MASCHERA_CONTEGGIO, formato_))
                             : QString("0"));
}

void frmMAIN::CancellaPronostico() {
  tlx::CancellaPronostico(sistema_);
  griglia_->update();
  AggiornaEtichettaNumeri(QString::number(sistema_.NumeriPronostico));
  AbilitaComandiPronostico(false);
  lblIntegrale_->setText("0");
}

void frmMAIN::SelezionaTuttiNumeri() {
  CancellaPronostico();
  for (int i = 0; i < NUMERI; ++i) GrigliaNumeriClick(i);
}

void frmMAIN::SelezionaPiuFrequenti(int quanti) {
  CancellaPronostico();
  for (int cella : CellePiuFrequenti(frequenze_, quanti)) GrigliaNumeriClick(cella);
}

void frmMAIN::SelezionaMenoFrequenti(int quanti) {
  CancellaPronostico();
  for (int cella : CelleMenoFrequenti(frequenze_, quanti)) GrigliaNumeriClick(cella);
}

void frmMAIN::PronosticoCruciverbaCasuale() {
  CancellaPronostico();
  const auto seme = static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
  for (int cella : CelleCruciverbaCasuali(seme)) GrigliaNumeriClick(cella);
}

void frmMAIN::lbMnu_MouseDown() {
  if (sistema_.NumeroColonne == 0 && menuPopup_->isEnabled()) menuPopup_->popup(QCursor::pos());
}

bool frmMAIN::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::MouseButtonPress) {
    auto* e = static_cast<QMouseEvent*>(evento);
    if (oggetto == lbMnu_) {
      lbMnu_MouseDown();
      return true;
    }
    if (oggetto == pulsante("cmdCruciverba") && pulsante("cmdCruciverba")->isEnabled()) {
      cmdCruciverba_MouseDown(e->button());
      return true;
    }
  }
  return QMainWindow::eventFilter(oggetto, evento);
}

void frmMAIN::cmdCruciverba_MouseDown(Qt::MouseButton tasto) {
  if (tasto == Qt::LeftButton) {
    if (sistema_.NumeriPronostico != 25) {
      platform::MessageBox::Mostra(Icona::Critica, Pulsanti::Ok, "E R R O R E", "Errore i numeri in gioco devono essere 25", this);
      return;
    }
    frmCruciverba cruciverba(sistema_, this);
    if (cruciverba.exec() == QDialog::Accepted) MostraSistema();
  } else if (sistema_.GuiBloccata == 0) {
    PronosticoCruciverbaCasuale();
  }
}

// ---- Lock states and status bar ------------------------------------------

void frmMAIN::ViewStatusBar() {
  pannelli_[3]->setText(Titolo(sistema_));
  const Centesimi costo = CostoSistema(sistema_.CostoColonna, sistema_.NumeroColonne);
  pannelli_[2]->setText(QString::fromStdString(FormattaEuro(costo, formato_)));
  pannelli_[1]->setText(QString::fromStdString(Formatta(sistema_.NumeroColonne, MASCHERA_CONTEGGIO, formato_)));
  pannelli_[0]->setText(QString::fromStdString(sistema_.TitoloFileSistema));
  AggiornaColonneIntegrali();
}

// The two lock states switch the same controls in opposite directions; the
// conditions menu is only ever enabled here, never disabled.
void frmMAIN::ImpostaBlocco(bool bloccata) {
  if (bloccata) sistema_.GuiBloccata = -1;
  for (const char* nome : {"cmdAdatta", "cmdCalcolo", "cmdCancella", "menuadattamatrice", "menucalcolo"})
    ImpostaComando(nome, !bloccata);
  for (const char* nome : {"cmdModifiche", "cmdSchedine", "cmdSpoglio", "cmdTabulato", "cmdVisualizza", "menuMescola",
                           "menumodifiche", "menuspoglio", "menuvisualizza", "menustampa"})
    ImpostaComando(nome, bloccata);
  if (!bloccata) ImpostaComando("menucondizioni", true);
  frameNumeri_->setEnabled(!bloccata);
  menuPopup_->setEnabled(!bloccata);
  if (!bloccata) sistema_.GuiBloccata = 0;
}

void frmMAIN::LockGUI() { ImpostaBlocco(true); }
void frmMAIN::UnlockGUI() { ImpostaBlocco(false); }

void frmMAIN::ImpostaComando(const QString& nome, bool abilitato) {
  comandiVoluti_.insert(nome, abilitato);
  MostraComando(nome);
}

void frmMAIN::MostraComando(const QString& nome) {
  const bool effettivo = comandiVoluti_.value(nome) && !finestre_->Trattenuto(nome);
  if (QAction* a = azione(nome))
    a->setEnabled(effettivo);
  else
    pulsante(nome)->setEnabled(effettivo);
}

// Only reads the table: storing into it while walking it could rehash it
// under the loop.
void frmMAIN::AggiornaComandi() {
  for (auto it = comandiVoluti_.cbegin(); it != comandiVoluti_.cend(); ++it) MostraComando(it.key());
}

// Whatever enabled the window again (the end of a development, the slip
// window closing), Qt enabled each bar menu with it: a QMenu hands its own
// enabled state to its bar entry. The commands go back to what the lock
// states and a running check want.
void frmMAIN::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::EnabledChange && isEnabled()) AggiornaComandi();
}

void frmMAIN::AggiornaSegniCondizioni() {
  for (const VoceCondizione& voce : CONDIZIONI) azione(voce.nome)->setChecked(voce.attiva(sistema_));
}

void frmMAIN::CancellaSistema(bool MantieniPronostico) {
  UnlockGUI();
  if (!MantieniPronostico) CancellaPronostico();
  tlx::CancellaSistema(sistema_, MantieniPronostico);
  AggiornaSegniCondizioni();
  ViewStatusBar();
}

void frmMAIN::MostraVoceSpoglioEstrazioni() { azione("menuSpoglioEstrazioni")->setVisible(true); }

// ---- Commands ----------------------------------------------------------------

void frmMAIN::menucalcolo_Click() {
  if (sistema_.NumeroColonne == 0) ElaboraSistema();
}

void frmMAIN::ElaboraSistema() {
  PreparaSviluppo(sistema_);
  setEnabled(false);
  {
    // Not a child: a disabled window disables its child windows too.
    frmCalcolo calcolo(sistema_, formato_);
    platform::TieniSopra(&calcolo, this);
    calcolo.show();
    const platform::InputTrattenuto trattenuto(&calcolo);
    Sviluppo(sistema_, sistema_.NumeriPronostico, sistema_.Pronostico, &calcolo);
    ViewStatusBar();
  }
  setEnabled(true);
  activateWindow();
  if (sistema_.NumeroColonne >= 1) LockGUI();
}

void frmMAIN::menumodifiche_Click() {
  const QString domanda = "Questa operazione comporta la perdita \r     di tutte le combinazioni del sistema\r\r"
                          "                    Continuare ?";
  if (platform::MessageBox::Mostra(Icona::Domanda, Pulsanti::SiNo, "Attenzione", domanda, this) != Risposta::Si) return;
  UnlockGUI();
  ScartaColonne(sistema_);
  ViewStatusBar();
}

// ---- Files -------------------------------------------------------------------

namespace {
const QString kFiltroSistemi = "File Pravendolix (*.tlqvx)|*.tlqvx";

// The hourglass while a file is read or written.
struct Clessidra {
  Clessidra() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Clessidra() { QApplication::restoreOverrideCursor(); }
};

QString TitoloSenzaTxt(const std::string& percorso) {
  return platform::cCommonDialog::VBGetFileTitle(QString::fromStdString(percorso)).replace(".txt", ".tlqvx");
}
}  // namespace

void frmMAIN::MostraMessaggi(const Messaggi& messaggi) {
  for (const Messaggio& m : messaggi) platform::MessageBox::Mostra(m, this);
}

void frmMAIN::MostraSistema() {
  UnlockGUI();
  AbilitaComandiPronostico(sistema_.NumeriPronostico >= 5);
  griglia_->update();
  AggiornaEtichettaNumeri(sistema_.NumeriPronostico == 0
                              ? QString("0")
                              : QString::fromStdString(Formatta(sistema_.NumeriPronostico, "00", formato_)));
  AggiornaSegniCondizioni();
  if (sistema_.NumeroColonne > 0) LockGUI();
  ViewStatusBar();
}

void frmMAIN::ApriFile(const QString& percorso) {
  RisultatoApriFile esito;
  {
    Clessidra clessidra;
    const platform::InputTrattenuto trattenuto;
    esito = tlx::ApriFile(sistema_, percorso.toStdString(), platform::ElaboraEventi);
  }
  // The program is leaving: the file was read whole, nothing more to show.
  if (Vero(sistema_.ChiusuraApplicazione)) return;
  MostraMessaggi(esito.messaggi);
  if (esito.esito != EsitoApriFile::NessunPercorso && esito.esito != EsitoApriFile::VersioneNonValida) MostraSistema();
}

void frmMAIN::SalvaFile() {
  RisultatoSalvaFile esito;
  {
    Clessidra clessidra;
    esito = tlx::SalvaFile(sistema_, sistema_.NomeFileSistema);
  }
  MostraMessaggi(esito.messaggi);
  ViewStatusBar();
}

void frmMAIN::menuapri_Click() {
  platform::DatiFile dati;
  dati.FileMustExist = true;
  // The read-only box shows, unticked; the file opens the same way whatever
  // the user leaves in it.
  dati.HideReadOnly = false;
  dati.Filter = kFiltroSistemi;
  dati.InitDir = QString::fromStdString(sistema_.PercorsoDati) + "/sistemi";
  dati.Owner = this;
  if (platform::cCommonDialog().VBGetOpenFileName(dati)) ApriFile(dati.FileName);
}

void frmMAIN::menusalva_Click() {
  sistema_.NomeFileSistema = sistema_.PercorsoDati + "/sistemi/" + TitoloSenzaTxt(sistema_.NomeFileSistema).toStdString();
  SalvaFile();
}

void frmMAIN::menusalvacome_Click() {
  platform::DatiFile dati;
  dati.FileName = TitoloSenzaTxt(sistema_.NomeFileSistema);
  dati.OverwritePrompt = true;
  dati.Filter = kFiltroSistemi;
  dati.InitDir = QString::fromStdString(sistema_.PercorsoDati) + "/sistemi";
  dati.DefaultExt = ".tlqvx";
  dati.Owner = this;
  if (!platform::cCommonDialog().VBGetSaveFileName(dati)) return;
  sistema_.NomeFileSistema = dati.FileName.toStdString();
  SalvaFile();
}

void frmMAIN::menuImportaColonne_Click() {
  platform::DatiFile dati;
  dati.FileMustExist = true;
  dati.HideReadOnly = false;  // as in the open dialog of a system file
  dati.Filter = "File TXT (*.txt)|*.txt";
  dati.InitDir = QString::fromStdString(sistema_.PercorsoDati) + "/txt";
  dati.Owner = this;
  if (!platform::cCommonDialog().VBGetOpenFileName(dati)) return;
  RisultatoImportaColonneTxt esito;
  {
    Clessidra clessidra;
    const platform::InputTrattenuto trattenuto;
    esito = ImportaColonneTxt(sistema_, dati.FileName.toStdString(), platform::ElaboraEventi);
  }
  if (Vero(sistema_.ChiusuraApplicazione)) return;
  MostraMessaggi(esito.messaggi);
  if (esito.esito != EsitoImportaColonneTxt::NessunPercorso) MostraSistema();
}

void frmMAIN::menuEsportaColonne_Click() {
  platform::MessageBox::Mostra(SalvaColonneTxt(sistema_, PannelloStato(1).toStdString()), this);
}

void frmMAIN::menuMescola_Click() {
  ImpostaComando("menuMescola", false);
  if (platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::SiNo, QString(), "Vuoi mescolare le colonne", this) ==
      Risposta::Si) {
    MescolaColonne(sistema_, static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
  }
  ImpostaComando("menuMescola", true);
}

void frmMAIN::menuadattamatrice_Click() {
  frmMatr matrici(sistema_, frmMatr::Modo::Adatta, this);
  matrici.exec();
  if (matrici.Adattata()) MostraSistema();
}

void frmMAIN::mnu_Elenco_Click() {
  frmMatr matrici(sistema_, frmMatr::Modo::Elenco, this);
  matrici.exec();
}

void frmMAIN::menuvisualizza_Click() {
  if (sistema_.NumeroColonne <= 0) return;
  frmVisualizza visualizza(sistema_, this);
  visualizza.exec();
}

void frmMAIN::cmdVisualizza_Click() {
  if (sistema_.GuiBloccata != -1) return;
  frmVisualizza visualizza(sistema_, this);
  visualizza.exec();
}

void frmMAIN::menuImpostazioni_Click() {
  {
    frmImpostazioni impostazioni(sistema_, this);
    impostazioni.exec();
  }
  ReadConfiguration(sistema_);
  ViewStatusBar();
}

void frmMAIN::menutabulato_Click() {
  frmTabulato tabulato(
      sistema_, [this] { return PannelloStato(1); }, [this] { menuImpostazioni_Click(); }, this);
  tabulato.exec();
}

// The slip window keeps the main window disabled until it closes.
void frmMAIN::menuschedine_Click() { finestre_->ApriStampaSchede(PannelloStato(1)); }

void frmMAIN::menuinfo_Click() {
  frmAbout info(this);
  info.exec();
}

// ---- Checking ------------------------------------------------------------------

void frmMAIN::menuspoglio_Click() {
  if (sistema_.GuiBloccata == -1) finestre_->MostraSpoglio();
}

void frmMAIN::menuSpoglioEstrazioni_Click() {
  if (sistema_.NumeroColonne > 0) finestre_->MostraSpoglioEstrazioni();
}

void frmMAIN::closeEvent(QCloseEvent* e) {
  if (platform::MessageBox::Mostra(Icona::Domanda, Pulsanti::SiNo, windowTitle(), "Uscire dall'applicazione?", this) !=
      Risposta::Si) {
    e->ignore();
    return;
  }
  sistema_.ChiusuraApplicazione = VERO;
  platform::ScaricaForms(this);
  e->accept();
  QApplication::quit();
}

}  // namespace tlx::ui
