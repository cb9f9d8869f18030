// SPDX-License-Identifier: GPL-3.0-or-later
#include "mmsystem.h"

#include <atomic>
#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <dlfcn.h>
#include <mutex>
#include <type_traits>

namespace win {

namespace {

constexpr std::uint32_t kSoundId = 1;

// The library (and the codec libraries it pulls in) is loaded when the first sound is wanted:
// most sessions never play one, and it would otherwise stay resident all day for nothing.
struct Canberra
{
    decltype(&ca_context_create) contextCreate = nullptr;
    decltype(&ca_context_change_props) contextChangeProps = nullptr;
    decltype(&ca_context_open) contextOpen = nullptr;
    decltype(&ca_context_play_full) contextPlayFull = nullptr;
    decltype(&ca_context_playing) contextPlaying = nullptr;
    decltype(&ca_context_cancel) contextCancel = nullptr;
    decltype(&ca_proplist_create) proplistCreate = nullptr;
    decltype(&ca_proplist_sets) proplistSets = nullptr;
    decltype(&ca_proplist_destroy) proplistDestroy = nullptr;

    // False when the library is missing or lacks one of the functions.
    bool load()
    {
        void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return false;
        const auto find = [library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                dlsym(library, name));
            return function != nullptr;
        };
        if (find(contextCreate, "ca_context_create")
            && find(contextChangeProps, "ca_context_change_props")
            && find(contextOpen, "ca_context_open") && find(contextPlayFull, "ca_context_play_full")
            && find(contextPlaying, "ca_context_playing")
            && find(contextCancel, "ca_context_cancel")
            && find(proplistCreate, "ca_proplist_create") && find(proplistSets, "ca_proplist_sets")
            && find(proplistDestroy, "ca_proplist_destroy"))
            return true;
        dlclose(library);
        return false;
    }
};

struct Player
{
    Canberra ca;
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
    static const bool loaded = instance.ca.load();
    if (loaded && !instance.context && instance.ca.contextCreate(&instance.context) == CA_SUCCESS) {
        instance.ca.contextChangeProps(instance.context, CA_PROP_APPLICATION_NAME, "Vantrel",
            CA_PROP_APPLICATION_ID, "vantrel", CA_PROP_APPLICATION_ICON_NAME, "vantrel", nullptr);
        instance.opened = instance.ca.contextOpen(instance.context) == CA_SUCCESS;
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
        const std::scoped_lock lock(p.mutex);
        p.finishedGeneration = request->generation;
    }
    p.finished.notify_all();
    delete request;
}

int play(Player& p, Request* request)
{
    const Canberra& ca = p.ca;
    ca_proplist* properties = nullptr;
    ca.proplistCreate(&properties);
    ca.proplistSets(properties, CA_PROP_MEDIA_FILENAME, request->file.c_str());
    ca.proplistSets(properties, CA_PROP_MEDIA_ROLE, "event");
    ca.proplistSets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
    const int result = ca.contextPlayFull(p.context, kSoundId, properties, &onFinished, request);
    ca.proplistDestroy(properties);
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
    if ((fdwSound & SND_NOSTOP) && p.ca.contextPlaying(p.context, kSoundId, &playing) == CA_SUCCESS
        && playing)
        return FALSE;
    const unsigned generation = ++p.generation;
    p.ca.contextCancel(p.context, kSoundId);
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
