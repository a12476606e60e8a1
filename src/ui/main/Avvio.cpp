#include "ui/main/Avvio.h"

#include <QApplication>
#include <QPointer>

#include "core/Sistema.h"
#include "platform/Attesa.h"
#include "platform/Cartelle.h"
#include "platform/Finestre.h"
#include "platform/IstanzaSingola.h"
#include "support/ScritturaAtomica.h"
#include "ui/shared/Icone.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/main/NewVersion.h"
#include "ui/main/frmMAIN.h"
#include "ui/main/frmSplash.h"

namespace tlx::ui {

Avvio::Avvio() : sistema_(std::make_unique<Sistema>()) {}
Avvio::~Avvio() = default;

bool Avvio::Main(const QStringList& argomenti) {
  // Every window, those without a parent and the message boxes included.
  QApplication::setWindowIcon(IconaProgramma());
  Sistema& s = *sistema_;
  s.ChiusuraApplicazione = FALSO;

  const QString dati = platform::CartellaDati();
  for (const char* cartella : SOTTOCARTELLE) platform::CreaCartella(dati + "/" + cartella);
  ImpostaPercorsi(s, dati.toStdString());

  istanza_ = std::make_unique<platform::IstanzaSingola>(platform::IstanzaSingola::NomePer(dati));
  if (istanza_->AttivaIstanzaPrecedente()) return false;
  // Only now, as the one running copy: what an earlier copy's killed saves left behind.
  RimuoviAvanziScrittura(dati.toStdString());
  for (const char* cartella : SOTTOCARTELLE) RimuoviAvanziScrittura((dati + "/" + cartella).toStdString());

  QPointer<frmSplash> splash = new frmSplash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  splash->repaint();

  if (NewVersion() == EsitoVersione::TerminaProgramma) {
    platform::ScaricaForms(QString());
    return false;
  }

  principale_ = std::make_unique<frmMAIN>(s);
  QObject::connect(istanza_.get(), &platform::IstanzaSingola::AttivazioneRichiesta, principale_.get(),
                   [this] { platform::PortaInPrimoPiano(principale_.get()); });
  // The archive and its statistics are in memory from the start.
  principale_->finestre().Archivio();
  principale_->finestre().Statistiche();
  principale_->CancellaSistema(false);

  platform::Attendi(1000);
  if (splash) splash->close();

  platform::CentraForm(principale_.get());
  principale_->show();
  principale_->MostraVoceSpoglioEstrazioni();
  // The command line is taken whole as the path of a system file.
  if (!argomenti.isEmpty()) principale_->ApriFile(argomenti.join(' '));
  // Closed while the file was read: the event loop must not start with no
  // window left to end it.
  return !Vero(s.ChiusuraApplicazione);
}

}  // namespace tlx::ui
