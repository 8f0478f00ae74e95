// Runs the built vostrel-cli, whose path the build passes in as VOSTREL_CLI.
#pragma once

#include <string>
#include <vector>

#include "process.h"

namespace vostrel::test {

inline TProcessResult Cli(std::vector<std::string> args, const TProcessOptions &options = {})
{
    args.insert(args.begin(), VOSTREL_CLI);
    return RunProcess(args, options);
}

} // namespace vostrel::test
