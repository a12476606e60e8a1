#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QToolButton>
#include <fstream>
#include <functional>
#include <tuple>

#include "FinestraPrincipale.h"
#include "platform/FileDialogs.h"
#include "ui/conditions/frmImportFiltri.h"
#include "ui/matrices/frmMatr.h"
#include "ui/shared/FormatoLocale.h"

namespace tlx::platform {
// A request as a failed comparison shows it.
static void PrintTo(const RichiestaFile& r, std::ostream* os) {
  *os << (r.tipo == RichiestaFile::Tipo::Apri ? "open [" : "save [") << r.Filtri.join('|').toStdString() << "] "
      << r.FilterIndex << " '" << r.InitDir.toStdString() << "' '" << r.FileName.toStdString() << "' '"
      << r.DlgTitle.toStdString() << "' '" << r.DefaultExt.toStdString() << "' exist " << r.FileMustExist
      << " overwrite " << r.OverwritePrompt << " multi " << r.MultiSelect << " read-only " << r.ReadOnly << " hidden "
      << r.HideReadOnly;
}
}  // namespace tlx::platform

namespace tlx::ui {
namespace {

using platform::cCommonDialog;
using platform::MessageBox;

std::vector<std::array<uint8_t, 5>> Colonne(const Sistema& s) {
  std::vector<std::array<uint8_t, 5>> c(static_cast<size_t>(s.NumeroColonne));
  for (int32_t i = 1; i <= s.NumeroColonne; ++i) std::copy_n(s.Colonne.Colonna(i), 5, c[static_cast<size_t>(i - 1)].begin());
  return c;
}

struct ComandiFile : ::testing::Test {
  prova::FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  ComandiFile() {
    cCommonDialog::Simulazione().Registra();
    QDir().mkpath(f.cartella.path() + "/sistemi");
  }
  ~ComandiFile() override { cCommonDialog::Simulazione().Ferma(); }
  QString Sistemi(const char* nome) const { return f.cartella.path() + "/sistemi/" + nome; }
  void Menu(const char* voce) { w.findChild<QAction*>(voce)->trigger(); }
  bool Acceso(const char* pulsante) { return w.findChild<QToolButton*>(pulsante)->isEnabled(); }
  // No columns, the grid and Cancella open, the viewer closed.
  bool InModifica() {
    return f.sistema->NumeroColonne == 0 && f.sistema->GuiBloccata == 0 && Acceso("cmdCancella") &&
           !Acceso("cmdVisualizza") && w.findChild<QWidget*>("frameNumeri")->isEnabled();
  }
};

TEST_F(ComandiFile, SaveUsesTheSystemsFolderAndSaveAsTheChosenPath) {
  f.Scegli({1, 2, 3, 4, 5});
  w.ElaboraSistema();
  f.sistema->NomeFileSistema = "/altrove/Prova.txt";
  Menu("menusalva");
  EXPECT_EQ(std::pair(QString::fromStdString(f.sistema->NomeFileSistema), w.PannelloStato(1)),
            std::pair(Sistemi("Prova.tlqvx"), QString("prova.tlqvx")));

  f.sistema->NomeFileSistema = "/altrove/Altro.txt";
  cCommonDialog::Simulazione().Accoda(std::nullopt);
  cCommonDialog::Simulazione().Accoda(Sistemi("mio.tlqvx"));
  Menu("menusalvacome");
  EXPECT_EQ(f.sistema->NomeFileSistema, "/altrove/Altro.txt");
  Menu("menusalvacome");
  const platform::RichiestaFile& r = cCommonDialog::Simulazione().Richieste().at(0);
  EXPECT_EQ(std::tuple(r.FileName, r.DefaultExt, r.OverwritePrompt, QFile::exists(Sistemi("mio.tlqvx")), w.PannelloStato(1)),
            std::tuple("Altro.tlqvx", ".tlqvx", true, true, "mio.tlqvx"));

  cCommonDialog::Simulazione().Accoda(f.cartella.path() + "/manca/x.tlqvx");
  Menu("menusalvacome");
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo, "Error 76 (Path not found) in procedure SalvaFile of Modulo corpo");
}

// Every file dialog of the program, as its caller asks for it. The two open dialogs of the main window show the
// read-only box unticked, and a system file opens the same whatever tick the user leaves in it.
TEST_F(ComandiFile, EachFileDialogShowsWhatItsCallerAsksFor) {
  f.Scegli({1, 2, 3, 4, 5, 6});
  w.ElaboraSistema();
  const auto sviluppate = Colonne(*f.sistema);
  f.sistema->NomeFileSistema = Sistemi("prova.tlqvx").toStdString();
  Menu("menusalva");
  w.CancellaSistema(false);
  cCommonDialog::Simulazione().Accoda(platform::RispostaFile({"prova.tlqvx"}, true));

  using Tipo = platform::RichiestaFile::Tipo;
  const QString dati = f.cartella.path();
  const QStringList sistemi{"File Pravendolix (*.tlqvx)"}, txt{"File TXT (*.txt)"};
  frmImportFiltri filtri(*f.sistema, FormatoLocale(), &w);
  frmMatr matrici(*f.sistema, frmMatr::Modo::Adatta, &w);
  // What each dialog shows: type, filters, the one shown first, folder, suggested name, title, default extension,
  // must exist, overwrite prompt, multiple selection, read-only ticked, read-only box hidden.
  const std::tuple<const char*, std::function<void()>, platform::RichiestaFile> casi[] = {
      {"Apri", [&] { Menu("menuapri"); },
       {Tipo::Apri, sistemi, 1, dati + "/sistemi", "", "", "", true, false, false, false, false}},
      {"Salva come", [&] { Menu("menusalvacome"); },
       {Tipo::Salva, sistemi, 1, dati + "/sistemi", "prova.tlqvx", "", ".tlqvx", false, true, false, false, true}},
      {"Importa Colonne", [&] { Menu("menuImportaColonne"); },
       {Tipo::Apri, txt, 1, dati + "/txt", "", "", "", true, false, false, false, false}},
      {"Importa Colonne Filtro", [&] { filtri.cmdImportaFiltri_Click(); },
       {Tipo::Apri, txt, 1, dati + "/txt", "", "", "", true, false, false, false, true}},
      // The program's own folder of text matrices is missing beside the test: the data folder's.
      {"File TXT", [&] { matrici.cmdMatriceTXT_Click(); },
       {Tipo::Apri, {"txt(*.txt)"}, 1, dati + "/txt", "", "", "", true, false, false, false, true}},
  };
  for (const auto& [chiamante, apri, atteso] : casi) {
    const size_t prima = cCommonDialog::Simulazione().Richieste().size();
    apri();
    ASSERT_EQ(cCommonDialog::Simulazione().Richieste().size(), prima + 1) << chiamante;
    EXPECT_EQ(cCommonDialog::Simulazione().Richieste().back(), atteso) << chiamante;
  }
  EXPECT_EQ(std::tuple(Colonne(*f.sistema), f.sistema->GuiBloccata, w.PannelloStato(1), MessageBox::Mostrati().size()),
            std::tuple(sviluppate, -1, "prova.tlqvx", 0u));
}

TEST_F(ComandiFile, RefusedFileLeavesAnEmptyUnlockedWindow) {
  f.Scegli({1, 2, 3, 4, 5, 6});
  w.ElaboraSistema();
  std::string fisso(202, '\0');
  fisso.replace(0, 11, "tlxxqvx0002");
  fisso[61] = 3;  // three columns announced, none present
  std::ofstream(Sistemi("tagliato.tlqvx").toStdString(), std::ios::binary) << fisso;
  w.ApriFile(Sistemi("tagliato.tlqvx"));
  EXPECT_EQ(std::tuple(MessageBox::Mostrati().at(0).testo, InModifica(), w.findChild<QLabel*>("labnumeri")->text()),
            std::tuple("Sviluppo non sequenziale, impossibile continuare", true, "Numeri in gioco [0]"));
}

// No keeps the order; that no column is lost is the shuffle's own test.
TEST_F(ComandiFile, ShuffleAsksFirstAndNoKeepsTheOrder) {
  f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  w.ElaboraSistema();
  const auto prima = Colonne(*f.sistema);
  MessageBox::Accoda(Risposta::No);
  MessageBox::Accoda(Risposta::Si);
  Menu("menuMescola");
  EXPECT_EQ(std::pair(Colonne(*f.sistema), MessageBox::Mostrati().at(0).testo),
            std::pair(prima, std::string("Vuoi mescolare le colonne")));
  Menu("menuMescola");
  EXPECT_NE(Colonne(*f.sistema), prima);
}

TEST_F(ComandiFile, ExportedColumnsImportBackAsATextSystemAndAnEmptyFileLeavesTheWindowEditing) {
  f.Scegli({5, 9, 13, 22, 31, 47});
  w.ElaboraSistema();
  const auto sviluppate = Colonne(*f.sistema);
  Menu("menuEsportaColonne");
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo, "File nuovo.tlqvx esportato");

  w.CancellaSistema(false);
  cCommonDialog::Simulazione().Accoda(f.cartella.path() + "/txt/nuovo.txt");
  Menu("menuImportaColonne");
  EXPECT_EQ(std::tuple(Colonne(*f.sistema), f.sistema->GuiBloccata, w.PannelloStato(1), w.PannelloStato(4).trimmed()),
            std::tuple(sviluppate, -1, "nuovo.txt", "FILE TXT"));

  std::ofstream((f.cartella.path() + "/txt/vuoto.txt").toStdString()) << "\r\n  \r\n";
  cCommonDialog::Simulazione().Accoda(f.cartella.path() + "/txt/vuoto.txt");
  Menu("menuImportaColonne");
  EXPECT_EQ(std::pair(int{f.sistema->NumeriPronostico}, InModifica()), std::pair(0, true));
}

}  // namespace
}  // namespace tlx::ui
