// SPDX-License-Identifier: GPL-3.0-or-later
// The trend graph: its series, and its pictures pixel by pixel.
#include "components/trend.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

const QRgb kLime = qRgb(0, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);

// A graph with a plain background colour and every slot empty.
std::unique_ptr<TTrend> graph(int width, int height, int divisions, int borderWidth, int maxVal)
{
    auto trend = std::make_unique<TTrend>();
    trend->resize(width, height);
    trend->SetDivisions(divisions);
    trend->SetBorderWidth(borderWidth);
    trend->SetColor(clYellow);
    trend->SetMinVal(0);
    trend->SetMaxVal(maxVal);
    trend->ClearDataA();
    trend->ClearDataB();
    return trend;
}

QString column(const QImage& image, int x)
{
    QString rows;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb pixel = image.pixel(x, y);
        rows += pixel == kLime ? u'A'
            : pixel == kRed    ? u'B'
            : pixel == kBlack  ? u'#'
            : pixel == kYellow ? u'.'
                               : u'?';
    }
    return rows;
}

TEST(TrendSeries, ConstructionFillsSampleValuesOnePerPixel)
{
    TTrend trend;
    EXPECT_EQ(trend.Divisions(), 185);
    EXPECT_EQ(trend.MaxVal(), 100);
    EXPECT_TRUE(trend.Options().contains(toTwin));
    EXPECT_EQ(trend.Style(), tsBar);
    EXPECT_EQ(trend.ColorDataA(), clLime);
    EXPECT_EQ(trend.Color(), clBtnFace);
    ASSERT_EQ(trend.dataA().size(), 185u);
    for (std::size_t i = 0; i < trend.dataA().size(); ++i) {
        EXPECT_GE(trend.dataA()[i], 0);
        EXPECT_LT(trend.dataA()[i], 100);
        EXPECT_LT(trend.dataB()[i], 100);
    }
}

TEST(TrendSeries, AddingShiftsAndClamps)
{
    auto trend = graph(10, 10, 3, 0, 100);
    trend->SetMinVal(10);
    trend->AddDataA(50);
    trend->AddDataA(500);
    EXPECT_EQ(trend->dataA(), (std::vector<std::int32_t> { 0, 50, 100 }));
    trend->AddDataA(-5);
    EXPECT_EQ(trend->dataA(), (std::vector<std::int32_t> { 50, 100, 10 }))
        << "the oldest value leaves";
    EXPECT_EQ(trend->dataB(), (std::vector<std::int32_t> { 0, 0, 0 }));
    trend->SetMaxVal(5); // below MinVal: the maximum is tested first
    trend->AddDataB(7);
    EXPECT_EQ(trend->dataB().back(), 5);
}

TEST(TrendSeries, DivisionsResizeTheSeries)
{
    auto trend = graph(10, 10, 3, 0, 100);
    for (int value : { 1, 2, 3 })
        trend->AddDataA(value);
    trend->SetDivisions(5);
    EXPECT_EQ(trend->dataA(), (std::vector<std::int32_t> { 1, 2, 3, 0, 0 }));
    trend->SetDivisions(2);
    EXPECT_EQ(trend->dataA(), (std::vector<std::int32_t> { 1, 2 }));
    for (int value : { 0, 1, -4 }) {
        trend->SetDivisions(value);
        EXPECT_EQ(trend->Divisions(), 2);
    }
}

TEST(TrendSeries, SeveralChangesCostOnePaintAndNoChangeNone)
{
    auto trend = graph(40, 20, 38, 1, 100);
    trend->show();
    QApplication::processEvents();
    const int painted = trend->paintCount();
    for (int i = 0; i < 10; ++i) {
        trend->AddDataA(i * 10);
        trend->AddDataB(i);
    }
    QApplication::processEvents();
    EXPECT_EQ(trend->paintCount(), painted + 1);
    trend->SetDivisions(38);
    trend->SetMaxVal(100);
    trend->SetStyle(tsBar);
    QApplication::processEvents();
    EXPECT_EQ(trend->paintCount(), painted + 1)
        << "setting a property to its value does not repaint";
}

// Guards against a sample that never reaches the screen: the first one after each paint, hidden
// or shown, asks for the next paint.
TEST(TrendSeries, EachSampleAfterAPaintIsPaintedAlsoAfterTheGraphWasHidden)
{
    auto trend = graph(40, 20, 38, 1, 100);
    trend->show();
    QApplication::processEvents();
    int painted = trend->paintCount();
    for (int value : { 50, 60 }) {
        trend->AddDataA(value);
        QApplication::processEvents();
        EXPECT_EQ(trend->paintCount(), ++painted);
    }
    trend->hide();
    trend->AddDataA(70);
    QApplication::processEvents();
    EXPECT_EQ(trend->paintCount(), painted);
    trend->show();
    QApplication::processEvents();
    EXPECT_GT(trend->paintCount(), painted);
    painted = trend->paintCount();
    trend->AddDataB(80);
    QApplication::processEvents();
    EXPECT_EQ(trend->paintCount(), painted + 1);
}

TEST(TrendPicture, MainGraphBarsAndFrame)
{
    auto trend = graph(240, 50, 238, 1, 7000);
    trend->AddDataA(100);
    trend->AddDataA(7000);
    const QImage image = trend->render();
    const QString full = QStringLiteral("#") + QString(48, u'A') + QStringLiteral("#");
    EXPECT_EQ(column(image, 238), full) << "7000 fills rows 1 to 48 of the newest column";
    EXPECT_EQ(column(image, 237), QStringLiteral("#") + QString(48, u'.') + QStringLiteral("#"))
        << "100 scales to 0 and draws nothing";
    EXPECT_EQ(column(image, 0), QString(50, u'#'));
    EXPECT_EQ(column(image, 239), QString(50, u'#'));
    for (int x = 0; x < 240; ++x) {
        EXPECT_EQ(image.pixel(x, 0), kBlack);
        EXPECT_EQ(image.pixel(x, 49), kBlack);
    }
}

// Bars are filled straight into the image's pixels; one that left the image would write past it.
TEST(TrendPicture, BarsBeyondTheRangeStopAtTheImageEdges)
{
    auto trend = graph(40, 20, 38, 1, 100);
    trend->AddDataA(100); // slot 36
    trend->AddDataA(0); // slot 37, the newest; series B holds 0 in every slot
    // Samples keep their values when the range moves: now far above it and far below it.
    trend->SetMinVal(50);
    trend->SetMaxVal(60);
    const QImage image = trend->render();
    // Built as QStrings: GCC 12 sees a false out-of-bounds copy in std::string's operator+ here.
    EXPECT_EQ(column(image, 37).toStdString(), (QString(19, u'A') + u'B').toStdString())
        << "A from the baseline up over the frame's top row, B down over its bottom row";
    EXPECT_EQ(column(image, 38).toStdString(), (u'#' + QString(18, u'.') + u'B').toStdString());
    EXPECT_EQ(column(image, 39), QString(20, u'#'));
}

TEST(TrendPicture, TheShorterTwinBarIsInFront)
{
    auto trend = graph(40, 50, 38, 1, 100);
    trend->AddDataA(10);
    trend->AddDataB(30);
    EXPECT_EQ(column(trend->render(), 38),
        QStringLiteral("#") + QString(34, u'.') + QString(10, u'B') + QString(4, u'A')
            + QStringLiteral("#"));
    trend->AddDataA(30);
    trend->AddDataB(10);
    EXPECT_EQ(column(trend->render(), 38),
        QStringLiteral("#") + QString(34, u'.') + QString(10, u'A') + QString(4, u'B')
            + QStringLiteral("#"));
    trend->AddDataA(20);
    trend->AddDataB(20);
    EXPECT_EQ(column(trend->render(), 38),
        QStringLiteral("#") + QString(39, u'.') + QString(9, u'B') + QStringLiteral("#"))
        << "equal bars show B only";
}

TEST(TrendPicture, FractionalSlotsRoundHalfToEven)
{
    auto trend = graph(12, 10, 4, 1, 100);
    for (int i = 0; i < 4; ++i)
        trend->AddDataA(100);
    const QImage image = trend->render();
    // Slot edges 1, 3.5, 6, 8.5, 11 round to 1, 4, 6, 8, 10.
    QString row;
    for (int x = 0; x < 12; ++x)
        row += image.pixel(x, 5) == kLime ? u'A' : u'.';
    EXPECT_EQ(row, QStringLiteral(".AAAAAAAAA.."));
    trend->ClearDataA();
    trend->AddDataA(100);
    trend->AddDataA(0);
    trend->AddDataA(100);
    trend->AddDataA(0); // slots 0 and 2 full: columns 1-3 and 6-7
    const QImage alternating = trend->render();
    row.clear();
    for (int x = 0; x < 12; ++x)
        row += alternating.pixel(x, 5) == kLime ? u'A' : u'.';
    EXPECT_EQ(row, QStringLiteral(".AAA..AA...."));
}

TEST(TrendPicture, FilledStylePairsSlotsOnHalvesAndIgnoresSeriesB)
{
    auto trend = graph(10, 10, 8, 1, 100);
    trend->SetStyle(tsFilled);
    for (int i = 0; i < 8; ++i) {
        trend->AddDataA(100);
        trend->AddDataB(100);
    }
    const QImage image = trend->render();
    EXPECT_NE(image.pixel(1, 5), kLime) << "1.5 rounds to 2: nothing starts at column 1";
    EXPECT_EQ(image.pixel(2, 5), kLime);
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 10; ++y)
            EXPECT_NE(image.pixel(x, y), kRed);
    }
}

TEST(TrendPicture, ScatterSquares)
{
    auto trend = graph(14, 14, 12, 1, 100);
    trend->SetStyle(tsScatter);
    trend->SetOptions({});
    trend->AddDataA(50); // the newest slot, i = 11: centre column 1 + 11 + 2 = 14, just outside
    trend->AddDataA(0);
    trend->AddDataA(0);
    const QImage image = trend->render();
    // Slot 9 holds 50: r = 1, centre column 12, square columns 11-12; value 50 of a span of 10
    // puts its top at 1 + 1 + 5 = 7 above the bottom, so rows 6-7.
    int lime = 0;
    for (int x = 0; x < 14; ++x) {
        for (int y = 0; y < 14; ++y)
            lime += image.pixel(x, y) == kLime ? 1 : 0;
    }
    EXPECT_EQ(image.pixel(11, 6), kLime);
    EXPECT_EQ(image.pixel(12, 7), kLime);
    EXPECT_NE(image.pixel(10, 6), kLime);
    EXPECT_GE(lime, 4);
}

TEST(TrendPicture, EqualBoundsAndClearedSeriesDrawOnlyTheBackground)
{
    auto trend = graph(20, 10, 18, 1, 100);
    trend->AddDataA(50);
    trend->SetMaxVal(0);
    const QImage image = trend->render();
    for (int x = 1; x < 19; ++x) {
        for (int y = 1; y < 9; ++y)
            ASSERT_EQ(image.pixel(x, y), kYellow);
    }
    trend->SetMaxVal(100);
    trend->ClearDataA();
    const QImage cleared = trend->render();
    for (int x = 1; x < 19; ++x) {
        for (int y = 1; y < 9; ++y)
            ASSERT_EQ(cleared.pixel(x, y), kYellow);
    }
}

} // namespace
