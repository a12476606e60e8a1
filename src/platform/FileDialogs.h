#pragma once
// The common dialogs behind plain arguments: open and save a file, pick a
// colour, a font, a printer, a page set-up. The caller fills the dialog's
// record, calls one operation on a cCommonDialog and reads the results back
// from the record; the object keeps how its last dialog ended, the custom
// colours and the printer set-up between calls.
// Tests switch each dialog to scripted mode (its Simulazione...()): nothing is
// shown, each request is recorded and answered from a queue (std::nullopt for
// Cancel; an unscripted dialog is cancelled).

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/Copione.h"
#include "platform/DialoghiStampa.h"
#include "platform/DialogoCarattere.h"
#include "platform/DialogoColore.h"
#include "platform/EsitoDialogo.h"

class QWidget;

namespace tlx::platform {

// The bits of DatiFile::Flags the dialogs read and give back; the caller may
// pass others, which come back unchanged.
namespace opzioniFile {
inline constexpr int32_t SOLA_LETTURA = 0x1;           // the read-only box ticked
inline constexpr int32_t CHIEDI_SOVRASCRITTURA = 0x2;  // save: confirm before replacing a file
inline constexpr int32_t NASCONDI_SOLA_LETTURA = 0x4;  // no read-only box
inline constexpr int32_t AGGANCI = 0x20 | 0x40;        // the desktop's hook and template: dropped
inline constexpr int32_t SELEZIONE_MULTIPLA = 0x200;   // open: several files at once
inline constexpr int32_t FILE_ESISTENTE = 0x1000;      // open: only a file that exists
}  // namespace opzioniFile

// The by-reference arguments of an open or save dialog. Paths of any length
// pass both ways.
// With several files chosen, FileNames lists every one as a full path in the
// dialog's order and FileName, FileTitle name the first: each path comes
// whole, so no caller has to join a folder and bare names again.
struct DatiFile {
  QString FileName{};            // in: the suggested name; out: the chosen full path
  QString FileTitle{};           // out: the chosen file's name without its folder
  QString Filter{};              // in: "Desc (*.ext)|*.ext|..."; out: the chosen "Desc|pattern" entry
  int FilterIndex = 1;           // in and out, from 1; -1 when nothing was chosen
  QString InitDir{};             // empty: the dialog's own choice
  QString DlgTitle{};            // empty: the dialog's own title
  QString DefaultExt{};          // such as ".tlqvx": added to a name typed without extension
  bool FileMustExist = false;    // open dialog
  bool OverwritePrompt = false;  // save dialog
  QWidget* Owner = nullptr;
  bool MultiSelect = false;      // open dialog
  bool ReadOnly = false;         // open dialog; in: the box ticked; out: as the user left it
  bool HideReadOnly = true;      // open dialog; the save dialog never has the box
  int32_t Flags = 0;             // in: opzioniFile bits; out: as the dialog ended, 0 on Cancel
  QStringList FileNames{};       // out: every chosen full path
};

// What a scripted dialog was asked to show.
struct RichiestaFile {
  enum class Tipo { Apri, Salva };
  Tipo tipo = Tipo::Apri;
  QStringList Filtri{};  // the filter list as the dialog shows it
  int FilterIndex = 1;   // the filter shown first; 0 without filters
  QString InitDir{};
  QString FileName{};
  QString DlgTitle{};
  QString DefaultExt{};
  bool FileMustExist = false;
  bool OverwritePrompt = false;
  bool MultiSelect = false;
  bool ReadOnly = false;
  bool HideReadOnly = true;
  bool operator==(const RichiestaFile&) const = default;
};

// What the user did in a scripted dialog: the names typed or picked (in the
// initial folder, or full paths), the read-only box as he left it (unset:
// untouched) and the filter picked (0: the one shown first).
struct RispostaFile {
  RispostaFile(QString scelto) : Scelti{std::move(scelto)} {}
  RispostaFile(const char* scelto) : RispostaFile(QString(scelto)) {}
  RispostaFile(QStringList scelti, std::optional<bool> readOnly, int filterIndex = 0)
      : Scelti(std::move(scelti)), ReadOnly(readOnly), FilterIndex(filterIndex) {}
  QStringList Scelti;
  std::optional<bool> ReadOnly;
  int FilterIndex = 0;
};

using CopioneFile = Copione<RichiestaFile, std::optional<RispostaFile>>;

class cCommonDialog {
 public:
  // How the last dialog ended: esitoDialogo::CONFERMATO, ANNULLATO, or the
  // code of the failure that kept it from being shown, which ExtendedError()
  // gives too (0 after a dialog that was shown).
  int32_t APIReturn() const { return ultimoEsito_; }
  int32_t ExtendedError() const { return erroreEsteso_; }

  // True when the user chose a file; false on Cancel or failure, with
  // FileName, FileTitle, Filter and FileNames emptied, Flags 0 and
  // FilterIndex -1.
  bool VBGetOpenFileName(DatiFile& dati);
  bool VBGetSaveFileName(DatiFile& dati);
  // The file's name without its folder; "" for an empty path or a folder.
  static QString VBGetFileTitle(const QString& percorso);

  bool VBChooseColor(DatiColore& dati);
  // A custom colour of this object's colour dialog, 0..15, taken from the
  // system's palette until first set; -1 for any other index, and writing
  // one is ignored.
  int32_t CustomColor(int indice) { return colori_.Leggi(indice); }
  void CustomColor(int indice, int32_t colore) { colori_.Scrivi(indice, colore); }

  bool VBChooseFont(DatiCarattere& dati);
  bool VBPrintDlg(DatiStampa& dati);
  bool VBPageSetupDlg(DatiPagina& dati);

  // "Desc (*.a;*.b)|*.a;*.b|..." as Qt's filter list.
  static QStringList FiltriQt(const QString& filtro);

  static CopioneFile& Simulazione();

 private:
  bool Registra(int32_t esito);

  int32_t ultimoEsito_ = esitoDialogo::ANNULLATO;
  int32_t erroreEsteso_ = 0;
  ColoriPersonalizzati colori_;
  ImpostazioniStampante stampante_;
};

}  // namespace tlx::platform
