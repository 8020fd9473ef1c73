#pragma once

#include "board/board.h"
#include "view/board_painter.h"
#include "view/qt_canvas.h"

#include <QImage>
#include <QPainter>

// Paints a board into a fresh image of the given logical size at a device
// pixel ratio, as the board's window paints itself at 96 dpi. Pixels the
// painter leaves alone stay magenta.
inline QImage PaintToImage(const Board& board, QSize size, int ratio = 1,
                           QtCanvas::TextPath path = QtCanvas::TextPath::Fast, bool printMode = false)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QtCanvas canvas(painter, 96, 96, path);
    BoardPainter(board).Paint(canvas, 0, 0, size.width(), size.height(), printMode);
    return image;
}
