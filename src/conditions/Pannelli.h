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

// What the filter editors share: each move saves the shown panel into its
// record first, then shows the record of the new panel; the closing saves
// the panel and compacts the table, once however often it is asked for.
// While a built system is shown the panel is read-only and nothing is saved:
// looking at the records changes none of them.
class EditorAPannelli {
 public:
  int32_t Pannello() const { return pannelli_.Corrente(); }
  int32_t UltimoPannello() const { return pannelli_.Ultimo(); }
  // How far the long moves go.
  int32_t PassoLungo() const { return passoLungo_; }
  // The records switched ON, counted as the editor goes, and the others.
  virtual int32_t TotaleOn() const = 0;
  int32_t TotaleOff() const { return pannelli_.Ultimo() - TotaleOn(); }
  // False while a built system is shown.
  virtual bool Modificabile() const = 0;

  void Avanti(int32_t n) { Sposta(&Pannelli::Avanti, n); }
  void Indietro(int32_t n) { Sposta(&Pannelli::Indietro, n); }
  void VaiAlPrimo() { Sposta(&Pannelli::Indietro, pannelli_.Ultimo()); }
  void VaiAllUltimo() { Sposta(&Pannelli::Avanti, pannelli_.Ultimo()); }

  void Chiudi() {
    if (chiuso_) return;
    chiuso_ = true;
    if (Modificabile()) Salva();
    Compatta();
  }

 protected:
  EditorAPannelli(int32_t ultimo, int32_t passoLungo) : pannelli_(ultimo), passoLungo_(passoLungo) {}
  virtual ~EditorAPannelli() = default;

  // The shown panel into the record of the current panel.
  virtual void Salva() = 0;
  // The record of the current panel onto the panel.
  virtual void MostraCorrente() = 0;
  virtual void Compatta() = 0;

  Pannelli pannelli_;

 private:
  void Sposta(void (Pannelli::*mossa)(int32_t), int32_t n) {
    if (Modificabile()) Salva();
    (pannelli_.*mossa)(n);
    MostraCorrente();
  }

  int32_t passoLungo_;
  bool chiuso_ = false;
};

}  // namespace tlx
