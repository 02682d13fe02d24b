#pragma once
// Reading the C interface's results in tests: texts taken over and freed, failures shown.

#include <string>

#include "zolsolutions/zolsolutions.h"

namespace zoltest {

/// Stands for a NULL text result.
inline const std::string kNull = "<NULL>";

/// The text, freed with ZolSolutions_free; kNull for NULL.
inline std::string taken(char* text) {
    std::string copy = text != nullptr ? std::string(text) : kNull;
    ZolSolutions_free(text);
    return copy;
}

/// This thread's last error, or kNull when there is none.
inline std::string lastError() {
    const char* error = ZolSolutions_lastError();
    return error != nullptr ? std::string(error) : kNull;
}

}  // namespace zoltest
