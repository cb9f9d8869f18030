// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-reg: lists, reads, sets, deletes, exports and imports the monitor's registry values.
#include "platform/registry/registry.h"
#include "platform/runtime.h"
#include "platform/win/winreg.h"
#include "regfile.h"
#include "tools/help/commandline.h"

#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>
#include <vector>

using namespace win;

namespace {

constexpr int kFailed = 1;
constexpr int kBadInput = 2;
// Far beyond any settings file; what is larger is not one.
constexpr std::size_t kMaxImportBytes = 16 * 1024 * 1024;

// The commands' descriptions start at this column.
constexpr std::size_t kColumn = 38;

const toolhelp::Line kUsage[] = {
    { QT_TRANSLATE_NOOP("vantrel-reg", "usage: vantrel-reg COMMAND [ARGUMENTS]") },
    { "" },
    { QT_TRANSLATE_NOOP(
          "vantrel-reg", "subkeys (ending in \\) and values of KEY; the roots without KEY"),
        "  list [KEY]", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg", "the value's data"), "  get KEY NAME", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg", "set a text value (REG_SZ)"), "  set KEY NAME --string TEXT",
        kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg", "set a REG_EXPAND_SZ value"),
        "  set KEY NAME --expand-string TEXT", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg", "set a 32-bit value (decimal, or hexadecimal with 0x)"),
        "  set KEY NAME --dword NUMBER", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg", "set a REG_BINARY value (\"01,02,ff\" or \"0102ff\")"),
        "  set KEY NAME --binary HEX", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg", "delete a value"), "  delete KEY NAME", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg", "write KEY and everything below it as REGEDIT4 text"),
        "  export [KEY]", kColumn },
    { QT_TRANSLATE_NOOP("vantrel-reg",
          "apply a REGEDIT4 file (- reads standard input) as a whole:\n"
          "checked first, then applied in one transaction"),
        "  import FILE", kColumn },
    toolhelp::helpOption(kColumn),
    toolhelp::versionOption(kColumn),
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-reg", "KEY is a full key name, for example") },
    { "", "  \"HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\Option\"" },
    { QT_TRANSLATE_NOOP("vantrel-reg",
        "(HKCU, HKLM, HKCR, HKU and HKCC stand for their roots). NAME @ is the key's "
        "default value.\n"
        "The registry is kept in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (folder 0700, "
        "files 0600).\n"
        "Key names are at most 255 characters, value names 16383, keys at most 512 levels "
        "deep; names\n"
        "cannot hold line breaks or NUL characters. Imports are regular files of at most "
        "16 MiB.") },
    { QT_TRANSLATE_NOOP("vantrel-reg",
        "Exit status: 0 done, 1 the registry refused, 2 bad command line or input (nothing "
        "changed).") },
};

const toolhelp::Tool kTool { "vantrel-reg", kUsage };

// The kinds of value set writes, one at a time.
const toolhelp::Option kOptions[] = {
    { "--string", "the text", 1 },
    { "--expand-string", "the text", 1 },
    { "--dword", "the number", 1 },
    { "--binary", "the bytes", 1 },
};

int usageError(const std::string& message)
{
    return toolhelp::usageError(kTool, message);
}

// Refuses a command's arguments unless there are all of `needed` (named as said when one is
// missing) and at most `optional` more.
std::optional<int> refusedArguments(const std::string& command,
    const std::vector<std::string>& args, std::initializer_list<const char*> needed,
    std::size_t optional = 0)
{
    if (args.size() < needed.size())
        return usageError(command + ": " + *(needed.begin() + args.size()) + " is missing");
    if (args.size() > needed.size() + optional)
        return toolhelp::unexpected(kTool, args[needed.size() + optional]);
    return std::nullopt;
}

std::string describe(LONG result)
{
    switch (result) {
    case ERROR_FILE_NOT_FOUND:
        return "not found";
    case ERROR_ACCESS_DENIED:
        return "access denied (the registry database or this key cannot be written)";
    case ERROR_BUSY:
        return "the registry database is locked by another program";
    case ERROR_BAD_PATHNAME:
        return "invalid key name";
    case ERROR_INVALID_PARAMETER:
        return "beyond the registry's bounds (key names 255 characters, value names 16383, "
               "512 levels)";
    case ERROR_KEY_DELETED:
        return "the key was deleted meanwhile";
    case ERROR_WRITE_FAULT:
        return "the desktop autostart entry could not be written";
    default:
        return "registry error " + std::to_string(result);
    }
}

int failure(const std::string& what, LONG result)
{
    // A database that cannot be opened makes every key look missing; say why instead.
    const auto& store = platform::Runtime::current().store();
    if (!store.openProblem().empty())
        std::fprintf(stderr, "vantrel-reg: registry database %s cannot be opened: %s\n",
            store.file().c_str(), store.openProblem().c_str());
    else
        std::fprintf(stderr, "vantrel-reg: %s: %s\n", what.c_str(), describe(result).c_str());
    return kFailed;
}

// Names that the store or an export could not take, refused before anything is written.
std::optional<std::string> nameRefusal(const std::string& key, const std::string& valueName)
{
    for (const auto* name : { &key, &valueName }) {
        if (const auto problem = regfile::nameProblem(*name); !problem.empty())
            return "'" + regfile::shortened(*name) + "' holds " + problem
                + ", which an export could not carry";
    }
    if (const auto status = platform::RegistryStore::checkKeyPath(key);
        status != platform::StoreStatus::Ok)
        return std::string(platform::toString(status)) + ": '" + regfile::shortened(key) + "'";
    if (const auto status = platform::RegistryStore::checkValueName(valueName);
        status != platform::StoreStatus::Ok)
        return platform::toString(status);
    return std::nullopt;
}

struct KeyName
{
    HKEY root;
    std::string below; // empty for the root itself
    std::string full;
};

std::optional<KeyName> parseKey(const std::string& text)
{
    const auto separator = text.find('\\');
    const auto root = platform::Registry::rootFromName(text.substr(0, separator));
    if (!root)
        return std::nullopt;
    KeyName key { *root, {}, platform::Registry::rootName(*root) };
    if (separator != std::string::npos) {
        key.below = text.substr(separator + 1);
        while (!key.below.empty() && key.below.back() == '\\')
            key.below.pop_back();
        if (key.below.empty() || key.below.front() == '\\'
            || key.below.find("\\\\") != std::string::npos)
            return std::nullopt;
        key.full += "\\" + key.below;
    }
    return key;
}

std::string valueNameArgument(const std::string& name)
{
    return name == "@" ? std::string() : name;
}

// An open key, closed when it goes out of scope.
class OpenKey
{
public:
    LONG open(const KeyName& key, bool create)
    {
        return create ? RegCreateKeyExA(key.root, key.below.c_str(), 0, nullptr,
                   REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key, nullptr)
                      : RegOpenKeyExA(key.root, key.below.c_str(), 0, KEY_READ, &m_key);
    }
    ~OpenKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    HKEY handle() const { return m_key; }

private:
    HKEY m_key = 0;
};

std::vector<std::string> subKeyNames(HKEY key)
{
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            return names;
        names.emplace_back(name, length);
    }
}

std::vector<std::pair<std::string, platform::RegistryValue>> values(HKEY key)
{
    std::vector<std::pair<std::string, platform::RegistryValue>> found;
    for (DWORD index = 0;; ++index) {
        std::vector<char> name(16384);
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type, nullptr, &size)
            != ERROR_SUCCESS)
            return found;
        platform::RegistryValue value { type, std::vector<BYTE>(size) };
        nameLength = static_cast<DWORD>(name.size());
        if (RegEnumValueA(
                key, index, name.data(), &nameLength, nullptr, &type, value.data.data(), &size)
            != ERROR_SUCCESS)
            return found;
        value.data.resize(size);
        found.emplace_back(std::string(name.data(), nameLength), std::move(value));
    }
}

const char* typeName(DWORD type)
{
    switch (type) {
    case REG_SZ:
        return "REG_SZ";
    case REG_EXPAND_SZ:
        return "REG_EXPAND_SZ";
    case REG_BINARY:
        return "REG_BINARY";
    case REG_DWORD:
        return "REG_DWORD";
    case REG_MULTI_SZ:
        return "REG_MULTI_SZ";
    default:
        return "REG_NONE";
    }
}

std::string displayData(const platform::RegistryValue& value)
{
    if ((value.type == REG_SZ || value.type == REG_EXPAND_SZ)) {
        const auto* chars = reinterpret_cast<const char*>(value.data.data());
        return std::string(chars, strnlen(chars, value.data.size()));
    }
    if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD number = 0;
        std::memcpy(&number, value.data.data(), sizeof number);
        return std::to_string(number);
    }
    std::string hex;
    for (BYTE b : value.data) {
        char text[4];
        std::snprintf(text, sizeof text, hex.empty() ? "%02x" : ",%02x", b);
        hex += text;
    }
    return hex;
}

// Parses KEY, opens it and runs the action on it; a bad name exits with 2, a refusal with 1.
template<typename Action>
int withKey(const std::string& text, bool create, Action&& action)
{
    const auto key = parseKey(text);
    if (!key || (create && key->below.empty()))
        return usageError("'" + text + "' is not a key name" + (key ? " below a root" : ""));
    OpenKey opened;
    if (const LONG result = opened.open(*key, create); result != ERROR_SUCCESS)
        return failure(key->full, result);
    return action(*key, opened.handle());
}

int list(const std::vector<std::string>& args)
{
    if (const auto refused = refusedArguments("list", args, {}, 1))
        return *refused;
    if (args.empty()) {
        for (HKEY root : { HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                 HKEY_CURRENT_CONFIG, HKEY_PERFORMANCE_DATA, HKEY_DYN_DATA })
            std::printf("%s\\\n", platform::Registry::rootName(root));
        return 0;
    }
    return withKey(args[0], false, [](const KeyName&, HKEY key) {
        for (const auto& name : subKeyNames(key))
            std::printf("%s\\\n", name.c_str());
        for (const auto& [name, value] : values(key))
            std::printf("%s\t%s\t%s\n", name.empty() ? "@" : name.c_str(), typeName(value.type),
                displayData(value).c_str());
        return 0;
    });
}

int get(const std::vector<std::string>& args)
{
    if (const auto refused = refusedArguments("get", args, { "the key", "the value name" }))
        return *refused;
    return withKey(args[0], false, [&](const KeyName& name, HKEY key) {
        const std::string valueName = valueNameArgument(args[1]);
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size);
        platform::RegistryValue value { type, std::vector<BYTE>(size) };
        if (result == ERROR_SUCCESS)
            result = RegQueryValueExA(
                key, valueName.c_str(), nullptr, &type, value.data.data(), &size);
        if (result != ERROR_SUCCESS)
            return failure(name.full + " value " + args[1], result);
        value.data.resize(size);
        std::printf("%s\n", displayData(value).c_str());
        return 0;
    });
}

// The value a kind option and its text give; nothing, and the option said, when the text is not
// one of that kind.
std::variant<platform::RegistryValue, int> parseSetValue(
    std::string_view kind, const std::string& text)
{
    if (kind == "--string" || kind == "--expand-string") {
        std::vector<BYTE> data(text.begin(), text.end());
        data.push_back(0);
        return platform::RegistryValue { kind == "--string" ? REG_SZ : REG_EXPAND_SZ,
            std::move(data) };
    }
    if (kind == "--dword") {
        errno = 0;
        char* end = nullptr;
        const long long number = std::strtoll(text.c_str(), &end, 0);
        if (text.empty() || *end != '\0' || errno == ERANGE || number < INT32_MIN
            || number > UINT32_MAX)
            return toolhelp::badValue(kTool, kind, text, "a 32-bit number");
        const auto stored = static_cast<DWORD>(static_cast<std::uint64_t>(number) & 0xFFFFFFFFu);
        std::vector<BYTE> data(sizeof stored);
        std::memcpy(data.data(), &stored, sizeof stored);
        return platform::RegistryValue { REG_DWORD, std::move(data) };
    }
    std::string compact;
    for (char c : text) {
        if (c != ',' && c != ' ')
            compact += c;
    }
    if (compact.size() % 2 != 0
        || compact.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return toolhelp::badValue(kTool, kind, text, "hexadecimal bytes");
    std::vector<BYTE> data;
    for (std::size_t i = 0; i < compact.size(); i += 2)
        data.push_back(static_cast<BYTE>(std::stoul(compact.substr(i, 2), nullptr, 16)));
    return platform::RegistryValue { REG_BINARY, std::move(data) };
}

int set(const std::vector<std::string>& args, const toolhelp::Arguments& arguments)
{
    if (const auto refused = refusedArguments("set", args, { "the key", "the value name" }))
        return *refused;
    if (arguments.options.empty())
        return usageError("set: the value is missing (--string, --expand-string, --dword or "
                          "--binary)");
    const auto& kind = arguments.options.back();
    const auto parsed = parseSetValue(kind.name, kind.value);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const auto& value = *std::get_if<platform::RegistryValue>(&parsed);
    if (const auto key = parseKey(args[0])) {
        if (const auto refusal = nameRefusal(key->full, valueNameArgument(args[1])))
            return usageError(*refusal);
    }
    return withKey(args[0], true, [&](const KeyName& name, HKEY key) {
        const LONG result = RegSetValueExA(key, valueNameArgument(args[1]).c_str(), 0, value.type,
            value.data.data(), static_cast<DWORD>(value.data.size()));
        return result == ERROR_SUCCESS
            ? 0
            : failure("cannot set " + name.full + " value " + args[1], result);
    });
}

int remove(const std::vector<std::string>& args)
{
    if (const auto refused = refusedArguments("delete", args, { "the key", "the value name" }))
        return *refused;
    return withKey(args[0], false, [&](const KeyName& name, HKEY key) {
        const LONG result = RegDeleteValueA(key, valueNameArgument(args[1]).c_str());
        return result == ERROR_SUCCESS
            ? 0
            : failure("cannot delete " + name.full + " value " + args[1], result);
    });
}

// What an export left out, each said on standard error.
struct Omissions
{
    int count = 0;
    void say(const std::string& what, const std::string& why)
    {
        std::fprintf(stderr, "vantrel-reg: not exported: %s: %s\n", what.c_str(), why.c_str());
        ++count;
    }
};

void exportTree(HKEY parent, const std::string& below, const std::string& full, std::string& out,
    Omissions& omitted)
{
    if (const auto problem = regfile::nameProblem(full); !problem.empty()) {
        omitted.say("key " + regfile::shortened(full) + " and everything below it",
            "its name holds " + problem);
        return;
    }
    OpenKey opened;
    if (const LONG result = opened.open({ parent, below, full }, false); result != ERROR_SUCCESS) {
        if (result != ERROR_FILE_NOT_FOUND)
            omitted.say("key " + regfile::shortened(full), describe(result));
        return;
    }
    auto found = values(opened.handle());
    std::erase_if(found, [&](const auto& entry) {
        const auto problem = regfile::nameProblem(entry.first);
        if (!problem.empty())
            omitted.say("value " + regfile::shortened(entry.first) + " of " + full,
                "its name holds " + problem);
        return !problem.empty();
    });
    out += regfile::keySection(full, found);
    for (const auto& name : subKeyNames(opened.handle()))
        exportTree(
            parent, below.empty() ? name : below + "\\" + name, full + "\\" + name, out, omitted);
}

int exportKeys(const std::vector<std::string>& args)
{
    if (const auto refused = refusedArguments("export", args, {}, 1))
        return *refused;
    std::vector<KeyName> keys;
    if (args.empty()) {
        for (HKEY root : { HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                 HKEY_CURRENT_CONFIG })
            keys.push_back({ root, {}, platform::Registry::rootName(root) });
    } else {
        const auto key = parseKey(args[0]);
        if (!key)
            return usageError("'" + args[0] + "' is not a key name");
        OpenKey probe;
        if (const LONG result = probe.open(*key, false); result != ERROR_SUCCESS)
            return failure(key->full, result);
        keys.push_back(*key);
    }
    std::string out = regfile::header();
    Omissions omitted;
    for (const auto& key : keys) {
        // Roots are not written as sections of their own: only what lies below them.
        if (key.below.empty()) {
            OpenKey root;
            root.open(key, false);
            for (const auto& name : subKeyNames(root.handle()))
                exportTree(key.root, name, key.full + "\\" + name, out, omitted);
        } else {
            exportTree(key.root, key.below, key.full, out, omitted);
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0)
        return kFailed;
    if (omitted.count > 0) {
        std::fprintf(stderr,
            "vantrel-reg: %d item(s) left out of the export; everything else was written\n",
            omitted.count);
        return kFailed;
    }
    return 0;
}

LONG apply(const regfile::Change& change)
{
    const auto open = [](const std::string& path, bool create, OpenKey& key) {
        return key.open(*parseKey(path), create);
    };
    if (const auto* create = std::get_if<regfile::CreateKey>(&change)) {
        OpenKey key;
        return open(create->path, true, key);
    }
    if (const auto* deleted = std::get_if<regfile::DeleteKey>(&change)) {
        const auto key = parseKey(deleted->path);
        const LONG result = RegDeleteTreeA(key->root, key->below.c_str());
        return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
    }
    if (const auto* set = std::get_if<regfile::SetValue>(&change)) {
        OpenKey key;
        if (const LONG result = open(set->path, true, key); result != ERROR_SUCCESS)
            return result;
        return RegSetValueExA(key.handle(), set->name.c_str(), 0, set->value.type,
            set->value.data.data(), static_cast<DWORD>(set->value.data.size()));
    }
    const auto& removed = std::get<regfile::DeleteValue>(change);
    OpenKey key;
    if (const LONG result = open(removed.path, false, key); result != ERROR_SUCCESS)
        return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
    const LONG result = RegDeleteValueA(key.handle(), removed.name.c_str());
    return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}

std::string changeTarget(const regfile::Change& change)
{
    return std::visit([](const auto& c) { return c.path; }, change);
}

struct ImportInput
{
    std::string text;
    std::string problem; // empty when the whole input was read
};

// The whole of a regular file or of standard input, up to kMaxImportBytes.
ImportInput readImport(const std::string& name)
{
    int fd = STDIN_FILENO;
    if (name != "-") {
        // Not blocking: a FIFO without a writer is refused below instead of waited for.
        fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return { {}, std::strerror(errno) };
        struct stat status
        {
        };
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            return { {}, "not a regular file" };
        }
    }
    ImportInput input;
    auto& text = input.text;
    auto& problem = input.problem;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem = std::strerror(errno);
            break;
        }
        if (got == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > kMaxImportBytes) {
            problem = "larger than 16 MiB, too large for a settings file";
            break;
        }
    }
    if (fd != STDIN_FILENO)
        ::close(fd);
    return input;
}

int importFile(const std::vector<std::string>& args)
{
    if (const auto refused = refusedArguments("import", args, { "the file" }))
        return *refused;
    const std::string shownName = args[0] == "-" ? "<stdin>" : args[0];
    const auto input = readImport(args[0]);
    if (!input.problem.empty()) {
        std::fprintf(stderr, "vantrel-reg: cannot import %s: %s (nothing imported)\n",
            shownName.c_str(), input.problem.c_str());
        return kBadInput;
    }
    auto parsed = regfile::parse(input.text);
    if (const auto* error = std::get_if<regfile::ParseError>(&parsed)) {
        std::fprintf(stderr, "vantrel-reg: %s:%d: %s (nothing imported)\n", shownName.c_str(),
            error->line, error->message.c_str());
        return kBadInput;
    }
    // All or nothing, and never mixed with another import of the same keys.
    std::string failedAt;
    const LONG result = platform::Runtime::current().registry().applyAtomically([&]() -> LONG {
        for (const auto& change : std::get<std::vector<regfile::Change>>(parsed)) {
            if (const LONG applied = apply(change); applied != ERROR_SUCCESS) {
                failedAt = changeTarget(change);
                return applied;
            }
        }
        return ERROR_SUCCESS;
    });
    if (result != ERROR_SUCCESS)
        return failure("import failed" + (failedAt.empty() ? std::string() : " at " + failedAt)
                + " (nothing imported)",
            result);
    return 0;
}

} // namespace

int run(int argc, char** argv)
{
    const auto parsed = toolhelp::parse(kTool, kOptions, argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const auto& arguments = *std::get_if<toolhelp::Arguments>(&parsed);
    std::vector<std::string> args = arguments.operands;
    if (args.empty())
        return usageError("the command is missing");
    if (args[0] == "help") {
        toolhelp::print(kTool.name, kTool.help, argc, argv);
        return 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command != "list" && command != "get" && command != "set" && command != "delete"
        && command != "export" && command != "import")
        return usageError("unknown command '" + command + "'");
    if (command != "set" && !arguments.options.empty())
        return usageError(
            std::string(arguments.options.front().name) + " cannot be used with " + command);
    if (!platform::Runtime::installFromEnvironment("vantrel-reg"))
        return kBadInput;

    if (command == "list")
        return list(args);
    if (command == "get")
        return get(args);
    if (command == "set")
        return set(args, arguments);
    if (command == "delete")
        return remove(args);
    if (command == "export")
        return exportKeys(args);
    return importFile(args);
}

int main(int argc, char** argv)
{
    // Out of memory or a failing file system: a message and a failure, not an abort.
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vantrel-reg: %s\n", error.what());
        return kFailed;
    }
}
