#include "support/ScritturaAtomica.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>

#include "support/ErroreRuntime.h"

namespace tlx {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view ESTENSIONE = ".tmp";
constexpr size_t CIFRE_MASSIME = 8;  // a 32-bit random number in hex
// A folder is looked through up to this many entries, so that a crowded
// one can't hold up a save or the start-up.
constexpr int VOCI_MASSIME = 10000;
// A write lasts far less: a temporary file nothing has written to for this
// long is no write under way, in this copy or in another one writing into
// the same folder.
constexpr auto ETA_AVANZO_FERMO = std::chrono::minutes(1);

std::string NomeTemporaneo(const fs::path& destinazione, unsigned numero) {
  std::array<char, CIFRE_MASSIME> cifre{};
  const auto fine = std::to_chars(cifre.data(), cifre.data() + cifre.size(), numero, 16).ptr;
  std::string nome = ".";  // hidden, beside the destination
  nome += destinazione.filename().string();
  nome += '.';
  nome.append(cifre.data(), fine);
  nome += ESTENSIONE;
  return nome;
}

// The destination's name when `nome` is the name of one of our temporary files.
std::optional<std::string_view> DestinazioneDi(std::string_view nome) {
  if (!nome.starts_with('.') || !nome.ends_with(ESTENSIONE)) return std::nullopt;
  nome.remove_prefix(1);
  nome.remove_suffix(ESTENSIONE.size());
  const size_t punto = nome.rfind('.');
  if (punto == std::string_view::npos || punto == 0) return std::nullopt;
  const std::string_view cifre = nome.substr(punto + 1);
  const bool esadecimale = cifre.find_first_not_of("0123456789abcdef") == std::string_view::npos;
  if (cifre.empty() || cifre.size() > CIFRE_MASSIME || !esadecimale) return std::nullopt;
  return nome.substr(0, punto);
}

// True when nothing has written to the file since `limite`.
bool Fermo(const fs::directory_entry& voce, fs::file_time_type limite) {
  std::error_code ec;
  const fs::file_time_type scritto = voce.last_write_time(ec);
  return !ec && scritto < limite;
}

// Removes the temporary files in `cartella` whose destination passes
// `scelta`; with `soloFermi`, only those no write can be under way in.
template <typename Scelta>
void RimuoviTemporanei(const fs::path& cartella, Scelta scelta, bool soloFermi) {
  const fs::file_time_type limite = fs::file_time_type::clock::now() - ETA_AVANZO_FERMO;
  std::error_code ec;
  fs::directory_iterator voce(cartella.empty() ? fs::path(".") : cartella, ec);
  for (int esaminate = 0; !ec && voce != fs::directory_iterator() && esaminate < VOCI_MASSIME;
       voce.increment(ec), ++esaminate) {
    const std::string nome = voce->path().filename().string();
    const auto destinazione = DestinazioneDi(nome);
    std::error_code ecVoce;
    if (!destinazione || !scelta(*destinazione) || !voce->is_regular_file(ecVoce) || voce->is_symlink(ecVoce)) continue;
    if (!soloFermi || Fermo(*voce, limite)) fs::remove(voce->path(), ecVoce);
  }
}

}  // namespace

ScritturaAtomica::ScritturaAtomica(std::string destinazione) : destinazione_(std::move(destinazione)) {
  std::error_code ec;
  const fs::path dest(destinazione_);
  if (destinazione_.empty()) throw ErroreFileDaCausa(destinazione_, ENOENT);
  if (fs::is_directory(dest, ec)) throw ErroreFileDaCausa(destinazione_, NON_FILE_REGOLARE);
  const std::string nome = dest.filename().string();
  RimuoviTemporanei(dest.parent_path(), [&nome](std::string_view di) { return di == nome; }, true);
  std::random_device casuale;
  int causa = EEXIST;
  for (int tentativo = 0; tentativo < 16 && fd_ < 0 && causa == EEXIST; ++tentativo) {
    temporaneo_ = (dest.parent_path() / NomeTemporaneo(dest, casuale())).string();
    fd_ = ::open(temporaneo_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    causa = fd_ < 0 ? errno : 0;
  }
  if (fd_ < 0) {
    temporaneo_.clear();
    throw ErroreFileDaCausa(destinazione_, causa);
  }
}

ScritturaAtomica::~ScritturaAtomica() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporaneo_.empty()) ::unlink(temporaneo_.c_str());
}

void ScritturaAtomica::Scrivi(const void* dati, size_t byte) {
  const auto* p = static_cast<const char*>(dati);
  while (byte > 0) {
    const ssize_t scritti = ::write(fd_, p, byte);
    if (scritti < 0 && errno == EINTR) continue;
    if (scritti <= 0) throw ErroreFileDaCausa(destinazione_, scritti < 0 ? errno : ENOSPC);
    p += scritti;
    byte -= static_cast<size_t>(scritti);
  }
}

void ScritturaAtomica::Conferma() {
  if (::fsync(fd_) != 0) throw ErroreFileDaCausa(destinazione_, errno);
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw ErroreFileDaCausa(destinazione_, errno);
  if (std::rename(temporaneo_.c_str(), destinazione_.c_str()) != 0) throw ErroreFileDaCausa(destinazione_, errno);
  temporaneo_.clear();
}

void RimuoviAvanziScrittura(const std::string& cartella) {
  RimuoviTemporanei(cartella, [](std::string_view) { return true; }, false);
}

void RimuoviAvanziScritturaCondivisa(const std::string& cartella,
                                     const std::function<bool(std::string_view destinazione)>& scelta) {
  RimuoviTemporanei(cartella, scelta, true);
}

}  // namespace tlx
