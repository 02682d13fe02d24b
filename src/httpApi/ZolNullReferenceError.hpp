#pragma once
#include <stdexcept>

namespace zolsolutions {

/// Raised when a platform object that must exist was not produced (a URL text that is not a URL).
class ZolNullReferenceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zolsolutions
