// A failed check in a fuzzer must stop it with a crash, so libFuzzer keeps
// the input that caused it.
#pragma once

#include <cstdlib>

inline void Require(bool ok)
{
    if (!ok)
        std::abort();
}
