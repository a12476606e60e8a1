#include "ui/main/frmAbout.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "core/Server.h"
#include "core/Versione.h"
#include "platform/Download.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/Registro.h"
#include "platform/Shell.h"
#include "ui/shared/Icone.h"

namespace tlx::ui {

namespace {

// A web address shown as a link: the whole label answers a click.
class EtichettaCollegamento : public QLabel {
 public:
  EtichettaCollegamento(const QString& indirizzo, std::function<void()> clic, QWidget* parent)
      : QLabel(indirizzo, parent), clic_(std::move(clic)) {
    setCursor(Qt::PointingHandCursor);
    QFont sottolineato = font();
    sottolineato.setUnderline(true);
    setFont(sottolineato);
    QPalette colori = palette();
    colori.setColor(QPalette::WindowText, palette().color(QPalette::Link));
    setPalette(colori);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* evento) override {
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) clic_();
  }

 private:
  std::function<void()> clic_;
};

QLabel* Testo(const char* nome, const QString& testo, QWidget* parent) {
  auto* etichetta = new QLabel(testo, parent);
  etichetta->setObjectName(nome);
  return etichetta;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle("Informazioni su " + platform::TITOLO_APPLICAZIONE);

  auto* picIcon = new QLabel(this);
  picIcon->setObjectName("picIcon");
  picIcon->setPixmap(IconaProgramma().pixmap(64, 64));
  picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* lblTitle = Testo("lblTitle", platform::TITOLO_APPLICAZIONE, this);
  QFont titolo = lblTitle->font();
  titolo.setPointSizeF(titolo.pointSizeF() * 1.8);
  titolo.setBold(true);
  lblTitle->setFont(titolo);
  auto* lblVersion = Testo("lblVersion", "Versione " + QString::fromStdString(VersioneProgramma()), this);
  auto* lblDescription = Testo("lblDescription", "Versione Freeware", this);

  const QString indirizzo = platform::UrlServer(server::PERCORSO_PAGINA_PROGRAMMA);
  auto* lbURL = new EtichettaCollegamento(indirizzo, [indirizzo] { platform::ApriCollegamento(indirizzo); }, this);
  lbURL->setObjectName("lbURL");
  lbURL->setToolTip("Click per aprire la pagina");

  auto* testi = new QVBoxLayout;
  testi->setSpacing(4);
  testi->addWidget(lblTitle);
  testi->addWidget(lblVersion);
  testi->addWidget(lblDescription);
  testi->addSpacing(12);
  testi->addWidget(lbURL);
  testi->addStretch();

  auto* intestazione = new QHBoxLayout;
  intestazione->setSpacing(18);
  intestazione->addWidget(picIcon);
  intestazione->addLayout(testi, 1);

  auto* linea = new QFrame(this);
  linea->setFrameShape(QFrame::HLine);
  linea->setFrameShadow(QFrame::Sunken);

  auto* cmdOK = new QPushButton("OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* cmdSysInfo = new QPushButton("&System Info...", this);
  cmdSysInfo->setObjectName("cmdSysInfo");
  cmdSysInfo->setAutoDefault(false);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
  for (QPushButton* b : {cmdOK, cmdSysInfo}) b->setMinimumWidth(110);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(cmdSysInfo);
  pulsanti->addWidget(cmdOK);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 20, 20, 16);
  layout->setSpacing(14);
  layout->addLayout(intestazione);
  layout->addWidget(linea);
  layout->addLayout(pulsanti);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  platform::AdattaAlTitolo(this);

  cmdOK->setFocus();
  adjustSize();
  platform::CentraForm(this);
}

// The tool is looked up where the system registers it: its own path first,
// then the shared tools folder. A tool found but impossible to start counts
// as not found.
void frmAbout::StartSysInfo() {
  QString percorso;
  if (platform::GetKeyValue(platform::HKEY_LOCAL_MACHINE, R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH",
                            percorso) &&
      QProcess::startDetached(percorso))
    return;
  if (platform::GetKeyValue(platform::HKEY_LOCAL_MACHINE, R"(SOFTWARE\Microsoft\Shared Tools Location)", "MSINFO",
                            percorso)) {
    const QString programma = percorso + "/MSINFO32.EXE";
    if (QFileInfo(programma).isFile() && QProcess::startDetached(programma)) return;
  }
  platform::MessageBox::Mostra(Icona::Nessuna, Pulsanti::Ok, QString(),
                               "Le informazioni sul sistema non sono disponibili in questa fase", this);
}

}  // namespace tlx::ui
