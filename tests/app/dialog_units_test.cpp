#include "app/dialog_units.h"
#include "tests/app/qt_printers.h"

#include <gtest/gtest.h>

TEST(DialogUnits, SingleValuesRoundHalvesAwayFromZero)
{
    struct Case {
        const char* name;
        int units, pixelsX, pixelsY;
    };
    const Case cases[] = {
        {"zero", 0, 0, 0},
        {"one unit: 1.5 across, 1.625 down", 1, 2, 2},
        {"two units: exact across, 3.25 down", 2, 3, 3},
        {"four units: 6.5 down rounds up", 4, 6, 7},
        {"five units: 7.5 across rounds up, 8.125 down", 5, 8, 8},
        {"minus one: halves away from zero", -1, -2, -2},
        {"minus four: -6.5 down rounds away from zero", -4, -6, -7},
        {"a large value does not overflow", 1000000000, 1500000000, 1625000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DialogUnitsToPixelsX(c.units), c.pixelsX);
        EXPECT_EQ(DialogUnitsToPixelsY(c.units), c.pixelsY);
    }
}

TEST(DialogUnits, TemplatesAndControls)
{
    struct Case {
        const char* name;
        QRect units, pixels;
    };
    const Case cases[] = {
        {"main window, template 101", QRect(0, 0, 320, 294), QRect(0, 0, 480, 478)},
        {"About box, template 120", QRect(0, 0, 353, 167), QRect(0, 0, 530, 271)},
        {"OK button", QRect(156, 139, 50, 14), QRect(234, 226, 75, 23)},
        {"icon", QRect(16, 26, 20, 20), QRect(24, 42, 30, 33)},
        {"product text", QRect(48, 17, 129, 112), QRect(72, 28, 194, 182)},
        {"support text", QRect(188, 17, 129, 112), QRect(282, 28, 194, 182)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DialogUnitsToPixels(c.units), c.pixels);
    }
}
