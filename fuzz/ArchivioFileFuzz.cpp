// libFuzzer target of the archive file reader: any bytes give only real
// draws, and writing them back and reading again gives the same draws.

#include "Verifica.h"
#include "archive/Archivio.h"

using tlx::fuzz::Verifica;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  using namespace tlx;
  const std::vector<Estrazione> archivio = DecodificaArchivio({dati, byte});
  Verifica(archivio.size() <= byte / BYTE_RECORD_ESTRAZIONE, "no more draws than whole records");
  for (const Estrazione& e : archivio) {
    Verifica(EstrazioneValida(e), "five different numbers 1..55");
    Verifica(TagliaOPadda(e.Data, LUNGHEZZA_DATA) == e.Data, "a date of ten characters");
  }
  const std::string immagine = CodificaArchivio(archivio);
  Verifica(immagine.size() == archivio.size() * BYTE_RECORD_ESTRAZIONE, "fifteen bytes a draw");
  Verifica(DecodificaArchivio({reinterpret_cast<const uint8_t*>(immagine.data()), immagine.size()}) == archivio,
           "written and read back unchanged");
  return 0;
}
