// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

// JPEG through libjpeg itself. Decoding gives a null image for data that is not a JPEG or is
// damaged, and refuses pictures larger than 8192 pixels a side.
QImage decodeJpeg(std::span<const std::uint8_t> data);
std::vector<std::uint8_t> encodeJpeg(const QImage& image, int quality);
