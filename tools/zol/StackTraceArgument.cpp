#include "zol/StackTraceArgument.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

#include "zol/Console.hpp"

namespace zolsolutions::tool {

namespace {

std::string readAll(std::istream& in) {
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

std::string stackTraceFrom(const ParsedArguments& arguments) {
    const auto text = arguments.value("--stack-trace");
    const auto file = arguments.value("--stack-trace-file");
    if (text && file) {
        throw UsageError("give either --stack-trace or --stack-trace-file, not both");
    }
    if (text) {
        return *text;
    }
    if (!file) {
        throw UsageError("--stack-trace TEXT or --stack-trace-file FILE|- is required");
    }
    if (*file == "-") {
        std::cin.exceptions(std::ios::goodbit);
        std::string trace = readAll(std::cin);
        if (std::cin.bad()) {
            throw UsageError("--stack-trace-file: cannot read standard input");
        }
        return trace;
    }
    std::error_code ignored;
    std::ifstream in(*file, std::ios::binary);
    if (!in || std::filesystem::is_directory(*file, ignored)) {
        throw UsageError("--stack-trace-file: cannot open '" + printable(*file) + "'");
    }
    std::string trace = readAll(in);
    if (in.bad()) {
        throw UsageError("--stack-trace-file: cannot read '" + printable(*file) + "'");
    }
    return trace;
}

}  // namespace zolsolutions::tool
