#include "bridge/BridgeTexts.hpp"

#include <cstdlib>
#include <cstring>
#include <new>

#include "bridge/BridgeErrors.hpp"

namespace zolsolutions::detail {

namespace {

std::string nullArgument(std::string_view argument) {
    return std::string(argument) + " must not be NULL";
}

}  // namespace

char* copyOut(std::string_view text) {
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy == nullptr) {
        throw std::bad_alloc();
    }
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

std::string requiredText(const char* text, std::string_view argument) {
    if (text == nullptr) {
        throw BridgeArgumentError(nullArgument(argument));
    }
    return std::string(text);
}

std::optional<std::string> optionalText(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    return std::string(text);
}

std::vector<std::string> requiredTexts(const char* const* texts, std::size_t count,
                                       std::string_view argument) {
    if (texts == nullptr && count > 0) {
        throw BridgeArgumentError(nullArgument(argument) + " when its count is " +
                                  std::to_string(count));
    }
    std::vector<std::string> copies;
    copies.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        copies.push_back(
            requiredText(texts[i], std::string(argument) + "[" + std::to_string(i) + "]"));
    }
    return copies;
}

std::optional<ZolRequestParams> optionalRequestParams(const ZolSolutionsRequestParam* params,
                                                      std::size_t count) {
    if (params == nullptr) {
        if (count > 0) {
            throw BridgeArgumentError(nullArgument("requestParams") + " when its count is " +
                                      std::to_string(count) + " (pass NULL and 0 for absent)");
        }
        return std::nullopt;
    }
    ZolRequestParams copies;
    copies.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string entry = "requestParams[" + std::to_string(i) + "]";
        copies.emplace_back(requiredText(params[i].key, entry + ".key"),
                            requiredText(params[i].value, entry + ".value"));
    }
    return copies;
}

}  // namespace zolsolutions::detail
