// SPDX-License-Identifier: GPL-3.0-or-later
// The registry API's semantics over the store and the computed roots.
#include "platform/win/winreg.h"
#include "tests/support/scratchruntime.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace win;

namespace {

class RegistryApi : public testing::Test
{
protected:
    HKEY create(HKEY parent, const char* path, DWORD* disposition = nullptr)
    {
        HKEY key = 0;
        EXPECT_EQ(RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, disposition),
            ERROR_SUCCESS)
            << path;
        return key;
    }
    LONG open(HKEY parent, const char* path, HKEY* key)
    {
        return RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, key);
    }
    void setText(HKEY key, const char* name, const std::string& text)
    {
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                      static_cast<DWORD>(text.size() + 1)),
            ERROR_SUCCESS);
    }
    void setDword(HKEY key, const char* name, DWORD value)
    {
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
            ERROR_SUCCESS);
    }

    testing_support::ScratchRuntime m_runtime;
};

TEST_F(RegistryApi, CreateMakesEveryMissingKeyOnThePath)
{
    DWORD disposition = 0;
    const HKEY leaf
        = create(HKEY_CURRENT_USER, "Software\\Orvik Software\\Vantrel\\Position", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    for (const char* path :
        { "Software", "Software\\Orvik Software", "Software\\Orvik Software\\Vantrel" }) {
        HKEY key = 0;
        EXPECT_EQ(open(HKEY_CURRENT_USER, path, &key), ERROR_SUCCESS) << path;
        RegCloseKey(key);
    }
    create(HKEY_CURRENT_USER, "Software\\Orvik Software\\Vantrel\\Position", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(RegCloseKey(leaf), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(leaf), ERROR_INVALID_HANDLE) << "a closed handle stays closed";
}

TEST_F(RegistryApi, KeyAndValueNamesMatchWithoutCaseAndKeepTheirSpelling)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Orvik Software\\Vantrel\\Option");
    setDword(key, "MaxGraph", 4096);
    HKEY other = 0;
    ASSERT_EQ(open(HKEY_CURRENT_USER, "SOFTWARE\\orvik software\\VANTREL\\option", &other),
        ERROR_SUCCESS);
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(
                  other, "maxgraph", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(value, 4096u);

    setDword(other, "MAXGRAPH", 8192); // replaces, does not add
    char name[64];
    DWORD nameLength = sizeof name;
    EXPECT_EQ(RegEnumValueA(key, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr),
        ERROR_SUCCESS);
    EXPECT_STREQ(name, "MaxGraph");
    nameLength = sizeof name;
    EXPECT_EQ(RegEnumValueA(key, 1, name, &nameLength, nullptr, nullptr, nullptr, nullptr),
        ERROR_NO_MORE_ITEMS);

    nameLength = sizeof name;
    HKEY vantrel = 0;
    ASSERT_EQ(
        open(HKEY_CURRENT_USER, "software\\orvik software\\vantrel", &vantrel), ERROR_SUCCESS);
    EXPECT_EQ(RegEnumKeyExA(vantrel, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr),
        ERROR_SUCCESS);
    EXPECT_STREQ(name, "Option");
}

TEST_F(RegistryApi, QueryFollowsTheBufferSizeProtocol)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Test");
    setText(key, "Name", "hello");
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u) << "the size query counts the terminating NUL";
    EXPECT_EQ(type, REG_SZ);

    char small[3] = { 'x', 'x', 'x' };
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, reinterpret_cast<BYTE*>(small), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u) << "the needed size comes back with ERROR_MORE_DATA";
    EXPECT_EQ(small[0], 'x') << "nothing is copied into a short buffer";

    char exact[6];
    size = sizeof exact;
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, reinterpret_cast<BYTE*>(exact), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(exact, "hello");

    EXPECT_EQ(
        RegQueryValueExA(key, "Name", nullptr, &type, reinterpret_cast<BYTE*>(exact), nullptr),
        ERROR_INVALID_PARAMETER);
    EXPECT_EQ(
        RegQueryValueExA(key, "Missing", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    HKEY missing = 0;
    EXPECT_EQ(open(HKEY_CURRENT_USER, "Software\\Nowhere", &missing), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing, 0u);
}

TEST_F(RegistryApi, ValuesKeepTheirTypeAndBytes)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Types");
    const std::vector<std::pair<DWORD, std::vector<BYTE>>> cases = {
        { REG_SZ, { 'a', 'b', 0 } },
        { REG_EXPAND_SZ, { '%', 'H', 'O', 'M', 'E', '%', 0 } },
        { REG_DWORD, { 1, 2, 3, 4 } },
        { REG_BINARY, { 0, 255, 0, 7 } },
        { REG_BINARY, {} },
    };
    for (const auto& [type, bytes] : cases) {
        ASSERT_EQ(RegSetValueExA(key, "V", 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
        DWORD readType = 0;
        std::vector<BYTE> read(16);
        DWORD size = static_cast<DWORD>(read.size());
        ASSERT_EQ(
            RegQueryValueExA(key, "V", nullptr, &readType, read.data(), &size), ERROR_SUCCESS);
        read.resize(size);
        EXPECT_EQ(readType, type);
        EXPECT_EQ(read, bytes);
    }
}

TEST_F(RegistryApi, PathRules)
{
    HKEY key = 0;
    EXPECT_EQ(open(HKEY_CURRENT_USER, "\\Software", &key), ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\\\Twice", 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr),
        ERROR_BAD_PATHNAME);
    const HKEY created = create(HKEY_CURRENT_USER, "Software\\Trailing\\");
    EXPECT_EQ(open(HKEY_CURRENT_USER, "Software\\Trailing", &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(open(HKEY_CURRENT_USER, "", &key), ERROR_SUCCESS);
    EXPECT_EQ(key, HKEY_CURRENT_USER) << "a root opened by itself is the root";
    EXPECT_EQ(open(created, "", &key), ERROR_SUCCESS);
    EXPECT_NE(key, created) << "reopening a key gives a new handle";
    EXPECT_EQ(open(0x1234, "Software", &key), ERROR_INVALID_HANDLE);
    const std::string tooLong(256, 'k');
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, tooLong.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr),
        ERROR_INVALID_PARAMETER)
        << "the platform's answer to a key name beyond 255 characters";
}

TEST_F(RegistryApi, EnumerationAndKeyInformation)
{
    const HKEY parent = create(HKEY_CURRENT_USER, "Software\\Enum");
    for (const char* name : { "beta", "Alpha", "gamma" })
        RegCloseKey(create(parent, name));
    setText(parent, "Second", "22");
    setText(parent, "First", "1");

    std::vector<std::string> names;
    char name[8];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        const LONG result
            = RegEnumKeyExA(parent, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        ASSERT_EQ(result, ERROR_SUCCESS);
        EXPECT_EQ(length, std::strlen(name)) << "the length comes back without the NUL";
        names.emplace_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string> { "Alpha", "beta", "gamma" }));
    DWORD length = 5; // "Alpha" needs 6 with its NUL
    EXPECT_EQ(RegEnumKeyExA(parent, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
        ERROR_MORE_DATA);

    length = sizeof name;
    ASSERT_EQ(
        RegEnumValueA(parent, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, "Second") << "values come in the order they were created";

    DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxValue = 0;
    ASSERT_EQ(RegQueryInfoKeyA(parent, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr,
                  &values, &maxValueName, &maxValue, nullptr, nullptr),
        ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 3u);
    EXPECT_EQ(maxSubKey, 5u);
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(maxValueName, 6u);
    EXPECT_EQ(maxValue, 3u);
}

TEST_F(RegistryApi, DeletingValuesAndTrees)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Doomed\\Inner");
    setText(key, "Name", "x");
    EXPECT_EQ(RegDeleteValueA(key, "NAME"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, "Name"), ERROR_FILE_NOT_FOUND);
    setText(key, "Name", "x");

    EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Doomed"), ERROR_SUCCESS);
    HKEY gone = 0;
    EXPECT_EQ(open(HKEY_CURRENT_USER, "Software\\Doomed\\Inner", &gone), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(open(HKEY_CURRENT_USER, "Software", &gone), ERROR_SUCCESS);
    // The handle opened before the deletion now names nothing.
    const DWORD value = 1;
    EXPECT_EQ(RegSetValueExA(key, "Name", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
        ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED)
        << "a root is never deleted";
}

TEST_F(RegistryApi, ComputedRootsAreAnsweredByTheSourceAndReadOnly)
{
    auto& computed = m_runtime.source().registry();
    computed.setValue(HKEY_DYN_DATA, "PerfStats\\StatData", "Dial-Up Adapter\\TotalBytesXmit",
        { REG_BINARY, { 1, 2, 3, 4 } });
    computed.addKey(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\PerfStats\\Enum");

    HKEY stats = 0;
    ASSERT_EQ(open(HKEY_DYN_DATA, "PerfStats\\StatData", &stats), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(
                  stats, "dial-up adapter\\totalbytesxmit", nullptr, nullptr, nullptr, &size),
        ERROR_SUCCESS);
    EXPECT_EQ(size, 4u);
    const DWORD one = 1;
    EXPECT_EQ(RegSetValueExA(stats, "X", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4),
        ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(stats, "Dial-Up Adapter\\TotalBytesXmit"), ERROR_ACCESS_DENIED);

    HKEY key = 0;
    EXPECT_EQ(open(HKEY_DYN_DATA, "PerfStats\\Missing", &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCreateKeyExA(HKEY_DYN_DATA, "PerfStats\\Missing", 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr),
        ERROR_ACCESS_DENIED);
    EXPECT_EQ(open(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\PerfStats\\Enum", &key),
        ERROR_SUCCESS);
    // Beside the statistics keys, the local machine root is an ordinary stored root.
    RegCloseKey(create(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Other"));
    EXPECT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\PerfStats\\New", 0,
            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_ACCESS_DENIED);
}

TEST_F(RegistryApi, AnotherConnectionSeesEachChangeAtOnce)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Shared");
    platform::RegistryStore other(m_runtime.databaseFile());
    const auto id = other.findKey("HKEY_CURRENT_USER\\Software\\Shared");
    ASSERT_TRUE(id.ok());
    for (DWORD round = 1; round <= 3; ++round) {
        setDword(key, "Counter", round);
        const auto seen = other.value(id.value(), "counter");
        ASSERT_TRUE(seen.ok());
        DWORD value = 0;
        std::memcpy(&value, seen.value().data.data(), 4);
        EXPECT_EQ(value, round);
    }
}

} // namespace
