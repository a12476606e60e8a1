#pragma once
// What a common dialog call ended with: 1 when the user confirmed, 0 when he
// cancelled, otherwise the code of the failure that kept the dialog from
// being shown, numbered as the desktop's common dialogs number theirs.

#include <cstdint>

namespace tlx::platform {

namespace esitoDialogo {
inline constexpr int32_t CONFERMATO = 1;
inline constexpr int32_t ANNULLATO = 0;

// Print: the page range is not within the document's first and last page.
inline constexpr int32_t PAGINE_NON_VALIDE = 0x1006;
// Print and page setup: no printer is installed.
inline constexpr int32_t NESSUNA_STAMPANTE = 0x1008;
// Print and page setup: the printer asked for is not installed.
inline constexpr int32_t STAMPANTE_INESISTENTE = 0x100B;
// Font: the largest size allowed is below the smallest.
inline constexpr int32_t DIMENSIONI_INVERTITE = 0x2002;
// Open and save: the suggested name holds a character no path can hold.
inline constexpr int32_t NOME_FILE_NON_VALIDO = 0x3002;
}  // namespace esitoDialogo

}  // namespace tlx::platform
