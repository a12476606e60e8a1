#pragma once
// The crossword method: 25 chosen numbers arranged in a 5 x 5 grid give a
// 12-column system, one column per row, per grid column and per diagonal.
// Also the shuffle shared by the windows that arrange the chosen numbers.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/Sistema.h"

namespace tlx::matrix {

inline constexpr int CELLE_CRUCIVERBA = 25;
inline constexpr int COLONNE_CRUCIVERBA = 12;
inline constexpr std::string_view TITOLO_CRUCIVERBA = "CRUCIVERBA";

// The cells (1..25, reading order) of each column: rows 1..5, grid columns
// 1..5, the diagonal from the top left, the diagonal from the top right.
inline constexpr std::array<std::array<uint8_t, 5>, COLONNE_CRUCIVERBA> SchemaCruciverba{{
    {1, 2, 3, 4, 5},      {6, 7, 8, 9, 10},     {11, 12, 13, 14, 15}, {16, 17, 18, 19, 20},
    {21, 22, 23, 24, 25}, {1, 6, 11, 16, 21},   {2, 7, 12, 17, 22},   {3, 8, 13, 18, 23},
    {4, 9, 14, 19, 24},   {5, 10, 15, 20, 25},  {1, 7, 13, 19, 25},   {5, 9, 13, 17, 21},
}};

// Keeps the chosen numbers, stores the arrangement as Pronostico, replaces
// the system by the 12 columns (each ascending) titled "CRUCIVERBA".
void SviluppaCruciverba(Sistema& s, const std::array<uint8_t, CELLE_CRUCIVERBA>& disposizione);

// numeri.size() x 10 exchanges of two different places drawn at random from
// `seme`; true for every place that took part in one. Fewer than two numbers:
// nothing happens.
std::vector<bool> MescolaNumeri(std::span<uint8_t> numeri, uint32_t seme);

}  // namespace tlx::matrix
