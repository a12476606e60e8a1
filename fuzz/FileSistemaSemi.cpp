// Writes the seed corpus of the system-file fuzz target: valid files of
// both versions with every kind of condition record.
// Usage: fuzz_semi_file_sistema <folder>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/FileSistema.h"

namespace {

using namespace tlx;
using Byte = std::vector<char>;

std::unique_ptr<Sistema> SistemaDiProva(int colonne) {
  auto s = std::make_unique<Sistema>();
  for (int n : {3, 7, 12, 18, 25, 33, 41}) GrigliaNumeriClick(*s, n - 1);
  s->TitoloSistema = "Condizionato";
  s->Condizioni.SommaAttiva = VERO;
  s->Condizioni.SommaMinMax = {40, 200};
  s->NumeroColonne = colonne;
  for (int32_t c = 1; c <= colonne; ++c) {
    uint8_t* p = s->Colonne.Colonna(c);
    for (int k = 0; k < 5; ++k) p[k] = static_cast<uint8_t>(1 + (c + 7 * k) % 55);
  }
  return s;
}

void Salva(Sistema& s, const std::string& percorso) {
  if (SalvaFile(s, percorso).esito != EsitoSalvaFile::Salvato) {
    std::fprintf(stderr, "cannot write %s\n", percorso.c_str());
    std::exit(1);
  }
}

Byte Leggi(const std::string& percorso) {
  std::ifstream f(percorso, std::ios::binary);
  return Byte(std::istreambuf_iterator<char>(f), {});
}

void Scrivi(const std::string& percorso, const Byte& b) {
  std::ofstream(percorso, std::ios::binary).write(b.data(), static_cast<std::streamsize>(b.size()));
}

const Byte ID_16 = {16, 0, 0, 0};
const Byte ID_64 = {64, 0, 0, 0};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::string cartella = argv[1];
  std::filesystem::create_directories(cartella);

  Salva(*SistemaDiProva(0), cartella + "/vuoto.tlqvx");

  auto s = SistemaDiProva(3);
  s->DistanzaMinima = {2, VERO};
  s->NumeroFiltriAnd = 2;
  for (int i = 1; i <= 2; ++i) {
    s->FiltriAnd[static_cast<size_t>(i)].Numeri[static_cast<size_t>(i * 5)] = 1;
    s->FiltriAnd[static_cast<size_t>(i)].QuantiMask = 3;
    s->FiltriAnd[static_cast<size_t>(i)].PosizioniMask = 62;
    s->FiltriAnd[static_cast<size_t>(i)].Attivo = VERO;
  }
  s->Consecutivi = {6, VERO};
  s->NumeroFiltriDistanza = 1;
  s->FiltriDistanza[1].NumeroCoppie = 2;
  s->FiltriDistanza[1].Coppie[1] = 1;
  s->FiltriDistanza[1].Coppie[2] = 4;
  s->FiltriDistanza[1].MinAttivo = 1;
  s->FiltriDistanza[1].MinOk[3] = VERO;
  s->FiltriDistanza[1].Attivo = VERO;
  Salva(*s, cartella + "/condizioni.tlqvx");

  // The same block with a record of id 16 and an unknown id after the marker.
  Byte altri = Leggi(cartella + "/condizioni.tlqvx");
  const auto blocco = altri.begin() + 202 + 3 * 5 + 4;
  const size_t filtro = 4 + 3;  // the AND filter follows the minimum distance
  Byte record16(blocco + static_cast<long>(filtro), blocco + static_cast<long>(filtro + 4 + 65));
  std::copy(ID_16.begin(), ID_16.end(), record16.begin());
  altri.insert(blocco, record16.begin(), record16.end());
  altri.insert(altri.begin() + 202 + 3 * 5 + 4, ID_64.begin(), ID_64.end());
  Scrivi(cartella + "/altri-id.tlqvx", altri);

  // Version 1: one AND filter without its position mask.
  auto v1 = SistemaDiProva(2);
  v1->NumeroFiltriAnd = 1;
  v1->FiltriAnd[1].Numeri[9] = 1;
  v1->FiltriAnd[1].QuantiMask = 1;
  v1->FiltriAnd[1].Attivo = VERO;
  Salva(*v1, cartella + "/v1.tlqvx");
  Byte vecchio = Leggi(cartella + "/v1.tlqvx");
  vecchio[10] = '1';
  const auto posizioni = vecchio.begin() + 202 + 2 * 5 + 4 + 4 + 59;
  vecchio.erase(posizioni, posizioni + 4);
  Scrivi(cartella + "/v1.tlqvx", vecchio);
  return 0;
}
