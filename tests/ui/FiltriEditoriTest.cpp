#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <fstream>
#include <functional>

#include "FinestraPrincipale.h"
#include "ProvaEtichette.h"
#include "platform/FileDialogs.h"
#include "ui/conditions/frmFiltri.h"
#include "ui/conditions/frmFiltriDistanzaNumeri.h"
#include "ui/conditions/frmImportFiltri.h"
#include "ui/widgets/CoppiaOnOff.h"

namespace tlx::ui {
namespace {

using prova::FinestraPrincipale;

QString Testo(const QWidget& w, const char* nome) { return w.findChild<QLabel*>(nome)->text(); }
GrigliaEtichette* Griglia(const QWidget& w, const char* nome) { return w.findChild<GrigliaEtichette*>(nome); }
QPushButton* Pulsante(const QWidget& w, const char* nome) { return w.findChild<QPushButton*>(nome); }

using prova::Selezionate;

using prova::Trascina;

// A key held on a step button: the press and two repeats.
void TastoTenuto(QPushButton* pulsante) {
  QTest::keyPress(pulsante, Qt::Key_Right);
  QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
  for (int i = 0; i < 2; ++i) QApplication::sendEvent(pulsante, &ripetuto);
  QTest::keyRelease(pulsante, Qt::Key_Right);
}

// Runs `azione`; `nellaFinestra` is called on the modal window it opens, which is then closed.
void InFinestraModale(const std::function<void()>& azione, const std::function<void(QWidget&)>& nellaFinestra) {
  QTimer::singleShot(0, [&] {
    QWidget* modale = QApplication::activeModalWidget();
    ASSERT_NE(modale, nullptr);
    nellaFinestra(*modale);
    modale->close();
  });
  azione();
}

RecordFiltro Gruppo(std::initializer_list<int> numeri, Flag attivo) {
  RecordFiltro r{.QuantiMask = 0b10, .PosizioniMask = 0b111110, .Attivo = attivo};
  for (int n : numeri) r.Numeri[static_cast<size_t>(n)] = 1;
  return r;
}

TEST(EditorFiltriAnd, CountersGreyedNumbersSweepsKeysAndTheClosingFromTheMenu) {
  FinestraPrincipale f;
  f.Scegli({3, 7, 12, 18, 21, 27, 40});
  for (int i : {1, 2, 3}) f.sistema->FiltriAnd[static_cast<size_t>(i)] = Gruppo({3, 5, 7}, VERO);
  f.sistema->NumeroFiltriAnd = 3;
  InFinestraModale([&] { f.finestra->findChild<QAction*>("menuColonnaFiltro")->trigger(); }, [&](QWidget& w) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(QStringList({Testo(w, "lblnFiltro"), Testo(w, "lblTotFiltri"), Testo(w, "lblTotFiltriON"),
                           Testo(w, "lblTotFiltriOFF"), Testo(w, "lblNumSelezionati")}),
              QStringList({"01", "2.000", "03", "1.997", "2"}));
    GrigliaEtichette* numeri = Griglia(w, "labGriglia");
    // One sweep across 3..7 (4, 5 and 6 greyed) and on into the counts below.
    Trascina({{numeri, 7}, {numeri, 3}});
    Trascina({{numeri, 12}, {Griglia(w, "lbPresenze"), 0}});
    EXPECT_EQ(Selezionate(numeri), std::vector<int>({12}));
    EXPECT_EQ(Testo(w, "lblNumSelezionati"), "1");
    EXPECT_EQ(Selezionate(Griglia(w, "lbPresenze")), std::vector<int>({0, 1}));
    TastoTenuto(Pulsante(w, "cmdNext2"));
    EXPECT_EQ(Testo(w, "lblnFiltro"), "301");
    QTest::mouseClick(w.findChild<CoppiaOnOff*>("optCond")->Opzione(0), Qt::LeftButton);
    QTest::mouseClick(w.findChild<CoppiaOnOff*>("optCond")->Opzione(0), Qt::LeftButton);
    EXPECT_EQ(Testo(w, "lblTotFiltriON"), "04");
    Trascina({{numeri, 18}, {numeri, 21}});
    Trascina({{Griglia(w, "lbPosizione"), 2}, {Griglia(w, "lbPosizione"), 3}});
    w.grab().save("frmFiltri.png");
  });
  EXPECT_TRUE(f.finestra->findChild<QAction*>("menuColonnaFiltro")->isChecked());
  Sistema& s = *f.sistema;
  EXPECT_EQ(s.NumeroFiltriAnd, 4);
  RecordFiltro primo = Gruppo({12}, VERO);
  primo.QuantiMask = 0b11;
  EXPECT_EQ(s.FiltriAnd[1], primo) << "the greyed 5 dropped, the sweep's 3 and 7 off, 12 on";
  RecordFiltro ultimo{.QuantiMask = 0, .PosizioniMask = 0b1100, .Attivo = VERO};
  ultimo.Numeri[18] = ultimo.Numeri[21] = 1;
  EXPECT_EQ(s.FiltriAnd[4], ultimo) << "panel 301, saved at the closing and compacted to slot 4";
}

TEST(EditorFiltriAnd, DeleteAllAsksAndTheHiddenImportReplacesTheTable) {
  FinestraPrincipale f;
  f.Scegli({1, 2, 3, 4, 5});
  f.sistema->FiltriAnd[1] = Gruppo({1}, VERO);
  f.sistema->NumeroFiltriAnd = 1;
  frmFiltri w(*f.sistema, FormatoNumeri::Italiano());
  for (Risposta r : {Risposta::No, Risposta::Si}) {
    platform::MessageBox::Azzera();
    platform::MessageBox::Accoda(r);
    Pulsante(w, "cmdCancellaTutto")->click();
    ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
    EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo,
              "Questa funzione cancellera' tutte le colonne filtro presenti\r\nVuoi procedere ?");
    EXPECT_EQ(Testo(w, "lblTotFiltriON"), r == Risposta::Si ? "00" : "01");
  }

  const std::string percorso = f.sistema->PercorsoDati + "/gruppi.txt";
  std::ofstream(percorso) << "1 2 3\n\n4-5\n";
  platform::cCommonDialog::Simulazione().Registra();
  // Answered No the window stays open; then a file, counts 1 and 2, position 1, Yes.
  InFinestraModale([&] { w.cmdLoadFiltri_Click(); }, [&](QWidget& finestra) {
    auto& importa = static_cast<frmImportFiltri&>(finestra);
    EXPECT_FALSE(Pulsante(importa, "cmdProcess")->isEnabled());
    platform::cCommonDialog::Simulazione().Accoda(QString::fromStdString(percorso));
    Pulsante(importa, "cmdImportaFiltri")->click();
    for (int k : {1, 2}) emit Griglia(importa, "lbPresenze")->etichettaAttivata(k);
    emit Griglia(importa, "lbPosizione")->etichettaAttivata(1);
    platform::MessageBox::Azzera();
    platform::MessageBox::Accoda(Risposta::No);
    Pulsante(importa, "cmdProcess")->click();
    EXPECT_TRUE(importa.isVisible());
    EXPECT_EQ(f.sistema->NumeroFiltriAnd, 0);
    platform::MessageBox::Accoda(Risposta::Si);
    Pulsante(importa, "cmdProcess")->click();
    EXPECT_FALSE(importa.isVisible());
  });
  platform::cCommonDialog::Simulazione().Ferma();
  EXPECT_EQ(f.sistema->NumeroFiltriAnd, 2);
  EXPECT_EQ(f.sistema->FiltriAnd[2], (RecordFiltro{.Numeri = {0, 0, 0, 0, 1, 1}, .QuantiMask = 0b110,
                                                   .PosizioniMask = 0b10, .Attivo = VERO}));
  EXPECT_EQ(std::pair(Testo(w, "lblnFiltro"), Testo(w, "lblTotFiltriON")), std::pair(QString("01"), QString("02")));
  EXPECT_EQ(Selezionate(Griglia(w, "labGriglia")), std::vector<int>({1, 2, 3}));

  // An import closed without importing keeps the panel's unsaved change.
  emit Griglia(w, "labGriglia")->etichettaAttivata(4);
  InFinestraModale([&] { w.cmdLoadFiltri_Click(); }, [](QWidget&) {});
  EXPECT_EQ(Selezionate(Griglia(w, "labGriglia")), std::vector<int>({1, 2, 3, 4}));
}

TEST(EditorFiltriDistanza, GapRangeReadOnlyWhileLockedAndTheCheckMark) {
  FinestraPrincipale f;
  f.Scegli({5, 9, 14, 20, 27, 35});
  f.sistema->FiltriDistanza[1] = RecordDistanza{.NumeroCoppie = 1, .Coppie = {0, 2}, .Attivo = VERO};
  f.sistema->FiltriDistanza[1].MinOk[50] = VERO;  // a gap these numbers hide
  f.sistema->NumeroFiltriDistanza = 1;
  InFinestraModale([&] { f.finestra->findChild<QAction*>("menuDistanzaNumeri")->trigger(); }, [&](QWidget& w) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(QStringList({Testo(w, "lblNumDistMin"), Testo(w, "lblNumDistMax"), Testo(w, "lblTotFiltri"),
                           Testo(w, "lblTotFiltriON"), Testo(w, "lblTotFiltriOFF")}),
              QStringList({"04", "15", "05", "01", "04"}));
    GrigliaEtichette* minime = Griglia(w, "lbDistanzaMin");
    EXPECT_EQ(std::pair(minime->Primo(), minime->Ultimo()), std::pair(4, 15));
    Trascina({{Griglia(w, "lbPFromPTo"), 3}, {Griglia(w, "lbPFromPTo"), 4}});
    Trascina({{minime, 4}, {minime, 6}});
    Trascina({{Griglia(w, "lbDistanzaMax"), 15}, {Griglia(w, "lbDistanzaMax"), 15}});
    w.grab().save("frmFiltriDistanzaNumeri.png");
  });
  EXPECT_TRUE(f.finestra->findChild<QAction*>("menuDistanzaNumeri")->isChecked());
  const RecordDistanza& r = f.sistema->FiltriDistanza[1];
  EXPECT_EQ(std::vector<int>(r.Coppie.begin() + 1, r.Coppie.end()), std::vector<int>({2, 3, 4, 0, 0}));
  EXPECT_EQ(std::tuple(r.MinAttivo, r.MinOk[4], r.MinOk[6], r.MinOk[50], r.MaxAttivo, r.MaxOk[15]),
            std::tuple(4, VERO, VERO, VERO, 1, VERO));

  f.sistema->GuiBloccata = VERO;
  frmFiltriDistanzaNumeri w(*f.sistema, FormatoNumeri::Italiano());
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  Trascina({{Griglia(w, "lbDistanzaMin"), 8}, {Griglia(w, "lbDistanzaMin"), 9}});
  QTest::mouseClick(Pulsante(w, "cmdCancella"), Qt::LeftButton);
  QTest::mouseClick(Pulsante(w, "cmdTOP"), Qt::LeftButton);
  EXPECT_EQ(Testo(w, "lblnFiltro"), "05");
  w.close();
  EXPECT_EQ(f.sistema->FiltriDistanza[1], r);
  EXPECT_EQ(f.sistema->NumeroFiltriDistanza, 1);

  // Fewer than five numbers develop nothing: every storable gap is offered.
  f.finestra->CancellaPronostico();
  frmFiltriDistanzaNumeri vuota(*f.sistema, FormatoNumeri::Italiano());
  EXPECT_EQ(std::pair(Griglia(vuota, "lbDistanzaMax")->Primo(), Griglia(vuota, "lbDistanzaMax")->Ultimo()),
            std::pair(1, 54));
  QTest::mouseClick(Pulsante(vuota, "cmdNext2"), Qt::LeftButton);
  vuota.close();
  EXPECT_EQ(f.sistema->FiltriDistanza[1], r);
}

}  // namespace
}  // namespace tlx::ui
