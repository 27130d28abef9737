// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusPane.h"

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
    // Measuring a text lays it out, which costs more than drawing it: measured only when a
    // generous estimate from its characters' own widths says it might not fit.
    const QFontMetrics metrics = fontMetrics();
    int estimate = Indent() + 2 * frameWidth() + 1 + metrics.averageCharWidth();
    for (const QChar c : text)
        estimate += metrics.horizontalAdvance(c);
    if (estimate > minimumWidth()) {
        const int needed = metrics.horizontalAdvance(text) + Indent() + 2 * frameWidth() + 1;
        if (needed > minimumWidth())
            setMinimumWidth(needed); // grows rather than cutting the text; the bar lays out again
    }
    update(contentsRect());
}

QSize StatusPane::sizeHint() const { return {minimumWidth(), fontMetrics().height() + 2 * frameWidth()}; }

// Drawn as a label with a frame draws its text: left, centred in height, half an 'x' in. Drawn at
// its baseline, a line of text needs no layout of its own.
void StatusPane::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect text = contentsRect().adjusted(Indent(), 0, 0, 0);
    const QFontMetricsF metrics(font());
    painter.setPen(QPen(palette().brush(foregroundRole()), 0));
    painter.drawText(
        QPointF(text.left(), text.top() + (text.height() - metrics.height()) / 2.0 + metrics.ascent()),
        m_text);
}
