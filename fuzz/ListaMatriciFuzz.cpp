// libFuzzer target of the reader of the server's matrix list: whatever the
// reply, every name it gives is safe to use as a file name in the matrix and
// temporary folders and shows in the list once stored (no hidden file, the
// matrix extension), upper case, and given once.

#include <set>
#include <string_view>

#include "Verifica.h"
#include "matrices/ElencoMatrici.h"
#include "matrices/NomiScaricati.h"

using tlx::fuzz::Verifica;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  using namespace tlx::matrix;
  const std::vector<std::string> nomi = NomiListaMatrici(std::string_view(reinterpret_cast<const char*>(dati), byte));
  Verifica(std::set(nomi.begin(), nomi.end()).size() == nomi.size(), "each name once");
  for (const std::string& nome : nomi) {
    Verifica(!nome.empty() && NomeMatriceArchiviata(nome).size() <= LUNGHEZZA_MASSIMA_NOME,
             "a name of a bounded length");
    Verifica(nome.find("..") == std::string::npos && nome.find_first_not_of('.') != std::string::npos, "no way up");
    Verifica(!nome.starts_with('.') && NomeElencato(NomeMatriceArchiviata(nome)), "stored as a file the list shows");
    for (const char c : nome) {
      Verifica(c >= 0x20 && c < 0x7F && c != '/' && c != '\\' && c != ':', "printable, no separator or drive");
      Verifica(c < 'a' || c > 'z', "upper case");
    }
  }
  return 0;
}
