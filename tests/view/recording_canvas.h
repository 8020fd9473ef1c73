#pragma once

#include "view/canvas.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

// A Canvas that writes each call as a line of text, measures text by a
// script, and notes every use of an object that a device context would not
// allow. Objects #1, #2 and #3 are the pen, brush and font it starts with.
class RecordingCanvas : public Canvas {
public:
    using ExtentScript = std::function<TextSize(const FontSpec& font, const std::string& text)>;

    // Roughly Arial: digits 56 % of the character height wide, lines 115 % high.
    static TextSize ArialLike(const FontSpec& font, const std::string& text)
    {
        const int height = font.PixelHeight();
        return {static_cast<int>(text.size()) * (height * 56 / 100), height * 115 / 100};
    }

    explicit RecordingCanvas(int dpiY = 96, int screenDpiY = 96, ExtentScript extent = ArialLike)
        : dpiY_(dpiY), screenDpiY_(screenDpiY), extent_(std::move(extent))
    {
        selected_[Kind::Pen] = Make(Kind::Pen, "stock pen");
        selected_[Kind::Brush] = Make(Kind::Brush, "stock brush");
        selected_[Kind::Font] = Make(Kind::Font, "stock font");
        stockFont_ = selected_[Kind::Font];
        fonts_[stockFont_] = FontSpec{"System", 120, kNormalWeight, dpiY};
    }

    std::vector<std::string> log;
    std::vector<std::string> problems;  // misuse seen so far

    // Misuse so far, and objects still alive or selected that should not be.
    std::vector<std::string> Leftovers() const
    {
        std::vector<std::string> all = problems;
        for (const auto& [object, description] : alive_)
            if (object > 3)
                all.push_back("never deleted: #" + std::to_string(object) + " " + description);
        for (const auto& [kind, object] : selected_)
            if (object > 3)
                all.push_back("left selected: #" + std::to_string(object));
        return all;
    }

    // The lines that put pixels on the device, in order.
    std::vector<std::string> Drawing() const
    {
        std::vector<std::string> drawing;
        for (const std::string& line : log)
            if (line.rfind("rectangle", 0) == 0 || line.rfind("move", 0) == 0 || line.rfind("line", 0) == 0
                || line.rfind("text ", 0) == 0)
                drawing.push_back(line);
        return drawing;
    }

    // The fonts made, as "face tenths weight dpi", in order.
    std::vector<std::string> FontsMade() const
    {
        std::vector<std::string> fonts;
        for (const std::string& line : log)
            if (line.rfind("font ", 0) == 0)
                fonts.push_back(line.substr(5, line.find(" ->") - 5));
        return fonts;
    }

    static std::string Hex(Colour colour)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%06X", colour);
        return text;
    }

    int DpiY() const override { return dpiY_; }
    int ScreenDpiY() const override { return screenDpiY_; }

    Object CreatePen(Colour colour, int width) override
    {
        return Made(Make(Kind::Pen, "pen " + Hex(colour) + " " + std::to_string(width)));
    }
    Object CreateBrush(Colour colour) override { return Made(Make(Kind::Brush, "brush " + Hex(colour))); }
    Object CreateFont(const FontSpec& font) override
    {
        const Object object = Make(Kind::Font, "font " + Describe(font));
        fonts_[object] = font;
        return Made(object);
    }

    Object Select(Object object) override
    {
        log.push_back("select #" + std::to_string(object));
        const auto found = kinds_.find(object);
        if (found == kinds_.end() || alive_.count(object) == 0) {
            problems.push_back("selected #" + std::to_string(object) + ", which is not alive");
            return 0;
        }
        const Object previous = selected_[found->second];
        selected_[found->second] = object;
        return previous;
    }

    void Delete(Object object) override
    {
        log.push_back("delete #" + std::to_string(object));
        if (object <= 3)
            problems.push_back("deleted stock object #" + std::to_string(object));
        else if (alive_.count(object) == 0)
            problems.push_back("deleted #" + std::to_string(object) + ", which is not alive");
        else if (selected_[kinds_[object]] == object)
            problems.push_back("deleted #" + std::to_string(object) + " while selected");
        else
            alive_.erase(object);
    }

    void Rectangle(int left, int top, int right, int bottom) override
    {
        log.push_back("rectangle " + std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(right)
                      + "," + std::to_string(bottom) + " " + alive_[selected_[Kind::Brush]] + " "
                      + alive_[selected_[Kind::Pen]]);
    }
    void MoveTo(int x, int y) override { log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    void LineTo(int x, int y) override
    {
        log.push_back("line " + std::to_string(x) + "," + std::to_string(y) + " " + alive_[selected_[Kind::Pen]]);
    }
    void TextOut(int x, int y, const std::string& text) override
    {
        const Object font = selected_[Kind::Font];
        if (background_ != BackgroundMode::Transparent)
            problems.push_back("text drawn on an opaque background");
        log.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " \"" + text + "\" ink "
                      + Hex(textColour_) + " " + (font == stockFont_ ? "stock font" : Describe(fonts_[font])));
    }
    TextSize TextExtent(const std::string& text) override
    {
        log.push_back("extent \"" + text + "\"");
        return extent_(fonts_[selected_[Kind::Font]], text);
    }
    void SetTextColour(Colour colour) override
    {
        log.push_back("set text colour " + Hex(colour));
        textColour_ = colour;
    }
    void SetBackgroundMode(BackgroundMode mode) override
    {
        log.push_back(mode == BackgroundMode::Transparent ? "background transparent" : "background opaque");
        background_ = mode;
    }

    Colour TextColour() const { return textColour_; }

private:
    enum class Kind { Pen, Brush, Font };

    static std::string Describe(const FontSpec& font)
    {
        return font.face + " " + std::to_string(font.tenths) + " " + std::to_string(font.weight) + " "
               + std::to_string(font.dpiY);
    }

    Object Make(Kind kind, const std::string& description)
    {
        const Object object = next_++;
        kinds_[object] = kind;
        alive_[object] = description;
        return object;
    }
    Object Made(Object object)
    {
        log.push_back(alive_[object] + " -> #" + std::to_string(object));
        return object;
    }

    int dpiY_;
    int screenDpiY_;
    ExtentScript extent_;
    Object next_ = 1;
    Object stockFont_ = 0;
    std::map<Object, Kind> kinds_;
    std::map<Object, std::string> alive_;
    std::map<Object, FontSpec> fonts_;
    std::map<Kind, Object> selected_;
    Colour textColour_ = 0x000000;
    BackgroundMode background_ = BackgroundMode::Opaque;
};
