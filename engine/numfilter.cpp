#include "numfilter.h"

namespace vostrel {

void BuildNumTable(TNumTable &table)
{
    int index = 0;
    for (int bai = 0; bai < 10; ++bai)
        for (int shi = 0; shi < 10; ++shi)
            for (int ge = 0; ge < 10; ++ge)
                table[index++] = TNumRec{bai, shi, ge, 0};
}

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

} // namespace

// Trimming only strips bytes of 0x20 or lower from the ends. Those are never
// digits, so they cannot form or break a pair; all trimming decides is whether
// anything is left, which is whether any byte above 0x20 occurs at all.
void TKillPairs::Feed(std::string_view chunk)
{
    for (char c : chunk) {
        if (Complete())
            return;
        nonblank_ = nonblank_ || !IsBlank(c);
        const int digit = (c >= '0' && c <= '9') ? c - '0' : -1;
        if (digit >= 0 && prev_ >= 0 && !adjacent_[prev_][digit]) {
            adjacent_[prev_][digit] = true;
            ++seen_;
        }
        prev_ = digit;
    }
}

void TBankerDigits::Feed(std::string_view chunk)
{
    for (char c : chunk) {
        if (Complete())
            return;
        nonblank_ = nonblank_ || !IsBlank(c);
        if (c >= '0' && c <= '9' && !present_[c - '0']) {
            present_[c - '0'] = true;
            ++seen_;
        }
    }
}

void FilterNumbers(TNumTable &table, const TPrevDigits &prevdigits, std::string_view killfield,
                   std::string_view bankerfield)
{
    FilterNumbers(table, prevdigits, TKillPairs(killfield), TBankerDigits(bankerfield));
}

void FilterNumbers(TNumTable &table, const TPrevDigits &prevdigits, const TKillPairs &kill,
                   const TBankerDigits &banker)
{
    // Everything a rule asks about a digit or a digit pair, looked up once per
    // run instead of once per candidate.
    bool sameSize[3][10];
    bool sameParity[3][10];
    for (int pos = 0; pos < 3; ++pos) {
        for (int d = 0; d < 10; ++d) {
            sameSize[pos][d] = d / 5 == prevdigits[pos] / 5;
            sameParity[pos][d] = d % 2 == prevdigits[pos] % 2;
        }
    }
    const bool killing = !kill.Empty();
    const bool banking = !banker.Empty();
    bool pairKilled[10][10];
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            pairKilled[a][b] = killing && kill.Hits(a, b);
    bool bankerMiss[10];
    for (int d = 0; d < 10; ++d)
        bankerMiss[d] = banking && !banker.Holds(d);

    for (TNumRec &rec : table) {
        const int a = rec.bai, b = rec.shi, c = rec.ge;
        const bool sizeMiss = !sameSize[0][a] && !sameSize[1][b] && !sameSize[2][c];
        const bool parityMiss = !sameParity[0][a] && !sameParity[1][b] && !sameParity[2][c];
        const bool pairHit = pairKilled[a][b] || pairKilled[a][c] || pairKilled[b][c];
        const bool noBanker = bankerMiss[a] && bankerMiss[b] && bankerMiss[c];
        rec.flag = (sizeMiss || parityMiss || pairHit || noBanker) ? 1 : 0;
    }
}

TResult MakeResultText(const TNumTable &table)
{
    TResult result;
    for (const TNumRec &rec : table)
        result.count += rec.flag == 0;
    result.text.resize(static_cast<std::size_t>(result.count) * 4);

    char *out = result.text.data();
    for (int index = 0; index < kCandidates; ++index) {
        if (table[index].flag != 0)
            continue;
        out[0] = static_cast<char>('0' + index / 100);
        out[1] = static_cast<char>('0' + index / 10 % 10);
        out[2] = static_cast<char>('0' + index % 10);
        out[3] = ' ';
        out += 4;
    }
    return result;
}

TCheckOutcome CheckDraw(std::string_view drawtext, std::string_view boxtext)
{
    if (Trim(boxtext).empty())
        return TCheckOutcome::Clear;
    if (drawtext.size() != 4)
        return TCheckOutcome::NoChange;
    return boxtext.find(drawtext) != std::string_view::npos ? TCheckOutcome::Hit : TCheckOutcome::Miss;
}

std::string_view CheckOutcomeText(TCheckOutcome outcome)
{
    switch (outcome) {
    case TCheckOutcome::Hit:
        return msg::kHit;
    case TCheckOutcome::Miss:
        return msg::kMiss;
    default:
        return {};
    }
}

TDrawParse ParseDraw(std::string_view drawtext)
{
    TDrawParse parse;
    if (drawtext.size() != 3 || !StrToInt(drawtext)) {
        parse.status = TDrawParse::Status::NotThreeDigit;
        return parse;
    }
    for (int pos = 0; pos < 3; ++pos) {
        const std::optional<std::int32_t> digit = StrToInt(drawtext.substr(pos, 1));
        if (!digit) {
            parse.status = TDrawParse::Status::BadCharacter;
            parse.badChar = drawtext[pos];
            return parse;
        }
        parse.digits[pos] = *digit;
    }
    parse.status = TDrawParse::Status::Accepted;
    return parse;
}

std::string TDrawParse::ErrorText() const
{
    return FormatMessage(msg::kNotAnInteger, std::string_view(&badChar, 1));
}

} // namespace vostrel
