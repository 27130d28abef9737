// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GoalPainter.h"

#include "model/CTime.h"
#include "model/Goal.h"
#include "session/TimeOfDay.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include <cmath>

namespace {

// A rectangle from its edges, the right and bottom ones exclusive.
QRect Edges(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

// The face asked for when it is installed, else its stand-in. Looked up in the list of installed
// families: asking the font system whether a family exists resolves aliases, which costs more
// than the whole list.
QString Family(const QString& wanted) {
    static const QStringList installed = QFontDatabase::families();
    const auto has = [](const QString& family) { return installed.contains(family, Qt::CaseInsensitive); };
    if (has(wanted))
        return wanted;
    const QStringList standIns = QFont::substitutes(wanted);
    for (const QString& standIn : standIns)
        if (has(standIn))
            return standIn;
    return wanted;
}

// Ascent and descent over the em of the faces the program installs, as the font system rounds
// them per pixel size: fonts in these faces are made at the size they are drawn, never loaded at
// another size only to be measured.
struct FaceMetrics {
    const char* family;
    double ascent;
    double descent;
};
constexpr FaceMetrics kKnownFaces[] = {
    {"Liberation Sans", 1854.0 / 2048, 434.0 / 2048},
    {"Arial", 1854.0 / 2048, 434.0 / 2048}, // drawn to the same metrics
    {"DSEG7 Classic", 1.0, 0.0},
};

// The height of a font's cell (ascent + descent) in pixels.
int CellHeight(const QFont& font) {
    for (const FaceMetrics& face : kKnownFaces)
        if (font.family().compare(QLatin1String(face.family), Qt::CaseInsensitive) == 0)
            return qRound(font.pixelSize() * face.ascent) + qRound(font.pixelSize() * face.descent);
    return QFontMetrics(font).height();
}

// A face asked for by name, sized so that its cell is `cellHeight` pixels.
QFont MakeFont(const QString& family, int cellHeight, bool italic = false, bool kerning = true,
               bool bold = false) {
    QFont font(Family(family));
    font.setItalic(italic);
    font.setBold(bold);
    font.setKerning(kerning);
    font.setPixelSize(cellHeight);
    const int measured = CellHeight(font);
    if (measured > 0 && measured != cellHeight)
        font.setPixelSize(std::max(1, cellHeight * cellHeight / measured));
    return font;
}

} // namespace

void GoalPainter::RegisterFontSubstitutes() {
    // Only faces the program installs, so no time goes into looking for absent ones.
    QFont::insertSubstitution(QStringLiteral("Crystal"), QStringLiteral("DSEG7 Classic"));
    QFont::insertSubstitution(QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

GoalPainter::GoalPainter()
    : m_nameFont(MakeFont(QStringLiteral("Arial"), 20, false, false)),
      m_timeFont(MakeFont(QStringLiteral("Crystal"), 20)),
      m_clockFont(MakeFont(QStringLiteral("Arial Rounded MT Bold"), 13, true, true, true)) {
    // Times hold only digits, ':', 'AM' and 'PM': no need to look for fallback faces for them.
    m_timeFont.setStyleStrategy(QFont::NoFontMerging);
    m_clockFont.setStyleStrategy(QFont::NoFontMerging);
    m_lineHeight = CellHeight(m_timeFont);
    // A stand-in for the LCD face draws its digits as tall as its whole cell, so they would touch
    // the selection frame: at three fifths of the line its digits stand about two thirds of it
    // tall, as the LCD face's do. Either way the digits are centred between the frame rows.
    if (m_timeFont.family().compare(QLatin1String("Crystal"), Qt::CaseInsensitive) != 0)
        m_timeFont.setPixelSize(std::max(1, m_lineHeight * 3 / 5));
    QPainterPath digits;
    digits.addText(0, 0, m_timeFont, QStringLiteral("8"));
    const int digitHeight = static_cast<int>(std::ceil(digits.boundingRect().height()));
    m_timeBaseline = (m_lineHeight - 2 - digitHeight) / 2 + digitHeight;
    const QFontMetrics time(m_timeFont);
    m_shortTimeWidth = time.horizontalAdvance(QStringLiteral("88:88"));
    m_timeWidth = m_shortTimeWidth;
    FitNameFont();
    const CTime sample = CTime::GetCurrentTime();
    std::tm today{};
    (void)sample.GetLocalTm(today);
    const CTime halfPast(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday, 12, 28, 0);
    m_clockWidth = QFontMetrics(m_clockFont).horizontalAdvance(TimeOfDay::Of(halfPast));
    m_wheelSize = m_lineHeight;
}

// Accents above capitals and descenders below the line must both stay inside the row, between
// its frame rows: the face is made smaller until their ink fits, and placed where it does.
void GoalPainter::FitNameFont() {
    static const QString tallest =
        QString::fromUtf8("\xc3\x85\xc3\x89\xc3\x91\xc7\xba\xe1\xba\xbegjpqy\xc3\x87|");
    const int room = m_lineHeight - 2;
    QRect ink = QFontMetrics(m_nameFont).tightBoundingRect(tallest);
    while (ink.height() > room && m_nameFont.pixelSize() > 1) {
        m_nameFont.setPixelSize(m_nameFont.pixelSize() - 1);
        ink = QFontMetrics(m_nameFont).tightBoundingRect(tallest);
    }
    m_nameBaseline = std::max(0, room - ink.height()) / 2 - ink.top(); // below the row's top frame
}

bool GoalPainter::SetLongestRemaining(int characters) {
    const int width = std::max(
        m_shortTimeWidth,
        QFontMetrics(m_timeFont).horizontalAdvance(QString(characters - 3, u'8') + QStringLiteral(":88")));
    return std::exchange(m_timeWidth, width) != width;
}

QSize GoalPainter::GetItemSize() const {
    return {m_timeWidth + m_clockWidth + m_maxNameWidth + m_wheelSize + 169, m_lineHeight};
}

void GoalPainter::FitNamesTo(int itemWidth) {
    const int others = GetItemSize().width() - m_maxNameWidth;
    m_nameWidth = std::min(m_maxNameWidth, std::max(itemWidth - others, 4 * m_lineHeight));
}

QString GoalPainter::GetShownName(const Goal& goal) const {
    const QString name = QString::fromStdString(goal.GetName());
    return GetNameWidth(goal) <= m_nameWidth
               ? name
               : QFontMetrics(m_nameFont).elidedText(name, Qt::ElideMiddle, m_nameWidth);
}

int GoalPainter::GetNameWidth(const Goal& goal) const {
    // Names are drawn without kerning, so plain Latin text is as wide as its characters' advances
    // added up; anything else (combining marks, other scripts) is shaped and measured whole.
    // Most names are ASCII: their bytes are their characters, so they need no decoding.
    const std::string& bytes = goal.GetName();
    qreal width = 0;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80)
            return GetTextWidth(QString::fromStdString(bytes));
        width += Advance(code);
    }
    return static_cast<int>(std::ceil(width - 1e-6));
}

qreal GoalPainter::Advance(char16_t code) const {
    if (m_advance[code] <= 0)
        m_advance[code] = std::max<qreal>(QFontMetricsF(m_nameFont).horizontalAdvance(QChar(code)), 1e-9);
    return m_advance[code];
}

int GoalPainter::GetTextWidth(const QString& name) const {
    qreal width = 0;
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        if (code >= m_advance.size() || (code >= 0x80 && code < 0xA0))
            return static_cast<int>(std::ceil(QFontMetricsF(m_nameFont).horizontalAdvance(name)));
        width += Advance(code);
    }
    return static_cast<int>(std::ceil(width - 1e-6));
}

QRect GoalPainter::GetWheelRect(const QRect& item) const {
    return Edges(item.left() + 1, item.top() + 1, item.left() + 1 + m_wheelSize, item.bottom());
}

QRect GoalPainter::GetNameRect(const QRect& item) const {
    const int left = GetWheelRect(item).right() + 1 + 5;
    return Edges(left, item.top() + 1, left + m_nameWidth, item.bottom());
}

QRect GoalPainter::GetRemainingRect(const QRect& item) const {
    const int left = GetNameRect(item).right() + 1 + 10;
    return Edges(left, item.top() + 1, left + m_timeWidth, item.bottom());
}

QRect GoalPainter::GetBarAreaRect(const QRect& item) const {
    const int left = GetRemainingRect(item).right() + 1 + 7;
    return Edges(left, item.top() + 1, item.right() + 1 - m_clockWidth - 8, item.bottom());
}

QRect GoalPainter::GetBarRect(const Goal& goal, const QRect& item) const {
    const QRect area = GetBarAreaRect(item);
    int length = 0;
    if (m_maxTotal > CTimeSpan()) {
        const double share =
            static_cast<double>(goal.GetTotal().GetTotalSeconds()) / m_maxTotal.GetTotalSeconds();
        length = static_cast<int>(std::clamp(share, 0.0, 1.0) * std::max(0, area.width()));
    }
    return Edges(area.left(), area.top(), area.left() + length, area.bottom() + 1);
}

int GoalPainter::GetBarFill(const Goal& goal, const QRect& item) const {
    return goal.GetBar().FillLength(GetBarRect(goal, item).width() - 1);
}

QString GoalPainter::GetFinishText(const Goal& goal) {
    return TimeOfDay::Of(CTime::GetCurrentTime() + goal.GetRemaining());
}

QRect GoalPainter::GetFinishRect(const Goal& goal, const QRect& item) const {
    const int left = GetBarRect(goal, item).right() + 1 + 3;
    return Edges(left, item.top() + 1, left + m_clockWidth, item.bottom());
}

// One line of text, vertically centred in the rectangle and cut at its edges. Text that fits is
// drawn straight at its place, which is much cheaper than laying it out in the rectangle.
void GoalPainter::DrawText(QPainter& painter, const QRect& rect, Qt::Alignment align, const QString& text,
                           int width, int baseline) {
    if (width > rect.width()) {
        painter.drawText(rect, static_cast<int>(align) | Qt::AlignVCenter | Qt::TextSingleLine, text);
        return;
    }
    const int x = align & Qt::AlignRight ? rect.right() + 1 - width : rect.left();
    int y = rect.top() + baseline;
    if (baseline < 0) {
        const QFontMetrics metrics = painter.fontMetrics();
        y = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent();
    }
    painter.drawText(QPoint(x, y), text);
}

int GoalPainter::TimeWidth(const QFont& font, QHash<QString, int>& widths, const QString& text) const {
    if (const auto known = widths.constFind(text); known != widths.cend())
        return *known;
    if (widths.size() > 1000)
        widths.clear(); // a day's worth of times at most
    const int width = QFontMetrics(font).horizontalAdvance(text);
    widths.insert(text, width);
    return width;
}

void GoalPainter::Draw(QPainter& painter, const Goal& goal, const QRect& item, const QRegion* region) const {
    // Only the parts the region needs: a tick repaints the wheel and the bar, and text is the
    // dearest part to draw. Text rectangles are widened a little for glyphs that overhang, but
    // not as far as the bar beside them, which changes every tick.
    const auto needed = [region](const QRect& part, int overhang) {
        return region == nullptr || region->intersects(part.adjusted(-overhang, 0, overhang, 0));
    };
    const bool done = goal.IsDone();
    const QColor timeColor = done ? kDoneTimeColor : kTimeColor;
    if (const QRect name = GetNameRect(item); needed(name, 3)) {
        painter.setPen(done ? kDoneNameColor : kNameColor);
        painter.setFont(m_nameFont);
        // Drawn as typed: an '&' in a name is a character, not a mnemonic.
        const int width = GetNameWidth(goal);
        if (width <= m_nameWidth) {
            DrawText(painter, name, Qt::AlignLeft, QString::fromStdString(goal.GetName()), width,
                     m_nameBaseline);
        } else {
            const QString shown = GetShownName(goal);
            DrawText(painter, name, Qt::AlignLeft, shown, QFontMetrics(m_nameFont).horizontalAdvance(shown),
                     m_nameBaseline);
        }
    }
    if (const QRect remaining = GetRemainingRect(item); needed(remaining, 3)) {
        painter.setPen(timeColor);
        painter.setFont(m_timeFont);
        const QString text = QString::fromStdString(goal.GetRemainingText());
        DrawText(painter, remaining, Qt::AlignRight, text, TimeWidth(m_timeFont, m_timeWidths, text),
                 m_timeBaseline);
    }
    if (const QRect bar = GetBarRect(goal, item); needed(bar, 0))
        DrawBar(painter, goal.GetBar(), bar, done);
    if (!goal.IsRunning())
        return;
    if (const QRect wheel = GetWheelRect(item); needed(wheel, 0)) {
        // Clipped to its own rectangle, the wheel is copied as a block; under the many-rectangle
        // clip of a tick's update it would be blended span by span. The list sets no clip of its
        // own, so turning clipping off again is cheaper than saving and restoring the painter.
        // At a fractional scale the picture's rounded size may reach a pixel past the wheel.
        const qreal ratio = painter.device()->devicePixelRatioF();
        const bool clip = (region != nullptr && region->rectCount() > 1) || ratio != static_cast<int>(ratio);
        if (clip)
            painter.setClipRect(wheel);
        painter.drawImage(wheel.topLeft(), WheelImage(goal.GetWheel(), wheel.size(), ratio));
        if (clip)
            painter.setClipping(false);
    }
    if (const QRect finish = GetFinishRect(goal, item); needed(finish, 3)) {
        painter.setPen(timeColor);
        painter.setFont(m_clockFont);
        const QString text = GetFinishText(goal);
        DrawText(painter, finish, Qt::AlignLeft, text, TimeWidth(m_clockFont, m_clockWidths, text));
    }
}

void GoalPainter::DrawFrame(QPainter& painter, const QRect& item, bool selected, bool focused,
                            const QRegion* region) {
    const QColor color = selected ? kSelectedFrameColor : (focused ? kFocusFrameColor : QColor(Qt::black));
    // The selection of a list without the keyboard's focus is dotted: where the keys go shows.
    const bool dotted = selected && !focused;
    const QRect frame = Edges(item.left(), item.top(), item.right(), item.bottom() + 1); // right edge one in
    for (const QRect edge : {QRect(frame.left(), frame.top(), frame.width(), 1),
                             QRect(frame.left(), frame.bottom(), frame.width(), 1),
                             QRect(frame.left(), frame.top(), 1, frame.height()),
                             QRect(frame.right(), frame.top(), 1, frame.height())})
        if (region == nullptr || region->intersects(edge)) {
            if (dotted)
                painter.fillRect(edge, Qt::black);
            painter.fillRect(edge, dotted ? QBrush(color, Qt::Dense4Pattern) : QBrush(color));
        }
}

void GoalPainter::DrawBar(QPainter& painter, const ProgressBar& bar, QRect rect, bool greyed) {
    // Edges: left, top, right and bottom, the last two exclusive.
    const int left = rect.left();
    const int top = rect.top() + 2;
    const int right = rect.right() + 1;
    const int bottom = rect.bottom() + 1 - 2;
    if (right - left < 1 || bottom - top < 1)
        return;
    const QColor frameColor = greyed ? kDoneBarColor : kBarFrameColor;
    painter.fillRect(Edges(left, top, right, top + 1), frameColor);
    painter.fillRect(Edges(left, bottom - 1, right, bottom), frameColor);
    painter.fillRect(Edges(left, top, left + 1, bottom), frameColor);
    painter.fillRect(Edges(right - 1, top, right, bottom), frameColor);

    const int fill = bar.FillLength(right - left - 1);
    if (left + fill > left + 1)
        painter.fillRect(Edges(left + 1, top + 1, left + fill, bottom - 1),
                         greyed ? kDoneBarColor : kBarFillColor);
}

// The wheel's thirteen states (no gap yet, then a gap at each spoke) drawn once and copied at
// every tick, instead of twelve lines drawn each time.
const QImage& GoalPainter::WheelImage(const ClockWheel& wheel, QSize size, qreal ratio) const {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (m_wheelImages.front().size() != pixels || m_wheelImages.front().devicePixelRatio() != ratio) {
        for (int gap = -1; gap < ClockWheel::kSpokes; ++gap) {
            QImage& image = m_wheelImages[static_cast<std::size_t>(gap + 1)];
            image = QImage(pixels, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            ClockWheel state;
            while (state.GetCurrent() != gap)
                state.Advance();
            DrawWheel(painter, state, QRect(QPoint(0, 0), pixels));
            painter.end();
            image.setDevicePixelRatio(ratio);
        }
    }
    return m_wheelImages[static_cast<std::size_t>(wheel.GetCurrent() + 1)];
}

void GoalPainter::DrawWheel(QPainter& painter, const ClockWheel& wheel, const QRect& rect) {
    // A circle centred in the rectangle, outer radius half its height, inner radius half that;
    // twelve one-pixel spokes clockwise from three o'clock, the current one in the background colour.
    const int width = rect.width();
    const int height = rect.height();
    const double cx = rect.left() + (width + 1) / 2;
    const double cy = rect.top() + (height + 1) / 2;
    const double scale = std::min(width / 10000.0, height / 20000.0);
    constexpr double kInner = 5000;
    constexpr double kOuter = 10000;
    constexpr double kPi = 3.1415927410125732;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    double theta = 0;
    for (int i = 0; i < ClockWheel::kSpokes; ++i) {
        painter.setPen(QPen(i == wheel.GetCurrent() ? QColor(Qt::black) : kSpokeColor, 0));
        const QPointF from(cx + std::trunc(kInner * std::cos(theta)) * scale,
                           cy - std::trunc(kInner * std::sin(theta)) * scale);
        const QPointF to(cx + std::trunc(kOuter * std::cos(theta)) * scale,
                         cy - std::trunc(kOuter * std::sin(theta)) * scale);
        painter.drawLine(from.toPoint(), to.toPoint());
        theta -= kPi / (ClockWheel::kSpokes * 0.5);
    }
    painter.restore();
}
