// The filter editor windows driven as a user would: counters, drag painting
// over greyed numbers and across grids, the step buttons, the ON/OFF pair,
// the closing that saves and compacts, the delete-all question, the import
// window, the number-distance editor's gap range and both editors' read-only
// state.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "Chiusura.h"
#include "FinestraPrincipale.h"
#include "ProvaEtichette.h"
#include "platform/FileDialogs.h"
#include "ui/conditions/frmFiltri.h"
#include "ui/conditions/frmFiltriDistanzaNumeri.h"
#include "ui/widgets/CoppiaOnOff.h"

namespace tlx::ui {
namespace {

using prova::Selezionate, prova::Trascina;

struct EditoriFiltri : ::testing::Test {
  static QStringList Testi(const QWidget& w, std::initializer_list<const char*> nomi) {
    QStringList testi;
    for (const char* nome : nomi) testi << w.findChild<QLabel*>(nome)->text();
    return testi;
  }
  static GrigliaEtichette* Griglia(const QWidget& w, const char* nome) { return w.findChild<GrigliaEtichette*>(nome); }
  static QPushButton* Pulsante(const QWidget& w, const char* nome) { return w.findChild<QPushButton*>(nome); }
  QAction* Menu(const char* nome) const { return f.finestra->findChild<QAction*>(nome); }
  // Runs `azione`; `nellaFinestra` is called on the modal window it opens, which is then closed.
  static void InFinestraModale(const std::function<void()>& azione, const std::function<void(QWidget&)>& nellaFinestra) {
    QTimer::singleShot(0, [&] {
      QWidget* modale = QApplication::activeModalWidget();  // the action's exec() is running
      nellaFinestra(*modale);
      modale->close();
    });
    azione();
  }
  static RecordFiltro Gruppo(std::initializer_list<int> numeri, int quanti, int posizioni = 0b111110) {
    RecordFiltro r{.QuantiMask = quanti, .PosizioniMask = posizioni, .Attivo = VERO};
    for (int n : numeri) r.Numeri[static_cast<size_t>(n)] = 1;
    return r;
  }

  prova::FinestraPrincipale f;
  Sistema& s = *f.sistema;
};

TEST_F(EditoriFiltri, AndCountersGreyedNumbersSweepsStepsAndTheClosingFromTheMenu) {
  f.Scegli({3, 7, 12, 18, 21, 27, 40});
  for (size_t i : {1, 2, 3}) s.FiltriAnd[i] = Gruppo({3, 5, 7}, 0b10);
  s.NumeroFiltriAnd = 3;
  InFinestraModale([&] { Menu("menuColonnaFiltro")->trigger(); }, [&](QWidget& w) {
    GrigliaEtichette* numeri = Griglia(w, "labGriglia");
    // One sweep across 3..7 (4, 5 and 6 greyed) and on into the counts below.
    Trascina({{numeri, 7}, {numeri, 3}});
    Trascina({{numeri, 12}, {Griglia(w, "lbPresenze"), 0}});
    EXPECT_EQ(std::tuple(Selezionate(numeri), Selezionate(Griglia(w, "lbPresenze")), Testi(w, {"lblNumSelezionati"})),
              std::tuple(std::vector{12}, std::vector{0, 1}, QStringList{"1"}));
    for (int i = 0; i < 3; ++i) Pulsante(w, "cmdNext2")->click();  // a hundred panels a step
    QTest::mouseClick(w.findChild<CoppiaOnOff*>("optCond")->Opzione(0), Qt::LeftButton);
    EXPECT_EQ(Testi(w, {"lblnFiltro", "lblTotFiltriON", "lblTotFiltriOFF"}), QStringList({"301", "04", "1.996"}));
    Trascina({{Griglia(w, "lbPosizione"), 2}, {Griglia(w, "lbPosizione"), 3}});
    w.grab().save("frmFiltri.png");
  });
  // The greyed 5 dropped, the sweep's 3 and 7 off, 12 on; panel 301 saved at
  // the closing and compacted to slot 4.
  EXPECT_EQ(std::tuple(Menu("menuColonnaFiltro")->isChecked(), s.NumeroFiltriAnd, s.FiltriAnd[1], s.FiltriAnd[4]),
            std::tuple(true, 4, Gruppo({12}, 0b11), Gruppo({}, 0, 0b1100)));

  // Deleting the first three (a count unticked first): each time the panel shows the empty record and the ON
  // total falls; the one left keeps the check mark.
  InFinestraModale([&] { Menu("menuColonnaFiltro")->trigger(); }, [&](QWidget& w) {
    Trascina(Griglia(w, "lbPresenze"), {1});  // a count ticked goes off
    EXPECT_EQ(Selezionate(Griglia(w, "lbPresenze")), std::vector{0});
    for (int i = 0; i < 3; ++i) {
      Pulsante(w, "cmdCancella")->click();
      EXPECT_EQ(std::tuple(Selezionate(Griglia(w, "labGriglia")), Selezionate(Griglia(w, "lbPresenze")),
                           Selezionate(Griglia(w, "lbPosizione")), w.findChild<CoppiaOnOff*>("optCond")->On(),
                           Testi(w, {"lblNumSelezionati"})),
                std::tuple(std::vector<int>{}, std::vector<int>{}, std::vector<int>{}, false, QStringList{"0"}));
      Pulsante(w, "cmdNext1")->click();
    }
    EXPECT_EQ(Testi(w, {"lblTotFiltriON"}), QStringList{"01"});
  });
  EXPECT_EQ(std::tuple(Menu("menuColonnaFiltro")->isChecked(), s.NumeroFiltriAnd, s.FiltriAnd[1]),
            std::tuple(true, 1, Gruppo({}, 0, 0b1100)));
}

TEST_F(EditoriFiltri, AndDeleteAllAsksAndTheHiddenImportReplacesTheTable) {
  f.Scegli({1, 2, 3, 4, 5});
  s.FiltriAnd[1] = Gruppo({1}, 0b10);
  s.NumeroFiltriAnd = 1;
  frmFiltri w(s, FormatoNumeri::Italiano());
  platform::MessageBox::Accoda(Risposta::No);
  Pulsante(w, "cmdCancellaTutto")->click();
  EXPECT_EQ(std::tuple(platform::MessageBox::Mostrati().at(0).testo, Testi(w, {"lblTotFiltriON"})),
            std::tuple("Questa funzione cancellera' tutte le colonne filtro presenti\r\nVuoi procedere ?", QStringList{"01"}));

  const std::string percorso = s.PercorsoDati + "/gruppi.txt";
  std::ofstream(percorso) << "1 2 3\n\n4-5\n";
  platform::cCommonDialog::Simulazione().Registra();
  // A file, counts 1 and 2, position 1: answered No the window and the table
  // stay; Yes replaces the table.
  InFinestraModale([&] { w.cmdLoadFiltri_Click(); }, [&](QWidget& importa) {
    platform::cCommonDialog::Simulazione().Accoda(QString::fromStdString(percorso));
    Pulsante(importa, "cmdImportaFiltri")->click();
    for (int k : {1, 2}) emit Griglia(importa, "lbPresenze")->etichettaAttivata(k);
    emit Griglia(importa, "lbPosizione")->etichettaAttivata(1);
    for (Risposta r : {Risposta::No, Risposta::Si}) {
      platform::MessageBox::Accoda(r);
      Pulsante(importa, "cmdProcess")->click();
      EXPECT_EQ(std::tuple(importa.isVisible(), s.NumeroFiltriAnd), std::tuple(r == Risposta::No, r == Risposta::No ? 1 : 2));
    }
  });
  platform::cCommonDialog::Simulazione().Ferma();
  EXPECT_EQ(std::tuple(s.FiltriAnd[2], Testi(w, {"lblnFiltro", "lblTotFiltriON"}), Selezionate(Griglia(w, "labGriglia"))),
            std::tuple(Gruppo({4, 5}, 0b110, 0b10), QStringList{"01", "02"}, std::vector<int>{1, 2, 3}));

  // An import closed without importing keeps the panel's unsaved change.
  emit Griglia(w, "labGriglia")->etichettaAttivata(4);
  InFinestraModale([&] { w.cmdLoadFiltri_Click(); }, [](QWidget&) {});
  EXPECT_EQ(Selezionate(Griglia(w, "labGriglia")), std::vector<int>({1, 2, 3, 4}));

  // Deleting all, answered Yes, from another panel: the empty first panel, no record ON.
  Pulsante(w, "cmdNext1")->click();
  platform::MessageBox::Accoda(Risposta::Si);
  Pulsante(w, "cmdCancellaTutto")->click();
  EXPECT_EQ(std::tuple(Testi(w, {"lblnFiltro", "lblTotFiltriON"}), Selezionate(Griglia(w, "labGriglia")), s.FiltriAnd[2], s.NumeroFiltriAnd),
            std::tuple(QStringList{"01", "00"}, std::vector<int>{}, RecordFiltro{}, 0));
  // Closing saves the panel at once; a window destroyed while open saves it too.
  emit Griglia(w, "labGriglia")->etichettaAttivata(1);
  w.show();
  prova::ChiudiDalGestore(&w);
  EXPECT_EQ(s.FiltriAnd[1].Numeri[1], 1);
  {
    frmFiltri aperta(s, FormatoNumeri::Italiano());
    emit Griglia(aperta, "labGriglia")->etichettaAttivata(2);
  }
  EXPECT_EQ(s.FiltriAnd[1].Numeri[2], 1);
}

TEST_F(EditoriFiltri, DistanceGapRangeReadOnlyWhileLockedAndTheCheckMark) {
  f.Scegli({5, 9, 14, 20, 27, 35});
  s.FiltriDistanza[1] = RecordDistanza{.NumeroCoppie = 1, .Coppie = {0, 2}};  // OFF: no record on
  InFinestraModale([&] { Menu("menuDistanzaNumeri")->trigger(); }, [&](QWidget& w) {
    QTest::mouseClick(w.findChild<CoppiaOnOff*>("optCond")->Opzione(0), Qt::LeftButton);
    GrigliaEtichette* minime = Griglia(w, "lbDistanzaMin");
    EXPECT_EQ(std::tuple(minime->Primo(), minime->Ultimo()), std::tuple(4, 15));  // the gaps these numbers allow
    Trascina({{Griglia(w, "lbPFromPTo"), 3}, {Griglia(w, "lbPFromPTo"), 4}});
    Trascina({{minime, 4}, {minime, 6}});
    Trascina({{Griglia(w, "lbDistanzaMax"), 15}, {Griglia(w, "lbDistanzaMax"), 15}});
    w.grab().save("frmFiltriDistanzaNumeri.png");
  });
  const RecordDistanza r = s.FiltriDistanza[1];
  EXPECT_EQ(std::tuple(Menu("menuDistanzaNumeri")->isChecked(), r.Attivo, std::vector<int>(r.Coppie.begin() + 1, r.Coppie.end()),
                       r.MinAttivo, r.MinOk[4], r.MinOk[6], r.MaxAttivo, r.MaxOk[15]),
            std::tuple(true, VERO, std::vector<int>{2, 3, 4, 0, 0}, 3, VERO, VERO, 1, VERO));

  // Locked, and with fewer than five numbers (nothing develops): every
  // storable gap offered, nothing editable, the record unchanged.
  f.finestra->CancellaPronostico();
  s.GuiBloccata = VERO;
  frmFiltriDistanzaNumeri bloccata(s, FormatoNumeri::Italiano());
  emit Griglia(bloccata, "lbDistanzaMin")->etichettaAttivata(8);
  for (const char* pulsante : {"cmdCancella", "cmdNext2"}) Pulsante(bloccata, pulsante)->click();
  EXPECT_EQ(std::tuple(Griglia(bloccata, "lbDistanzaMax")->Primo(), Griglia(bloccata, "lbDistanzaMax")->Ultimo()), std::tuple(1, 54));
  bloccata.close();
  EXPECT_EQ(std::tuple(s.FiltriDistanza[1], s.NumeroFiltriDistanza), std::tuple(r, 1));
  // The AND editor of a locked system shows its first panel, its steps still.
  frmFiltri bloccatoAnd(s, FormatoNumeri::Italiano());
  EXPECT_FALSE(Pulsante(bloccatoAnd, "cmdNext1")->isEnabled());
}

}  // namespace
}  // namespace tlx::ui
