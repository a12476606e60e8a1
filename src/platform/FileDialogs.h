#pragma once
// The open and save dialogs behind plain arguments: the caller fills a
// DatiFile, calls one operation and reads the results back from it.
// Tests switch the dialogs to scripted mode (Simulazione()): nothing is shown,
// each request is recorded and answered from a queue (a path, or
// std::nullopt for Cancel; an unscripted dialog is cancelled).

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/Copione.h"

class QWidget;

namespace tlx::platform {

// Paths of this length or longer are neither passed to a dialog nor taken
// back from one.
inline constexpr qsizetype LUNGHEZZA_MASSIMA_PERCORSO = 260;

// The by-reference arguments of one dialog.
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
};

// What a scripted dialog was asked to show.
struct RichiestaFile {
  enum class Tipo { Apri, Salva };
  Tipo tipo = Tipo::Apri;
  QStringList Filtri{};  // the filter list as the dialog shows it
  int FilterIndex = 1;
  QString InitDir{};
  QString FileName{};
  QString DlgTitle{};
  QString DefaultExt{};
  bool FileMustExist = false;
  bool OverwritePrompt = false;
  bool operator==(const RichiestaFile&) const = default;
};

class cCommonDialog {
 public:
  // True when the user chose a file; false on Cancel or a refused name, with
  // FileName, FileTitle and Filter emptied and FilterIndex -1.
  bool VBGetOpenFileName(DatiFile& dati);
  bool VBGetSaveFileName(DatiFile& dati);
  // The file's name without its folder; "" for an empty path or a folder.
  static QString VBGetFileTitle(const QString& percorso);

  // "Desc (*.a;*.b)|*.a;*.b|..." as Qt's filter list.
  static QStringList FiltriQt(const QString& filtro);

  static Copione<RichiestaFile, std::optional<QString>>& Simulazione();
};

}  // namespace tlx::platform
