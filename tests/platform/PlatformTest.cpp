// The desktop services, headless.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

#include "platform/Cartelle.h"
#include "platform/ColoriBgr.h"
#include "platform/FileDialogs.h"
#include "platform/IstanzaSingola.h"
#include "platform/MessageBox.h"
#include "platform/Stampanti.h"
#include "platform/Traduzioni.h"

namespace {
using namespace tlx::platform;

// Where the user's data stays from one version to the next; a fresh home lacks the folders above it.
TEST(Cartelle, TheDataFolderIsTheProgramsOwnAndAFolderIsMadeWithItsMissingParents) {
  QTemporaryDir radice;
  EXPECT_TRUE(CreaCartella(radice.path() + "/a/b/c") && QFileInfo(radice.path() + "/a/b/c").isDir());
  EXPECT_EQ(CartellaDati(), qEnvironmentVariable("XDG_DATA_HOME") + "/TremaluxorQVX");
}

TEST(Traduzioni, QtsOwnButtonsSpeakItalian) {
  QTranslator* traduzione = InstallaTraduzioniQt(*QCoreApplication::instance());
  ASSERT_NE(traduzione, nullptr) << "Qt's Italian translations are not installed";
  QDialogButtonBox pulsanti(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
  QStringList testi;
  for (const auto tipo : {QDialogButtonBox::Yes, QDialogButtonBox::No, QDialogButtonBox::Cancel})
    testi << pulsanti.button(tipo)->text();
  EXPECT_EQ(testi, QStringList({"&Sì", "&No", "Annulla"}));
  QCoreApplication::removeTranslator(traduzione);
  delete traduzione;
}

const QString FILTRO = "File Pravendolix (*.tlqvx)|*.tlqvx|Tutti|*.txt;*.tlqvx", SISTEMI = "/home/u/.local/sistemi";
const QStringList FILTRI_QT = {"File Pravendolix (*.tlqvx)", "Tutti (*.txt *.tlqvx)"};

struct FileDialogs : ::testing::Test {
  FileDialogs() { copione.Registra(); }
  ~FileDialogs() override { copione.Ferma(); }
  CopioneFile& copione = cCommonDialog::Simulazione();
};

// What the caller reads back: FileName, FileTitle, Filter and FilterIndex, blank-separated.
std::string Esito(const DatiFile& d) {
  return QStringList{d.FileName, d.FileTitle, d.Filter, QString::number(d.FilterIndex)}.join(' ').toStdString();
}

TEST_F(FileDialogs, OpenTakesTheAnswerInTheInitialFolderWithItsFilter) {
  copione.Accoda("prova.txt");
  DatiFile dati{.Filter = FILTRO, .FilterIndex = 2, .InitDir = SISTEMI, .FileMustExist = true};
  ASSERT_TRUE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(Esito(dati), (SISTEMI + "/prova.txt prova.txt Tutti|*.txt;*.tlqvx 2").toStdString());
  const RichiestaFile attesa{.Filtri = FILTRI_QT, .FilterIndex = 2, .InitDir = SISTEMI, .FileMustExist = true};
  EXPECT_EQ(copione.Richieste(), std::vector{attesa});
}

// A bare name takes the default extension. A cancel saves nothing and empties the outputs; paths of any length,
// answered or suggested, pass both ways.
TEST_F(FileDialogs, SaveAddsTheDefaultExtensionPassesLongPathsAndACancelEmptiesTheOutputs) {
  const QString lungo = QString(259 - SISTEMI.size() - 7, 'n') + ".tlqvx";  // a path of 259
  const QString cartellaLunga = "/" + QString(200, 'c'), nome300 = QString(300 - SISTEMI.size() - 7, 'n') + ".tlqvx";
  const auto Salvato = [](const QString& cartella, const QString& n) {
    return (cartella + "/" + n + " " + n + " File Pravendolix (*.tlqvx)|*.tlqvx 1").toStdString();
  };
  const std::tuple<std::optional<QString>, qsizetype, std::string> casi[] = {
      {"pippo", 11, Salvato(SISTEMI, "pippo.tlqvx")}, {"v2.0", 11, Salvato(SISTEMI, "v2.0")},
      {lungo, 11, Salvato(SISTEMI, lungo)}, {std::nullopt, 11, "   -1"},
      {cartellaLunga + "/" + QString(52, 'n'), 11, Salvato(cartellaLunga, QString(52, 'n') + ".tlqvx")},
      {"x", 260, Salvato(SISTEMI, "x.tlqvx")}, {nome300, 300, Salvato(SISTEMI, nome300)}};
  for (const auto& [risposta, suggerito, esito] : casi) {
    copione.Accoda(risposta);
    DatiFile dati{.FileName = QString(suggerito, 'x'), .FileTitle = "x", .Filter = FILTRO, .InitDir = SISTEMI, .DefaultExt = ".tlqvx"};
    const bool salvato = cCommonDialog().VBGetSaveFileName(dati);
    EXPECT_EQ(std::tuple(salvato, Esito(dati)), std::tuple(esito != "   -1", esito));
  }
  EXPECT_EQ(copione.Richieste().size(), 7u);
  EXPECT_EQ(copione.Richieste().back().FileName.size(), 300);
}

// The switches join the caller's flags (the desktop's hook and template bits dropped) and decide what the dialog
// shows; the flags come back with the read-only bit as the box was left, which only a shown box lets change.
TEST_F(FileDialogs, SwitchesAndFlagsDecideTheDialogAndTheReadOnlyTickComesBack) {
  using namespace opzioniFile;
  struct Caso {
    RichiestaFile::Tipo tipo;
    DatiFile dati;
    bool spunta;  // the user's tick
    std::array<bool, 5> chiesto;  // FileMustExist, OverwritePrompt, MultiSelect, ReadOnly, HideReadOnly
    int32_t flags;
  };
  const auto Apri = RichiestaFile::Tipo::Apri, Salva = RichiestaFile::Tipo::Salva;
  const Caso casi[] = {
      {Apri, {.ReadOnly = true, .HideReadOnly = false, .Flags = AGGANCI | 0x8}, false, {0, 0, 0, 1, 0}, 0x8},
      {Apri, {.HideReadOnly = false}, true, {0, 0, 0, 0, 0}, SOLA_LETTURA},
      {Apri, {.FileMustExist = true, .MultiSelect = true, .Flags = SOLA_LETTURA}, false, {1, 0, 1, 1, 1},
       SOLA_LETTURA | NASCONDI_SOLA_LETTURA | SELEZIONE_MULTIPLA | FILE_ESISTENTE},
      {Apri, {.HideReadOnly = false, .Flags = NASCONDI_SOLA_LETTURA}, true, {0, 0, 0, 0, 1}, NASCONDI_SOLA_LETTURA},
      {Salva, {.OverwritePrompt = true, .MultiSelect = true, .HideReadOnly = false, .Flags = 0x40}, true, {0, 1, 0, 0, 1},
       CHIEDI_SOVRASCRITTURA | NASCONDI_SOLA_LETTURA},
  };
  for (Caso c : casi) {
    copione.Azzera();
    copione.Accoda(RispostaFile({"a.txt"}, c.spunta));
    cCommonDialog dialogo;
    const bool scelto = c.tipo == Apri ? dialogo.VBGetOpenFileName(c.dati) : dialogo.VBGetSaveFileName(c.dati);
    const RichiestaFile& r = copione.Richieste().at(0);
    EXPECT_EQ(std::tuple(scelto, dialogo.APIReturn(), std::array{r.FileMustExist, r.OverwritePrompt, r.MultiSelect, r.ReadOnly, r.HideReadOnly},
                         c.dati.Flags, c.dati.ReadOnly),
              std::tuple(true, 1, c.chiesto, c.flags, (c.flags & SOLA_LETTURA) != 0))
        << c.flags;
  }
}

// Several files come back whole, the first as the file name; without multiple selection only the first is taken.
// The filter picked comes back with its entry; an index outside the list shows the first.
TEST_F(FileDialogs, SeveralFilesComeBackWholeAndThePickedFilterWithItsEntry) {
  copione.Accoda(RispostaFile({"a.txt", "/altrove/b.txt"}, std::nullopt));
  copione.Accoda(RispostaFile({"a.txt", "b.txt"}, std::nullopt, 2));
  DatiFile multipla{.Filter = FILTRO, .FilterIndex = 7, .InitDir = SISTEMI, .MultiSelect = true}, singola{.Filter = FILTRO, .InitDir = SISTEMI};
  ASSERT_TRUE(cCommonDialog().VBGetOpenFileName(multipla) && cCommonDialog().VBGetOpenFileName(singola));
  EXPECT_EQ(std::tuple(multipla.FileNames, Esito(multipla), singola.FileNames, Esito(singola)),
            std::tuple(QStringList{SISTEMI + "/a.txt", "/altrove/b.txt"}, (SISTEMI + "/a.txt a.txt File Pravendolix (*.tlqvx)|*.tlqvx 1").toStdString(),
                       QStringList{SISTEMI + "/a.txt"}, (SISTEMI + "/a.txt a.txt Tutti|*.txt;*.tlqvx 2").toStdString()));
  EXPECT_EQ(std::pair(copione.Richieste().at(0).FilterIndex, copione.Richieste().at(0).MultiSelect), std::pair(1, true));
}

// A cancel and a refused name both empty the outputs; the object tells which it was, and forgets it at the next
// dialog. A name no path can hold shows no dialog. A single filter entry reaches the dialog as one description and
// its pattern; a colon stays in the description.
TEST_F(FileDialogs, CancelAndRefusalEmptyTheOutputsAndTheObjectTellsWhichItWas) {
  cCommonDialog dialogo;
  std::vector<std::tuple<bool, int32_t, int32_t, std::string, int32_t, qsizetype>> esiti;
  for (const QString& nome : {QString("prova"), QString("a") + QChar::Null + "b", QString("prova")}) {
    if (esiti.size() == 2) copione.Accoda("prova.txt");
    DatiFile dati{.FileName = nome, .FileTitle = "t", .Filter = FILTRO, .Flags = 0x8, .FileNames = {"x"}};
    const bool scelto = dialogo.VBGetOpenFileName(dati);
    esiti.emplace_back(scelto, dialogo.APIReturn(), dialogo.ExtendedError(), scelto ? "" : Esito(dati), dati.Flags, dati.FileNames.size());
  }
  EXPECT_EQ(esiti, (decltype(esiti){{false, 0, 0, "   -1", 0, 0}, {false, 0x3002, 0x3002, "   -1", 0, 0}, {true, 1, 0, "", 0x8 | 0x4, 1}}));
  EXPECT_EQ(copione.Richieste().size(), 2u);
  EXPECT_EQ(cCommonDialog::FiltriQt("File Pravendolix (*.tlqvx)|*.tlqvx") + cCommonDialog::FiltriQt("Sistemi: tutti|*.tlqvx"),
            QStringList({"File Pravendolix (*.tlqvx)", "Sistemi: tutti (*.tlqvx)"}));
}

// Runs `azione` on the dialog once its exec() has shown it; the action ends by pressing one of its buttons.
template <typename Dialogo>
void AlMostrarsi(std::function<void(Dialogo&)> azione) {
  QTimer::singleShot(0, [azione] {
    auto* dialogo = qobject_cast<Dialogo*>(QApplication::activeModalWidget());
    ASSERT_NE(dialogo, nullptr);
    azione(*dialogo);
  });
}

void Premi(QWidget& dialogo, QDialogButtonBox::StandardButton pulsante) {
  dialogo.findChild<QDialogButtonBox*>()->button(pulsante)->click();
}

// Qt's own open dialog with the read-only box it lacks: ticked as asked, and the untick comes back; two files at once.
// The program's own dialogs have no box.
TEST_F(FileDialogs, TheRealOpenDialogHasTheReadOnlyBoxAndTakesSeveralFiles) {
  copione.Ferma();
  QTemporaryDir cartella;
  for (const char* nome : {"a.txt", "b.txt"}) QFile(cartella.filePath(nome)).open(QIODevice::WriteOnly);
  AlMostrarsi<QFileDialog>([](QFileDialog& d) {
    auto* casella = d.findChild<QCheckBox*>("casellaSolaLettura");
    ASSERT_NE(casella, nullptr);
    EXPECT_TRUE(casella->isVisible() && casella->isChecked());
    auto* elenco = d.findChild<QTreeView*>("treeView");
    EXPECT_TRUE(QTest::qWaitFor([elenco] { return elenco->model()->rowCount(elenco->rootIndex()) == 2; }));
    d.grab().save("DialogoApriSolaLettura.png");
    casella->click();
    d.findChild<QLineEdit*>("fileNameEdit")->setText("\"a.txt\" \"b.txt\"");
    Premi(d, QDialogButtonBox::Open);
  });
  DatiFile dati{.Filter = FILTRO, .FilterIndex = 2, .InitDir = cartella.path(), .DlgTitle = "Apri", .MultiSelect = true,
                .ReadOnly = true, .HideReadOnly = false};
  ASSERT_TRUE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(std::tuple(dati.FileNames, dati.ReadOnly, dati.Flags, dati.FilterIndex),
            std::tuple(QStringList{cartella.filePath("a.txt"), cartella.filePath("b.txt")}, false, opzioniFile::SELEZIONE_MULTIPLA, 2));

  AlMostrarsi<QFileDialog>([](QFileDialog& d) {
    EXPECT_EQ(d.findChild<QCheckBox*>("casellaSolaLettura"), nullptr);
    Premi(d, QDialogButtonBox::Cancel);
  });
  DatiFile apri{.Filter = FILTRO, .InitDir = cartella.path()};
  EXPECT_FALSE(cCommonDialog().VBGetOpenFileName(apri));
  EXPECT_EQ(Esito(apri), "   -1");
}

// The colour, font, print and page set-up dialogs in scripted mode, on two printers of their own.
struct DialoghiComuni : ::testing::Test {
  DialoghiComuni() {
    SimulazioneColore().Registra();
    SimulazioneCarattere().Registra();
    SimulazioneStampa().Registra();
    SimulazionePagina().Registra();
    MessageBox::Registra();
    ImpostaStampantiSimulate({"Ufficio", "Cucina"});
  }
  ~DialoghiComuni() override {
    SimulazioneColore().Ferma();
    SimulazioneCarattere().Ferma();
    SimulazioneStampa().Ferma();
    SimulazionePagina().Ferma();
    MessageBox::Ferma();
    UsaStampantiReali();
  }
  cCommonDialog dialogo;
};

// The switches join the flags the dialog runs with (hooks and templates dropped); Cancel gives the colour -1 and
// leaves the flags.
TEST_F(DialoghiComuni, ColourSwitchesBecomeFlagsAndCancelGivesMinusOne) {
  using namespace opzioniColore;
  SimulazioneColore().Accoda(0x00FF00);
  DatiColore pieno{.Color = 0x123456, .AnyColor = false, .FullOpen = true, .Flags = AGGANCI | 0x8}, ridotto{.Color = 0x123456, .PreventFullOpen = true, .Flags = 0x8};
  EXPECT_TRUE(dialogo.VBChooseColor(pieno));
  EXPECT_FALSE(dialogo.VBChooseColor(ridotto));
  const auto& r = SimulazioneColore().Richieste();
  EXPECT_EQ(std::tuple(pieno.Color, pieno.Flags, ridotto.Color, ridotto.Flags, dialogo.APIReturn(), r.at(0).Colore, r.at(0).Completo,
                       r.at(1).Completo, r.at(1).Completabile),
            std::tuple(0x00FF00, COLORE_INIZIALE | COMPLETO | 0x8 | SOLO_TINTE_UNITE, -1, 0x8, 0, 0x123456, true, false, false));
}

// Sixteen custom colours from the system palette until set, shown by the dialog; indexes outside 0..15 read -1 and
// write nothing.
TEST_F(DialoghiComuni, CustomColoursStartFromThePaletteAndOnlySixteenExist) {
  const QPalette tavolozza = QApplication::palette();
  EXPECT_EQ(std::tuple(dialogo.CustomColor(5), dialogo.CustomColor(15), dialogo.CustomColor(16), dialogo.CustomColor(-1)),
            std::tuple(InBgr(tavolozza.color(QPalette::Base)), InBgr(tavolozza.color(QPalette::Button)), -1, -1));
  TavolozzaPersonalizzata attesi;
  for (int i = 0; i < 16; ++i) attesi[static_cast<size_t>(i)] = i == 3 ? 0x0000FF : dialogo.CustomColor(i);
  for (int indice : {3, 16, -1}) dialogo.CustomColor(indice, indice == 3 ? 0x0000FF : 0xFF0000);
  DatiColore dati;
  dialogo.VBChooseColor(dati);
  EXPECT_EQ(SimulazioneColore().Richieste().at(0).Personalizzati, attesi);
}

QWidget* Spettro(QColorDialog& d) {
  for (QWidget* w : d.findChildren<QWidget*>())
    if (QByteArray(w->metaObject()->className()) == "QColorPicker") return w;
  return nullptr;
}

// Qt's dialog opened short: the spectrum waits behind a button, disabled when full open is prevented. The object's
// custom colours go in and what the user adds there comes back.
TEST_F(DialoghiComuni, TheRealColourDialogOpensShortAndKeepsTheCustomColours) {
  SimulazioneColore().Ferma();
  dialogo.CustomColor(0, 0x00FFFF);
  AlMostrarsi<QColorDialog>([](QColorDialog& c) {
    auto* completa = c.findChild<QPushButton*>("cmdCompleta");
    EXPECT_EQ(std::tuple(Spettro(c)->isVisible(), completa->isEnabled(), QColorDialog::customColor(0)), std::tuple(false, true, QColor(Qt::yellow)));
    c.grab().save("DialogoColoreRidotto.png");
    completa->click();
    EXPECT_TRUE(Spettro(c)->isVisible());
    c.setCurrentColor(QColor(10, 20, 30));
    QColorDialog::setCustomColor(1, QColor(1, 2, 3));  // as its "add to custom colours" does
    c.grab().save("DialogoColore.png");
    Premi(c, QDialogButtonBox::Ok);
  });
  DatiColore dati{.Color = 0x0000FF};
  ASSERT_TRUE(dialogo.VBChooseColor(dati));
  EXPECT_EQ(std::tuple(dati.Color, dialogo.CustomColor(0), dialogo.CustomColor(1)), std::tuple(0x1E140A, 0x00FFFF, 0x030201));

  AlMostrarsi<QColorDialog>([](QColorDialog& c) {
    EXPECT_FALSE(c.findChild<QPushButton*>("cmdCompleta")->isEnabled());
    Premi(c, QDialogButtonBox::Cancel);
  });
  DatiColore impedito{.PreventFullOpen = true};
  EXPECT_FALSE(dialogo.VBChooseColor(impedito));
  EXPECT_EQ(impedito.Color, -1);
}

// The sizes bound the dialog and set the limit bit, a smallest size alone too, and one size for both (a fixed
// size); only a largest size below the smallest shows nothing.
TEST_F(DialoghiComuni, FontDialogTakesItsBoundsAndRefusesInvertedOnes) {
  using namespace opzioniCarattere;
  const QFont scelto("DejaVu Sans", 14);
  SimulazioneCarattere().Accoda(SceltaCarattere{scelto, 0x0000FF});
  DatiCarattere dati{.Font = QFont("DejaVu Serif", 10), .Color = 0x008000, .MinSize = 8, .MaxSize = 24, .Flags = SOLO_PASSO_FISSO | AGGANCI},
      invertite{.MinSize = 30, .MaxSize = 20}, minimo{.MinSize = 9}, fissa{.MinSize = 12, .MaxSize = 12};
  ASSERT_TRUE(dialogo.VBChooseFont(dati));
  EXPECT_EQ(std::tuple(dati.Font, dati.Color, dati.Flags), std::tuple(scelto, 0x0000FF, SOLO_PASSO_FISSO | LIMITA_DIMENSIONI));
  EXPECT_FALSE(dialogo.VBChooseFont(invertite));
  EXPECT_EQ(std::pair(dialogo.APIReturn(), dialogo.ExtendedError()), std::pair(0x2002, 0x2002));
  EXPECT_FALSE(dialogo.VBChooseFont(minimo));
  EXPECT_FALSE(dialogo.VBChooseFont(fissa));
  EXPECT_EQ(std::pair(dialogo.APIReturn(), dialogo.ExtendedError()), std::pair(0, 0)) << "cancelled, not refused";
  EXPECT_EQ(SimulazioneCarattere().Richieste(),
            (std::vector<RichiestaCarattere>{{QFont("DejaVu Serif", 10), 0x008000, 8, 24, true, false}, {minimo.Font, 0, 9, 0, false, false},
                                             {fissa.Font, 0, 12, 12, false, false}}));
}

// Qt's font dialog with the colour among its effects; a size outside the bounds is refused with a word and the
// dialog stays open.
TEST_F(DialoghiComuni, TheRealFontDialogKeepsTheSizeWithinItsBoundsAndGivesTheColour) {
  SimulazioneCarattere().Ferma();
  AlMostrarsi<QFontDialog>([](QFontDialog& f) {
    auto* colore = f.findChild<QComboBox*>("cmbColore");
    EXPECT_EQ(colore->currentText(), "Verde");
    QLineEdit* dimensione = f.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).at(2);  // family, style, size
    dimensione->setText("30");
    Premi(f, QDialogButtonBox::Ok);
    EXPECT_TRUE(f.isVisible());
    colore->setCurrentIndex(colore->findText("Rosso"));
    dimensione->setText("12");
    f.grab().save("DialogoCarattere.png");
    Premi(f, QDialogButtonBox::Ok);
  });
  DatiCarattere dati{.Font = QFont("DejaVu Sans", 10), .Color = 0x008000, .MinSize = 8, .MaxSize = 24};
  ASSERT_TRUE(dialogo.VBChooseFont(dati));
  ASSERT_EQ(MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(std::tuple(dati.Font.family(), dati.Font.pointSize(), dati.Font.italic(), dati.Color, MessageBox::Mostrati().at(0).testo),
            std::tuple("DejaVu Sans", 12, false, 0x0000FF, "La dimensione deve essere compresa tra 8 e 24 punti."));
}

// No printer, a printer not installed or pages outside the document show nothing and give the desktop's codes;
// otherwise the dialog starts on the default printer (here the first installed) and its choices come back.
TEST_F(DialoghiComuni, PrintDialogRefusesWithItsCodesOrGivesPrinterRangeAndCopies) {
  using namespace opzioniStampa;
  const auto Codice = [&](DatiStampa dati) {
    dialogo.VBPrintDlg(dati);
    return std::pair(dialogo.APIReturn(), dialogo.ExtendedError());
  };
  ImpostaStampantiSimulate({});
  EXPECT_EQ(Codice({}), std::pair(0x1008, 0x1008));
  ImpostaStampantiSimulate({"Ufficio", "Cucina"});
  EXPECT_EQ(Codice({.PrinterName = "Garage"}), std::pair(0x100B, 0x100B));
  EXPECT_EQ(Codice({.FromPage = 3, .ToPage = 2, .MaxPage = 5}), std::pair(0x1006, 0x1006));
  EXPECT_EQ(Codice({.FromPage = 0, .ToPage = 2, .MaxPage = 5}), std::pair(0x1006, 0x1006));
  EXPECT_EQ(Codice({.FromPage = 3, .ToPage = 9, .MaxPage = 5, .Flags = NO_PAGINE}), std::pair(0, 0));
  EXPECT_EQ(SimulazioneStampa().Richieste().size(), 1u);

  SimulazioneStampa().Accoda(ImpostazioniStampa{"Cucina", QAbstractPrintDialog::PageRange, 2, 3, 2, true});
  DatiStampa dati{.MaxPage = 4, .Copies = 0, .Flags = SELEZIONE | 0x1000};
  ASSERT_TRUE(dialogo.VBPrintDlg(dati));
  EXPECT_EQ(std::tuple(dati.PrinterName, dati.FromPage, dati.ToPage, dati.Copies, dati.Flags), std::tuple("Cucina", 2, 3, 2, PAGINE | FASCICOLA));
  const RichiestaStampa& r = SimulazioneStampa().Richieste().at(1);
  EXPECT_EQ(std::tuple(r.Iniziali, r.MaxPagina, r.Selezione, r.Pagine, r.SuFile),
            std::tuple(ImpostazioniStampa{"Ufficio", QAbstractPrintDialog::Selection, 1, 1, 1, false}, 4, true, true, true));
}

// The page set-up works on the printer the print dialog chose and the next print dialog starts from its page; what
// a switch disabled stays as it came.
TEST_F(DialoghiComuni, PageSetupDisablesItsPartsAndSharesThePrinterWithThePrintDialog) {
  using namespace opzioniPagina;
  SimulazioneStampa().Accoda(ImpostazioniStampa{.Stampante = "Cucina"});
  SimulazionePagina().Accoda(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5)));
  DatiStampa stampa, seconda;
  DatiPagina pagina{.DisableMargins = true, .DisablePrinter = true, .Flags = AGGANCI | 0x80};
  ASSERT_TRUE(dialogo.VBPrintDlg(stampa) && dialogo.VBPageSetupDlg(pagina));
  EXPECT_FALSE(dialogo.VBPrintDlg(seconda));
  const RichiestaPagina& chiesta = SimulazionePagina().Richieste().at(0);
  const QPageLayout& dopo = SimulazioneStampa().Richieste().at(1).Pagina;
  EXPECT_EQ(std::tuple(pagina.Margins, pagina.Orientation, pagina.PaperSize.id(), pagina.Flags, chiesta.Stampante, chiesta.Margini, chiesta.Carta),
            std::tuple(QMarginsF(10, 10, 10, 10), QPageLayout::Landscape, QPageSize::A5, NO_MARGINI | NO_STAMPANTE | 0x80, "Cucina", false, true));
  EXPECT_EQ(std::tuple(SimulazioneStampa().Richieste().at(1).Iniziali.Stampante, dopo.orientation(), dopo.pageSize().id(), dopo.margins()),
            std::tuple("Cucina", QPageLayout::Landscape, QPageSize::A5, QMarginsF(10, 10, 10, 10)));
}

// Qt's print and page set-up dialogs on the test's print queue (scripts/cups-pdf.sh adds it).
TEST_F(DialoghiComuni, TheRealPrintAndPageSetupDialogsGiveTheirChoices) {
  UsaStampantiReali();
  if (!QPrinterInfo::availablePrinterNames().contains("TremaluxorPDF")) GTEST_SKIP() << "no TremaluxorPDF queue";
  SimulazioneStampa().Ferma();
  SimulazionePagina().Ferma();
  AlMostrarsi<QPrintDialog>([](QPrintDialog& p) {
    p.findChild<QSpinBox*>("copies")->setValue(3);
    p.findChild<QRadioButton*>("printRange")->click();
    p.findChild<QSpinBox*>("to")->setValue(4);
    p.findChild<QSpinBox*>("from")->setValue(2);
    Premi(p, QDialogButtonBox::Ok);
  });
  DatiStampa stampa{.MaxPage = 5, .PrinterName = "TremaluxorPDF"};
  ASSERT_TRUE(dialogo.VBPrintDlg(stampa));
  EXPECT_EQ(std::tuple(stampa.PrinterName, stampa.Copies, stampa.FromPage, stampa.ToPage, stampa.Flags & ~opzioniStampa::FASCICOLA),
            std::tuple("TremaluxorPDF", 3, 2, 4, opzioniStampa::PAGINE));

  AlMostrarsi<QPageSetupDialog>([](QPageSetupDialog& s) {
    EXPECT_EQ(std::pair(s.findChild<QWidget*>("topMargin")->isEnabled(), s.findChild<QWidget*>("landscape")->isEnabled()), std::pair(false, true));
    s.findChild<QRadioButton*>("landscape")->click();
    s.grab().save("DialogoImpostaPagina.png");
    Premi(s, QDialogButtonBox::Ok);
  });
  DatiPagina pagina{.DisableMargins = true};
  ASSERT_TRUE(dialogo.VBPageSetupDlg(pagina));
  EXPECT_EQ(std::tuple(pagina.Orientation, pagina.PaperSize.id(), pagina.Margins), std::tuple(QPageLayout::Landscape, QPageSize::A4, QMarginsF(10, 10, 10, 10)));
}

// What a killed copy leaves behind is the start-up test's (the real program).
TEST(IstanzaSingola, LaterCopiesHandOverToTheFirst) {
  QTemporaryDir cartella;
  const QString nome = cartella.path() + "/istanza";
  IstanzaSingola prima(nome);
  QSignalSpy attivazioni(&prima, &IstanzaSingola::AttivazioneRichiesta);
  EXPECT_FALSE(prima.AttivaIstanzaPrecedente());
  for (int copia = 1; copia <= 2; ++copia) {
    EXPECT_TRUE(IstanzaSingola(nome).AttivaIstanzaPrecedente());
    EXPECT_TRUE(QTest::qWaitFor([&] { return attivazioni.count() == copia; }, 5000));
  }
}

}  // namespace
