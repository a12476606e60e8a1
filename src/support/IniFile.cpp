#include "support/IniFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "support/ErroreRuntime.h"
#include "support/Ascii.h"
#include "support/ScritturaAtomica.h"

namespace tlx {

namespace {

namespace fs = std::filesystem;

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

// The lines without their ends (LF or CR LF); nullopt when the file can't
// be read.
std::optional<std::vector<std::string>> LeggiRighe(const fs::path& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> righe;
  for (std::string riga; std::getline(in, riga);) {
    if (riga.ends_with('\r')) riga.pop_back();
    righe.push_back(std::move(riga));
  }
  if (in.bad()) return std::nullopt;
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (!righe.empty() && righe.front().starts_with(bom)) righe.front().erase(0, bom.size());
  return righe;
}

// Written beside the file and renamed over it, so that a failed write never
// leaves a half file in place of the settings. Failures stay silent.
void ScriviRighe(const fs::path& percorso, const std::vector<std::string>& righe) {
  std::string testo;
  for (const std::string& riga : righe) testo += riga + "\r\n";
  try {
    ScritturaAtomica file(percorso.string());
    file.Scrivi(testo);
    file.Conferma();
  } catch (const ErroreRuntime&) {
  }
}

}  // namespace

std::string classINI::getProperty(std::string_view sezione, std::string_view chiave,
                                  std::string_view predefinito) const {
  const auto righe = LeggiRighe(percorso_);
  if (!righe) return TagliaValore(predefinito);
  const auto s = TrovaSezione(*righe, SenzaBlank(sezione));
  if (!s) return TagliaValore(predefinito);
  const auto i = TrovaVoce(*righe, *s, SenzaBlank(chiave));
  if (!i) return TagliaValore(predefinito);
  return TagliaValore(LeggiVoce((*righe)[*i])->valore);
}

void classINI::setProperty(std::string_view sezione, std::string_view chiave, std::string_view valore) const {
  const fs::path percorso(percorso_);
  std::error_code ec;
  std::vector<std::string> righe;
  if (fs::exists(percorso, ec)) {
    auto lette = LeggiRighe(percorso);
    if (!lette) return;  // rewriting an unreadable file would lose its content
    righe = std::move(*lette);
  } else if (ec) {
    return;
  }

  const std::string nomeSezione = SuUnaRiga(sezione);
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
  ScriviRighe(percorso, righe);
}

}  // namespace tlx
