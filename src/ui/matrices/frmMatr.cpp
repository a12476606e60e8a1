#include "ui/matrices/frmMatr.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/Errori.h"
#include "core/Server.h"
#include "matrices/Adattamento.h"
#include "matrices/MatriceTxt.h"
#include "matrices/NomiScaricati.h"
#include "platform/Attesa.h"
#include "platform/Cartelle.h"
#include "platform/Download.h"
#include "platform/FileDialogs.h"
#include "platform/Finestre.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/FileLettura.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/matrices/IconeMatrici.h"
#include "ui/matrices/frmOrdinaPronostico.h"
#include "ui/widgets/Colori.h"

namespace tlx::ui {

namespace {

const QString kRosso = "background: " + ColoreBgr(colori::ROSSO).name() + "; color: black; font-weight: bold; padding: 2px;";
const QString kNeutro = "padding: 2px;";
const char* const kNotaAggiornamento = "scegliere un'altra matrice o contattare l'autore per un aggiornamento";

// The hourglass while the window works.
struct Clessidra {
  Clessidra() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Clessidra() { QApplication::restoreOverrideCursor(); }
};

QString Testo(const std::string& s) { return QString::fromStdString(s); }

// A header text as the boxes show it: NUL characters of a text never
// written are dropped, and so are blanks at both ends.
QString Pulito(const std::string& s) { return Testo(s).remove(QChar(0)).trimmed(); }

QString Errore(int32_t numero, const QString& descrizione) {
  return "Error " + QString::number(numero) + " (" + descrizione + ")";
}

QLineEdit* Casella(QWidget* parent, const char* nome, const QString& suggerimento = {}) {
  auto* t = new QLineEdit(parent);
  t->setObjectName(nome);
  t->setReadOnly(true);
  t->setToolTip(suggerimento);
  return t;
}

// The list of matrices, in which no line looks chosen until the user chooses
// one: taking the focus, a list makes its first line current, which draws
// it highlighted while the details stay empty and nothing can be adapted.
class ListaMatrici : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void focusInEvent(QFocusEvent* evento) override {
    QListWidget::focusInEvent(evento);
    if (selectedItems().isEmpty()) selectionModel()->clearCurrentIndex();
  }
};

}  // namespace

frmMatr::frmMatr(Sistema& sistema, Modo modo, QWidget* parent) : QDialog(parent), sistema_(sistema), modo_(modo) {
  setObjectName("frmMatr");
  CostruisciFinestra();
  const bool adatta = modo_ == Modo::Adatta;
  cmdAdatta_->setVisible(adatta);
  cmdMatriceTXT_->setVisible(adatta);
  cmdOpenDir_->setVisible(!adatta);
  cmdUpdateMatrix_->setVisible(!adatta);
  CaricaElenco(adatta ? sistema_.NumeriPronostico : 0);
  adjustSize();
  platform::CentraForm(this);
}

void frmMatr::CostruisciFinestra() {
  setWindowTitle("Matrici Disponibili");
  QFont fisso = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fisso.setPointSize(11);
  const int carattere = QFontMetrics(fisso).horizontalAdvance('0');

  // Everything but the window itself: while the window works, this is
  // disabled, and the boxes and windows it opens (children of the window)
  // stay usable.
  corpo_ = new QWidget(this);
  QWidget* const finestra = corpo_;

  // The headings sit over the list's fields: " VV | KK | TT | MM | FF | CCCCCC | cover".
  auto* intestazione = new QWidget(finestra);
  const int margine = 6;  // the list's frame and item padding
  const struct {
    const char* testo;
    const char* suggerimento;
    int colonna;
    int larghezza;
  } titoli[] = {{"V", "Numeri della Matrice", 1, 2},        {"K", "Lunghezza Colonna", 6, 2},
                {"T", "Garanzia della Matrice", 11, 2},      {"M", "Numeri Estratti per la Garanzia", 16, 2},
                {"F", "Numero Fisse", 21, 2},                {"Colonne", "Colonne della Matrice", 26, 6},
                {"%", "Percentuale Garanzia di Vincita", 35, 10}};
  int i = 0;
  for (const auto& t : titoli) {
    auto* l = new QLabel(t.testo, intestazione);
    l->setObjectName(QString("lblMatrix%1").arg(i++));
    l->setToolTip(t.suggerimento);
    l->setFont(fisso);
    l->setStyleSheet("font-weight: bold; color: #123f5e;");
    l->setAlignment(t.larghezza == 10 ? Qt::AlignLeft : Qt::AlignRight);
    const int larghezza = std::max(carattere * t.larghezza, l->sizeHint().width());
    const int destra = margine + carattere * (t.colonna + t.larghezza);
    l->setGeometry(t.larghezza == 10 ? margine + carattere * t.colonna : destra - larghezza, 0, larghezza,
                   l->sizeHint().height());
  }
  intestazione->setFixedHeight(QFontMetrics(fisso).height() + 4);

  flQVX_ = new ListaMatrici(finestra);
  flQVX_->setObjectName("flQVX");
  flQVX_->setFont(fisso);
  flQVX_->setUniformItemSizes(true);
  flQVX_->setMinimumSize(carattere * 46 + 2 * margine + 24, 220);
  // A line shows when the user chooses it: the list's current row also
  // moves when the list merely takes the focus, choosing nothing.
  connect(flQVX_, &QListWidget::itemSelectionChanged, this, [this] { MostraInfoMatrice(RigaScelta()); });

  // The numbers of the entry, each under its own caption.
  auto* frameBaseInfo = new QGroupBox(finestra);
  frameBaseInfo->setObjectName("frameBaseInfo");
  auto* base = new QGridLayout(frameBaseInfo);
  txtNumMatrix_ = Casella(frameBaseInfo, "txtNumMatrix");
  txtLenCol_ = Casella(frameBaseInfo, "txtLenCol");
  txtGaranty_ = Casella(frameBaseInfo, "txtGaranty");
  txtPickUp_ = Casella(frameBaseInfo, "txtPickUp");
  txtFixedNum_ = Casella(frameBaseInfo, "txtFixedNum");
  txtColMatrix_ = Casella(frameBaseInfo, "txtColMatrix");
  txtPercentage_ = Casella(frameBaseInfo, "txtPercentage");
  QLineEdit* numeri[] = {txtNumMatrix_, txtLenCol_, txtGaranty_, txtPickUp_, txtFixedNum_, txtColMatrix_, txtPercentage_};
  for (int c = 0; c < 7; ++c) {
    auto* didascalia = new QLabel(titoli[c].testo, frameBaseInfo);
    didascalia->setToolTip(titoli[c].suggerimento);
    didascalia->setAlignment(Qt::AlignCenter);
    numeri[c]->setAlignment(Qt::AlignCenter);
    numeri[c]->setMinimumWidth(c >= 5 ? 80 : 40);
    base->addWidget(didascalia, 0, c);
    base->addWidget(numeri[c], 1, c);
    base->setColumnStretch(c, c >= 5 ? 2 : 1);
  }

  frameInfo_ = new QGroupBox(finestra);
  frameInfo_->setObjectName("frameInfo");
  txtFileName_ = Casella(frameInfo_, "txtFileName", "File Matrice");
  txtAuthor_ = Casella(frameInfo_, "txtAuthor", "Autore Matrice");
  txtDescription_ = new QPlainTextEdit(frameInfo_);
  txtDescription_->setObjectName("txtDescription");
  txtDescription_->setReadOnly(true);
  txtDescription_->setToolTip("Descrizione Matrice");
  txtDescription_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtDescription_->setFixedHeight(QFontMetrics(txtDescription_->font()).lineSpacing() * 3 + 12);
  lblChkVersion_ = new QLabel(frameInfo_);
  lblChkVersion_->setObjectName("lblChkVersion");
  lblOK_ = new QLabel(frameInfo_);
  lblOK_->setObjectName("lblOK");
  for (QLabel* l : {lblChkVersion_, lblOK_}) {
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(150);
    l->setStyleSheet(kNeutro);
  }
  cmdOpenDir_ = PulsanteFigura(frameInfo_, "cmdOpenDir", "Apri la cartella delle matrici", IconaCartella(), 32, 46);
  cmdUpdateMatrix_ = PulsanteFigura(frameInfo_, "cmdUpdateMatrix", "Scarica le matrici", IconaScarica(), 32, 46);
  auto* info = new QGridLayout(frameInfo_);
  info->addWidget(new QLabel("File", frameInfo_), 0, 0);
  info->addWidget(txtFileName_, 0, 1, 1, 2);
  info->addWidget(new QLabel("Autore", frameInfo_), 1, 0);
  info->addWidget(txtAuthor_, 1, 1, 1, 2);
  info->addWidget(new QLabel("Descrizione", frameInfo_), 2, 0, Qt::AlignTop);
  info->addWidget(txtDescription_, 2, 1, 1, 2);
  auto* stato = new QHBoxLayout;
  stato->addWidget(lblChkVersion_);
  stato->addWidget(lblOK_);
  stato->addStretch();
  stato->addWidget(cmdOpenDir_);
  stato->addWidget(cmdUpdateMatrix_);
  info->addLayout(stato, 3, 0, 1, 3);
  info->setColumnStretch(1, 1);

  cmdAdatta_ = new QPushButton("&Adatta", finestra);
  cmdAdatta_->setObjectName("cmdAdatta");
  cmdAdatta_->setToolTip("Adatta la Matrice");
  cmdMatriceTXT_ = new QPushButton("&File TXT", finestra);
  cmdMatriceTXT_->setObjectName("cmdMatriceTXT");
  cmdMatriceTXT_->setToolTip("Adatta Matrice Personalizzata");
  for (QPushButton* b : {cmdAdatta_, cmdMatriceTXT_}) {
    b->setEnabled(false);
    b->setAutoDefault(false);
    b->setMinimumWidth(110);
  }
  connect(cmdAdatta_, &QPushButton::clicked, this, &frmMatr::cmdAdatta_Click);
  connect(cmdMatriceTXT_, &QPushButton::clicked, this, &frmMatr::cmdMatriceTXT_Click);
  connect(cmdOpenDir_, &QToolButton::clicked, this, &frmMatr::cmdOpenDir_Click);
  connect(cmdUpdateMatrix_, &QToolButton::clicked, this, &frmMatr::cmdUpdateMatrix_Click);

  auto* comandi = new QHBoxLayout;
  comandi->addStretch();
  comandi->addWidget(cmdMatriceTXT_);
  comandi->addWidget(cmdAdatta_);
  auto* tutto = new QVBoxLayout(finestra);
  tutto->setContentsMargins(0, 0, 0, 0);
  tutto->addWidget(intestazione);
  tutto->setSpacing(6);
  tutto->addWidget(flQVX_, 1);
  tutto->addWidget(frameBaseInfo);
  tutto->addWidget(frameInfo_);
  tutto->addLayout(comandi);

  auto* esterno = new QVBoxLayout(this);
  esterno->addWidget(corpo_);

  for (QWidget* w : std::initializer_list<QWidget*>{txtNumMatrix_, txtLenCol_, txtGaranty_, txtPickUp_, txtFixedNum_,
                                                    txtColMatrix_, txtPercentage_, txtAuthor_, txtDescription_})
    w->installEventFilter(this);
}

QString frmMatr::CartellaMatrici() const { return Testo(sistema_.PercorsoDati) + "/matrici"; }

void frmMatr::CaricaElenco(uint8_t V) {
  elenco_ = matrix::CaricaElencoMatrici(CartellaMatrici().toStdString(), V);
  PopolaElencoMatrici();
}

void frmMatr::PopolaElencoMatrici() {
  flQVX_->clear();
  const FormatoNumeri formato = FormatoLocale();
  for (const matrix::VoceElencoMatrici& voce : elenco_)
    if (!voce.NomeFile.empty()) flQVX_->addItem(Testo(matrix::RigaElenco(voce, formato)));
  setWindowTitle("Matrici Disponibili (" + QString::number(flQVX_->count()) + ")");
}

int frmMatr::RigaScelta() const {
  const QList<QListWidgetItem*> scelte = flQVX_->selectedItems();
  return scelte.isEmpty() ? -1 : flQVX_->row(scelte.first());
}

void frmMatr::MostraInfoMatrice(int riga) {
  if (riga < 0 || riga >= static_cast<int>(elenco_.size())) return;
  const matrix::VoceElencoMatrici& voce = elenco_[static_cast<size_t>(riga)];
  const matrix::IntestazioneMatrice& h = voce.Intestazione;
  txtNumMatrix_->setText(QString::number(h.V));
  txtLenCol_->setText(QString::number(h.K));
  txtGaranty_->setText(QString::number(h.T));
  txtPickUp_->setText(QString::number(h.M));
  txtFixedNum_->setText(QString::number(h.F));
  txtColMatrix_->setText(QString::number(h.C));
  txtPercentage_->setText(Pulito(h.PERCENTAGE_COVER));
  txtAuthor_->setText(Pulito(h.AUTHOR));
  txtDescription_->setPlainText(Pulito(h.DESCRIPTION));
  txtFileName_->setText(Testo(voce.NomeFile));
  lblChkVersion_->setText(voce.VersioneValida ? QString() : "Versione non valida");
  lblChkVersion_->setStyleSheet(voce.VersioneValida ? kNeutro : kRosso);
  lblOK_->setText(voce.CrcValido ? QString() : "Matrice Corrotta");
  lblOK_->setStyleSheet(voce.CrcValido ? kNeutro : kRosso);
  cmdMatriceTXT_->setEnabled(voce.Personalizzata());
  cmdAdatta_->setEnabled(!voce.Personalizzata() && voce.VersioneValida && voce.CrcValido);
}

// ---- Adapting ------------------------------------------------------------------

void frmMatr::OrdinaPronostico() {
  frmOrdinaPronostico ordine(sistema_, this);
  ordine.exec();
}

void frmMatr::Occupato(bool occupato) {
  occupato_ = occupato;
  corpo_->setEnabled(!occupato);
}

void frmMatr::reject() {
  // A close request during a download ends it; the window closes once it
  // has stopped.
  if (scaricando_)
    interrotto_ = true;
  else if (!occupato_)
    QDialog::reject();
}

void frmMatr::cmdAdatta_Click() {
  const int riga = RigaScelta();
  if (riga < 0 || riga >= static_cast<int>(elenco_.size())) return;
  OrdinaPronostico();
  Occupato(true);
  matrix::MatriceCaricata m;
  try {
    Clessidra clessidra;
    m = matrix::LeggiMatrice(CartellaMatrici().toStdString() + "/" + elenco_[static_cast<size_t>(riga)].NomeFile);
  } catch (const ErroreRuntime& e) {
    platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::Ok, QString(), Errore(e.Numero(), Testo(e.Descrizione())), this);
    Occupato(false);
    return;
  }
  std::vector<uint8_t> fisse;
  if (AdattaMatrice(m, fisse)) {
    matrix::ImpostaCondizioniMatrice(sistema_, m.Intestazione, fisse);
    adattata_ = true;
  }
  Occupato(false);
  accept();
}

void frmMatr::cmdMatriceTXT_Click() {
  platform::DatiFile dati;
  dati.FileMustExist = true;
  dati.Filter = "txt(*.txt)|*.txt";
  dati.FilterIndex = 1;
  // The program's own folder of text matrices, else the data folder's.
  const QString propria = QCoreApplication::applicationDirPath() + "/txt";
  dati.InitDir = QDir(propria).exists() ? propria : Testo(sistema_.PercorsoDati) + "/txt";
  dati.Owner = this;
  if (!platform::cCommonDialog().VBGetOpenFileName(dati)) {
    reject();
    return;
  }
  // Disabled while the text is read, so the command can't start twice.
  Occupato(true);
  matrix::RisultatoMatriceTxt letta;
  {
    Clessidra clessidra;
    const platform::InputTrattenuto trattenuto;
    letta = matrix::CaricaMatriceTxt(dati.FileName.toStdString(), platform::ElaboraEventi);
  }
  for (const Messaggio& m : letta.messaggi) platform::MessageBox::Mostra(m, this);
  const matrix::IntestazioneMatrice& h = letta.matrice.Intestazione;
  if (h.K != 5 || h.V != sistema_.NumeriPronostico) {
    platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::Ok, QString(),
                                 Errore(matrix::ERRORE_MATRICE, QString("Versione non valida\r") + kNotaAggiornamento), this);
    Occupato(false);
    return;
  }
  OrdinaPronostico();
  std::vector<uint8_t> fisse;
  if (AdattaMatrice(letta.matrice, fisse)) {
    sistema_.TitoloSistema = matrix::TITOLO_ADATTA_MATRICE;
    adattata_ = true;
  }
  Occupato(false);
  accept();
}

bool frmMatr::AdattaMatrice(const matrix::MatriceCaricata& m, std::vector<uint8_t>& fisse) {
  const uint8_t F = m.Intestazione.F;
  if (F > 0) {
    std::string elenco;
    fisse = ChiediFisse(F, elenco);
    platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::OkAnnulla, QString(),
                                 "Le Fisse del sistema sono\r\r" + Testo(elenco) + "\r\r", this);
  }
  if (const auto rifiuto = matrix::VerificaCapienza(m)) {
    platform::MessageBox::Mostra(*rifiuto, this);
    return false;
  }
  try {
    Clessidra clessidra;
    const platform::InputTrattenuto trattenuto;
    matrix::AdattaMatrice(sistema_, m, platform::ElaboraEventi);
  } catch (const ErroreRuntime& e) {
    platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::Ok, QString(), Errore(e.Numero(), Testo(e.Descrizione())), this);
    return false;
  }
  return true;
}

std::vector<uint8_t> frmMatr::ChiediFisse(uint8_t F, std::string& elenco) {
  std::vector<uint8_t> fisse;
  // Only an answer that names a chosen number, not given before, moves on.
  for (int i = 0; i < F;) {
    const QString risposta = platform::InputBox(
        "Valore Fissa N." + QString::number(i + 1) + " ?", "Numero fisse",
        QString::number(sistema_.Pronostico[static_cast<size_t>(i)]), nullptr, QPoint(0, 0), this);
    uint8_t valore = 0;
    if (!matrix::SpostaFissa(sistema_, risposta.toStdString(), i, &valore)) continue;
    fisse.push_back(valore);
    ++i;
  }
  elenco = matrix::ElencoFisse(fisse);
  return fisse;
}

// ---- The folder and the download ---------------------------------------------

void frmMatr::cmdOpenDir_Click() { platform::ApriDocumento(CartellaMatrici()); }

void frmMatr::cmdUpdateMatrix_Click() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  frameInfo_->hide();
  repaint();
  Occupato(true);
  scaricando_ = true;
  interrotto_ = false;
  try {
    ScaricaMatrici();
  } catch (const ErroreRuntime& e) {
    platform::MessageBox::Mostra(
        Icona::Nessuna, Pulsanti::Ok, QString(),
        Errore(e.Numero(), Testo(e.Descrizione())) + " in procedure cmdUpdateMatrix_Click of Form frmMatr", this);
  }
  scaricando_ = false;
  QApplication::restoreOverrideCursor();
  frameInfo_->show();
  Occupato(false);
  if (interrotto_) {
    QDialog::reject();
    return;
  }
  // Whatever became of each name, the list shows what the folder holds.
  CaricaElenco(0);
}

void frmMatr::ScaricaMatrici() {
  const QString temp = platform::CartellaTemp();
  const QString lista = temp + Testo(std::string(server::FILE_LISTA_MATRICI));
  const auto Opzioni = [this](uint64_t byteMassimi) {
    return platform::OpzioniDownload{byteMassimi, false, [this] { return interrotto_; }};
  };
  if (platform::DownloadFile(platform::UrlServer(server::PERCORSO_LISTA_MATRICI), lista, true,
                             Opzioni(server::BYTE_MASSIMI_LISTA_MATRICI)) != platform::EsitoDownload::Riuscito)
    return;
  std::string risposta;
  {
    FileLettura file(lista.toStdString());
    risposta.assign(std::istreambuf_iterator<char>(file), {});
  }

  QDir().mkpath(CartellaMatrici());
  // Names that could reach outside the two folders never get here, and each
  // comes once.
  for (const std::string& nome : matrix::NomiListaMatrici(risposta)) {
    const QString scaricato = temp + Testo(nome);
    const QString url = platform::UrlServer(server::PERCORSO_MATRICE) + QUrl::toPercentEncoding(Testo(nome));
    const platform::EsitoDownload esito =
        platform::DownloadFile(url, scaricato, true, Opzioni(matrix::BYTE_MASSIMI_MATRICE_SCARICATA));
    // Ended by the user, or the temporary folder takes no file (its box has
    // told): the other names would fare no better.
    if (interrotto_ || esito == platform::EsitoDownload::ErroreFile) return;
    if (esito != platform::EsitoDownload::Riuscito) continue;
    try {
      matrix::ArchiviaMatrice(scaricato.toStdString(), CartellaMatrici().toStdString(), matrix::NomeMatriceArchiviata(nome));
    } catch (const ErroreRuntime& e) {
      // A name that can't be stored is skipped; a full disk ends the download.
      if (e.Numero() == errore::DiskFull) throw;
    }
  }
}

// ---- The detail boxes ----------------------------------------------------------

bool frmMatr::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::FocusIn) {
    if (auto* casella = qobject_cast<QLineEdit*>(oggetto)) QTimer::singleShot(0, casella, &QLineEdit::selectAll);
    if (oggetto == txtDescription_) QTimer::singleShot(0, txtDescription_, &QPlainTextEdit::selectAll);
  } else if (evento->type() == QEvent::KeyPress && oggetto != txtDescription_) {
    const int tasto = static_cast<QKeyEvent*>(evento)->key();
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return QDialog::eventFilter(oggetto, evento);
}

}  // namespace tlx::ui
