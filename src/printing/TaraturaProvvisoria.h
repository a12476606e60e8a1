#pragma once
#include <cstdint>
#include <string>
namespace tlx {
struct TaraturaScheda {
  float kX = 8.2f, kY = 8.2f, kTop = 43.3f, kLeft = 62.0f, kWebX = 59.0f, kWebY = 37.0f, kNomeX = 59.0f, kNomeY = 6.0f;
  int16_t Marcatore = 9999;
  int16_t Qualita = 0;
  std::string NomeStampante = "N/A";
};
}  // namespace tlx
