#include "archive/Statistiche.h"

#include <algorithm>
#include <filesystem>

#include "archive/Archivio.h"
#include "core/Errori.h"
#include "core/Formato.h"
#include "support/ScritturaAtomica.h"
#include "support/Windows1252.h"

namespace tlx {

namespace {

constexpr std::array<std::pair<int, int>, 5> CLASSI_SOMMA = {{{15, 65}, {66, 115}, {116, 165}, {166, 215}, {216, 265}}};

std::array<uint8_t, 5> Ordinati(const Estrazione& e) {
  std::array<uint8_t, 5> n = e.Numeri;
  std::sort(n.begin(), n.end());
  return n;
}

std::string DueCifre(int valore) { return Formatta(valore, "00"); }

// What the statistics count of draw i (its run, sum, evens, and how many
// numbers repeat the draw before it; -1 for the oldest, which has none).
struct Misure {
  int pari, somma, consecutivi, ripetuti;
};

Misure Misura(const std::vector<Estrazione>& archivio, size_t i) {
  const std::array<uint8_t, 5> n = Ordinati(archivio[i]);
  return {ContaPari(n), SommaNumeri(n), MaxConsecutivi(n), i > 0 ? ContaRipetuti(n, archivio[i - 1].Numeri) : -1};
}

}  // namespace

int ContaPari(std::span<const uint8_t, 5> ordinati) {
  return static_cast<int>(std::count_if(ordinati.begin(), ordinati.end(), [](uint8_t n) { return n % 2 == 0; }));
}

int SommaNumeri(std::span<const uint8_t, 5> ordinati) {
  int somma = 0;
  for (uint8_t n : ordinati) somma += n;
  return somma;
}

int MaxConsecutivi(std::span<const uint8_t, 5> ordinati) {
  int migliore = 1, corrente = 1;
  for (size_t i = 1; i < ordinati.size(); ++i) {
    corrente = ordinati[i] == ordinati[i - 1] + 1 ? corrente + 1 : 1;
    migliore = std::max(migliore, corrente);
  }
  return migliore;
}

int ContaRipetuti(std::span<const uint8_t, 5> numeri, std::span<const uint8_t, 5> altra) {
  return static_cast<int>(std::count_if(numeri.begin(), numeri.end(), [&](uint8_t n) {
    return std::find(altra.begin(), altra.end(), n) != altra.end();
  }));
}

int ClasseSomma(int somma) {
  for (size_t k = 0; k < CLASSI_SOMMA.size(); ++k)
    if (somma <= CLASSI_SOMMA[k].second) return static_cast<int>(k) + 1;
  return static_cast<int>(CLASSI_SOMMA.size());
}

Statistiche CalcolaStatistiche(const std::vector<Estrazione>& archivio) {
  Statistiche s;
  for (size_t i = 0; i < archivio.size(); ++i) {
    const Misure m = Misura(archivio, i);
    ++s.Pari[static_cast<size_t>(m.pari)];
    ++s.Dispari[static_cast<size_t>(5 - m.pari)];
    ++s.Somma[static_cast<size_t>(ClasseSomma(m.somma))];
    ++s.Consecutivi[static_cast<size_t>(m.consecutivi)];
    if (m.ripetuti >= 0) ++s.Ripetuti[static_cast<size_t>(m.ripetuti)];
  }
  s.FrequenzaNumeri = CalcolaFrequenzaNumeri(archivio);
  return s;
}

std::string NomeFileStatistiche(const DataOra& momento) {
  return "trlxqvx_" + FormattaData(momento) + "_" + FormattaOra(momento) + ".csv";
}

std::string TestoFileStatistiche(const std::vector<Estrazione>& archivio) {
  std::string testo;
  testo.reserve((archivio.size() + 1) * 48);
  testo.append(INTESTAZIONE_STATISTICHE).append("\r\n");
  for (size_t i = archivio.size(); i-- > 0;) {
    const Estrazione& e = archivio[i];
    const Misure m = Misura(archivio, i);
    testo += TagliaOPadda(e.Data, LUNGHEZZA_DATA);
    for (uint8_t numero : e.Numeri) {
      testo += ';';
      AggiungiDueCifre(testo, numero);
    }
    testo += ';';
    if (m.ripetuti >= 0) testo += std::to_string(m.ripetuti);
    testo += ';' + std::to_string(m.pari) + ';' + std::to_string(5 - m.pari) + ';' + std::to_string(m.consecutivi) +
             ';' + std::to_string(m.somma) + "\r\n";
  }
  return testo;
}

Messaggi ScriviFileStatistiche(const std::vector<Estrazione>& archivio, const std::string& percorso) {
  try {
    ScritturaAtomica file(percorso);
    file.Scrivi(AWindows1252(TestoFileStatistiche(archivio)));
    file.Conferma();
    return {};
  } catch (const ErroreRuntime& e) {
    return {MessaggioErrore(e, "Statistiche", "Form frmStatistiche")};
  }
}

int CancellaFileStatistiche(const std::string& cartella) {
  namespace fs = std::filesystem;
  const auto statistiche = [](std::string_view nome) { return nome.starts_with("trlxqvx_") && nome.ends_with(".csv"); };
  std::error_code ec;
  int rimasti = 0;
  for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
    if (!statistiche(it->path().filename().string())) continue;
    std::error_code errore;
    if (!fs::remove(it->path(), errore) || errore) ++rimasti;
  }
  RimuoviAvanziScritturaCondivisa(cartella, statistiche);
  return rimasti;
}

DatiGrafico DatiDelGrafico(const Statistiche& s, Grafico grafico) {
  DatiGrafico d;
  const auto riga = [&d](const std::string& nome, int32_t valore) {
    d.etichette.push_back(nome + " --> " + Formatta(valore, "     0"));
    d.valori.push_back(valore);
  };
  // The four charts of a count 0..5 (a run is at least 1).
  struct Conteggio {
    Grafico grafico;
    const char* titolo;
    const std::array<int32_t, 6> Statistiche::*tabella;
    int da;
  };
  static constexpr Conteggio CONTEGGI[] = {{Grafico::Consecutivi, "Consecutivi", &Statistiche::Consecutivi, 1},
                                           {Grafico::Ripetuti, "Ripetuti", &Statistiche::Ripetuti, 0},
                                           {Grafico::Pari, "Pari", &Statistiche::Pari, 0},
                                           {Grafico::Dispari, "Dispari", &Statistiche::Dispari, 0}};
  for (const Conteggio& c : CONTEGGI) {
    if (c.grafico != grafico) continue;
    d.titolo = c.titolo;
    for (int k = c.da; k <= 5; ++k) riga(DueCifre(k), (s.*c.tabella)[static_cast<size_t>(k)]);
    return d;
  }
  if (grafico == Grafico::Somma) {
    d.titolo = "Somma";
    for (size_t k = 0; k < CLASSI_SOMMA.size(); ++k)
      riga(Formatta(CLASSI_SOMMA[k].first, "000-") + Formatta(CLASSI_SOMMA[k].second, "000"), s.Somma[k + 1]);
  } else {
    d.titolo = "Frequenza Numeri";
    for (size_t j = 1; j <= NUMERI; ++j) riga(DueCifre(s.FrequenzaNumeri[1][j]), s.FrequenzaNumeri[0][j]);
  }
  return d;
}

}  // namespace tlx
