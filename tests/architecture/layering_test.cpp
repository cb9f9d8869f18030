// SPDX-License-Identifier: GPL-3.0-or-later
// The layers are kept by a test, not by habit: app -> core -> monitor -> {access, components,
// net, usage} -> platform; tools may use any library and nothing includes tools; the libraries
// without windows include no Qt Widgets or Qt Gui header.
#include "tests/support/built.h"
#include "tests/support/scratchruntime.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer
{
    std::string folder;
    int rank; // a file may include from its own rank and below
};

// Tests, benchmarks and fuzz targets may include anything and are not scanned.
const std::vector<Layer> kLayers = {
    { "platform", 0 },
    { "access", 1 },
    { "components", 1 },
    { "net", 1 },
    { "usage", 1 },
    { "monitor", 2 },
    { "core", 3 },
    { "app", 4 },
    { "tools", 5 },
};

// Folders whose code must run where there is no display: their libraries link Qt Core only.
const std::vector<std::string> kWithoutWidgets
    = { "platform", "access", "net", "usage", "components/base", "monitor" };

bool isSource(const fs::path& file)
{
    const auto extension = file.extension();
    return extension == ".h" || extension == ".hpp" || extension == ".cpp" || extension == ".cc";
}

// The path below `root`, or nothing for a path outside it.
std::optional<std::string> relativeTo(const fs::path& root, const fs::path& file)
{
    const fs::path relative = fs::weakly_canonical(file).lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..")
        return std::nullopt;
    return relative.generic_string();
}

std::string topFolder(const std::string& relative)
{
    return relative.substr(0, relative.find('/'));
}

const Layer* layerOf(const std::string& relative)
{
    const std::string top = topFolder(relative);
    const auto found = std::find_if(
        kLayers.begin(), kLayers.end(), [&](const Layer& layer) { return layer.folder == top; });
    return found == kLayers.end() ? nullptr : &*found;
}

bool underFolder(const std::string& relative, const std::string& folder)
{
    return relative.rfind(folder + "/", 0) == 0;
}

struct Include
{
    int line;
    bool quoted;
    std::string name;
};

std::vector<Include> includesOf(const fs::path& file)
{
    static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> result;
    std::ifstream in(file);
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::smatch match;
        if (std::regex_search(text, match, directive))
            result.push_back({ number, match[1] == "\"", match[2] });
    }
    return result;
}

// Where the compiler finds a project header: beside the including file for a quoted name,
// else below the source root (the one include folder our libraries export).
std::optional<std::string> resolve(
    const fs::path& root, const fs::path& file, const Include& include)
{
    if (include.quoted) {
        const fs::path beside = file.parent_path() / include.name;
        if (fs::is_regular_file(beside))
            return relativeTo(root, beside);
    }
    const fs::path fromRoot = root / include.name;
    if (fs::is_regular_file(fromRoot))
        return relativeTo(root, fromRoot);
    return std::nullopt;
}

// Why `from` may not include `to`, or nothing when it may.
std::optional<std::string> layerViolation(const std::string& from, const std::string& to)
{
    const Layer* source = layerOf(from);
    if (!source)
        return std::nullopt;
    const Layer* target = layerOf(to);
    if (!target)
        return "includes " + to + ", which belongs to no library";
    if (target->folder == "tools" && source->folder != "tools")
        return "includes " + to + ": nothing includes the tools";
    if (target->rank > source->rank)
        return "includes " + to + " from the higher layer " + target->folder + "/";
    return std::nullopt;
}

bool isWidgetHeader(const fs::path& qtHeaders, const Include& include)
{
    if (include.quoted)
        return false;
    if (include.name.rfind("QtWidgets/", 0) == 0 || include.name.rfind("QtGui/", 0) == 0)
        return true;
    return fs::exists(qtHeaders / "QtWidgets" / include.name)
        || fs::exists(qtHeaders / "QtGui" / include.name);
}

struct ScanResult
{
    int files = 0;
    std::vector<std::string> violations;
};

ScanResult scan(const fs::path& rootFolder, const fs::path& qtHeaders)
{
    const fs::path root = fs::weakly_canonical(rootFolder);
    ScanResult result;
    for (const Layer& layer : kLayers) {
        if (!fs::is_directory(root / layer.folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / layer.folder)) {
            if (!entry.is_regular_file() || !isSource(entry.path()))
                continue;
            ++result.files;
            const std::string from = *relativeTo(root, entry.path());
            const bool withoutWidgets = std::any_of(kWithoutWidgets.begin(), kWithoutWidgets.end(),
                [&](const std::string& f) { return underFolder(from, f); });
            for (const Include& include : includesOf(entry.path())) {
                const std::string where = from + ":" + std::to_string(include.line) + " ";
                if (withoutWidgets && isWidgetHeader(qtHeaders, include))
                    result.violations.push_back(
                        where + "includes <" + include.name + ">, a Qt Widgets or Gui header");
                const auto target = resolve(root, entry.path(), include);
                if (!target)
                    continue;
                if (const auto why = layerViolation(from, *target))
                    result.violations.push_back(where + *why);
            }
        }
    }
    return result;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::ostringstream out;
    for (const auto& line : lines)
        out << "\n  " << line;
    return out.str();
}

TEST(Layering, SourceTreeKeepsItsLayers)
{
    const ScanResult result = scan(testing_support::built::sourceDir, VANTREL_QT_HEADERS);
    ASSERT_TRUE(fs::is_directory(fs::path(VANTREL_QT_HEADERS) / "QtWidgets"))
        << "Qt's header folder is needed to tell widget headers: " << VANTREL_QT_HEADERS;
    EXPECT_GT(result.files, 100) << "the scan must see the whole tree, not an empty folder";
    EXPECT_TRUE(result.violations.empty()) << joined(result.violations);
}

struct RuleRow
{
    const char* name;
    const char* from;
    const char* to;
    bool allowed;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const RuleRow& row, std::ostream* out)
{
    *out << row.name;
}

class LayerRules : public testing::TestWithParam<RuleRow>
{
};

TEST_P(LayerRules, Apply)
{
    const RuleRow& row = GetParam();
    EXPECT_EQ(!layerViolation(row.from, row.to).has_value(), row.allowed)
        << row.from << " -> " << row.to;
}

INSTANTIATE_TEST_SUITE_P(Layering, LayerRules,
    testing::Values(RuleRow { "AppUsesCore", "app/main.cpp", "core/mainform.h", true },
        RuleRow { "CoreUsesEveryMiddleLayer", "core/mainform.h", "access/rascon.h", true },
        RuleRow { "CoreUsesMonitor", "core/mainform.h", "monitor/connectionmonitor.h", true },
        RuleRow {
            "MonitorUsesMiddleLayers", "monitor/connectionmonitor.h", "usage/planwatch.h", true },
        RuleRow { "MonitorNotCore", "monitor/connectionmonitor.cpp", "core/mainform.h", false },
        RuleRow { "MiddleLayersUsePlatform", "net/httpengine.cpp", "platform/runtime.h", true },
        RuleRow { "MiddleLayersMayShare", "usage/plans.cpp", "components/base/myreg.h", true },
        RuleRow { "SameFolder", "platform/win/winreg.cpp", "platform/registry/registry.h", true },
        RuleRow { "ToolsUseAnyLibrary", "tools/ras/main.cpp", "core/formats.h", true },
        RuleRow { "ToolsUseTheirOwn", "tools/reg/main.cpp", "tools/reg/regfile.h", true },
        RuleRow { "CoreNotApp", "core/mainform.cpp", "app/singleinstance.h", false },
        RuleRow { "AccessNotCore", "access/rascon.cpp", "core/formats.h", false },
        RuleRow { "PlatformNotComponents", "platform/xdg.cpp", "components/base/myreg.h", false },
        RuleRow { "PlatformNotUsage", "platform/clock.h", "usage/store.h", false },
        RuleRow { "NoOneIncludesTools", "app/main.cpp", "tools/reg/regfile.h", false },
        RuleRow { "LibrariesNotTests", "net/nethttp.cpp", "tests/support/process.h", false }),
    [](const testing::TestParamInfo<RuleRow>& row) { return std::string(row.param.name); });

// A tree made on the spot: the scanner must resolve includes the way the compiler does and
// report each wrong one, or the test above would pass on a broken scanner.
class LayeringScanner : public testing::Test
{
protected:
    void write(const std::string& relative, const std::string& text)
    {
        const fs::path file = m_folder.path() / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }
    ScanResult scanned() { return scan(m_folder.path(), VANTREL_QT_HEADERS); }

    testing_support::TemporaryFolder m_folder;
};

TEST_F(LayeringScanner, FindsUpwardIncludesByEverySpelling)
{
    write("core/formats.h", "#pragma once\n");
    write("app/main.cpp", "#include \"core/formats.h\"\n");
    write("platform/win/winreg.cpp", "#include \"../../core/formats.h\"\n");
    write("net/http.cpp", "  #  include <core/formats.h>\n");
    write("access/local.h", "#pragma once\n");
    write("access/local.cpp", "#include \"local.h\"\n#include \"platform/missing.h\"\n");
    const ScanResult result = scanned();
    EXPECT_EQ(result.files, 6);
    ASSERT_EQ(result.violations.size(), 2u) << joined(result.violations);
    EXPECT_EQ(
        result.violations[0].rfind("platform/win/winreg.cpp:1 includes core/formats.h", 0), 0u)
        << result.violations[0];
    EXPECT_NE(std::find_if(result.violations.begin(), result.violations.end(),
                  [](const std::string& v) { return v.rfind("net/http.cpp:1 ", 0) == 0; }),
        result.violations.end())
        << joined(result.violations);
}

TEST_F(LayeringScanner, FindsWidgetHeadersWhereNoDisplayIsNeeded)
{
    write("components/base/store.cpp", "#include <QString>\n#include <QWidget>\n");
    write("components/trend.cpp", "#include <QWidget>\n");
    write("net/pipe.cpp", "#include <QtGui/QImage>\n");
    const ScanResult result = scanned();
    ASSERT_EQ(result.violations.size(), 2u) << joined(result.violations);
    EXPECT_NE(joined(result.violations).find("components/base/store.cpp:2 includes <QWidget>"),
        std::string::npos)
        << joined(result.violations);
    EXPECT_NE(
        joined(result.violations).find("net/pipe.cpp:1 includes <QtGui/QImage>"), std::string::npos)
        << joined(result.violations);
}

} // namespace
