#include "support/IniFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "support/ErroreRuntime.h"
#include "support/Ascii.h"
#include "support/FileLettura.h"
#include "support/ScritturaAtomica.h"

namespace tlx {

namespace {

std::string_view SenzaBlank(std::string_view t) {
  constexpr std::string_view blank = " \t";
  const size_t primo = t.find_first_not_of(blank);
  if (primo == std::string_view::npos) return {};
  return t.substr(primo, t.find_last_not_of(blank) - primo + 1);
}

// A name or value with a line break would split its line and could plant
// keys of its own in the file: the breaks are written as blanks.
std::string SuUnaRiga(std::string_view t) {
  std::string r(SenzaBlank(t));
  std::ranges::replace_if(r, [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return r;
}

// At most MAX_CARATTERI_VALORE characters up to the first NUL; a UTF-8
// sequence is kept whole or dropped whole.
std::string TagliaValore(std::string_view v) {
  v = v.substr(0, v.find('\0'));
  size_t caratteri = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    const bool inizioCarattere = (static_cast<unsigned char>(v[i]) & 0xC0) != 0x80;
    if (inizioCarattere && ++caratteri > classINI::MAX_CARATTERI_VALORE) return std::string(v.substr(0, i));
  }
  return std::string(v);
}

// "[name]", blanks allowed around the name and the brackets.
std::optional<std::string_view> NomeSezione(std::string_view riga) {
  riga = SenzaBlank(riga);
  if (!riga.starts_with('[')) return std::nullopt;
  const size_t chiusa = riga.rfind(']');
  if (chiusa == std::string_view::npos) return std::nullopt;
  return SenzaBlank(riga.substr(1, chiusa - 1));
}

struct Voce {
  std::string_view chiave;
  std::string_view valore;
};

// "key=value"; comment lines (";") and lines without "=" hold no key.
std::optional<Voce> LeggiVoce(std::string_view riga) {
  riga = SenzaBlank(riga);
  if (riga.starts_with(';')) return std::nullopt;
  const size_t uguale = riga.find('=');
  if (uguale == std::string_view::npos) return std::nullopt;
  return Voce{SenzaBlank(riga.substr(0, uguale)), SenzaBlank(riga.substr(uguale + 1))};
}

// The header line of a section and the end of its lines (the next header or
// the end of the file). The first of sections with the same name counts.
struct Sezione {
  size_t intestazione;
  size_t fine;
};

std::optional<Sezione> TrovaSezione(const std::vector<std::string>& righe, std::string_view nome) {
  for (size_t i = 0; i < righe.size(); ++i) {
    const auto n = NomeSezione(righe[i]);
    if (!n || !UgualiSenzaMaiuscole(*n, nome)) continue;
    size_t fine = i + 1;
    while (fine < righe.size() && !NomeSezione(righe[fine])) ++fine;
    return Sezione{i, fine};
  }
  return std::nullopt;
}

std::optional<size_t> TrovaVoce(const std::vector<std::string>& righe, const Sezione& s, std::string_view chiave) {
  for (size_t i = s.intestazione + 1; i < s.fine; ++i) {
    const auto v = LeggiVoce(righe[i]);
    if (v && UgualiSenzaMaiuscole(v->chiave, chiave)) return i;
  }
  return std::nullopt;
}

// Far more than any settings file the program writes: a larger file is
// not one of them, and is not held in memory.
constexpr int64_t DIMENSIONE_MASSIMA = 1 << 20;

// The lines without their ends (LF or CR LF). Throws the file error; a file
// beyond DIMENSIONE_MASSIMA is refused like one that is no regular file.
std::vector<std::string> LeggiRighe(const std::string& percorso) {
  FileLettura in(percorso);
  std::string testo(static_cast<size_t>(std::min(in.Dimensione(), DIMENSIONE_MASSIMA) + 1), '\0');
  in.read(testo.data(), static_cast<std::streamsize>(testo.size()));
  if (in.gcount() > DIMENSIONE_MASSIMA) throw ErroreFileDaCausa(percorso, NON_FILE_REGOLARE);
  testo.resize(static_cast<size_t>(in.gcount()));
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (testo.starts_with(bom)) testo.erase(0, bom.size());
  std::vector<std::string> righe;
  for (size_t inizio = 0; inizio < testo.size();) {
    const size_t fine = std::min(testo.find('\n', inizio), testo.size());
    std::string riga = testo.substr(inizio, fine - inizio);
    if (riga.ends_with('\r')) riga.pop_back();
    righe.push_back(std::move(riga));
    inizio = fine + 1;
  }
  return righe;
}

// Sets the key among the lines: in its place when the section holds it,
// else after the section's last line that is not blank, or in a new
// section at the end.
void Imposta(std::vector<std::string>& righe, const std::string& nomeSezione, std::string_view chiave,
             std::string_view valore) {
  const std::string nomeChiave = SuUnaRiga(chiave);
  const std::string testo = SuUnaRiga(valore);
  if (const auto s = TrovaSezione(righe, nomeSezione)) {
    if (const auto i = TrovaVoce(righe, *s, nomeChiave)) {
      // The key keeps its spelling as it stands in the file.
      righe[*i] = std::string(LeggiVoce(righe[*i])->chiave) + "=" + testo;
    } else {
      size_t dove = s->fine;
      while (dove > s->intestazione + 1 && SenzaBlank(righe[dove - 1]).empty()) --dove;
      righe.insert(righe.begin() + static_cast<std::ptrdiff_t>(dove), nomeChiave + "=" + testo);
    }
  } else {
    if (!righe.empty() && !SenzaBlank(righe.back()).empty()) righe.emplace_back();
    righe.push_back("[" + nomeSezione + "]");
    righe.push_back(nomeChiave + "=" + testo);
  }
}

}  // namespace

std::string classINI::getProperty(std::string_view sezione, std::string_view chiave,
                                  std::string_view predefinito) const {
  std::vector<std::string> righe;
  try {
    righe = LeggiRighe(percorso_);
  } catch (const ErroreRuntime&) {
    return TagliaValore(predefinito);
  }
  const auto s = TrovaSezione(righe, SenzaBlank(sezione));
  if (!s) return TagliaValore(predefinito);
  const auto i = TrovaVoce(righe, *s, SenzaBlank(chiave));
  if (!i) return TagliaValore(predefinito);
  return TagliaValore(LeggiVoce(righe[*i])->valore);
}

void classINI::setProperty(std::string_view sezione, std::string_view chiave, std::string_view valore) const {
  const VoceINI voce{chiave, std::string(valore)};
  setProperties(sezione, {&voce, 1});
}

void classINI::setProperties(std::string_view sezione, std::span<const VoceINI> voci) const {
  std::vector<std::string> righe;
  try {
    righe = LeggiRighe(percorso_);
  } catch (const ErroreRuntime& e) {
    // A missing file starts empty, and so does a regular file that can't be
    // read (far too large, say): its keys are lost already, every reader
    // gets the defaults, and refusing would leave the user no way to mend it.
    // Anything else in its place (a FIFO, a device, a folder) is no file of
    // ours and stays.
    std::error_code ec;
    if (e.Numero() != errore::FileNotFound && !std::filesystem::is_regular_file(percorso_, ec)) throw;
  }
  const std::string nomeSezione = SuUnaRiga(sezione);
  for (const auto& [chiave, valore] : voci) Imposta(righe, nomeSezione, chiave, valore);
  std::string testo;
  for (const std::string& riga : righe) testo += riga + "\r\n";
  // Written beside the file and renamed over it: the file holds either all
  // the keys of this call or none of them.
  ScritturaAtomica file(percorso_);
  file.Scrivi(testo);
  file.Conferma();
}

}  // namespace tlx
