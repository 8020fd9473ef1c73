#include "app/status_part.h"

#include <QPainter>

namespace {
constexpr int kMargin = 3;
}

StatusPart::StatusPart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void StatusPart::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

QSize StatusPart::sizeHint() const
{
    // Independent of the text, so a new text never asks for a new layout.
    return QSize(qMax(minimumWidth(), kMargin * 2), fontMetrics().height() + kMargin);
}

void StatusPart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().windowText().color());
    const QRect textRect = rect().adjusted(kMargin, 0, -kMargin, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text_, Qt::ElideRight, textRect.width()));
}
