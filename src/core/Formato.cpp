#include "core/Formato.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tlx {

namespace {

bool Segnaposto(char c) { return c == '0' || c == '#'; }

// A mask split into what surrounds the digits and how the digits are laid out.
struct Maschera {
  bool senzaCifre = false;
  std::string_view prefisso, suffisso;
  bool raggruppa = false;
  size_t cifreMinime = 0;
  int decimali = 0;
};

Maschera Analizza(std::string_view maschera) {
  Maschera m;
  const size_t inizio = maschera.find_first_of("0#");
  if (inizio == std::string_view::npos) {
    m.senzaCifre = true;
    return m;
  }
  const size_t fine = maschera.find_last_of("0#") + 1;
  m.prefisso = maschera.substr(0, inizio);
  m.suffisso = maschera.substr(fine);
  const std::string_view corpo = maschera.substr(inizio, fine - inizio);
  const size_t punto = corpo.find('.');
  const std::string_view intera = corpo.substr(0, punto);
  const std::string_view decimale = punto == std::string_view::npos ? std::string_view{} : corpo.substr(punto + 1);
  m.raggruppa = intera.find(',') != std::string_view::npos;
  if (const size_t zero = intera.find('0'); zero != std::string_view::npos) {
    for (size_t i = zero; i < intera.size(); ++i)
      if (Segnaposto(intera[i])) ++m.cifreMinime;
  }
  for (char c : decimale)
    if (Segnaposto(c)) ++m.decimali;
  return m;
}

// `cifre` are the decimal digits of the absolute value times 10^decimali,
// already rounded, without leading zeros.
std::string Componi(const Maschera& m, std::string cifre, bool negativo, const FormatoNumeri& formato) {
  const auto decimali = static_cast<size_t>(m.decimali);
  if (cifre.size() < decimali + 1) cifre.insert(0, decimali + 1 - cifre.size(), '0');
  std::string intera = cifre.substr(0, cifre.size() - decimali);
  const std::string frazione = cifre.substr(cifre.size() - decimali);
  const bool zero = cifre.find_first_not_of('0') == std::string::npos;

  if (intera == "0" && m.cifreMinime == 0) intera.clear();
  if (intera.size() < m.cifreMinime) intera.insert(0, m.cifreMinime - intera.size(), '0');
  if (m.raggruppa) {
    for (int i = static_cast<int>(intera.size()) - 3; i > 0; i -= 3)
      intera.insert(static_cast<size_t>(i), formato.separatoreMigliaia);
  }

  std::string out;
  if (negativo && !zero) out += '-';
  out.append(m.prefisso);
  out += intera;
  if (decimali > 0) out += formato.separatoreDecimale + frazione;
  out.append(m.suffisso);
  return out;
}

}  // namespace

std::string Formatta(double valore, std::string_view maschera, const FormatoNumeri& formato) {
  const Maschera m = Analizza(maschera);
  if (m.senzaCifre) return std::string(maschera);
  if (!std::isfinite(valore)) valore = 0;
  // Half away from zero; the relative nudge keeps values such as 2.675 that
  // are stored a hair below the half from rounding down, and stays far below
  // a unit for every amount the program shows. From 2^52 on a double has no
  // fraction left to round.
  const long double scalato = std::fabs(static_cast<long double>(valore)) * std::pow(10.0L, m.decimali);
  const long double spinta = scalato < 0x1p52L ? 1e-12L * scalato : 0.0L;
  const long double arrotondato = std::floor(scalato + 0.5L + spinta);
  std::array<char, 6000> buffer{};
  const auto scritto = std::to_chars(buffer.data(), buffer.data() + buffer.size(), arrotondato,
                                     std::chars_format::fixed, 0);
  return Componi(m, std::string(buffer.data(), scritto.ptr), valore < 0, formato);
}

std::string FormattaScalato(int64_t valore, int scala, std::string_view maschera, const FormatoNumeri& formato) {
  const Maschera m = Analizza(maschera);
  if (m.senzaCifre) return std::string(maschera);
  // Unsigned, so that the most negative value has an absolute value too.
  uint64_t assoluto = valore < 0 ? 0 - static_cast<uint64_t>(valore) : static_cast<uint64_t>(valore);
  std::string cifre;
  if (m.decimali >= scala) {
    cifre = std::to_string(assoluto) + std::string(static_cast<size_t>(m.decimali - scala), '0');
  } else {
    uint64_t divisore = 1;
    for (int i = m.decimali; i < scala; ++i) divisore *= 10;
    const uint64_t resto = assoluto % divisore;
    assoluto /= divisore;
    if (resto >= divisore - resto) ++assoluto;
    cifre = std::to_string(assoluto);
  }
  return Componi(m, std::move(cifre), valore < 0, formato);
}

namespace {

// The digits of `testo` from `i` on, appended to `cifre`; how many there were.
size_t PrendiCifre(std::string_view testo, size_t& i, std::string& cifre) {
  const size_t inizio = i;
  while (i < testo.size() && testo[i] >= '0' && testo[i] <= '9') cifre += testo[i++];
  return i - inizio;
}

bool Segue(std::string_view testo, size_t i, std::string_view separatore) {
  return !separatore.empty() && testo.substr(i).starts_with(separatore);
}

}  // namespace

bool LeggiNumero(std::string_view testo, const FormatoNumeri& formato, double& valore) {
  const size_t primo = testo.find_first_not_of(' ');
  if (primo == std::string_view::npos) return false;
  testo = testo.substr(primo, testo.find_last_not_of(' ') + 1 - primo);

  // The number in the plain form std::from_chars reads: "-1234.5".
  std::string semplice;
  size_t i = 0;
  if (testo[0] == '+' || testo[0] == '-') {
    if (testo[0] == '-') semplice += '-';
    ++i;
  }
  size_t cifre = PrendiCifre(testo, i, semplice);
  // A grouping separator stands only between groups of three digits, after
  // a first group of one to three: read anywhere else ("1.50") it would
  // change the amount a hundredfold.
  if (cifre >= 1 && cifre <= 3) {
    while (Segue(testo, i, formato.separatoreMigliaia)) {
      i += formato.separatoreMigliaia.size();
      if (PrendiCifre(testo, i, semplice) != 3) return false;
    }
  }
  if (Segue(testo, i, formato.separatoreDecimale)) {
    i += formato.separatoreDecimale.size();
    semplice += '.';
    cifre += PrendiCifre(testo, i, semplice);
  }
  if (cifre == 0 || i != testo.size()) return false;

  double letto = 0;
  const char* fine = semplice.data() + semplice.size();
  const auto [dove, esito] = std::from_chars(semplice.data(), fine, letto, std::chars_format::fixed);
  if (esito != std::errc{} || dove != fine) return false;
  valore = letto;
  return true;
}

}  // namespace tlx
