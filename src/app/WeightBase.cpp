#include "app/WeightBase.h"

#include <algorithm>
#include <cstdlib>

namespace pondus {

namespace {

// Each unit as a power of ten of milligrams.
constexpr int UnitExponent[] = {6, 5, 3, 0};

} // namespace

int clampWeightBase(int position) {
    return std::clamp(position, NoWeightBase, LastWeightBase);
}

std::string weightBaseFactor(int skuPosition, int scalePosition) {
    int digits = std::abs(UnitExponent[skuPosition] - UnitExponent[scalePosition]);
    return "1" + std::string(size_t(digits), '0');
}

} // namespace pondus
