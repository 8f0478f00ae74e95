// A deliberately literal version of the filter rules, written straight from
// their wording with substring searches and no cleverness, to check the
// engine's one-pass version against.
#pragma once

#include <string>
#include <string_view>

#include "numfilter.h"

namespace vostrel::reference {

void FilterNumbers(TNumTable &table, const TPrevDigits &prevdigits, std::string_view killfield,
                   std::string_view bankerfield);

std::string MakeResultText(const TNumTable &table, int *count);

// A whole run on a fresh table: the results text for these inputs.
std::string Results(const TPrevDigits &prevdigits, std::string_view killfield = {},
                    std::string_view bankerfield = {});

} // namespace vostrel::reference
