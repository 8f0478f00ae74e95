// The integer conversion and the draw parsing against an independent reading
// of the rules, written with the standard library's number parsing.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "numfilter.h"
#include "require.h"

namespace {

// Leading blanks; then "$", "x", "X", "0x" or "0X" and hex digits, or an
// optional sign and decimal digits; nothing after; within 32 bits.
std::optional<std::int64_t> Expected(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);

    int base = 10;
    bool negative = false;
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.substr(0, prefix.size()) == prefix) {
            text.remove_prefix(prefix.size());
            base = 16;
            break;
        }
    }
    if (base == 10 && !text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // from_chars takes no sign or prefix of its own here, and stops at the first
    // byte that is no digit of the base.
    if (text.empty() || text[0] == '+' || text[0] == '-')
        return std::nullopt;
    const std::string_view digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (text.find_first_not_of(digits) != std::string_view::npos)
        return std::nullopt;
    // Leading zeros do not count towards overflow.
    const std::size_t nonzero = text.find_first_not_of('0');
    const std::string_view significant = nonzero == std::string_view::npos ? "0" : text.substr(nonzero);
    if (significant.size() > 12)
        return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(significant.data(), significant.data() + significant.size(), value, base);
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vostrel;
    const std::string text(reinterpret_cast<const char *>(data), size);

    const std::optional<std::int32_t> got = StrToInt(text);
    const std::optional<std::int64_t> want = Expected(text);
    Require(got.has_value() == want.has_value());
    if (got)
        Require(*got == *want);

    const TDrawParse parse = ParseDraw(text);
    if (text.size() != 3 || !want) {
        Require(parse.status == TDrawParse::Status::NotThreeDigit);
        return 0;
    }
    const std::size_t bad = text.find_first_not_of("0123456789");
    if (bad == std::string::npos) {
        Require(parse.status == TDrawParse::Status::Accepted);
        for (int i = 0; i < 3; ++i)
            Require(parse.digits[i] == text[i] - '0');
    } else {
        Require(parse.status == TDrawParse::Status::BadCharacter);
        Require(parse.badChar == text[bad]);
        Require(parse.ErrorText().substr(0, 4) == std::string{'\'', text[bad], '\'', ' '});
    }
    return 0;
}
