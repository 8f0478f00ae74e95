// vostrel-cli: the filter from a terminal, for scripts and headless machines.
#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "ansicodec.h"
#include "io.h"
#include "numfilter.h"
#include "options.h"

namespace {

using namespace vostrel;
using namespace vostrel::cli;

enum ExitCode { kSuccess = 0, kMiss = 1, kBadInput = 2 };

int Fail(const std::string &message)
{
    std::fprintf(stderr, "vostrel-cli: %s\n", message.c_str());
    return kBadInput;
}

// The engine speaks GBK; the terminal speaks the locale's encoding.
int FailAnsi(std::string_view message)
{
    return Fail(AnsiToLocale(message));
}

// Reads one text into its digest; a file is streamed, so its size is bounded
// only by time, never by memory.
template <typename Digest> std::string Load(const TTextSource &source, Digest &digest)
{
    switch (source.kind) {
    case TTextSource::Kind::None:
        return {};
    case TTextSource::Kind::Inline:
        digest.Feed(LocaleToAnsi(source.value));
        return {};
    case TTextSource::Kind::File:
        return StreamFile(source.value, [&](std::string_view chunk) {
            digest.Feed(chunk);
            return !digest.Complete(); // later bytes cannot change a flag
        });
    }
    return {};
}

int Run(const TOptions &opt)
{
    const std::string draw = LocaleToAnsi(opt.prev);
    const TDrawParse parse = ParseDraw(draw);
    if (parse.status == TDrawParse::Status::NotThreeDigit)
        return FailAnsi(msg::kEnterDraw);
    if (parse.status == TDrawParse::Status::BadCharacter)
        return FailAnsi(ErrorDisplayText(parse.ErrorText()));

    TKillPairs kill;
    TBankerDigits banker;
    if (std::string error = Load(opt.kill, kill); !error.empty())
        return Fail(error);
    if (std::string error = Load(opt.banker, banker); !error.empty())
        return Fail(error);

    TNumTable table;
    BuildNumTable(table);
    FilterNumbers(table, parse.digits, kill, banker);
    const TResult result = MakeResultText(table);

    if (opt.output) {
        if (std::string error = WriteFileReplacing(*opt.output, result.text); !error.empty())
            return Fail(error);
    }

    if (opt.check) {
        // A listed number is always followed by a blank, as the window's check expects.
        const bool hit = CheckDraw(*opt.check + " ", result.text) == TCheckOutcome::Hit;
        const std::string mark =
            AnsiToLocale(CheckOutcomeText(hit ? TCheckOutcome::Hit : TCheckOutcome::Miss));
        if (!WriteStdout(mark + "\n"))
            return Fail("cannot write to standard output");
        return hit ? kSuccess : kMiss;
    }
    if (opt.count) {
        if (!WriteStdout(std::to_string(result.count) + "\n"))
            return Fail("cannot write to standard output");
    } else if (!opt.output) {
        if (!WriteStdout(result.text + "\n"))
            return Fail("cannot write to standard output");
    }
    return kSuccess;
}

} // namespace

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
#ifdef SIGXFSZ
    // Past a file-size limit a write must fail and be reported, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
#endif

    const TParsed parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty())
        return Fail(parsed.error);
    if (parsed.options.help)
        return WriteStdout(AnsiToLocale(Utf8ToAnsi(kUsage))) ? kSuccess : kBadInput;
    if (parsed.options.version)
        return WriteStdout("vostrel-cli " VOSTREL_VERSION "\n") ? kSuccess : kBadInput;
    return Run(parsed.options);
}
