// SPDX-License-Identifier: GPL-3.0-or-later
#include "mmsystem.h"

#include <atomic>
#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace win {

namespace {

constexpr std::uint32_t kSoundId = 1;

struct Player
{
    ca_context* context = nullptr;
    bool opened = false;
    std::atomic<unsigned> generation { 0 }; // a newer call ends an older loop
    std::mutex mutex;
    std::condition_variable finished;
    unsigned finishedGeneration = 0;
};

Player& player()
{
    static Player instance;
    if (!instance.context && ca_context_create(&instance.context) == CA_SUCCESS) {
        ca_context_change_props(instance.context, CA_PROP_APPLICATION_NAME, "Vantrel",
            CA_PROP_APPLICATION_ID, "vantrel", CA_PROP_APPLICATION_ICON_NAME, "vantrel", nullptr);
        instance.opened = ca_context_open(instance.context) == CA_SUCCESS;
    }
    return instance;
}

struct Request
{
    std::string file;
    unsigned generation;
    bool loop;
};

int play(Player& p, Request* request);

// Runs on libcanberra's thread when a sound ends.
void onFinished(ca_context*, std::uint32_t, int error, void* data)
{
    auto* request = static_cast<Request*>(data);
    Player& p = player();
    if (error == CA_SUCCESS && request->loop && p.generation.load() == request->generation
        && play(p, request) == CA_SUCCESS)
        return;
    {
        std::lock_guard lock(p.mutex);
        p.finishedGeneration = request->generation;
    }
    p.finished.notify_all();
    delete request;
}

int play(Player& p, Request* request)
{
    ca_proplist* properties = nullptr;
    ca_proplist_create(&properties);
    ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME, request->file.c_str());
    ca_proplist_sets(properties, CA_PROP_MEDIA_ROLE, "event");
    ca_proplist_sets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
    const int result = ca_context_play_full(p.context, kSoundId, properties, &onFinished, request);
    ca_proplist_destroy(properties);
    return result;
}

} // namespace

UINT waveOutGetNumDevs()
{
    return player().opened ? 1 : 0;
}

BOOL PlaySoundA(LPCSTR pszSound, HMODULE, DWORD fdwSound)
{
    Player& p = player();
    if (!p.opened || !pszSound || (fdwSound & SND_RESOURCE) == SND_RESOURCE
        || !(fdwSound & SND_FILENAME))
        return FALSE;
    int playing = 0;
    if ((fdwSound & SND_NOSTOP) && ca_context_playing(p.context, kSoundId, &playing) == CA_SUCCESS
        && playing)
        return FALSE;
    const unsigned generation = ++p.generation;
    ca_context_cancel(p.context, kSoundId);
    auto* request = new Request { pszSound, generation, (fdwSound & SND_LOOP) != 0 };
    if (play(p, request) != CA_SUCCESS) {
        delete request;
        return FALSE;
    }
    if (!(fdwSound & SND_ASYNC) && !(fdwSound & SND_LOOP)) {
        std::unique_lock lock(p.mutex);
        p.finished.wait_for(
            lock, std::chrono::minutes(1), [&] { return p.finishedGeneration >= generation; });
    }
    return TRUE;
}

} // namespace win
