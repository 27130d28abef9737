// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTimeSpan.h"

#include <QColor>
#include <QFontMetricsF>

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <array>

class ClockWheel;
class Goal;
class ProgressBar;
class QPainter;

// Fonts, metrics, layout and drawing of one goal's line in the list: wheel, name, Remaining
// time, bar and finish time. All sizes are measured from the fonts actually obtained.
class GoalPainter final {
public:
    // The faces the list asks for by name, with the installed fonts that stand in for them.
    static void RegisterFontSubstitutes();

    GoalPainter();

    [[nodiscard]] int GetLineHeight() const { return m_lineHeight; }
    [[nodiscard]] int GetTimeWidth() const { return m_timeWidth; }
    [[nodiscard]] int GetClockWidth() const { return m_clockWidth; }
    // Width for the widest name, height of one line.
    [[nodiscard]] QSize GetItemSize() const;
    [[nodiscard]] int GetNameWidth(const Goal& goal) const;
    void SetMaxNameWidth(int width) { m_maxNameWidth = width; }
    // The room the name column may take in an item `itemWidth` wide: whatever leaves the time,
    // the bar and the finish time their widths, up to the widest name, never less than a few
    // characters. A longer name is drawn cut in the middle.
    void FitNamesTo(int itemWidth);
    // The name as drawn in an item: whole when it fits, else with "…" in its middle.
    [[nodiscard]] QString GetShownName(const Goal& goal) const;
    void SetMaxTotal(CTimeSpan total) { m_maxTotal = total; }
    // The Remaining column widens for the longest time shown, so every hour digit is drawn.
    // Returns whether the width changed.
    bool SetLongestRemaining(int characters);

    // Parts of an item's line, for drawing and for repainting only what changed.
    [[nodiscard]] QRect GetWheelRect(const QRect& item) const;
    [[nodiscard]] QRect GetNameRect(const QRect& item) const;
    [[nodiscard]] QRect GetRemainingRect(const QRect& item) const;
    [[nodiscard]] QRect GetBarAreaRect(const QRect& item) const;
    [[nodiscard]] QRect GetBarRect(const Goal& goal, const QRect& item) const;
    // How many pixels of the bar are filled.
    [[nodiscard]] int GetBarFill(const Goal& goal, const QRect& item) const;
    [[nodiscard]] QRect GetFinishRect(const Goal& goal, const QRect& item) const;
    [[nodiscard]] static QString GetFinishText(const Goal& goal);

    // Draws the goal over a black background; with a region, only the parts it needs. Any clip
    // the painter had is turned off.
    void Draw(QPainter& painter, const Goal& goal, const QRect& item, const QRegion* region = nullptr) const;
    // The selection or focus frame around an item (black when neither, to clear an old one); only
    // its edges that meet `region`, when given.
    static void DrawFrame(QPainter& painter, const QRect& item, bool selected, bool focused,
                          const QRegion* region = nullptr);
    static void DrawBar(QPainter& painter, const ProgressBar& bar, QRect rect, bool greyed);
    static void DrawWheel(QPainter& painter, const ClockWheel& wheel, const QRect& rect);
    // The wheel as DrawWheel draws it over black, from images made once per size: drawn in the
    // screen's own pixels (`ratio` to a logical one), so its spokes stay one pixel wide and even.
    [[nodiscard]] const QImage& WheelImage(const ClockWheel& wheel, QSize size, qreal ratio = 1) const;

    static inline const QColor kNameColor{255, 255, 255};
    static inline const QColor kDoneNameColor{127, 127, 127};
    static inline const QColor kTimeColor{0, 255, 255};
    static inline const QColor kDoneTimeColor{63, 63, 63};
    static inline const QColor kBarFrameColor{128, 128, 128};
    static inline const QColor kDoneBarColor{64, 64, 64};
    static inline const QColor kBarFillColor{0, 128, 128};
    static inline const QColor kSpokeColor{255, 0, 255};
    static inline const QColor kSelectedFrameColor{192, 192, 192};
    static inline const QColor kFocusFrameColor{128, 128, 128};

private:
    void FitNameFont();
    // A name character's advance, measured the first time it is met.
    qreal Advance(char16_t code) const;
    // The width of a name that is not plain ASCII.
    int GetTextWidth(const QString& name) const;
    // `width` is the text's measured width; `baseline` below the rectangle's top; -1 centres the
    // font's cell in it.
    static void DrawText(QPainter& painter, const QRect& rect, Qt::Alignment align, const QString& text,
                         int width, int baseline = -1);
    // The width of a time as `font` draws it, measured once per text: times repeat all day, and
    // shaping a text costs about as much as drawing it.
    [[nodiscard]] int TimeWidth(const QFont& font, QHash<QString, int>& widths, const QString& text) const;

    int m_lineHeight = 0;
    int m_timeBaseline = -1;
    int m_nameBaseline = -1;
    int m_shortTimeWidth = 0;
    int m_timeWidth = 0;
    int m_clockWidth = 0;
    int m_wheelSize = 0;
    int m_maxNameWidth = 0;
    int m_nameWidth = 0; // the name column as drawn: the widest name, or the room there is
    CTimeSpan m_maxTotal;
    QFont m_nameFont;
    // Advances of the name font's Latin characters, filled as they are first met: names are
    // measured on every change of the list, and most are plain text.
    mutable std::array<qreal, 0x250> m_advance{};
    QFont m_timeFont;
    QFont m_clockFont;
    mutable std::array<QImage, 13> m_wheelImages;
    mutable QHash<QString, int> m_timeWidths;
    mutable QHash<QString, int> m_clockWidths;
};
