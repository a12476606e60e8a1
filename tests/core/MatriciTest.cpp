#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "CartellaTemporanea.h"
#include "FileMatriceProva.h"
#include "core/Errori.h"
#include "matrices/Adattamento.h"
#include "matrices/Cruciverba.h"
#include "matrices/ElencoMatrici.h"
#include "matrices/MatriceTxt.h"
#include "matrices/NomiScaricati.h"
#include "support/Crc32.h"

namespace tlx::matrix {
namespace {

using prova::Byte;
using prova::FileProva;
using prova::Scrivi;
using Colonna = std::array<uint8_t, 5>;

std::string Rifiuto(const Byte& b) {
  try {
    DecodificaMatrice(b);
  } catch (const ErroreRuntime& e) {
    EXPECT_EQ(e.Numero(), ERRORE_MATRICE);
    return e.Descrizione();
  }
  return "";
}

TEST(FileMatrice, ReadsTheHeaderAndTurnsTheBlocksIntoColumns) {
  const FileProva f;
  const MatriceCaricata m = DecodificaMatrice(f.Byte_());
  const IntestazioneMatrice& h = m.Intestazione;
  EXPECT_EQ(std::tuple(h.V, h.K, h.T, h.M, h.F, h.C), std::tuple(7, 5, 3, 5, 0, 3));
  EXPECT_EQ(h.AUTHOR, "Rossi" + std::string(25, ' '));
  EXPECT_EQ(h.PERCENTAGE_COVER, "100       ");
  EXPECT_TRUE(h.VersioneValida());
  for (int32_t c = 1; c <= 3; ++c)
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(m(c, p), f.colonne[c - 1u][p - 1u]) << c << "," << p;
}

TEST(FileMatrice, EveryMalformedFileIsRefusedWithItsReason) {
  const auto Con = [](auto modifica) {
    FileProva f;
    modifica(f);
    return f.Byte_();
  };
  Byte corrotta = FileProva().Byte_();
  corrotta[142 + 4] ^= 1;  // a column byte
  Byte autore = FileProva().Byte_();
  autore[20] = 'X';
  Byte corta = FileProva().Byte_();
  corta.resize(145);
  Byte mancaUno = FileProva().Byte_();
  mancaUno.erase(mancaUno.begin() + 150);  // one entry short, CRC recomputed over what is left
  const uint32_t crc = cCRC32().GetByteArrayCrc32(std::span(mancaUno).first(mancaUno.size() - 4));
  for (int i = 0; i < 4; ++i) mancaUno[mancaUno.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));

  const std::pair<Byte, std::string> casi[] = {
      {corrotta, "Matrice Corrotta"},
      {autore, "Matrice Corrotta"},
      {corta, "File matrice troncato"},
      {mancaUno, "File matrice troncato"},
      {Con([](FileProva& f) { f.C = 1000; }), "File matrice troncato"},
      {Con([](FileProva& f) { f.C = -1; }), "Matrice Corrotta"},
      {Con([](FileProva& f) { f.magic = "matriceqvxv0002"; }), "Versione non valida"},
      {Con([](FileProva& f) { f.magic = "MATRICEQVXV0001"; }), "Versione non valida"},
      {Con([](FileProva& f) { f.K = 4; }), "Colonne della matrice non da 5 numeri"},
      {Con([](FileProva& f) { f.colonne.clear(); }), "Matrice senza colonne"},
      {Con([](FileProva& f) { f.F = 5; }), "Matrice con più di 4 fisse"},
      {Con([](FileProva& f) { f.T = 6; }), "Garanzia della matrice maggiore della lunghezza colonna"},
      {Con([](FileProva& f) { f.colonne[1][2] = 0; }), "Matrice con indici fuori dall'intervallo 1..7"},
      {Con([](FileProva& f) { f.colonne[2][4] = 8; }), "Matrice con indici fuori dall'intervallo 1..7"},
      {Con([](FileProva& f) { f.colonne[0] = {1, 1, 2, 3, 4}; }), "Matrice con indici ripetuti nella stessa colonna"},
  };
  for (const auto& [byte, motivo] : casi) EXPECT_EQ(Rifiuto(byte), motivo) << motivo;
}

TEST(ElencoMatrici, ExchangeSortPutsEqualValuesInItsOwnOrder) {
  // Listing order a, b, c, d with V 7, 5, 7, 6 and a custom entry last.
  std::vector<VoceElencoMatrici> elenco;
  for (const auto& [nome, v] : {std::pair{"a", 7}, {"b", 5}, {"c", 7}, {"d", 6}}) {
    VoceElencoMatrici voce;
    voce.NomeFile = nome;
    voce.Intestazione.V = static_cast<uint8_t>(v);
    elenco.push_back(voce);
  }
  auto conCustom = elenco;
  conCustom.push_back(VocePersonalizzata());
  const auto Nomi = [](std::vector<VoceElencoMatrici> e) {
    OrdinaElencoMatrici(e);
    std::string nomi;
    for (const auto& v : e) nomi += v.NomeFile + " ";
    return nomi;
  };
  EXPECT_EQ(Nomi(elenco), "b d c a ");
  EXPECT_EQ(Nomi(conCustom), "CUSTOM b d a c ");
}

TEST(ElencoMatrici, ListsFitFilesWithTheirChecksAndTheCustomEntryFirst) {
  prova::CartellaTemporanea cartella;
  const auto Poni = [&](const std::string& nome, auto modifica) {
    FileProva f;
    modifica(f);
    Scrivi(cartella.File(nome), f.Byte_());
  };
  const auto Nulla = [](FileProva&) {};
  Poni("buona1.mqvx", Nulla);
  Poni("buona2.MQVX", Nulla);
  Poni("versione.mqvx", [](FileProva& f) { f.magic = "matriceqvxv0011"; });
  Poni("sei.mqvx", [](FileProva& f) { f.V = 6; });
  Poni("k4.mqvx", [](FileProva& f) { f.K = 4; });
  Poni("m6.mqvx", [](FileProva& f) { f.M = 6; });
  Poni("testo.txt", Nulla);
  Poni(".nascosta.mqvx", Nulla);
  Byte corrotta = FileProva().Byte_();
  corrotta[150] ^= 0xFF;
  Scrivi(cartella.File("corrotta.mqvx"), corrotta);
  Scrivi(cartella.File("corta.mqvx"), {7, 5, 3, 5, 0});
  std::filesystem::create_directory(cartella.File("cartella.mqvx"));

  // File name -> (version valid, CRC valid).
  const std::map<std::string, std::pair<bool, bool>> attese = {
      {"buona1.mqvx", {true, true}},       {"buona2.MQVX", {true, true}}, {"versione.mqvx", {false, true}},
      {"corrotta.mqvx", {true, false}}, {"corta.mqvx", {false, false}}};
  std::vector<std::string> ordineElenco;
  for (const std::string& nome : ElencaFile(cartella.Percorso().string(), ESTENSIONE_MATRICE))
    if (attese.contains(nome)) ordineElenco.push_back(nome);
  ASSERT_EQ(ordineElenco.size(), attese.size());

  const auto elenco = CaricaElencoMatrici(cartella.Percorso().string(), 7);
  ASSERT_EQ(elenco.size(), attese.size() + 1);
  EXPECT_TRUE(elenco[0].Personalizzata());
  EXPECT_EQ(elenco[0].Intestazione.AUTHOR, "VELMORA" + std::string(23, ' '));
  // The custom entry swaps with the first file, which thus comes last.
  std::rotate(ordineElenco.begin(), ordineElenco.begin() + 1, ordineElenco.end());
  for (size_t i = 1; i < elenco.size(); ++i) {
    EXPECT_EQ(elenco[i].NomeFile, ordineElenco[i - 1]);
    EXPECT_EQ(std::pair(elenco[i].VersioneValida, elenco[i].CrcValido), attese.at(elenco[i].NomeFile)) << elenco[i].NomeFile;
  }

  EXPECT_EQ(CaricaElencoMatrici(cartella.Percorso().string(), 0).size(), attese.size() + 1);  // "sei" too, no custom
  prova::CartellaTemporanea vuota;
  EXPECT_TRUE(CaricaElencoMatrici(vuota.Percorso().string(), 0).empty());
  EXPECT_EQ(CaricaElencoMatrici(vuota.Percorso().string(), 9).size(), 1u);
}

TEST(ElencoMatrici, FieldsAreRightAlignedGroupedAndNeverCut) {
  EXPECT_EQ(FormattaCampo(1234, 6), " 1.234");
  EXPECT_EQ(FormattaCampo(1234567, 6), "1.234.567");
}

TEST(MatriceTxt, LoadsOrRefusesWithTheReasonInItsBox) {
  const std::tuple<std::string, std::string> casi[] = {
      {"1 2 3 4 5\n1 2 3 4 6\n", ""},
      {"\t1  2 3\t4 5 \r\n\r\n   \r\n 1 2 3 4 6", ""},
      {"1 2 3 4 5\n1 2 3 4 7\n", "-2147211504 (Matrice con sviluppo non sequenziale)"},
      {"1 2 3\n1 2 3 4\n", "-2147211504 (Matrice con colonne a lunghezza multipla)"},
      {"1 2 3 4 91\n", "-2147211504 (Matrice con numeri fuori dall'intervallo 1..90)"},
      {"1 2 3 4 256\n", "6 (Overflow)"},
      {"1 2 3 4 99999999999999999999\n", "6 (Overflow)"},
      {"1 2 3 4 x\n", "13 (Type mismatch)"},
      {"1 1 2 3 4\n", "-2147211504 (Matrice con numeri ripetuti nella stessa colonna)"},
      {"", "-2147211504 (Matrice senza colonne)"},
  };
  for (const auto& [testo, errore] : casi) {
    std::istringstream in(testo);
    const RisultatoMatriceTxt r = LeggiMatriceTxt(in);
    if (errore.empty()) {
      EXPECT_TRUE(r.messaggi.empty()) << testo;
      EXPECT_EQ(std::tuple(r.matrice.Intestazione.V, r.matrice.Intestazione.K, r.matrice.Intestazione.C), std::tuple(6, 5, 2));
      EXPECT_EQ(r.matrice.Matrice, (Byte{1, 2, 3, 4, 5, 1, 2, 3, 4, 6}));
    } else {
      EXPECT_EQ(r.matrice.Intestazione.V, 0) << testo;
      EXPECT_EQ(r.messaggi, (Messaggi{{Icona::Esclamazione, Pulsanti::Ok, "ERROR", "Error " + errore + " "}})) << testo;
    }
  }
}

TEST(MatriceTxt, ReadsAtMostAHundredThousandColumnsAndYieldsAtAStride) {
  std::string testo;
  for (int i = 0; i <= MAX_RIGHE_MATRICE_TXT; ++i) testo += i % 2 ? "1 2 3 4 5\n" : "5 4 3 2 1\n";
  testo += "1 2 3\n";  // past the limit: never read
  std::istringstream in(testo);
  int chiamate = 0;
  const RisultatoMatriceTxt r = LeggiMatriceTxt(in, [&] { ++chiamate; });
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_EQ(r.matrice.Intestazione.C, MAX_RIGHE_MATRICE_TXT);
  EXPECT_GE(chiamate, 1);
  EXPECT_LE(chiamate, MAX_RIGHE_MATRICE_TXT / 1000);
}

// The chosen numbers 3 5 9 17 22 31 40, arranged as `ordine`.
std::unique_ptr<Sistema> SistemaOrdinato(const std::vector<uint8_t>& ordine) {
  auto s = std::make_unique<Sistema>();
  for (const uint8_t n : ordine) GrigliaNumeriClick(*s, n - 1);
  std::ranges::copy(ordine, s->Pronostico.begin());
  return s;
}

std::vector<Colonna> Colonne(const Sistema& s) {
  std::vector<Colonna> c(static_cast<size_t>(s.NumeroColonne));
  for (size_t i = 0; i < c.size(); ++i) std::copy_n(s.Colonne.Dati() + 5 * i, 5, c[i].begin());
  return c;
}

TEST(Adattamento, MapsEveryIndexOntoTheArrangedOrderAndStoresColumnsAscending) {
  auto s = SistemaOrdinato({40, 9, 3, 31, 22, 5, 17});
  s->Condizioni.SommaAttiva = VERO;
  s->DistanzaMinima = {2, VERO};
  const MatriceCaricata m = DecodificaMatrice(FileProva().Byte_());
  AdattaMatrice(*s, m);
  // 1 2 3 4 5 -> 40 9 3 31 22; 3 4 5 6 7 -> 3 31 22 5 17; 7 6 1 2 3 -> 17 5 40 9 3
  EXPECT_EQ(Colonne(*s), (std::vector<Colonna>{{3, 9, 22, 31, 40}, {3, 5, 17, 22, 31}, {3, 5, 9, 17, 40}}));
  EXPECT_EQ(s->Condizioni, RecordCondizioni{});
  EXPECT_EQ(s->DistanzaMinima, RecordDistanzaMinima{});
  EXPECT_EQ(s->NumeriPronostico, 7);
  EXPECT_EQ(s->Pronostico[0], 40);

  // The conditions the matrix implies: guarantee K - T when 1..4, fixed numbers.
  const std::tuple<uint8_t, std::vector<uint8_t>, std::string, uint8_t, uint8_t> casi[] = {
      {3, {}, "Ridotto N-2", 2, 0}, {5, {}, "Adatta Matrice", 0, 0}, {0, {}, "Adatta Matrice", 0, 0},
      {4, {40, 9}, "Ridotto N-1", 1, 2}};
  for (const auto& [T, fisse, titolo, garanzia, quanteFisse] : casi) {
    auto t = SistemaOrdinato({40, 9, 3, 31, 22, 5, 17});
    IntestazioneMatrice h = m.Intestazione;
    h.T = T;
    h.F = static_cast<uint8_t>(fisse.size());
    ImpostaCondizioniMatrice(*t, h, fisse);
    EXPECT_EQ(t->TitoloSistema.Trimmed(), titolo);
    EXPECT_EQ(t->Condizioni.Garanzia, garanzia);
    EXPECT_EQ(Vero(t->Condizioni.RidottoAttivo), garanzia > 0);
    EXPECT_EQ(t->Condizioni.QuantiFissi, quanteFisse);
    EXPECT_EQ(Vero(t->Condizioni.FisseAttiva), quanteFisse > 0);
    for (const uint8_t n : fisse) EXPECT_EQ(t->Condizioni.NumeriFissi[n], 1);
  }
}

TEST(Adattamento, RefusedMatricesLeaveTheSystemAsItWas) {
  MatriceCaricata buona = DecodificaMatrice(FileProva().Byte_());
  MatriceCaricata seiNumeri = buona;
  seiNumeri.Intestazione.V = 6;
  MatriceCaricata indiceZero = buona;
  indiceZero.Matrice[7] = 0;
  MatriceCaricata troppe = buona;
  troppe.Intestazione.C = CAPIENZA + 1;
  EXPECT_FALSE(VerificaCapienza(buona));
  EXPECT_EQ(VerificaCapienza(troppe)->testo,
            "Error -2147211504 (Colonne superiori alla capienza della memoria\r"
            "scegliere un'altra matrice o contattare l'autore per un aggiornamento)");
  for (const MatriceCaricata* m : {&seiNumeri, &indiceZero, &troppe}) {
    auto s = SistemaOrdinato({40, 9, 3, 31, 22, 5, 17});
    std::ranges::copy(Colonna{1, 2, 3, 4, 5}, s->Colonne.Dati());
    s->NumeroColonne = 1;
    s->TitoloSistema = "Integrale";
    EXPECT_THROW(AdattaMatrice(*s, *m), ErroreRuntime);
    EXPECT_EQ(Colonne(*s), (std::vector<Colonna>{{1, 2, 3, 4, 5}}));
    EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale");
  }
}

TEST(Adattamento, FixedNumberAnswersMoveToTheirPlaceOrAreRefused) {
  // Leading digits count; halves round to even.
  const std::tuple<std::string, double> valori[] = {{"  12abc", 12}, {"2.5", 2}, {"3.5", 4}, {"abc", 0}};
  for (const auto& [risposta, valore] : valori) EXPECT_EQ(ValoreRisposta(risposta), valore) << risposta;

  auto s = SistemaOrdinato({3, 5, 9, 17, 22, 31, 40});
  // Answer, position, accepted, the order after it.
  const std::tuple<std::string, int, bool, std::vector<uint8_t>> passi[] = {
      {"60", 0, false, {3, 5, 9, 17, 22, 31, 40}},  {"8", 0, false, {3, 5, 9, 17, 22, 31, 40}},
      {"22", 0, true, {22, 5, 9, 17, 3, 31, 40}},   {"22", 1, false, {22, 5, 9, 17, 3, 31, 40}},
      {" 39.6", 1, true, {22, 40, 9, 17, 3, 31, 5}}, {"9", 2, true, {22, 40, 9, 17, 3, 31, 5}},
  };
  for (const auto& [risposta, posizione, accettata, ordine] : passi) {
    uint8_t valore = 0;
    EXPECT_EQ(SpostaFissa(*s, risposta, posizione, &valore), accettata) << risposta;
    EXPECT_EQ(std::vector(s->Pronostico.begin(), s->Pronostico.begin() + 7), ordine) << risposta;
  }
  EXPECT_EQ(ElencoFisse({22, 40, 9}), "22   40   09   ");
}

TEST(Cruciverba, TwelveColumnsFromRowsGridColumnsAndDiagonals) {
  std::array<uint8_t, CELLE_CRUCIVERBA> ascendente{}, inversa{};
  for (uint8_t i = 0; i < CELLE_CRUCIVERBA; ++i) ascendente[i] = static_cast<uint8_t>(i + 1), inversa[i] = static_cast<uint8_t>(25 - i);
  auto s = SistemaOrdinato(std::vector<uint8_t>(ascendente.begin(), ascendente.end()));
  s->Condizioni.PariAttiva = VERO;
  SviluppaCruciverba(*s, ascendente);
  EXPECT_EQ(Colonne(*s), (std::vector<Colonna>{{1, 2, 3, 4, 5},     {6, 7, 8, 9, 10},   {11, 12, 13, 14, 15},
                                               {16, 17, 18, 19, 20}, {21, 22, 23, 24, 25}, {1, 6, 11, 16, 21},
                                               {2, 7, 12, 17, 22},  {3, 8, 13, 18, 23}, {4, 9, 14, 19, 24},
                                               {5, 10, 15, 20, 25}, {1, 7, 13, 19, 25}, {5, 9, 13, 17, 21}}));
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "CRUCIVERBA");
  EXPECT_EQ(s->Condizioni, RecordCondizioni{});

  SviluppaCruciverba(*s, inversa);
  EXPECT_EQ(Colonne(*s)[10], (Colonna{1, 7, 13, 19, 25}));
  EXPECT_EQ(s->Pronostico[0], 25);
}

TEST(Cruciverba, ShuffleKeepsTheNumbersAndNeedsTwoOfThem) {
  std::vector<uint8_t> numeri{1, 2, 3, 4, 5, 6, 7};
  const std::vector<bool> mossi = MescolaNumeri(numeri, 42);
  EXPECT_TRUE(std::is_permutation(numeri.begin(), numeri.end(), std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7}.begin()));
  EXPECT_NE(numeri, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7}));
  for (size_t i = 0; i < numeri.size(); ++i) EXPECT_TRUE(numeri[i] == i + 1 || mossi[i]) << i;
  std::vector<uint8_t> uno{9};
  EXPECT_EQ(MescolaNumeri(uno, 1), std::vector<bool>{false});
}

TEST(NomiScaricati, OnlySafeNamesAreKeptAndStoredUpperCaseAsMatrices) {
  const std::string lungo(LUNGHEZZA_MASSIMA_NOME + 1, 'A');
  const std::string risposta = "m7_5_3.dat\r\n\r\n../EVIL.DAT\r\na/b.DAT\r\na\\b.DAT\r\nC:X.DAT\r\n..\r\n.\r\nX\x01.DAT\r\n"
                               "\xC3\x88.DAT\r\n" + lungo + "\r\n" + lungo.substr(0, 190) + ".DAT\nultimo.Dat";
  EXPECT_EQ(NomiListaMatrici(risposta), (std::vector<std::string>{"M7_5_3.DAT", lungo.substr(0, 190) + ".DAT", "ULTIMO.DAT"}));
  EXPECT_EQ(NomeMatriceArchiviata("M7.DAT"), "M7.mqvx");
  EXPECT_EQ(NomeMatriceArchiviata("A.DAT.DAT"), "A.mqvx.mqvx");
  EXPECT_EQ(NomeMatriceArchiviata("SENZA"), "SENZA");
}

TEST(NomiScaricati, ArchivingReplacesTheMatrixOfTheSameNameWhateverItsCase) {
  prova::CartellaTemporanea temp, matrici;
  Scrivi(matrici.File("m7.mqvx"), {1});
  Scrivi(matrici.File("M7.mqvx"), {2});
  Scrivi(matrici.File("altra.mqvx"), {3});
  Scrivi(temp.File("M7.DAT"), {4, 5});
  ArchiviaMatrice(temp.File("M7.DAT"), matrici.Percorso().string(), "M7.mqvx");
  EXPECT_EQ(matrici.Contenuto(), (std::vector<std::string>{"M7.mqvx", "altra.mqvx"}));
  EXPECT_EQ(LeggiByteFile(matrici.File("M7.mqvx")), (Byte{4, 5}));
  EXPECT_TRUE(temp.Contenuto().empty());
  EXPECT_THROW(ArchiviaMatrice(temp.File("manca.DAT"), matrici.Percorso().string(), "X.mqvx"), ErroreRuntime);
  EXPECT_EQ(matrici.Contenuto().size(), 2u);
}

}  // namespace
}  // namespace tlx::matrix
