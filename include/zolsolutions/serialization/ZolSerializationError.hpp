#pragma once
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zolsolutions {

/// Raised when JSON cannot be written or read as one of the library's records: malformed text,
/// a value of the wrong JSON type, an unknown "type" discriminator, or a configuration that
/// cannot work. The message says what was expected and where.
class ZolSerializationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// Raised when an object lacks members its record requires; names every missing member and the
/// record's serial name.
class ZolMissingFieldError : public ZolSerializationError {
  public:
    ZolMissingFieldError(std::vector<std::string> missingFields, std::string serialName)
        : ZolSerializationError(describe(missingFields, serialName)),
          missingFields_(std::move(missingFields)),
          serialName_(std::move(serialName)) {}

    const std::vector<std::string>& missingFields() const noexcept { return missingFields_; }
    const std::string& serialName() const noexcept { return serialName_; }

  private:
    static std::string describe(const std::vector<std::string>& fields,
                                const std::string& serialName) {
        if (fields.size() == 1) {
            return "Field '" + fields.front() + "' is required for type with serial name '" +
                   serialName + "', but it was missing";
        }
        std::string list;
        for (const auto& field : fields) {
            list += (list.empty() ? "" : ", ") + field;
        }
        return "Fields [" + list + "] are required for type with serial name '" + serialName +
               "', but they were missing";
    }

    std::vector<std::string> missingFields_;
    std::string serialName_;
};

}  // namespace zolsolutions
