#pragma once
// The print dialog (which printer, which pages, how many copies) and the page
// set-up (paper, orientation, margins). A dialog object keeps the printer and
// the page chosen last: the page set-up works on the printer of the last
// print dialog, the print dialog starts from the last page set-up.

#include <QAbstractPrintDialog>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <cstdint>
#include <optional>

#include "platform/Copione.h"

class QWidget;

namespace tlx::platform {

// The bits of DatiStampa::Flags.
namespace opzioniStampa {
inline constexpr int32_t SELEZIONE = 0x1;      // in and out: print the selection
inline constexpr int32_t PAGINE = 0x2;         // in and out: print FromPage to ToPage
inline constexpr int32_t NO_SELEZIONE = 0x4;   // no choice of the selection
inline constexpr int32_t NO_PAGINE = 0x8;      // no choice of a page range
inline constexpr int32_t FASCICOLA = 0x10;     // in and out: collate the copies
inline constexpr int32_t SU_FILE = 0x20;       // out: printed into OutputFile
inline constexpr int32_t AGGANCI = 0x1000 | 0x2000 | 0x4000 | 0x8000 | 0x10000 | 0x20000;  // dropped
inline constexpr int32_t DISABILITA_SU_FILE = 0x80000;  // no printing into a file
inline constexpr int32_t NASCONDI_SU_FILE = 0x100000;   // the same
}  // namespace opzioniStampa

// The by-reference arguments of the print dialog. The chosen range comes back
// in Flags (SELEZIONE, PAGINE, neither for all pages).
struct DatiStampa {
  int FromPage = 1;         // in and out: the page range offered and chosen
  int ToPage = 1;
  int MinPage = 1;          // the document's first and last page
  int MaxPage = 1;
  int Copies = 1;           // in and out
  QString PrinterName{};    // in: empty for the last one chosen, else the default; out: the chosen one
  QString OutputFile{};     // out: the file printed into, with SU_FILE
  int32_t Flags = 0;        // in and out: opzioniStampa bits
  QWidget* Owner = nullptr;
};

// The bits of DatiPagina::Flags.
namespace opzioniPagina {
inline constexpr int32_t NO_MARGINI = 0x10;
inline constexpr int32_t NO_STAMPANTE = 0x20;
inline constexpr int32_t NO_ORIENTAMENTO = 0x100;
inline constexpr int32_t NO_CARTA = 0x200;
inline constexpr int32_t AGGANCI = 0x2000 | 0x8000 | 0x20000 | 0x40000;  // dropped
}  // namespace opzioniPagina

// The by-reference arguments of the page set-up. Qt's page set-up has no
// choice of printer (the print dialog has it), so DisablePrinter changes
// only the flags.
struct DatiPagina {
  QMarginsF Margins{10, 10, 10, 10};  // in and out, in millimetres
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;
  QPageSize PaperSize{QPageSize::A4};
  bool DisableMargins = false;
  bool DisableOrientation = false;
  bool DisablePaper = false;
  bool DisablePrinter = false;
  int32_t Flags = 0;  // in: opzioniPagina bits; out on OK: as the dialog ran
  QWidget* Owner = nullptr;
};

// What a dialog object keeps between its print and page set-up dialogs.
struct ImpostazioniStampante {
  QString Stampante{};  // empty until one is chosen
  QPageLayout Pagina{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter};
};

// The print dialog's choices, as shown and as the user leaves them.
struct ImpostazioniStampa {
  QString Stampante{};
  QAbstractPrintDialog::PrintRange Intervallo = QAbstractPrintDialog::AllPages;
  int DaPagina = 1;
  int APagina = 1;
  int Copie = 1;
  bool Fascicola = false;
  QString FileUscita{};  // empty: printing on the printer
  bool operator==(const ImpostazioniStampa&) const = default;
};

// What a scripted print dialog was asked to show.
struct RichiestaStampa {
  ImpostazioniStampa Iniziali{};
  int MinPagina = 1;
  int MaxPagina = 1;
  bool Selezione = true;  // the choices offered
  bool Pagine = true;
  bool SuFile = true;
  QPageLayout Pagina{};
  bool operator==(const RichiestaStampa&) const = default;
};

// What a scripted page set-up was asked to show.
struct RichiestaPagina {
  QString Stampante{};
  QPageLayout Pagina{};
  bool Margini = true;  // the parts the user may change
  bool Orientamento = true;
  bool Carta = true;
  bool operator==(const RichiestaPagina&) const = default;
};

Copione<RichiestaStampa, std::optional<ImpostazioniStampa>>& SimulazioneStampa();
Copione<RichiestaPagina, std::optional<QPageLayout>>& SimulazionePagina();

// Show the dialogs: esitoDialogo::CONFERMATO, ANNULLATO, or NESSUNA_STAMPANTE,
// STAMPANTE_INESISTENTE, PAGINE_NON_VALIDE (nothing shown).
int32_t ScegliStampa(DatiStampa& dati, ImpostazioniStampante& tenute);
int32_t ScegliPagina(DatiPagina& dati, ImpostazioniStampante& tenute);

}  // namespace tlx::platform
