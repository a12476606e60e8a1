#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "FinestraPrincipale.h"
#include "core/CondizioniTest.h"
#include "platform/FileDialogs.h"
#include "ui/conditions/frmConsecutivi.h"
#include "ui/conditions/frmFisse.h"
#include "ui/conditions/frmPari.h"
#include "ui/conditions/frmRiduzione.h"
#include "ui/conditions/frmSomma.h"
#include "ui/widgets/CoppiaOnOff.h"
#include "ProvaEtichette.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;

std::vector<std::string> Testi() {
  std::vector<std::string> t;
  for (const Messaggio& m : MessageBox::Mostrati()) t.push_back(m.testo);
  return t;
}

using prova::Selezionate;

// One press on the first label, a sweep through the others and the release.
void Trascina(GrigliaEtichette* g, std::initializer_list<int> etichette) {
  QWidget& finestra = *g->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
  std::vector<QPoint> punti;
  for (int i : etichette) punti.push_back(prova::Centro(finestra, g, i));
  prova::Trascina(finestra, punti);
}
void Clic(GrigliaEtichette* g, int i) { Trascina(g, {i}); }

template <class T>
struct Dialogo {
  std::unique_ptr<T> d;
  explicit Dialogo(Sistema& s) : d(std::make_unique<T>(s)) {
    d->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(d.get()));
  }
  T* operator->() const { return d.get(); }
  template <class W>
  W* Trova(const char* nome) const {
    W* w = d->template findChild<W*>(nome);
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  QString Testo(const char* nome) const { return Trova<QLabel>(nome)->text(); }
  void Chiudi() { d->close(); }
};

struct Condizioni : ::testing::Test {
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  Condizioni() { MessageBox::Registra(); }
  ~Condizioni() override { MessageBox::Azzera(); }
  void Scegli(std::initializer_list<int> numeri) {
    for (int n : numeri) GrigliaNumeriClick(*sistema, n - 1);
  }
};

// ---- Sum -------------------------------------------------------------------------

TEST_F(Condizioni, SumLimitsComeFromTheGridAndClosingUntouchedStoresThem) {
  Scegli({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
  // The prediction keeps an order of its own, which the dialog leaves alone.
  sistema->Pronostico = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
  const auto pronostico = sistema->Pronostico;
  Dialogo<frmSomma> d(*sistema);
  EXPECT_EQ(d.Testo("labMin"), "15");
  EXPECT_EQ(d.Testo("labMax"), "40");
  EXPECT_EQ(d.Trova<QLineEdit>("txtDA")->text(), "15");
  EXPECT_EQ(d.Trova<QLineEdit>("txtA")->text(), "40");
  // Enter moves between the two boxes, both ways.
  d.Trova<QLineEdit>("txtA")->setFocus();
  QTest::keyClick(d.Trova<QLineEdit>("txtA"), Qt::Key_Return);
  EXPECT_TRUE(d.Trova<QLineEdit>("txtDA")->hasFocus());
  QTest::keyClick(d.Trova<QLineEdit>("txtDA"), Qt::Key_Enter);
  EXPECT_TRUE(d.Trova<QLineEdit>("txtA")->hasFocus());
  d.Chiudi();
  EXPECT_FALSE(d->isVisible());
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  EXPECT_EQ(sistema->Condizioni.SommaMinMax, (std::array<int16_t, 2>{15, 40}));
  EXPECT_EQ(sistema->Pronostico, pronostico);

  // A stored bound is shown when it lies within the limits.
  sistema->Condizioni.SommaMinMax = {20, 41};
  Dialogo<frmSomma> e(*sistema);
  EXPECT_EQ(e.Trova<QLineEdit>("txtDA")->text(), "20");
  EXPECT_EQ(e.Trova<QLineEdit>("txtA")->text(), "40");
}

TEST_F(Condizioni, SumMessagesComeInOrderKeepTheWindowOpenAndTheBoundsAreStillStored) {
  Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  struct Caso {
    const char* da;
    const char* a;
    std::vector<std::string> messaggi;
    const char* fuoco;
    std::array<int16_t, 2> memorizzati;
  };
  const Caso casi[] = {
      {"12", "41", {"'DA' è minore del minimo", "'A' è maggiore del massimo"}, "txtA", {12, 41}},
      {"9", "8", {"'DA' è maggiore di 'A'", "'DA' è minore del minimo"}, "txtDA", {9, 8}},
      {"20.5", "33,9", {}, nullptr, {20, 33}},
  };
  for (const Caso& c : casi) {
    MessageBox::Azzera();
    sistema->Condizioni.SommaMinMax = {};
    Dialogo<frmSomma> d(*sistema);
    auto* da = d.Trova<QLineEdit>("txtDA");
    auto* a = d.Trova<QLineEdit>("txtA");
    // Typing into a box that got the focus replaces its text.
    for (auto [casella, testo] : {std::pair{da, c.da}, std::pair{a, c.a}}) {
      casella->setFocus();
      QApplication::processEvents();
      QTest::keyClick(casella, Qt::Key_Delete);
      QTest::keyClicks(casella, testo);
      EXPECT_EQ(casella->text(), testo);
    }
    d.Chiudi();
    EXPECT_EQ(Testi(), c.messaggi) << c.da << ".." << c.a;
    EXPECT_EQ(d->isVisible(), c.fuoco != nullptr);
    if (c.fuoco) {
      EXPECT_TRUE(d.Trova<QLineEdit>(c.fuoco)->hasFocus()) << c.da << ".." << c.a;
    }
    EXPECT_EQ(sistema->Condizioni.SommaMinMax, c.memorizzati) << c.da << ".." << c.a;
  }
}

// ---- Read-only while a system is shown ---------------------------------------

TEST_F(Condizioni, WhileLockedEveryDialogIsReadOnlyAndTheSumClosesWithoutChecks) {
  Scegli({1, 2, 3, 4, 5, 6, 7});
  sistema->GuiBloccata = -1;
  sistema->Condizioni.SommaMinMax = {100, 101};
  sistema->Condizioni.PariAttiva = 1;  // any non-zero switch is ON
  sistema->Condizioni.PariAmmessi[2] = 1;
  {
    Dialogo<frmSomma> d(*sistema);
    EXPECT_FALSE(d.Trova<QWidget>("frameSomma")->isEnabled());
    d.Trova<QLineEdit>("txtDA")->setText("1");  // as if typed before the lock
    d.Chiudi();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(sistema->Condizioni.SommaMinMax, (std::array<int16_t, 2>{100, 101}));
  }
  {
    Dialogo<frmPari> d(*sistema);
    EXPECT_FALSE(d.Trova<QWidget>("framePariDispari")->isEnabled());
    EXPECT_TRUE(d->Interruttore()->On());
    EXPECT_EQ(Selezionate(d->Conteggi()), (std::vector<int>{2}));
    Trascina(d->Conteggi(), {0, 5});
    QTest::mouseClick(d->Interruttore()->Opzione(1), Qt::LeftButton);
    d.Chiudi();
    EXPECT_EQ(Selezionate(d->Conteggi()), (std::vector<int>{2}));
    EXPECT_EQ(sistema->Condizioni.PariAttiva, 1);
    EXPECT_EQ(sistema->Condizioni.PariAmmessi, (std::array<Flag, 6>{0, 0, 1, 0, 0, 0}));
  }
}

// ---- Even numbers --------------------------------------------------------------

TEST_F(Condizioni, SweepingTheEvenCountsTogglesEachOnceAndSweepingBackTogglesThemAgain) {
  Scegli({1, 2, 3, 4, 5});
  sistema->Condizioni.PariAmmessi[1] = VERO;
  Dialogo<frmPari> d(*sistema);
  EXPECT_EQ(Selezionate(d->Conteggi()), (std::vector<int>{1}));
  Trascina(d->Conteggi(), {0, 5});
  EXPECT_EQ(Selezionate(d->Conteggi()), (std::vector<int>{0, 2, 3, 4, 5}));
  EXPECT_EQ(sistema->Condizioni.PariAmmessi, (std::array<Flag, 6>{VERO, 0, VERO, VERO, VERO, VERO}));
  Trascina(d->Conteggi(), {5, 3});
  EXPECT_EQ(sistema->Condizioni.PariAmmessi, (std::array<Flag, 6>{VERO, 0, VERO, 0, 0, 0}));
  // Leaving a label and coming back toggles it again.
  Trascina(d->Conteggi(), {0, 1, 0});
  EXPECT_EQ(Selezionate(d->Conteggi()), (std::vector<int>{0, 1, 2}));

  QTest::mouseClick(d->Interruttore()->Opzione(0), Qt::LeftButton);
  EXPECT_EQ(sistema->Condizioni.PariAttiva, VERO);
  QTest::mouseClick(d->Interruttore()->Opzione(1), Qt::LeftButton);
  EXPECT_EQ(sistema->Condizioni.PariAttiva, FALSO);
}

// ---- Fixed numbers ----------------------------------------------------------------

TEST_F(Condizioni, AtMostFourChosenNumbersAreFixedAndGreyedNumbersIgnoreClicks) {
  Scegli({1, 2, 3, 4, 5, 6, 7, 9});
  sistema->Condizioni.NumeriFissi[8] = 1;  // fixed earlier, no longer chosen
  sistema->Condizioni.NumeriFissi[2] = 1;
  sistema->Condizioni.QuantiFissi = 2;
  Dialogo<frmFisse> d(*sistema);
  GrigliaEtichette* g = d->Numeri();
  EXPECT_EQ(g->Etichetta(54)->text(), "55");
  EXPECT_TRUE(g->Etichetta(7)->font().italic());
  EXPECT_EQ(Selezionate(g), (std::vector<int>{1}));
  EXPECT_EQ(d.Testo("l1"), "1");
  EXPECT_EQ(sistema->Condizioni.QuantiFissi, 1);

  for (int i : {7, 3, 4, 5, 6}) Clic(g, i);  // 8 is greyed; 7 would be the fifth
  EXPECT_EQ(Selezionate(g), (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(d.Testo("l1"), "4");
  Clic(g, 3);
  EXPECT_EQ(d.Testo("l1"), "3");
  d.Chiudi();
  std::vector<int> fissi;
  for (int n = 1; n <= NUMERI; ++n)
    if (sistema->Condizioni.NumeriFissi[static_cast<size_t>(n)]) fissi.push_back(n);
  EXPECT_EQ(fissi, (std::vector<int>{2, 5, 6}));
  EXPECT_EQ(sistema->Condizioni.QuantiFissi, 3);
}

// ---- Consecutive numbers -------------------------------------------------------

TEST_F(Condizioni, TheLongestRunIsShownCappedAndTheChosenLengthsBecomeTheMask) {
  Scegli({3, 4, 5, 6, 7, 8, 20});
  sistema->Consecutivi.LunghezzeMask = PotenzeDiDue[5];
  Dialogo<frmConsecutivi> d(*sistema);
  EXPECT_EQ(d.Testo("l1"), "05");
  EXPECT_EQ(Selezionate(d->Lunghezze()), (std::vector<int>{5}));
  Trascina(d->Lunghezze(), {2, 3});
  Clic(d->Lunghezze(), 5);
  d.Chiudi();
  EXPECT_EQ(sistema->Consecutivi.LunghezzeMask, 12);
}

// ---- Reductions ----------------------------------------------------------------

TEST_F(Condizioni, StoredReductionValuesOutOfRangeAreCorrectedAtOnceWhenOpened) {
  Scegli({1, 2, 3, 4, 5});
  sistema->DistanzaMinima.Distanza = 0;
  sistema->Condizioni.Garanzia = 7;
  Dialogo<frmDistanzaMinima> m(*sistema);
  EXPECT_EQ(sistema->DistanzaMinima.Distanza, 1);
  EXPECT_EQ(m.Testo("lblDistanzaMinima"), "1");
  Dialogo<frmRidotto> r(*sistema);
  EXPECT_EQ(sistema->Condizioni.Garanzia, 4);
  EXPECT_EQ(r.Testo("lblRidottoNx"), "4");

  sistema->DistanzaMinima.Distanza = 9;
  Dialogo<frmDistanzaMinima> alta(*sistema);
  EXPECT_EQ(alta.Testo("lblDistanzaMinima"), "5");
  alta.Trova<QScrollBar>("hsDistanzaMinima")->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(alta.Testo("lblDistanzaMinima"), "4");
  alta.Chiudi();
  EXPECT_EQ(sistema->DistanzaMinima.Distanza, 4);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

// ---- Through the main window ---------------------------------------------------

struct MenuCondizioni : ::testing::Test {
  prova::FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  Sistema& s = *f.sistema;

  // Opens a dialog from its menu item; `azioni` runs once it is up, then it is closed.
  void ConDialogo(const char* voce, const std::function<void(QDialog&)>& azioni) {
    bool eseguito = false;
    QTimer::singleShot(0, &w, [&] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr) << voce;
      eseguito = true;
      azioni(*d);
      d->close();
    });
    w.findChild<QAction*>(voce)->trigger();
    EXPECT_TRUE(eseguito) << voce;
  }
  static void Premi(QDialog& d, int opzione) {
    QTest::mouseClick(d.findChild<CoppiaOnOff*>()->Opzione(opzione), Qt::LeftButton);
  }
  bool Segnata(const char* voce) const { return w.findChild<QAction*>(voce)->isChecked(); }
};

TEST_F(MenuCondizioni, TheTwoReductionsExcludeEachOtherWithAMessageAndBothCheckMarks) {
  f.Scegli({1, 2, 3, 4, 5, 6, 7});
  ConDialogo("menuDistanzaMinima", [](QDialog& d) { Premi(d, 0); });
  EXPECT_TRUE(Segnata("menuDistanzaMinima"));
  EXPECT_TRUE(MessageBox::Mostrati().empty());

  ConDialogo("menuRidotto", [](QDialog& d) { Premi(d, 0); });
  ASSERT_EQ(MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(MessageBox::Mostrati()[0].testo,
            "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A DISTANZA MINIMA, QUEST'ULTIMA SARA' DISATTIVATA'");
  EXPECT_EQ(MessageBox::Mostrati()[0].icona, Icona::Esclamazione);
  EXPECT_TRUE(Segnata("menuRidotto"));
  EXPECT_FALSE(Segnata("menuDistanzaMinima"));
  EXPECT_EQ(s.DistanzaMinima.Attivo, FALSO);

  ConDialogo("menuDistanzaMinima", [](QDialog& d) { Premi(d, 0); });
  ASSERT_EQ(MessageBox::Mostrati().size(), 2u);
  EXPECT_EQ(MessageBox::Mostrati()[1].testo,
            "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A GARANZIA, QUEST'ULTIMA SARA' DISATTIVATA");
  EXPECT_FALSE(Segnata("menuRidotto"));
  EXPECT_TRUE(Segnata("menuDistanzaMinima"));

  // With the reduction off, its dialog leaves the minimum distance alone.
  ConDialogo("menuRidotto", [](QDialog&) {});
  EXPECT_EQ(MessageBox::Mostrati().size(), 2u);
  EXPECT_TRUE(Segnata("menuDistanzaMinima"));
}

// Each dialog's setting reaches the development and comes back from the
// system file, shown again by the dialog.
TEST_F(MenuCondizioni, EachSettingShapesTheDevelopmentAndSurvivesSaveAndOpen) {
  platform::cCommonDialog::Simulazione().Registra();
  QDir().mkpath(f.cartella.path() + "/sistemi");
  const QString file = f.cartella.path() + "/sistemi/nuovo.tlqvx";
  struct Caso {
    const char* voce;
    std::function<void(QDialog&)> imposta;
    std::function<bool(const Candidato&)> accetta;  // nullptr: a reduction, fewer columns than the full system
    std::function<void(QDialog&)> verifica;
  };
  const Caso casi[] = {
      {"menuSomma",
       [](QDialog& d) {
         d.findChild<QLineEdit*>("txtDA")->setText("30");
         d.findChild<QLineEdit*>("txtA")->setText("35");
         Premi(d, 0);
       },
       [](const Candidato& c) {
         const int somma = c[0] + c[1] + c[2] + c[3] + c[4];
         return somma >= 30 && somma <= 35;
       },
       [](QDialog& d) { EXPECT_EQ(d.findChild<QLineEdit*>("txtDA")->text(), "30"); }},
      {"menuPariDispari",
       [](QDialog& d) {
         Clic(static_cast<frmPari&>(d).Conteggi(), 2);
         Premi(d, 0);
       },
       [](const Candidato& c) { return std::count_if(c.begin(), c.end(), [](int n) { return n % 2 == 0; }) == 2; },
       [](QDialog& d) { EXPECT_EQ(Selezionate(static_cast<frmPari&>(d).Conteggi()), std::vector<int>{2}); }},
      {"menuFisse",
       [](QDialog& d) {
         Clic(static_cast<frmFisse&>(d).Numeri(), 6);
         Premi(d, 0);
       },
       [](const Candidato& c) { return std::find(c.begin(), c.end(), 7) != c.end(); },
       [](QDialog& d) { EXPECT_EQ(Selezionate(static_cast<frmFisse&>(d).Numeri()), std::vector<int>{6}); }},
      {"menuConsecutivi",
       [](QDialog& d) {
         Clic(static_cast<frmConsecutivi&>(d).Lunghezze(), 1);
         Premi(d, 0);
       },
       [](const Candidato& c) { return LunghezzaMassimaConsecutivi(c) == 1; },
       [](QDialog& d) { EXPECT_EQ(Selezionate(static_cast<frmConsecutivi&>(d).Lunghezze()), std::vector<int>{1}); }},
      {"menuDistanzaMinima",
       [](QDialog& d) {
         d.findChild<QScrollBar*>()->setValue(3);
         Premi(d, 0);
       },
       nullptr, [](QDialog& d) { EXPECT_EQ(d.findChild<QScrollBar*>()->value(), 3); }},
      {"menuRidotto",
       [](QDialog& d) {
         d.findChild<QScrollBar*>()->setValue(2);
         Premi(d, 0);
       },
       nullptr, [](QDialog& d) { EXPECT_EQ(d.findChild<QScrollBar*>()->value(), 2); }},
  };
  for (const Caso& c : casi) {
    w.CancellaSistema(false);
    f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ConDialogo(c.voce, c.imposta);
    EXPECT_TRUE(Segnata(c.voce)) << c.voce;
    w.ElaboraSistema();
    ASSERT_GT(s.NumeroColonne, 0) << c.voce;
    int32_t attese = 0;
    if (c.accetta) {
      for (int a = 1; a <= 10; ++a)
        for (int b = a + 1; b <= 10; ++b)
          for (int d = b + 1; d <= 10; ++d)
            for (int e = d + 1; e <= 10; ++e)
              for (int g = e + 1; g <= 10; ++g)
                attese += c.accetta({uint8_t(a), uint8_t(b), uint8_t(d), uint8_t(e), uint8_t(g)});
      EXPECT_EQ(s.NumeroColonne, attese) << c.voce;
    } else {
      EXPECT_LT(s.NumeroColonne, 252) << c.voce;
    }
    const int32_t sviluppate = s.NumeroColonne;
    w.findChild<QAction*>("menusalva")->trigger();

    w.CancellaSistema(false);
    EXPECT_FALSE(Segnata(c.voce));
    platform::cCommonDialog::Simulazione().Accoda(file);
    w.findChild<QAction*>("menuapri")->trigger();
    EXPECT_EQ(s.NumeroColonne, sviluppate) << c.voce;
    EXPECT_TRUE(Segnata(c.voce)) << c.voce;
    ConDialogo(c.voce, [&](QDialog& d) {
      EXPECT_TRUE(d.findChild<CoppiaOnOff*>()->On()) << c.voce;
      EXPECT_FALSE(d.findChild<QFrame*>()->isEnabled()) << c.voce;
      c.verifica(d);
    });
  }
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  platform::cCommonDialog::Simulazione().Ferma();
}

// Each dialog as the user sees it, saved for a look.
TEST_F(Condizioni, Screenshots) {
  Scegli({1, 2, 3, 4, 7, 8, 9, 12, 20, 33, 41, 55});
  sistema->Condizioni.PariAmmessi = {0, VERO, VERO, 0, 0, 0};
  sistema->Condizioni.NumeriFissi[7] = sistema->Condizioni.NumeriFissi[20] = 1;
  sistema->Condizioni.SommaAttiva = VERO;
  sistema->Consecutivi.LunghezzeMask = 12;
  sistema->DistanzaMinima.Distanza = 3;
  sistema->Condizioni.Garanzia = 2;
  Dialogo<frmSomma>(*sistema)->grab().save("frmSomma.png");
  Dialogo<frmPari>(*sistema)->grab().save("frmPari.png");
  Dialogo<frmFisse>(*sistema)->grab().save("frmFisse.png");
  Dialogo<frmConsecutivi>(*sistema)->grab().save("frmConsecutivi.png");
  Dialogo<frmDistanzaMinima>(*sistema)->grab().save("frmDistanzaMinima.png");
  Dialogo<frmRidotto>(*sistema)->grab().save("frmRidotto.png");
}

}  // namespace
}  // namespace tlx::ui
