#include "app/dialog_units.h"

#include <cstdint>

namespace {

// value × numerator ÷ denominator, rounded to nearest, halves away from zero,
// with a 64-bit product so no template value can overflow it.
int MulDivRounded(int value, int numerator, int denominator)
{
    const int64_t product = int64_t{value} * numerator;
    const int64_t half = denominator / 2;
    const int64_t rounded = product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}

// Average character width 6 and height 13 pixels; a dialog unit is a quarter
// of the width and an eighth of the height.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

} // namespace

int DialogUnitsToPixelsX(int x)
{
    return MulDivRounded(x, kBaseUnitX, 4);
}

int DialogUnitsToPixelsY(int y)
{
    return MulDivRounded(y, kBaseUnitY, 8);
}

QRect DialogUnitsToPixels(const QRect& units)
{
    return QRect(DialogUnitsToPixelsX(units.x()), DialogUnitsToPixelsY(units.y()),
                 DialogUnitsToPixelsX(units.width()), DialogUnitsToPixelsY(units.height()));
}
