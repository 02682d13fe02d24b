#include "zol/Console.hpp"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zolsolutions::tool {

TerminalStyle TerminalStyle::forStandardOutput() {
    const char* noColour = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    const bool colour = isatty(STDOUT_FILENO) == 1 && (noColour == nullptr || *noColour == '\0') &&
                        (term == nullptr || std::strcmp(term, "dumb") != 0);
    return TerminalStyle(colour);
}

std::string TerminalStyle::wrap(std::string_view code, std::string_view text) const {
    if (!colour_) {
        return std::string(text);
    }
    std::string wrapped = "\x1b[";
    wrapped += code;
    wrapped += 'm';
    wrapped += text;
    wrapped += "\x1b[0m";
    return wrapped;
}

void Console::out(std::string_view text) {
    std::lock_guard lock(mutex_);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void Console::err(std::string_view text) {
    std::lock_guard lock(mutex_);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

std::string printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7f) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0x0f];
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace zolsolutions::tool
