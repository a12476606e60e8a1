// The slips on the page, through the recording printer: where the marks
// fall under a calibration, how a system splits into slips and what each
// costs, the refused ranges and the calibration test pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/Sistema.h"
#include "printing/CicloStampa.h"
#include "printing/IntervalloSchede.h"
#include "printing/Schede.h"
#include "printing/StampanteRegistrata.h"

namespace tlx {
namespace {

using Tipo = OperazioneStampa::Tipo;

// kX kY kTop kLeft kWebX kWebY kNomeX kNomeY, numbers on the squares, low quality.
const TaraturaScheda CALIBRAZIONE{7.5F, 5, 40, 10, 12, 3, 80, 9, MARCATORE_NUMERO, qualita::Bassa, {}};

// 12 columns: column c holds c, c+1, c+2, c+3, 55 (column 1: 1 2 3 4 55).
std::unique_ptr<Sistema> SistemaDodici() {
  auto s = std::make_unique<Sistema>();
  for (int32_t c = 1; c <= 12; ++c) {
    for (int i = 0; i < 4; ++i) s->Colonne.Colonna(c)[i] = static_cast<uint8_t>(c + i);
    s->Colonne.Colonna(c)[4] = 55;
  }
  s->NumeroColonne = 12, s->CostoColonna = 150, s->IntestazioneStampa = "RICEVITORIA CENTRALE";
  return s;
}

std::vector<PaginaRegistrata> Stampa(const Sistema& s, LayoutScheda layout, int32_t da, int32_t a,
                                     const TaraturaScheda& t = CALIBRAZIONE) {
  StampanteRegistrata p;
  const Flag mai = FALSO;
  const DatiStampaSchede dati{layout, "sistema.tlqvx", FormatoNumeri::Italiano()};
  CicloSchede(p, mai, da, a, {}, [&](int32_t n) { StampaPaginaScheda(p, s, t, dati, n); });
  EXPECT_EQ(std::pair(p.Documenti().size(), p.Documenti().at(0).qualita), std::pair(size_t{1}, t.Qualita));
  return p.Documenti()[0].pagine;
}

// A column 1 10 20 30 55 on a 1-column slip and on the fifth panel of a 5-column slip: number 1 at the
// sixth place of row 0, then rows of ten; the 5-column slip's panel 1 starts one row above kTop and each
// panel lies 6 rows and 2 mm below the previous. White numbers on the squares.
TEST(Schede, PosizioneDeiSegniSottoUnaTaratura) {
  auto s = std::make_unique<Sistema>();
  for (int32_t c = 1; c <= 5; ++c) std::ranges::copy(std::array<uint8_t, 5>{1, 10, 20, 30, 55}, s->Colonne.Colonna(c));
  s->NumeroColonne = 5;
  for (const auto& [layout, y0] : {std::pair{LayoutScheda::UnaColonna, 40.0}, {LayoutScheda::CinqueColonne, 163.0}}) {
    const double lato = DatiTipoScheda(layout).lato;
    const PaginaRegistrata pagina = Stampa(*s, layout, 1, 1).at(0);
    const auto riquadri = pagina.Di(Tipo::Riquadro);
    ASSERT_EQ(riquadri.size(), 5U * DatiTipoScheda(layout).colonne);
    std::vector<std::array<double, 3>> segni;
    for (size_t i : {0, 1, 4}) {
      const OperazioneStampa& segno = riquadri[riquadri.size() - 5 + i];
      segni.push_back({segno.x, segno.y, segno.x2 - segno.x});
    }
    EXPECT_EQ(segni, (std::vector<std::array<double, 3>>{{47.5, y0, lato}, {40, y0 + 5, lato}, {77.5, y0 + 25, lato}}));
    EXPECT_TRUE(std::ranges::all_of(pagina.Di(Tipo::Testo),
                                    [](const auto& o) { return o.testo.size() != 2 || o.colore == COLORE_BIANCO; }));
  }
}

TEST(Schede, DodiciColonneSuSchedeDaUnaEDaCinque) {
  const auto d = SistemaDodici();
  const auto una = Stampa(*d, LayoutScheda::UnaColonna, 1, TotaleSchede(12, 1));
  EXPECT_EQ(std::pair(una.size(), una.at(11).Testo("   € ")->testo), std::pair(size_t{12}, std::string("   € 1,50")));
  const auto cinque = Stampa(*d, LayoutScheda::CinqueColonne, 1, TotaleSchede(12, 5));
  ASSERT_EQ(cinque.size(), 3U);
  EXPECT_EQ(cinque[1].Testo("   € ")->testo, "   € 7,50");
  // The third slip: columns 11 and 12 on panels 1 and 2, panels 3-5 empty; its texts in their order.
  const PaginaRegistrata& p = cinque[2];
  const auto ultima = p.Di(Tipo::Riquadro);
  ASSERT_EQ(ultima.size(), 10U);
  const double fondoPannello2 = InizioPannello(CALIBRAZIONE, LayoutScheda::CinqueColonne, 3);
  EXPECT_TRUE(std::ranges::all_of(ultima, [&](const OperazioneStampa& o) { return o.y < fondoPannello2; }));
  EXPECT_DOUBLE_EQ(ultima[0].x, PosizioneNumero(CALIBRAZIONE, 0, 11).x);  // column 11 starts with 11
  EXPECT_EQ(p.Testi(), (std::vector<std::string>{"RICEVITORIA CENTRALE", "11", "12", "13", "14", "55", "12", "13", "14",
                                                 "15", "55", "sistema.tlqvx", "Scheda n. 3", "   € 3,00",
                                                 "TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT"}));
  // Header and name where the calibration puts them, number and price on one line, the footer below.
  EXPECT_EQ((std::array{p.Testo("RICEVITORIA")->x, p.Testo("RICEVITORIA")->y, p.Testo("sistema")->x,
                        p.Testo("sistema")->y, p.Testo("Scheda n. ")->y - p.Testo("   € ")->y}),
            (std::array{12.0, 3.0, 80.0, 9.0, 0.0}));
  EXPECT_GT(p.Testo("TremaluxorQVX")->y, p.Testo("   € ")->y);

  TaraturaScheda quadratino = CALIBRAZIONE;
  quadratino.Marcatore = MARCATORE_QUADRATINO;
  EXPECT_EQ(Stampa(*d, LayoutScheda::UnaColonna, 1, 1, quadratino).at(0).Testi().size(), 5U)
      << "header, name, number, price, footer: no numbers on the squares";
  // "Da" 2, "a" 3 on 5-column slips: columns 6 to 15 (12 exist), slips 2 and 3.
  const auto parte = Stampa(*d, LayoutScheda::CinqueColonne, 2, 3);
  ASSERT_EQ(parte.size(), 2U);
  EXPECT_EQ(parte[0].Testo("Scheda n. ")->testo, "Scheda n. 2");
  EXPECT_DOUBLE_EQ(parte[0].Di(Tipo::Riquadro)[0].x, PosizioneNumero(CALIBRAZIONE, 0, 6).x);
}

TEST(Schede, IntervalliRifiutatiEAccettati) {
  const Messaggio maggiore{Icona::Esclamazione, Pulsanti::Ok, " !!! E R R O R E !!! ", "'DA' è maggiore di 'A'"};
  const Messaggio minore{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'DA' è minore del minimo"};
  const Messaggio massimo{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'A' è maggiore del massimo"};
  const std::tuple<const char*, const char*, int32_t, std::variant<IntervalloSchede, Messaggio>> casi[] = {
      {"1", "0", 0, maggiore},  // an empty system
      {"3", "2", 12, maggiore},
      {"", "5", 12, minore},
      {"1", "12.1", 12, massimo},
      {"2", "3", 3, IntervalloSchede{2, 3}},
      {"1.5", "2.5", 12, IntervalloSchede{2, 2}},  // halves to even
      {"3abc", "4 5", 12, IntervalloSchede{3, 4}}};
  for (const auto& [da, a, totale, esito] : casi) EXPECT_EQ(ControllaIntervallo(da, a, 1, totale), esito) << da << a;
}

// Every box of the grid empty; with the number marker each number stands where its slip marks it, so the
// 6 x 10 grid's five places before number 1 stay unlabelled. The header at its place; the reduced slip's extra
// box below the grid's last row.
TEST(Schede, PagineDiProvaDellaTaratura) {
  TaraturaScheda quadratino = CALIBRAZIONE;
  quadratino.Marcatore = MARCATORE_QUADRATINO;
  const std::tuple<LayoutScheda, TaraturaScheda, size_t, size_t> casi[] = {
      {LayoutScheda::UnaColonna, CALIBRAZIONE, 60, 55},
      {LayoutScheda::UnaColonna, quadratino, 60, 0},
      {LayoutScheda::CinqueColonne, CALIBRAZIONE, 275, 275},
      {LayoutScheda::Ridotti, CALIBRAZIONE, 61, 55}};
  for (const auto& [layout, t, quantiRiquadri, numeri] : casi) {
    StampanteRegistrata p;
    StampaTestTaratura(p, t, layout, "INTESTAZIONE");
    const PaginaRegistrata& pagina = p.Documenti().at(0).pagine.at(0);
    const auto riquadri = pagina.Di(Tipo::Riquadro);
    EXPECT_EQ(std::tuple(riquadri.size(), pagina.Testi().size(), pagina.Testo("INTESTAZIONE")->x),
              std::tuple(quantiRiquadri, numeri + 5, 12.0));
    EXPECT_TRUE(
        std::ranges::all_of(riquadri, [](const auto& o) { return o.riempimento == StileRiempimento::Trasparente; }));
    const auto testi = pagina.Di(Tipo::Testo);
    for (size_t i = 0; i < numeri; ++i) {
      const OperazioneStampa& etichetta = testi[i + 1];
      const int pannello = static_cast<int>(i / NUMERI) + 1;
      EXPECT_EQ((PuntoMm{etichetta.x, etichetta.y}),
                PosizioneNumero(t, InizioPannello(t, layout, pannello), std::stoi(etichetta.testo)))
          << etichetta.testo;
    }
    if (layout == LayoutScheda::Ridotti) {
      EXPECT_EQ((std::pair{riquadri[60].x, riquadri[60].y}), (std::pair{10 + 9 * 7.5 - 2, 40 + 8 * 5.0 - 2}));
    }
  }
}

}  // namespace
}  // namespace tlx
