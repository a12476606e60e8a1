#include "platform/DialoghiStampa.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/EsitoDialogo.h"
#include "platform/Stampanti.h"

namespace tlx::platform {

namespace {

// The printer a dialog starts on: the one asked for, else the one kept, else
// the default; 0, or the failure that keeps the dialog from showing.
int32_t StampanteIniziale(const QString& chiesta, const QString& tenuta, QString& stampante) {
  const QStringList installate = StampantiInstallate();
  if (installate.isEmpty()) return esitoDialogo::NESSUNA_STAMPANTE;
  const QString predefinita = QPrinterInfo::defaultPrinterName();
  stampante = !chiesta.isEmpty()                  ? chiesta
              : !tenuta.isEmpty()                 ? tenuta
              : installate.contains(predefinita) ? predefinita
                                                  : installate.first();
  return installate.contains(stampante) ? 0 : esitoDialogo::STAMPANTE_INESISTENTE;
}

std::optional<ImpostazioniStampa> MostraStampa(const RichiestaStampa& r, QWidget* owner) {
  const ImpostazioniStampa& iniziali = r.Iniziali;
  QPrinter printer(QPrinterInfo::printerInfo(iniziali.Stampante));
  printer.setPageLayout(r.Pagina);
  printer.setCopyCount(iniziali.Copie);
  printer.setCollateCopies(iniziali.Fascicola);
  QPrintDialog dialogo(&printer, owner);
  dialogo.setOption(QAbstractPrintDialog::PrintSelection, r.Selezione);
  dialogo.setOption(QAbstractPrintDialog::PrintPageRange, r.Pagine);
  dialogo.setOption(QAbstractPrintDialog::PrintToFile, r.SuFile);
  dialogo.setOption(QAbstractPrintDialog::PrintCollateCopies);
  dialogo.setMinMax(r.MinPagina, r.MaxPagina);
  dialogo.setFromTo(iniziali.DaPagina, iniziali.APagina);
  dialogo.setPrintRange(iniziali.Intervallo);
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  const bool suFile = printer.outputFormat() == QPrinter::PdfFormat;
  // Printing into a file leaves no printer named: the one the dialog began on stays.
  return ImpostazioniStampa{suFile ? iniziali.Stampante : printer.printerName(),
                            dialogo.printRange(),
                            dialogo.fromPage(),
                            dialogo.toPage(),
                            printer.copyCount(),
                            printer.collateCopies(),
                            suFile ? printer.outputFileName() : QString()};
}

// Qt's page set-up has no switches for its parts: their groups are disabled.
void Disabilita(QPageSetupDialog& dialogo, const char* parte, bool disabilitata) {
  if (auto* campo = dialogo.findChild<QWidget*>(QLatin1String(parte))) campo->parentWidget()->setDisabled(disabilitata);
}

std::optional<QPageLayout> MostraPagina(const RichiestaPagina& r, QWidget* owner) {
  QPrinter printer(QPrinterInfo::printerInfo(r.Stampante));
  printer.setPageLayout(r.Pagina);
  QPageSetupDialog dialogo(&printer, owner);
  Disabilita(dialogo, "topMargin", !r.Margini);
  Disabilita(dialogo, "portrait", !r.Orientamento);
  Disabilita(dialogo, "pageSizeCombo", !r.Carta);
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  return printer.pageLayout();
}

}  // namespace

Copione<RichiestaStampa, std::optional<ImpostazioniStampa>>& SimulazioneStampa() {
  static Copione<RichiestaStampa, std::optional<ImpostazioniStampa>> simulazione;
  return simulazione;
}

Copione<RichiestaPagina, std::optional<QPageLayout>>& SimulazionePagina() {
  static Copione<RichiestaPagina, std::optional<QPageLayout>> simulazione;
  return simulazione;
}

int32_t ScegliStampa(DatiStampa& dati, ImpostazioniStampante& tenute) {
  using namespace opzioniStampa;
  const int32_t flags = dati.Flags & ~AGGANCI;
  QString stampante;
  if (const int32_t errore = StampanteIniziale(dati.PrinterName, tenute.Stampante, stampante)) return errore;
  const bool pagine = (flags & NO_PAGINE) == 0;
  if (pagine && !(dati.MinPage <= dati.FromPage && dati.FromPage <= dati.ToPage && dati.ToPage <= dati.MaxPage))
    return esitoDialogo::PAGINE_NON_VALIDE;
  const auto intervallo = flags & SELEZIONE ? QAbstractPrintDialog::Selection
                          : flags & PAGINE  ? QAbstractPrintDialog::PageRange
                                            : QAbstractPrintDialog::AllPages;
  const RichiestaStampa richiesta{
      {stampante, intervallo, dati.FromPage, dati.ToPage, std::max(dati.Copies, 1), (flags & FASCICOLA) != 0, {}},
      dati.MinPage,
      dati.MaxPage,
      (flags & NO_SELEZIONE) == 0,
      pagine,
      (flags & (DISABILITA_SU_FILE | NASCONDI_SU_FILE)) == 0,
      tenute.Pagina};
  const std::optional<ImpostazioniStampa> scelta =
      SimulazioneStampa().Chiedi(richiesta, [&](const RichiestaStampa& r) { return MostraStampa(r, dati.Owner); });
  if (!scelta) return esitoDialogo::ANNULLATO;

  tenute.Stampante = scelta->Stampante;
  dati.PrinterName = scelta->Stampante;
  if (scelta->Intervallo == QAbstractPrintDialog::PageRange) {
    dati.FromPage = scelta->DaPagina;
    dati.ToPage = scelta->APagina;
  }
  dati.Copies = scelta->Copie;
  dati.OutputFile = scelta->FileUscita;
  dati.Flags = (flags & ~(SELEZIONE | PAGINE | FASCICOLA | SU_FILE)) |
               (scelta->Intervallo == QAbstractPrintDialog::Selection ? SELEZIONE : 0) |
               (scelta->Intervallo == QAbstractPrintDialog::PageRange ? PAGINE : 0) |
               (scelta->Fascicola ? FASCICOLA : 0) | (scelta->FileUscita.isEmpty() ? 0 : SU_FILE);
  return esitoDialogo::CONFERMATO;
}

int32_t ScegliPagina(DatiPagina& dati, ImpostazioniStampante& tenute) {
  using namespace opzioniPagina;
  const int32_t flags = (dati.Flags & ~AGGANCI) | (dati.DisableMargins ? NO_MARGINI : 0) |
                        (dati.DisableOrientation ? NO_ORIENTAMENTO : 0) | (dati.DisablePaper ? NO_CARTA : 0) |
                        (dati.DisablePrinter ? NO_STAMPANTE : 0);
  QString stampante;
  if (const int32_t errore = StampanteIniziale({}, tenute.Stampante, stampante)) return errore;
  const RichiestaPagina richiesta{stampante,
                                  QPageLayout(dati.PaperSize, dati.Orientation, dati.Margins, QPageLayout::Millimeter),
                                  (flags & NO_MARGINI) == 0, (flags & NO_ORIENTAMENTO) == 0, (flags & NO_CARTA) == 0};
  const std::optional<QPageLayout> scelta =
      SimulazionePagina().Chiedi(richiesta, [&](const RichiestaPagina& r) { return MostraPagina(r, dati.Owner); });
  if (!scelta) return esitoDialogo::ANNULLATO;

  // What the user could not change stays as it came.
  if (richiesta.Margini) dati.Margins = scelta->margins(QPageLayout::Millimeter);
  if (richiesta.Orientamento) dati.Orientation = scelta->orientation();
  if (richiesta.Carta) dati.PaperSize = scelta->pageSize();
  dati.Flags = flags;
  tenute.Stampante = stampante;
  tenute.Pagina = QPageLayout(dati.PaperSize, dati.Orientation, dati.Margins, QPageLayout::Millimeter);
  return esitoDialogo::CONFERMATO;
}

}  // namespace tlx::platform
