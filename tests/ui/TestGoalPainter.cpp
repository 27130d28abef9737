#include "model/Goal.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"
#include "ui/GoalPainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

namespace {

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// The brightest colour inside a rectangle: fully covered text pixels, free of antialiasing.
QColor Brightest(const QImage& image, const QRect& rect) {
    QColor best(Qt::black);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() > best.red() + best.green() + best.blue())
                best = c;
        }
    return best;
}

bool AllBlack(const QImage& image, const QRect& rect) { return Brightest(image, rect) == QColor(Qt::black); }

} // namespace

class TestGoalPainter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GoalPainter::RegisterFontSubstitutes(); }
    void init() { m_clock = TestClock::Install(); }
    void cleanup() { TestClock::Uninstall(); }

    void metricsComeFromTheFonts();
    void layoutFollowsTheLargestTotal();
    void barFrameAndFilling();
    void doneGoalIsGrey();
    void selectionAndFocusFrames();
    void wheelGapMovesClockwise();
    void finishTimeOnlyWhileRunning();
    void placeholderHasNoBar();

private:
    QImage Render(const Goal& goal, CTimeSpan maxTotal, int nameWidth = 120) {
        m_painter.SetMaxNameWidth(nameWidth);
        m_painter.SetMaxTotal(maxTotal);
        QImage image(m_painter.GetItemSize().width(), m_painter.GetLineHeight(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        m_painter.Draw(painter, goal, image.rect());
        return image;
    }

    std::shared_ptr<TestClock> m_clock;
    GoalPainter m_painter;
};

void TestGoalPainter::metricsComeFromTheFonts() {
    QVERIFY(m_painter.GetLineHeight() >= 18 && m_painter.GetLineHeight() <= 24);
    QVERIFY(m_painter.GetTimeWidth() > 20);
    QVERIFY(m_painter.GetClockWidth() > 20);
    m_painter.SetMaxNameWidth(100);
    QCOMPARE(m_painter.GetItemSize().width(),
             m_painter.GetTimeWidth() + m_painter.GetClockWidth() + 100 + m_painter.GetLineHeight() + 169);
    // With that width the bar area is 138 pixels wide.
    const QRect item(QPoint(0, 0), m_painter.GetItemSize());
    QCOMPARE(m_painter.GetBarAreaRect(item).width(), 138);
}

void TestGoalPainter::layoutFollowsTheLargestTotal() {
    m_painter.SetMaxNameWidth(80);
    m_painter.SetMaxTotal(Minutes(120));
    const QRect item(0, 40, m_painter.GetItemSize().width(), m_painter.GetLineHeight());
    const Goal full("full", Minutes(120), Minutes(120));
    const Goal half("half", Minutes(60), Minutes(60));
    const QRect area = m_painter.GetBarAreaRect(item);
    QCOMPARE(m_painter.GetBarRect(full, item).width(), area.width());
    QCOMPARE(m_painter.GetBarRect(half, item).width(), area.width() / 2);
    QCOMPARE(m_painter.GetFinishRect(half, item).left(), m_painter.GetBarRect(half, item).right() + 1 + 3);
    // The largest goal's finish time ends five pixels before the item's right edge.
    QCOMPARE(m_painter.GetFinishRect(full, item).right() + 1, item.right() + 1 - 5);
    QCOMPARE(m_painter.GetWheelRect(item).top(), item.top() + 1);
    QCOMPARE(m_painter.GetWheelRect(item).bottom(), item.bottom() - 1);
    QCOMPARE(m_painter.GetNameRect(item).left(), m_painter.GetWheelRect(item).right() + 1 + 5);
    QCOMPARE(m_painter.GetRemainingRect(item).left(), m_painter.GetNameRect(item).right() + 1 + 10);
}

void TestGoalPainter::barFrameAndFilling() {
    const Goal goal("half spent", Minutes(60), Minutes(30));
    const QImage image = Render(goal, Minutes(60));
    const QRect bar = m_painter.GetBarRect(goal, image.rect());
    const int top = bar.top() + 2;
    const int mid = bar.center().y();
    const int inner = bar.width() - 1;
    QCOMPARE(At(image, bar.left(), top), GoalPainter::kBarFrameColor);
    QCOMPARE(At(image, bar.right(), mid), GoalPainter::kBarFrameColor);
    QCOMPARE(At(image, bar.left() + 5, bar.bottom() - 2), GoalPainter::kBarFrameColor);
    QCOMPARE(At(image, bar.left() + 1, mid), GoalPainter::kBarFillColor);
    QCOMPARE(At(image, bar.left() + inner / 2 - 1, mid), GoalPainter::kBarFillColor);
    QCOMPARE(At(image, bar.left() + inner / 2 + 1, mid), QColor(Qt::black));
    QCOMPARE(At(image, bar.left() + 5, bar.top()), QColor(Qt::black)); // two pixels above the frame

    // All spent: the filling reaches the frame's inner right edge.
    const Goal spent("spent", Minutes(60), CTimeSpan());
    const QImage full = Render(spent, Minutes(60));
    QCOMPARE(At(full, bar.right() - 1, mid), GoalPainter::kDoneBarColor);
    // Nothing spent: an empty frame.
    const Goal fresh("fresh", Minutes(60), Minutes(60));
    const QImage empty = Render(fresh, Minutes(60));
    QCOMPARE(At(empty, bar.left() + 1, mid), QColor(Qt::black));
    QCOMPARE(At(empty, bar.left(), mid), GoalPainter::kBarFrameColor);
}

void TestGoalPainter::doneGoalIsGrey() {
    const Goal open("Open goal", Minutes(60), Minutes(20));
    const Goal done("Done goal", Minutes(60), CTimeSpan());
    const QImage openImage = Render(open, Minutes(60));
    const QImage doneImage = Render(done, Minutes(60));
    const QRect item = openImage.rect();
    QCOMPARE(Brightest(openImage, m_painter.GetNameRect(item)), GoalPainter::kNameColor);
    QCOMPARE(Brightest(doneImage, m_painter.GetNameRect(item)), GoalPainter::kDoneNameColor);
    QCOMPARE(Brightest(openImage, m_painter.GetRemainingRect(item)), GoalPainter::kTimeColor);
    QCOMPARE(Brightest(doneImage, m_painter.GetRemainingRect(item)), GoalPainter::kDoneTimeColor);
    const QRect bar = m_painter.GetBarRect(done, item);
    QCOMPARE(At(doneImage, bar.left(), bar.center().y()), GoalPainter::kDoneBarColor);
    QCOMPARE(At(doneImage, bar.left() + 3, bar.center().y()), GoalPainter::kDoneBarColor);
}

void TestGoalPainter::selectionAndFocusFrames() {
    QImage image(200, 20, QImage::Format_RGB32);
    const auto frameOf = [&](bool selected, bool focused) {
        image.fill(Qt::black);
        QPainter painter(&image);
        GoalPainter::DrawFrame(painter, image.rect(), selected, focused);
        return std::pair{At(image, 0, 0), At(image, 198, 10)};
    };
    QCOMPARE(frameOf(true, true).first, GoalPainter::kSelectedFrameColor);
    QCOMPARE(frameOf(true, false).second, GoalPainter::kSelectedFrameColor);
    QCOMPARE(frameOf(false, true).first, GoalPainter::kFocusFrameColor);
    QCOMPARE(frameOf(false, false).first, QColor(Qt::black));
    frameOf(true, false);
    QCOMPARE(At(image, 199, 10), QColor(Qt::black)); // the right edge is one pixel in
    QCOMPARE(At(image, 100, 19), GoalPainter::kSelectedFrameColor);
    QCOMPARE(At(image, 100, 10), QColor(Qt::black));
}

void TestGoalPainter::wheelGapMovesClockwise() {
    const int side = 40;
    ClockWheel wheel;
    const QRect rect(0, 0, side, side - 2);
    const auto spokeColor = [&](const QImage& image, int spoke) {
        // A point two thirds of the way out along the spoke, clockwise from three o'clock.
        const double theta = -spoke * 3.14159265358979 / 6;
        const double radius = (side - 2) / 2.0 * 0.75;
        const int x =
            rect.left() + (rect.width() + 1) / 2 + static_cast<int>(std::lround(radius * std::cos(theta)));
        const int y =
            rect.top() + (rect.height() + 1) / 2 - static_cast<int>(std::lround(radius * std::sin(theta)));
        return Brightest(image, QRect(x - 1, y - 1, 3, 3));
    };
    for (int tick = 0; tick < 14; ++tick) {
        wheel.Advance();
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        GoalPainter::DrawWheel(painter, wheel, rect);
        painter.end();
        const int gap = tick % 12;
        QCOMPARE(wheel.GetCurrent(), gap);
        QCOMPARE(spokeColor(image, gap), QColor(Qt::black));
        QCOMPARE(spokeColor(image, (gap + 1) % 12), GoalPainter::kSpokeColor);
        QCOMPARE(spokeColor(image, (gap + 11) % 12), GoalPainter::kSpokeColor);
    }
    // Spoke 3 points straight down: clockwise on screen.
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    GoalPainter::DrawWheel(painter, ClockWheel(), rect);
    painter.end();
    QCOMPARE(Brightest(image, QRect(rect.width() / 2 - 1, rect.height() - 6, 3, 4)),
             GoalPainter::kSpokeColor);
}

void TestGoalPainter::finishTimeOnlyWhileRunning() {
    Goal goal("Running", Minutes(60), Minutes(30));
    QImage image = Render(goal, Minutes(60));
    QVERIFY(AllBlack(image, m_painter.GetFinishRect(goal, image.rect())));
    QVERIFY(AllBlack(image, m_painter.GetWheelRect(image.rect())));
    goal.ToggleRunning();
    image = Render(goal, Minutes(60));
    // Small italic text covers no pixel fully: look for the time colour's hue.
    const QColor finish = Brightest(image, m_painter.GetFinishRect(goal, image.rect()));
    QVERIFY2(finish.red() == 0 && finish.green() == finish.blue() && finish.green() > 160,
             qPrintable(finish.name()));
    QCOMPARE(Brightest(image, m_painter.GetWheelRect(image.rect())), GoalPainter::kSpokeColor);
}

void TestGoalPainter::placeholderHasNoBar() {
    const Goal placeholder("No Goals", CTimeSpan(), CTimeSpan());
    const QImage image = Render(placeholder, CTimeSpan());
    QCOMPARE(m_painter.GetBarRect(placeholder, image.rect()).width(), 0);
    QVERIFY(AllBlack(image, m_painter.GetBarAreaRect(image.rect())));
    QCOMPARE(Brightest(image, m_painter.GetNameRect(image.rect())), GoalPainter::kDoneNameColor);
}

QTEST_MAIN(TestGoalPainter)
#include "TestGoalPainter.moc"
