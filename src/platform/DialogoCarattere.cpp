#include "platform/DialogoCarattere.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <algorithm>

#include "platform/ColoriBgr.h"
#include "platform/EsitoDialogo.h"
#include "platform/MessageBox.h"

namespace tlx::platform {

namespace {

// The text colours the desktop's font dialog offers.
struct ColoreTesto {
  const char* nome;
  int32_t bgr;
};
constexpr ColoreTesto kColoriTesto[] = {
    {"Nero", 0x000000},         {"Marrone", 0x000080}, {"Verde", 0x008000},        {"Verde oliva", 0x008080},
    {"Blu marino", 0x800000},   {"Viola", 0x800080},   {"Verde acqua", 0x808000},  {"Grigio", 0x808080},
    {"Argento", 0xC0C0C0},      {"Rosso", 0x0000FF},   {"Verde limone", 0x00FF00}, {"Giallo", 0x00FFFF},
    {"Blu", 0xFF0000},          {"Fucsia", 0xFF00FF},  {"Azzurro", 0xFFFF00},      {"Bianco", 0xFFFFFF},
};

QIcon Campione(int32_t bgr) {
  QPixmap campione(24, 12);
  campione.fill(DaBgr(bgr));
  return QIcon(campione);
}

// Qt's font dialog, with the text colour among the effects and the size kept
// within the caller's bounds: a size outside them is refused with a word and
// the dialog stays open.
class DialogoCarattere : public QFontDialog {
 public:
  DialogoCarattere(const RichiestaCarattere& r, QWidget* owner)
      : QFontDialog(owner), minimo_(r.MinSize), massimo_(r.MaxSize) {
    setOption(DontUseNativeDialog);
    setOption(MonospacedFonts, r.SoloPassoFisso);
    setOption(ScalableFonts, r.SoloScalabili);
    // Qt's dialog gives a font without a style name the first style of its
    // weight in the family's list (a plain DejaVu Sans comes up Oblique):
    // it is told the style the font really resolves to.
    QFont iniziale = r.Font;
    if (iniziale.styleName().isEmpty()) iniziale.setStyleName(QFontInfo(iniziale).styleName());
    setCurrentFont(iniziale);
    AggiungiColori(r.Colore);
  }
  int32_t Colore() const { return colore_->currentData().toInt(); }

 protected:
  void done(int esito) override {
    if (esito == Accepted && !DimensioneAmmessa()) {
      const QString limiti = massimo_ > 0 ? QStringLiteral("compresa tra %1 e %2").arg(std::max(minimo_, 1)).arg(massimo_)
                                          : QStringLiteral("almeno %1").arg(minimo_);
      MessageBox::Mostra(Icona::Esclamazione, Pulsanti::Ok, windowTitle(),
                         QStringLiteral("La dimensione deve essere %1 punti.").arg(limiti), this);
      return;
    }
    QFontDialog::done(esito);
  }

 private:
  bool DimensioneAmmessa() const {
    const double punti = currentFont().pointSizeF();
    return punti >= minimo_ && (massimo_ <= 0 || punti <= massimo_);
  }

  // Under the effects, as the desktop's dialog has it.
  void AggiungiColori(int32_t iniziale) {
    colore_ = new QComboBox(this);
    colore_->setObjectName(QStringLiteral("cmbColore"));
    for (const ColoreTesto& c : kColoriTesto) colore_->addItem(Campione(c.bgr), QString::fromUtf8(c.nome), c.bgr);
    if (colore_->findData(iniziale) < 0) colore_->addItem(Campione(iniziale), QStringLiteral("Personalizzato"), iniziale);
    colore_->setCurrentIndex(colore_->findData(iniziale));
    auto* etichetta = new QLabel(QStringLiteral("Co&lore:"), this);
    etichetta->setBuddy(colore_);
    QLayout* effetti = findChild<QCheckBox*>()->parentWidget()->layout();
    effetti->addWidget(etichetta);
    effetti->addWidget(colore_);
  }

  int minimo_;
  int massimo_;
  QComboBox* colore_ = nullptr;
};

std::optional<SceltaCarattere> MostraDialogo(const RichiestaCarattere& r, QWidget* owner) {
  DialogoCarattere dialogo(r, owner);
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  return SceltaCarattere{dialogo.selectedFont(), dialogo.Colore()};
}

}  // namespace

Copione<RichiestaCarattere, std::optional<SceltaCarattere>>& SimulazioneCarattere() {
  static Copione<RichiestaCarattere, std::optional<SceltaCarattere>> simulazione;
  return simulazione;
}

int32_t ScegliCarattere(DatiCarattere& dati) {
  using namespace opzioniCarattere;
  const int minimo = std::max(dati.MinSize, 0), massimo = std::max(dati.MaxSize, 0);
  if (massimo > 0 && massimo < minimo) return esitoDialogo::DIMENSIONI_INVERTITE;
  const int32_t flags =
      (dati.Flags & ~(AGGANCI | LIMITA_DIMENSIONI)) | (minimo > 0 || massimo > 0 ? LIMITA_DIMENSIONI : 0);
  const RichiestaCarattere richiesta{dati.Font,         dati.Color & 0xFFFFFF,
                                     minimo,            massimo,
                                     (flags & SOLO_PASSO_FISSO) != 0, (flags & SOLO_SCALABILI) != 0};
  const std::optional<SceltaCarattere> scelta =
      SimulazioneCarattere().Chiedi(richiesta, [&](const RichiestaCarattere& r) { return MostraDialogo(r, dati.Owner); });
  if (!scelta) return esitoDialogo::ANNULLATO;
  dati.Font = scelta->Font;
  dati.Color = scelta->Colore;
  dati.Flags = flags;
  return esitoDialogo::CONFERMATO;
}

}  // namespace tlx::platform
