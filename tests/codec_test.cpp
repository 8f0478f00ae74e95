// The UTF-8 <-> GBK conversion every field and argument passes through.
#include <gtest/gtest.h>

#include "ansicodec.h"

namespace vostrel {
namespace {

struct CodecCase {
    const char *utf8;
    const char *gbk;
};

class ToAnsi : public ::testing::TestWithParam<CodecCase> {};

TEST_P(ToAnsi, ConvertsOrMarksWhatGbkLacks)
{
    EXPECT_EQ(Utf8ToAnsi(GetParam().utf8), GetParam().gbk);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToAnsi,
    ::testing::Values(CodecCase{"123", "123"}, CodecCase{"中", "\xD6\xD0"},
                      CodecCase{"缩水结果：", "\xCB\xF5\xCB\xAE\xBD\xE1\xB9\xFB\xA3\xBA"},
                      CodecCase{"€", "\x80"},         // code page 936 has the euro
                      CodecCase{"1😀2", "1?2"},        // outside GBK: one mark per character
                      CodecCase{"a\xD7\x90z", "a?z"}, // Hebrew letter
                      CodecCase{"\xFF\xFE"
                                "1",
                                "??1"},                   // not UTF-8 at all
                      CodecCase{"1\xE4\xB8", "1?"},       // cut-off sequence at the end
                      CodecCase{"\xED\xA0\x80", "???"})); // an encoded surrogate is invalid

TEST(ToUtf8, RoundTripsGbkAndMarksBrokenBytes)
{
    EXPECT_EQ(AnsiToUtf8("\xD6\xD0"
                         "X"),
              "中X");
    EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi("杀二码：12 34")), "杀二码：12 34");
    EXPECT_EQ(AnsiToUtf8("1\x81"), "1?"); // a lead byte with nothing after it
    EXPECT_EQ(AnsiToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(ToAnsi, KeepsNulAndLongTexts)
{
    EXPECT_EQ(Utf8ToAnsi(std::string("中\0中", 7)), std::string("\xD6\xD0\0\xD6\xD0", 5));
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "中";
    EXPECT_EQ(Utf8ToAnsi(many).size(), 200000u);
}

} // namespace
} // namespace vostrel
