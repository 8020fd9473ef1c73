#pragma once

#include "view/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPoint>
#include <QRawFont>

#include <map>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

// A Canvas over a QPainter, in the painter's logical pixels, so a device
// with a high pixel ratio gets the drawing at its full resolution. Lines and
// rectangle outlines are filled as whole-pixel bands, the pen centred on the
// pixels of the edge, the extra pixel of an even width above or to the left.
// Objects live as long as the canvas; make one per paint.
class QtCanvas : public Canvas {
public:
    // Direct sends every text through QPainter as it comes, to be laid out
    // and measured afresh each time. Fast measures a single character once
    // per font and draws it as a glyph looked up once per font, which also
    // spares the font file from being resized to measure between drawings.
    // Both give the same pixels.
    enum class TextPath { Direct, Fast };

    QtCanvas(QPainter& painter, int dpiY, int screenDpiY, TextPath textPath = TextPath::Fast);

    int DpiY() const override { return dpiY_; }
    int ScreenDpiY() const override { return screenDpiY_; }

    Object CreatePen(Colour colour, int width) override;
    Object CreateBrush(Colour colour) override;
    Object CreateFont(const FontSpec& font) override;
    Object Select(Object object) override;
    void Delete(Object object) override;

    void Rectangle(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    TextSize TextExtent(const std::string& text) override;
    void SetTextColour(Colour colour) override;
    void SetBackgroundMode(BackgroundMode mode) override;

private:
    enum class Kind { Pen, Brush, Font };
    struct Item {
        explicit Item(Kind k) : kind(k) {}
        Kind kind;
        bool alive = true;
        Colour colour = 0;
        int width = 0;
        QFont font;
        std::optional<QFontMetrics> metrics;  // made when first needed
        std::optional<QRawFont> raw;          // likewise
        bool drawn = false;                   // some text has been drawn in it
    };

    struct Character {
        std::optional<int> advance;
        std::optional<QGlyphRun> glyph;  // empty when the face has none of its own
    };

    Object Add(Item item);
    Item* Find(Object object);
    QFontMetrics& Metrics(Item& font);
    void FillBand(int left, int top, int right, int bottom, Colour colour);
    Character& CharacterOf(Object font, char ch) { return characters_[{font, ch}]; }
    int Advance(Object font, char ch);
    const QGlyphRun* Glyph(Object font, char ch);

    QPainter& painter_;
    const int dpiY_;
    const int screenDpiY_;
    const TextPath textPath_;
    std::vector<Item> items_;  // object n is items_[n - 1]
    Object pen_ = 0;
    Object brush_ = 0;
    Object font_ = 0;
    QPoint position_;
    Colour textColour_ = 0x000000;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    std::map<std::pair<Object, char>, Character> characters_;
};
