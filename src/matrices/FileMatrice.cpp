#include "matrices/FileMatrice.h"

#include <algorithm>
#include <bitset>

#include "core/Errori.h"
#include "core/TestoFisso.h"
#include "support/BinaryFileStream.h"
#include "support/Crc32.h"
#include "support/FileLettura.h"
#include "support/Windows1252.h"

namespace tlx::matrix {

namespace {

constexpr size_t LUNGHEZZA_COLONNA = 5;

int32_t LeggiS32(std::span<const uint8_t> b, size_t offset) {
  return static_cast<int32_t>(uint32_t{b[offset]} | uint32_t{b[offset + 1]} << 8 | uint32_t{b[offset + 2]} << 16 |
                              uint32_t{b[offset + 3]} << 24);
}

std::string Testo(std::span<const uint8_t> b, size_t offset, size_t larghezza) {
  return DaWindows1252(std::string_view(reinterpret_cast<const char*>(b.data()) + offset, larghezza));
}

// Bytes the file must hold for its K x C entries, header and CRC; 0 when C
// is negative, which no file can satisfy.
uint64_t LunghezzaAttesa(const IntestazioneMatrice& m) {
  if (m.C < 0) return 0;
  return BYTE_INTESTAZIONE + uint64_t{m.K} * static_cast<uint64_t>(m.C) + BYTE_CRC;
}

// A file can be sound only when it holds its header, its K x C entries and
// its CRC, and is no larger than any matrix the program can adapt.
bool LunghezzaPlausibile(const IntestazioneMatrice& h, uint64_t lunghezza) {
  const uint64_t attesa = LunghezzaAttesa(h);
  return lunghezza >= BYTE_INTESTAZIONE + BYTE_CRC && attesa != 0 && lunghezza >= attesa &&
         lunghezza <= BYTE_MASSIMI_MATRICE;
}

[[noreturn]] void Rifiuta(const std::string& descrizione) { throw ErroreRuntime(ERRORE_MATRICE, descrizione); }

}  // namespace

IntestazioneMatrice DecodificaIntestazione(std::span<const uint8_t> byte) {
  std::array<uint8_t, BYTE_INTESTAZIONE> h{};
  std::copy_n(byte.begin(), std::min(byte.size(), h.size()), h.begin());
  IntestazioneMatrice m;
  m.V = h[0];
  m.K = h[1];
  m.T = h[2];
  m.M = h[3];
  m.F = h[4];
  m.C = LeggiS32(h, 5);
  m.PERCENTAGE_COVER = Testo(h, 9, 10);
  m.AUTHOR = Testo(h, 19, 30);
  m.DESCRIPTION = Testo(h, 49, 60);
  std::copy_n(h.begin() + 109, 16, m.Riservato.begin());
  m.Riservato2 = static_cast<int16_t>(h[125] | h[126] << 8);
  m.MATRIX_STRUCTURE.assign(reinterpret_cast<const char*>(h.data()) + 127, 15);
  return m;
}

bool CrcValido(std::span<const uint8_t> byte) {
  if (!LunghezzaPlausibile(DecodificaIntestazione(byte), byte.size())) return false;
  const size_t coperti = byte.size() - BYTE_CRC;
  return cCRC32().GetByteArrayCrc32(byte.first(coperti)) == static_cast<uint32_t>(LeggiS32(byte, coperti));
}

MatriceCaricata DecodificaMatrice(std::span<const uint8_t> byte) {
  MatriceCaricata m;
  IntestazioneMatrice& h = m.Intestazione;
  h = DecodificaIntestazione(byte);
  if (byte.size() < BYTE_INTESTAZIONE + BYTE_CRC || (h.C >= 0 && byte.size() < LunghezzaAttesa(h)))
    Rifiuta("File matrice troncato");
  if (!CrcValido(byte)) Rifiuta("Matrice Corrotta");
  if (!h.VersioneValida()) Rifiuta("Versione non valida");
  if (h.K != LUNGHEZZA_COLONNA) Rifiuta("Colonne della matrice non da 5 numeri");
  if (h.C < 1) Rifiuta("Matrice senza colonne");
  if (h.F > MAX_FISSE) Rifiuta("Matrice con più di " + std::to_string(MAX_FISSE) + " fisse");
  if (h.T > h.K) Rifiuta("Garanzia della matrice maggiore della lunghezza colonna");

  // Block p holds position p of every column: turn it column after column,
  // checking each entry on the way.
  const auto C = static_cast<size_t>(h.C);
  const uint8_t* blocchi = byte.data() + BYTE_INTESTAZIONE;
  m.Matrice.resize(C * LUNGHEZZA_COLONNA);
  for (size_t c = 0; c < C; ++c) {
    std::bitset<256> usati;
    for (size_t p = 0; p < LUNGHEZZA_COLONNA; ++p) {
      const uint8_t indice = blocchi[p * C + c];
      if (indice < 1 || indice > h.V) Rifiuta("Matrice con indici fuori dall'intervallo 1.." + std::to_string(h.V));
      if (usati.test(indice)) Rifiuta("Matrice con indici ripetuti nella stessa colonna");
      usati.set(indice);
      m.Matrice[c * LUNGHEZZA_COLONNA + p] = indice;
    }
  }
  return m;
}

std::vector<uint8_t> LeggiByteFile(const std::string& percorso) {
  FileLettura file(percorso);
  if (file.Dimensione() > static_cast<int64_t>(BYTE_MASSIMI_MATRICE)) Rifiuta("Matrice Corrotta");
  std::vector<uint8_t> byte(static_cast<size_t>(file.Dimensione()));
  file.read(reinterpret_cast<char*>(byte.data()), static_cast<std::streamsize>(byte.size()));
  byte.resize(static_cast<size_t>(file.gcount()));
  return byte;
}

IntestazioneMatrice LeggiIntestazioneMatrice(const std::string& percorso) {
  const std::string p = Trim(percorso);
  FileLettura file(p);
  std::array<uint8_t, BYTE_INTESTAZIONE> h{};
  file.read(reinterpret_cast<char*>(h.data()), static_cast<std::streamsize>(h.size()));
  return DecodificaIntestazione(std::span(h).first(static_cast<size_t>(file.gcount())));
}

MatriceCaricata LeggiMatrice(const std::string& percorso) { return DecodificaMatrice(LeggiByteFile(Trim(percorso))); }

bool VerificaCrcMatrice(const std::string& percorso) {
  cBinaryFileStream file;
  file.File(Trim(percorso));
  std::array<uint8_t, BYTE_INTESTAZIONE> testa{};
  const int32_t letti = file.Read(testa, static_cast<int32_t>(testa.size()));
  const auto lunghezza = static_cast<uint64_t>(file.Length());
  if (!LunghezzaPlausibile(DecodificaIntestazione(std::span(testa).first(static_cast<size_t>(letti))), lunghezza))
    return false;
  const uint32_t crc = cCRC32().GetFileCrc32(file, static_cast<int64_t>(lunghezza - BYTE_CRC));
  std::array<uint8_t, BYTE_CRC> coda{};
  return file.Read(coda, BYTE_CRC) == BYTE_CRC && crc == static_cast<uint32_t>(LeggiS32(coda, 0));
}

}  // namespace tlx::matrix
