#pragma once

#include <cstdint>
#include <string>

// A colour as 0x00BBGGRR: red in the low byte, blue in the third.
using Colour = uint32_t;

constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Font weights as the board uses them: 0 asks for the face's normal weight.
constexpr int kNormalWeight = 0;
constexpr int kBoldWeight = 700;

// A font made the way a point font is made: a size in tenths of a point for
// a device of some vertical resolution, which fixes its character height in
// pixels, truncated.
struct FontSpec {
    std::string face;
    int tenths = 0;
    int weight = kNormalWeight;
    int dpiY = 96;

    int PixelHeight() const { return dpiY * tenths / 720; }
};

struct TextSize {
    int width = 0;
    int height = 0;  // the font's full line height, ascent plus descent
};

enum class BackgroundMode { Opaque, Transparent };

// The few drawing calls the board painter needs, in the manner of a device
// context: objects are made, selected (which hands back the object of the
// same kind selected before), restored and deleted. Coordinates are pixels;
// right and bottom edges of a Rectangle and the end point of a LineTo are
// excluded. The initial text colour is black and the background mode opaque.
class Canvas {
public:
    using Object = int;  // a pen, brush or font made on this canvas; never 0

    virtual ~Canvas() = default;

    // Vertical resolution of the device, and of the screen, in dots per inch.
    virtual int DpiY() const = 0;
    virtual int ScreenDpiY() const = 0;

    virtual Object CreatePen(Colour colour, int width) = 0;  // solid
    virtual Object CreateBrush(Colour colour) = 0;           // solid
    virtual Object CreateFont(const FontSpec& font) = 0;
    virtual Object Select(Object object) = 0;
    virtual void Delete(Object object) = 0;  // only once it is no longer selected

    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;  // (x, y) is the top left
    virtual TextSize TextExtent(const std::string& text) = 0;
    virtual void SetTextColour(Colour colour) = 0;
    virtual void SetBackgroundMode(BackgroundMode mode) = 0;
};
