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
constexpr size_t BLOCCO = 64 * 1024;  // read from a file at a time

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
// its CRC.
bool LunghezzaPlausibile(const IntestazioneMatrice& h, uint64_t lunghezza) {
  const uint64_t attesa = LunghezzaAttesa(h);
  return lunghezza >= BYTE_INTESTAZIONE + BYTE_CRC && attesa != 0 && lunghezza >= attesa;
}

// The entries are read only for a matrix of five-number columns that a
// system can hold: nothing else can be adapted.
bool VociDaLeggere(const IntestazioneMatrice& h) { return h.K == LUNGHEZZA_COLONNA && h.C >= 1 && h.C <= CAPIENZA; }

[[noreturn]] void Rifiuta(const std::string& descrizione) { throw ErroreRuntime(ERRORE_MATRICE, descrizione); }

// Everything a whole file is refused for, from its header, its length and
// its CRC, in the order the reasons are given.
void VerificaFile(const IntestazioneMatrice& h, uint64_t lunghezza, bool crcValido) {
  if (lunghezza < BYTE_INTESTAZIONE + BYTE_CRC || (h.C >= 0 && lunghezza < LunghezzaAttesa(h)))
    Rifiuta("File matrice troncato");
  if (!crcValido) Rifiuta("Matrice Corrotta");
  if (!h.VersioneValida()) Rifiuta("Versione non valida");
  if (h.K != LUNGHEZZA_COLONNA) Rifiuta("Colonne della matrice non da 5 numeri");
  if (h.C < 1) Rifiuta("Matrice senza colonne");
  if (h.F > MAX_FISSE) Rifiuta("Matrice con più di " + std::to_string(MAX_FISSE) + " fisse");
  if (h.T > h.K) Rifiuta("Garanzia della matrice maggiore della lunghezza colonna");
}

// Block p of the entries holds position p of every column: turned column
// after column, checking each entry on the way.
std::vector<uint8_t> DecodificaVoci(const IntestazioneMatrice& h, std::span<const uint8_t> blocchi) {
  const auto C = static_cast<size_t>(h.C);
  std::vector<uint8_t> matrice(C * LUNGHEZZA_COLONNA);
  for (size_t c = 0; c < C; ++c) {
    std::bitset<256> usati;
    for (size_t p = 0; p < LUNGHEZZA_COLONNA; ++p) {
      const uint8_t indice = blocchi[p * C + c];
      if (indice < 1 || indice > h.V) Rifiuta("Matrice con indici fuori dall'intervallo 1.." + std::to_string(h.V));
      if (usati.test(indice)) Rifiuta("Matrice con indici ripetuti nella stessa colonna");
      usati.set(indice);
      matrice[c * LUNGHEZZA_COLONNA + p] = indice;
    }
  }
  return matrice;
}

// One reading of a file, from its first byte to its last, a block at a
// time: its header and length, whether its CRC matches, and, when asked for
// and the header promises a matrix that can be adapted, its entries, taken
// on the way so that they are the bytes the CRC covered.
struct FileLetto {
  IntestazioneMatrice intestazione;
  uint64_t lunghezza = 0;
  bool crcValido = false;
  std::vector<uint8_t> voci;
};

// Fills `dati` unless the file ends first; how many bytes came.
size_t Leggi(cBinaryFileStream& file, std::span<uint8_t> dati) {
  size_t letti = 0;
  while (letti < dati.size()) {
    const int32_t n = file.Read(dati.subspan(letti), static_cast<int32_t>(std::min(dati.size() - letti, BLOCCO)));
    if (n <= 0) break;
    letti += static_cast<size_t>(n);
  }
  return letti;
}

FileLetto LeggiFile(const std::string& percorso, bool conVoci) {
  cBinaryFileStream file;
  file.File(Trim(percorso));
  FileLetto letto;
  letto.lunghezza = static_cast<uint64_t>(file.Length());
  std::array<uint8_t, BYTE_INTESTAZIONE> testa{};
  const size_t letti = Leggi(file, testa);
  letto.intestazione = DecodificaIntestazione(std::span(testa).first(letti));
  const IntestazioneMatrice& h = letto.intestazione;
  // A file that changed length since it was opened is read no further.
  if (letti < testa.size() || !LunghezzaPlausibile(h, letto.lunghezza)) return letto;

  const cCRC32 crc32;
  uint32_t crc = crc32.GetByteArrayCrc32(testa);
  uint64_t restanti = letto.lunghezza - BYTE_INTESTAZIONE - BYTE_CRC;
  if (conVoci && VociDaLeggere(h)) {
    letto.voci.resize(static_cast<size_t>(h.C) * LUNGHEZZA_COLONNA);
    if (Leggi(file, letto.voci) < letto.voci.size()) return letto;
    crc = crc32.GetByteArrayCrc32(letto.voci, crc);
    restanti -= letto.voci.size();
  }
  std::vector<uint8_t> blocco(BLOCCO);
  while (restanti > 0) {
    const size_t n = Leggi(file, std::span(blocco).first(static_cast<size_t>(std::min<uint64_t>(restanti, BLOCCO))));
    if (n == 0) return letto;
    crc = crc32.GetByteArrayCrc32(std::span(blocco).first(n), crc);
    restanti -= n;
  }
  std::array<uint8_t, BYTE_CRC> coda{};
  letto.crcValido = Leggi(file, coda) == coda.size() && crc == static_cast<uint32_t>(LeggiS32(coda, 0));
  return letto;
}

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
  m.Intestazione = DecodificaIntestazione(byte);
  VerificaFile(m.Intestazione, byte.size(), CrcValido(byte));
  if (VociDaLeggere(m.Intestazione)) m.Matrice = DecodificaVoci(m.Intestazione, byte.subspan(BYTE_INTESTAZIONE));
  return m;
}

IntestazioneMatrice LeggiIntestazioneMatrice(const std::string& percorso) {
  const std::string p = Trim(percorso);
  FileLettura file(p);
  std::array<uint8_t, BYTE_INTESTAZIONE> h{};
  file.read(reinterpret_cast<char*>(h.data()), static_cast<std::streamsize>(h.size()));
  return DecodificaIntestazione(std::span(h).first(static_cast<size_t>(file.gcount())));
}

MatriceCaricata LeggiMatrice(const std::string& percorso) {
  FileLetto letto = LeggiFile(percorso, true);
  MatriceCaricata m;
  m.Intestazione = letto.intestazione;
  VerificaFile(m.Intestazione, letto.lunghezza, letto.crcValido);
  if (VociDaLeggere(m.Intestazione)) m.Matrice = DecodificaVoci(m.Intestazione, letto.voci);
  return m;
}

bool VerificaCrcMatrice(const std::string& percorso) { return LeggiFile(percorso, false).crcValido; }

}  // namespace tlx::matrix
