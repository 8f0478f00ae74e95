#include "reference.h"

#include <cstdio>

namespace vostrel::reference {

namespace {

std::string TrimBlanksAndControls(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return std::string(text.substr(first, last - first));
}

std::string CandidateOf(int index)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%.3d", index);
    return buffer;
}

} // namespace

void FilterNumbers(TNumTable &table, const TPrevDigits &prevdigits, std::string_view killfield,
                   std::string_view bankerfield)
{
    const std::string killtext = TrimBlanksAndControls(killfield);
    const std::string bankertext = TrimBlanksAndControls(bankerfield);

    for (int i = 0; i < 1000; ++i) {
        TNumRec &rec = table[i];
        const std::string s = CandidateOf(i);
        const int digits[3] = {rec.bai, rec.shi, rec.ge};

        int sizehits = 0;
        int parityhits = 0;
        for (int pos = 0; pos < 3; ++pos) {
            if (digits[pos] / 5 == prevdigits[pos] / 5)
                ++sizehits;
            if (digits[pos] % 2 == prevdigits[pos] % 2)
                ++parityhits;
        }

        int pairhits = 0;
        const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
        for (const auto &pair : pairs) {
            const std::string a = std::to_string(digits[pair[0]]);
            const std::string b = std::to_string(digits[pair[1]]);
            if (killtext.find(a + b) != std::string::npos)
                ++pairhits;
            else if (killtext.find(b + a) != std::string::npos)
                ++pairhits;
        }

        int bankerhits = 0;
        for (char c : bankertext)
            if (s.find(c) != std::string::npos)
                ++bankerhits;

        bool excluded = false;
        if (sizehits == 0)
            excluded = true;
        if (parityhits == 0)
            excluded = true;
        if (!killtext.empty() && pairhits > 0)
            excluded = true;
        if (!bankertext.empty() && bankerhits == 0)
            excluded = true;
        rec.flag = excluded ? 1 : 0;
    }
}

std::string MakeResultText(const TNumTable &table, int *count)
{
    std::string text;
    *count = 0;
    for (int i = 0; i < 1000; ++i) {
        if (table[i].flag == 0) {
            text += CandidateOf(i) + " ";
            ++*count;
        }
    }
    return text;
}

std::string Results(const TPrevDigits &prevdigits, std::string_view killfield, std::string_view bankerfield)
{
    TNumTable table;
    BuildNumTable(table);
    reference::FilterNumbers(table, prevdigits, killfield, bankerfield);
    int count = 0;
    return reference::MakeResultText(table, &count);
}

} // namespace vostrel::reference
