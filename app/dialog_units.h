#pragma once

#include <QRect>

// Dialog units of the 8-point "MS Sans Serif" template font, turned into
// pixels at 96 dpi: 1.5 px across and 1.625 px down, rounded to the nearest
// pixel with halves away from zero. Position and size convert separately, so
// a control's size does not depend on where it sits.
int DialogUnitsToPixelsX(int x);
int DialogUnitsToPixelsY(int y);
QRect DialogUnitsToPixels(const QRect& units);
