// SPDX-License-Identifier: GPL-3.0-or-later
// Sound playback, over the freedesktop event-sound library (libcanberra), which plays through
// PulseAudio and, where PipeWire serves PulseAudio's protocol, through PipeWire.
#pragma once

#include "types.h"

namespace win {

constexpr DWORD SND_SYNC = 0x0000;
constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_LOOP = 0x0008;
constexpr DWORD SND_NOSTOP = 0x0010;
constexpr DWORD SND_FILENAME = 0x00020000;
constexpr DWORD SND_RESOURCE = 0x00040004;

// 1 when a sound server answers, 0 when the machine has nowhere to play sounds.
UINT waveOutGetNumDevs();
// Plays a sound file (SND_FILENAME); resources are not supported. A synchronous call waits for
// the end of the sound (at most a minute); SND_LOOP repeats it until the next call; SND_NOSTOP
// refuses while a sound plays. No default sound is ever played.
BOOL PlaySoundA(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound);

} // namespace win
