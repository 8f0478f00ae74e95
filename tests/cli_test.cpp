// vostrel-cli end to end: the built binary, its output bytes and exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/resource.h>

#include "cli_run.h"
#include "reference.h"

namespace vostrel::test {
namespace {

// The rules read literally, independent of the engine the tool uses.
const std::string kDrawZero = reference::Results({0, 0, 0});

TEST(Cli, PrintsTheResultsTextAndOneNewline)
{
    const TProcessResult r = Cli({"000"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kDrawZero + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(Cli, AppliesKillAndBankerTexts)
{
    const TProcessResult r = Cli({"123", "--kill", "12", "--banker", "5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 24), "005 015 025 035 045 051 ");
    EXPECT_EQ(r.out.size(), 183u * 4 + 1);
    EXPECT_EQ(Cli({"123", "--kill=12", "--banker=5", "--count"}).out, "183\n");
}

TEST(Cli, ReadsTextsFromFilesAndStandardInput)
{
    TTempDir dir;
    WriteFileBytes(dir / "kill.txt", "  1234\r\n");
    EXPECT_EQ(Cli({"123", "--kill-file", dir / "kill.txt", "--count"}).out, "637\n");

    TProcessOptions stdinBanker;
    stdinBanker.input = "05";
    EXPECT_EQ(Cli({"456", "--banker-file", "-", "--count"}, stdinBanker).out, "376\n");
}

TEST(Cli, ArgumentsAreConvertedToGbk)
{
    // A banker text made of a character outside GBK becomes "?", which holds no
    // digit and so excludes everything; one inside GBK behaves the same way.
    EXPECT_EQ(Cli({"123", "--banker", "😀", "--count"}).out, "0\n");
    EXPECT_EQ(Cli({"123", "--kill", "中12", "--count"}).out, "717\n");
}

TEST(Cli, PlainCLocaleIsTakenAsUtf8)
{
    TProcessOptions c;
    c.environment = {"LC_ALL=C"};
    EXPECT_EQ(Cli({"123", "--kill", "中12", "--count"}, c).out, "717\n");
    EXPECT_EQ(Cli({"123", "--check", "051", "--kill", "12", "--banker", "5"}, c).out, "中\n");
}

TEST(Cli, GbkLocaleTextsPassUnconverted)
{
    // A GBK locale built on the spot, where the system has the sources for one.
    TTempDir dir;
    const TProcessResult made = RunProcess(
        {"/bin/sh", "-c", "localedef -f GBK -i zh_CN " + dir.path() + "/zh_CN.GBK >/dev/null 2>&1"});
    if (made.status != 0)
        GTEST_SKIP() << "cannot build a GBK locale here (Debian package locales)";
    TProcessOptions gbk;
    gbk.environment = {"LOCPATH=" + dir.path(), "LC_ALL=zh_CN.GBK"};
    EXPECT_EQ(Cli({"123", "--kill",
                   "\xD6\xD0"
                   "12",
                   "--count"},
                  gbk)
                  .out,
              "717\n");
    EXPECT_EQ(Cli({"123", "--check", "051", "--kill", "12", "--banker", "5"}, gbk).out, "\xD6\xD0\n");
    const TProcessResult bad = Cli({"12"}, gbk);
    EXPECT_NE(bad.err.find("\xC7\xEB\xCA\xE4\xC8\xEB"), std::string::npos) << "the message in GBK";
}

struct CheckCase {
    const char *number;
    const char *out;
    int status;
};

class CliCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CliCheck, PrintsTheMarkAndExitsWithIt)
{
    const TProcessResult r = Cli({"123", "--kill", "12", "--banker", "5", "--check", GetParam().number});
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Table, CliCheck,
                         ::testing::Values(CheckCase{"005", "中\n", 0}, CheckCase{"051", "中\n", 0},
                                           CheckCase{"123", "X\n", 1}, CheckCase{"000", "X\n", 1}));

TEST(Cli, OutputFileHoldsExactlyTheSavedBytes)
{
    TTempDir dir;
    WriteFileBytes(dir / "out.txt", "an older file");
    const TProcessResult r = Cli({"000", "--output", dir / "out.txt"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadFileBytes(dir / "out.txt"), kDrawZero);

    EXPECT_EQ(Cli({"123", "--banker", "x", "--output", dir / "empty.txt"}).status, 0);
    EXPECT_EQ(ReadFileBytes(dir / "empty.txt"), "");
}

TEST(Cli, FailedOutputLeavesTheEarlierFileIntact)
{
    TTempDir dir;
    WriteFileBytes(dir / "out.txt", "keep me");
    TProcessOptions limited;
    limited.inChild = [] {
        rlimit limit{100, 100}; // fewer bytes than the results text holds
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    const TProcessResult r = Cli({"000", "--output", dir / "out.txt"}, limited);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("out.txt"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileBytes(dir / "out.txt"), "keep me");
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

struct ErrorCase {
    std::vector<std::string> args;
    const char *message; // a part of the message on standard error
};

class CliError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CliError, ExplainsOnStandardErrorAndPrintsNothing)
{
    const TProcessResult r = Cli(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_EQ(r.err.back(), '\n');
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line";
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliError,
    ::testing::Values(
        ErrorCase{{"12"}, "请输入三位数上期开奖号码"}, ErrorCase{{"1234"}, "请输入三位数上期开奖号码"},
        ErrorCase{{"abc"}, "请输入三位数上期开奖号码"}, ErrorCase{{""}, "请输入三位数上期开奖号码"},
        ErrorCase{{"-12"}, "'-' 不是一个有效的整形值."}, ErrorCase{{" 12"}, "' ' 不是一个有效的整形值."},
        ErrorCase{{"0x1"}, "'x' 不是一个有效的整形值."}, ErrorCase{{"$1F"}, "'$' 不是一个有效的整形值."},
        ErrorCase{{}, "missing the previous draw"},
        ErrorCase{{"123", "--frobnicate"}, "unknown option --frobnicate"},
        ErrorCase{{"123", "--kill"}, "--kill needs a value"},
        ErrorCase{{"123", "456"}, "unexpected argument '456'"},
        ErrorCase{{"123", "--count=yes"}, "takes no value"},
        ErrorCase{{"123", "--kill", "1", "--kill-file", "x"}, "more than once"},
        ErrorCase{{"123", "--kill-file", "/nonexistent/kill.txt"}, "/nonexistent/kill.txt"},
        ErrorCase{{"123", "--banker-file", "/"}, "/:"}, ErrorCase{{"123", "--check", "12"}, "three digits"},
        ErrorCase{{"123", "--check", "12a"}, "three digits"},
        ErrorCase{{"123", "--count", "--check", "123"}, "cannot be used together"},
        ErrorCase{{"123", "--output", "/nonexistent/out.txt"}, "/nonexistent/out.txt"}));

TEST(Cli, HelpAndVersion)
{
    const TProcessResult help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vostrel-cli PREV"), std::string::npos);
    const TProcessResult version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vostrel-cli ", 0), 0u);
}

} // namespace
} // namespace vostrel::test
