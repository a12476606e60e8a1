#pragma once
// Downloads from the maker's web server. Every request is a plain GET that
// asks for a fresh copy; the reply is written into a local file only when the
// server answered with success and the whole body arrived.

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string_view>

namespace tlx::platform {

// The server is a deployment setting: this environment variable holds its
// scheme and host, with an optional port ("http://127.0.0.1:8080").
inline constexpr char VARIABILE_SERVER[] = "TREMALUXOR_SERVER";
inline const QString SERVER_PREDEFINITO = QStringLiteral("http://www.tremaluxorqvx.it");

// The server's address without a trailing "/".
QString IndirizzoServer();

// The server's address followed by one of the fixed paths of core/Server.h.
QString UrlServer(std::string_view percorso);

enum class EsitoDownload {
  Riuscito,     // the file holds the whole reply
  NonRiuscito,  // nothing arrived whole, or the download was ended: the file is as it was, nothing was said
  ErroreFile    // the reply could not be written: the error message of DownloadFile was shown
};

struct OpzioniDownload {
  uint64_t byteMassimi = 0;  // a longer reply fails as soon as it passes this
  // The start-up version check, which the user can't end, gets AttesaMassima()
  // in all; the other downloads AttesaMassima() of silence at a time.
  bool attesaComplessiva = false;
  // Asked after each turn of events; true ends the download (a close request
  // of the busy window, the program leaving).
  std::function<bool()> interrotto{};
};

// Downloads `url` into `file`. The reply counts only when the server answered
// 2xx (following up to five redirections, to http or https only, and never
// from an https address to a plain http one) and the whole body arrived: the
// length it announced, or chunks closed by a valid last chunk. The body
// streams into a temporary file beside `file`, renamed over it once written
// and flushed; on any failure it is removed and `file` keeps what it held.
// Every download asks for a fresh copy, whatever `svuotaCache` says.
//
// Meanwhile the windows repaint and close requests reach them, while the
// user's other input to the windows already open is dropped, as for a
// blocking call; windows opened meanwhile (the boxes a close request shows)
// are answered normally.
EsitoDownload DownloadFile(const QString& url, const QString& file, bool svuotaCache, const OpzioniDownload& opzioni);

// How long a download may go without receiving anything before it is given
// up. A server that accepts the connection and never answers would otherwise
// freeze the program for good.
std::chrono::milliseconds AttesaMassima();
void ImpostaAttesaMassima(std::chrono::milliseconds attesa);

// An authority trusted over https besides the system's, as a PEM certificate
// (a test server's own); an empty one trusts the system's alone.
void AggiungiAutorita(const QByteArray& certificatoPem);

}  // namespace tlx::platform
