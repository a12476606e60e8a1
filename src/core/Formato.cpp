#include "core/Formato.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tlx {

namespace {
bool Segnaposto(char c) { return c == '0' || c == '#'; }
}  // namespace

std::string Formatta(double valore, std::string_view maschera, const FormatoNumeri& formato) {
  const size_t inizio = maschera.find_first_of("0#");
  if (inizio == std::string_view::npos) return std::string(maschera);
  size_t fine = maschera.find_last_of("0#") + 1;
  const std::string_view prefisso = maschera.substr(0, inizio);
  const std::string_view corpo = maschera.substr(inizio, fine - inizio);
  const std::string_view suffisso = maschera.substr(fine);

  const size_t punto = corpo.find('.');
  const std::string_view intera = corpo.substr(0, punto);
  const std::string_view decimale = punto == std::string_view::npos ? std::string_view{} : corpo.substr(punto + 1);
  const bool raggruppa = intera.find(',') != std::string_view::npos;
  size_t cifreMinime = 0;
  if (const size_t zero = intera.find('0'); zero != std::string_view::npos) {
    for (size_t i = zero; i < intera.size(); ++i)
      if (Segnaposto(intera[i])) ++cifreMinime;
  }
  int decimali = 0;
  for (char c : decimale)
    if (Segnaposto(c)) ++decimali;

  const bool negativo = valore < 0;
  const double scala = std::pow(10.0, decimali);
  // Half away from zero; the relative nudge keeps values such as 2.675 that
  // are stored a hair below the half from rounding down, and stays far below
  // a unit for every amount the program shows.
  const long double scalato = std::fabs(static_cast<long double>(valore)) * scala;
  const auto intero = static_cast<uint64_t>(std::floor(scalato + 0.5L + 1e-12L * scalato));
  std::string cifre = std::to_string(intero / static_cast<uint64_t>(scala));
  std::string frazione = std::to_string(intero % static_cast<uint64_t>(scala));
  if (decimali > 0) frazione.insert(0, static_cast<size_t>(decimali) - frazione.size(), '0');

  if (cifre == "0" && cifreMinime == 0) cifre.clear();
  if (cifre.size() < cifreMinime) cifre.insert(0, cifreMinime - cifre.size(), '0');
  if (raggruppa) {
    for (int i = static_cast<int>(cifre.size()) - 3; i > 0; i -= 3)
      cifre.insert(static_cast<size_t>(i), formato.separatoreMigliaia);
  }

  std::string out;
  if (negativo && intero != 0) out += '-';
  out.append(prefisso);
  out += cifre;
  if (decimali > 0) out += formato.separatoreDecimale + frazione;
  out.append(suffisso);
  return out;
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
