// libFuzzer target of the parser of the server's archive reply: it either
// refuses the reply with the conversion errors or gives only real draws,
// which the archive file then keeps unchanged.

#include <string_view>

#include "Verifica.h"
#include "archive/Archivio.h"
#include "core/Errori.h"

using tlx::fuzz::Verifica;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  using namespace tlx;
  std::vector<Estrazione> archivio;
  try {
    archivio = DecodificaRisposta(std::string_view(reinterpret_cast<const char*>(dati), byte));
  } catch (const ErroreRuntime& e) {
    Verifica(e.Numero() == errore::TypeMismatch || e.Numero() == 6, "only conversion errors");
    return 0;
  }
  for (const Estrazione& e : archivio) {
    Verifica(EstrazioneValida(e), "five different numbers 1..55");
    Verifica(TagliaOPadda(e.Data, LUNGHEZZA_DATA) == e.Data, "a date of ten characters");
  }
  const std::string immagine = CodificaArchivio(archivio);
  Verifica(DecodificaArchivio({reinterpret_cast<const uint8_t*>(immagine.data()), immagine.size()}) == archivio,
           "stored and read back unchanged");
  return 0;
}
