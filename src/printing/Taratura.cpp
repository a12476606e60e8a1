#include "printing/Taratura.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <vector>

#include "core/Errori.h"
#include "core/Formato.h"
#include "support/FileLettura.h"
#include "support/IniFile.h"
#include "support/Windows1252.h"

namespace tlx {

namespace {

constexpr std::string_view CHIAVE_MARCATORE = "Marcatore_Stampa";
constexpr std::string_view CHIAVE_QUALITA = "Qualita_Stampa";
constexpr std::string_view CHIAVE_STAMPANTE = "Nome_Stampante";

constexpr size_t RECORD_VECCHIO = 128;
constexpr size_t RECORD_VECCHI = 10;

// Hundredths of a millimetre, per layout, in the key order.
constexpr std::array<std::array<int, 8>, 3> PREDEFINITE = {{
    {820, 820, 4330, 6200, 5900, 3700, 7000, 600},
    {650, 460, 3540, 870, 700, 250, 600, 600},
    {820, 820, 4330, 6200, 5900, 3700, 5900, 600},
}};

// A plain decimal number: digits, one optional sign and decimal point.
std::optional<double> Numero(std::string_view testo) {
  static const FormatoNumeri decimale{"", "."};
  double v = 0;
  if (!LeggiNumero(testo, decimale, v) || !std::isfinite(v)) return std::nullopt;
  return v;
}

bool DistanzaValida(double mm) { return mm >= DISTANZA_MINIMA && mm <= DISTANZA_MASSIMA; }

std::optional<int16_t> Intero16(double v) {
  const double r = std::nearbyint(v);  // halves to the even neighbour
  if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max()) return std::nullopt;
  return static_cast<int16_t>(r);
}

std::string Centesimi(float mm) { return std::to_string(static_cast<long long>(std::nearbyint(double{mm} * 100))); }

}  // namespace

std::array<float*, 8> CampiDistanze(TaraturaScheda& t) {
  return {&t.kX, &t.kY, &t.kTop, &t.kLeft, &t.kWebX, &t.kWebY, &t.kNomeX, &t.kNomeY};
}

std::array<float, 8> Distanze(const TaraturaScheda& t) {
  return {t.kX, t.kY, t.kTop, t.kLeft, t.kWebX, t.kWebY, t.kNomeX, t.kNomeY};
}

TaraturaScheda TaraturaPredefinita(LayoutScheda layout) {
  TaraturaScheda t;
  const auto& centesimi = PREDEFINITE[static_cast<size_t>(layout)];
  const auto campi = CampiDistanze(t);
  for (size_t i = 0; i < campi.size(); ++i) *campi[i] = static_cast<float>(centesimi[i]) / 100.0F;
  t.Marcatore = MARCATORE_QUADRATINO;
  t.Qualita = 0;
  t.NomeStampante = NESSUNA_STAMPANTE_SCELTA;
  return t;
}

TaraturaScheda LeggiTaratura(const std::string& file, LayoutScheda layout) {
  TaraturaScheda t = TaraturaPredefinita(layout);
  const classINI ini(file);
  const auto campi = CampiDistanze(t);
  for (size_t i = 0; i < campi.size(); ++i) {
    const auto v = Numero(ini.getProperty(SEZIONE_TARATURA, CHIAVI_DISTANZE[i], ""));
    if (v && DistanzaValida(*v / 100)) *campi[i] = static_cast<float>(*v / 100);
  }
  if (const auto v = Numero(ini.getProperty(SEZIONE_TARATURA, CHIAVE_MARCATORE, ""))) {
    if (const auto m = Intero16(*v)) t.Marcatore = *m;
  }
  t.NomeStampante = ini.getProperty(SEZIONE_TARATURA, CHIAVE_STAMPANTE, NESSUNA_STAMPANTE_SCELTA);
  if (const auto v = Numero(ini.getProperty(SEZIONE_TARATURA, CHIAVE_QUALITA, ""))) {
    if (const auto q = Intero16(*v)) t.Qualita = *q;
  }
  return t;
}

bool SalvaTaratura(const std::string& file, const TaraturaScheda& t) {
  std::vector<VoceINI> voci;
  const auto distanze = Distanze(t);
  for (size_t i = 0; i < distanze.size(); ++i) voci.emplace_back(CHIAVI_DISTANZE[i], Centesimi(distanze[i]));
  voci.emplace_back(CHIAVE_MARCATORE, std::to_string(t.Marcatore));
  voci.emplace_back(CHIAVE_QUALITA, std::to_string(t.Qualita));
  voci.emplace_back(CHIAVE_STAMPANTE, t.NomeStampante);
  try {
    classINI(file).setProperties(SEZIONE_TARATURA, voci);
  } catch (const ErroreRuntime&) {
    return false;
  }
  return true;
}

TaraturaScheda TaraturaDaFileVecchio(std::span<const uint8_t> byte) {
  TaraturaScheda t = TaraturaPredefinita(LayoutScheda::UnaColonna);
  auto record = [&](size_t n, size_t lunghezza) -> std::optional<std::span<const uint8_t>> {
    const size_t inizio = (n - 1) * RECORD_VECCHIO;
    if (byte.size() < inizio + lunghezza) return std::nullopt;
    return byte.subspan(inizio, lunghezza);
  };
  auto intero16 = [](std::span<const uint8_t> b) {
    return static_cast<int16_t>(static_cast<uint16_t>(b[0] | (b[1] << 8)));
  };

  const auto campi = CampiDistanze(t);
  for (size_t i = 0; i < campi.size(); ++i) {
    const auto r = record(i + 1, 4);
    if (!r) continue;
    const uint32_t bit = static_cast<uint32_t>((*r)[0]) | static_cast<uint32_t>((*r)[1]) << 8 |
                         static_cast<uint32_t>((*r)[2]) << 16 | static_cast<uint32_t>((*r)[3]) << 24;
    float mm = 0;
    std::memcpy(&mm, &bit, sizeof mm);
    if (std::isfinite(mm) && DistanzaValida(mm)) *campi[i] = mm;
  }
  if (const auto r = record(9, 2)) t.Marcatore = intero16(*r);
  if (const auto r = record(10, 2)) {
    const int16_t n = intero16(*r);
    if (n >= 0 && static_cast<size_t>(n) <= RECORD_VECCHIO - 2) {
      if (const auto nome = record(10, 2 + static_cast<size_t>(n))) {
        const auto testo = nome->subspan(2);
        t.NomeStampante = DaWindows1252({reinterpret_cast<const char*>(testo.data()), testo.size()});
      }
    }
  }
  return t;
}

bool MigraTaraturaVecchia(const std::string& fileVecchio, const std::string& fileNuovo, TaraturaScheda& t) {
  // Nothing past the ten records matters.
  std::vector<uint8_t> byte(RECORD_VECCHIO * RECORD_VECCHI);
  try {
    FileLettura in(fileVecchio);
    in.read(reinterpret_cast<char*>(byte.data()), static_cast<std::streamsize>(byte.size()));
    byte.resize(static_cast<size_t>(in.gcount()));
  } catch (const ErroreRuntime&) {
    return false;
  }

  const int16_t qualita = t.Qualita;
  t = TaraturaDaFileVecchio(byte);
  t.Qualita = qualita;
  std::error_code ec;
  if (SalvaTaratura(fileNuovo, t)) std::filesystem::remove(fileVecchio, ec);
  return true;
}

}  // namespace tlx
