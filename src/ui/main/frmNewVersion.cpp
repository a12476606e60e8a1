#include "ui/main/frmNewVersion.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "core/Server.h"
#include "platform/Download.h"
#include "platform/Finestre.h"
#include "platform/Shell.h"

namespace tlx::ui {

namespace {
QLabel* Etichetta(const char* nome, const QString& testo, QWidget* parent) {
  auto* l = new QLabel(testo, parent);
  l->setObjectName(nome);
  // The server's line is shown as it is, never read as markup.
  l->setTextFormat(Qt::PlainText);
  return l;
}
}  // namespace

frmNewVersion::frmNewVersion(QWidget* parent)
    : QDialog(parent),
      lbLocalVersion_(Etichetta("lbLocalVersion", "", this)),
      lbRemoteVersion_(Etichetta("lbRemoteVersion", "", this)),
      lbURL_(Etichetta("lbURL", platform::UrlServer(server::PERCORSO_PAGINA_PROGRAMMA), this)) {
  setObjectName("frmNewVersion");
  setWindowTitle("Nuova Versione Disponibile!!");
  setModal(true);

  QFont grassetto = font();
  grassetto.setBold(true);
  for (QLabel* l : {lbLocalVersion_, lbRemoteVersion_}) l->setFont(grassetto);

  lbURL_->setToolTip("Click per aprire la pagina");
  lbURL_->setCursor(Qt::PointingHandCursor);
  lbURL_->setStyleSheet("color: #0000ff; text-decoration: underline;");
  lbURL_->setAlignment(Qt::AlignCenter);
  lbURL_->installEventFilter(this);

  auto* versioni = new QGridLayout;
  versioni->addWidget(Etichetta("Label1", "Versione Locale", this), 0, 0);
  versioni->addWidget(lbLocalVersion_, 0, 1);
  versioni->addWidget(Etichetta("Label2", "Versione sul Server", this), 1, 0);
  versioni->addWidget(lbRemoteVersion_, 1, 1);
  versioni->setColumnStretch(1, 1);
  versioni->setHorizontalSpacing(16);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(versioni);
  layout->addSpacing(10);
  layout->addWidget(lbURL_);
  setMinimumWidth(320);
  adjustSize();
  platform::CentraForm(this);
}

QString frmNewVersion::localVersion() const { return lbLocalVersion_->text(); }
void frmNewVersion::setLocalVersion(const QString& versione) { lbLocalVersion_->setText(versione); }
QString frmNewVersion::remoteVersion() const { return lbRemoteVersion_->text(); }
void frmNewVersion::setRemoteVersion(const QString& versione) { lbRemoteVersion_->setText(versione); }

bool frmNewVersion::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == lbURL_ && evento->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
    platform::ApriCollegamento(lbURL_->text());
    return true;
  }
  return QDialog::eventFilter(oggetto, evento);
}

}  // namespace tlx::ui
