// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GoalListBox.h"

#include "model/GoalList.h"
#include "ui/GoalListAccessible.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <cstdlib>

namespace {

std::int64_t Magnitude(const Goal& goal) {
    return std::abs(std::int64_t{goal.GetRemaining().GetTotalSeconds()});
}

} // namespace

GoalListBox::GoalListBox(GoalList& goals, QWidget* parent) : QAbstractScrollArea(parent), m_goals(goals) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    // The list paints every pixel itself, black first: no background fill of its own.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    QPalette black = palette();
    black.setColor(QPalette::Base, Qt::black);
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    static const bool described = (QAccessible::installFactory(&GoalListAccessible::Factory), true);
    static_cast<void>(described);
}

void GoalListBox::TellAccessibility(QAccessible::Event kind, int index) {
    if (!QAccessible::isActive() || index < 0 || index >= m_goals.GetCount())
        return; // no reader listens: nothing is made
    QAccessibleEvent event(this, kind);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

QRect GoalListBox::GetItemRect(int index) const {
    const int height = m_painter.GetLineHeight();
    // Items span the list: a window widened for its status panes gives the bars the room.
    return {0, index * height - verticalScrollBar()->value(), viewport()->width(), height};
}

int GoalListBox::ItemAt(const QPoint& point) const {
    const int height = m_painter.GetLineHeight();
    if (height <= 0 || point.y() < 0)
        return -1;
    const int index = (point.y() + verticalScrollBar()->value()) / height;
    return index < m_goals.GetCount() ? index : -1;
}

bool GoalListBox::UpdateLayout() {
    const int oldWidth = m_maxNameWidth;
    const CTimeSpan oldTotal = m_maxTotal;
    m_maxNameWidth = 0;
    const Goal* longest = nullptr; // the Remaining time farthest from zero has the longest text
    for (int i = 0; i < m_goals.GetCount(); ++i) {
        const Goal& goal = m_goals.GetAt(i);
        m_maxNameWidth = std::max(m_maxNameWidth, m_painter.GetNameWidth(goal));
        if (longest == nullptr || Magnitude(goal) > Magnitude(*longest))
            longest = &goal;
    }
    m_maxTotal = m_goals.GetMaxTotal();
    m_painter.SetMaxNameWidth(m_maxNameWidth);
    m_painter.SetMaxTotal(m_maxTotal);
    const bool timeWidened = m_painter.SetLongestRemaining(
        longest == nullptr ? 0 : static_cast<int>(longest->GetRemainingText().size()));
    m_painter.FitNamesTo(viewport()->width());
    return m_maxNameWidth != oldWidth || m_maxTotal != oldTotal || timeWidened;
}

// As small as one line, so the frame can fit a short list exactly.
QSize GoalListBox::minimumSizeHint() const { return {0, m_painter.GetLineHeight()}; }

QSize GoalListBox::GetIdealSize() const {
    return {m_painter.GetItemSize().width(), m_painter.GetLineHeight() * std::max(1, m_goals.GetCount())};
}

bool GoalListBox::SetSelection(int index) {
    const int old = m_goals.GetSelection();
    const bool valid = m_goals.SetSelection(index);
    if (valid && m_caret != index) {
        InvalidateFrame(m_caret); // its focus frame goes with it
        m_caret = index;
    }
    if (old != m_goals.GetSelection()) {
        InvalidateFrame(old);
        InvalidateFrame(m_goals.GetSelection());
        if (valid)
            EnsureVisible(index);
        TellAccessibility(QAccessible::Selection, index);
        if (hasFocus())
            TellAccessibility(QAccessible::Focus, index);
        emit selectionChanged();
    }
    return valid;
}

void GoalListBox::ItemsChanged() {
    // The focus frame goes with the selection, so goals read anew never show two frames.
    m_caret = m_goals.GetSelection() >= 0 ? m_goals.GetSelection()
                                          : std::clamp(m_caret, 0, std::max(0, m_goals.GetCount() - 1));
    UpdateScrollBar();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder); // the goals were read anew
        QAccessible::updateAccessibility(&event);
    }
    emit selectionChanged();
}

void GoalListBox::InvalidateAll() { viewport()->update(); }

void GoalListBox::InvalidateItem(int index) {
    if (index >= 0 && index < m_goals.GetCount())
        viewport()->update(GetItemRect(index));
}

void GoalListBox::InvalidateClock(int index) {
    if (index < 0 || index >= m_goals.GetCount())
        return;
    const QRect item = GetItemRect(index);
    viewport()->update(m_painter.GetWheelRect(item));
    viewport()->update(m_painter.GetFinishRect(m_goals.GetAt(index), item));
    TellAccessibility(QAccessible::NameChanged, index); // running, or not
}

void GoalListBox::RepaintTick(const TickResult& result) {
    // The wheels of running goals that stand together are asked for as one rectangle, with the
    // frame lines between them: a paint whose region is one rectangle copies each wheel whole.
    QRect wheels;
    for (const GoalRepaint& repaint : result.repaints) {
        if (repaint.index >= m_goals.GetCount())
            continue;
        const QRect item = GetItemRect(repaint.index);
        if (!viewport()->rect().intersects(item))
            continue;
        if (repaint.wholeItem) {
            viewport()->update(item);
            TellAccessibility(QAccessible::NameChanged, repaint.index);
            continue;
        }
        const Goal& goal = m_goals.GetAt(repaint.index);
        const QRect wheel = m_painter.GetWheelRect(item);
        if (wheels.isValid() && wheel.left() == wheels.left() && wheel.top() > wheels.bottom() &&
            wheel.top() - wheels.bottom() <= 3) {
            wheels |= wheel;
        } else {
            if (wheels.isValid())
                viewport()->update(wheels);
            wheels = wheel;
        }
        // The bar's filling moves a pixel every minute or so: repainted only when it does.
        const auto index = static_cast<std::size_t>(repaint.index);
        if (index >= m_barFill.size() || m_barFill[index] != m_painter.GetBarFill(goal, item))
            viewport()->update(m_painter.GetBarRect(goal, item));
        if (repaint.remainingText) {
            viewport()->update(m_painter.GetRemainingRect(item));
            // A running clock's finish time stays put: drawn again only when it moves.
            if (index >= m_finishShown.size() || m_finishShown[index] != GoalPainter::GetFinishText(goal))
                viewport()->update(m_painter.GetFinishRect(goal, item));
            TellAccessibility(QAccessible::NameChanged, repaint.index); // once a minute, as it shows
        }
    }
    if (wheels.isValid())
        viewport()->update(wheels);
}

void GoalListBox::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int height = m_painter.GetLineHeight();
    const int first =
        height <= 0 ? 0 : std::max(0, (event->rect().top() + verticalScrollBar()->value()) / height);
    const int last = height <= 0 ? -1
                                 : std::min(m_goals.GetCount() - 1,
                                            (event->rect().bottom() + verticalScrollBar()->value()) / height);
    // A running clock's wheel is an opaque picture, whole pixels on whole pixels: the background
    // under it is not filled first, which at a tick, when only the wheels are painted, is most of
    // the work.
    const qreal ratio = viewport()->devicePixelRatioF();
    const auto underWheel = [&](const QRect& rect) {
        for (int i = first; i <= last && ratio == static_cast<int>(ratio); ++i)
            if (m_goals.GetAt(i).IsRunning() && m_painter.GetWheelRect(GetItemRect(i)).contains(rect))
                return true;
        return false;
    };
    for (const QRect& rect : event->region()) // the bounding rectangle may span much more
        if (!underWheel(rect))
            painter.fillRect(rect, Qt::black);
    const bool focused = hasFocus();
    // In the wheels' column nothing is drawn but the wheels: there the fill has drawn a plain
    // frame's lines already, and a tick, which paints that column alone, need not draw them again.
    const QRect column = m_painter.GetWheelRect(viewport()->rect());
    const bool wheelsOnly = event->rect().left() >= column.left() && event->rect().right() <= column.right();
    for (int i = first; i <= last; ++i) {
        const QRect item = GetItemRect(i);
        const Goal& goal = m_goals.GetAt(i);
        m_painter.Draw(painter, goal, item, &event->region());
        const auto at = static_cast<std::size_t>(i);
        if (m_barFill.size() < static_cast<std::size_t>(m_goals.GetCount())) {
            m_barFill.resize(static_cast<std::size_t>(m_goals.GetCount()), -1);
            m_finishShown.resize(m_barFill.size());
        }
        if (event->region().intersects(m_painter.GetBarRect(goal, item)))
            m_barFill[at] = m_painter.GetBarFill(goal, item);
        if (goal.IsRunning() && event->region().intersects(m_painter.GetFinishRect(goal, item)))
            m_finishShown[at] = GoalPainter::GetFinishText(goal);
        const bool selected = i == m_goals.GetSelection();
        if (!wheelsOnly || selected || (focused && i == m_caret))
            GoalPainter::DrawFrame(painter, item, selected, focused && i == m_caret, &event->region());
    }
}

void GoalListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int index = ItemAt(event->position().toPoint());
        if (index >= 0)
            SetSelection(index);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

// Starts or stops the selected goal. Starting one stops the others, unless Ctrl is held.
void GoalListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit toggleRequested(event->modifiers().testFlag(Qt::ControlModifier));
}

void GoalListBox::keyPressEvent(QKeyEvent* event) {
    const int count = m_goals.GetCount();
    if (count == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int current = CurrentItem();
    const int page = std::max(1, viewport()->height() / std::max(1, m_painter.GetLineHeight()));
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        target = current - 1;
        break;
    case Qt::Key_Down:
        target = m_goals.GetSelection() >= 0 ? current + 1 : current;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    case Qt::Key_PageUp:
        target = current - page;
        break;
    case Qt::Key_PageDown:
        target = current + page;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: // as a double-click: start or stop the clock
        if (m_goals.GetSelection() < 0)
            SetSelection(current);
        emit toggleRequested(event->modifiers().testFlag(Qt::ControlModifier));
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    SetSelection(std::clamp(target, 0, count - 1));
}

void GoalListBox::focusInEvent(QFocusEvent* event) {
    InvalidateFrame(m_caret);
    QAbstractScrollArea::focusInEvent(event);
}

void GoalListBox::focusOutEvent(QFocusEvent* event) {
    InvalidateFrame(m_caret);
    QAbstractScrollArea::focusOutEvent(event);
}

void GoalListBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_painter.FitNamesTo(viewport()->width()); // a long name never pushes the times out of view
    UpdateScrollBar();
    viewport()->update(); // items span the list's width
}

void GoalListBox::scrollContentsBy(int, int) { viewport()->update(); }

// A name drawn cut short shows whole as its item's tooltip.
bool GoalListBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = ItemAt(help->pos());
    const QString name = index >= 0 ? QString::fromStdString(m_goals.GetAt(index).GetName()) : QString();
    if (index >= 0 && m_painter.GetShownName(m_goals.GetAt(index)) != name)
        QToolTip::showText(help->globalPos(), name, viewport(), GetItemRect(index));
    else
        QToolTip::hideText();
    return true;
}

void GoalListBox::UpdateScrollBar() {
    const int height = m_painter.GetLineHeight();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(height);
    bar->setPageStep(std::max(height, viewport()->height()));
    bar->setRange(0, std::max(0, m_goals.GetCount() * height - viewport()->height()));
}

// Only the one-pixel frame changes with the selection and the focus.
void GoalListBox::InvalidateFrame(int index) {
    if (index < 0 || index >= m_goals.GetCount())
        return;
    const QRect item = GetItemRect(index);
    QRegion frame(item);
    frame -= item.adjusted(1, 1, -2, -1);
    viewport()->update(frame);
}

void GoalListBox::EnsureVisible(int index) {
    const QRect item = GetItemRect(index);
    QScrollBar* bar = verticalScrollBar();
    if (item.top() < 0)
        bar->setValue(bar->value() + item.top());
    else if (item.bottom() >= viewport()->height())
        bar->setValue(bar->value() + item.bottom() + 1 - viewport()->height());
}
