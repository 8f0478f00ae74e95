#include "texts.h"

#include <limits>

namespace vostrel {

std::string_view Trim(std::string_view text)
{
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string CandidateText(int index)
{
    return {static_cast<char>('0' + index / 100), static_cast<char>('0' + index / 10 % 10),
            static_cast<char>('0' + index % 10)};
}

std::string FormatMessage(std::string_view pattern, std::string_view arg)
{
    std::string out(pattern);
    if (auto at = out.find("%s"); at != std::string::npos)
        out.replace(at, 2, arg);
    return out;
}

std::string ErrorDisplayText(std::string_view text)
{
    std::string out(text);
    if (!out.empty() && static_cast<unsigned char>(out.back()) > static_cast<unsigned char>('.'))
        out += '.';
    return out;
}

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> StrToInt(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;

    std::int64_t value = 0;
    const char lead = text.front();
    std::size_t hexStart = 0;
    if (lead == '$' || lead == 'x' || lead == 'X')
        hexStart = 1;
    else if (lead == '0' && text.size() > 1 && (text[1] == 'x' || text[1] == 'X'))
        hexStart = 2;

    if (hexStart > 0) {
        text.remove_prefix(hexStart);
        if (text.empty())
            return std::nullopt;
        for (char c : text) {
            const int digit = HexValue(c);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + digit;
            if (value > std::numeric_limits<std::int32_t>::max())
                return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    }

    bool negative = false;
    if (lead == '+' || lead == '-') {
        negative = lead == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // The magnitude may reach 2^31 only for a negative value.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string CountCaption(int count)
{
    std::string out(msg::kCountCaption);
    out += std::to_string(count);
    out += msg::kCountUnit;
    return out;
}

std::string PrevDrawCaption(std::string_view drawtext)
{
    std::string out(msg::kPrevCaption);
    out += drawtext;
    return out;
}

} // namespace vostrel
