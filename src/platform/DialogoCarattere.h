#pragma once
// The font dialog: a font with its size and style, and the text colour.
// The fonts listed are the desktop's, which its printers print with too, so
// the dialog needs no printer to list them.

#include <QFont>
#include <cstdint>
#include <optional>

#include "platform/Copione.h"

class QWidget;

namespace tlx::platform {

// The bits of DatiCarattere::Flags.
namespace opzioniCarattere {
inline constexpr int32_t AGGANCI = 0x8 | 0x10 | 0x20;  // the desktop's hook and templates: dropped
inline constexpr int32_t LIMITA_DIMENSIONI = 0x2000;   // set by the dialog when MinSize or MaxSize bounds the size
inline constexpr int32_t SOLO_PASSO_FISSO = 0x4000;    // fixed-pitch fonts only
inline constexpr int32_t SOLO_SCALABILI = 0x20000;     // scalable fonts only
}  // namespace opzioniCarattere

// The by-reference arguments of the font dialog.
struct DatiCarattere {
  QFont Font{};           // in: the font shown first; out: the chosen one
  int32_t Color = 0;      // in and out: the text colour, blue-green-red (0x0000FF is red)
  int MinSize = 0;        // the smallest size the user may choose, in points; 0: no bound
  int MaxSize = 0;        // the largest; 0: no bound
  int32_t Flags = 0;      // in: opzioniCarattere bits; out on OK: as the dialog ran
  QWidget* Owner = nullptr;
};

// What a scripted font dialog was asked to show.
struct RichiestaCarattere {
  QFont Font{};
  int32_t Colore = 0;
  int MinSize = 0;
  int MaxSize = 0;
  bool SoloPassoFisso = false;
  bool SoloScalabili = false;
  bool operator==(const RichiestaCarattere&) const = default;
};

struct SceltaCarattere {
  QFont Font{};
  int32_t Colore = 0;
  bool operator==(const SceltaCarattere&) const = default;
};

Copione<RichiestaCarattere, std::optional<SceltaCarattere>>& SimulazioneCarattere();

// Shows the dialog: esitoDialogo::CONFERMATO, ANNULLATO or
// DIMENSIONI_INVERTITE (nothing shown).
int32_t ScegliCarattere(DatiCarattere& dati);

}  // namespace tlx::platform
