#pragma once
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "serialization/ZolSerializersModule.hpp"

namespace zolsolutions::detail {

/// The JSON configuration: compact text, strict reading, and polymorphic writing of property
/// records through a serializers module with the class discriminator "type". Immutable once
/// built; any thread may use it.
class ZolJson {
  public:
    static constexpr std::string_view kClassDiscriminator = "type";

    /// Throws ZolSerializationError when a registered record declares a member named like the
    /// class discriminator: its value and the discriminator would collide.
    explicit ZolJson(ZolSerializersModule module);

    const ZolSerializersModule& module() const noexcept { return module_; }

    /// Compact text, members in order. Quotation mark, backslash and control characters are
    /// escaped (\b \t \n \f \r, others as lower-case \u00xx); the solidus and non-ASCII text are
    /// written as they are. Bytes that are not valid UTF-8 are written as U+FFFD, so a text cut
    /// mid-character still goes out instead of failing the whole report.
    std::string render(const nlohmann::ordered_json& element) const;

    /// One strict JSON document (no comments, nothing but white space after it). Throws
    /// ZolSerializationError with the parser's description.
    nlohmann::ordered_json parse(std::string_view text) const;

    /// The record written polymorphically: first "type" with its serial name, then what its
    /// registration writes (the common members, then its own).
    nlohmann::ordered_json writePolymorphic(const ZolPropertiesBase& record) const;

  private:
    ZolSerializersModule module_;
};

}  // namespace zolsolutions::detail
