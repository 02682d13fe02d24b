#pragma once
// The stack trace of `zol crash`: given inline, or read from a file or standard input.

#include <string>

#include "zol/ArgumentParser.hpp"

namespace zolsolutions::tool {

/// The text of --stack-trace, or the bytes of --stack-trace-file (standard input for "-"),
/// unchanged. Throws UsageError when neither or both are given or the file cannot be read.
std::string stackTraceFrom(const ParsedArguments& arguments);

}  // namespace zolsolutions::tool
