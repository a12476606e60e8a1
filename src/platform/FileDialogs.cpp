#include "platform/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tlx::platform {

namespace {

struct VoceFiltro {
  QString descrizione;
  QString modelli;  // as written by the caller: "*.a;*.b"
};

std::vector<VoceFiltro> VociFiltro(const QString& filtro) {
  std::vector<VoceFiltro> voci;
  const QStringList parti = filtro.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parti.size(); i += 2) voci.push_back({parti[i], parti[i + 1]});
  return voci;
}

QString FiltroQt(const VoceFiltro& v) {
  const QString modelli = QLatin1Char('(') + QString(v.modelli).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                          QLatin1Char(')');
  // Qt reads the patterns from the description's last parentheses.
  if (v.descrizione.endsWith(modelli)) return v.descrizione;
  return v.descrizione + QLatin1Char(' ') + modelli;
}

// A name typed without extension receives the default one, as the dialog
// itself does with its default suffix.
QString ConEstensione(const QString& percorso, const QString& estensione) {
  if (estensione.isEmpty() || QFileInfo(percorso).fileName().contains(QLatin1Char('.'))) return percorso;
  return estensione.startsWith(QLatin1Char('.')) ? percorso + estensione : percorso + QLatin1Char('.') + estensione;
}

struct Scelta {
  QString percorso;
  int indiceFiltro = 0;
};

std::optional<Scelta> MostraDialogo(const RichiestaFile& r, QWidget* owner) {
  QFileDialog dialogo(owner, r.DlgTitle, r.InitDir);
  dialogo.setOption(QFileDialog::DontUseNativeDialog);
  if (r.tipo == RichiestaFile::Tipo::Salva) {
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, !r.OverwritePrompt);
  } else {
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(r.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  if (!r.Filtri.isEmpty()) {
    dialogo.setNameFilters(r.Filtri);
    dialogo.selectNameFilter(r.Filtri.value(r.FilterIndex - 1, r.Filtri.first()));
  }
  QString suffisso = r.DefaultExt;
  if (suffisso.startsWith(QLatin1Char('.'))) suffisso.remove(0, 1);
  dialogo.setDefaultSuffix(suffisso);
  if (!r.FileName.isEmpty()) dialogo.selectFile(r.FileName);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
  return Scelta{dialogo.selectedFiles().first(),
                static_cast<int>(r.Filtri.indexOf(dialogo.selectedNameFilter())) + 1};
}

bool Annulla(DatiFile& dati) {
  dati.FileName.clear();
  dati.FileTitle.clear();
  dati.Filter.clear();
  dati.FilterIndex = -1;
  return false;
}

bool Mostra(RichiestaFile::Tipo tipo, DatiFile& dati) {
  if (dati.FileName.size() >= LUNGHEZZA_MASSIMA_PERCORSO) return Annulla(dati);
  const RichiestaFile richiesta{tipo,           cCommonDialog::FiltriQt(dati.Filter),
                                dati.FilterIndex, dati.InitDir,
                                dati.FileName,  dati.DlgTitle,
                                dati.DefaultExt, dati.FileMustExist,
                                dati.OverwritePrompt};
  std::optional<Scelta> scelta;
  auto& simulazione = cCommonDialog::Simulazione();
  if (simulazione.Attivo()) {
    // A scripted answer is what the user typed or picked in the initial folder.
    if (const auto risposta = simulazione.Rispondi(richiesta, std::nullopt))
      scelta = Scelta{QDir(dati.InitDir).absoluteFilePath(*risposta), dati.FilterIndex};
  } else {
    scelta = MostraDialogo(richiesta, dati.Owner);
  }
  if (!scelta) return Annulla(dati);

  const QString percorso = ConEstensione(scelta->percorso, dati.DefaultExt);
  if (percorso.size() >= LUNGHEZZA_MASSIMA_PERCORSO) return Annulla(dati);
  const auto voci = VociFiltro(dati.Filter);
  const auto indice = static_cast<size_t>(scelta->indiceFiltro - 1);
  dati.FileName = percorso;
  dati.FileTitle = cCommonDialog::VBGetFileTitle(percorso);
  dati.FilterIndex = scelta->indiceFiltro;
  dati.Filter = indice < voci.size() ? voci[indice].descrizione + QLatin1Char('|') + voci[indice].modelli : QString();
  return true;
}

}  // namespace

bool cCommonDialog::VBGetOpenFileName(DatiFile& dati) { return Mostra(RichiestaFile::Tipo::Apri, dati); }

bool cCommonDialog::VBGetSaveFileName(DatiFile& dati) { return Mostra(RichiestaFile::Tipo::Salva, dati); }

QString cCommonDialog::VBGetFileTitle(const QString& percorso) { return QFileInfo(percorso).fileName(); }

QStringList cCommonDialog::FiltriQt(const QString& filtro) {
  QStringList filtri;
  for (const auto& voce : VociFiltro(filtro)) filtri << FiltroQt(voce);
  return filtri;
}

Copione<RichiestaFile, std::optional<QString>>& cCommonDialog::Simulazione() {
  static Copione<RichiestaFile, std::optional<QString>> simulazione;
  return simulazione;
}

}  // namespace tlx::platform
