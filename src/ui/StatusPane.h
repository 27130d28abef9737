// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

// A status bar pane drawn as a sunken label. A new text repaints this pane alone: unlike a label,
// it asks the bar for a new layout only when the text needs more room than it has.
class StatusPane final : public QFrame {
    Q_OBJECT

public:
    // As wide as `sample` at least.
    StatusPane(const QString& sample, QWidget* parent);

    void SetText(const QString& text);
    [[nodiscard]] const QString& text() const { return m_text; }
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    [[nodiscard]] int Indent() const { return fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2; }
    // Where the digits' repaint starts: one pixel before the words end, for rounding.
    [[nodiscard]] int DigitsLeft() const {
        return contentsRect().left() + Indent() + static_cast<int>(m_words) - 1;
    }

    QString m_text;
    qsizetype m_split = 0; // where the words before the digits end
    qreal m_words = -1;    // their width; -1 when not known
};
