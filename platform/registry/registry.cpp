// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include "../text.h"
#include "../win/winreg.h"

#include <algorithm>
#include <cstring>

namespace platform {

using namespace win;

namespace {

struct RootName
{
    HKEY key;
    const char* name;
    const char* shortName;
};

constexpr RootName kRoots[] = {
    { HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT", "HKCR" },
    { HKEY_CURRENT_USER, "HKEY_CURRENT_USER", "HKCU" },
    { HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", "HKLM" },
    { HKEY_USERS, "HKEY_USERS", "HKU" },
    { HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA", "HKPD" },
    { HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG", "HKCC" },
    { HKEY_DYN_DATA, "HKEY_DYN_DATA", "HKDD" },
};

LONG resultFor(StoreStatus status)
{
    switch (status) {
    case StoreStatus::Ok:
        return ERROR_SUCCESS;
    case StoreStatus::NotFound:
        return ERROR_FILE_NOT_FOUND;
    case StoreStatus::Busy:
        return ERROR_BUSY;
    case StoreStatus::ReadOnly:
        return ERROR_ACCESS_DENIED;
    case StoreStatus::KeyDeleted:
        return ERROR_KEY_DELETED;
    case StoreStatus::BadPath:
        return ERROR_BAD_PATHNAME;
    case StoreStatus::KeyNameTooLong:
    case StoreStatus::ValueNameTooLong:
    case StoreStatus::TooDeep:
        // As the platform answers a name or a tree beyond its bounds.
        return ERROR_INVALID_PARAMETER;
    case StoreStatus::Io:
        return ERROR_REGISTRY_IO_FAILED;
    }
    return ERROR_REGISTRY_IO_FAILED;
}

// Joins a subkey argument to a parent path. A trailing backslash is tolerated; a leading one
// and empty components are not.
std::optional<std::string> joinPath(const std::string& parent, const char* subKey)
{
    std::string_view sub = subKey ? subKey : "";
    if (!sub.empty() && sub.back() == '\\')
        sub.remove_suffix(1);
    if (sub.empty())
        return parent;
    for (auto part : split(sub, '\\')) {
        if (part.empty())
            return std::nullopt;
    }
    return parent.empty() ? std::string(sub) : parent + "\\" + std::string(sub);
}

// Copies a name into a caller's buffer by the enumeration functions' rules: the size goes in
// as the buffer's capacity in characters and comes out as the name's length without its NUL.
LONG copyName(const std::string& name, char* buffer, DWORD* chars)
{
    if (!chars)
        return ERROR_INVALID_PARAMETER;
    if (!buffer || name.size() + 1 > *chars)
        return ERROR_MORE_DATA;
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *chars = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

// The value-reading buffer protocol shared by the query and enumeration functions.
LONG copyValue(const RegistryValue& value, DWORD* type, BYTE* data, DWORD* size)
{
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    if (type)
        *type = value.type;
    if (!size)
        return ERROR_SUCCESS;
    const auto needed = static_cast<DWORD>(value.data.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data && needed > 0)
        std::memcpy(data, value.data.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

std::string startupCommand(const RegistryValue& value)
{
    const auto* chars = reinterpret_cast<const char*>(value.data.data());
    const auto end = std::find(chars, chars + value.data.size(), '\0');
    return std::string(chars, end);
}

bool isText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

} // namespace

Registry::Registry(RegistryStore& store, DataSource& source, AutostartMirror& autostart)
    : m_store(store)
    , m_source(source)
    , m_autostart(autostart)
{
    for (const auto& root : kRoots)
        m_roots.emplace(
            root.key, OpenedKey { root.key, {}, isComputedRegistryKey(root.key, {}), {} });
}

std::optional<HKEY> Registry::rootFromName(std::string_view name)
{
    for (const auto& root : kRoots) {
        if (equalsIgnoreCase(name, root.name) || equalsIgnoreCase(name, root.shortName))
            return root.key;
    }
    return std::nullopt;
}

const char* Registry::rootName(HKEY root)
{
    for (const auto& entry : kRoots) {
        if (entry.key == root)
            return entry.name;
    }
    return nullptr;
}

const Registry::OpenedKey* Registry::find(HKEY key)
{
    if (auto root = m_roots.find(key); root != m_roots.end())
        return &root->second;
    if (auto opened = m_handles.find(key); opened != m_handles.end())
        return &opened->second;
    return nullptr;
}

std::string Registry::fullPath(const OpenedKey& key) const
{
    std::string path = rootName(key.root);
    if (!key.path.empty())
        path += "\\" + key.path;
    return path;
}

StoreResult<KeyId> Registry::storeKey(const OpenedKey& key, bool create)
{
    if (key.id)
        return *key.id;
    if (!create)
        return m_store.findKey(fullPath(key));
    auto created = m_store.createKey(fullPath(key));
    if (!created.ok())
        return created.status();
    return created.value().first;
}

LONG Registry::openKey(
    HKEY parent, const char* subKey, bool create, HKEY* result, DWORD* disposition)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = 0;
    if (subKey && subKey[0] == '\\')
        return ERROR_BAD_PATHNAME;
    const OpenedKey* base = find(parent);
    if (!base)
        return ERROR_INVALID_HANDLE;
    const auto path = joinPath(base->path, subKey);
    if (!path)
        return ERROR_BAD_PATHNAME;
    if (path->empty() && m_roots.contains(parent)) {
        // A root opened by itself is the root's own handle, as on the platform.
        *result = parent;
        if (disposition)
            *disposition = REG_OPENED_EXISTING_KEY;
        return ERROR_SUCCESS;
    }

    OpenedKey opened { base->root, *path, isComputedRegistryKey(base->root, *path), {} };
    bool createdNew = false;
    if (opened.computed) {
        if (!computed().keyExists(opened.root, opened.path))
            return create ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
    } else if (create) {
        auto created = m_store.createKey(fullPath(opened));
        if (!created.ok())
            return resultFor(created.status());
        opened.id = created.value().first;
        createdNew = created.value().second;
    } else {
        auto found = m_store.findKey(fullPath(opened));
        if (!found.ok())
            return resultFor(found.status());
        opened.id = found.value();
    }

    const HKEY handle = m_nextHandle;
    m_nextHandle += 4;
    m_handles.emplace(handle, std::move(opened));
    *result = handle;
    if (disposition)
        *disposition = createdNew ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG Registry::closeKey(HKEY key)
{
    if (m_roots.contains(key))
        return ERROR_SUCCESS;
    return m_handles.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::string Registry::startupKey()
{
    return std::string(rootName(kStartupRoot)) + "\\" + kStartupSubKey;
}

bool Registry::isStartupValue(const OpenedKey& key, const char* name) const
{
    return name && equalsIgnoreCase(name, kStartupValue)
        && equalsIgnoreCase(fullPath(key), startupKey());
}

void Registry::syncAutostart()
{
    m_startupChanged = true;
    const auto key = m_store.findKey(startupKey());
    const auto value = key.ok() ? m_store.value(key.value(), kStartupValue)
                                : StoreResult<RegistryValue>(StoreStatus::NotFound);
    if (value.ok() && isText(value.value().type))
        m_autostart.set(startupCommand(value.value()));
    else if (!value.ok() && value.status() != StoreStatus::NotFound)
        return; // the store cannot tell; leave the entry as it is
    else
        m_autostart.remove();
}

LONG Registry::setValue(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size)
{
    const OpenedKey* opened = find(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    if (opened->computed)
        return ERROR_ACCESS_DENIED;
    if (!data && size > 0)
        return ERROR_INVALID_PARAMETER;
    const bool startup = isStartupValue(*opened, name);
    RegistryValue value { type, data ? std::vector<BYTE>(data, data + size) : std::vector<BYTE>() };
    // The desktop entry is written first, so a start-up command the desktop cannot run is
    // refused instead of stored and silently ignored.
    if (startup && isText(type) && !m_autostart.set(startupCommand(value)))
        return ERROR_WRITE_FAULT;
    const auto id = storeKey(*opened, true);
    const StoreStatus status
        = id.ok() ? m_store.setValue(id.value(), name ? name : "", value) : id.status();
    if (startup)
        syncAutostart();
    return resultFor(status);
}

LONG Registry::queryValue(HKEY key, const char* name, DWORD* type, BYTE* data, DWORD* size)
{
    const OpenedKey* opened = find(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    const std::string_view valueName = name ? name : "";
    if (opened->computed) {
        const auto value = computed().value(opened->root, opened->path, valueName);
        return value ? copyValue(*value, type, data, size) : ERROR_FILE_NOT_FOUND;
    }
    const auto id = storeKey(*opened, false);
    if (!id.ok())
        return resultFor(id.status());
    const auto value = m_store.value(id.value(), valueName);
    if (!value.ok())
        return resultFor(value.status());
    return copyValue(value.value(), type, data, size);
}

LONG Registry::deleteValue(HKEY key, const char* name)
{
    const OpenedKey* opened = find(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    if (opened->computed)
        return ERROR_ACCESS_DENIED;
    const auto id = storeKey(*opened, false);
    if (!id.ok())
        return resultFor(id.status());
    const StoreStatus status = m_store.deleteValue(id.value(), name ? name : "");
    if (isStartupValue(*opened, name))
        syncAutostart();
    return resultFor(status);
}

LONG Registry::deleteTree(HKEY key, const char* subKey)
{
    HKEY target = 0;
    const LONG opened = openKey(key, subKey, false, &target, nullptr);
    if (opened != ERROR_SUCCESS)
        return opened;
    const OpenedKey* found = find(target);
    LONG result = ERROR_ACCESS_DENIED;
    if (!found->computed && !found->path.empty()) {
        const auto id = storeKey(*found, false);
        result = resultFor(id.ok() ? m_store.deleteTree(id.value()) : id.status());
        if (startsWithIgnoreCase(startupKey(), fullPath(*found)))
            syncAutostart();
    }
    closeKey(target);
    return result;
}

LONG Registry::applyAtomically(const std::function<LONG()>& changes)
{
    LONG failed = ERROR_SUCCESS;
    m_startupChanged = false;
    const StoreStatus status = m_store.inOneTransaction([&] {
        failed = changes();
        return failed == ERROR_SUCCESS ? StoreStatus::Ok : StoreStatus::Io;
    });
    // The desktop entry follows what was kept, whichever way the transaction ended.
    if (m_startupChanged)
        syncAutostart();
    return failed != ERROR_SUCCESS ? failed : resultFor(status);
}

StoreResult<std::vector<std::string>> Registry::subKeysOf(const OpenedKey& key)
{
    if (key.computed)
        return computed().subKeys(key.root, key.path);
    const auto id = storeKey(key, false);
    if (id.ok())
        return m_store.subKeys(id.value());
    // A root nothing was ever written under is empty.
    if (id.status() == StoreStatus::NotFound)
        return std::vector<std::string>();
    return id.status();
}

StoreResult<std::vector<StoredValue>> Registry::valuesOf(const OpenedKey& key)
{
    if (key.computed) {
        std::vector<StoredValue> values;
        for (auto& name : computed().valueNames(key.root, key.path)) {
            if (auto value = computed().value(key.root, key.path, name))
                values.push_back({ std::move(name), std::move(*value) });
        }
        return values;
    }
    const auto id = storeKey(key, false);
    if (id.ok())
        return m_store.values(id.value());
    if (id.status() == StoreStatus::NotFound)
        return std::vector<StoredValue>();
    return id.status();
}

template<typename Entry, typename Use>
LONG Registry::withEntry(HKEY key, DWORD index,
    StoreResult<std::vector<Entry>> (Registry::*list)(const OpenedKey&), Use use)
{
    const OpenedKey* opened = find(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    const auto entries = (this->*list)(*opened);
    if (!entries.ok())
        return resultFor(entries.status());
    if (index >= entries.value().size())
        return ERROR_NO_MORE_ITEMS;
    return use(entries.value()[index]);
}

LONG Registry::enumKey(HKEY key, DWORD index, char* name, DWORD* nameChars)
{
    return withEntry(key, index, &Registry::subKeysOf,
        [&](const std::string& subKey) { return copyName(subKey, name, nameChars); });
}

LONG Registry::enumValue(
    HKEY key, DWORD index, char* name, DWORD* nameChars, DWORD* type, BYTE* data, DWORD* size)
{
    return withEntry(key, index, &Registry::valuesOf, [&](const StoredValue& entry) {
        const LONG named = copyName(entry.name, name, nameChars);
        if (named != ERROR_SUCCESS)
            return named;
        return copyValue(entry.value, type, data, size);
    });
}

LONG Registry::queryInfo(HKEY key, KeyInfo* info)
{
    const OpenedKey* opened = find(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    if (!info)
        return ERROR_INVALID_PARAMETER;
    const auto subKeys = subKeysOf(*opened);
    const auto values = valuesOf(*opened);
    if (!subKeys.ok() || !values.ok())
        return resultFor(subKeys.ok() ? values.status() : subKeys.status());
    *info = {};
    info->subKeys = static_cast<DWORD>(subKeys.value().size());
    info->values = static_cast<DWORD>(values.value().size());
    for (const auto& name : subKeys.value())
        info->maxSubKeyLength = std::max(info->maxSubKeyLength, static_cast<DWORD>(name.size()));
    for (const auto& value : values.value()) {
        info->maxValueNameLength
            = std::max(info->maxValueNameLength, static_cast<DWORD>(value.name.size()));
        info->maxValueSize
            = std::max(info->maxValueSize, static_cast<DWORD>(value.value.data.size()));
    }
    return ERROR_SUCCESS;
}

} // namespace platform
