// The two entry points every caller needs: freeing returned texts and reading the last failure.
#include <cstdlib>

#include "bridge/BridgeErrors.hpp"
#include "zolsolutions/zolsolutions.h"

extern "C" {

void ZolSolutions_free(void* text) {
    std::free(text);
}

// Deliberately leaves the message in place, so that it can be read more than once.
const char* ZolSolutions_lastError(void) {
    return zolsolutions::detail::lastError();
}

}  // extern "C"
