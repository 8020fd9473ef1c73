#include "view/board_window.h"

#include "view/qt_canvas.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

BoardWindow::BoardWindow(Board& board, QWidget* parent) : QWidget(parent), board_(board), painter_(board)
{
    // The painter covers every pixel of the grid, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    board_.SetHost(this);
}

BoardWindow::~BoardWindow()
{
    board_.SetHost(nullptr);
}

void BoardWindow::Repaint()
{
    update();
}

void BoardWindow::PostToOwner(int message)
{
    if (owner_)
        QCoreApplication::postEvent(owner_, new QEvent(static_cast<QEvent::Type>(message)));
}

void BoardWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QtCanvas canvas(painter, logicalDpiY(), logicalDpiY());
    painter_.Paint(canvas, 0, 0, width(), height(), false);
    ++paintCount_;
}

void BoardWindow::resizeEvent(QResizeEvent*)
{
    // Fonts and squares follow the size, so every pixel changes.
    update();
}

std::optional<SquareHit> BoardWindow::HitTestAt(const QPointF& position) const
{
    // The pixel under the pointer, also where a high-resolution screen
    // reports a fraction of one.
    return Metrics().HitTest(static_cast<int32_t>(std::floor(position.x())),
                             static_cast<int32_t>(std::floor(position.y())));
}

void BoardWindow::mousePressEvent(QMouseEvent* event)
{
    const std::optional<SquareHit> hit = HitTestAt(event->position());
    if (!hit)
        return;
    if (event->button() == Qt::LeftButton)
        board_.LeftClick(hit->box, hit->cell, hit->candidate);
    else if (event->button() == Qt::RightButton)
        board_.RightClick(hit->box, hit->cell, hit->candidate);
}

void BoardWindow::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click is not a click of its own: a
    // double right click hides a candidate once rather than hiding it and
    // showing it again.
}

void BoardWindow::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<SquareHit> hit = HitTestAt(event->position());
    if (hit)
        board_.MouseMove(true, hit->box, hit->cell);
    else
        board_.MouseMove(false, 0, 0);
}

// The mouse can leave faster than a move lands on the window's edge; the
// hover highlight must not stay behind when it does.
void BoardWindow::leaveEvent(QEvent* event)
{
    board_.MouseMove(false, 0, 0);
    QWidget::leaveEvent(event);
}

BoardWindow* CreateBoardWindow(Board& board, QWidget* parent, int id)
{
    auto* window = new BoardWindow(board, parent);
    window->SetOwner(parent);
    window->SetControlId(id);
    window->setObjectName("board");
    window->setGeometry(10, 10, 290, 190);
    window->show();
    return window;
}
