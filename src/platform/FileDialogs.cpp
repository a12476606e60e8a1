#include "platform/FileDialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

namespace tlx::platform {

namespace {

using Tipo = RichiestaFile::Tipo;

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

// The caller's flags with its switches added, as the dialog runs with them.
int32_t FlagsDialogo(Tipo tipo, const DatiFile& d) {
  using namespace opzioniFile;
  const int32_t flags = d.Flags & ~AGGANCI;
  if (tipo == Tipo::Salva) return flags | (d.OverwritePrompt ? CHIEDI_SOVRASCRITTURA : 0) | NASCONDI_SOLA_LETTURA;
  return flags | (d.FileMustExist ? FILE_ESISTENTE : 0) | (d.MultiSelect ? SELEZIONE_MULTIPLA : 0) |
         (d.HideReadOnly ? NASCONDI_SOLA_LETTURA : 0) | (d.ReadOnly ? SOLA_LETTURA : 0);
}

// The filter shown first: the caller's, or the first when his lies outside
// the list.
int FiltroIniziale(int indice, qsizetype filtri) {
  if (filtri == 0) return 0;
  return indice >= 1 && indice <= filtri ? indice : 1;
}

struct Scelta {
  QStringList percorsi;
  bool solaLettura = false;
  int indiceFiltro = 0;
};

// Qt's own file dialog has no read-only box: one under the file types.
QCheckBox* AggiungiCasellaSolaLettura(QFileDialog& dialogo, bool spuntata) {
  auto* casella = new QCheckBox(QStringLiteral("Apri in &sola lettura"), &dialogo);
  casella->setObjectName(QStringLiteral("casellaSolaLettura"));
  casella->setChecked(spuntata);
  if (auto* griglia = qobject_cast<QGridLayout*>(dialogo.layout()))
    griglia->addWidget(casella, griglia->rowCount(), 1);
  else
    dialogo.layout()->addWidget(casella);
  return casella;
}

std::optional<Scelta> MostraDialogo(const RichiestaFile& r, QWidget* owner) {
  QFileDialog dialogo(owner, r.DlgTitle, r.InitDir);
  dialogo.setOption(QFileDialog::DontUseNativeDialog);
  if (r.tipo == Tipo::Salva) {
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, !r.OverwritePrompt);
  } else {
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(r.MultiSelect     ? QFileDialog::ExistingFiles
                        : r.FileMustExist ? QFileDialog::ExistingFile
                                          : QFileDialog::AnyFile);
  }
  QCheckBox* solaLettura = r.HideReadOnly ? nullptr : AggiungiCasellaSolaLettura(dialogo, r.ReadOnly);
  if (!r.Filtri.isEmpty()) {
    dialogo.setNameFilters(r.Filtri);
    dialogo.selectNameFilter(r.Filtri.at(r.FilterIndex - 1));
  }
  QString suffisso = r.DefaultExt;
  if (suffisso.startsWith(QLatin1Char('.'))) suffisso.remove(0, 1);
  dialogo.setDefaultSuffix(suffisso);
  if (!r.FileName.isEmpty()) dialogo.selectFile(r.FileName);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
  return Scelta{dialogo.selectedFiles(), solaLettura ? solaLettura->isChecked() : r.ReadOnly,
                static_cast<int>(r.Filtri.indexOf(dialogo.selectedNameFilter())) + 1};
}

// A scripted answer is what the user typed or picked in the initial folder;
// he can change only what the dialog let him.
std::optional<Scelta> Simula(const RichiestaFile& r) {
  const std::optional<RispostaFile> risposta = cCommonDialog::Simulazione().Rispondi(r, std::nullopt);
  if (!risposta || risposta->Scelti.isEmpty()) return std::nullopt;
  Scelta scelta{{}, r.HideReadOnly ? r.ReadOnly : risposta->ReadOnly.value_or(r.ReadOnly),
                risposta->FilterIndex ? risposta->FilterIndex : r.FilterIndex};
  for (const QString& nome : r.MultiSelect ? risposta->Scelti : risposta->Scelti.first(1))
    scelta.percorsi << QDir(r.InitDir).absoluteFilePath(nome);
  return scelta;
}

int32_t Annulla(DatiFile& dati, int32_t esito) {
  dati.FileName.clear();
  dati.FileTitle.clear();
  dati.Filter.clear();
  dati.FileNames.clear();
  dati.Flags = 0;
  dati.FilterIndex = -1;
  return esito;
}

int32_t ScegliFile(Tipo tipo, DatiFile& dati) {
  if (dati.FileName.contains(QChar::Null)) return Annulla(dati, esitoDialogo::NOME_FILE_NON_VALIDO);
  using namespace opzioniFile;
  const int32_t flags = FlagsDialogo(tipo, dati);
  const QStringList filtri = cCommonDialog::FiltriQt(dati.Filter);
  const RichiestaFile richiesta{tipo,
                                filtri,
                                FiltroIniziale(dati.FilterIndex, filtri.size()),
                                dati.InitDir,
                                dati.FileName,
                                dati.DlgTitle,
                                dati.DefaultExt,
                                (flags & FILE_ESISTENTE) != 0,
                                (flags & CHIEDI_SOVRASCRITTURA) != 0,
                                tipo == Tipo::Apri && (flags & SELEZIONE_MULTIPLA) != 0,
                                (flags & SOLA_LETTURA) != 0,
                                (flags & NASCONDI_SOLA_LETTURA) != 0};
  const std::optional<Scelta> scelta =
      cCommonDialog::Simulazione().Attivo() ? Simula(richiesta) : MostraDialogo(richiesta, dati.Owner);
  if (!scelta) return Annulla(dati, esitoDialogo::ANNULLATO);

  dati.FileNames.clear();
  for (const QString& percorso : scelta->percorsi) dati.FileNames << ConEstensione(percorso, dati.DefaultExt);
  const auto voci = VociFiltro(dati.Filter);
  const auto indice = static_cast<size_t>(scelta->indiceFiltro - 1);
  dati.FileName = dati.FileNames.first();
  dati.FileTitle = cCommonDialog::VBGetFileTitle(dati.FileName);
  dati.FilterIndex = scelta->indiceFiltro;
  dati.Filter = indice < voci.size() ? voci[indice].descrizione + QLatin1Char('|') + voci[indice].modelli : QString();
  dati.ReadOnly = scelta->solaLettura;
  dati.Flags = scelta->solaLettura ? flags | SOLA_LETTURA : flags & ~SOLA_LETTURA;
  return esitoDialogo::CONFERMATO;
}

}  // namespace

bool cCommonDialog::Registra(int32_t esito) {
  ultimoEsito_ = esito;
  erroreEsteso_ = esito == esitoDialogo::CONFERMATO || esito == esitoDialogo::ANNULLATO ? 0 : esito;
  return esito == esitoDialogo::CONFERMATO;
}

bool cCommonDialog::VBGetOpenFileName(DatiFile& dati) { return Registra(ScegliFile(Tipo::Apri, dati)); }

bool cCommonDialog::VBGetSaveFileName(DatiFile& dati) { return Registra(ScegliFile(Tipo::Salva, dati)); }

QString cCommonDialog::VBGetFileTitle(const QString& percorso) { return QFileInfo(percorso).fileName(); }

bool cCommonDialog::VBChooseColor(DatiColore& dati) { return Registra(ScegliColore(dati, colori_)); }

bool cCommonDialog::VBChooseFont(DatiCarattere& dati) { return Registra(ScegliCarattere(dati)); }

bool cCommonDialog::VBPrintDlg(DatiStampa& dati) { return Registra(ScegliStampa(dati, stampante_)); }

bool cCommonDialog::VBPageSetupDlg(DatiPagina& dati) { return Registra(ScegliPagina(dati, stampante_)); }

QStringList cCommonDialog::FiltriQt(const QString& filtro) {
  QStringList filtri;
  for (const auto& voce : VociFiltro(filtro)) filtri << FiltroQt(voce);
  return filtri;
}

CopioneFile& cCommonDialog::Simulazione() {
  static CopioneFile simulazione;
  return simulazione;
}

}  // namespace tlx::platform
