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
#include <functional>

#include "FinestraPrincipale.h"
#include "ProvaEtichette.h"
#include "core/CondizioniTest.h"
#include "platform/FileDialogs.h"
#include "ui/conditions/frmConsecutivi.h"
#include "ui/conditions/frmFisse.h"
#include "ui/conditions/frmPari.h"
#include "ui/conditions/frmRiduzione.h"
#include "ui/conditions/frmSomma.h"
#include "ui/widgets/CoppiaOnOff.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;
using prova::Selezionate;

using prova::Trascina;
void Clic(GrigliaEtichette* g, int i) { Trascina(g, {i}); }
void Premi(QWidget& d, int opzione) {
  QTest::mouseClick(d.findChild<CoppiaOnOff*>()->Opzione(opzione), Qt::LeftButton);
}

template <class T>
struct Dialogo {
  std::unique_ptr<T> d;
  explicit Dialogo(Sistema& s) : d(std::make_unique<T>(s)) {
    d->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(d.get()));
  }
  T* operator->() const { return d.get(); }
  QLineEdit* Casella(const char* nome) const { return d->template findChild<QLineEdit*>(nome); }
  QString Testo(const char* nome) const { return d->template findChild<QLabel*>(nome)->text(); }
};

struct Condizioni : ::testing::Test {
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  Condizioni() { MessageBox::Registra(); }
  ~Condizioni() override { MessageBox::Azzera(); }
  void Scegli(std::initializer_list<int> numeri) {
    for (int n : numeri) GrigliaNumeriClick(*sistema, n - 1);
  }
};

TEST_F(Condizioni, SumLimitsAndTheClosingMessagesInOrderWithTheFocus) {
  Scegli({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
  sistema->Pronostico = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};  // an order of its own, left alone
  const auto pronostico = sistema->Pronostico;
  struct Caso {
    const char *da, *a;  // typed, or nullptr: left as shown
    std::vector<std::string> messaggi;
    const char* fuoco;  // nullptr: the dialog closed
    std::array<int16_t, 2> memorizzati;
  };
  const Caso casi[] = {
      {nullptr, nullptr, {}, nullptr, {15, 40}},
      {"12", "41", {"'DA' è minore del minimo", "'A' è maggiore del massimo"}, "txtA", {12, 41}},
      {"9", "8", {"'DA' è maggiore di 'A'", "'DA' è minore del minimo"}, "txtDA", {9, 8}},
      {"20.5", "33,9", {}, nullptr, {20, 33}},
  };
  for (const Caso& c : casi) {
    MessageBox::Azzera();
    sistema->Condizioni.SommaMinMax = {};
    Dialogo<frmSomma> d(*sistema);
    EXPECT_EQ(std::pair(d.Testo("labMin"), d.Testo("labMax")), std::pair(QString("15"), QString("40")));
    // Typing into a box that got the focus replaces its text.
    for (auto [casella, testo] : {std::pair{d.Casella("txtDA"), c.da}, std::pair{d.Casella("txtA"), c.a}}) {
      if (!testo) continue;
      casella->setFocus();
      QApplication::processEvents();
      QTest::keyClick(casella, Qt::Key_Delete);
      QTest::keyClicks(casella, testo);
    }
    d->close();
    std::vector<std::string> testi;
    for (const Messaggio& m : MessageBox::Mostrati()) testi.push_back(m.testo);
    EXPECT_EQ(testi, c.messaggi) << c.da;
    EXPECT_EQ(d->isVisible(), c.fuoco != nullptr) << c.da;
    if (c.fuoco) {
      EXPECT_TRUE(d.Casella(c.fuoco)->hasFocus()) << c.da;
    }
    EXPECT_EQ(sistema->Condizioni.SommaMinMax, c.memorizzati) << c.da;
  }
  EXPECT_EQ(sistema->Pronostico, pronostico);
  // A stored bound is shown only within the limits.
  sistema->Condizioni.SommaMinMax = {20, 41};
  Dialogo<frmSomma> e(*sistema);
  EXPECT_EQ(std::pair(e.Casella("txtDA")->text(), e.Casella("txtA")->text()), std::pair(QString("20"), QString("40")));
}

TEST_F(Condizioni, SweepingTheEvenCountsTogglesEachOnceForwardAndBack) {
  Scegli({1, 2, 3, 4, 5});
  sistema->Condizioni.PariAmmessi[1] = VERO;
  Dialogo<frmPari> d(*sistema);
  Trascina(d->Conteggi(), {0, 5});
  EXPECT_EQ(sistema->Condizioni.PariAmmessi, (std::array<Flag, 6>{VERO, 0, VERO, VERO, VERO, VERO}));
  Trascina(d->Conteggi(), {5, 3});
  EXPECT_EQ(sistema->Condizioni.PariAmmessi, (std::array<Flag, 6>{VERO, 0, VERO, 0, 0, 0}));
  Trascina(d->Conteggi(), {0, 1, 0});  // leaving a label and coming back toggles it again
  EXPECT_EQ(Selezionate(d->Conteggi()), (std::vector<int>{0, 1, 2}));
}

TEST_F(Condizioni, AtMostFourChosenNumbersAreFixedAndGreyedNumbersIgnoreClicks) {
  Scegli({1, 2, 3, 4, 5, 6, 7, 9});
  sistema->Condizioni.NumeriFissi[8] = 1;  // fixed earlier, no longer chosen
  sistema->Condizioni.NumeriFissi[2] = 1;
  sistema->Condizioni.QuantiFissi = 2;
  Dialogo<frmFisse> d(*sistema);
  GrigliaEtichette* g = d->Numeri();
  EXPECT_EQ(Selezionate(g), (std::vector<int>{1}));
  for (int i : {7, 3, 4, 5, 6}) Clic(g, i);  // 8 is greyed; 7 would be the fifth
  EXPECT_EQ(Selezionate(g), (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(d.Testo("l1"), "4");
  Clic(g, 3);
  d->close();
  std::vector<int> fissi;
  for (int n = 1; n <= NUMERI; ++n)
    if (sistema->Condizioni.NumeriFissi[static_cast<size_t>(n)]) fissi.push_back(n);
  EXPECT_EQ(fissi, (std::vector<int>{2, 5, 6}));
  EXPECT_EQ(sistema->Condizioni.QuantiFissi, 3);
}

TEST_F(Condizioni, StoredReductionValuesOutOfRangeAreCorrectedWhenOpened) {
  Scegli({1, 2, 3, 4, 5});
  sistema->DistanzaMinima.Distanza = 0;
  sistema->Condizioni.Garanzia = 7;
  Dialogo<frmDistanzaMinima> m(*sistema);
  EXPECT_EQ(sistema->DistanzaMinima.Distanza, 1);
  Dialogo<frmRidotto> r(*sistema);
  EXPECT_EQ(sistema->Condizioni.Garanzia, 4);
  EXPECT_EQ(r.Testo("lblRidottoNx"), "4");
  sistema->DistanzaMinima.Distanza = 9;
  Dialogo<frmDistanzaMinima> alta(*sistema);
  EXPECT_EQ(alta.Testo("lblDistanzaMinima"), "5");
  alta->findChild<QScrollBar*>()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  alta->close();
  EXPECT_EQ(sistema->DistanzaMinima.Distanza, 4);
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
      if (d->isVisible()) {
        ADD_FAILURE() << voce << " stayed open";
        d->reject();
      }
    });
    w.findChild<QAction*>(voce)->trigger();
    EXPECT_TRUE(eseguito) << voce;
  }
  bool Segnata(const char* voce) const { return w.findChild<QAction*>(voce)->isChecked(); }
};

TEST_F(MenuCondizioni, TheTwoReductionsExcludeEachOtherWithAMessage) {
  f.Scegli({1, 2, 3, 4, 5, 6, 7});
  const auto accendi = [](QDialog& d) { Premi(d, 0); };
  ConDialogo("menuDistanzaMinima", accendi);
  ConDialogo("menuRidotto", accendi);
  EXPECT_TRUE(Segnata("menuRidotto"));
  EXPECT_FALSE(Segnata("menuDistanzaMinima"));
  EXPECT_EQ(s.DistanzaMinima.Attivo, FALSO);
  ConDialogo("menuDistanzaMinima", accendi);
  EXPECT_FALSE(Segnata("menuRidotto"));
  ConDialogo("menuRidotto", [](QDialog&) {});  // left off, it leaves the minimum distance alone
  EXPECT_TRUE(Segnata("menuDistanzaMinima"));
  ASSERT_EQ(MessageBox::Mostrati().size(), 2u);
  EXPECT_EQ(MessageBox::Mostrati()[0].testo,
            "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A DISTANZA MINIMA, QUEST'ULTIMA SARA' DISATTIVATA'");
  EXPECT_EQ(MessageBox::Mostrati()[1].testo,
            "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A GARANZIA, QUEST'ULTIMA SARA' DISATTIVATA");
}

// Each dialog's setting shapes the development and comes back from the system
// file, shown again by the dialog (and saved for a look).
TEST_F(MenuCondizioni, EachSettingShapesTheDevelopmentAndSurvivesSaveAndOpen) {
  platform::cCommonDialog::Simulazione().Registra();
  QDir().mkpath(f.cartella.path() + "/sistemi");
  const QString file = f.cartella.path() + "/sistemi/nuovo.tlqvx";
  const auto conteggi = [](QDialog& d) { return static_cast<frmPari&>(d).Conteggi(); };
  const auto numeri = [](QDialog& d) { return static_cast<frmFisse&>(d).Numeri(); };
  const auto lunghezze = [](QDialog& d) { return static_cast<frmConsecutivi&>(d).Lunghezze(); };
  struct Caso {
    const char* voce;
    std::function<GrigliaEtichette*(QDialog&)> etichette;  // or nullptr: the value is `valore`
    int valore;
    std::function<bool(const Candidato&)> accetta;  // nullptr: a reduction, fewer columns than the full system
  };
  const auto pari = [](const Candidato& c) { return std::count_if(c.begin(), c.end(), [](int n) { return n % 2 == 0; }); };
  const Caso casi[] = {
      {"menuSomma", nullptr, 30, [](const Candidato& c) { return c[0] + c[1] + c[2] + c[3] + c[4] >= 30; }},
      {"menuPariDispari", conteggi, 2, [&](const Candidato& c) { return pari(c) == 2; }},
      {"menuFisse", numeri, 6, [](const Candidato& c) { return std::find(c.begin(), c.end(), 7) != c.end(); }},
      {"menuConsecutivi", lunghezze, 1, [](const Candidato& c) { return LunghezzaMassimaConsecutivi(c) == 1; }},
      {"menuDistanzaMinima", nullptr, 3, nullptr},
      {"menuRidotto", nullptr, 2, nullptr},
  };
  // The value each dialog shows: the chosen label, the sum's lower bound or the scroll bar's.
  const auto mostrato = [](const Caso& c, QDialog& d) {
    if (c.etichette) return Selezionate(c.etichette(d)) == std::vector<int>{c.valore};
    if (auto* da = d.findChild<QLineEdit*>("txtDA")) return da->text().toInt() == c.valore;
    return d.findChild<QScrollBar*>()->value() == c.valore;
  };
  const auto imposta = [](const Caso& c, QDialog& d, int valore, int opzione) {
    if (c.etichette) {
      Clic(c.etichette(d), valore);
    } else if (auto* da = d.findChild<QLineEdit*>("txtDA")) {
      da->setText(QString::number(valore));
    } else {
      d.findChild<QScrollBar*>()->setValue(valore);
    }
    Premi(d, opzione);
  };
  for (const Caso& c : casi) {
    w.CancellaSistema(false);
    f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ConDialogo(c.voce, [&](QDialog& d) { imposta(c, d, c.valore, 0); });
    w.ElaboraSistema();
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
      EXPECT_TRUE(s.NumeroColonne > 0 && s.NumeroColonne < 252) << c.voce;
    }
    const int32_t sviluppate = s.NumeroColonne;
    w.findChild<QAction*>("menusalva")->trigger();
    w.CancellaSistema(false);
    EXPECT_FALSE(Segnata(c.voce));
    platform::cCommonDialog::Simulazione().Accoda(file);
    w.findChild<QAction*>("menuapri")->trigger();
    EXPECT_EQ(s.NumeroColonne, sviluppate) << c.voce;
    EXPECT_TRUE(Segnata(c.voce)) << c.voce;
    // The opened system is shown: its settings read only, the sum closing without checks.
    const auto condizioni = s.Condizioni;
    const auto consecutivi = s.Consecutivi;
    const auto distanza = s.DistanzaMinima;
    ConDialogo(c.voce, [&](QDialog& d) {
      d.grab().save(QString(c.voce) + ".png");
      EXPECT_TRUE(d.findChild<CoppiaOnOff*>()->On() && mostrato(c, d)) << c.voce;
      EXPECT_FALSE(d.findChild<QFrame*>()->isEnabled()) << c.voce;
      if (auto* barra = d.findChild<QScrollBar*>()) {
        QTest::keyClick(barra, Qt::Key_Left);
        Premi(d, 1);
      } else {
        imposta(c, d, c.etichette ? c.valore + 1 : 1, 1);
      }
    });
    EXPECT_TRUE(s.Condizioni == condizioni && s.Consecutivi == consecutivi && s.DistanzaMinima == distanza) << c.voce;
  }
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  platform::cCommonDialog::Simulazione().Ferma();
}

}  // namespace
}  // namespace tlx::ui
