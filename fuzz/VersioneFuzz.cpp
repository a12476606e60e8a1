// libFuzzer target of the comparison of the server's version line with the
// program's own: any line gives one of the three answers, and the answer
// agrees with the line's numbers wherever they can be read plainly.

#include <algorithm>
#include <string>
#include <string_view>

#include "Verifica.h"
#include "core/Versione.h"

using tlx::fuzz::Verifica;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  using namespace tlx;
  const std::string_view riga(reinterpret_cast<const char*>(dati), byte);
  const std::string locale = VersioneProgramma();
  const ConfrontoVersione esito = ConfrontaVersioni(locale, riga);
  // The program's own line, and anything after a fourth component, is never newer.
  if (riga.starts_with(locale + ".") || riga == locale)
    Verifica(esito == ConfrontoVersione::ServerUgualeOPrecedente, "the same version");
  // The first component a thousand or more, with three components at least, is always newer.
  if (riga.starts_with("1000") && std::count(riga.begin(), riga.end(), '.') >= 2)
    Verifica(esito == ConfrontoVersione::ServerPiuRecente, "a larger first component");
  return 0;
}
