#include "zol/CompletionLatch.hpp"

#include <string>

namespace zolsolutions::tool {

std::string describeFailure(const std::exception_ptr& error) {
    if (!error) {
        return "no failure";
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& thrown) {
        return thrown.what();
    } catch (...) {
        return "an unknown failure";
    }
}

}  // namespace zolsolutions::tool
