#pragma once
// The tool's two output streams. Lines written from several threads (the stand-in's connection
// threads, the URL session's thread, the main thread) never interleave, and each line is flushed
// at once so that a reader on a pipe sees it as it happens.

#include <mutex>
#include <string>
#include <string_view>

namespace zolsolutions::tool {

/// Colour codes that vanish when colour is off.
class TerminalStyle {
  public:
    explicit TerminalStyle(bool colour) noexcept : colour_(colour) {}

    /// Colour for a terminal that asks for it: standard output is a terminal, NO_COLOR is unset
    /// and TERM is not "dumb".
    static TerminalStyle forStandardOutput();

    bool colour() const noexcept { return colour_; }
    std::string bold(std::string_view text) const { return wrap("1", text); }
    std::string dim(std::string_view text) const { return wrap("2", text); }
    std::string green(std::string_view text) const { return wrap("32", text); }
    std::string yellow(std::string_view text) const { return wrap("33", text); }
    std::string red(std::string_view text) const { return wrap("31", text); }
    std::string cyan(std::string_view text) const { return wrap("36", text); }

  private:
    std::string wrap(std::string_view code, std::string_view text) const;

    bool colour_;
};

/// Thread-safe. Each call writes its text whole and flushes. Output errors (a closed pipe) are
/// ignored: the tool's result is its exit status.
class Console {
  public:
    explicit Console(TerminalStyle style) : style_(style) {}

    const TerminalStyle& style() const noexcept { return style_; }
    /// Standard output; `text` is written as given (add the newline yourself).
    void out(std::string_view text);
    /// Standard error, never coloured.
    void err(std::string_view text);

  private:
    TerminalStyle style_;
    std::mutex mutex_;
};

/// `text` with every byte that could steer a terminal (control characters other than newline
/// and tab, DEL) shown as \xNN, so that what a client sent can be printed safely.
std::string printable(std::string_view text);

}  // namespace zolsolutions::tool
