// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../datasource.h"
#include "../win/types.h"
#include "../win/winreg.h"
#include "autostartmirror.h"
#include "registrystore.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform {

// The registry API's semantics over its two backends: open-key handles, path rules, the
// buffer-size protocol and result codes. Keys of the ordinary roots live in the store; the
// computed roots are answered by the data source and are read-only. The start-up command
// value is mirrored to the desktop's autostart entry.
class Registry
{
public:
    Registry(RegistryStore& store, DataSource& source, AutostartMirror& autostart);

    win::LONG openKey(win::HKEY parent, const char* subKey, bool create, win::HKEY* result,
        win::DWORD* disposition);
    win::LONG closeKey(win::HKEY key);
    win::LONG setValue(
        win::HKEY key, const char* name, win::DWORD type, const win::BYTE* data, win::DWORD size);
    win::LONG queryValue(
        win::HKEY key, const char* name, win::DWORD* type, win::BYTE* data, win::DWORD* size);
    win::LONG deleteValue(win::HKEY key, const char* name);
    win::LONG deleteTree(win::HKEY key, const char* subKey);
    win::LONG enumKey(win::HKEY key, win::DWORD index, char* name, win::DWORD* nameChars);
    win::LONG enumValue(win::HKEY key, win::DWORD index, char* name, win::DWORD* nameChars,
        win::DWORD* type, win::BYTE* data, win::DWORD* size);
    struct KeyInfo
    {
        win::DWORD subKeys = 0;
        win::DWORD maxSubKeyLength = 0;
        win::DWORD values = 0;
        win::DWORD maxValueNameLength = 0;
        win::DWORD maxValueSize = 0;
    };
    win::LONG queryInfo(win::HKEY key, KeyInfo* info);

    // Runs `changes` (calls of the functions above) as one transaction of the store: all kept
    // when it answers ERROR_SUCCESS, none otherwise. Answers its failure or the commit's.
    win::LONG applyAtomically(const std::function<win::LONG()>& changes);

    // "HKEY_CURRENT_USER" and the usual short forms ("HKCU") to the predefined handle.
    static std::optional<win::HKEY> rootFromName(std::string_view name);
    static const char* rootName(win::HKEY root);

    // The start-up command: the string value kStartupValue of this key.
    static constexpr win::HKEY kStartupRoot = win::HKEY_CURRENT_USER;
    static constexpr const char* kStartupSubKey
        = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* kStartupValue = "Vantrel";

private:
    struct OpenedKey
    {
        win::HKEY root = 0;
        std::string path; // below the root; empty for the root itself
        bool computed = false;
        std::optional<KeyId> id; // store keys opened by path
    };

    const OpenedKey* find(win::HKEY key);
    std::string fullPath(const OpenedKey& key) const;
    StoreResult<KeyId> storeKey(const OpenedKey& key, bool create);
    StoreResult<std::vector<std::string>> subKeysOf(const OpenedKey& key);
    StoreResult<std::vector<StoredValue>> valuesOf(const OpenedKey& key);
    // What `use` makes of entry `index` of the list `list` reads from the opened `key`; the
    // handle's, the store's or the end-of-list error when there is no such entry.
    template<typename Entry, typename Use>
    win::LONG withEntry(win::HKEY key, win::DWORD index,
        StoreResult<std::vector<Entry>> (Registry::*list)(const OpenedKey&), Use use);
    // The start-up key's full path, as the store names keys.
    static std::string startupKey();
    bool isStartupValue(const OpenedKey& key, const char* name) const;
    void syncAutostart();

    RegistryStore& m_store;
    VirtualRegistry& computed() { return m_source.virtualRegistry(); }

    DataSource& m_source;
    AutostartMirror& m_autostart;
    std::unordered_map<win::HKEY, OpenedKey> m_handles;
    std::unordered_map<win::HKEY, OpenedKey> m_roots;
    win::HKEY m_nextHandle = 0x100;
    bool m_startupChanged = false; // the start-up value was written since applyAtomically began
};

} // namespace platform
