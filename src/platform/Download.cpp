#include "platform/Download.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QInputEvent>
#include <QPointer>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "core/Errori.h"
#include "platform/MessageBox.h"
#include "support/RispostaHttp.h"
#include "support/ScritturaAtomica.h"

namespace tlx::platform {
namespace {

std::chrono::milliseconds attesaMassima = std::chrono::seconds(30);

constexpr int MAX_REINDIRIZZAMENTI = 5;
// What the socket holds and what is read at a time.
constexpr qint64 BYTE_BLOCCO = 64 * 1024;

// While it lives, the user's input to the windows open when it was made is
// dropped: they wait as for a blocking call. Close requests get through, and
// so does input to the windows opened meanwhile, so that the boxes a close
// request shows can be answered.
class InputTrattenuto : public QObject {
 public:
  InputTrattenuto() {
    for (QWidget* w : QApplication::topLevelWidgets()) aperte_.emplace_back(w);
    for (QWindow* w : QGuiApplication::allWindows()) aperte_.emplace_back(w);
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~InputTrattenuto() override { QCoreApplication::instance()->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (!DaUtente(*evento)) return false;
    // Shortcuts go to actions, which belong to no window of their own: held back too.
    if (!oggetto->isWidgetType() && !oggetto->isWindowType()) return true;
    const QObject* finestra = oggetto->isWidgetType() ? static_cast<QWidget*>(oggetto)->window() : oggetto;
    return std::any_of(aperte_.begin(), aperte_.end(),
                       [finestra](const QPointer<QObject>& aperta) { return aperta == finestra; });
  }

 private:
  static bool DaUtente(const QEvent& e) {
    switch (e.type()) {
      case QEvent::Shortcut:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
        return true;
      default:
        return dynamic_cast<const QInputEvent*>(&e) != nullptr;
    }
  }

  std::vector<QPointer<QObject>> aperte_;
};

QByteArray TestoRichiesta(const QUrl& url) {
  QByteArray percorso = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
  if (percorso.isEmpty()) percorso = "/";
  // "//host:port", brackets of an IPv6 address included.
  const QByteArray host = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveUserInfo | QUrl::RemovePath |
                                        QUrl::RemoveQuery | QUrl::RemoveFragment).mid(2);
  // "no-cache" in both forms: no cache on the way answers in the server's place.
  return "GET " + percorso + " HTTP/1.1\r\nHost: " + host +
         "\r\nCache-Control: no-cache\r\nPragma: no-cache\r\nAccept: */*\r\nUser-Agent: TremaluxorQVX\r\n"
         "Connection: close\r\n\r\n";
}

bool Reindirizzamento(int codice) {
  return codice == 301 || codice == 302 || codice == 303 || codice == 307 || codice == 308;
}

// One download, on one thread: the requests (one per redirection), the
// reply's bytes as they arrive, and the temporary file they go to.
class Scaricamento {
 public:
  Scaricamento(const QString& file, const OpzioniDownload& opzioni)
      : file_(file.toStdString()),
        opzioni_(opzioni),
        fine_(opzioni.attesaComplessiva ? QDeadlineTimer(attesaMassima) : QDeadlineTimer(QDeadlineTimer::Forever)),
        blocco_(BYTE_BLOCCO, Qt::Uninitialized) {}

  // True once the whole reply is in the file. Throws the file's run-time
  // error when it can't be written.
  bool Esegui(QUrl url) {
    for (int salti = 0; salti <= MAX_REINDIRIZZAMENTI; ++salti) {
      RispostaHttp risposta(opzioni_.byteMassimi);
      if (!Richiedi(url, risposta)) return false;
      if (risposta.stato() == RispostaHttp::Stato::Completa) {
        Scrittura().Conferma();
        return true;
      }
      // Never from a secure address to a plain one.
      const QUrl dopo = url.resolved(QUrl(QString::fromStdString(risposta.Posizione())));
      if (!Reindirizzamento(risposta.Codice()) || risposta.Posizione().empty() ||
          (url.scheme() == "https" && dopo.scheme() != "https"))
        return false;
      url = dopo;
    }
    return false;
  }

 private:
  ScritturaAtomica& Scrittura() {
    if (!scrittura_) scrittura_.emplace(file_);
    return *scrittura_;
  }

  // Sends the request and reads until the reply is complete or refused
  // (true), or it breaks, the connection fails or goes silent, the time is
  // up or the download is ended (false).
  bool Richiedi(const QUrl& url, RispostaHttp& risposta) {
    const bool sicura = url.scheme() == "https";
    if (!url.isValid() || url.host().isEmpty() || (!sicura && url.scheme() != "http")) return false;
    const auto porta = static_cast<quint16>(url.port(sicura ? 443 : 80));
    std::unique_ptr<QTcpSocket> connessione;
    if (sicura) {
      auto cifrata = std::make_unique<QSslSocket>();
      cifrata->connectToHostEncrypted(url.host(), porta);
      connessione = std::move(cifrata);
    } else {
      connessione = std::make_unique<QTcpSocket>();
      connessione->connectToHost(url.host(), porta);
    }
    connessione->setReadBufferSize(BYTE_BLOCCO);
    connessione->write(TestoRichiesta(url));  // sent once connected

    QTimer sveglia;
    sveglia.setSingleShot(true);
    // Silence for AttesaMassima(), or up to the end of the time in all.
    const auto RiavviaAttesa = [&] {
      using std::chrono::milliseconds;
      sveglia.start(std::min(attesaMassima, std::chrono::duration_cast<milliseconds>(fine_.remainingTimeAsDuration())));
    };
    RiavviaAttesa();
    const auto AlFile = [this](std::string_view corpo) { Scrittura().Scrivi(corpo); };
    for (;;) {
      for (qint64 letti; (letti = connessione->read(blocco_.data(), blocco_.size())) > 0;) {
        RiavviaAttesa();
        switch (risposta.Ricevi(std::string_view(blocco_.constData(), static_cast<size_t>(letti)), AlFile)) {
          case RispostaHttp::Stato::Testa:
          case RispostaHttp::Stato::Corpo:
            break;
          case RispostaHttp::Stato::Rotta:
            return false;
          case RispostaHttp::Stato::Completa:
          case RispostaHttp::Stato::Rifiutata:
            return true;
        }
      }
      // Everything received has been read: a connection that has ended now
      // ended before the reply did.
      if (connessione->state() == QAbstractSocket::UnconnectedState || !sveglia.isActive()) return false;
      if (opzioni_.interrotto && opzioni_.interrotto()) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
  }

  std::string file_;
  const OpzioniDownload& opzioni_;
  QDeadlineTimer fine_;
  QByteArray blocco_;
  InputTrattenuto trattenuto_;
  std::optional<ScritturaAtomica> scrittura_;  // made when the body starts; removed unless confirmed
};

}  // namespace

QString IndirizzoServer() {
  QString indirizzo = qEnvironmentVariable(VARIABILE_SERVER).trimmed();
  while (indirizzo.endsWith(QLatin1Char('/'))) indirizzo.chop(1);
  return indirizzo.isEmpty() ? SERVER_PREDEFINITO : indirizzo;
}

QString UrlServer(std::string_view percorso) {
  return IndirizzoServer() + QString::fromUtf8(percorso.data(), static_cast<qsizetype>(percorso.size()));
}

// The program keeps no cache of its own and every request already bypasses
// the others, so there is no cached copy left for `svuotaCache` to drop.
EsitoDownload DownloadFile(const QString& url, const QString& file, bool /*svuotaCache*/,
                           const OpzioniDownload& opzioni) {
  try {
    Scaricamento scaricamento(file, opzioni);
    return scaricamento.Esegui(QUrl(url)) ? EsitoDownload::Riuscito : EsitoDownload::NonRiuscito;
  } catch (const ErroreRuntime& e) {
    MessageBox::Mostra(MessaggioErrore(e, "DownloadFile"));
    return EsitoDownload::ErroreFile;
  }
}

std::chrono::milliseconds AttesaMassima() { return attesaMassima; }
void ImpostaAttesaMassima(std::chrono::milliseconds attesa) { attesaMassima = attesa; }

}  // namespace tlx::platform
