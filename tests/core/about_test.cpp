// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/aboutform.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

TEST(AboutWindow, ShowsItsPictureAndClosesOnADoubleClick)
{
    TAboutForm about;
    EXPECT_EQ(about.size(), QSize(500, 350));
    ASSERT_EQ(about.Image().size(), QSize(500, 350)) << "the embedded picture decodes";
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    about.show();
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::RightButton,
        Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&about, &right);
    EXPECT_TRUE(about.isVisible()) << "the right button does nothing";
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&about, &twice);
    EXPECT_FALSE(about.isVisible());
    if (const char* out = std::getenv("VANTREL_ABOUT_PNG"))
        about.Image().save(QString::fromLocal8Bit(out));
}

} // namespace
