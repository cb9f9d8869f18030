// SPDX-License-Identifier: GPL-3.0-or-later
// How a tool's help is laid out: filled to 80 columns in any script, its terms and columns kept.
#include "tools/help/toolhelp.h"

#include <gtest/gtest.h>

namespace {

// The source texts stand in for translations: no catalogue is installed here.
std::string laidOut(const char* text, std::string_view term = {}, std::size_t column = 0)
{
    const toolhelp::Line lines[] = { { text, term, column } };
    return toolhelp::text("toolhelp_test", lines);
}

TEST(ToolHelpLayout, FillsParagraphsToEightyColumnsJoiningTheTranslatorsBreaks)
{
    EXPECT_EQ(
        laidOut("Runs the dial-up access layer the way the monitor polls it, once a second of "
                "the data source's\nclock, and prints one line per tick."),
        "Runs the dial-up access layer the way the monitor polls it, once a second of the\n"
        "data source's clock, and prints one line per tick.\n");
    // A word longer than a line is not cut.
    const std::string path(90, 'x');
    EXPECT_EQ(laidOut(("see " + path + " there").c_str()), "see\n" + path + "\nthere\n");
}

TEST(ToolHelpLayout, KeepsALineThatStartsWithBlanks)
{
    EXPECT_EQ(
        laidOut("usage: tool [A] [B]\n           [C]"), "usage: tool [A] [B]\n           [C]\n");
}

TEST(ToolHelpLayout, StartsEveryLineOfADescriptionAtItsColumn)
{
    EXPECT_EQ(laidOut("write the totals per entry name in the Prometheus text format to FILE,\n"
                      "replacing it in one step",
                  "  --openmetrics FILE", 22),
        "  --openmetrics FILE  write the totals per entry name in the Prometheus text\n"
        "                      format to FILE, replacing it in one step\n");
    EXPECT_EQ(laidOut("which redirects to follow", "  --follow never|always|same-scheme", 29),
        "  --follow never|always|same-scheme\n"
        "                             which redirects to follow\n");
}

// Guards against Chinese help running past the terminal: it has no blanks to break at, its
// characters take two columns, and a line never starts with its closing punctuation.
TEST(ToolHelpLayout, BreaksChineseBetweenCharactersCountingTwoColumnsEach)
{
    const std::string text = "按监视器轮询的方式运行拨号访问层，按数据源的时钟每秒一次，\n"
                             "每个节拍输出一行：活动连接、其状态代码和文字、设备、地址、身份验证。";
    const std::string out = laidOut(text.c_str());
    EXPECT_EQ(out,
        "按监视器轮询的方式运行拨号访问层，按数据源的时钟每秒一次，每个节拍输出一行：活动\n"
        "连接、其状态代码和文字、设备、地址、身份验证。\n");
    std::string full;
    for (int i = 0; i < 40; ++i)
        full += "字";
    const std::string before = full.substr(0, full.size() - std::string("字").size());
    EXPECT_EQ(laidOut((full + "，好。").c_str()), before + "\n字，好。\n")
        << "the comma stays with the character before it";
}

} // namespace
