#pragma once
// The number-distance filter editor without its window: the five records
// FiltriDistanza, one on the panel at a time, with the gap range that the
// chosen numbers allow.

#include <array>
#include <cstdint>

#include "conditions/Pannelli.h"
#include "core/Sistema.h"

namespace tlx {

// Compacts FiltriDistanza (ON records first, each kind in its order) and
// sets NumeroFiltriDistanza to the ON count.
void CompattaFiltriDistanza(Sistema& s);

// The gaps between neighbouring positions that a column of the chosen
// numbers can have: the smallest gap between two neighbouring chosen
// numbers, and the largest gap any 5-number column of them holds (between
// positions p and p+1 it is at most P(n-5+p) - P(p-1), P ascending).
// Fewer than five chosen numbers develop no column: the whole range 1..54
// is offered with both bounds 0.
struct DistanzePossibili {
  int minima = 0;
  int massima = 0;
  int PrimaVisibile() const { return minima > 0 ? minima : 1; }
  int UltimaVisibile() const { return massima > 0 ? massima : MAX_DISTANZA; }
  static constexpr int MAX_DISTANZA = 54;
};
DistanzePossibili CalcolaDistanzePossibili(const std::array<uint8_t, NUMERI>& NumeriScelti);

class EditorFiltriDistanza : public EditorAPannelli {
 public:
  static constexpr int COPPIE = 4;              // a column has four neighbouring pairs
  static constexpr int32_t PASSO_LUNGO = MAX_FILTRI_DISTANZA;
  static constexpr int MAX_DISTANZA = DistanzePossibili::MAX_DISTANZA;

  // Opening: panel 1 shows FiltriDistanza(1); the ON counter starts from
  // NumeroFiltriDistanza. The chosen numbers are read from the grid state
  // and Pronostico is left as it is.
  explicit EditorFiltriDistanza(Sistema& s);

  const DistanzePossibili& Distanze() const { return distanze_; }
  bool Coppia(int p) const { return coppie_[static_cast<size_t>(p)]; }   // 1..4
  bool Minima(int g) const { return minime_[static_cast<size_t>(g)]; }   // 1..54
  bool Massima(int g) const { return massime_[static_cast<size_t>(g)]; }  // 1..54
  bool Attivo() const { return attivo_; }
  int32_t TotaleOn() const override { return contaAttivi_; }
  // The record the panel would save now.
  RecordDistanza LeggiFiltroDistanza() const;

  // False while a built system is shown: the panel is read-only then, and
  // every change below does nothing.
  bool Modificabile() const override { return s_.GuiBloccata == 0; }

  void CambiaCoppia(int p);
  void CambiaMinima(int g);
  void CambiaMassima(int g);
  void ImpostaAttivo(bool on);

  // Empties the panel (the ON counter falls when it was ON); the record
  // changes only when the panel is next saved.
  void Cancella();

 private:
  void Mostra(const RecordDistanza& r);
  void Salva() override { Record(Pannello()) = LeggiFiltroDistanza(); }
  void MostraCorrente() override { Mostra(Record(Pannello())); }
  // Compacts the five records and counts them again.
  void Compatta() override;
  RecordDistanza& Record(int32_t pannello) { return s_.FiltriDistanza[static_cast<size_t>(pannello)]; }

  Sistema& s_;
  DistanzePossibili distanze_;
  int32_t contaAttivi_;
  std::array<bool, COPPIE + 1> coppie_{};
  std::array<bool, MAX_DISTANZA + 1> minime_{};
  std::array<bool, MAX_DISTANZA + 1> massime_{};
  bool attivo_ = false;
};

}  // namespace tlx
