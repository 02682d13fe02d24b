#include <string>

#include "zol/Subcommand.hpp"

namespace zolsolutions::tool {

std::string helpText(const Subcommand& command) {
    std::string sentence(command.summary);
    if (!sentence.empty() && sentence[0] >= 'a' && sentence[0] <= 'z') {
        sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
    }
    return "usage: zol " + std::string(command.synopsis) + "\n\n" + sentence + ".\n\n" +
           command.description + "\nOptions:\n" + describeOptions(command.options);
}

}  // namespace zolsolutions::tool
