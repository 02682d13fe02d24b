#pragma once
#include <stdexcept>

namespace zolsolutions {

/// Raised when a JSON text cannot be read as a record: the text is not one well-formed JSON
/// document, a required member is missing, or a member holds a value of the wrong type. The
/// message names the field, the serial name of the record and where in the document it was.
class ZolJsonDecodingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zolsolutions
