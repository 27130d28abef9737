// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusPane.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Whether `after` is `before` with some digits changed, as a clock's pane changes at a tick.
bool DigitsChanged(QStringView before, QStringView after) {
    return before.size() == after.size() &&
           std::equal(before.begin(), before.end(), after.begin(),
                      [](QChar a, QChar b) { return a == b || (a.isDigit() && b.isDigit()); });
}

} // namespace

StatusPane::StatusPane(const QString& sample, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(sample) + 8);
}

void StatusPane::SetText(const QString& text) {
    if (text == m_text)
        return;
    QRect changed = contentsRect();
    if (m_words >= 0 && DigitsChanged(m_text, text)) {
        // Digits of one width leave the text as wide as it was: only the digits are drawn again,
        // not the words before them (shaping and blending text is most of what a tick costs).
        changed.setLeft(DigitsLeft());
    } else {
        // The words end at the last space before the first digit, so no glyph of theirs overhangs
        // what is drawn again.
        const auto digit = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        m_split =
            digit == text.begin() ? 0 : text.lastIndexOf(QLatin1Char(' '), digit - text.begin() - 1) + 1;
        const QFontMetricsF exact(font());
        m_words = exact.horizontalAdvance(text.left(m_split));
        for (char c = '1'; c <= '9'; ++c)
            if (exact.horizontalAdvance(QLatin1Char(c)) != exact.horizontalAdvance(QLatin1Char('0')))
                m_words = -1; // a font with digits of their own widths: measured each time
        const int needed = fontMetrics().horizontalAdvance(text) + Indent() + 2 * frameWidth() + 1;
        if (needed > minimumWidth())
            setMinimumWidth(needed); // grows rather than cutting the text; the bar lays out again
    }
    m_text = text;
    setAccessibleDescription(text.trimmed()); // read out as the pane's text
    update(changed);
}

void StatusPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        m_words = -1; // measured again with the next text
    QFrame::changeEvent(event);
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
    const QPointF at(text.left(), text.top() + (text.height() - exact.height()) / 2 + exact.ascent());
    // New digits alone: the words are neither shaped nor drawn, the digits drawn where they stand.
    if (m_words >= 0 && event->rect().left() >= DigitsLeft())
        painter.drawText(at + QPointF(m_words, 0), m_text.mid(m_split));
    else
        painter.drawText(at, m_text);
}
