#include "ansicodec.h"

#include <algorithm>

#ifdef _WIN32
#define NOMINMAX // std::min and std::max below
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#endif

namespace vostrel {

namespace {

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Length of the well-formed UTF-8 sequence at the start of text, or 0.
std::size_t Utf8SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

#ifndef _WIN32

// Runs iconv over the whole text; where it stops at something it cannot
// convert, writes "?" and skips what skip() says that something is long.
template <typename Skip>
std::string Convert(const char *to, const char *from, std::string_view text, Skip skip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(text.size(), '?');

    std::string out(text.size() * 2 + 16, '\0');
    char *in = const_cast<char *>(text.data());
    std::size_t inLeft = text.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        char *dst = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
        used = out.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // A sequence cut off at the end (EINVAL) is one bad character; for
        // EILSEQ, skip() tells how long the unconvertible piece is.
        const std::size_t bad =
            errno == EINVAL ? inLeft
                            : std::max<std::size_t>(1, std::min(inLeft, skip(std::string_view(in, inLeft))));
        in += bad;
        inLeft -= bad;
        if (used == out.size())
            out.resize(out.size() * 2);
        out[used++] = '?';
    }
    iconv_close(cd);
    out.resize(used);
    return out;
}

#endif

} // namespace

std::string Utf8ToAnsi(std::string_view utf8)
{
    if (IsAscii(utf8))
        return std::string(utf8);
#ifdef _WIN32
    // Through UTF-16, the only way Windows converts between code pages.
    std::size_t at = 0;
    std::string out;
    while (at < utf8.size()) {
        const std::size_t length = Utf8SequenceLength(utf8.substr(at));
        if (length == 0 && static_cast<unsigned char>(utf8[at]) >= 0x80) {
            out += '?';
            ++at;
            continue;
        }
        const std::size_t step = length ? length : 1;
        wchar_t buffer[2];
        const int units =
            MultiByteToWideChar(CP_UTF8, 0, utf8.data() + at, static_cast<int>(step), buffer, 2);
        char bytes[4];
        BOOL lost = FALSE;
        const int n = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, buffer, units, bytes, 4, "?", &lost);
        out.append(bytes, n > 0 ? n : 0);
        at += step;
    }
    return out;
#else
    // A character iconv cannot map spans its whole UTF-8 sequence; a byte that
    // starts no valid sequence is skipped on its own.
    return Convert("CP936", "UTF-8", utf8, [](std::string_view rest) { return Utf8SequenceLength(rest); });
#endif
}

std::string AnsiToUtf8(std::string_view ansi)
{
    if (IsAscii(ansi))
        return std::string(ansi);
#ifdef _WIN32
    const int units = MultiByteToWideChar(936, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(936, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), units);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr);
    return out;
#else
    return Convert("UTF-8", "CP936", ansi, [](std::string_view) { return std::size_t{1}; });
#endif
}

#ifdef _WIN32

std::string LocaleToAnsi(std::string_view text)
{
    if (IsAscii(text) || GetACP() == 936)
        return std::string(text);
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
    const int bytes =
        WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), units, nullptr, 0, "?", nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), units, out.data(), bytes, "?", nullptr);
    return out;
}

std::string AnsiToLocale(std::string_view ansi)
{
    return GetACP() == 936 ? std::string(ansi) : AnsiToUtf8(ansi);
}

#else

namespace {

enum class TLocaleKind { Utf8, Gbk, Other };

TLocaleKind LocaleKind(const char *codeset)
{
    const auto is = [codeset](const char *name) { return std::strcmp(codeset, name) == 0; };
    if (!*codeset || is("UTF-8") || is("ANSI_X3.4-1968") || is("ASCII"))
        return TLocaleKind::Utf8;
    // GB2312 (EUC-CN) is a part of GBK, byte for byte.
    if (is("GBK") || is("CP936") || is("GB2312"))
        return TLocaleKind::Gbk;
    return TLocaleKind::Other;
}

} // namespace

std::string LocaleToAnsi(std::string_view text)
{
    const char *codeset = nl_langinfo(CODESET);
    switch (LocaleKind(codeset)) {
    case TLocaleKind::Utf8:
        return Utf8ToAnsi(text);
    case TLocaleKind::Gbk:
        return std::string(text);
    default:
        return IsAscii(text)
                   ? std::string(text)
                   : Convert("CP936", codeset, text, [](std::string_view) { return std::size_t{1}; });
    }
}

std::string AnsiToLocale(std::string_view ansi)
{
    const char *codeset = nl_langinfo(CODESET);
    switch (LocaleKind(codeset)) {
    case TLocaleKind::Utf8:
        return AnsiToUtf8(ansi);
    case TLocaleKind::Gbk:
        return std::string(ansi);
    default:
        return IsAscii(ansi)
                   ? std::string(ansi)
                   : Convert(codeset, "CP936", ansi, [](std::string_view) { return std::size_t{1}; });
    }
}

#endif

} // namespace vostrel
