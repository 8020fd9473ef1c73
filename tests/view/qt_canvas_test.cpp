#include "view/qt_canvas.h"

#include "view/board_painter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr Colour kInk = 0x000000;
constexpr Colour kFill = 0x808080;

// The image as rows of text: '#' ink, 'o' fill, '.' untouched white.
std::vector<std::string> Art(const QImage& image)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row += pixel == qRgb(0, 0, 0) ? '#' : pixel == qRgb(128, 128, 128) ? 'o' : pixel == qRgb(255, 255, 255) ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

struct ShapeCase {
    std::string name;
    int penWidth;
    std::function<void(Canvas&)> draw;
    std::vector<std::string> art;
};

TEST(QtCanvas, RectanglesAndLinesCoverWholePixels)
{
    const std::vector<ShapeCase> cases = {
        {"a one-pixel outline lies on the rectangle's outer pixels", 1,
         [](Canvas& c) { c.Rectangle(2, 2, 8, 7); },
         {"............", "............", "..######....", "..#oooo#....", "..#oooo#....", "..#oooo#....",
          "..######....", "............", "............", "............", "............", "............"}},
        {"a two-pixel outline takes the pixel before each edge", 2,
         [](Canvas& c) { c.Rectangle(2, 2, 8, 7); },
         {"............", ".#######....", ".#######....", ".##ooo##....", ".##ooo##....", ".#######....",
          ".#######....", "............", "............", "............", "............", "............"}},
        {"a four-pixel outline is centred on the edge pixels", 4,
         [](Canvas& c) { c.Rectangle(3, 3, 11, 10); },
         {"............", ".###########", ".###########", ".###########", ".###########", ".####ooo####",
          ".####ooo####", ".###########", ".###########", ".###########", ".###########", "............"}},
        {"lines leave out their end points, whichever way they run", 1,
         [](Canvas& c) {
             c.MoveTo(2, 3);
             c.LineTo(8, 3);
             c.MoveTo(8, 5);
             c.LineTo(2, 5);
             c.MoveTo(10, 1);
             c.LineTo(10, 6);
             c.MoveTo(1, 10);
             c.LineTo(1, 6);
         },
         {"............", "..........#.", "..........#.", "..######..#.", "..........#.", "...######.#.",
          "............", ".#..........", ".#..........", ".#..........", ".#..........", "............"}},
        {"a two-pixel line takes the row above it too", 2,
         [](Canvas& c) {
             c.MoveTo(2, 9);
             c.LineTo(6, 9);
         },
         {"............", "............", "............", "............", "............", "............",
          "............", "............", "..####......", "..####......", "............", "............"}},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(12, 12, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter, 96, 96);
        const Canvas::Object pen = canvas.CreatePen(kInk, c.penWidth);
        const Canvas::Object brush = canvas.CreateBrush(kFill);
        const Canvas::Object oldPen = canvas.Select(pen);
        const Canvas::Object oldBrush = canvas.Select(brush);
        c.draw(canvas);
        canvas.Select(oldPen);
        canvas.Select(oldBrush);
        painter.end();
        EXPECT_EQ(Art(image), c.art);
    }
}

TEST(QtCanvas, SelectHandsBackThePreviousObjectOfTheSameKind)
{
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas canvas(painter, 96, 96);
    const Canvas::Object pen = canvas.CreatePen(kInk, 1);
    const Canvas::Object brush = canvas.CreateBrush(kFill);
    const Canvas::Object stockPen = canvas.Select(pen);
    const Canvas::Object stockBrush = canvas.Select(brush);
    EXPECT_NE(stockPen, 0);
    EXPECT_NE(stockBrush, 0);
    EXPECT_NE(stockPen, stockBrush);
    EXPECT_EQ(canvas.Select(stockPen), pen);
    EXPECT_EQ(canvas.Select(stockBrush), brush);
    EXPECT_EQ(canvas.Select(12345), 0) << "an object never made";
    canvas.Delete(pen);
    EXPECT_EQ(canvas.Select(pen), 0) << "a deleted object";
}

TEST(QtCanvas, ASelectedObjectCannotBeDeleted)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, 96, 96);
    const Canvas::Object brush = canvas.CreateBrush(kFill);
    canvas.Select(brush);
    canvas.Delete(brush);
    canvas.Rectangle(0, 0, 4, 4);
    painter.end();
    EXPECT_EQ(image.pixel(1, 1), qRgb(128, 128, 128));
}

TEST(QtCanvas, TextLiesWithinItsExtentFromTheTopLeft)
{
    struct Case {
        const char* name;
        BackgroundMode mode;
        QRgb cell;  // the text cell's pixels away from the ink
    };
    const Case cases[] = {
        {"transparent", BackgroundMode::Transparent, qRgb(128, 128, 128)},
        {"opaque fills the cell white", BackgroundMode::Opaque, qRgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(QColor(128, 128, 128));
        QPainter painter(&image);
        QtCanvas canvas(painter, 96, 96);
        const Canvas::Object font = canvas.CreateFont({"Arial", 240, kBoldWeight, 96});
        const Canvas::Object old = canvas.Select(font);
        canvas.SetBackgroundMode(c.mode);
        const TextSize size = canvas.TextExtent("8");
        canvas.TextOut(10, 12, "8");
        canvas.Select(old);
        canvas.Delete(font);
        painter.end();

        EXPECT_EQ(size.height, 36) << "a 32-pixel Liberation Sans line";
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qRed(image.pixel(x, y)) < 100)
                    ink |= QRect(x, y, 1, 1);
        EXPECT_TRUE(QRect(10, 12, size.width, size.height).contains(ink)) << "ink " << ink.x() << "," << ink.y()
                                                                         << " " << ink.width() << "x" << ink.height();
        EXPECT_GT(ink.height(), size.height / 2);
        EXPECT_EQ(image.pixel(10, 12), c.cell);
        EXPECT_EQ(image.pixel(9, 12), qRgb(128, 128, 128));
    }
}

TEST(QtCanvas, FitsLiberationSansToTheSquaresOfA351Board)
{
    struct Case {
        const char* name;
        int width, height, size;
    };
    const Case cases[] = {
        {"candidate, limits 12 x 12", 13, 13, 90},
        {"square, limits 37 x 37", 39, 39, 252},
        {"candidate on a 1026 board, limits 36 x 36", 38, 38, 243},
        {"square on a 1026 board, limits 108 x 108", 114, 114, 729},
        {"zero height", 39, 0, 9},
    };
    QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QtCanvas canvas(painter, 96, 96);
        EXPECT_EQ(BoardPainter::FitFontSize(canvas, "Arial", c.width, c.height), c.size);
    }
}

TEST(QtCanvas, MeasuresACharacterAsItMeasuresAString)
{
    QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QtCanvas fast(painter, 96, 96, QtCanvas::TextPath::Fast);
    QtCanvas direct(painter, 96, 96, QtCanvas::TextPath::Direct);
    for (int weight : {kNormalWeight, kBoldWeight})
        for (int tenths = 10; tenths <= 1500; tenths += 7) {
            const FontSpec description{"Arial", tenths, weight, 96};
            fast.Select(fast.CreateFont(description));
            direct.Select(direct.CreateFont(description));
            for (const char* text : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "*"}) {
                const TextSize a = fast.TextExtent(text);
                const TextSize b = direct.TextExtent(text);
                EXPECT_EQ(a.width, b.width) << text << " at " << tenths << " tenths, weight " << weight;
                EXPECT_EQ(a.height, b.height) << text << " at " << tenths << " tenths, weight " << weight;
            }
        }
}

}  // namespace
