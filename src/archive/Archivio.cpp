#include "archive/Archivio.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>

#include "core/Errori.h"
#include "core/Formato.h"
#include "support/FileLettura.h"
#include "support/ScritturaAtomica.h"
#include "support/Windows1252.h"

namespace tlx {

namespace {

constexpr int32_t ERRORE_OVERFLOW = 6;
constexpr int32_t ERRORE_MEMORIA = 7;

// The error message of one of the archive's procedures; file errors name the
// file, as users need to know which one failed.
Messaggio MessaggioArchivio(const ErroreRuntime& e, std::string_view procedura, const std::string& percorso) {
  std::string descrizione = e.Descrizione();
  if (e.Numero() == errore::PathFileAccessError || e.Numero() == errore::PathNotFound || e.Numero() == ERRORE_MEMORIA)
    descrizione += " --> " + percorso;
  return MessaggioErrore(ErroreRuntime(e.Numero(), descrizione), procedura, MODULO_ARCHIVIO);
}

// Sets a date from its bytes in the code page, cut or padded to ten
// characters. Ten plain ASCII bytes, as dates nearly always are, read the
// same in both code pages: they are the text, copied straight into place.
void ImpostaData(std::string& data, std::string_view byteWindows1252) {
  if (byteWindows1252.size() == LUNGHEZZA_DATA &&
      std::none_of(byteWindows1252.begin(), byteWindows1252.end(),
                   [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
    data.assign(byteWindows1252.data(), LUNGHEZZA_DATA);
  else
    data = TagliaOPadda(DaWindows1252(byteWindows1252), LUNGHEZZA_DATA);
}

// The whole content of a file; no regular file, or a file that can't be
// read, throws the run-time error. A file beyond `massimo` bytes is refused
// before anything is read: a huge or sparse file would fill the memory.
std::string LeggiTutto(const std::string& percorso, uintmax_t massimo = UINTMAX_MAX) {
  FileLettura in(percorso);
  if (static_cast<uintmax_t>(in.Dimensione()) > massimo)
    throw ErroreRuntime(ERRORE_MEMORIA, "Archivio troppo grande: più di " +
                                            Formatta(MAX_ESTRAZIONI_FILE, "#,##0", FormatoNumeri::Italiano()) +
                                            " estrazioni");
  std::string testo(static_cast<size_t>(in.Dimensione()), '\0');
  in.read(testo.data(), static_cast<std::streamsize>(testo.size()));
  testo.resize(static_cast<size_t>(in.gcount()));
  return testo;
}

// A number field of the reply: blanks around a whole decimal number.
uint8_t NumeroCampo(std::string_view campo) {
  const auto inizio = campo.find_first_not_of(' ');
  if (inizio == std::string_view::npos) throw ErroreRuntime(errore::TypeMismatch, "Type mismatch");
  campo.remove_prefix(inizio);
  campo.remove_suffix(campo.size() - (campo.find_last_not_of(' ') + 1));
  const bool negativo = campo.front() == '-';
  if (negativo || campo.front() == '+') campo.remove_prefix(1);
  if (campo.empty() || !std::all_of(campo.begin(), campo.end(), [](char c) { return c >= '0' && c <= '9'; }))
    throw ErroreRuntime(errore::TypeMismatch, "Type mismatch");
  unsigned valore = 0;
  const auto [fine, ec] = std::from_chars(campo.data(), campo.data() + campo.size(), valore);
  if (ec != std::errc() || fine != campo.data() + campo.size() || valore > 255 || (negativo && valore != 0))
    throw ErroreRuntime(ERRORE_OVERFLOW, "Overflow");
  return static_cast<uint8_t>(valore);
}

// The fields of one line split on "|", or nothing when it has not six.
bool SeiCampi(std::string_view riga, std::array<std::string_view, 6>& campi) {
  size_t n = 0;
  for (size_t inizio = 0;;) {
    const size_t barra = riga.find('|', inizio);
    if (n == campi.size()) return false;
    campi[n++] = riga.substr(inizio, barra == std::string_view::npos ? std::string_view::npos : barra - inizio);
    if (barra == std::string_view::npos) return n == campi.size();
    inizio = barra + 1;
  }
}

}  // namespace

bool EstrazioneValida(const Estrazione& e) {
  for (size_t i = 0; i < e.Numeri.size(); ++i) {
    if (e.Numeri[i] < 1 || e.Numeri[i] > NUMERI) return false;
    for (size_t j = 0; j < i; ++j)
      if (e.Numeri[j] == e.Numeri[i]) return false;
  }
  return true;
}

std::vector<Estrazione> DecodificaArchivio(std::span<const uint8_t> byte) {
  std::vector<Estrazione> archivio;
  archivio.reserve(byte.size() / BYTE_RECORD_ESTRAZIONE);
  for (size_t p = 0; p + BYTE_RECORD_ESTRAZIONE <= byte.size(); p += BYTE_RECORD_ESTRAZIONE) {
    // Built in place: moving a short string costs a call to copy it.
    Estrazione& e = archivio.emplace_back();
    std::copy_n(byte.begin() + static_cast<std::ptrdiff_t>(p + LUNGHEZZA_DATA), e.Numeri.size(), e.Numeri.begin());
    if (!EstrazioneValida(e)) {  // an empty slot or a damaged record
      archivio.pop_back();
      continue;
    }
    ImpostaData(e.Data, std::string_view(reinterpret_cast<const char*>(byte.data() + p), LUNGHEZZA_DATA));
  }
  return archivio;
}

std::string CodificaArchivio(const std::vector<Estrazione>& archivio) {
  std::string immagine;
  immagine.reserve(archivio.size() * BYTE_RECORD_ESTRAZIONE);
  for (const Estrazione& e : archivio) {
    // Ten bytes of the code page whatever the text holds: a character the
    // code page lacks becomes "?".
    std::string data = AWindows1252(TagliaOPadda(e.Data, LUNGHEZZA_DATA));
    data.resize(LUNGHEZZA_DATA, ' ');
    immagine += data;
    immagine.append(reinterpret_cast<const char*>(e.Numeri.data()), e.Numeri.size());
  }
  return immagine;
}

RisultatoLetturaArchivio LoadArchivioEstrazioni(const std::string& percorso) {
  namespace fs = std::filesystem;
  RisultatoLetturaArchivio r;
  try {
    std::error_code ec;
    const fs::path file(percorso);
    if (!file.parent_path().empty()) fs::create_directories(file.parent_path(), ec);
    if (!fs::exists(file, ec)) {
      std::ofstream crea(percorso, std::ios::binary);
      if (!crea) throw ErroreFile(percorso, true);
      return r;
    }
    const std::string byte = LeggiTutto(percorso, MAX_ESTRAZIONI_FILE * BYTE_RECORD_ESTRAZIONE);
    r.estrazioni = DecodificaArchivio(std::span(reinterpret_cast<const uint8_t*>(byte.data()), byte.size()));
  } catch (const ErroreRuntime& e) {
    r.estrazioni.clear();
    r.messaggi.push_back(MessaggioArchivio(e, "LoadArchivioEstrazioni", percorso));
  }
  return r;
}

Messaggi SaveArchivioEstrazioni(const std::vector<Estrazione>& archivio, const std::string& percorso) {
  try {
    ScritturaAtomica file(percorso);
    file.Scrivi(CodificaArchivio(archivio));
    file.Conferma();
    return {};
  } catch (const ErroreRuntime& e) {
    return {MessaggioArchivio(e, "SaveArchivioEstrazioni", percorso)};
  }
}

std::vector<Estrazione> DecodificaRisposta(std::string_view testo) {
  std::vector<Estrazione> archivio;
  std::array<std::string_view, 6> campi;
  while (!testo.empty()) {
    const size_t fine = testo.find_first_of("\r\n");
    const std::string_view riga = testo.substr(0, fine);
    testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
    if (!SeiCampi(riga, campi)) continue;
    Estrazione e;
    for (size_t k = 0; k < e.Numeri.size(); ++k) e.Numeri[k] = NumeroCampo(campi[k + 1]);
    if (!EstrazioneValida(e)) continue;
    if (archivio.size() == MAX_ESTRAZIONI_FILE) throw ErroreRuntime(ERRORE_OVERFLOW, "Overflow");
    ImpostaData(e.Data, campi[0]);
    archivio.push_back(std::move(e));
  }
  return archivio;
}

RisultatoRisposta LoadArchivioTMP(const std::string& percorso) {
  RisultatoRisposta r;
  try {
    r.estrazioni = DecodificaRisposta(LeggiTutto(percorso));
    r.letta = true;
  } catch (const ErroreRuntime& e) {
    r.estrazioni.clear();
    r.messaggi.push_back(MessaggioArchivio(e, "LoadArchivioTMP", percorso));
  }
  return r;
}

namespace {
// Writes the number with at least two digits at `p`; gives the end.
char* ScriviDueCifre(char* p, unsigned numero) {
  if (numero >= 100) *p++ = static_cast<char>('0' + numero / 100);
  *p++ = static_cast<char>('0' + numero / 10 % 10);
  *p++ = static_cast<char>('0' + numero % 10);
  return p;
}
}  // namespace

void AggiungiDueCifre(std::string& testo, unsigned numero) {
  char cifre[3];
  testo.append(cifre, ScriviDueCifre(cifre, numero));
}

std::string RigaElenco(const Estrazione& e) {
  // The numbers go into a buffer first, to be appended in one piece.
  std::array<char, 4 * 5> numeri;
  char* fine = numeri.data();
  for (const uint8_t n : e.Numeri) {
    *fine++ = ' ';
    fine = ScriviDueCifre(fine, n);
  }
  std::string riga;
  riga.reserve(1 + LUNGHEZZA_DATA + 2 + static_cast<size_t>(fine - numeri.data()));
  riga += ' ';
  riga += TagliaOPadda(e.Data, LUNGHEZZA_DATA);
  riga += " |";
  riga.append(numeri.data(), fine);
  return riga;
}

int64_t IndiceDaRiga(size_t numeroEstrazioni, int64_t riga) {
  const auto n = static_cast<int64_t>(numeroEstrazioni);
  if (riga < 0 || riga >= n) return -1;
  return n - 1 - riga;
}

}  // namespace tlx
