#include "matrices/NomiScaricati.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>
#include <vector>

#include "core/Errori.h"
#include "matrices/ElencoMatrici.h"
#include "matrices/FileMatrice.h"
#include "support/Ascii.h"
#include "support/FileLettura.h"
#include "support/ScritturaAtomica.h"

namespace tlx::matrix {

namespace {

bool NomeSicuro(std::string_view nome) {
  const std::string archiviato = NomeMatriceArchiviata(nome);
  if (archiviato.size() > LUNGHEZZA_MASSIMA_NOME || !NomeElencato(archiviato)) return false;
  if (nome.find("..") != std::string_view::npos) return false;
  return std::all_of(nome.begin(), nome.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7F && c != '/' && c != '\\' && c != ':';
  });
}

namespace fs = std::filesystem;

// The regular files of `cartella` named `nome` in any letter case.
std::vector<fs::path> Omonimi(const std::string& cartella, const std::string& nome) {
  std::vector<fs::path> omonimi;
  const std::string chiave = MaiuscoloAscii(nome);
  std::error_code ec;
  for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
    std::error_code ecFile;
    if (MaiuscoloAscii(it->path().filename().string()) == chiave && it->is_regular_file(ecFile))
      omonimi.push_back(it->path());
  }
  return omonimi;
}

bool MatriceSana(const fs::path& file) {
  try {
    return LeggiIntestazioneMatrice(file.string()).VersioneValida() && VerificaCrcMatrice(file.string());
  } catch (const ErroreRuntime&) {
    return false;
  }
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
  const struct Rimozione {
    const std::string& file;
    ~Rimozione() {
      std::error_code ec;
      fs::remove(file, ec);
    }
  } rimozione{scaricato};
  const IntestazioneMatrice intestazione = LeggiIntestazioneMatrice(scaricato);
  if (!IntestazioneElencata(intestazione, 0)) return false;
  const std::vector<fs::path> omonimi = Omonimi(cartellaMatrici, nome);
  const bool sana = intestazione.VersioneValida() && VerificaCrcMatrice(scaricato);
  if (!sana && std::ranges::any_of(omonimi, MatriceSana)) return false;
  {
    // Copied beside the target a block at a time and renamed over it: the
    // download and the matrix folder may sit on different file systems.
    FileLettura origine(scaricato);
    ScritturaAtomica scrittura(cartellaMatrici + "/" + nome);
    std::vector<char> blocco(64 * 1024);
    while (origine.read(blocco.data(), std::ssize(blocco)) || origine.gcount() > 0)
      scrittura.Scrivi(blocco.data(), static_cast<size_t>(origine.gcount()));
    scrittura.Conferma();
  }
  for (const fs::path& altro : omonimi) {
    std::error_code ec;
    if (altro.filename() != nome) fs::remove(altro, ec);
  }
  return true;
}

}  // namespace tlx::matrix
