#include "platform/DialogoColore.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPalette>
#include <QPushButton>

#include "platform/ColoriBgr.h"
#include "platform/EsitoDialogo.h"

namespace tlx::platform {

namespace {

// The palette's colours for the desktop's system colours 0 to 15, in their
// order: scroll bar, desktop, active and inactive title, menu, window, window
// frame, menu text, window text, title text, active and inactive border,
// application workspace, highlight, highlighted text, button face.
constexpr std::pair<QPalette::ColorGroup, QPalette::ColorRole> kColoriSistema[NUMERO_COLORI_PERSONALIZZATI] = {
    {QPalette::Active, QPalette::Mid},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Disabled, QPalette::Highlight},
    {QPalette::Active, QPalette::Window},
    {QPalette::Active, QPalette::Base},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::WindowText},
    {QPalette::Active, QPalette::Text},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Light},
    {QPalette::Active, QPalette::Midlight},
    {QPalette::Active, QPalette::AlternateBase},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Button},
};

bool Ammesso(int indice) { return indice >= 0 && indice < NUMERO_COLORI_PERSONALIZZATI; }

// Qt's dialog always shows the spectrum; opened short, it shows the basic
// and custom colours and a button that brings the spectrum in.
void ApriRidotto(QColorDialog& dialogo, bool completabile) {
  QList<QWidget*> spettro;
  for (QWidget* parte : dialogo.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QByteArray classe = parte->metaObject()->className();
    if (classe == "QColorPicker" || classe == "QColorLuminancePicker" || classe == "QColorShower") {
      parte->hide();
      spettro << parte;
    }
  }
  QPushButton* completa = dialogo.findChild<QDialogButtonBox*>()->addButton(
      QStringLiteral("&Definisci colori personalizzati >>"), QDialogButtonBox::ActionRole);
  completa->setObjectName(QStringLiteral("cmdCompleta"));
  completa->setEnabled(completabile);
  QObject::connect(completa, &QPushButton::clicked, &dialogo, [spettro, completa] {
    for (QWidget* parte : spettro) parte->show();
    completa->setEnabled(false);
  });
}

// Qt's dialog keeps one set of custom colours for the whole program: it
// shows this object's, and what the user changes there comes back.
std::optional<int32_t> MostraDialogo(const RichiestaColore& r, ColoriPersonalizzati& personalizzati,
                                     QWidget* owner) {
  for (int i = 0; i < NUMERO_COLORI_PERSONALIZZATI; ++i)
    QColorDialog::setCustomColor(i, DaBgr(r.Personalizzati[static_cast<size_t>(i)]));
  QColorDialog dialogo(owner);
  dialogo.setOption(QColorDialog::DontUseNativeDialog);
  dialogo.setCurrentColor(DaBgr(r.Colore));
  if (!r.Completo) ApriRidotto(dialogo, r.Completabile);
  const bool scelto = dialogo.exec() == QDialog::Accepted;
  for (int i = 0; i < NUMERO_COLORI_PERSONALIZZATI; ++i)
    personalizzati.Scrivi(i, InBgr(QColorDialog::customColor(i)));
  if (!scelto) return std::nullopt;
  return InBgr(dialogo.selectedColor());
}

}  // namespace

int32_t ColoriPersonalizzati::Leggi(int indice) {
  return Ammesso(indice) ? Tutti()[static_cast<size_t>(indice)] : -1;
}

void ColoriPersonalizzati::Scrivi(int indice, int32_t colore) {
  if (Ammesso(indice)) Tutti()[static_cast<size_t>(indice)] = colore;
}

TavolozzaPersonalizzata& ColoriPersonalizzati::Tutti() {
  if (!colori_) {
    const QPalette tavolozza = QApplication::palette();
    colori_.emplace();
    for (size_t i = 0; i < colori_->size(); ++i)
      (*colori_)[i] = InBgr(tavolozza.color(kColoriSistema[i].first, kColoriSistema[i].second));
  }
  return *colori_;
}

Copione<RichiestaColore, std::optional<int32_t>>& SimulazioneColore() {
  static Copione<RichiestaColore, std::optional<int32_t>> simulazione;
  return simulazione;
}

int32_t ScegliColore(DatiColore& dati, ColoriPersonalizzati& personalizzati) {
  using namespace opzioniColore;
  const int32_t flags = (dati.Flags & ~AGGANCI) | COLORE_INIZIALE |
                        (dati.AnyColor ? QUALSIASI_COLORE : SOLO_TINTE_UNITE) | (dati.FullOpen ? COMPLETO : 0) |
                        (dati.PreventFullOpen ? NON_COMPLETABILE : 0);
  const RichiestaColore richiesta{dati.Color & 0xFFFFFF, (flags & COMPLETO) != 0, (flags & NON_COMPLETABILE) == 0,
                                  personalizzati.Tutti()};
  const std::optional<int32_t> scelto = SimulazioneColore().Chiedi(
      richiesta, [&](const RichiestaColore& r) { return MostraDialogo(r, personalizzati, dati.Owner); });
  dati.Color = scelto.value_or(-1);
  if (!scelto) return esitoDialogo::ANNULLATO;
  dati.Flags = flags;
  return esitoDialogo::CONFERMATO;
}

}  // namespace tlx::platform
