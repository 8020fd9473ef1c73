#pragma once

#include "board/board.h"
#include "board/board_host.h"
#include "view/board_painter.h"
#include "view/layout_metrics.h"

#include <QPointer>
#include <QWidget>

#include <optional>

// The child window that shows a Board and hands it the mouse. It is the
// Board's host: the Board asks it to repaint, and through it posts its
// messages to the owner. The Board must outlive the window.
class BoardWindow : public QWidget, public BoardHost {
    Q_OBJECT

public:
    BoardWindow(Board& board, QWidget* parent);  // sets itself as the board's host
    ~BoardWindow() override;

    const LayoutMetrics& Metrics() const { return painter_.Metrics(); }  // of the last paint
    int PaintCount() const { return paintCount_; }
    int ControlId() const { return controlId_; }
    void SetControlId(int id) { controlId_ = id; }

    void Repaint() override;
    void PostToOwner(int message) override;
    void SetOwner(QObject* owner) { owner_ = owner; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::optional<SquareHit> HitTestAt(const QPointF& position) const;

    Board& board_;
    BoardPainter painter_;
    QPointer<QObject> owner_;
    int paintCount_ = 0;
    int controlId_ = 0;
};

// Makes the board's window as a visible child of the parent, which becomes
// the owner of the board's messages, at (10, 10)-(300, 200). The parent's
// layout gives it its real size before it is ever painted.
BoardWindow* CreateBoardWindow(Board& board, QWidget* parent, int id);
