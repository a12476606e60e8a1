#pragma once
// Downloads from the maker's web server. Every request is a plain GET that
// asks for a fresh copy; the reply is written into a local file only when the
// server answered with success and the whole body arrived.

#include <QString>
#include <chrono>
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

// Downloads `url` into `file`, replacing it. False, without a message, when
// the server can't be reached, answers with an error status, breaks off the
// reply or stays silent longer than AttesaMassima(); false after showing the
// error message of DownloadFile when the file can't be written. Every
// download asks for a fresh copy, whatever `svuotaCache` says.
bool DownloadFile(const QString& url, const QString& file, bool svuotaCache);

// How long a download may go without receiving anything before it is given
// up. A server that accepts the connection and never answers would otherwise
// freeze the program for good.
std::chrono::milliseconds AttesaMassima();
void ImpostaAttesaMassima(std::chrono::milliseconds attesa);

}  // namespace tlx::platform
