// The calibration windows: what a first opening shows and reports, values
// through the scroll bars into the file, the migration at the 1-column
// window's opening, and the test page on the printer chosen in the window
// (its content and its rendering are the printing core's and Qt printer's).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "GuastiFile.h"
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
  static void Scrivi(const std::string& file, std::initializer_list<std::pair<const char*, const char*>> chiavi) {
    for (const auto& [chiave, valore] : chiavi) classINI(file).setProperty("Impostazioni", chiave, valore);
  }
  static std::vector<std::string> Chiavi(const std::string& file, std::initializer_list<const char*> chiavi) {
    std::vector<std::string> valori;
    for (const char* chiave : chiavi) valori.push_back(classINI(file).getProperty("Impostazioni", chiave, "-"));
    return valori;
  }

  QTemporaryDir dir;
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
  StampanteRegistrata stampante{{"Laser", "TremaluxorPDF"}, "Laser"};
};

TEST_F(FinestreTaratura, PrimaAperturaSenzaFile) {
  // valori: kTop kNomeX, the layout's own defaults; the last with no printer installed.
  const struct {
    LayoutScheda layout; const char* titolo; QStringList valori; Messaggi messaggi; const char *stampante, *png;
  } casi[] = {
      {LayoutScheda::UnaColonna, "Taratura Scheda 1 Colonna", {"43,3", "70"}, {QUALITA, SELEZIONA}, "Laser", "frmTaratura1.png"},
      {LayoutScheda::CinqueColonne, "Taratura Scheda 5 Colonne", {"35,4", "6"}, {QUALITA, SELEZIONA}, "Laser", "frmTaratura5.png"},
      {LayoutScheda::Ridotti, "Taratura Scheda Ridotti", {"43,3", "59"}, {QUALITA, NESSUNA}, "", "frmTaraturaRidotti.png"},
  };
  for (const auto& c : casi) {
    MessageBox::Azzera();
    if (!*c.stampante) stampante.ImpostaInstallate({});
    frmTaratura w(*s, c.layout);
    // Quality -3 is "MEDIA"; the square marker first.
    EXPECT_EQ(std::tuple(w.windowTitle(), MessageBox::Mostrati(), QStringList{w.valore("kTop")->text(), w.valore("kNomeX")->text()},
                         w.opzione(0)->isChecked(), w.taratura().Qualita, w.cmbStampante()->currentText()),
              std::tuple(QString(c.titolo), c.messaggi, c.valori, true, int16_t{-3}, QString(c.stampante)));
    w.show();
    w.grab().save(c.png);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path().toStdString())) << "opening writes nothing";
}

// A saved file: no messages, its printer selected; values through the scroll
// bars back into the file in hundredths.
TEST_F(FinestreTaratura, FileSalvatoEBarreNelFileInCentesimi) {
  const std::string f = s->FileTaratura5Colonne;
  Scrivi(f, {{"Qualita_Stampa", "-4"}, {"Nome_Stampante", "TremaluxorPDF"}, {"kLeft", "825"}, {"kX", "655"},
             {"Marcatore_Stampa", "5"}, {"kNomeY", "abc"}});  // any marker but 9999 is the number style
  frmTaratura w(*s, LayoutScheda::CinqueColonne);
  // 82.5 tenths round to the even 82; opening selects the saved printer.
  EXPECT_EQ(std::tuple(MessageBox::Mostrati().size(), w.cmbQualita()->currentText(), stampante.Corrente(),
                       w.opzione(1)->isChecked(), w.valore("kLeft")->text()),
            std::tuple(0U, "ALTA", "TremaluxorPDF", true, "8,2"));
  w.barra("kTop")->setValue(354);
  w.cmbQualita()->setCurrentIndex(0);
  w.cmbQualita_Click();
  w.cmbStampante()->setCurrentIndex(0);
  w.findChild<QPushButton*>("cmdSalva")->click();
  // kX saved back rounded to 0.1 mm; kNomeY, not a number, at its default.
  EXPECT_EQ(Chiavi(f, {"kTop", "kLeft", "kX", "kNomeY", "Marcatore_Stampa", "Qualita_Stampa", "Nome_Stampante"}),
            (std::vector<std::string>{"3540", "820", "660", "600", "1111", "-1", "Laser"}));
  EXPECT_EQ(std::tuple(stampante.Corrente(), std::filesystem::exists(s->FileTaratura1Colonna)), std::tuple("TremaluxorPDF", false))
      << "saving keeps the current printer and writes its layout's own file only";
}

// A calibration file that can't be read opens on the defaults; a save writes the values on screen in its place,
// whole. Anything else in its place is refused with the window's message and stays.
TEST_F(FinestreTaratura, FileIlleggibileSostituitoAlSalvataggioEAltroRifiutato) {
  const std::pair<LayoutScheda, std::string> finestre[] = {{LayoutScheda::UnaColonna, s->FileTaratura1Colonna},
                                                           {LayoutScheda::CinqueColonne, s->FileTaratura5Colonne},
                                                           {LayoutScheda::Ridotti, s->FileTaraturaRidotti}};
  for (const auto& [layout, file] : finestre) {
    for (const prova::Intralcio& intralcio : prova::InIntralcio("Impostazioni")) {
      SCOPED_TRACE(file + ": " + intralcio.nome);
      MessageBox::Azzera();
      intralcio.crea(file);
      const std::string prima = prova::Natura(file);
      frmTaratura w(*s, layout);
      EXPECT_EQ(MessageBox::Mostrati(), (Messaggi{QUALITA, SELEZIONA})) << "no quality, no printer: the defaults";
      MessageBox::Azzera();
      w.barra("kTop")->setValue(400);
      w.opzione(1)->click();
      w.cmbStampante()->setCurrentIndex(1);
      w.findChild<QPushButton*>("cmdSalva")->click();
      if (intralcio.regolare) {
        const std::string scritto = prova::Inizio(file);
        // The section and its eleven keys, nothing else.
        EXPECT_EQ(std::tuple(MessageBox::Mostrati(), std::count(scritto.begin(), scritto.end(), '\n'), scritto.size() < 1024,
                             Chiavi(file, {"kTop", "Marcatore_Stampa", "Nome_Stampante"})),
                  std::tuple(Messaggi{}, 12, true, std::vector<std::string>{"4000", "1111", "TremaluxorPDF"}));
        EXPECT_EQ(LeggiTaratura(file, layout), w.taratura()) << "read back";
      } else {
        EXPECT_EQ(std::pair(MessageBox::Mostrati(), prova::Natura(file)),
                  std::pair(Messaggi{{Icona::Critica, Pulsanti::Ok, "!!! E R R O R E !!!", "Impossibile salvare la taratura in " + file}},
                            prima));
      }
      std::filesystem::remove(file);
    }
  }
}

TEST_F(FinestreTaratura, MigrazioneAllAperturaDellaUnaColonna) {
  // The old binary file: ten records of 128 bytes, kLeft in the fourth, the
  // printer's name (13 characters) in the tenth.
  std::vector<char> b(1280, 0);
  std::memcpy(&b[3 * 128], "\x00\x00\x76\x42", 4);  // 61.5 as a float
  std::memcpy(&b[1152], "\x0d\x00TremaluxorPDF", 15);
  const std::string vecchio = s->PercorsoDati + "/NewScheda1Colonna.cfg";
  std::ofstream(vecchio, std::ios::binary).write(b.data(), 1280);
  frmTaratura w(*s, LayoutScheda::UnaColonna);
  EXPECT_EQ(std::tuple(std::filesystem::exists(vecchio), Chiavi(s->FileTaratura1Colonna, {"kLeft"}), w.valore("kLeft")->text(),
                       w.cmbStampante()->currentText(), MessageBox::Mostrati()),
            std::tuple(false, std::vector<std::string>{"6150"}, "61,5", "TremaluxorPDF", Messaggi{QUALITA}));
}

TEST_F(FinestreTaratura, PaginaDiProvaSullaStampanteScelta) {
  Scrivi(s->FileTaraturaRidotti, {{"Nome_Stampante", "Laser"}, {"Qualita_Stampa", "-2"}});
  frmTaratura w(*s, LayoutScheda::Ridotti);
  w.cmbStampante()->setCurrentIndex(1);  // chosen, not saved
  auto* cmdTest = w.findChild<QPushButton*>("cmdTest");
  cmdTest->click();
  w.opzione(1)->click();
  cmdTest->click();
  ASSERT_EQ(stampante.Documenti().size(), 2U);
  for (const DocumentoRegistrato& d : stampante.Documenti())
    EXPECT_EQ(std::tuple(d.stampante, d.qualita, d.pagine.at(0).Testi().front()), std::tuple("TremaluxorPDF", -2, "RICEVITORIA CENTRALE"));
  EXPECT_LT(stampante.Documenti()[0].pagine[0].Testi().size(), stampante.Documenti()[1].pagine[0].Testi().size())
      << "the marker chosen, not saved: numbers on the second page";

  // A printer fault: "Stampante non installata"; the window keeps its values, and no test print saves them.
  stampante.SimulaGuasto(10);
  cmdTest->click();
  EXPECT_EQ(std::tuple(MessageBox::Mostrati().back(), stampante.Aperto(), w.opzione(1)->isChecked(),
                       Chiavi(s->FileTaraturaRidotti, {"Nome_Stampante"})),
            std::tuple(Messaggio{Icona::Critica, Pulsanti::Ok, "!!! E R R O R E !!!", "Stampante non installata"}, nullptr, true,
                       std::vector<std::string>{"Laser"}));
}

}  // namespace
}  // namespace tlx::ui
