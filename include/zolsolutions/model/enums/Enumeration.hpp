#pragma once
// The one mechanism behind every enumeration of the library.
//
// An enumeration is declared once, as a table of enumerators (an X-macro), with
// ZOL_DECLARE_ENUMERATION. That gives a scoped enum whose underlying value is the 0-based ordinal,
// plus the traits read by the generic operations below: `name`, `ordinal`, `values`, `entries`,
// `lowerCaseName` (the wire names), `hostFacingName` (lower camel case) and printing. Scoped
// enums already compare by ordinal and by identity. Everything here is immutable after static
// initialisation and safe to read from any thread.

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zolsolutions {

/// Specialised by ZOL_DECLARE_ENUMERATION; holds `names`, the enumerator names in declaration
/// order.
template <typename E>
struct EnumerationTraits;

template <typename E>
concept Enumeration = requires {
    EnumerationTraits<E>::names;
};

template <Enumeration E>
constexpr std::int32_t ordinal(E value) noexcept {
    return static_cast<std::int32_t>(value);
}

/// The enumerator identifier, upper snake case ("DOCUMENT_FRONT_CAPTURE_STARTED").
template <Enumeration E>
constexpr std::string_view name(E value) noexcept {
    return EnumerationTraits<E>::names[static_cast<std::size_t>(value)];
}

template <Enumeration E>
constexpr std::size_t enumeratorCount() noexcept {
    return EnumerationTraits<E>::names.size();
}

/// A new array of every enumerator in declaration order (index equals ordinal).
template <Enumeration E>
std::vector<E> values() {
    std::vector<E> all;
    all.reserve(enumeratorCount<E>());
    for (std::size_t i = 0; i < enumeratorCount<E>(); ++i) {
        all.push_back(static_cast<E>(i));
    }
    return all;
}

/// The one shared immutable list of every enumerator in declaration order.
template <Enumeration E>
const std::vector<E>& entries() {
    static const std::vector<E> all = values<E>();
    return all;
}

/// True when `raw` is the ordinal of an enumerator of E (for values that come from outside).
template <Enumeration E>
constexpr bool isEnumerator(std::int64_t raw) noexcept {
    return raw >= 0 && raw < static_cast<std::int64_t>(enumeratorCount<E>());
}

/// ASCII lower case, independent of any locale: the wire names of the enumerations.
std::string lowerCaseName(std::string_view name);

/// Lower camel case: "SDK_RESULT" becomes "sdkResult", "CRASH" stays "crash".
std::string lowerCamelCaseName(std::string_view name);

/// The enumerator's `name` in lower case, computed on every call.
template <Enumeration E>
std::string lowerCaseName(E value) {
    return lowerCaseName(name(value));
}

/// The name under which hosts reach the enumerator ("imageUploadLinksRouteCalled").
template <Enumeration E>
std::string hostFacingName(E value) {
    return lowerCamelCaseName(name(value));
}

/// The printed form of an enumerator is its `name`.
template <Enumeration E>
std::string toString(E value) {
    return std::string(name(value));
}

template <Enumeration E>
std::ostream& operator<<(std::ostream& out, E value) {
    return out << name(value);
}

}  // namespace zolsolutions

// Each table row is X(ENUMERATOR, further columns...); only the first column is read here.
#define ZOL_ENUMERATION_MEMBER(enumerator, ...) enumerator,
#define ZOL_ENUMERATION_NAME(enumerator, ...) std::string_view{#enumerator},

#define ZOL_DECLARE_ENUMERATION(Type, TABLE)                            \
    enum class Type : std::int32_t { TABLE(ZOL_ENUMERATION_MEMBER) };   \
    template <>                                                         \
    struct EnumerationTraits<Type> {                                    \
        static constexpr std::array names{TABLE(ZOL_ENUMERATION_NAME)}; \
    }
