// vostrel-cli fed what a careless script may feed it: empty and binary files,
// huge input on standard input, sources that never end.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "cli_run.h"
#include "reference.h"

namespace vostrel::test {
namespace {

TEST(CliHostile, EmptyFilesActLikeNoText)
{
    TTempDir dir;
    WriteFileBytes(dir / "empty", "");
    EXPECT_EQ(Cli({"123", "--kill-file", dir / "empty", "--banker-file", dir / "empty", "--count"}).out,
              "762\n");
}

TEST(CliHostile, BinaryFilesGiveTheLiteralRulesResult)
{
    TTempDir dir;
    std::mt19937 rng(7);
    std::string kill(1 << 20, '\0'), banker(4096, '\0');
    for (char &c : kill)
        c = static_cast<char>(rng() % 256 < 20 ? '0' + rng() % 10 : rng());
    for (char &c : banker)
        c = static_cast<char>(rng() % 40 == 0 ? '7' : (rng() % 2 ? 'a' : '\0'));
    WriteFileBytes(dir / "kill.bin", kill);
    WriteFileBytes(dir / "banker.bin", banker);
    const TProcessResult r =
        Cli({"456", "--kill-file", dir / "kill.bin", "--banker-file", dir / "banker.bin"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, reference::Results({4, 5, 6}, kill, banker) + "\n");
}

TEST(CliHostile, HugeStandardInputInBoundedMemory)
{
    // 64 MiB that never kills every pair, so all of it must be read.
    TProcessOptions huge;
    huge.input = std::string(1 << 16, ' ');
    for (std::size_t i = 0; i + 6 <= huge.input.size(); i += 6)
        huge.input.replace(i, 5, "12 34");
    huge.inputRepeat = 64 * 16;
    const TProcessResult r = Cli({"123", "--kill-file", "-", "--count"}, huge);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::to_string(reference::Results({1, 2, 3}, "12 34").size() / 4) + "\n");
    EXPECT_LT(r.peakKb, 16 * 1024) << "the input is streamed, not held";
}

TEST(CliHostile, EndlessSourceIsCutOffWithAnError)
{
    const TProcessResult r = Cli({"123", "--banker-file", "/dev/zero"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("more than 1 GiB"), std::string::npos) << r.err;
}

TEST(CliHostile, EndlessFifoThatKillsEveryPairStillGivesTheResult)
{
    TTempDir dir;
    const std::string fifo = dir / "pairs";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // The writer never stops by itself; the reader stops once more text can
    // change nothing, and the writer then sees a closed pipe.
    std::thread writer([&] {
        const int fd = open(fifo.c_str(), O_WRONLY);
        std::string everything;
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                everything += std::string{char('0' + a), char('0' + b), ' '};
        while (write(fd, everything.data(), everything.size()) > 0) {
        }
        close(fd);
    });
    const TProcessResult r = Cli({"123", "--kill-file", fifo});
    writer.join();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\n"); // every pair is killed: nothing passes
}

TEST(CliHostile, VanishedFileIsAClearError)
{
    TTempDir dir;
    WriteFileBytes(dir / "gone", "12");
    std::filesystem::remove(dir / "gone");
    const TProcessResult r = Cli({"123", "--kill-file", dir / "gone"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("No such file"), std::string::npos) << r.err;
}

} // namespace
} // namespace vostrel::test
