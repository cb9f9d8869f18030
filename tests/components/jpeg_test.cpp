// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/jpeg.h"

#include <gtest/gtest.h>

namespace {

QImage sample()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    return image;
}

TEST(Jpeg, RoundTripKeepsSizeAndColour)
{
    const auto bytes = encodeJpeg(sample(), 90);
    ASSERT_GT(bytes.size(), 100u);
    const QImage decoded = decodeJpeg(bytes);
    ASSERT_EQ(decoded.size(), QSize(64, 48));
    const QColor middle = decoded.pixelColor(32, 24);
    EXPECT_NEAR(middle.green(), 200, 6);
    EXPECT_NEAR(middle.red(), 10, 6);
}

// Guards against a crash or a hang on data that is not a picture or ends early.
TEST(Jpeg, BadDataGivesNoPictureAndNoCrash)
{
    EXPECT_TRUE(decodeJpeg({}).isNull());
    const std::vector<std::uint8_t> garbage(500, 0x42);
    EXPECT_TRUE(decodeJpeg(garbage).isNull());
    auto bytes = encodeJpeg(sample(), 90);
    bytes.resize(bytes.size() / 3);
    const QImage truncated = decodeJpeg(bytes);
    EXPECT_TRUE(truncated.isNull() || truncated.size() == QSize(64, 48));
    bytes = encodeJpeg(sample(), 90);
    bytes[bytes.size() / 2] ^= 0xFF;
    decodeJpeg(bytes); // damaged in the middle: decodes or fails, never crashes
}

} // namespace
