// SPDX-License-Identifier: GPL-3.0-or-later
// A figure's new text repaints its own box only, and looks exactly as if everything under it had
// been painted again; screen readers read it as a label.
#include "core/figurelabel.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// The largest difference of one colour channel between two pictures of the same size.
int largestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({ largest, std::abs(qRed(p) - qRed(q)),
                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
        }
    }
    return largest;
}

class FigureLabelTest : public testing::Test
{
protected:
    FigureLabelTest()
    {
        m_window.resize(260, 120);
        m_group = new QGroupBox(QStringLiteral("  Current Connection  "), &m_window);
        m_group->setGeometry(10, 10, 240, 100);
        // A caption under the figure's box, as in the main window's rows.
        m_caption = new QLabel(QStringLiteral("Sent:"), m_group);
        m_caption->setGeometry(15, 40, 100, 14);
        m_figure = new FigureLabel(m_group, Qt::AlignRight);
        m_figure->setGeometry(15, 40, 175, 14);
        m_window.show();
        settle();
    }
    void settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    // The picture of the window painted from scratch, every widget under the figure included.
    QImage fullPaint()
    {
        m_window.repaint();
        return m_window.grab().toImage();
    }

    QWidget m_window;
    QGroupBox* m_group = nullptr;
    QLabel* m_caption = nullptr;
    FigureLabel* m_figure = nullptr;
};

TEST_F(FigureLabelTest, ANewTextRepaintsTheFigureButNotItsGroup)
{
    // Guards against each second's figures painting their group box (and its style's frame
    // picture, with a time-zone check per paint) again under them.
    m_figure->setText(QStringLiteral("1,024"));
    settle();
    PaintCounter groupPaints;
    m_group->installEventFilter(&groupPaints);
    PaintCounter figurePaints;
    m_figure->installEventFilter(&figurePaints);
    for (const char* text : { "2,048", "4,096", "8,192" }) {
        m_figure->setText(QLatin1String(text));
        settle();
    }
    EXPECT_EQ(figurePaints.count, 3);
    EXPECT_EQ(groupPaints.count, 0);
}

TEST_F(FigureLabelTest, AFigureLooksAsIfItsBackgroundWerePaintedAgain)
{
    struct Case
    {
        const char* name;
        std::function<void()> change;
        // How far a colour channel may be off: a gradient's pixels depend on where Qt's painting
        // of the span they lie in starts, by one step.
        int tolerance = 0;
    };
    const Case cases[] = {
        { "first text", [] {} },
        { "a new palette for the window",
            [this] {
                QPalette palette = m_window.palette();
                palette.setColor(QPalette::Window, QColor(0x20, 0x60, 0x90));
                m_window.setPalette(palette);
            } },
        { "the group disabled", [this] { m_group->setEnabled(false); } },
        { "the figure moved", [this] { m_figure->setGeometry(15, 60, 175, 14); } },
        // Last: the gradient stays.
        { "a window background of many colours",
            [this] {
                QLinearGradient gradient(0, 0, 260, 120);
                gradient.setColorAt(0, QColor(0x30, 0x90, 0x40));
                gradient.setColorAt(1, QColor(0xe0, 0xd0, 0x20));
                QPalette palette = m_window.palette();
                palette.setBrush(QPalette::Window, gradient);
                m_window.setPalette(palette);
            },
            1 },
    };
    int n = 0;
    for (const Case& c : cases) {
        // The figure keeps its picture of what lies under it, then that changes.
        m_figure->setText(QString::number(++n * 1111));
        settle();
        c.change();
        settle();
        m_figure->setText(QString::number(++n * 1111));
        settle();
        ASSERT_TRUE(m_figure->testAttribute(Qt::WA_OpaquePaintEvent)) << c.name;
        const QImage updated = m_window.grab().toImage();
        // The figure without its picture of what lies under it (as after a change of style) is
        // transparent: everything under it is painted with it.
        QEvent styleChange(QEvent::StyleChange);
        QApplication::sendEvent(m_figure, &styleChange);
        ASSERT_FALSE(m_figure->testAttribute(Qt::WA_OpaquePaintEvent)) << c.name;
        const QImage reference = fullPaint();
        EXPECT_LE(largestDifference(updated, reference), c.tolerance) << c.name;
    }
}

TEST_F(FigureLabelTest, AScreenReaderReadsAFigureAsALabelByItsText)
{
    // Guards against figures read out as the title of their group, whatever they show.
    m_figure->setText(QStringLiteral("2001:db8:64::7"));
    QAccessibleInterface* figure = QAccessible::queryAccessibleInterface(m_figure);
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(figure->role(), QAccessible::StaticText);
    EXPECT_EQ(figure->text(QAccessible::Name).toStdString(), "2001:db8:64::7");
    m_figure->setText(QStringLiteral("10.64.1.7"));
    EXPECT_EQ(figure->text(QAccessible::Name).toStdString(), "10.64.1.7");
    m_figure->setAccessibleName(QStringLiteral("Client IP"));
    EXPECT_EQ(figure->text(QAccessible::Name).toStdString(), "Client IP")
        << "a name given to the figure stands";
}

} // namespace
