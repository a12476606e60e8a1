// The calibration windows: what a first opening shows and reports, values
// through the scroll bars into the file, the migration at the 1-column
// window's opening, and the test page on the printer chosen in the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "PdfProva.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/StampanteRegistrata.h"
#include "support/IniFile.h"
#include "ui/printing/frmTaratura.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;

const Messaggio QUALITA{Icona::Critica, Pulsanti::Ok, "Importante", "Attenzione Qualita' di stampa non configurata"};
const Messaggio SELEZIONA{Icona::Critica, Pulsanti::Ok, "Importante", "Attenzione selezionare una stampante"};
const Messaggio NESSUNA{Icona::Critica, Pulsanti::Ok, "Importante", "Attenzione nessuna stampante installata"};

struct FinestreTaratura : ::testing::Test {
  FinestreTaratura() {
    MessageBox::Registra();
    ImpostaPercorsi(*s, dir.path().toStdString());
    s->IntestazioneStampa = "RICEVITORIA CENTRALE";
    platform::ImpostaStampanteCorrente(&stampante);
  }
  ~FinestreTaratura() override {
    platform::ImpostaStampanteCorrente(nullptr);
    MessageBox::Azzera();
  }
  std::string Chiave(const std::string& file, const char* chiave) const {
    return classINI(file).getProperty("Impostazioni", chiave, "-");
  }

  QTemporaryDir dir;
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
  StampanteRegistrata stampante{{"Laser", "TremaluxorPDF"}, "Laser"};
};

TEST_F(FinestreTaratura, PrimaAperturaSenzaFile) {
  const struct {
    LayoutScheda layout;
    const char* titolo;
    std::vector<std::string> stampanti;
    QStringList valori;  // kTop kNomeX: the layout's own defaults
    Messaggi messaggi;
    QString stampante;
    const char* png;
  } casi[] = {
      {LayoutScheda::UnaColonna, "Taratura Scheda 1 Colonna", {"Laser", "TremaluxorPDF"},
       {"43,3", "70"}, {QUALITA, SELEZIONA}, "Laser", "frmTaratura1.png"},
      {LayoutScheda::CinqueColonne, "Taratura Scheda 5 Colonne", {"Laser", "TremaluxorPDF"},
       {"35,4", "6"}, {QUALITA, SELEZIONA}, "Laser", "frmTaratura5.png"},
      {LayoutScheda::Ridotti, "Taratura Scheda Ridotti", {}, {"43,3", "59"},
       {QUALITA, NESSUNA}, "", "frmTaraturaRidotti.png"},
  };
  for (const auto& c : casi) {
    MessageBox::Azzera();
    stampante.ImpostaInstallate(c.stampanti);
    frmTaratura w(*s, c.layout);
    EXPECT_EQ(w.windowTitle(), c.titolo);
    EXPECT_EQ(MessageBox::Mostrati(), c.messaggi);
    EXPECT_EQ((QStringList{w.valore("kTop")->text(), w.valore("kNomeX")->text()}), c.valori);
    EXPECT_TRUE(w.opzione(0)->isChecked());
    EXPECT_EQ(w.taratura().Qualita, -3);  // "MEDIA"
    EXPECT_EQ(w.cmbStampante()->currentText(), c.stampante);
    w.show();
    QTest::qWait(20);
    w.grab().save(c.png);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path().toStdString())) << "opening writes nothing";
}

// A saved file: no messages, its printer selected; values through the scroll
// bars back into the file in hundredths.
TEST_F(FinestreTaratura, FileSalvatoEBarreNelFileInCentesimi) {
  const std::string f = s->FileTaratura5Colonne;
  for (const auto& [chiave, valore] : {std::pair{"Qualita_Stampa", "-4"}, {"Nome_Stampante", "TremaluxorPDF"},
                                       {"Marcatore_Stampa", "5"},  // any value but 9999 is the number style
                                       {"kLeft", "825"}, {"kX", "655"}, {"kNomeY", "abc"}})  // not a number: default
    classINI(f).setProperty("Impostazioni", chiave, valore);
  frmTaratura w(*s, LayoutScheda::CinqueColonne);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  EXPECT_EQ(w.cmbQualita()->currentText(), "ALTA");
  EXPECT_EQ(stampante.Corrente(), "TremaluxorPDF") << "opening selects the saved printer";
  EXPECT_TRUE(w.opzione(1)->isChecked());
  EXPECT_EQ(w.valore("kLeft")->text(), "8,2") << "82.5 tenths round to the even 82";
  w.barra("kTop")->setValue(354);
  EXPECT_EQ(w.valore("kTop")->text(), "35,4");
  w.cmbQualita()->setCurrentIndex(0);
  w.cmbQualita_Click();
  w.cmbStampante()->setCurrentIndex(0);
  w.findChild<QPushButton*>("cmdSalva")->click();
  EXPECT_EQ(Chiave(f, "kTop"), "3540");
  EXPECT_EQ(Chiave(f, "kLeft"), "820");
  EXPECT_EQ(Chiave(f, "kX"), "660") << "kX is saved back rounded to 0.1 mm";
  EXPECT_EQ(Chiave(f, "kNomeY"), "600");
  EXPECT_EQ(Chiave(f, "Marcatore_Stampa"), "1111");
  EXPECT_EQ(Chiave(f, "Qualita_Stampa"), "-1");
  EXPECT_EQ(Chiave(f, "Nome_Stampante"), "Laser");
  EXPECT_EQ(stampante.Corrente(), "TremaluxorPDF") << "saving does not change the current printer";
  EXPECT_FALSE(std::filesystem::exists(s->FileTaratura1Colonna)) << "each layout has its own file";
}

TEST_F(FinestreTaratura, MigrazioneAllAperturaDellaUnaColonna) {
  // The old binary file: eight distances, the marker and the printer's name
  // in records of 128 bytes.
  std::vector<char> b(1280, 0);
  const float mm[8] = {8.0F, 8.5F, 44.0F, 61.5F, 58.0F, 36.0F, 69.0F, 5.5F};
  for (size_t i = 0; i < 8; ++i) std::memcpy(&b[i * 128], &mm[i], 4);
  std::memcpy(&b[1024], "\x0f\x27", 2);                // 9999: the square
  std::memcpy(&b[1152], "\x0d\x00TremaluxorPDF", 15);  // 13 characters
  const std::string vecchio = s->PercorsoDati + "/NewScheda1Colonna.cfg";
  std::ofstream(vecchio, std::ios::binary).write(b.data(), 1280);

  frmTaratura w(*s, LayoutScheda::UnaColonna);
  EXPECT_FALSE(std::filesystem::exists(vecchio));
  EXPECT_EQ(Chiave(s->FileTaratura1Colonna, "kLeft"), "6150");
  EXPECT_EQ(w.valore("kLeft")->text(), "61,5");
  EXPECT_EQ(w.cmbStampante()->currentText(), "TremaluxorPDF");
  EXPECT_EQ(MessageBox::Mostrati(), Messaggi{QUALITA});
}

TEST_F(FinestreTaratura, PaginaDiProvaSullaStampanteScelta) {
  TaraturaScheda t = TaraturaPredefinita(LayoutScheda::Ridotti);
  t.NomeStampante = "Laser";
  t.Qualita = -2;
  ASSERT_TRUE(SalvaTaratura(s->FileTaraturaRidotti, t));
  frmTaratura w(*s, LayoutScheda::Ridotti);
  w.cmbStampante()->setCurrentIndex(1);  // chosen, not saved
  auto* cmdTest = w.findChild<QPushButton*>("cmdTest");
  cmdTest->click();
  w.opzione(1)->click();
  cmdTest->click();
  ASSERT_EQ(stampante.Documenti().size(), 2U);
  for (const DocumentoRegistrato& d : stampante.Documenti()) {
    EXPECT_EQ(d.stampante, "TremaluxorPDF");
    EXPECT_EQ(d.qualita, -2);
    EXPECT_EQ(d.pagine.at(0).Testi().front(), "RICEVITORIA CENTRALE");
  }
  EXPECT_LT(stampante.Documenti()[0].pagine[0].Testi().size(), stampante.Documenti()[1].pagine[0].Testi().size())
      << "the marker chosen, not saved: numbers on the second page";
  EXPECT_EQ(Chiave(s->FileTaraturaRidotti, "Nome_Stampante"), "Laser") << "a test print saves nothing";

  // A printer fault: "Stampante non installata"; the window keeps its values.
  stampante.SimulaGuasto(10);
  cmdTest->click();
  EXPECT_EQ(MessageBox::Mostrati().back(),
            (Messaggio{Icona::Critica, Pulsanti::Ok, "!!! E R R O R E !!!", "Stampante non installata"}));
  EXPECT_EQ(stampante.Aperto(), nullptr);
  EXPECT_TRUE(w.opzione(1)->isChecked());
}

// The test page of each layout printed by Qt into a PDF and rendered.
TEST_F(FinestreTaratura, PagineDiProvaRese) {
  for (const auto& [layout, png] : {std::pair{LayoutScheda::UnaColonna, "test-taratura-1-colonna.png"},
                                    std::pair{LayoutScheda::CinqueColonne, "test-taratura-5-colonne.png"},
                                    std::pair{LayoutScheda::Ridotti, "test-taratura-ridotti.png"}}) {
    const QString pdf = dir.filePath("test.pdf");
    platform::StampanteQt suPdf(pdf);
    platform::ImpostaStampanteCorrente(&suPdf);
    frmTaratura w(*s, layout);
    w.opzione(1)->click();
    w.findChild<QPushButton*>("cmdTest")->click();
    const QImage pagina = tlx::prova::PaginaPng(pdf, 1, png);
    ASSERT_FALSE(pagina.isNull());
    const TaraturaScheda t = TaraturaPredefinita(layout);
    // The left edge of the box at (kLeft, kTop) is drawn as a thin line,
    // its inside is not.
    const double y = t.kTop + 1.5;
    bool linea = false;
    for (double x = t.kLeft - 0.2; x <= t.kLeft + 0.2; x += 0.1) linea = linea || tlx::prova::Scuro(pagina, x, y);
    EXPECT_TRUE(linea) << png;
    EXPECT_FALSE(tlx::prova::Scuro(pagina, t.kLeft + 1.5, y + 0.5)) << png;
    platform::ImpostaStampanteCorrente(&stampante);
  }
}

}  // namespace
}  // namespace tlx::ui
