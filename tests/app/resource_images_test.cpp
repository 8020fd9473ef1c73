#include "app/resource_images.h"
#include "tests/app/qt_printers.h"

#include <QPoint>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// Background pixels not reachable from the border would turn into holes in
// the subject once the background is made transparent.
int CountEnclosedBackground(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<bool> reached(size_t(w) * size_t(h), false);
    std::vector<QPoint> pending;
    for (int x = 0; x < w; ++x) {
        pending.push_back({x, 0});
        pending.push_back({x, h - 1});
    }
    for (int y = 0; y < h; ++y) {
        pending.push_back({0, y});
        pending.push_back({w - 1, y});
    }
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h) {
            continue;
        }
        const size_t index = size_t(p.y()) * size_t(w) + size_t(p.x());
        if (reached[index] || image.pixel(p) != kImageBackground) {
            continue;
        }
        reached[index] = true;
        pending.insert(pending.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1),
                                       p - QPoint(0, 1)});
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            enclosed += image.pixel(x, y) == kImageBackground && !reached[size_t(y) * size_t(w) + size_t(x)];
        }
    }
    return enclosed;
}

struct ImageCase {
    const char* name;
    const char* path;
    QSize size;
};

const ImageCase kImages[] = {
    {"Setup", kSetupImagePath, QSize(16, 16)},
    {"Play", kPlayImagePath, QSize(16, 16)},
    {"Pause", kPauseImagePath, QSize(16, 16)},
    {"Save", kSaveImagePath, QSize(16, 16)},
    {"Undo", kUndoImagePath, QSize(16, 16)},
    {"Print", kPrintImagePath, QSize(16, 16)},
    {"icon", kIconImagePath, QSize(32, 32)},
};

} // namespace

TEST(ResourceImages, EachLoadsAtItsSizeInSixteenColoursOnGrey)
{
    for (const ImageCase& c : kImages) {
        SCOPED_TRACE(c.name);
        const QImage image = LoadResourceImage(c.path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), c.size);
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        EXPECT_LE(colours.size(), 16u);
        EXPECT_GE(colours.size(), 2u) << "nothing drawn on the background";
        EXPECT_EQ(image.pixel(0, 0), kImageBackground);
        EXPECT_EQ(CountEnclosedBackground(image), 0);
    }
}

TEST(ResourceImages, PixmapLeavesOnlyTheBackgroundTransparent)
{
    for (const ImageCase& c : kImages) {
        SCOPED_TRACE(c.name);
        const QImage drawn = LoadResourceImage(c.path).convertToFormat(QImage::Format_ARGB32);
        const QImage shown = LoadResourcePixmap(c.path).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), drawn.size());
        int wrong = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const bool background = drawn.pixel(x, y) == kImageBackground;
                const QRgb expected = background ? qRgba(0, 0, 0, 0) : drawn.pixel(x, y);
                wrong += shown.pixel(x, y) != expected;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}
