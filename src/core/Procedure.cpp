#include "core/Procedure.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "core/Errori.h"
#include "core/Formato.h"
#include "core/Sistema.h"

namespace tlx {

namespace {
std::string DueCifre(int valore) { return Formatta(valore, "00"); }
}  // namespace

std::string MascheraInTesto(int32_t maschera) {
  std::string testo;
  for (int valore = 0; valore <= 5; ++valore)
    if (maschera & PotenzeDiDue[static_cast<size_t>(valore)]) testo += DueCifre(valore) + " ";
  return Trim(testo);
}

std::string MascheraInTesto2(int32_t maschera) { return MascheraInTesto(maschera); }

std::string ArrayInTesto(std::span<const uint8_t> valori, int spazi) {
  const std::string separatore(static_cast<size_t>(std::max(spazi, 0)), ' ');
  std::string testo;
  for (const uint8_t v : valori) testo += DueCifre(v) + separatore;
  return Trim(testo);
}

std::string FormattaData(const DataOra& d) { return Formatta(d.anno, "0000") + DueCifre(d.mese) + DueCifre(d.giorno); }

std::string FormattaOra(const DataOra& d) { return DueCifre(d.ore) + DueCifre(d.minuti) + DueCifre(d.secondi); }

std::string SostituisciTutto(std::string testo, std::string_view cerca, std::string_view con) {
  for (size_t p = testo.find(cerca); p != std::string::npos; p = testo.find(cerca, p + con.size()))
    testo.replace(p, cerca.size(), con);
  return testo;
}

std::string& NormalizzaSpazi(std::string& testo) {
  // A lone CR or LF counts as a line break too: lines read up to LF keep the
  // CR of a CR LF file.
  std::replace_if(testo.begin(), testo.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  testo.erase(std::unique(testo.begin(), testo.end(), [](char a, char b) { return a == ' ' && b == ' '; }), testo.end());
  testo = Trim(testo);
  return testo;
}

bool FileExists(const std::string& percorso) {
  std::error_code ec;
  return std::filesystem::is_regular_file(percorso, ec);
}

bool ScriviCsvGriglia(const std::vector<std::vector<std::string>>& celle, const std::string& percorso,
                      Messaggi* errori) {
  const auto fallito = [&](const ErroreRuntime& e) {
    if (errori) errori->push_back(MessaggioErrore(e, "MSHFlexGridTocsv", "Module Corpo"));
    return false;
  };
  std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
  if (!out) return fallito(ErroreFile(percorso, true));
  for (const auto& riga : celle) {
    for (const std::string& cella : riga) out << cella << ';';
    out << "\r\n";
  }
  out.close();
  if (!out) return fallito(ErroreRuntime(errore::DiskFull, "Disk full"));
  return true;
}

}  // namespace tlx
