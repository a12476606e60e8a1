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
    const std::array<uint8_t, 5> n = Ordinati(archivio[i]);
    const int pari = ContaPari(n);
    ++s.Pari[static_cast<size_t>(pari)];
    ++s.Dispari[static_cast<size_t>(5 - pari)];
    ++s.Somma[static_cast<size_t>(ClasseSomma(SommaNumeri(n)))];
    ++s.Consecutivi[static_cast<size_t>(MaxConsecutivi(n))];
    if (i > 0) ++s.Ripetuti[static_cast<size_t>(ContaRipetuti(n, archivio[i - 1].Numeri))];
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
    const std::array<uint8_t, 5> n = Ordinati(e);
    const int pari = ContaPari(n);
    testo += TagliaOPadda(e.Data, LUNGHEZZA_DATA);
    for (uint8_t numero : e.Numeri) {
      testo += ';';
      AggiungiDueCifre(testo, numero);
    }
    testo += ';';
    if (i > 0) testo += std::to_string(ContaRipetuti(n, archivio[i - 1].Numeri));
    testo += ';' + std::to_string(pari) + ';' + std::to_string(5 - pari) + ';' + std::to_string(MaxConsecutivi(n)) +
             ';' + std::to_string(SommaNumeri(n)) + "\r\n";
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
  std::error_code ec;
  int rimasti = 0;
  for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
    const std::string nome = it->path().filename().string();
    if (!nome.starts_with("trlxqvx_") || !nome.ends_with(".csv")) continue;
    std::error_code errore;
    if (!fs::remove(it->path(), errore) || errore) ++rimasti;
  }
  return rimasti;
}

DatiGrafico DatiDelGrafico(const Statistiche& s, Grafico grafico) {
  DatiGrafico d;
  const auto riga = [&d](const std::string& nome, int32_t valore) {
    d.etichette.push_back(nome + " --> " + Formatta(valore, "     0"));
    d.valori.push_back(valore);
  };
  const auto tabella = [&](const std::array<int32_t, 6>& t, int da) {
    for (int k = da; k <= 5; ++k) riga(DueCifre(k), t[static_cast<size_t>(k)]);
  };
  switch (grafico) {
    case Grafico::Consecutivi:
      d.titolo = "Consecutivi";
      tabella(s.Consecutivi, 1);
      break;
    case Grafico::Ripetuti:
      d.titolo = "Ripetuti";
      tabella(s.Ripetuti, 0);
      break;
    case Grafico::Pari:
      d.titolo = "Pari";
      tabella(s.Pari, 0);
      break;
    case Grafico::Dispari:
      d.titolo = "Dispari";
      tabella(s.Dispari, 0);
      break;
    case Grafico::Somma:
      d.titolo = "Somma";
      for (size_t k = 0; k < CLASSI_SOMMA.size(); ++k)
        riga(Formatta(CLASSI_SOMMA[k].first, "000-") + Formatta(CLASSI_SOMMA[k].second, "000"), s.Somma[k + 1]);
      break;
    case Grafico::Frequenza:
      d.titolo = "Frequenza Numeri";
      for (size_t j = 1; j <= NUMERI; ++j) riga(DueCifre(s.FrequenzaNumeri[1][j]), s.FrequenzaNumeri[0][j]);
      break;
  }
  return d;
}

}  // namespace tlx
