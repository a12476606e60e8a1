#include "core/Denaro.h"

#include <cmath>

namespace tlx {

std::string FormattaEuro(Centesimi importo, const FormatoNumeri& formato, std::string_view maschera) {
  return FormattaScalato(importo, 2, maschera, formato);
}

std::optional<Centesimi> Moltiplica(Centesimi a, int64_t b) {
  Centesimi prodotto = 0;
  if (__builtin_mul_overflow(a, b, &prodotto)) return std::nullopt;
  return prodotto;
}

Centesimi CostoSistema(Centesimi costoColonna, int32_t colonne) {
  return Moltiplica(costoColonna, colonne).value_or(0);
}

std::optional<Centesimi> CentesimiDaTesto(std::string_view testo) {
  static const FormatoNumeri punto{"", "."}, virgola{"", ","};
  double valore = 0;
  if (!LeggiNumero(testo, punto, valore) && !LeggiNumero(testo, virgola, valore)) return std::nullopt;
  // 2^62: far beyond any cost, and safely inside the 64-bit range.
  if (std::fabs(valore) >= 4.6e18) return std::nullopt;
  return static_cast<Centesimi>(std::nearbyint(valore));
}

}  // namespace tlx
