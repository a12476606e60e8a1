#include "matrices/ElencoMatrici.h"

#include <algorithm>
#include <filesystem>

#include "core/Errori.h"
#include "core/TestoFisso.h"
#include "support/Ascii.h"

namespace tlx::matrix {

namespace {

constexpr uint8_t MAX_ESTRATTI = 5;
constexpr uint8_t LUNGHEZZA_COLONNA = 5;

bool FiniscePer(std::string_view nome, std::string_view estensione) {
  if (nome.size() <= estensione.size()) return false;
  return UgualiSenzaMaiuscole(nome.substr(nome.size() - estensione.size()), estensione);
}

size_t Caratteri(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::vector<std::string> ElencaFile(const std::string& cartella, std::string_view estensione) {
  namespace fs = std::filesystem;
  std::vector<std::string> nomi;
  std::error_code ec;
  for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
    const std::string nome = it->path().filename().string();
    std::error_code ecTipo;
    if (nome.starts_with('.') || !it->is_regular_file(ecTipo) || !FiniscePer(nome, estensione)) continue;
    nomi.push_back(nome);
  }
  return nomi;
}

bool NomeElencato(std::string_view nome) { return !nome.starts_with('.') && FiniscePer(nome, ESTENSIONE_MATRICE); }

bool IntestazioneElencata(const IntestazioneMatrice& h, uint8_t V) {
  return (V == 0 || h.V == V) && h.K == LUNGHEZZA_COLONNA && h.M <= MAX_ESTRATTI;
}

VoceElencoMatrici VocePersonalizzata() {
  VoceElencoMatrici v;
  v.NomeFile = NOME_VOCE_PERSONALIZZATA;
  v.VersioneValida = true;
  v.CrcValido = true;
  v.Intestazione.AUTHOR = TagliaOPadda("VELMORA", 30);
  v.Intestazione.DESCRIPTION = TagliaOPadda("Premi il pulsante File TXT e carica la tua matrice", 60);
  return v;
}

std::vector<VoceElencoMatrici> CaricaElencoMatrici(const std::string& cartella, uint8_t V) {
  const bool tutte = V == 0;
  std::vector<VoceElencoMatrici> elenco;
  for (const std::string& nome : ElencaFile(cartella, ESTENSIONE_MATRICE)) {
    const std::string percorso = cartella + "/" + nome;
    VoceElencoMatrici voce;
    voce.NomeFile = nome;
    try {
      // Only the header of a file that is not listed is read.
      voce.Intestazione = LeggiIntestazioneMatrice(percorso);
      if (!IntestazioneElencata(voce.Intestazione, V)) continue;
      voce.CrcValido = VerificaCrcMatrice(percorso);
    } catch (const ErroreRuntime&) {
      continue;  // vanished or unreadable since the listing: nothing to show
    }
    voce.VersioneValida = voce.Intestazione.VersioneValida();
    elenco.push_back(std::move(voce));
  }
  if (!tutte) elenco.push_back(VocePersonalizzata());
  OrdinaElencoMatrici(elenco);
  return elenco;
}

void OrdinaElencoMatrici(std::vector<VoceElencoMatrici>& elenco) {
  for (size_t i = 0; i < elenco.size(); ++i)
    for (size_t j = i + 1; j < elenco.size(); ++j)
      if (elenco[i].Intestazione.V > elenco[j].Intestazione.V) std::swap(elenco[i], elenco[j]);
}

std::string FormattaCampo(double valore, int larghezza, const FormatoNumeri& formato) {
  std::string maschera = "0";
  for (int i = 2; i <= larghezza; ++i) {
    maschera.insert(0, 1, '#');
    if (i < larghezza && i % 3 == 0) maschera.insert(0, 1, ',');
  }
  std::string testo = Formatta(valore, maschera, formato);
  const size_t n = Caratteri(testo);
  if (n < static_cast<size_t>(larghezza)) testo.insert(0, static_cast<size_t>(larghezza) - n, ' ');
  return testo;
}

std::string RigaElenco(const VoceElencoMatrici& voce, const FormatoNumeri& formato) {
  const IntestazioneMatrice& h = voce.Intestazione;
  std::string riga(1, ' ');
  riga += FormattaCampo(h.V, 2, formato);
  for (const int valore : {int{h.K}, int{h.T}, int{h.M}, int{h.F}}) riga += " | " + FormattaCampo(valore, 2, formato);
  riga += " | " + FormattaCampo(h.C, 6, formato) + " | ";
  // A cover never written holds NUL characters: they show as blanks.
  std::string copertura = TagliaOPadda(h.PERCENTAGE_COVER, 10);
  std::replace(copertura.begin(), copertura.end(), '\0', ' ');
  return riga + copertura;
}

}  // namespace tlx::matrix
