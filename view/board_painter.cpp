#include "view/board_painter.h"

namespace {

const std::string kFace = "Arial";

constexpr Colour kPaleCyan = 0xFFFFCC;   // RGB(204, 255, 255): boxes 0, 2, 4, 6, 8 on screen
constexpr Colour kLightGrey = 0xE6E6E6;  // the same boxes on paper
constexpr Colour kWhite = 0xFFFFFF;      // boxes 1, 3, 5, 7
constexpr Colour kGrey = 0x808080;       // borders, sub-grid, candidates, givens
constexpr Colour kBlack = 0x000000;      // placed digits, the pause mark, borders on paper

// The largest probe the fitting makes. A real font reaches its limits long
// before; this only keeps a device that measures nothing from looping forever.
constexpr int kLargestProbeTenths = 10000;

enum class Content { CandidateGrid, PauseMark, Digit, Nothing };

Content ContentOf(const Cell& cell, BoardMode mode)
{
    if (cell.selected == 0 && mode == BoardMode::Playing)
        return Content::CandidateGrid;
    if (cell.selected == 0 && mode == BoardMode::Setup && cell.highlighted != 0)
        return Content::CandidateGrid;
    if (mode == BoardMode::Paused)
        return Content::PauseMark;
    if (cell.selected != 0)
        return Content::Digit;
    return Content::Nothing;
}

// Centres the text in the rectangle; a text larger than its space gets a
// negative offset, halved toward zero. Black is the canvas's colour at every
// other moment, so grey ink is set just around the text.
void DrawCentred(Canvas& canvas, const std::string& text, int left, int top, int width, int height,
                 Colour ink)
{
    const TextSize size = canvas.TextExtent(text);
    if (ink != kBlack)
        canvas.SetTextColour(ink);
    canvas.TextOut(left + (width - size.width) / 2, top + (height - size.height) / 2, text);
    if (ink != kBlack)
        canvas.SetTextColour(kBlack);
}

void DrawCandidateGrid(Canvas& canvas, const Cell& cell, int left, int top, int width, int height)
{
    const int sw = width / 3;
    const int sh = height / 3;
    for (int k = 0; k <= 3; ++k) {
        canvas.MoveTo(left + k * sw, top);
        canvas.LineTo(left + k * sw, top + height);
    }
    for (int k = 0; k <= 3; ++k) {
        canvas.MoveTo(left, top + k * sh);
        canvas.LineTo(left + width, top + k * sh);
    }
    for (int c = 0; c < 9; ++c) {
        if (cell.visible[c] != 0)
            DrawCentred(canvas, std::to_string(c + 1), left + (c % 3) * sw, top + (c / 3) * sh, sw, sh, kGrey);
    }
}

}  // namespace

void BoardPainter::Paint(Canvas& canvas, int left, int top, int width, int height, bool printMode)
{
    metrics_.UpdateMetrics(left, top, width, height);

    int candidateW = metrics_.candidateWidth;
    int candidateH = metrics_.candidateHeight;
    int digitW = metrics_.cellWidth;
    int digitH = metrics_.cellHeight;
    if (printMode) {
        candidateW = candidateW * 75 / 100;
        candidateH = candidateH * 75 / 100;
        digitW = digitW * 75 / 100;
        digitH = digitH * 75 / 100;
    }
    int candidateSize = FitFontSize(canvas, kFace, candidateW, candidateH);
    int digitSize = FitFontSize(canvas, kFace, digitW, digitH);
    if (printMode) {
        candidateSize *= 5;
        digitSize *= 5;
    }

    // The final fonts are made for the screen, even when the device is a printer.
    const int screenDpiY = canvas.ScreenDpiY();
    const Canvas::Object candidateFont = canvas.CreateFont({kFace, candidateSize, kNormalWeight, screenDpiY});
    const FontSpec plainDigit{kFace, digitSize, kNormalWeight, screenDpiY};
    const Canvas::Object plainDigitFont = canvas.CreateFont(plainDigit);
    FontSpec boldDigit = plainDigit;
    boldDigit.weight = kBoldWeight;
    const Canvas::Object digitFont = canvas.CreateFont(boldDigit);

    const BoardMode mode = board_.GetMode();
    for (int i = 0; i < 9; ++i) {
        const Colour background = i % 2 != 0 ? kWhite : printMode ? kLightGrey : kPaleCyan;
        PaintBox(canvas, board_.GetBox(i), left + metrics_.boxWidth * (i % 3), top + metrics_.boxHeight * (i / 3),
                 metrics_.boxWidth, metrics_.boxHeight, background, printMode, candidateFont, digitFont, mode);
    }

    canvas.Delete(digitFont);
    canvas.Delete(plainDigitFont);
    canvas.Delete(candidateFont);
}

int BoardPainter::FitFontSize(Canvas& canvas, const std::string& face, int boxWidth, int boxHeight)
{
    const int wLimit = boxWidth * 95 / 100;
    const int hLimit = boxHeight * 95 / 100;
    int size = 10;
    bool stop = false;
    while (!stop) {
        const Canvas::Object probe = canvas.CreateFont({face, size, kNormalWeight, canvas.DpiY()});
        const Canvas::Object previous = canvas.Select(probe);
        // Every digit below both limits adds a tenth; the first that reaches one ends the fitting.
        for (int d = 1; d <= 9; ++d) {
            const TextSize extent = canvas.TextExtent(std::to_string(d));
            if (extent.width >= wLimit)
                stop = true;
            if (extent.height >= hLimit)
                stop = true;
            else if (!stop)
                ++size;
        }
        canvas.Select(previous);
        canvas.Delete(probe);
        if (size > kLargestProbeTenths)
            stop = true;
    }
    return size - 1;
}

void BoardPainter::PaintBox(Canvas& canvas, const Box& box, int left, int top, int width, int height,
                            Colour background, bool printMode, Canvas::Object candidateFont,
                            Canvas::Object digitFont, BoardMode mode)
{
    const int w = width / 3;
    const int h = height / 3;
    for (int j = 0; j < 9; ++j)
        PaintCell(canvas, box.cells[j], left + w * (j % 3), top + h * (j / 3), w, h, background,
                  printMode, candidateFont, digitFont, mode);
}

void BoardPainter::PaintCell(Canvas& canvas, const Cell& cell, int left, int top, int width, int height,
                             Colour background, bool printMode, Canvas::Object candidateFont,
                             Canvas::Object digitFont, BoardMode mode)
{
    const Canvas::Object brush = canvas.CreateBrush(background);
    const Canvas::Object oldFont = canvas.Select(candidateFont);
    const Canvas::Object oldBrush = canvas.Select(brush);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);

    const Canvas::Object thinPen = canvas.CreatePen(kGrey, 1);
    const Canvas::Object borderPen = printMode ? canvas.CreatePen(kBlack, 4) : canvas.CreatePen(kGrey, 2);
    const Canvas::Object oldPen = canvas.Select(borderPen);
    canvas.Rectangle(left, top, left + width, top + height);
    canvas.Select(thinPen);

    switch (ContentOf(cell, mode)) {
    case Content::CandidateGrid:
        DrawCandidateGrid(canvas, cell, left, top, width, height);
        break;
    case Content::PauseMark:
        canvas.Select(digitFont);
        DrawCentred(canvas, "*", left, top, width, height, kBlack);
        break;
    case Content::Digit:
        canvas.Select(digitFont);
        DrawCentred(canvas, std::to_string(cell.selected), left, top, width, height,
                    cell.given != 0 ? kGrey : kBlack);
        break;
    case Content::Nothing:
        break;
    }

    canvas.Select(oldBrush);
    canvas.Select(oldFont);
    canvas.Select(oldPen);
    canvas.Delete(brush);
    canvas.Delete(thinPen);
    canvas.Delete(borderPen);
}
