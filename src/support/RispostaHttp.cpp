#include "support/RispostaHttp.h"

#include <algorithm>
#include <charconv>

#include "support/Ascii.h"

namespace tlx {

namespace {

// Far above any line a server sends, so that a stream without line ends
// can't grow without bound.
constexpr size_t BYTE_MASSIMI_RIGA = 8 * 1024;
constexpr uint64_t BYTE_MASSIMI_TESTA = 64 * 1024;

bool Spazio(char c) { return c == ' ' || c == '\t'; }

std::string_view SenzaSpazi(std::string_view testo) {
  while (!testo.empty() && Spazio(testo.front())) testo.remove_prefix(1);
  while (!testo.empty() && Spazio(testo.back())) testo.remove_suffix(1);
  return testo;
}

std::string Minuscolo(std::string_view testo) {
  std::string m(testo);
  std::ranges::transform(m, m.begin(), MinuscolaAscii);
  return m;
}

// A whole number in the base given, digits only; nothing for anything else.
bool Numero(std::string_view testo, int base, uint64_t& valore) {
  if (testo.empty()) return false;
  const auto [fine, ec] = std::from_chars(testo.data(), testo.data() + testo.size(), valore, base);
  return ec == std::errc() && fine == testo.data() + testo.size();
}

}  // namespace

RispostaHttp::Stato RispostaHttp::Ricevi(std::string_view dati, const std::function<void(std::string_view)>& corpo) {
  while (!dati.empty() && (stato_ == Stato::Testa || stato_ == Stato::Corpo)) {
    if (fase_ == Fase::Dati) {
      const auto n = static_cast<size_t>(std::min<uint64_t>(restano_, dati.size()));
      corpo(dati.substr(0, n));
      dati.remove_prefix(n);
      restano_ -= n;
      if (restano_ == 0) {
        if (codifica_.empty())
          stato_ = Stato::Completa;
        else
          fase_ = Fase::FineChunk;
      }
      continue;
    }
    const size_t fine = dati.find('\n');
    const size_t presi = fine == std::string_view::npos ? dati.size() : fine + 1;
    if (stato_ == Stato::Testa || fase_ == Fase::Coda) byteTesta_ += presi;
    if (riga_.size() + presi > BYTE_MASSIMI_RIGA || byteTesta_ > BYTE_MASSIMI_TESTA) {
      Rompi();
      break;
    }
    riga_.append(dati.substr(0, presi));
    dati.remove_prefix(presi);
    if (fine == std::string_view::npos) break;
    std::string_view riga(riga_);
    riga.remove_suffix(1);
    if (riga.ends_with('\r')) riga.remove_suffix(1);
    Riga(riga);
    riga_.clear();
  }
  return stato_;
}

void RispostaHttp::Riga(std::string_view riga) {
  switch (fase_) {
    case Fase::RigaStato:
      RigaStato(riga);
      break;
    case Fase::Campi:
      if (riga.empty())
        FineTesta();
      else
        Campo(riga);
      break;
    case Fase::RigaChunk:
      RigaChunk(riga);
      break;
    case Fase::FineChunk:  // the line end that closes a chunk's data
      if (riga.empty())
        fase_ = Fase::RigaChunk;
      else
        Rompi();
      break;
    case Fase::Coda:  // trailer fields, not needed
      if (riga.empty()) stato_ = Stato::Completa;
      break;
    case Fase::Dati:
      break;
  }
}

void RispostaHttp::RigaStato(std::string_view riga) {
  // "HTTP/1.1 200 OK": the version, a blank, three digits, then a blank and
  // the reason, or nothing.
  uint64_t codice = 0;
  if (riga.size() < 12 || !riga.starts_with("HTTP/1.") || (riga[7] != '0' && riga[7] != '1') || riga[8] != ' ' ||
      !Numero(riga.substr(9, 3), 10, codice) || (riga.size() > 12 && riga[12] != ' '))
    return Rompi();
  codice_ = static_cast<int>(codice);
  http10_ = riga[7] == '0';
  lunghezza_.clear();
  codifica_.clear();
  posizione_.clear();
  contenutoCodificato_ = false;
  fase_ = Fase::Campi;
}

void RispostaHttp::Campo(std::string_view riga) {
  // A line folded onto the previous one, a blank in the name or no colon
  // at all: no reply to trust.
  const size_t duepunti = riga.find(':');
  if (Spazio(riga.front()) || duepunti == std::string_view::npos || duepunti == 0 ||
      std::any_of(riga.begin(), riga.begin() + static_cast<std::ptrdiff_t>(duepunti), Spazio))
    return Rompi();
  const std::string nome = Minuscolo(riga.substr(0, duepunti));
  const std::string_view valore = SenzaSpazi(riga.substr(duepunti + 1));
  if (nome == "content-length") {
    // Repeated, it must say the same.
    if (valore.empty() || (!lunghezza_.empty() && lunghezza_ != valore)) return Rompi();
    lunghezza_ = valore;
  } else if (nome == "transfer-encoding") {
    codifica_ += (codifica_.empty() ? "" : ", ") + Minuscolo(valore);
  } else if (nome == "content-encoding") {
    contenutoCodificato_ = contenutoCodificato_ || Minuscolo(valore) != "identity";
  } else if (nome == "location") {
    posizione_ = valore;
  }
}

void RispostaHttp::FineTesta() {
  if (codice_ >= 100 && codice_ < 200) {
    // An interim reply: the real one follows. A switch of protocol never.
    if (codice_ == 101) return Rompi();
    fase_ = Fase::RigaStato;
    return;
  }
  if (codice_ < 200 || codice_ >= 300) {
    stato_ = Stato::Rifiutata;
    return;
  }
  // Nothing was asked in compressed form: such a body can't be used.
  if (contenutoCodificato_) return Rompi();
  if (codice_ == 204) {
    stato_ = Stato::Completa;
    return;
  }
  if (!codifica_.empty()) {
    if (codifica_ != "chunked" || !lunghezza_.empty() || http10_) return Rompi();
    stato_ = Stato::Corpo;
    fase_ = Fase::RigaChunk;
    return;
  }
  // Without a length the body would end with the connection, and a broken
  // connection would pass for the end.
  uint64_t lunghezza = 0;
  if (!Numero(lunghezza_, 10, lunghezza) || lunghezza > byteMassimi_) return Rompi();
  byteCorpo_ = lunghezza;
  restano_ = lunghezza;
  stato_ = lunghezza == 0 ? Stato::Completa : Stato::Corpo;
  fase_ = Fase::Dati;
}

void RispostaHttp::RigaChunk(std::string_view riga) {
  // The size in hexadecimal digits, then blanks and extensions, ignored.
  std::string_view dimensione = riga.substr(0, riga.find(';'));
  while (!dimensione.empty() && Spazio(dimensione.back())) dimensione.remove_suffix(1);
  uint64_t n = 0;
  if (dimensione.size() > 16 || !Numero(dimensione, 16, n) || n > byteMassimi_ - byteCorpo_)
    return Rompi();
  byteCorpo_ += n;
  restano_ = n;
  fase_ = n == 0 ? Fase::Coda : Fase::Dati;
}

}  // namespace tlx
