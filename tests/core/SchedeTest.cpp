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

TaraturaScheda Calibrazione() {
  TaraturaScheda t;
  t.kX = 7.5F;
  t.kY = 5.0F;
  t.kTop = 40.0F;
  t.kLeft = 10.0F;
  t.kWebX = 12.0F;
  t.kWebY = 3.0F;
  t.kNomeX = 80.0F;
  t.kNomeY = 9.0F;
  t.Marcatore = MARCATORE_NUMERO;
  t.Qualita = qualita::Bassa;
  return t;
}

// 12 columns: column c holds c, c+1, c+2, c+3, 55 (column 1: 1 2 3 4 55).
std::unique_ptr<Sistema> SistemaDodici() {
  auto s = std::make_unique<Sistema>();
  for (int32_t c = 1; c <= 12; ++c) {
    uint8_t* col = s->Colonne.Colonna(c);
    for (int i = 0; i < 4; ++i) col[i] = static_cast<uint8_t>(c + i);
    col[4] = 55;
  }
  s->NumeroColonne = 12;
  s->CostoColonna = 150;
  s->IntestazioneStampa = "RICEVITORIA CENTRALE";
  return s;
}

std::vector<PaginaRegistrata> Stampa(const Sistema& s, const TaraturaScheda& t, LayoutScheda layout, int32_t da, int32_t a) {
  StampanteRegistrata p;
  const Flag mai = FALSO;
  const DatiStampaSchede dati{layout, "sistema.tlqvx", FormatoNumeri::Italiano()};
  CicloSchede(p, mai, da, a, {}, [&](int32_t n) { StampaPaginaScheda(p, s, t, dati, n); });
  EXPECT_EQ(p.Documenti().size(), 1U);
  EXPECT_EQ(p.Documenti()[0].qualita, t.Qualita);
  return p.Documenti()[0].pagine;
}

TEST(Schede, PosizioneDeiSegniSottoUnaTaratura) {
  const TaraturaScheda t = Calibrazione();
  // Number m: row 0 holds 1-5 from the sixth place, rows 1-5 ten each.
  const struct {
    int numero;
    double x, y;
  } casi[] = {{1, 10 + 5 * 7.5, 40}, {6, 10, 45}, {10, 10 + 4 * 7.5, 45}, {55, 10 + 9 * 7.5, 65}};
  for (const auto& c : casi) {
    EXPECT_EQ(PosizioneNumero(t, t.kTop, c.numero), (PuntoMm{c.x, c.y})) << c.numero;
  }
  // 5-column slip: row 6-15 of panel 1 at kTop, each panel 6 rows + 2 mm lower.
  EXPECT_DOUBLE_EQ(InizioPannello(t, LayoutScheda::CinqueColonne, 3), 35.0 + 2 * 32);
  EXPECT_DOUBLE_EQ(InizioPannello(t, LayoutScheda::UnaColonna, 1), 40.0);

  // Printed: a column 1 10 55 on a 1-column slip and on the fifth panel of
  // a 5-column slip (the numbers' places: on Qt's PDF in the window tests).
  auto s = std::make_unique<Sistema>();
  const uint8_t colonna[5] = {1, 10, 20, 30, 55};
  for (int32_t c = 1; c <= 5; ++c) std::copy(colonna, colonna + 5, s->Colonne.Colonna(c));
  s->NumeroColonne = 5;
  for (const auto layout : {LayoutScheda::UnaColonna, LayoutScheda::CinqueColonne}) {
    const TipoScheda tipo = DatiTipoScheda(layout);
    const PaginaRegistrata pagina = Stampa(*s, t, layout, 1, 1).at(0);
    const auto riquadri = pagina.Di(Tipo::Riquadro);
    ASSERT_EQ(riquadri.size(), 5U * tipo.colonne);
    EXPECT_TRUE(std::ranges::all_of(pagina.Di(Tipo::Testo), [](const auto& o) {
      return o.testo.size() != 2 || o.colore == COLORE_BIANCO;
    })) << "white numbers on the squares";
    const double y0 = InizioPannello(t, layout, tipo.colonne);
    const std::pair<int, size_t> controlli[] = {{1, 0}, {10, 1}, {55, 4}};
    for (const auto& [numero, indice] : controlli) {
      const OperazioneStampa& box = riquadri[riquadri.size() - 5 + indice];
      const PuntoMm atteso = PosizioneNumero(t, y0, numero);
      EXPECT_DOUBLE_EQ(box.x, atteso.x) << numero;
      EXPECT_DOUBLE_EQ(box.y, atteso.y) << numero;
      EXPECT_DOUBLE_EQ(box.x2 - box.x, tipo.lato);
    }
  }
}

TEST(Schede, DodiciColonneSuSchedeDaUnaEDaCinque) {
  const auto d = SistemaDodici();
  const TaraturaScheda t = Calibrazione();
  const auto una = Stampa(*d, t, LayoutScheda::UnaColonna, 1, TotaleSchede(12, 1));
  ASSERT_EQ(una.size(), 12U);
  EXPECT_EQ(una[11].Testo("   € ")->testo, "   € 1,50");

  const auto cinque = Stampa(*d, t, LayoutScheda::CinqueColonne, 1, TotaleSchede(12, 5));
  ASSERT_EQ(cinque.size(), 3U);
  EXPECT_EQ(cinque[1].Testo("   € ")->testo, "   € 7,50");
  // The third slip: columns 11 and 12 on panels 1 and 2, panels 3-5 empty.
  const auto ultima = cinque[2].Di(Tipo::Riquadro);
  ASSERT_EQ(ultima.size(), 10U);
  const double fondoPannello2 = InizioPannello(t, LayoutScheda::CinqueColonne, 3);
  EXPECT_TRUE(std::ranges::all_of(ultima, [&](const OperazioneStampa& o) { return o.y < fondoPannello2; }));
  EXPECT_DOUBLE_EQ(ultima[0].x, PosizioneNumero(t, 0, 11).x);  // column 11 starts with 11
  EXPECT_EQ(cinque[2].Testo("   € ")->testo, "   € 3,00");

  // The page's texts in their order and places: header, the marks' numbers,
  // name, number, price, footer.
  const PaginaRegistrata& p = cinque[2];
  EXPECT_EQ(p.Testi(), (std::vector<std::string>{"RICEVITORIA CENTRALE", "11", "12", "13", "14", "55", "12", "13", "14",
                                                 "15", "55", "sistema.tlqvx", "Scheda n. 3", "   € 3,00",
                                                 "TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT"}));
  EXPECT_EQ((std::pair{p.Testo("RICEVITORIA")->x, p.Testo("RICEVITORIA")->y}), (std::pair{12.0, 3.0}));
  EXPECT_EQ((std::pair{p.Testo("sistema")->x, p.Testo("sistema")->y}), (std::pair{80.0, 9.0}));
  EXPECT_DOUBLE_EQ(p.Testo("Scheda n. ")->y, p.Testo("   € ")->y);
  EXPECT_GT(p.Testo("TremaluxorQVX")->y, p.Testo("   € ")->y);

  TaraturaScheda quadratino = t;
  quadratino.Marcatore = MARCATORE_QUADRATINO;
  EXPECT_EQ(Stampa(*d, quadratino, LayoutScheda::UnaColonna, 1, 1).at(0).Testi().size(), 5U)
      << "header, name, number, price, footer: no numbers on the squares";

  // "Da" 2, "a" 3 on 5-column slips: columns 6 to 15 (12 exist), slips 2 and 3.
  const auto parte = Stampa(*d, t, LayoutScheda::CinqueColonne, 2, 3);
  ASSERT_EQ(parte.size(), 2U);
  EXPECT_EQ(parte[0].Testo("Scheda n. ")->testo, "Scheda n. 2");
  EXPECT_DOUBLE_EQ(parte[0].Di(Tipo::Riquadro)[0].x, PosizioneNumero(t, 0, 6).x);
}

TEST(Schede, IntervalliRifiutatiEAccettati) {
  const Messaggio maggiore{Icona::Esclamazione, Pulsanti::Ok, " !!! E R R O R E !!! ", "'DA' è maggiore di 'A'"};
  const Messaggio minore{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'DA' è minore del minimo"};
  const Messaggio massimo{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'A' è maggiore del massimo"};
  using Esito = std::variant<IntervalloSchede, Messaggio>;
  const struct {
    const char* da;
    const char* a;
    int32_t totale;
    Esito esito;
  } casi[] = {
      {"1", "0", 0, maggiore},  // an empty system
      {"3", "2", 12, maggiore},
      {"", "5", 12, minore},
      {"0.5", "5", 12, minore},
      {"1", "12.1", 12, massimo},
      {"2", "3", 3, IntervalloSchede{2, 3}},
      {"1.5", "2.5", 12, IntervalloSchede{2, 2}},  // halves to even
      {"3abc", "4 5", 12, IntervalloSchede{3, 4}},
  };
  for (const auto& c : casi) EXPECT_EQ(ControllaIntervallo(c.da, c.a, 1, c.totale), c.esito) << c.da << " " << c.a;
  EXPECT_EQ(TotaleSchede(1'850'000, 5), 370'000);
}

TEST(Schede, PagineDiProvaDellaTaratura) {
  const TaraturaScheda numero = Calibrazione();
  TaraturaScheda quadratino = numero;
  quadratino.Marcatore = MARCATORE_QUADRATINO;
  // Every box of the grid empty, numbered with the number marker, the
  // header at its place.
  const struct {
    LayoutScheda layout;
    const TaraturaScheda& t;
    size_t riquadri, numeri;
  } casi[] = {{LayoutScheda::UnaColonna, numero, 60, 60},
              {LayoutScheda::UnaColonna, quadratino, 60, 0},
              {LayoutScheda::CinqueColonne, numero, 275, 275},
              {LayoutScheda::Ridotti, numero, 61, 60}};
  for (const auto& c : casi) {
    StampanteRegistrata p;
    StampaTestTaratura(p, c.t, c.layout, "INTESTAZIONE");
    ASSERT_EQ(p.Documenti().size(), 1U);
    const PaginaRegistrata& pagina = p.Documenti()[0].pagine.at(0);
    const auto riquadri = pagina.Di(Tipo::Riquadro);
    EXPECT_EQ(riquadri.size(), c.riquadri);
    EXPECT_TRUE(std::ranges::all_of(riquadri, [](const auto& o) { return o.riempimento == StileRiempimento::Trasparente; }));
    EXPECT_EQ(pagina.Testi().size(), c.numeri + 5);
    EXPECT_EQ(pagina.Testo("INTESTAZIONE")->x, 12.0);
    if (c.layout == LayoutScheda::Ridotti) {  // the extra box below the grid's last row
      EXPECT_DOUBLE_EQ(riquadri[60].x, 10 + 9 * 7.5 - 2);
      EXPECT_DOUBLE_EQ(riquadri[60].y, 40 + 8 * 5.0 - 2);
    }
  }
}

}  // namespace
}  // namespace tlx
