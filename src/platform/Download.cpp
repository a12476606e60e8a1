#include "platform/Download.h"

#include <curl/curl.h>

#include <QDeadlineTimer>
#include <QUrl>
#include <exception>
#include <optional>

#include "core/Errori.h"
#include "platform/Attesa.h"
#include "platform/MessageBox.h"
#include "support/ScritturaAtomica.h"

namespace tlx::platform {
namespace {

std::chrono::milliseconds attesaMassima = std::chrono::seconds(30);
QByteArray autoritaAggiunta;

constexpr int MAX_REINDIRIZZAMENTI = 5;

// libcurl, set up once for the whole run.
void PreparaCurl() {
  static const bool pronto = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!pronto) throw ErroreRuntime(errore::InvalidProcedureCall, "Invalid procedure call");
}

// One download, on one thread, through libcurl: the transfer advances a step
// at a time between turns of the event loop, and the body streams into a
// temporary file beside the target. libcurl checks the framing (a short
// body, a malformed or unfinished chunk, a reset are errors); what it can't
// judge is a body that simply ends with the connection, which is refused
// here because nothing tells that it arrived whole.
class Scaricamento {
 public:
  Scaricamento(const QString& file, const OpzioniDownload& opzioni)
      : file_(file.toStdString()),
        opzioni_(opzioni),
        fine_(opzioni.attesaComplessiva ? QDeadlineTimer(attesaMassima) : QDeadlineTimer(QDeadlineTimer::Forever)) {
    PreparaCurl();
    facile_ = curl_easy_init();
    multi_ = curl_multi_init();
    if (!facile_ || !multi_) throw ErroreRuntime(errore::InvalidProcedureCall, "Invalid procedure call");
  }
  ~Scaricamento() {
    curl_multi_remove_handle(multi_, facile_);
    curl_easy_cleanup(facile_);
    curl_multi_cleanup(multi_);
    curl_slist_free_all(intestazioni_);
  }
  Scaricamento(const Scaricamento&) = delete;
  Scaricamento& operator=(const Scaricamento&) = delete;

  // True once the whole reply is in the file. Throws the file's run-time
  // error when it can't be written.
  bool Esegui(const QUrl& url) {
    const QByteArray indirizzo = url.toEncoded();
    if (!url.isValid() || url.host().isEmpty() || (url.scheme() != "http" && url.scheme() != "https")) return false;
    // "no-cache" in both forms: no cache on the way answers in the server's place.
    intestazioni_ = curl_slist_append(intestazioni_, "Cache-Control: no-cache");
    intestazioni_ = curl_slist_append(intestazioni_, "Pragma: no-cache");
    curl_easy_setopt(facile_, CURLOPT_URL, indirizzo.constData());
    curl_easy_setopt(facile_, CURLOPT_HTTPHEADER, intestazioni_);
    curl_easy_setopt(facile_, CURLOPT_USERAGENT, "TremaluxorQVX");
    // One framing the whole-body rule can judge: HTTP/1.1's length or chunks.
    curl_easy_setopt(facile_, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(facile_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(facile_, CURLOPT_MAXREDIRS, long{MAX_REINDIRIZZAMENTI});
    // The web only, for redirections too: never a local file or another protocol.
    curl_easy_setopt(facile_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(facile_, CURLOPT_PREREQFUNCTION, &Scaricamento::PrimaDellaRichiesta);
    curl_easy_setopt(facile_, CURLOPT_PREREQDATA, this);
    if (!autoritaAggiunta.isEmpty()) {
      curl_blob autorita{autoritaAggiunta.data(), static_cast<size_t>(autoritaAggiunta.size()), CURL_BLOB_COPY};
      curl_easy_setopt(facile_, CURLOPT_CAINFO_BLOB, &autorita);
    }
    curl_easy_setopt(facile_, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(facile_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(facile_, CURLOPT_BUFFERSIZE, BYTE_BLOCCO);
    // A length announced beyond the limit is refused before the body comes.
    curl_easy_setopt(facile_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(opzioni_.byteMassimi));
    curl_easy_setopt(facile_, CURLOPT_HEADERFUNCTION, &Scaricamento::Intestazione);
    curl_easy_setopt(facile_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(facile_, CURLOPT_WRITEFUNCTION, &Scaricamento::Corpo);
    curl_easy_setopt(facile_, CURLOPT_WRITEDATA, this);
    curl_multi_add_handle(multi_, facile_);

    const CURLcode esito = Trasferisci();
    if (errore_) std::rethrow_exception(errore_);
    if (esito != CURLE_OK || !(lunghezzaAnnunciata_ || aPezzi_)) return false;
    Scrittura().Conferma();
    return true;
  }

 private:
  // Steps the transfer until it ends, between turns of the event loop. A
  // transfer given up here (silence, time in all, ended by the user) reports
  // CURLE_ABORTED_BY_CALLBACK.
  CURLcode Trasferisci() {
    ultimoDato_.setRemainingTime(attesaMassima);
    for (int attivi = 1;;) {
      curl_multi_perform(multi_, &attivi);
      if (attivi == 0) break;
      if (ultimoDato_.hasExpired() || fine_.hasExpired() || (opzioni_.interrotto && opzioni_.interrotto()))
        return CURLE_ABORTED_BY_CALLBACK;
      ElaboraEventi();
      curl_multi_poll(multi_, nullptr, 0, PASSO_MS, nullptr);
    }
    int restanti = 0;
    for (CURLMsg* messaggio; (messaggio = curl_multi_info_read(multi_, &restanti));)
      if (messaggio->msg == CURLMSG_DONE) return messaggio->data.result;
    return CURLE_RECV_ERROR;
  }

  // Before each request on the way, the first one included: once one went
  // to a secure address, none goes to a plain one, wherever the chain began
  // (a plain address that moved to https and then back would otherwise
  // lose the security the server asked for).
  static int PrimaDellaRichiesta(void* questo, char*, char*, int, int) {
    auto& s = *static_cast<Scaricamento*>(questo);
    char* indirizzo = nullptr;
    curl_easy_getinfo(s.facile_, CURLINFO_EFFECTIVE_URL, &indirizzo);
    const bool sicura = QUrl(QString::fromUtf8(indirizzo)).scheme() == "https";
    if (s.sicura_ && !sicura) return CURL_PREREQFUNC_ABORT;
    s.sicura_ = sicura;
    return CURL_PREREQFUNC_OK;
  }

  ScritturaAtomica& Scrittura() {
    if (!scrittura_) scrittura_.emplace(file_);
    return *scrittura_;
  }

  // Each header line of every reply on the way; a status line starts a new
  // reply (after a redirection), whose framing is what counts.
  static size_t Intestazione(char* dati, size_t, size_t byte, void* questo) {
    auto& s = *static_cast<Scaricamento*>(questo);
    s.ultimoDato_.setRemainingTime(attesaMassima);
    const QByteArray riga = QByteArray(dati, static_cast<qsizetype>(byte)).trimmed().toLower();
    if (riga.startsWith("http/")) s.lunghezzaAnnunciata_ = s.aPezzi_ = false;
    if (riga.startsWith("content-length:")) s.lunghezzaAnnunciata_ = true;
    if (riga.startsWith("transfer-encoding:") && riga.mid(18).trimmed() == "chunked") s.aPezzi_ = true;
    return byte;
  }

  // The body's bytes as they come: into the file, never more than the limit
  // in all. Returning fewer bytes than given ends the transfer.
  static size_t Corpo(char* dati, size_t, size_t byte, void* questo) {
    auto& s = *static_cast<Scaricamento*>(questo);
    s.ultimoDato_.setRemainingTime(attesaMassima);
    if (byte > s.opzioni_.byteMassimi - s.ricevuti_) return 0;
    s.ricevuti_ += byte;
    try {
      s.Scrittura().Scrivi(dati, byte);
    } catch (...) {
      // Not through libcurl's C frames: kept, and thrown once it returns.
      s.errore_ = std::current_exception();
      return 0;
    }
    return byte;
  }

  static constexpr int PASSO_MS = 10;                // the longest wait for the network between turns of the event loop
  static constexpr long BYTE_BLOCCO = 1024 * 1024;  // read from the network at a time

  std::string file_;
  const OpzioniDownload& opzioni_;
  QDeadlineTimer fine_;
  QDeadlineTimer ultimoDato_;
  CURL* facile_ = nullptr;
  CURLM* multi_ = nullptr;
  curl_slist* intestazioni_ = nullptr;
  uint64_t ricevuti_ = 0;
  bool lunghezzaAnnunciata_ = false;
  bool aPezzi_ = false;
  bool sicura_ = false;  // a request on the way went to https
  std::exception_ptr errore_;
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
void AggiungiAutorita(const QByteArray& certificatoPem) { autoritaAggiunta = certificatoPem; }

}  // namespace tlx::platform
