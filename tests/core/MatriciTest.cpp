#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <sstream>

#include "CartellaTemporanea.h"
#include "FileMatriceProva.h"
#include "core/Errori.h"
#include "matrices/Adattamento.h"
#include "matrices/Cruciverba.h"
#include "matrices/ElencoMatrici.h"
#include "matrices/MatriceTxt.h"
#include "matrices/NomiScaricati.h"

namespace tlx::matrix {
namespace {

using namespace prova;
using Numeri = std::vector<uint8_t>;

// The bytes of the sample file with the one at `posizione` flipped.
Byte Rotto(size_t posizione) {
  Byte b = FileProva().Byte_();
  b[posizione] ^= 1;
  return b;
}

// Why these bytes are refused, "" when they are not: the same whether they come from memory or from a file read a
// block at a time, which gives the same matrix when it accepts them.
std::string Rifiuto(const Byte& b) {
  const auto Leggi = [](const auto& lettura) -> std::pair<std::string, MatriceCaricata> {
    try {
      return {"", lettura()};
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), ERRORE_MATRICE);
      return {e.Descrizione(), {}};
    }
  };
  prova::CartellaTemporanea cartella;
  Scrivi(cartella.File("m.mqvx"), b);
  const auto [motivo, m] = Leggi([&] { return DecodificaMatrice(b); });
  const auto [motivoFile, mFile] = Leggi([&] { return LeggiMatrice(cartella.File("m.mqvx")); });
  EXPECT_EQ(std::tie(motivoFile, mFile.Intestazione, mFile.Matrice), std::tie(motivo, m.Intestazione, m.Matrice));
  return motivo;
}

// The chosen numbers 3 5 9 17 22 31 40, arranged as `ordine`.
std::unique_ptr<Sistema> SistemaOrdinato(const Numeri& ordine = {40, 9, 3, 31, 22, 5, 17}) {
  auto s = std::make_unique<Sistema>();
  for (const uint8_t n : ordine) GrigliaNumeriClick(*s, n - 1);
  std::ranges::copy(ordine, s->Pronostico.begin());
  return s;
}

// The columns one after the other.
Numeri Colonne(const Sistema& s) { return {s.Colonne.Dati(), s.Colonne.Dati() + 5 * s.NumeroColonne}; }

TEST(FileMatrice, ReadsTheHeaderAndRefusesEveryMalformedFileWithItsReason) {
  const MatriceCaricata m = DecodificaMatrice(FileProva().Byte_());
  const IntestazioneMatrice& h = m.Intestazione;
  // The columns themselves are read back through the adaptation below.
  EXPECT_EQ(std::tuple(h.V, h.K, h.T, h.M, h.F, h.C, h.AUTHOR, h.PERCENTAGE_COVER, h.DESCRIPTION, h.VersioneValida(), m(3, 1), m(2, 5)),
            std::tuple(7, 5, 3, 5, 0, 3, "Rossi" + std::string(25, ' '), "100       ", "Tre colonne" + std::string(49, ' '), true, 7, 7));

  // At the edges and accepted: a guarantee equal to the column's length, four fixed numbers, and bytes past the
  // entries, which the CRC covers like the rest.
  Byte lunga = FileProva().Byte_();
  lunga.resize(lunga.size() - 4);
  lunga.push_back(0);
  const uint32_t crc = cCRC32().GetByteArrayCrc32(lunga);
  for (int i = 0; i < 4; ++i) lunga.push_back(static_cast<uint8_t>(crc >> (8 * i)));
  for (const Byte& accettata : {FileProva{.T = 5, .C = {}}.Byte_(), FileProva{.F = 4, .C = {}}.Byte_(), lunga})
    EXPECT_EQ(Rifiuto(accettata), "");

  Byte corta = FileProva().Byte_();
  corta.resize(145);
  const std::string corrotta = "Matrice Corrotta", troncato = "File matrice troncato", versione = "Versione non valida",
                    fuori = "Matrice con indici fuori dall'intervallo 1..7";
  const std::pair<Byte, std::string> casi[] = {
      {Rotto(142 + 4), corrotta}, {Rotto(20), corrotta},  // a column byte, the author
      {corta, troncato}, {FileProva{.C = 1000}.Byte_(), troncato}, {FileProva{.C = -1}.Byte_(), corrotta},
      {FileProva{.magic = "matriceqvxv0002", .C = {}}.Byte_(), versione}, {FileProva{.magic = "MATRICEQVXV0001", .C = {}}.Byte_(), versione},
      {FileProva{.K = 4, .C = {}}.Byte_(), "Colonne della matrice non da 5 numeri"},
      {FileProva{.colonne = {}, .C = {}}.Byte_(), "Matrice senza colonne"},
      {FileProva{.F = 5, .C = {}}.Byte_(), "Matrice con più di 4 fisse"},
      {FileProva{.T = 6, .C = {}}.Byte_(), "Garanzia della matrice maggiore della lunghezza colonna"},
      {FileProva{.colonne = {{1, 2, 0, 4, 5}}, .C = {}}.Byte_(), fuori}, {FileProva{.colonne = {{1, 2, 3, 4, 8}}, .C = {}}.Byte_(), fuori},
      {FileProva{.colonne = {{1, 1, 2, 3, 4}}, .C = {}}.Byte_(), "Matrice con indici ripetuti nella stessa colonna"},
  };
  for (const auto& [byte, motivo] : casi) EXPECT_EQ(Rifiuto(byte), motivo) << motivo;
}

TEST(ElencoMatrici, ListsFitFilesWithTheirChecksInTheExchangeSortOrderWithFieldsNeverCut) {
  // The exchange sort: listing order a, b, c, d with V 7, 5, 7, 6, then with a custom entry last.
  std::vector<VoceElencoMatrici> voci(4);
  for (size_t i = 0; i < 4; ++i) voci[i].NomeFile = "abcd"[i], voci[i].Intestazione.V = Numeri{7, 5, 7, 6}[i];
  const auto Nomi = [](std::vector<VoceElencoMatrici> e) {
    OrdinaElencoMatrici(e);
    return std::accumulate(e.begin(), e.end(), std::string(), [](std::string n, const auto& v) { return n + v.NomeFile + " "; });
  };
  EXPECT_EQ(Nomi(voci), "b d c a ");
  voci.push_back(VocePersonalizzata());
  EXPECT_EQ(Nomi(voci), "CUSTOM b d a c ");
  EXPECT_EQ(std::tuple(FormattaCampo(1234, 6), FormattaCampo(1234567, 6)), std::tuple(" 1.234", "1.234.567"));

  // The files: only those that fit, with their checks, the custom entry first.
  prova::CartellaTemporanea cartella;
  const std::pair<const char*, FileProva> file[] = {
      {"buona1.mqvx", {}}, {"buona2.MQVX", {}}, {"versione.mqvx", {.magic = "matriceqvxv0011", .C = {}}}, {"sei.mqvx", {.V = 6, .C = {}}},
      {"k4.mqvx", {.K = 4, .C = {}}}, {"m6.mqvx", {.M = 6, .C = {}}}, {"testo.txt", {}}, {".nascosta.mqvx", {}},
      // As many columns as the program holds, and one more: a matrix too large to adapt is still sound.
      {"massima.mqvx", {.colonne = std::vector(CAPIENZA, std::array<uint8_t, 5>{1, 2, 3, 4, 5}), .C = {}}},
      {"oltre.mqvx", {.colonne = std::vector(CAPIENZA + 1, std::array<uint8_t, 5>{1, 2, 3, 4, 5}), .C = {}}}};
  for (const auto& [nome, f] : file) Scrivi(cartella.File(nome), f.Byte_());
  Scrivi(cartella.File("corrotta.mqvx"), Rotto(150));
  Scrivi(cartella.File("corta.mqvx"), {7, 5, 3, 5, 0});
  std::filesystem::create_directory(cartella.File("cartella.mqvx"));

  // File name -> version valid, CRC valid; the custom entry first swaps with the first file, which thus comes last.
  std::map<std::string, std::pair<bool, bool>> attese = {
      {"buona1.mqvx", {true, true}},    {"buona2.MQVX", {true, true}},  {"versione.mqvx", {false, true}},
      {"corrotta.mqvx", {true, false}}, {"corta.mqvx", {false, false}},  {"massima.mqvx", {true, true}},
      {"oltre.mqvx", {true, true}}};
  std::vector<std::pair<std::string, std::pair<bool, bool>>> atteso{{"CUSTOM", {true, true}}}, letto;
  for (const std::string& nome : ElencaFile(cartella.Percorso().string(), ESTENSIONE_MATRICE))
    if (attese.contains(nome)) atteso.emplace_back(nome, attese[nome]);
  std::rotate(atteso.begin() + 1, atteso.begin() + 2, atteso.end());
  const auto elenco = CaricaElencoMatrici(cartella.Percorso().string(), 7);
  for (const auto& v : elenco) letto.emplace_back(v.NomeFile, std::pair(v.VersioneValida, v.CrcValido));
  EXPECT_EQ(letto, atteso);
  // The largest matrix that fits is read whole, the next one its header alone; a path comes trimmed of blanks.
  const std::string massima = cartella.File("massima.mqvx");
  const MatriceCaricata oltre = LeggiMatrice(cartella.File("oltre.mqvx"));
  EXPECT_EQ(std::tuple(LeggiMatrice(" " + massima + " ").Matrice.size(), LeggiIntestazioneMatrice(" " + massima).C,
                       VerificaCrcMatrice(massima + "  "), oltre.Intestazione.C, oltre.Matrice.size()),
            std::tuple(5u * CAPIENZA, CAPIENZA, true, CAPIENZA + 1, 0u));
  EXPECT_TRUE(VerificaCapienza(oltre));
}

TEST(MatriceTxt, LoadsOrRefusesWithTheReasonInItsBoxAndStopsAtItsLimit) {
  const std::tuple<std::string, std::string> casi[] = {
      {"\t1  2 3\t4 5 \r\n\r\n   \r\n 1 2 3 4 6", ""},
      {"1 2 3 4 5\n1 2 3 4 7\n", "-2147211504 (Matrice con sviluppo non sequenziale)"},
      {"1 2 3\n1 2 3 4\n", "-2147211504 (Matrice con colonne a lunghezza multipla)"},
      {"1 2 3 4 91\n", "-2147211504 (Matrice con numeri fuori dall'intervallo 1..90)"},
      {"0 1 2 3 4\n", "-2147211504 (Matrice con numeri fuori dall'intervallo 1..90)"}, {"1 2 3 4 5x\n", "13 (Type mismatch)"},
      {"1 2 3 4 256\n", "6 (Overflow)"}, {"1 2 3 4 99999999999999999999\n", "6 (Overflow)"}, {"1 2 3 4 x\n", "13 (Type mismatch)"},
      {"1 1 2 3 4\n", "-2147211504 (Matrice con numeri ripetuti nella stessa colonna)"}, {"", "-2147211504 (Matrice senza colonne)"},
      // Blanks may pad a line up to its bound, its end not counted; one byte more and it is no matrix.
      {"1 2 3 4 5" + std::string(BYTE_MASSIMI_RIGA_MATRICE_TXT - 9, ' ') + "\r\n1 2 3 4 6", ""},
      {"1 2 3 4 5" + std::string(BYTE_MASSIMI_RIGA_MATRICE_TXT - 8, ' ') + "\r\n1 2 3 4 6", "-2147211504 (Matrice con righe troppo lunghe)"},
      // A lone CR ends a line as LF does.
      {"1 2 3 4 5\r1 2 3 4 6\r", ""},
  };
  for (const auto& [testo, errore] : casi) {
    std::istringstream in(testo);
    const RisultatoMatriceTxt r = LeggiMatriceTxt(in);
    const bool buona = errore.empty();
    const Messaggi attesi = buona ? Messaggi{} : Messaggi{{Icona::Esclamazione, Pulsanti::Ok, "ERROR", "Error " + errore + " "}};
    EXPECT_EQ(std::tuple(r.messaggi, r.matrice.Intestazione.V, r.matrice.Intestazione.C, r.matrice.Matrice),
              std::tuple(attesi, buona ? 6 : 0, buona ? 2 : 0, buona ? Byte{1, 2, 3, 4, 5, 1, 2, 3, 4, 6} : Byte{})) << testo;
  }

  // The top value 90, in columns of ten.
  std::string novanta;
  for (int v = 1; v <= MAX_VALORE_MATRICE_TXT; ++v) novanta += std::to_string(v) + (v % 10 ? " " : "\n");
  std::istringstream righe(novanta);
  const RisultatoMatriceTxt grande = LeggiMatriceTxt(righe);
  EXPECT_EQ(std::tuple(grande.messaggi.empty(), grande.matrice.Intestazione.V, grande.matrice.Intestazione.K, grande.matrice.Intestazione.C),
            std::tuple(true, 90, 10, 9));

  std::string testo;
  for (int i = 0; i <= MAX_RIGHE_MATRICE_TXT; ++i) testo += i % 2 ? "1 2 3 4 5\n" : "5 4 3 2 1\n";
  std::istringstream in(testo + "1 2 3\n");  // past the limit: never read
  int chiamate = 0;
  const RisultatoMatriceTxt r = LeggiMatriceTxt(in, [&] { ++chiamate; });
  EXPECT_EQ(std::tuple(r.messaggi.empty(), r.matrice.Intestazione.C, chiamate > 0), std::tuple(true, MAX_RIGHE_MATRICE_TXT, true));

  // A file past its bound is refused unread, however sound its first lines.
  prova::CartellaTemporanea cartella;
  std::ofstream(cartella.File("grande.txt")) << "1 2 3 4 5\n";
  std::filesystem::resize_file(cartella.File("grande.txt"), BYTE_MASSIMI_MATRICE_TXT + 1);
  EXPECT_EQ(CaricaMatriceTxt(cartella.File("grande.txt")).messaggi.at(0).testo, "Error -2147211504 (Matrice troppo grande) ");
}

TEST(Adattamento, MapsEveryIndexOntoTheArrangedOrderSetsTheImpliedConditionsOrLeavesTheSystem) {
  auto s = SistemaOrdinato();
  s->Condizioni.SommaAttiva = VERO;
  s->DistanzaMinima = {2, VERO};
  const MatriceCaricata m = DecodificaMatrice(FileProva().Byte_());
  int cedute = 0;
  AdattaMatrice(*s, m, [&] { ++cedute; });
  EXPECT_EQ(cedute, 1);
  // 1 2 3 4 5 -> 40 9 3 31 22; 3 4 5 6 7 -> 3 31 22 5 17; 7 6 1 2 3 -> 17 5 40 9 3
  EXPECT_EQ(Colonne(*s), (Numeri{3, 9, 22, 31, 40, 3, 5, 17, 22, 31, 3, 5, 9, 17, 40}));
  EXPECT_EQ(std::tuple(s->Condizioni, s->DistanzaMinima, s->NumeriPronostico, s->Pronostico[0]),
            std::tuple(RecordCondizioni{}, RecordDistanzaMinima{}, 7, 40));

  // Guarantee K - T when 1..4; the fixed numbers. Title, guarantee, fixed count.
  const std::tuple<uint8_t, Numeri, std::string, uint8_t, uint8_t> casi[] = {
      {3, {}, "Ridotto N-2", 2, 0}, {5, {}, "Adatta Matrice", 0, 0}, {0, {}, "Adatta Matrice", 0, 0},
      {4, {40, 9}, "Ridotto N-1", 1, 2}, {1, {}, "Ridotto N-4", 4, 0},
      {3, {40, 9, 3, 31, 22}, "Ridotto N-2", 2, 0}};  // more fixed numbers than are kept
  for (const auto& [T, fisse, titolo, garanzia, quanteFisse] : casi) {
    auto t = SistemaOrdinato();
    IntestazioneMatrice h = m.Intestazione;
    h.T = T, h.F = static_cast<uint8_t>(fisse.size());
    ImpostaCondizioniMatrice(*t, h, fisse);
    const RecordCondizioni& c = t->Condizioni;
    EXPECT_EQ(std::tuple(t->TitoloSistema.Trimmed(), c.Garanzia, Vero(c.RidottoAttivo), c.QuantiFissi, Vero(c.FisseAttiva)),
              std::tuple(titolo, garanzia, garanzia > 0, quanteFisse, quanteFisse > 0));
    for (const uint8_t n : fisse) EXPECT_EQ(c.NumeriFissi[n], quanteFisse > 0);
  }

  // Refused matrices leave the system as it was.
  MatriceCaricata seiNumeri = m, ottoNumeri = m, indiceZero = m, indiceOltre = m, troppe = m, piena = m;
  seiNumeri.Intestazione.V = 6;
  ottoNumeri.Intestazione.V = 8;  // its indexes fit the seven numbers, its V does not
  indiceZero.Matrice[7] = 0;
  indiceOltre.Matrice[7] = 8;
  troppe.Intestazione.C = CAPIENZA + 1;
  troppe.Matrice.assign(static_cast<size_t>(CAPIENZA + 1) * 5, 1);
  piena.Intestazione.C = CAPIENZA;
  EXPECT_FALSE(VerificaCapienza(m) || VerificaCapienza(piena));
  EXPECT_EQ(VerificaCapienza(troppe)->testo,
            "Error -2147211504 (Colonne superiori alla capienza della memoria\r"
            "scegliere un'altra matrice o contattare l'autore per un aggiornamento)");
  s->TitoloSistema = "Integrale";
  const auto prima = std::tuple(Colonne(*s), s->TitoloSistema.Trimmed(), s->Pronostico);
  for (const MatriceCaricata* rifiutata : {&seiNumeri, &ottoNumeri, &indiceZero, &indiceOltre, &troppe}) {
    EXPECT_THROW(AdattaMatrice(*s, *rifiutata), ErroreRuntime);
    EXPECT_EQ(std::tuple(Colonne(*s), s->TitoloSistema.Trimmed(), s->Pronostico), prima);
  }
}

TEST(Adattamento, FixedNumberAnswersMoveToTheirPlaceOrAreRefused) {
  // Leading digits count, after a sign; halves round to even.
  const std::tuple<std::string, double> valori[] = {{"  12abc", 12}, {"2.5", 2}, {"3.5", 4}, {"abc", 0}, {" +7", 7}, {"-3", -3}};
  for (const auto& [risposta, valore] : valori) EXPECT_EQ(ValoreRisposta(risposta), valore) << risposta;

  auto s = SistemaOrdinato({3, 5, 9, 17, 22, 31, 40});
  // Answer, position, accepted, the order after it.
  const std::tuple<std::string, int, bool, Numeri> passi[] = {
      {"60", 0, false, {3, 5, 9, 17, 22, 31, 40}},  {"8", 0, false, {3, 5, 9, 17, 22, 31, 40}},
      {"22", 0, true, {22, 5, 9, 17, 3, 31, 40}},   {"22", 1, false, {22, 5, 9, 17, 3, 31, 40}},
      {" 39.6", 1, true, {22, 40, 9, 17, 3, 31, 5}}, {"9", 2, true, {22, 40, 9, 17, 3, 31, 5}},
  };
  for (const auto& [risposta, posizione, accettata, ordine] : passi) {
    uint8_t valore = 0;
    EXPECT_EQ(SpostaFissa(*s, risposta, posizione, &valore), accettata) << risposta;
    EXPECT_EQ(Numeri(s->Pronostico.begin(), s->Pronostico.begin() + 7), ordine) << risposta;
  }
  EXPECT_TRUE(SpostaFissa(*SistemaOrdinato({55, 1, 2, 3, 4}), "55", 0));  // the top number too
  EXPECT_EQ(ElencoFisse({22, 40, 9}), "22   40   09   ");
}

TEST(Cruciverba, TwelveColumnsFromRowsGridColumnsAndDiagonals) {
  std::array<uint8_t, CELLE_CRUCIVERBA> ascendente{};
  std::iota(ascendente.begin(), ascendente.end(), 1);
  auto s = SistemaOrdinato(Numeri(ascendente.begin(), ascendente.end()));
  s->Condizioni.PariAttiva = VERO;
  SviluppaCruciverba(*s, ascendente);
  EXPECT_EQ(Colonne(*s), (Numeri{1, 2, 3, 4, 5,  6, 7, 8, 9, 10,  11, 12, 13, 14, 15,  16, 17, 18, 19, 20,  21, 22, 23, 24, 25,  // rows
                                 1, 6, 11, 16, 21,  2, 7, 12, 17, 22,  3, 8, 13, 18, 23,  4, 9, 14, 19, 24,  5, 10, 15, 20, 25,  // columns
                                 1, 7, 13, 19, 25,  5, 9, 13, 17, 21}));  // diagonals
  EXPECT_EQ(std::tuple(s->TitoloSistema.Trimmed(), s->Condizioni), std::tuple(std::string("CRUCIVERBA"), RecordCondizioni{}));
  Numeri uno{9};
  EXPECT_EQ(MescolaNumeri(uno, 1), std::vector<bool>{false});  // a lone number cannot be shuffled: no endless retry
}

TEST(NomiScaricati, OnlySafeNamesAreKeptAndArchivingReplacesTheMatrixWhateverItsCase) {
  const std::string lungo(LUNGHEZZA_MASSIMA_NOME + 1, 'A');
  const std::string risposta = "m7_5_3.dat\r\n\r\n../EVIL.DAT\r\na/b.DAT\r\na\\b.DAT\r\nC:X.DAT\r\n..\r\n.\r\n.nascosta.dat\r\nX\x01.DAT\r\n"
                               "\xC3\x88.DAT\r\n" + lungo + "\r\n" + lungo.substr(0, 190) + ".DAT\nM7_5_3.DAT\nleggimi.txt\nultimo.Dat";
  EXPECT_EQ(NomiListaMatrici(risposta), (std::vector<std::string>{"M7_5_3.DAT", lungo.substr(0, 190) + ".DAT", "ULTIMO.DAT"}));
  EXPECT_EQ(std::tuple(NomeMatriceArchiviata("M7.DAT"), NomeMatriceArchiviata("A.DAT.DAT"), NomeMatriceArchiviata("SENZA")),
            std::tuple("M7.mqvx", "A.mqvx.mqvx", "SENZA"));

  // An error page replacing nothing is the window's test.
  prova::CartellaTemporanea temp, matrici;
  for (const auto& [nome, b] : {std::pair{"m7.mqvx", 1}, {"M7.mqvx", 2}, {"altra.mqvx", 3}}) Scrivi(matrici.File(nome), {uint8_t(b)});
  const Byte nuova = FileProva().Byte_();
  Scrivi(temp.File("M7.DAT"), nuova);
  EXPECT_TRUE(ArchiviaMatrice(temp.File("M7.DAT"), matrici.Percorso().string(), "M7.mqvx"));
  EXPECT_EQ(matrici.Contenuto(), (std::vector<std::string>{"M7.mqvx", "altra.mqvx"}));
  EXPECT_EQ(std::tuple(Leggi(matrici.File("M7.mqvx")), temp.Contenuto().empty()), std::tuple(nuova, true));
  EXPECT_THROW(ArchiviaMatrice(temp.File("manca.DAT"), matrici.Percorso().string(), "X.mqvx"), ErroreRuntime);
  EXPECT_EQ(matrici.Contenuto().size(), 2u);

  // A corrupt download replaces no sound matrix, whatever the case of its name; it replaces a file that is
  // no sound matrix either, so that the list shows it flagged.
  const Byte rotta = Rotto(150);
  for (const char* nome : {"m7.mqvx", "ALTRA.mqvx"}) {
    Scrivi(temp.File("scaricata"), rotta);
    EXPECT_EQ(ArchiviaMatrice(temp.File("scaricata"), matrici.Percorso().string(), nome), *nome == 'A') << nome;
  }
  EXPECT_EQ(matrici.Contenuto(), (std::vector<std::string>{"ALTRA.mqvx", "M7.mqvx"}));
  EXPECT_EQ(std::tuple(Leggi(matrici.File("M7.mqvx")), Leggi(matrici.File("ALTRA.mqvx")), temp.Contenuto().empty()),
            std::tuple(nuova, rotta, true));
}

}  // namespace
}  // namespace tlx::matrix
