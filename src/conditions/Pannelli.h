#pragma once
// The panel number of a filter editor: one record shown at a time, moves
// clamped to 1..last, so no move ever names a record outside the table.

#include <algorithm>
#include <cstdint>

namespace tlx {

class Pannelli {
 public:
  static constexpr int32_t PRIMO = 1;

  explicit Pannelli(int32_t ultimo) : ultimo_(std::max(ultimo, PRIMO)) {}

  int32_t Corrente() const { return corrente_; }
  int32_t Ultimo() const { return ultimo_; }

  void Avanti(int32_t n) { corrente_ = static_cast<int32_t>(std::min<int64_t>(int64_t{corrente_} + n, ultimo_)); }
  void Indietro(int32_t n) { corrente_ = static_cast<int32_t>(std::max<int64_t>(int64_t{corrente_} - n, PRIMO)); }

 private:
  int32_t ultimo_;
  int32_t corrente_ = PRIMO;
};

}  // namespace tlx
