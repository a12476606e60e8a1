#pragma once
// The random reduced systems: how many systems of 6, 7, 8 or 9 numbers to
// draw, and their printing, one reduced-system slip each, with the shared
// progress window and its interruption. Nothing drawn is kept.

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "core/Sistema.h"
#include "printing/Taratura.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace tlx::ui {

class frmRidottiRandom : public QDialog {
  Q_OBJECT

 public:
  explicit frmRidottiRandom(Sistema& sistema, QWidget* parent = nullptr);

  // Tests draw from a generator of their own; otherwise every print command
  // seeds a new one from the time of day.
  void ImpostaGeneratore(std::function<std::mt19937()> generatore) { generatore_ = std::move(generatore); }

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void optTipoRidotto_Click(int indice);
  void scrollNsis_Change(int valore);
  void cmdStampa_Click();
  void cmdTaratura_Click();
  void LeggiTaratura();
  void MostraScheda();
  void StampaSchedaRidotti(const std::vector<std::vector<uint8_t>>& sistemi);

  Sistema& sistema_;
  std::function<std::mt19937()> generatore_;
  TaraturaScheda taratura_;
  int NumeriRidotto_ = 6;
  int NumeroSistemi_ = 1;
  std::array<QPushButton*, 4> optTipoRidotto_{};
  QScrollBar* scrollNsis_ = nullptr;
  QLabel* imgScheda_ = nullptr;
  QLabel* lblNumRidotti_ = nullptr;
};

}  // namespace tlx::ui
