#include "clock/TickGoals.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"
#include "ui/GoalListBox.h"

#include <QFontInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

// Records the region of every paint the list's viewport receives.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(QWidget* target) { target->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class SilentHost final : public TimesUpHost {
public:
    void PlayAlert() override {}
    void BringToFront() override {}
    Answer AskTimesUp(const std::string&) override { return {0, "15"}; }
    bool AskOverrun(const std::string&, const std::string&) override { return false; }
    void HandBack() override {}
};

// The brightest colour inside a rectangle: fully covered text pixels, free of antialiasing.
QColor Brightest(const QImage& image, const QRect& rect) {
    QColor best(Qt::black);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (const QColor c = image.pixelColor(x, y);
                c.red() + c.green() + c.blue() > best.red() + best.green() + best.blue())
                best = c;
    return best;
}

} // namespace

// The goal list on screen: its layout and pixels, what it repaints, and the mouse and keys.
class TestGoalListBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GoalPainter::RegisterFontSubstitutes(); }
    void init() {
        m_clock = TestClock::Install(1'700'000'000 - 1'700'000'000 % 60); // on a whole minute
        m_goals.Clear();
        m_goals.Append(std::make_unique<Goal>("Essay", Minutes(120), Minutes(60)));
        m_goals.Append(std::make_unique<Goal>("Gym", Minutes(60), Minutes(60)));
        m_goals.Append(std::make_unique<Goal>("Done & dusted", Minutes(30), CTimeSpan()));
        m_list = std::make_unique<GoalListBox>(m_goals);
        m_list->UpdateLayout();
        m_list->ItemsChanged();
        m_list->resize(m_list->GetIdealSize());
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
        m_spy = std::make_unique<PaintSpy>(m_list->viewport());
        Settle();
    }
    void cleanup() {
        m_spy.reset();
        m_list.reset();
        TestClock::Uninstall();
    }
    // The parts of a line, left to right, with the gaps that keep them apart; bars scale with the
    // largest Total; names are measured as wide as they are drawn, plain ASCII or not.
    void layout() {
        const GoalPainter& p = Painter();
        for (const char* text : {"Essay", "A&B WAVE", "Caf\xc3\xa9 au lait", "e\xcc\x81t\xc3\xa9",
                                 "\xe6\x97\xa5\xe6\x9c\xac", "\xc9\x90\xc9\x8f"}) {
            const qreal drawn = QFontMetricsF(p.NameFont()).horizontalAdvance(QString::fromUtf8(text));
            QCOMPARE(p.GetNameWidth(Goal(text, Minutes(1), Minutes(1))), qCeil(drawn - 1e-6));
        }
        const int name = p.GetNameWidth(m_goals.GetAt(2));
        QCOMPARE(m_list->GetIdealSize(),
                 QSize(p.GetTimeWidth() + p.GetClockWidth() + name + p.GetLineHeight() + 169,
                       3 * p.GetLineHeight()));
        const QRect item = Item(1);
        QCOMPARE(item, QRect(0, p.GetLineHeight(), m_list->viewport()->width(), p.GetLineHeight()));
        QCOMPARE(p.GetWheelRect(item), QRect(1, item.top() + 1, p.GetLineHeight(), p.GetLineHeight() - 2));
        QCOMPARE(p.GetNameRect(item).left(), p.GetLineHeight() + 6);
        QCOMPARE(p.GetRemainingRect(item).left(), p.GetNameRect(item).right() + 11);
        const QRect area = p.GetBarAreaRect(item);
        QCOMPARE(p.GetBarRect(m_goals.GetAt(0), item), QRect(area.left(), area.top(), 138, area.height()));
        QCOMPARE(p.GetBarRect(m_goals.GetAt(1), item).width(), 69);
        QCOMPARE(p.GetFinishRect(m_goals.GetAt(1), item).left(), area.left() + 69 + 3);
        QCOMPARE(p.GetFinishRect(m_goals.GetAt(0), item).right(), item.right() - 5);
        QCOMPARE(m_list->ItemAt(item.center()), 1);
        QCOMPARE(m_list->ItemAt(QPoint(5, 3 * p.GetLineHeight())), -1);
        m_goals.Append(std::make_unique<Goal>("Longer than all the others", Minutes(240), Minutes(240)));
        QVERIFY(m_list->UpdateLayout() && !m_list->UpdateLayout());
        QCOMPARE(p.GetBarRect(m_goals.GetAt(0), item).width(), p.GetBarAreaRect(item).width() / 2);
        m_goals.Clear();
        QCOMPARE(m_list->GetIdealSize().height(), p.GetLineHeight());
        // Fonts are made at the size they are drawn from their faces' proportions: the sizes
        // measuring the faces gives.
        const auto measured = [](QFont font, int cell) {
            font.setPixelSize(cell);
            font.setPixelSize(cell * cell / QFontMetrics(font).height());
            return font;
        };
        QCOMPARE(p.NameFont().pixelSize(), measured(p.NameFont(), 20).pixelSize());
        QCOMPARE(p.ClockFont().pixelSize(), measured(p.ClockFont(), 13).pixelSize());
        QCOMPARE(p.GetLineHeight(), QFontMetrics(measured(p.TimeFont(), 20)).height());
    }
    // Colours of an open, a done and a running goal, the bars, and the selection and focus frames.
    void pixels() {
        m_goals.GetAt(1).ToggleRunning();
        m_list->activateWindow();
        m_list->setFocus();
        m_list->SetSelection(2);
        m_list->SetSelection(-1); // the focus frame stays on the caret, item 2
        QTRY_VERIFY(m_list->hasFocus());
        m_list->viewport()->repaint();
        const QImage image = Grab();
        const GoalPainter& p = Painter();
        const QRect bar = p.GetBarRect(m_goals.GetAt(0), Item(0)),
                    done = p.GetBarRect(m_goals.GetAt(2), Item(2));
        const QRect focus = Item(2);
        const int mid = bar.center().y();
        using G = GoalPainter;
        const std::pair<QRect, QColor> brightest[] = {
            {p.GetNameRect(Item(0)), G::kNameColor},
            {p.GetNameRect(Item(2)), G::kDoneNameColor},
            {p.GetRemainingRect(Item(0)), G::kTimeColor},
            {p.GetRemainingRect(Item(2)), G::kDoneTimeColor},
            {p.GetWheelRect(Item(1)), G::kSpokeColor},
            {p.GetWheelRect(Item(0)), Qt::black},
            {p.GetFinishRect(m_goals.GetAt(0), Item(0)), Qt::black},
            // the bar's frame and filling; the focus frame on item 2 (nothing selected), its right edge one
            // pixel in
            {{bar.left(), mid, 1, 1}, G::kBarFrameColor},
            {{bar.right(), mid, 1, 1}, G::kBarFrameColor},
            {{bar.left() + 5, bar.top() + 2, 1, 1}, G::kBarFrameColor},
            {{bar.left() + 5, bar.bottom() - 2, 1, 1}, G::kBarFrameColor},
            {{bar.left() + 5, bar.top() + 1, 1, 1}, Qt::black},
            {{bar.left() + 1, mid, 67, 1}, G::kBarFillColor},
            {{bar.left() + 69, mid, 1, 1}, Qt::black},
            {{done.left(), done.center().y(), done.width() - 1, 1}, G::kDoneBarColor},
            {{focus.left(), focus.center().y(), 1, 1}, G::kFocusFrameColor},
            {{focus.right() - 1, focus.top(), 1, 1}, G::kFocusFrameColor},
            {{focus.right() - 1, focus.center().y(), 1, 1}, G::kFocusFrameColor},
            {{focus.right(), focus.center().y(), 1, 1}, Qt::black},
            {{5, focus.bottom(), 1, 1}, G::kFocusFrameColor},
            {{0, Item(0).top(), 1, 1}, Qt::black}};
        for (const auto& [rect, colour] : brightest)
            QVERIFY2(Brightest(image, rect) == colour,
                     qPrintable(QString("%1,%2").arg(rect.x()).arg(rect.y())));
        // The time's digits sit clear of the frame rows; the finish time is bold, its colour antialiased.
        const QRect time = p.GetRemainingRect(Item(0));
        QString lit;
        for (int y = Item(0).top(); y <= Item(0).bottom(); ++y)
            lit += Brightest(image, QRect(time.left(), y, time.width(), 1)) == QColor(Qt::black) ? "." : "#";
        QVERIFY2(lit.contains(QRegularExpression("^\\.\\.\\.+#{10,}\\.\\.\\.+$")), qPrintable(lit));
        QVERIFY2(std::abs(lit.indexOf('#') - (lit.size() - 1 - lit.lastIndexOf('#'))) <= 1, qPrintable(lit));
        // Right-aligned: the time's ink ends where its advance ends, at its column's right edge.
        int ink = time.left();
        for (int x = time.left(); x <= time.right(); ++x)
            if (Brightest(image, QRect(x, time.top(), 1, time.height())) != QColor(Qt::black))
                ink = x;
        const QFontMetrics digits(p.TimeFont());
        const QString text = QString::fromStdString(m_goals.GetAt(0).GetRemainingText());
        QVERIFY(std::abs(time.right() + 1 - digits.horizontalAdvance(text) +
                         digits.tightBoundingRect(text).right() - ink) <= 1);
        QVERIFY(QFontInfo(p.ClockFont()).bold() && QFontInfo(p.ClockFont()).italic());
        const QColor finish = Brightest(image, p.GetFinishRect(m_goals.GetAt(1), Item(1)));
        QVERIFY2(finish.red() == 0 && finish.green() == finish.blue() && finish.green() > 160,
                 qPrintable(finish.name()));
        m_list->clearFocus(); // the focus frame leaves the screen with the focus
        QTRY_VERIFY(!m_list->hasFocus());
        ShownAsFull();
        m_list->SetSelection(0);
        m_list->viewport()->repaint();
        QCOMPARE(Grab().pixelColor(0, Item(0).center().y()), GoalPainter::kSelectedFrameColor);
        QCOMPARE(Grab().pixelColor(0, focus.center().y()), QColor(Qt::black));
    }
    void wheelTurnsClockwise() {
        const int side = 40;
        const QRect rect(0, 0, side, side - 2);
        ClockWheel wheel;
        for (int tick = 0; tick < 13; ++tick, wheel.Advance()) {
            QImage image(side, side, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            GoalPainter::DrawWheel(painter, wheel, rect);
            painter.end();
            QCOMPARE(Painter().WheelImage(wheel, rect.size()), image.copy(rect)); // the copies drawn
            for (int spoke = 0; spoke < 12; ++spoke) {
                // Three quarters of the way out along the spoke, clockwise from three o'clock.
                const double theta = -spoke * M_PI / 6, radius = (side - 2) / 2.0 * 0.75;
                const QPoint at((side + 1) / 2 + static_cast<int>(std::lround(radius * std::cos(theta))),
                                (side - 1) / 2 - static_cast<int>(std::lround(radius * std::sin(theta))));
                QCOMPARE(Brightest(image, QRect(at - QPoint(1, 1), QSize(3, 3))),
                         spoke == wheel.GetCurrent() ? QColor(Qt::black) : GoalPainter::kSpokeColor);
            }
        }
    }
    // A tick repaints the wheel and the bar, the Remaining text once a minute; a new selection
    // repaints only the one-pixel frames. After a run of such ticks, the screen shows what a
    // full repaint draws.
    void repaintsOnlyWhatChanged() {
        m_goals.GetAt(0).Set("Essay", Minutes(120), Minutes(60) + CTimeSpan(30));
        m_goals.GetAt(0).ToggleRunning();
        const QRect item = Item(0);
        const QRect remaining = Painter().GetRemainingRect(item);
        int textRepaints = 0;
        for (int second = 0; second < 130; ++second) {
            Settle();
            m_clock->Advance(1);
            m_list->RepaintTick(TickGoals(m_goals, m_host));
            QCoreApplication::processEvents();
            const QRegion allowed = QRegion(Painter().GetWheelRect(item)) +
                                    Painter().GetBarRect(m_goals.GetAt(0), item) + remaining +
                                    Painter().GetFinishRect(m_goals.GetAt(0), item);
            QVERIFY((m_spy->painted - allowed).isEmpty());
            QVERIFY(m_spy->painted.contains(Painter().GetWheelRect(item)));
            textRepaints += m_spy->painted.intersects(remaining) ? 1 : 0;
        }
        QCOMPARE(textRepaints, 2);
        ShownAsFull();
        m_list->SetSelection(0);
        Settle();
        m_list->SetSelection(1);
        QCoreApplication::processEvents();
        QVERIFY(!m_spy->painted.intersects(item.adjusted(2, 2, -3, -2)));
        QVERIFY(m_spy->painted.contains(QRect(item.left(), item.top(), item.width() - 1, 1)));
        QVERIFY(m_spy->painted.contains(QRect(0, Item(1).bottom(), 10, 1)));
    }

    // A double-click starts the goal and stops the others, unless Ctrl is held; a second one stops
    // it; a goal with nothing left, or no goal, does not start.
    void doubleClickStartsAndStops() {
        const auto running = [&] {
            QString states;
            for (int i = 0; i < m_goals.GetCount(); ++i)
                states += m_goals.GetAt(i).IsRunning() ? 'R' : '-';
            return states + QString::number(m_goals.GetSelection());
        };
        m_goals.GetAt(0).ToggleRunning();
        DoubleClick(1);
        ShownAsFull(); // the stopped goal's wheel and the old frames are gone
        QCOMPARE(running(), QStringLiteral("-R-1"));
        Settle();
        DoubleClick(0, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QVERIFY(m_spy->painted.contains(Painter().GetWheelRect(Item(0)))); // the wheel shows at once
        QCOMPARE(running(), QStringLiteral("RR-0"));
        DoubleClick(1);
        DoubleClick(2);
        QCOMPARE(running(), QStringLiteral("R--2"));
        QTest::mouseDClick(m_list->viewport(), Qt::RightButton, Qt::NoModifier, Item(0).center());
        m_list->SetSelection(-1);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(5, Item(2).bottom() + 2));
        QCOMPARE(running(), QStringLiteral("R---1"));
    }
    void keysMoveTheSelection() {
        for (int i = 0; i < 20; ++i)
            m_goals.Append(std::make_unique<Goal>("more", Minutes(1), Minutes(1)));
        m_list->ItemsChanged();
        m_list->resize(m_list->width(), Painter().GetLineHeight() * 5);
        m_list->activateWindow();
        m_list->setFocus();
        QStringList seen;
        for (const int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up,
                              Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Down,
                              Qt::Key_PageDown, Qt::Key_Home, Qt::Key_PageUp}) {
            QTest::keyClick(m_list.get(), static_cast<Qt::Key>(key));
            seen << QString::number(m_goals.GetSelection()) +
                        (key == Qt::Key_End ? "@" + QString::number(Item(22).bottom()) : "");
        }
        // The last item scrolled into view, and back.
        QCOMPARE(seen.join(' '),
                 QStringLiteral("0 1 0 0 0 5 10 5 22@%1 22 22 0 0").arg(m_list->viewport()->height() - 1));
        QCOMPARE(Item(0).top(), 0);
        // Fewer items than the caret's place: it comes back into the list, with its focus frame.
        QTest::keyClick(m_list.get(), Qt::Key_End);
        m_goals.Clear();
        m_goals.Append(std::make_unique<Goal>("one", Minutes(1), Minutes(1)));
        m_list->ItemsChanged();
        QTRY_VERIFY(m_list->hasFocus());
        m_list->viewport()->repaint();
        QCOMPARE(Grab().pixelColor(0, Item(0).center().y()), GoalPainter::kFocusFrameColor);
        m_goals.Clear();
        m_list->ItemsChanged();
        QTest::keyClick(m_list.get(), Qt::Key_Down);
        QCOMPARE(m_goals.GetSelection(), -1);
    }

private:
    void Settle() {
        QCoreApplication::processEvents();
        m_spy->painted = QRegion();
    }
    QImage Grab() { return m_list->viewport()->grab().toImage(); }
    // What is on screen after the repaints so far is what a full repaint draws: nothing stale.
    void ShownAsFull() {
        QCoreApplication::processEvents();
        const QImage shown =
            m_list->screen()->grabWindow(m_list->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage full = Grab().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(full.rect()), full);
    }
    void DoubleClick(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint at = m_list->GetItemRect(index).center();
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, modifiers, at);
    }
    const GoalPainter& Painter() const { return m_list->Painter(); }
    QRect Item(int index) const { return m_list->GetItemRect(index); }

    std::shared_ptr<TestClock> m_clock;
    GoalList m_goals;
    std::unique_ptr<GoalListBox> m_list;
    std::unique_ptr<PaintSpy> m_spy;
    SilentHost m_host;
};

QTEST_MAIN(TestGoalListBox)
#include "TestGoalListBox.moc"
