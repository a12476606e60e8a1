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
void Premi(QWidget& d, int opzione) { QTest::mouseClick(d.findChild<CoppiaOnOff*>()->Opzione(opzione), Qt::LeftButton); }
std::vector<std::string> Messaggi() {
  std::vector<std::string> testi;
  for (const Messaggio& m : MessageBox::Mostrati()) testi.push_back(m.testo);
  return testi;
}

// A dialog opened on its own over the system.
template <class T>
struct Dialogo : T {
  explicit Dialogo(Sistema& s) : T(s) { this->show(); EXPECT_TRUE(QTest::qWaitForWindowExposed(this)); }
  QLineEdit* Casella(const char* nome) const { return this->template findChild<QLineEdit*>(nome); }
  QString Testo(const char* nome) const { return this->template findChild<QLabel*>(nome)->text(); }
};

struct Condizioni : ::testing::Test {
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
      EXPECT_FALSE(d->isVisible()) << voce << " stayed open";
      if (d->isVisible()) d->reject();
    });
    w.findChild<QAction*>(voce)->trigger();
    EXPECT_TRUE(eseguito) << voce;
  }
  // The condition items checked in the menu.
  QStringList Segnate() const {
    QStringList segnate;
    for (const char* voce : {"menuColonnaFiltro", "menuDistanzaNumeri", "menuConsecutivi", "menuFisse", "menuPariDispari",
                             "menuSomma", "menuRidotto", "menuDistanzaMinima"})
      if (w.findChild<QAction*>(voce)->isChecked()) segnate << voce;
    return segnate;
  }
};

TEST_F(Condizioni, SumLimitsAndTheClosingMessagesInOrderWithTheFocus) {
  f.Scegli({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
  s.Pronostico = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};  // an order of its own, left alone
  const auto pronostico = s.Pronostico;
  // Typed DA and A, the messages, the box that keeps the focus, the bounds stored.
  using Caso = std::tuple<const char*, const char*, std::vector<std::string>, const char*, std::array<int16_t, 2>>;
  const Caso casi[] = {
      {"12", "41", {"'DA' è minore del minimo", "'A' è maggiore del massimo"}, "txtA", {}},
      {"9", "8", {"'DA' è maggiore di 'A'", "'DA' è minore del minimo"}, "txtDA", {}},
  };
  for (const auto& [da, a, messaggi, fuoco, memorizzati] : casi) {
    MessageBox::Azzera();
    s.Condizioni.SommaMinMax = {};
    Dialogo<frmSomma> d(s);
    // Typing into a box that got the focus replaces its text.
    d.Casella("txtDA")->setFocus();
    QApplication::processEvents();
    QTest::keyClick(d.Casella("txtDA"), Qt::Key_Delete);
    QTest::keyClicks(d.Casella("txtDA"), da);
    d.Casella("txtA")->setText(a);
    d.close();
    EXPECT_EQ(std::tuple(d.Testo("labMin"), d.Testo("labMax"), Messaggi(), d.isVisible(), d.Casella(fuoco)->hasFocus(),
                         s.Condizioni.SommaMinMax, s.Pronostico),
              std::tuple("15", "40", messaggi, true, true, memorizzati, pronostico))
        << da;
  }
  // A stored bound is shown only within the limits. A refused range is not
  // stored: both boxes emptied then, the window closes on the bounds it had.
  MessageBox::Azzera();
  s.Condizioni.SommaMinMax = {20, 41};
  Dialogo<frmSomma> e(s);
  EXPECT_EQ(std::pair(e.Casella("txtDA")->text(), e.Casella("txtA")->text()), std::pair(QString("20"), QString("40")));
  e.Casella("txtA")->setText("5");
  e.close();
  for (const char* casella : {"txtDA", "txtA"}) e.Casella(casella)->clear();
  e.close();
  EXPECT_EQ(std::tuple(Messaggi(), e.isVisible(), s.Condizioni.SommaMinMax),
            std::tuple(std::vector<std::string>{"'DA' è maggiore di 'A'"}, false, std::array<int16_t, 2>{20, 41}));
}

TEST_F(Condizioni, TheEvenCountsSweepAndAtMostFourChosenNumbersAreFixed) {
  f.Scegli({1, 2, 3, 4, 5, 6, 7, 9});
  s.Condizioni.PariAmmessi[1] = VERO;
  Dialogo<frmPari> pari(s);
  for (auto etichette : {std::initializer_list<int>{0, 5}, {5, 3}, {0, 1, 0}}) Trascina(pari.Conteggi(), etichette);
  // Each label toggles once a sweep, forward or back; leaving a label and coming back toggles it again.
  EXPECT_EQ(std::tuple(Selezionate(pari.Conteggi()), s.Condizioni.PariAmmessi),
            std::tuple(std::vector<int>{0, 1, 2}, std::array<Flag, 6>{VERO, VERO, VERO, 0, 0, 0}));

  s.Condizioni.NumeriFissi[8] = s.Condizioni.NumeriFissi[2] = 1;  // 8 fixed earlier, no longer chosen
  s.Condizioni.QuantiFissi = 2;
  Dialogo<frmFisse> fisse(s);
  GrigliaEtichette* g = fisse.Numeri();
  EXPECT_EQ(Selezionate(g), (std::vector<int>{1}));
  for (int i : {7, 3, 4, 5, 6}) Clic(g, i);  // 8 is greyed; 7 would be the fifth
  EXPECT_EQ(std::tuple(Selezionate(g), fisse.Testo("l1")), std::tuple(std::vector<int>{1, 3, 4, 5}, "4"));
  Clic(g, 3);
  fisse.close();
  std::vector<int> fissi;
  for (size_t n = 1; n <= NUMERI; ++n) if (s.Condizioni.NumeriFissi[n]) fissi.push_back(static_cast<int>(n));
  EXPECT_EQ(std::tuple(fissi, s.Condizioni.QuantiFissi), std::tuple(std::vector<int>{2, 5, 6}, 3));
}

// Out-of-range stored values are corrected when a dialog opens; turning one
// reduction on turns the other off, with a message.
TEST_F(Condizioni, TheReductionsCorrectStoredValuesAndExcludeEachOther) {
  f.Scegli({1, 2, 3, 4, 5, 6, 7});
  s.DistanzaMinima.Distanza = 9;
  s.Condizioni.Garanzia = 7;
  ConDialogo("menuDistanzaMinima", [](QDialog& d) {
    EXPECT_EQ(d.findChild<QLabel*>("lblDistanzaMinima")->text(), "5");
    d.findChild<QScrollBar*>()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Premi(d, 0);
  });
  ConDialogo("menuRidotto", [](QDialog& d) { Premi(d, 0); });
  EXPECT_EQ(std::tuple(Segnate(), s.DistanzaMinima.Attivo, s.DistanzaMinima.Distanza, s.Condizioni.Garanzia),
            std::tuple(QStringList{"menuRidotto"}, FALSO, 4, 4));
  s.DistanzaMinima.Distanza = 0;
  ConDialogo("menuDistanzaMinima", [](QDialog& d) { Premi(d, 0); });
  EXPECT_EQ(std::tuple(Segnate(), s.DistanzaMinima.Distanza), std::tuple(QStringList{"menuDistanzaMinima"}, 1));
  ConDialogo("menuRidotto", [](QDialog&) {});  // left off, it leaves the minimum distance alone
  EXPECT_EQ(Segnate(), QStringList{"menuDistanzaMinima"});
  EXPECT_EQ(Messaggi(), (std::vector<std::string>{
                            "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A DISTANZA MINIMA, QUEST'ULTIMA SARA' DISATTIVATA'",
                            "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A GARANZIA, QUEST'ULTIMA SARA' DISATTIVATA"}));
  // Any switch not 0 reads as on (1 from a damaged file too); fixed numbers switched off carry no mark.
  s.Consecutivi.Attivo = 1, s.Condizioni.PariAttiva = 1, s.Condizioni.QuantiFissi = 2;
  ConDialogo("menuRidotto", [](QDialog&) {});
  EXPECT_EQ(Segnate(), (QStringList{"menuConsecutivi", "menuPariDispari", "menuDistanzaMinima"}));
}

// Each dialog's setting shapes the development and comes back from the system
// file, opened from the systems folder into a locked window that shows it,
// and shown again by the dialog (and saved for a look).
TEST_F(Condizioni, EachSettingShapesTheDevelopmentAndSurvivesSaveAndOpen) {
  platform::cCommonDialog::Simulazione().Registra();
  QDir().mkpath(f.cartella.path() + "/sistemi");
  const QString file = f.cartella.path() + "/sistemi/nuovo.tlqvx";
  // The dialog's labels (or nullptr: the value is the sum's lower bound or the scroll bar's), the value set, the
  // columns of the 252 of 10 numbers (0: a reduction, fewer than all).
  struct Caso { const char* voce; GrigliaEtichette* (*etichette)(QDialog&); int valore; int32_t colonne; };
  // A sum of 30 or more (as many as of 25 or less), two even numbers (10 x 10), the 7 fixed
  // (C(9,4)), no two numbers in a row (C(6,5)).
  const Caso casi[] = {
      {"menuSomma", nullptr, 30, 87},
      {"menuPariDispari", [](QDialog& d) { return static_cast<frmPari&>(d).Conteggi(); }, 2, 100},
      {"menuFisse", [](QDialog& d) { return static_cast<frmFisse&>(d).Numeri(); }, 6, 126},
      {"menuConsecutivi", [](QDialog& d) { return static_cast<frmConsecutivi&>(d).Lunghezze(); }, 1, 6},
      {"menuDistanzaMinima", nullptr, 3, 0},
      {"menuRidotto", nullptr, 2, 0},
  };
  // The value a dialog shows: its chosen labels, the sum's lower bound or the scroll bar's.
  const auto mostrato = [](const Caso& c, QDialog& d) {
    auto* da = d.findChild<QLineEdit*>("txtDA");
    return c.etichette ? Selezionate(c.etichette(d)) : std::vector{da ? da->text().toInt() : d.findChild<QScrollBar*>()->value()};
  };
  const auto imposta = [](const Caso& c, QDialog& d, int valore, int opzione) {
    auto* da = d.findChild<QLineEdit*>("txtDA");
    if (c.etichette) Clic(c.etichette(d), valore);
    else if (da) da->setText(QString::number(valore));
    else if (auto* barra = d.findChild<QScrollBar*>(); barra->isEnabled()) barra->setValue(valore);  // a user can't move it otherwise
    Premi(d, opzione);
  };
  for (const Caso& c : casi) {
    w.CancellaSistema(false);
    f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ConDialogo(c.voce, [&](QDialog& d) { imposta(c, d, c.valore, 0); });
    w.ElaboraSistema();
    const int32_t sviluppate = s.NumeroColonne;
    EXPECT_TRUE(c.colonne ? sviluppate == c.colonne : sviluppate > 0 && sviluppate < 252) << c.voce << sviluppate;
    w.findChild<QAction*>("menusalva")->trigger();
    w.CancellaSistema(false);
    EXPECT_EQ(Segnate(), QStringList{});
    platform::cCommonDialog::Simulazione().Accoda(file);
    w.findChild<QAction*>("menuapri")->trigger();
    EXPECT_EQ(std::tuple(platform::cCommonDialog::Simulazione().Richieste().back().InitDir, s.NumeroColonne, Segnate(),
                         s.GuiBloccata, w.findChild<QWidget*>("frameNumeri")->isEnabled(),
                         w.findChild<QLabel*>("labnumeri")->text(), w.PannelloStato(2)),
              std::tuple(f.cartella.path() + "/sistemi", sviluppate, QStringList{c.voce}, -1, false, "Numeri in gioco [10]",
                         QString::number(sviluppate)))
        << c.voce;
    // The opened system is shown: its settings read only, the sum closing without checks.
    const auto impostazioni = std::tuple(s.Condizioni, s.Consecutivi, s.DistanzaMinima);
    ConDialogo(c.voce, [&](QDialog& d) {
      d.grab().save(QString(c.voce) + ".png");
      EXPECT_EQ(std::tuple(d.findChild<CoppiaOnOff*>()->On(), mostrato(c, d), d.findChild<QFrame*>()->isEnabled()),
                std::tuple(true, std::vector{c.valore}, false))
          << c.voce;
      imposta(c, d, c.valore + 1, 1);
    });
    EXPECT_TRUE(std::tuple(s.Condizioni, s.Consecutivi, s.DistanzaMinima) == impostazioni) << c.voce;
  }
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  platform::cCommonDialog::Simulazione().Ferma();
}

}  // namespace
}  // namespace tlx::ui
