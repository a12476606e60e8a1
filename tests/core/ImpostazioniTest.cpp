#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "core/Errori.h"
#include "core/Impostazioni.h"
#include "support/IniFile.h"

namespace {
using namespace tlx;

const FormatoNumeri ITALIANO = FormatoNumeri::Italiano(), INGLESE{",", "."};

struct ImpostazioniGenerali : ::testing::Test {
  ImpostazioniGenerali() { s->FileImpostazioni = dir.File("impostazioni.cfg"); }
  std::string Valore(const char* k) const { return classINI(s->FileImpostazioni).getProperty("Impostazioni", k, ""); }
  std::string Rifiuto(const char* costo) const try {
    SalvaImpostazioni(s->FileImpostazioni, costo, "Dopo", "P2", ITALIANO);
    return "accepted";
  } catch (const ErroreRuntime& e) { return std::to_string(e.Numero()) + " " + e.Descrizione(); }

  prova::CartellaTemporanea dir;
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
};

TEST_F(ImpostazioniGenerali, DefaultsWithoutFileThenCostStoredInHundredthsAndReadBack) {
  s->CostoColonna = 700;
  s->ModalitaRicalcolo = VERO;
  ReadConfiguration(*s, ITALIANO);
  EXPECT_EQ(s->CostoColonna, 100);
  EXPECT_EQ(s->IntestazioneStampa + "|" + s->StampanteTabulato, "RICEVITORIA XXX- CAMBIA LE IMPOSTAZIONI DAL MENU FILE|N/A");
  EXPECT_EQ(s->ModalitaRicalcolo, FALSO);

  // Whole cents in memory, half to even: 125,5 hundredths are 126 cents.
  const std::tuple<const char*, FormatoNumeri, const char*, Centesimi> casi[] = {
      {"1,50", ITALIANO, "150", 150}, {"1,255", ITALIANO, "125,5", 126}, {"0,07", ITALIANO, "7", 7},
      {"1.000", ITALIANO, "100000", 100000}, {"0,12345", ITALIANO, "12,345", 12},
      {"1.245", INGLESE, "124.5", 124}};  // the user's number format on both sides
  for (const auto& [costo, formato, salvato, letto] : casi) {
    SalvaImpostazioni(s->FileImpostazioni, costo, "RICEVITORIA CENTRALE", "", formato);
    ReadConfiguration(*s, formato);
    EXPECT_EQ(Valore("costo_colonna"), salvato) << costo;
    EXPECT_EQ(s->CostoColonna, letto) << costo;
  }
  EXPECT_EQ(s->IntestazioneStampa + "|" + s->StampanteTabulato, "RICEVITORIA CENTRALE|");
}

TEST_F(ImpostazioniGenerali, BadCostIsRefusedBeforeWritingAndReadsAsZeroFromTheFile) {
  SalvaImpostazioni(s->FileImpostazioni, "2,00", "Prima", "P1", ITALIANO);
  for (const char* costo : {"", "   ", "abc", "1,5x", ",", "nan"}) EXPECT_EQ(Rifiuto(costo), "13 Type mismatch") << costo;
  for (const char* costo : {"99999999999999999999", "1.000.000.000.000.000"}) EXPECT_EQ(Rifiuto(costo), "6 Overflow");
  EXPECT_EQ(Valore("costo_colonna") + Valore("intestazione_stampa") + Valore("stampante_tabulato"), "200PrimaP1");
  // Not a number, nothing, and a number too large for 64-bit cents.
  for (const std::string& testo : {std::string("cento"), std::string(), std::string(300, '9')}) {
    classINI(s->FileImpostazioni).setProperty("Impostazioni", "costo_colonna", testo);
    s->CostoColonna = 700;
    ReadConfiguration(*s, ITALIANO);
    EXPECT_EQ(s->CostoColonna, 0) << testo;
  }
}

}  // namespace
