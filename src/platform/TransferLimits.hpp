#pragma once
// How long a request may go without progress before it fails, so that no request hangs forever.

#include <chrono>

namespace zolsolutions::platform {

struct TransferLimits {
    /// Connecting, TLS handshake included.
    std::chrono::seconds connectTimeout{60};
    /// Once connected: this long without a single byte moving fails the request.
    std::chrono::seconds stallTimeout{60};
};

}  // namespace zolsolutions::platform
