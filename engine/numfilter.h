// The filter engine: the 1000-candidate table, the three exclusion rules, the
// results text and the draw check. Plain C++ with no toolkit and no I/O, so the
// window, the command-line tool, the tests and the fuzzers all share it.
//
// Every text here is a byte string in the ANSI code page (GBK, code page 936):
// lengths, trimming and substring tests count and compare bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "texts.h"

namespace vostrel {

struct TNumRec {
    std::int32_t bai;  // hundreds digit
    std::int32_t shi;  // tens digit
    std::int32_t ge;   // units digit
    std::int32_t flag; // 0 passes, 1 excluded
};

inline constexpr int kCandidates = 1000;
using TNumTable = std::array<TNumRec, kCandidates>;

// The previous draw's digits in typed order: hundreds, tens, units; each 0-9.
using TPrevDigits = std::array<int, 3>;

// Fills the table in index order and clears every flag.
void BuildNumTable(TNumTable &table);

// What the filter needs to know of the kill-pair text: which ordered digit
// pairs stand next to each other in it, and whether it is empty once trimmed.
// A candidate's position pair (a, b) is hit exactly when "ab" or "ba" occurs in
// the text, so one pass over the text answers every substring test of the
// rule. The text may be fed in pieces of any size, so a caller can stream it.
class TKillPairs {
public:
    TKillPairs() = default;
    explicit TKillPairs(std::string_view text) { Feed(text); }

    void Feed(std::string_view chunk);
    // True once every pair is known to be killed: more text cannot change a flag.
    bool Complete() const { return seen_ == 100; }
    bool Empty() const { return !nonblank_; }
    bool Hits(int a, int b) const { return adjacent_[a][b] || adjacent_[b][a]; }

private:
    bool adjacent_[10][10] = {};
    int seen_ = 0;
    int prev_ = -1; // the digit that ended the previous piece, or -1
    bool nonblank_ = false;
};

// What the filter needs to know of the banker text: which digit bytes it
// holds, and whether it is empty once trimmed. Candidate texts consist of
// digits only, so no other byte can ever occur in one.
class TBankerDigits {
public:
    TBankerDigits() = default;
    explicit TBankerDigits(std::string_view text) { Feed(text); }

    void Feed(std::string_view chunk);
    bool Complete() const { return seen_ == 10; }
    bool Empty() const { return !nonblank_; }
    bool Holds(int digit) const { return present_[digit]; }

private:
    bool present_[10] = {};
    int seen_ = 0;
    bool nonblank_ = false;
};

// Rewrites all 1000 flags. The kill and banker texts are taken untrimmed, as
// the fields hold them; any bytes are accepted. Each text is read once, so the
// cost is linear in its length. Digits outside 0-9 are a caller error.
void FilterNumbers(TNumTable &table, const TPrevDigits &prevdigits, std::string_view killfield,
                   std::string_view bankerfield);
void FilterNumbers(TNumTable &table, const TPrevDigits &prevdigits, const TKillPairs &kill,
                   const TBankerDigits &banker);

struct TResult {
    std::string text; // "005 015 ... " : every passing candidate and a blank
    int count = 0;
};

TResult MakeResultText(const TNumTable &table);

enum class TCheckOutcome {
    Hit,      // "中": the number is in the results
    Miss,     // "X"
    Clear,    // empty the check field
    NoChange, // leave the check field as it is
};

TCheckOutcome CheckDraw(std::string_view drawtext, std::string_view boxtext);

// The text the check field is set to for Hit, Miss and Clear (GBK bytes).
std::string_view CheckOutcomeText(TCheckOutcome outcome);

// The outcome of checking the previous draw's text before a filter run.
struct TDrawParse {
    enum class Status {
        Accepted,      // digits holds the three digits
        NotThreeDigit, // wrong length or not an integer: ask for the draw again
        BadCharacter,  // an integer, but one character is no digit
    };
    Status status = Status::NotThreeDigit;
    TPrevDigits digits{0, 0, 0};
    char badChar = 0; // the first character that failed, for BadCharacter

    // The error text for BadCharacter (GBK), without the display's full stop.
    std::string ErrorText() const;
};

TDrawParse ParseDraw(std::string_view drawtext);

} // namespace vostrel
