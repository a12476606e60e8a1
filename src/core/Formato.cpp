#include "core/Formato.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

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
// already rounded.
std::string Componi(const Maschera& m, std::string cifre, bool negativo, const FormatoNumeri& formato) {
  const auto decimali = static_cast<size_t>(m.decimali);
  if (cifre.size() < decimali + 1) cifre.insert(0, decimali + 1 - cifre.size(), '0');
  std::string intera = cifre.substr(0, cifre.size() - decimali);
  const std::string frazione = cifre.substr(cifre.size() - decimali);
  const bool zero = cifre.find_first_not_of('0') == std::string::npos;

  intera.erase(0, std::min(intera.find_first_not_of('0'), intera.size() - 1));
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

bool LeggiNumero(std::string_view testo, const FormatoNumeri& formato, double& valore) {
  std::string pulito;
  for (size_t i = 0; i < testo.size();) {
    if (!formato.separatoreDecimale.empty() && testo.substr(i).starts_with(formato.separatoreDecimale)) {
      pulito += '.';
      i += formato.separatoreDecimale.size();
    } else if (!formato.separatoreMigliaia.empty() && testo.substr(i).starts_with(formato.separatoreMigliaia)) {
      i += formato.separatoreMigliaia.size();
    } else {
      pulito += testo[i++];
    }
  }
  const size_t primo = pulito.find_first_not_of(' ');
  if (primo == std::string::npos) return false;
  // Only a plain decimal number counts: no "inf", "nan" or hexadecimal.
  if (pulito.find_first_not_of(" +-.0123456789") != std::string::npos) return false;
  char* fine = nullptr;
  const double v = std::strtod(pulito.c_str() + primo, &fine);
  if (fine == pulito.c_str() + primo) return false;
  if (pulito.find_first_not_of(' ', static_cast<size_t>(fine - pulito.c_str())) != std::string::npos) return false;
  valore = v;
  return true;
}

}  // namespace tlx
