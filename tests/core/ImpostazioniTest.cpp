#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "core/Errori.h"
#include "core/Impostazioni.h"
#include "support/IniFile.h"

namespace {
using namespace tlx;

const FormatoNumeri ITALIANO = FormatoNumeri::Italiano(), INGLESE{",", "."};

// Saving and reading back are the settings window's test and the killed saves' test.
TEST(Impostazioni, DefaultsWithoutFileAndCostsOfEarlierVersionsInWholeCents) {
  prova::CartellaTemporanea dir;
  auto s = std::make_unique<Sistema>();
  s->FileImpostazioni = dir.File("impostazioni.cfg");
  s->CostoColonna = 700, s->ModalitaRicalcolo = VERO;
  ReadConfiguration(*s);
  EXPECT_EQ(std::tuple(s->CostoColonna, s->IntestazioneStampa, s->StampanteTabulato, s->ModalitaRicalcolo),
            std::tuple(100, "RICEVITORIA XXX- CAMBIA LE IMPOSTAZIONI DAL MENU FILE", "N/A", FALSO));

  // Files of earlier versions may hold fractions of a hundredth, with either decimal separator whatever the
  // regional format: whole cents, half to even. Not a number, a negative cost or one beyond 999.999,99 euro
  // reads as 0.
  for (const auto& [testo, centesimi] : {std::pair<std::string, Centesimi>{"125,5", 126}, {"124.5", 124}, {"12,345", 12}, {"cento", 0},
                                         {std::string(300, '9'), 0}, {"99999999", 99999999}, {"100000000", 0},
                                         {"-5", 0}}) {
    classINI(s->FileImpostazioni).setProperty("Impostazioni", "costo_colonna", testo);
    ReadConfiguration(*s);
    EXPECT_EQ(s->CostoColonna, centesimi) << testo;
  }
}

// What the user may type as the cost of a column: whole cents up to 999.999,99 euro, in the user's format, each
// exactly the cents typed (0,29 is 29, whatever a binary fraction makes of it). A separator out of place, a
// grouping one before any digit included, is refused, never read as a hundredfold amount.
TEST(CostoColonna, ExactCentsUpToTheMaximumTheRestRefusedOrNotANumber) {
  constexpr Centesimi rifiutato = -1, nonNumero = -13;
  const std::tuple<std::string, FormatoNumeri, Centesimi> casi[] = {
      {"1,00", ITALIANO, 100},          {"1,5", ITALIANO, 150},            {"1.000,50", ITALIANO, 100'050},
      {"0,07", ITALIANO, 7},            {" 1,500 ", ITALIANO, 150},        {"999.999,99", ITALIANO, 99'999'999},
      {"0,29", ITALIANO, 29},           {"0", ITALIANO, 0},                {",50", ITALIANO, 50},
      {"+1,50", ITALIANO, 150},         {".150,00", ITALIANO, rifiutato},  {"1 000", ITALIANO, rifiutato},
      {"1.50", ITALIANO, rifiutato},    {"1.5", ITALIANO, rifiutato},      {"1.0000", ITALIANO, rifiutato},
      {"1,5.000", ITALIANO, rifiutato}, {"1,255", ITALIANO, rifiutato},    {"1.000.000", ITALIANO, rifiutato},
      {"-1", ITALIANO, rifiutato},      {std::string(400, '9'), ITALIANO, rifiutato}, {".123", ITALIANO, rifiutato},
      {"", ITALIANO, nonNumero},        {"1,5x", ITALIANO, nonNumero},     {",", ITALIANO, nonNumero},
      {"1e5", ITALIANO, nonNumero},     {"inf", ITALIANO, nonNumero},      {"0x1A", ITALIANO, nonNumero},
      {"1.5", INGLESE, 150},            {"1,000.50", INGLESE, 100'050},    {"1,50", INGLESE, rifiutato}};
  for (const auto& [testo, formato, atteso] : casi) {
    Centesimi avuto = 0;
    try {
      avuto = CostoColonnaDaTesto(testo, formato).value_or(rifiutato);
    } catch (const ErroreRuntime& e) {
      avuto = -e.Numero();
    }
    EXPECT_EQ(avuto, atteso) << testo;
  }
  EXPECT_EQ(CostoColonnaNonValido(INGLESE).testo,
            "Attenzione costo colonna non valido: da 0 a 999,999.99 euro, con al massimo due decimali");
}

}  // namespace
