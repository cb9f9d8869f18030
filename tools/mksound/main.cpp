// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time helper: writes the program's sounds as 16-bit mono WAV files: short chimes of two
// tones, rising for a connect and falling for a disconnect, and for a data plan's warning three
// quick tones, two high and one lower, that no chime is mistaken for. Not installed.
//
//   vantrel-mksound connect|disconnect|warning OUT.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;

void put16(std::ofstream& out, std::uint16_t value)
{
    const char bytes[2] = { static_cast<char>(value & 0xFF), static_cast<char>(value >> 8) };
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// One tone with a soft attack and an exponential decay, added into the samples from `start`.
void tone(std::vector<double>& samples, double start, double seconds, double frequency)
{
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(seconds * kRate);
    samples.resize(std::max(samples.size(), first + count), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, t / 0.01) * std::exp(-t * 6.0);
        const double wave = std::sin(2 * std::numbers::pi * frequency * t)
            + 0.3 * std::sin(4 * std::numbers::pi * frequency * t);
        samples[first + i] += 0.35 * envelope * wave;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const bool connect = argc == 3 && std::strcmp(argv[1], "connect") == 0;
    const bool disconnect = argc == 3 && std::strcmp(argv[1], "disconnect") == 0;
    const bool warning = argc == 3 && std::strcmp(argv[1], "warning") == 0;
    if (!connect && !disconnect && !warning) {
        std::fprintf(stderr, "usage: vantrel-mksound connect|disconnect|warning OUT.wav\n");
        return 2;
    }
    std::vector<double> samples;
    if (warning) {
        tone(samples, 0.0, 0.18, 1046.5);
        tone(samples, 0.16, 0.18, 1046.5);
        tone(samples, 0.32, 0.5, 783.99);
    } else {
        tone(samples, 0.0, 0.45, connect ? 659.25 : 880.0);
        tone(samples, 0.12, 0.55, connect ? 987.77 : 587.33);
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataSize);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataSize);
    for (double sample : samples)
        put16(out,
            static_cast<std::uint16_t>(
                static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767))));
    out.close();
    if (!out) {
        std::fprintf(stderr, "vantrel-mksound: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
