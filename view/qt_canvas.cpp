#include "view/qt_canvas.h"

#include <QPainter>

#include <algorithm>

namespace {

QColor ToQColor(Colour c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// The pixels a pen of this width covers across a line through pixel p:
// centred on it, the extra pixel of an even width before it.
int BandStart(int p, int width)
{
    return p - width / 2;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, int dpiY, int screenDpiY, TextPath textPath)
    : painter_(painter), dpiY_(dpiY), screenDpiY_(screenDpiY), textPath_(textPath)
{
    // What a fresh device context holds: a black one-pixel pen, a white
    // brush and the system font.
    pen_ = CreatePen(0x000000, 1);
    brush_ = CreateBrush(0xFFFFFF);
    Item font{Kind::Font};
    font.font = painter_.font();
    font_ = Add(font);
}

Canvas::Object QtCanvas::Add(Item item)
{
    items_.push_back(std::move(item));
    return static_cast<Object>(items_.size());
}

QtCanvas::Item* QtCanvas::Find(Object object)
{
    if (object < 1 || object > static_cast<Object>(items_.size()))
        return nullptr;
    Item& item = items_[object - 1];
    return item.alive ? &item : nullptr;
}

Canvas::Object QtCanvas::CreatePen(Colour colour, int width)
{
    Item pen{Kind::Pen};
    pen.colour = colour;
    pen.width = std::max(1, width);  // width 0 means one pixel
    return Add(pen);
}

Canvas::Object QtCanvas::CreateBrush(Colour colour)
{
    Item brush{Kind::Brush};
    brush.colour = colour;
    return Add(brush);
}

Canvas::Object QtCanvas::CreateFont(const FontSpec& description)
{
    Item font{Kind::Font};
    font.font = QFont(QString::fromStdString(description.face));
    // A height that truncates to nothing still gets the smallest font there is.
    font.font.setPixelSize(std::max(1, description.PixelHeight()));
    font.font.setWeight(description.weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::min(description.weight, 1000)));
    return Add(font);
}

Canvas::Object QtCanvas::Select(Object object)
{
    Item* item = Find(object);
    if (!item)
        return 0;
    Object* slot = item->kind == Kind::Pen ? &pen_ : item->kind == Kind::Brush ? &brush_ : &font_;
    return std::exchange(*slot, object);
}

void QtCanvas::Delete(Object object)
{
    Item* item = Find(object);
    // A selected object stays, as it does on a device context.
    if (!item || object == pen_ || object == brush_ || object == font_)
        return;
    item->alive = false;
    item->metrics.reset();
    item->raw.reset();
    item->font = QFont();
}

QFontMetrics& QtCanvas::Metrics(Item& font)
{
    if (!font.metrics)
        font.metrics.emplace(font.font, painter_.device());
    return *font.metrics;
}

void QtCanvas::FillBand(int left, int top, int right, int bottom, Colour colour)
{
    if (right > left && bottom > top)
        painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return;
    FillBand(left, top, right, bottom, Find(brush_)->colour);

    const Item& pen = *Find(pen_);
    const int w = pen.width;
    const int outerLeft = BandStart(left, w);
    const int outerRight = BandStart(right - 1, w) + w;
    const int outerTop = BandStart(top, w);
    const int outerBottom = BandStart(bottom - 1, w) + w;
    FillBand(outerLeft, outerTop, outerRight, outerTop + w, pen.colour);
    FillBand(outerLeft, BandStart(bottom - 1, w), outerRight, outerBottom, pen.colour);
    FillBand(outerLeft, outerTop, outerLeft + w, outerBottom, pen.colour);
    FillBand(BandStart(right - 1, w), outerTop, outerRight, outerBottom, pen.colour);
}

void QtCanvas::MoveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

void QtCanvas::LineTo(int x, int y)
{
    const Item& pen = *Find(pen_);
    const int w = pen.width;
    const QPoint from = position_;
    position_ = QPoint(x, y);
    // The end point itself is not drawn.
    if (from.y() == y && from.x() != x) {
        const int first = x > from.x() ? from.x() : x + 1;
        const int last = x > from.x() ? x - 1 : from.x();
        FillBand(first, BandStart(y, w), last + 1, BandStart(y, w) + w, pen.colour);
    } else if (from.x() == x && from.y() != y) {
        const int first = y > from.y() ? from.y() : y + 1;
        const int last = y > from.y() ? y - 1 : from.y();
        FillBand(BandStart(x, w), first, BandStart(x, w) + w, last + 1, pen.colour);
    } else if (from != position_) {
        // The board draws no slanted lines; these get Qt's own line, end point included.
        painter_.save();
        painter_.setPen(QPen(ToQColor(pen.colour), w, Qt::SolidLine, Qt::FlatCap));
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(position_) + QPointF(0.5, 0.5));
        painter_.restore();
    }
}

TextSize QtCanvas::TextExtent(const std::string& text)
{
    Item& font = *Find(font_);
    if (textPath_ == TextPath::Fast && text.size() == 1) {
        // A probe font measures each character once anyway; only a font that
        // draws is worth remembering its advances.
        const QFontMetrics& metrics = Metrics(font);
        const int advance = font.drawn ? Advance(font_, text[0]) : metrics.horizontalAdvance(QLatin1Char(text[0]));
        return {advance, metrics.height()};
    }
    const QFontMetrics metrics(font.font, painter_.device());
    return {metrics.horizontalAdvance(QString::fromLatin1(text.data(), static_cast<int>(text.size()))),
            metrics.height()};
}

void QtCanvas::TextOut(int x, int y, const std::string& text)
{
    Item& font = *Find(font_);
    const QString string = QString::fromLatin1(text.data(), static_cast<int>(text.size()));
    const bool fast = textPath_ == TextPath::Fast;
    std::optional<QFontMetrics> direct;
    const QFontMetrics& metrics = fast ? Metrics(font) : direct.emplace(font.font, painter_.device());
    if (backgroundMode_ == BackgroundMode::Opaque)
        FillBand(x, y, x + metrics.horizontalAdvance(string), y + metrics.height(), 0xFFFFFF);
    const QPoint origin(x, y + metrics.ascent());
    painter_.setPen(ToQColor(textColour_));
    font.drawn = true;
    if (fast && text.size() == 1) {
        if (const QGlyphRun* glyph = Glyph(font_, text[0])) {
            painter_.drawGlyphRun(origin, *glyph);
            return;
        }
    }
    painter_.setFont(font.font);
    painter_.drawText(origin, string);
}

int QtCanvas::Advance(Object font, char ch)
{
    Character& character = CharacterOf(font, ch);
    if (!character.advance)
        character.advance = Metrics(*Find(font)).horizontalAdvance(QLatin1Char(ch));
    return *character.advance;
}

const QGlyphRun* QtCanvas::Glyph(Object fontObject, char ch)
{
    Character& character = CharacterOf(fontObject, ch);
    if (!character.glyph) {
        Item& font = *Find(fontObject);
        if (!font.raw)
            font.raw = QRawFont::fromFont(font.font);
        QGlyphRun& run = character.glyph.emplace();
        const QList<quint32> indexes = font.raw->glyphIndexesForString(QString(QLatin1Char(ch)));
        // A character the face lacks is left to QPainter, which finds it in another font.
        if (indexes.size() == 1 && indexes[0] != 0) {
            run.setRawFont(*font.raw);
            run.setGlyphIndexes(indexes);
            run.setPositions({QPointF(0, 0)});
        }
    }
    return character.glyph->isEmpty() ? nullptr : &*character.glyph;
}

void QtCanvas::SetTextColour(Colour colour)
{
    textColour_ = colour;
}

void QtCanvas::SetBackgroundMode(BackgroundMode mode)
{
    backgroundMode_ = mode;
}
