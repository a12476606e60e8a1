#include <gtest/gtest.h>

#include "CartellaTemporanea.h"

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "core/Errori.h"
#include "core/Impostazioni.h"
#include "support/IniFile.h"

namespace tlx {
namespace {

namespace fs = std::filesystem;

using prova::CartellaTemporanea;

const FormatoNumeri ITALIANO = FormatoNumeri::Italiano();
const FormatoNumeri INGLESE{",", "."};

class ImpostazioniGenerali : public ::testing::Test {
 protected:
  ImpostazioniGenerali() {
    s->FileImpostazioni = dir.File("impostazioni.cfg");
    s->CostoColonna = 7.0f;
    s->ModalitaRicalcolo = VERO;
  }
  std::string Valore(std::string_view chiave) const {
    return classINI(s->FileImpostazioni).getProperty("IMPOSTAZIONI", chiave, "<manca>");
  }

  CartellaTemporanea dir;
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
};

TEST_F(ImpostazioniGenerali, WithoutFileEveryValueIsItsDefault) {
  ReadConfiguration(*s, ITALIANO);
  EXPECT_FLOAT_EQ(s->CostoColonna, 1.0f);
  EXPECT_EQ(s->IntestazioneStampa, "RICEVITORIA XXX- CAMBIA LE IMPOSTAZIONI DAL MENU FILE");
  EXPECT_EQ(s->StampanteTabulato, "N/A");
  EXPECT_EQ(s->ModalitaRicalcolo, FALSO);
  EXPECT_FALSE(fs::exists(s->FileImpostazioni));
}

TEST_F(ImpostazioniGenerali, SavedCostIsStoredInHundredthsAndReadBack) {
  SalvaImpostazioni(s->FileImpostazioni, "1,50", "RICEVITORIA CENTRALE", "Stampante Ufficio", ITALIANO);
  EXPECT_EQ(Valore("costo_colonna"), "150");
  EXPECT_EQ(Valore("intestazione_stampa"), "RICEVITORIA CENTRALE");
  EXPECT_EQ(Valore("stampante_tabulato"), "Stampante Ufficio");

  ReadConfiguration(*s, ITALIANO);
  EXPECT_FLOAT_EQ(s->CostoColonna, 1.5f);
  EXPECT_EQ(s->IntestazioneStampa, "RICEVITORIA CENTRALE");
  EXPECT_EQ(s->StampanteTabulato, "Stampante Ufficio");
}

TEST_F(ImpostazioniGenerali, CostDecimalsAreKeptWithoutFloatNoise) {
  const std::pair<const char*, const char*> casi[] = {
      {"1,255", "125,5"}, {"0,1", "10"}, {"0,07", "7"}, {"2", "200"}, {"1.000", "100000"}, {"0,12345", "12,345"}};
  for (const auto& [costo, atteso] : casi) {
    SalvaImpostazioni(s->FileImpostazioni, costo, "", "", ITALIANO);
    EXPECT_EQ(Valore("costo_colonna"), atteso) << costo;
  }
  SalvaImpostazioni(s->FileImpostazioni, "1,255", "", "", ITALIANO);
  ReadConfiguration(*s, ITALIANO);
  EXPECT_FLOAT_EQ(s->CostoColonna, 1.255f);
}

TEST_F(ImpostazioniGenerali, TheUserNumberFormatIsUsedOnBothSides) {
  SalvaImpostazioni(s->FileImpostazioni, "1.255", "", "", INGLESE);
  EXPECT_EQ(Valore("costo_colonna"), "125.5");
  ReadConfiguration(*s, INGLESE);
  EXPECT_FLOAT_EQ(s->CostoColonna, 1.255f);
}

TEST_F(ImpostazioniGenerali, CostWithoutNumericValueFailsBeforeWritingAnything) {
  SalvaImpostazioni(s->FileImpostazioni, "2,00", "Prima", "P1", ITALIANO);
  for (const char* costo : {"", "   ", "abc", "1,5x", ",", "nan"}) {
    try {
      SalvaImpostazioni(s->FileImpostazioni, costo, "Dopo", "P2", ITALIANO);
      ADD_FAILURE() << "no error for \"" << costo << "\"";
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), 13);
      EXPECT_EQ(TestoErrore(e.Numero(), e.Descrizione(), "cmdSalva_Click", "Form frmImpostazioni"),
                "Error 13 (Type mismatch) in procedure cmdSalva_Click of Form frmImpostazioni");
    }
  }
  EXPECT_EQ(Valore("costo_colonna"), "200");
  EXPECT_EQ(Valore("intestazione_stampa"), "Prima");
  EXPECT_EQ(Valore("stampante_tabulato"), "P1");

  const std::string altro = dir.File("mai.cfg");
  EXPECT_THROW(SalvaImpostazioni(altro, "", "x", "y", ITALIANO), ErroreRuntime);
  EXPECT_FALSE(fs::exists(altro));
}

TEST_F(ImpostazioniGenerali, CostTooLargeToStoreIsRefused) {
  SalvaImpostazioni(s->FileImpostazioni, "1", "", "", ITALIANO);
  for (const char* costo : {"99999999999999999999", "1.000.000.000.000.000"}) {
    try {
      SalvaImpostazioni(s->FileImpostazioni, costo, "", "", ITALIANO);
      ADD_FAILURE() << "no error for " << costo;
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), 6);
      EXPECT_EQ(e.Descrizione(), "Overflow");
    }
  }
  EXPECT_EQ(Valore("costo_colonna"), "100");
}

TEST_F(ImpostazioniGenerali, EmptyPrinterNameIsStoredAsEmpty) {
  SalvaImpostazioni(s->FileImpostazioni, "1", "Intestazione", "", ITALIANO);
  ReadConfiguration(*s, ITALIANO);
  EXPECT_EQ(s->StampanteTabulato, "");
}

TEST_F(ImpostazioniGenerali, StoredCostThatIsNotANumberReadsAsZero) {
  const classINI ini(s->FileImpostazioni);
  for (const char* testo : {"cento", "", "1e999"}) {
    ini.setProperty("Impostazioni", "costo_colonna", testo);
    s->CostoColonna = 7.0f;
    ReadConfiguration(*s, ITALIANO);
    EXPECT_EQ(s->CostoColonna, 0.0f) << testo;
  }
  ini.setProperty("Impostazioni", "costo_colonna", "250");
  ReadConfiguration(*s, ITALIANO);
  EXPECT_FLOAT_EQ(s->CostoColonna, 2.5f);
}

TEST_F(ImpostazioniGenerali, SavingKeepsWhateverElseTheFileHolds) {
  const classINI ini(s->FileImpostazioni);
  ini.setProperty("IMPOSTAZIONI", "altra_chiave", "resta");
  ini.setProperty("Altro", "costo_colonna", "999");
  SalvaImpostazioni(s->FileImpostazioni, "0,50", "H", "P", ITALIANO);
  EXPECT_EQ(Valore("costo_colonna"), "50");
  EXPECT_EQ(Valore("altra_chiave"), "resta");
  EXPECT_EQ(ini.getProperty("Altro", "costo_colonna", ""), "999");
  ReadConfiguration(*s, ITALIANO);
  EXPECT_FLOAT_EQ(s->CostoColonna, 0.5f);
}

}  // namespace
}  // namespace tlx
