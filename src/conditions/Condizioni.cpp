#include "conditions/Condizioni.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tlx {

// ---- Sum ---------------------------------------------------------------------

LimitiSomma CalcolaLimitiSomma(const NumeriGriglia& scelti) {
  LimitiSomma l;
  for (int n = 1, presi = 0; n <= NUMERI && presi < 5; ++n)
    if (scelti[static_cast<size_t>(n - 1)] == 1) l.Minima += n, ++presi;
  for (int n = NUMERI, presi = 0; n >= 1 && presi < 5; --n)
    if (scelti[static_cast<size_t>(n - 1)] == 1) l.Massima += n, ++presi;
  return l;
}

double ValoreCasella(std::string_view testo) {
  size_t fine = 0;
  while (fine < testo.size() && testo[fine] >= '0' && testo[fine] <= '9') ++fine;
  if (fine < testo.size() && testo[fine] == '.') {
    ++fine;
    while (fine < testo.size() && testo[fine] >= '0' && testo[fine] <= '9') ++fine;
  }
  double valore = 0;  // stays 0 for "" and "."
  std::from_chars(testo.data(), testo.data() + fine, valore, std::chars_format::fixed);
  return valore;
}

std::optional<int16_t> ArrotondaSomma(double valore) {
  if (!std::isfinite(valore)) return std::nullopt;
  double intero = std::floor(valore);
  const double resto = valore - intero;
  if (resto > 0.5 || (resto == 0.5 && std::fmod(intero, 2.0) != 0)) intero += 1;
  if (intero < std::numeric_limits<int16_t>::min() || intero > std::numeric_limits<int16_t>::max()) return std::nullopt;
  return static_cast<int16_t>(intero);
}

int32_t SommaMostrata(int16_t memorizzata, int32_t limite, const LimitiSomma& limiti) {
  const bool valida = memorizzata != 0 && limiti.Minima <= memorizzata && memorizzata <= limiti.Massima;
  return valida ? memorizzata : limite;
}

std::vector<ErroreSomma> ChiudiSomma(std::string_view da, std::string_view a, const LimitiSomma& limiti,
                                     RecordCondizioni& c) {
  std::vector<ErroreSomma> errori;
  const double valoreDa = da.empty() ? c.SommaMinMax[0] : ValoreCasella(da);
  const double valoreA = a.empty() ? c.SommaMinMax[1] : ValoreCasella(a);
  if (valoreDa > valoreA)
    errori.push_back({{Icona::Esclamazione, Pulsanti::Ok, " !!! E R R O R E !!! ", "'DA' è maggiore di 'A'"}, true});
  if (!da.empty() && valoreDa < limiti.Minima)
    errori.push_back({{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'DA' è minore del minimo"}, false});
  if (!a.empty() && valoreA > limiti.Massima)
    errori.push_back({{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'A' è maggiore del massimo"}, true});
  if (!errori.empty()) return errori;
  // Within the limits, so within 16 bits as well.
  if (!da.empty()) c.SommaMinMax[0] = ArrotondaSomma(valoreDa).value_or(c.SommaMinMax[0]);
  if (!a.empty()) c.SommaMinMax[1] = ArrotondaSomma(valoreA).value_or(c.SommaMinMax[1]);
  return errori;
}

// ---- Consecutive numbers ----------------------------------------------------

int RunPiuLunga(const NumeriGriglia& scelti) {
  int corsa = 1, massima = 1;
  for (size_t i = 1; i < scelti.size(); ++i) {
    if (scelti[i] == 1 && scelti[i - 1] == 1) {
      corsa = std::min(corsa + 1, 5);
      massima = std::max(massima, corsa);
    } else {
      corsa = 1;
    }
  }
  return massima;
}

int32_t MascheraConsecutivi(int32_t precedente, const std::array<bool, 6>& lunghezze) {
  int32_t maschera = precedente & 0x03FFFFC0;  // bits 6..25
  for (size_t r = 1; r <= 5; ++r)
    if (lunghezze[r]) maschera |= PotenzeDiDue[r];
  return maschera;
}

// ---- Reductions -------------------------------------------------------------

uint8_t DistanzaCorretta(uint8_t distanza) { return std::clamp<uint8_t>(distanza, 1, 5); }
uint8_t GaranziaCorretta(uint8_t garanzia) { return std::min<uint8_t>(garanzia, 4); }

// ---- Fixed numbers ----------------------------------------------------------

SceltaFisse::SceltaFisse(const RecordCondizioni& c, const NumeriGriglia& scelti) : scelti_(scelti) {
  for (size_t i = 0; i < fissi_.size(); ++i) {
    fissi_[i] = c.NumeriFissi[i + 1] == 1 && scelti_[i] == 1;
    quanti_ += fissi_[i];
  }
}

void SceltaFisse::Clicca(int numero) {
  if (numero < 1 || numero > NUMERI) return;
  const auto i = static_cast<size_t>(numero - 1);
  if (scelti_[i] != 1) return;
  if (fissi_[i]) {
    fissi_[i] = false;
    --quanti_;
  } else if (quanti_ < MASSIMO) {
    fissi_[i] = true;
    ++quanti_;
  }
}

void SceltaFisse::Scrivi(RecordCondizioni& c) const {
  for (size_t i = 0; i < fissi_.size(); ++i) c.NumeriFissi[i + 1] = fissi_[i] ? 1 : 0;
  c.QuantiFissi = static_cast<uint8_t>(quanti_);
}

}  // namespace tlx
