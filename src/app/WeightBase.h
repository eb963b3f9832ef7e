#pragma once

#include <string>

namespace pondus {

// Weight-base positions of the Options page: 0 "1 KG", 1 "100 G", 2 "1 G",
// 3 "1 MG"; -1 stands for no choice.
inline constexpr int NoWeightBase = -1;
inline constexpr int LastWeightBase = 3;

// A stored position taken into -1..3, to the nearest end.
int clampWeightBase(int position);

// CALCULATION_VALUE for two chosen positions: the larger unit over the smaller.
std::string weightBaseFactor(int skuPosition, int scalePosition);

} // namespace pondus
