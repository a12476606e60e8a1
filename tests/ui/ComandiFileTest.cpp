#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QToolButton>
#include <fstream>
#include <set>

#include "FinestraPrincipale.h"
#include "platform/FileDialogs.h"

namespace tlx::ui {
namespace {

using platform::cCommonDialog;
using prova::FinestraPrincipale;

QAction* Azione(frmMAIN& w, const char* nome) { return w.findChild<QAction*>(nome); }

std::vector<std::array<uint8_t, 5>> Colonne(const Sistema& s) {
  std::vector<std::array<uint8_t, 5>> c;
  for (int32_t i = 1; i <= s.NumeroColonne; ++i) {
    std::array<uint8_t, 5> col{};
    std::copy_n(s.Colonne.Colonna(i), 5, col.begin());
    c.push_back(col);
  }
  return c;
}

struct ComandiFile : ::testing::Test {
  FinestraPrincipale f;
  ComandiFile() {
    cCommonDialog::Simulazione().Registra();
    QDir().mkpath(f.cartella.path() + "/sistemi");
    QDir().mkpath(f.cartella.path() + "/txt");
  }
  ~ComandiFile() override { cCommonDialog::Simulazione().Ferma(); }
  std::string Sistemi(const char* nome) const { return f.cartella.path().toStdString() + "/sistemi/" + nome; }
};

TEST_F(ComandiFile, SaveAndOpenGiveBackTheSystemWithItsConditions) {
  f.Scegli({2, 4, 6, 8, 10, 11, 13});
  f.sistema->Condizioni.SommaAttiva = VERO;
  f.sistema->Condizioni.SommaMinMax = {30, 40};
  f.sistema->Consecutivi = {PotenzeDiDue[1] | PotenzeDiDue[2], VERO};
  f.finestra->ElaboraSistema();
  const auto sviluppate = Colonne(*f.sistema);
  ASSERT_FALSE(sviluppate.empty());

  Azione(*f.finestra, "menusalva")->trigger();
  EXPECT_TRUE(QFile::exists(QString::fromStdString(Sistemi("nuovo.tlqvx"))));
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());

  f.finestra->CancellaSistema(false);
  cCommonDialog::Simulazione().Accoda(QString::fromStdString(Sistemi("nuovo.tlqvx")));
  Azione(*f.finestra, "menuapri")->trigger();

  ASSERT_EQ(cCommonDialog::Simulazione().Richieste().size(), 1u);
  const platform::RichiestaFile& r = cCommonDialog::Simulazione().Richieste()[0];
  EXPECT_EQ(r.InitDir, f.cartella.path() + "/sistemi");
  EXPECT_TRUE(r.FileMustExist);
  EXPECT_EQ(r.Filtri, QStringList{"File Pravendolix (*.tlqvx)"});

  EXPECT_EQ(Colonne(*f.sistema), sviluppate);
  EXPECT_EQ(f.sistema->NumeriPronostico, 7);
  EXPECT_EQ(f.sistema->GuiBloccata, -1);
  EXPECT_TRUE(Azione(*f.finestra, "menuSomma")->isChecked());
  EXPECT_TRUE(Azione(*f.finestra, "menuConsecutivi")->isChecked());
  EXPECT_FALSE(Azione(*f.finestra, "menuFisse")->isChecked());
  EXPECT_FALSE(f.finestra->findChild<QToolButton*>("cmdCalcolo")->isEnabled());
  EXPECT_TRUE(f.finestra->findChild<QToolButton*>("cmdVisualizza")->isEnabled());
  EXPECT_EQ(f.finestra->findChild<QLabel*>("labnumeri")->text(), "Numeri in gioco [07]");
  EXPECT_EQ(f.finestra->PannelloStato(1), "nuovo.tlqvx");
  EXPECT_EQ(f.finestra->PannelloStato(4).trimmed(), "Condizionato");
}

TEST_F(ComandiFile, SaveReplacesTxtByTheSystemExtensionInTheSystemsFolder) {
  f.Scegli({1, 2, 3, 4, 5});
  f.finestra->ElaboraSistema();
  f.sistema->NomeFileSistema = "/altrove/prova.txt";
  Azione(*f.finestra, "menusalva")->trigger();
  EXPECT_EQ(f.sistema->NomeFileSistema, Sistemi("prova.tlqvx"));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(Sistemi("prova.tlqvx"))));
  EXPECT_EQ(f.finestra->PannelloStato(1), "prova.tlqvx");
}

TEST_F(ComandiFile, SaveAsSuggestsTheTitleAndCancelWritesNothing) {
  f.Scegli({1, 2, 3, 4, 5});
  f.finestra->ElaboraSistema();
  f.sistema->NomeFileSistema = "/altrove/Prova.txt";
  cCommonDialog::Simulazione().Accoda(std::nullopt);
  Azione(*f.finestra, "menusalvacome")->trigger();
  ASSERT_EQ(cCommonDialog::Simulazione().Richieste().size(), 1u);
  const platform::RichiestaFile& r = cCommonDialog::Simulazione().Richieste()[0];
  EXPECT_EQ(r.tipo, platform::RichiestaFile::Tipo::Salva);
  EXPECT_EQ(r.FileName, "Prova.tlqvx");
  EXPECT_EQ(r.DefaultExt, ".tlqvx");
  EXPECT_TRUE(r.OverwritePrompt);
  EXPECT_EQ(f.sistema->NomeFileSistema, "/altrove/Prova.txt");

  const std::string scelto = Sistemi("mio.tlqvx");
  cCommonDialog::Simulazione().Accoda(QString::fromStdString(scelto));
  Azione(*f.finestra, "menusalvacome")->trigger();
  EXPECT_EQ(f.sistema->NomeFileSistema, scelto);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(scelto)));
  EXPECT_EQ(f.finestra->PannelloStato(1), "mio.tlqvx");
}

TEST_F(ComandiFile, FailedSaveReportsTheErrorOfSalvaFile) {
  f.Scegli({1, 2, 3, 4, 5});
  f.finestra->ElaboraSistema();
  cCommonDialog::Simulazione().Accoda(f.cartella.path() + "/manca/x.tlqvx");
  Azione(*f.finestra, "menusalvacome")->trigger();
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  const std::string& testo = platform::MessageBox::Mostrati()[0].testo;
  EXPECT_TRUE(testo.starts_with("Error ")) << testo;
  EXPECT_TRUE(testo.ends_with(") in procedure SalvaFile of Modulo corpo")) << testo;
}

TEST_F(ComandiFile, RefusedFileLeavesAnEmptyUnlockedWindow) {
  f.Scegli({1, 2, 3, 4, 5, 6});
  f.finestra->ElaboraSistema();
  const std::string cattivo = Sistemi("tagliato.tlqvx");
  {
    std::ofstream out(cattivo, std::ios::binary);
    std::string fisso(202, '\0');
    fisso.replace(0, 11, "tlxxqvx0002");
    fisso[61] = 3;  // three columns announced, none present
    out << fisso;
  }
  f.finestra->ApriFile(QString::fromStdString(cattivo));
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, "Sviluppo non sequenziale, impossibile continuare");
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  EXPECT_EQ(f.sistema->GuiBloccata, 0);
  EXPECT_EQ(f.sistema->NumeriPronostico, 0);
  EXPECT_EQ(f.finestra->findChild<QLabel*>("labnumeri")->text(), "Numeri in gioco [0]");
  EXPECT_TRUE(f.finestra->findChild<QToolButton*>("cmdCancella")->isEnabled());
  EXPECT_FALSE(f.finestra->findChild<QToolButton*>("cmdVisualizza")->isEnabled());
}

TEST_F(ComandiFile, ShuffleAsksFirstAndKeepsTheColumns) {
  f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  f.finestra->ElaboraSistema();
  const auto prima = Colonne(*f.sistema);

  platform::MessageBox::Accoda(Risposta::No);
  Azione(*f.finestra, "menuMescola")->trigger();
  EXPECT_EQ(Colonne(*f.sistema), prima);
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, "Vuoi mescolare le colonne");
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].icona, Icona::Nessuna);

  platform::MessageBox::Accoda(Risposta::Si);
  Azione(*f.finestra, "menuMescola")->trigger();
  const auto dopo = Colonne(*f.sistema);
  EXPECT_NE(dopo, prima);
  EXPECT_EQ(std::multiset(dopo.begin(), dopo.end()), std::multiset(prima.begin(), prima.end()));
  EXPECT_TRUE(Azione(*f.finestra, "menuMescola")->isEnabled());
}

TEST_F(ComandiFile, ExportedColumnsImportBackAsATextSystem) {
  f.Scegli({5, 9, 13, 22, 31, 47});
  f.finestra->ElaboraSistema();
  const auto sviluppate = Colonne(*f.sistema);
  Azione(*f.finestra, "menuEsportaColonne")->trigger();
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, "File nuovo.tlqvx esportato");
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].icona, Icona::Informazione);
  const QString testo = f.cartella.path() + "/txt/nuovo.txt";
  ASSERT_TRUE(QFile::exists(testo));

  f.finestra->CancellaSistema(false);
  cCommonDialog::Simulazione().Accoda(testo);
  Azione(*f.finestra, "menuImportaColonne")->trigger();
  EXPECT_EQ(Colonne(*f.sistema), sviluppate);
  EXPECT_EQ(f.sistema->TitoloSistema.Trimmed(), "FILE TXT");
  EXPECT_EQ(f.sistema->NumeriPronostico, 6);
  EXPECT_EQ(f.sistema->GuiBloccata, -1);
  EXPECT_EQ(f.finestra->PannelloStato(1), "nuovo.txt");
  EXPECT_EQ(f.finestra->PannelloStato(4).trimmed(), "FILE TXT");
}

}  // namespace
}  // namespace tlx::ui
