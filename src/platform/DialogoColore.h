#pragma once
// The colour dialog: one colour, chosen from the basic and the custom
// colours or, with the dialog opened in full, from the whole spectrum.

#include <array>
#include <cstdint>
#include <optional>

#include "platform/Copione.h"

class QWidget;

namespace tlx::platform {

// The bits of DatiColore::Flags.
namespace opzioniColore {
inline constexpr int32_t COLORE_INIZIALE = 0x1;     // start from the caller's colour
inline constexpr int32_t COMPLETO = 0x2;            // open with the spectrum shown
inline constexpr int32_t NON_COMPLETABILE = 0x4;    // the spectrum can't be shown
inline constexpr int32_t AGGANCI = 0x10 | 0x20 | 0x40;  // the desktop's hook and templates: dropped
inline constexpr int32_t SOLO_TINTE_UNITE = 0x80;
inline constexpr int32_t QUALSIASI_COLORE = 0x100;
}  // namespace opzioniColore

// The by-reference arguments of the colour dialog; colours are 24-bit values
// in blue-green-red order (0x0000FF is red). On a screen of true colours
// every colour is solid, so AnyColor changes only the flags.
struct DatiColore {
  int32_t Color = 0;              // in: the colour shown first; out: the chosen one, -1 on Cancel
  bool AnyColor = true;           // false: solid colours only
  bool FullOpen = false;          // open with the spectrum shown
  bool PreventFullOpen = false;   // no button to show it
  int32_t Flags = 0;              // in: opzioniColore bits; out on OK: as the dialog ran
  QWidget* Owner = nullptr;
};

inline constexpr int NUMERO_COLORI_PERSONALIZZATI = 16;
using TavolozzaPersonalizzata = std::array<int32_t, NUMERO_COLORI_PERSONALIZZATI>;

// The custom colours of one dialog object: the system palette's until the
// first is set; the user's changes in the dialog are kept, as Qt's own
// dialog keeps them.
class ColoriPersonalizzati {
 public:
  // -1 outside 0..15.
  int32_t Leggi(int indice);
  // Ignored outside 0..15.
  void Scrivi(int indice, int32_t colore);
  TavolozzaPersonalizzata& Tutti();

 private:
  std::optional<TavolozzaPersonalizzata> colori_;
};

// What a scripted colour dialog was asked to show.
struct RichiestaColore {
  int32_t Colore = 0;
  bool Completo = false;        // the spectrum shown
  bool Completabile = true;     // a button shows it
  TavolozzaPersonalizzata Personalizzati{};
  bool operator==(const RichiestaColore&) const = default;
};

// The chosen colour, std::nullopt for Cancel.
Copione<RichiestaColore, std::optional<int32_t>>& SimulazioneColore();

// Shows the dialog: esitoDialogo::CONFERMATO or ANNULLATO.
int32_t ScegliColore(DatiColore& dati, ColoriPersonalizzati& personalizzati);

}  // namespace tlx::platform
