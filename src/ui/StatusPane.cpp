// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusPane.h"

#include <QPainter>
#include <QStyle>

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
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect text = contentsRect().adjusted(Indent(), 0, 0, 0);
    style()->drawItemText(&painter, text, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), m_text,
                          foregroundRole());
}
