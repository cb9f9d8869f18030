// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on a machine with nowhere to play (this test process reaches no sound
// server); the playback itself is tested against a real server in app_tests.
#include "components/base/wave.h"
#include "platform/win/mmsystem.h"
#include "tests/support/built.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class WaveWithoutDevice : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Before the player's first use: the only server it may try is one that is not there.
        setenv("CANBERRA_DRIVER", "pulse", 1);
        setenv("PULSE_SERVER", "unix:/nonexistent/pulse/native", 1);
    }
};

TEST_F(WaveWithoutDevice, PlayAnswersFalseBeforeLookingAtTheFile)
{
    EXPECT_EQ(win::waveOutGetNumDevs(), 0u);
    TWave wave;
    EXPECT_EQ(wave.WhereWave(), wwWaveFile);
    EXPECT_TRUE(wave.Options().contains(woAsync));
    wave.SetWaveName(QString::fromUtf8(testing_support::built::sound));
    EXPECT_FALSE(wave.Play()) << "an existing file, but no device";
    wave.SetWaveName(QStringLiteral("/no/such/sound.wav"));
    EXPECT_FALSE(wave.Play());
    EXPECT_EQ(win::PlaySoundA(testing_support::built::sound, 0, win::SND_FILENAME | win::SND_ASYNC),
        win::FALSE);
}

} // namespace
