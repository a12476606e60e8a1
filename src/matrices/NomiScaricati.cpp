#include "matrices/NomiScaricati.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "core/Errori.h"
#include "matrices/FileMatrice.h"
#include "support/Ascii.h"
#include "support/ScritturaAtomica.h"

namespace tlx::matrix {

namespace {

bool NomeSicuro(std::string_view nome) {
  if (nome.empty() || NomeMatriceArchiviata(nome).size() > LUNGHEZZA_MASSIMA_NOME) return false;
  if (nome.find("..") != std::string_view::npos || nome.find_first_not_of('.') == std::string_view::npos) return false;
  return std::all_of(nome.begin(), nome.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7F && c != '/' && c != '\\' && c != ':';
  });
}

}  // namespace

std::vector<std::string> NomiListaMatrici(std::string_view risposta) {
  std::vector<std::string> nomi;
  std::unordered_set<std::string> visti;
  while (!risposta.empty()) {
    const size_t fine = std::min(risposta.find('\n'), risposta.size());
    std::string_view riga = risposta.substr(0, fine);
    if (riga.ends_with('\r')) riga.remove_suffix(1);
    std::string nome = MaiuscoloAscii(std::string(riga));
    if (NomeSicuro(nome) && visti.insert(nome).second) nomi.push_back(std::move(nome));
    risposta.remove_prefix(std::min(fine + 1, risposta.size()));
  }
  return nomi;
}

std::string NomeMatriceArchiviata(std::string_view nomeScaricato) {
  std::string nome(nomeScaricato);
  for (size_t p = nome.find(".DAT"); p != std::string::npos; p = nome.find(".DAT", p + ESTENSIONE_MATRICE.size()))
    nome.replace(p, 4, ESTENSIONE_MATRICE);
  return nome;
}

bool ArchiviaMatrice(const std::string& scaricato, const std::string& cartellaMatrici, const std::string& nome) {
  namespace fs = std::filesystem;
  const struct Rimozione {
    const std::string& file;
    ~Rimozione() {
      std::error_code ec;
      fs::remove(file, ec);
    }
  } rimozione{scaricato};
  const std::vector<uint8_t> byte = LeggiByteFile(scaricato);
  if (!DecodificaIntestazione(byte).VersioneValida() || !CrcValido(byte)) return false;
  {
    // Written beside the target and renamed over it: the download and the
    // matrix folder may sit on different file systems.
    ScritturaAtomica scrittura(cartellaMatrici + "/" + nome);
    scrittura.Scrivi(byte.data(), byte.size());
    scrittura.Conferma();
  }
  const std::string chiave = MaiuscoloAscii(nome);
  std::error_code ec;
  for (fs::directory_iterator it(cartellaMatrici, ec), fine; !ec && it != fine; it.increment(ec)) {
    const std::string altro = it->path().filename().string();
    std::error_code ecFile;
    if (altro != nome && MaiuscoloAscii(altro) == chiave && it->is_regular_file(ecFile)) fs::remove(it->path(), ecFile);
  }
  return true;
}

}  // namespace tlx::matrix
