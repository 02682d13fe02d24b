#include "platform/UrlError.hpp"

#include <utility>

namespace zolsolutions::platform {

UrlError::UrlError(std::string localizedDescription)
    : description_(localizedDescription.empty() ? "The request failed for an unknown reason"
                                                : std::move(localizedDescription)) {}

}  // namespace zolsolutions::platform
