// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusPane.h"

#include <QPaintEvent>
#include <QPainter>

StatusPane::StatusPane(const QString& sample, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(sample) + 8);
}

void StatusPane::SetText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleDescription(text.trimmed()); // read out as the pane's text
    const int needed = fontMetrics().horizontalAdvance(text) + Indent() + 2 * frameWidth() + 1;
    if (needed > minimumWidth())
        setMinimumWidth(needed); // grows rather than cutting the text; the bar lays out again
    update(contentsRect());
}

QSize StatusPane::sizeHint() const { return {minimumWidth(), fontMetrics().height() + 2 * frameWidth()}; }

// Drawn as a label with a frame draws its text: left, centred in height, half an 'x' in.
void StatusPane::paintEvent(QPaintEvent* event) {
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event); // a new text repaints inside the frame only
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect text = contentsRect().adjusted(Indent(), 0, 0, 0);
    // Where a label's layout puts the baseline, without laying the text out at every paint.
    const QFontMetricsF exact(font());
    painter.drawText(QPointF(text.left(), text.top() + (text.height() - exact.height()) / 2 + exact.ascent()),
                     m_text);
}
