#include "options.h"

namespace vostrel::cli {

const char *const kUsage =
    R"(Usage: vostrel-cli PREV [OPTION]...
Shrink the field of a three-digit draw (000-999): print every number that
passes the filter for the previous draw PREV, separated by blanks.

A number is excluded when all three of its digits lie on the other side of 5
from the digits of PREV, when all three have the other parity, when two of its
digits stand next to each other (in either order) in the kill-pair text, or
when none of its digits occurs in the banker text.

Options:
  --kill TEXT          two-digit pairs to kill, such as "12 34"
  --kill-file FILE     read the kill-pair text from FILE ("-" for standard input)
  --banker TEXT        banker digits; every number must hold one of them
  --banker-file FILE   read the banker text from FILE ("-" for standard input)
  --count              print only the number of passing numbers
  --check NUMBER       tell whether the three-digit NUMBER passes: print 中
                       for a hit or X for a miss, exit status 0 or 1
  --output FILE        write the results to FILE instead, exactly as the window
                       program saves them (no line break added); the file is
                       replaced only once it is completely written
  --help               show this help and exit
  --version            show the version and exit

Texts given on the command line are converted to GBK (code page 936), the
encoding the window program uses; characters GBK lacks become "?". Files are
read as raw bytes.

Exit status: 0 on success (and a hit for --check), 1 for a miss of --check,
2 for bad input.

Examples:
  vostrel-cli 123 --kill 12 --banker 5
  vostrel-cli 123 --kill-file pairs.txt --count
  vostrel-cli 123 --kill 12 --check 051 && echo "051 passes"
)";

namespace {

// Options that take a value; every other "--" argument is a flag.
bool TakesValue(const std::string &name)
{
    return name == "--kill" || name == "--kill-file" || name == "--banker" || name == "--banker-file" ||
           name == "--check" || name == "--output";
}

std::string SetSource(TTextSource &source, TTextSource::Kind kind, const std::string &value, const char *what)
{
    if (source.kind != TTextSource::Kind::None)
        return std::string("the ") + what + " text is given more than once";
    source.kind = kind;
    source.value = value;
    return {};
}

} // namespace

TParsed ParseArguments(const std::vector<std::string> &args)
{
    TParsed parsed;
    TOptions &opt = parsed.options;
    bool havePrev = false;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
        const std::string &arg = args[i];
        // A draw such as -12 must reach the draw check, so only "--" starts an option.
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            if (havePrev) {
                parsed.error = "unexpected argument '" + arg + "'";
                break;
            }
            opt.prev = arg;
            havePrev = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }

        std::string name = arg;
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (TakesValue(name)) {
            if (!value) {
                if (i + 1 >= args.size()) {
                    parsed.error = "option " + name + " needs a value";
                    break;
                }
                value = args[++i];
            }
        } else if (value) {
            parsed.error = "option " + name + " takes no value";
            break;
        }

        using Kind = TTextSource::Kind;
        if (name == "--kill")
            parsed.error = SetSource(opt.kill, Kind::Inline, *value, "kill-pair");
        else if (name == "--kill-file")
            parsed.error = SetSource(opt.kill, Kind::File, *value, "kill-pair");
        else if (name == "--banker")
            parsed.error = SetSource(opt.banker, Kind::Inline, *value, "banker");
        else if (name == "--banker-file")
            parsed.error = SetSource(opt.banker, Kind::File, *value, "banker");
        else if (name == "--check")
            opt.check = *value;
        else if (name == "--output")
            opt.output = *value;
        else if (name == "--count")
            opt.count = true;
        else if (name == "--help")
            opt.help = true;
        else if (name == "--version")
            opt.version = true;
        else
            parsed.error = "unknown option " + name;
    }

    if (!parsed.error.empty() || opt.help || opt.version)
        return parsed;
    if (!havePrev)
        parsed.error = "missing the previous draw (try --help)";
    else if (opt.count && opt.check)
        parsed.error = "--count and --check cannot be used together";
    else if (opt.check &&
             (opt.check->size() != 3 || opt.check->find_first_not_of("0123456789") != std::string::npos))
        parsed.error = "--check needs a number of exactly three digits, such as 051";
    return parsed;
}

} // namespace vostrel::cli
