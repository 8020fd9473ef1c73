#pragma once

#include "board/board.h"
#include "view/canvas.h"
#include "view/layout_metrics.h"

#include <string>

// Draws a Board into a Canvas: nine boxes in alternating colours, every
// square with its border and its digit, its candidates or the pause mark.
// Fonts are fitted to the squares afresh at every paint; all that outlives
// a paint is the layout of the rectangle painted, which hit-testing reads.
class BoardPainter {
public:
    explicit BoardPainter(const Board& board) : board_(board) {}

    // Draws the grid over 27 units from (left, top) and takes the
    // rectangle's layout as the metrics. Print mode fits the fonts to 75 %
    // of the squares at five times the size, for a device whose pixels are
    // finer than the screen's, and prints light grey boxes with black borders.
    void Paint(Canvas& canvas, int left, int top, int width, int height, bool printMode);
    const LayoutMetrics& Metrics() const { return metrics_; }

    // The size in tenths of a point, one tenth below the first probe whose
    // digits reach 95 % of the box's width or height.
    static int FitFontSize(Canvas& canvas, const std::string& face, int boxWidth, int boxHeight);

    // The nine squares of one box.
    static void PaintBox(Canvas& canvas, const Box& box, int left, int top, int width, int height,
                         Colour background, bool printMode, Canvas::Object candidateFont,
                         Canvas::Object digitFont, BoardMode mode);
    static void PaintCell(Canvas& canvas, const Cell& cell, int left, int top, int width, int height,
                          Colour background, bool printMode, Canvas::Object candidateFont,
                          Canvas::Object digitFont, BoardMode mode);

private:
    const Board& board_;
    LayoutMetrics metrics_;
};
