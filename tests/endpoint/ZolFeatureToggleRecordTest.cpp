#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/featuretoggle/ZolFeatureToggleSerializers.hpp"
#include "zolsolutions/model/featuretoggle/ZolFeatureToggleResponse.hpp"

namespace zolsolutions {
namespace {

ZolFeatureToggleResponse document(bool on) {
    return ZolFeatureToggleResponse(ZolFeatureToggleFields(ZolBooleanValue(on)));
}

template <typename Record>
std::string printed(const Record& record) {
    std::ostringstream out;
    out << record;
    return out.str();
}

TEST(ZolFeatureToggleRecords, PrintedFormsNestAllTheWayDown) {
    const auto on = document(true);
    EXPECT_EQ(on.toString(),
              "ZolFeatureToggleResponse(fields=ZolFeatureToggleFields(enabled=ZolBooleanValue("
              "booleanValue=true)))");
    EXPECT_EQ(printed(on), on.toString());
    EXPECT_EQ(printed(on.fields()),
              "ZolFeatureToggleFields(enabled=ZolBooleanValue(booleanValue=true))");
    EXPECT_EQ(printed(ZolBooleanValue(false)), "ZolBooleanValue(booleanValue=false)");
}

TEST(ZolFeatureToggleRecords, HashIsTheBooleanHashAtEveryLevel) {
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        const std::int32_t expected = on ? 1231 : 1237;
        const auto response = document(on);
        EXPECT_EQ(response.hashCode(), expected);
        EXPECT_EQ(response.fields().hashCode(), expected);
        EXPECT_EQ(response.fields().enabled().hashCode(), expected);
    }
}

TEST(ZolFeatureToggleRecords, EqualityAndCopy) {
    EXPECT_EQ(document(true), document(true));
    EXPECT_NE(document(true), document(false));

    const auto off = document(true).copy(ZolFeatureToggleFields(ZolBooleanValue(false)));
    EXPECT_EQ(off, document(false));
    EXPECT_EQ(off.fields().copy(ZolBooleanValue(true)), document(true).fields());
    EXPECT_FALSE(ZolBooleanValue(true).copy(false).booleanValue());
}

TEST(ZolFeatureToggleRecords, WritingGivesTheSmallestFormAndReadsBack) {
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        const std::string flag = on ? "true" : "false";
        const auto response = document(on);

        EXPECT_EQ(response.toJson(), R"({"fields":{"enabled":{"booleanValue":)" + flag + "}}}");
        EXPECT_EQ(response.fields().toJson(), R"({"enabled":{"booleanValue":)" + flag + "}}");
        EXPECT_EQ(response.fields().enabled().toJson(), R"({"booleanValue":)" + flag + "}");
        EXPECT_EQ(ZolFeatureToggleResponse::fromJson(response.toJson()), response);
    }
}

TEST(ZolFeatureToggleRecords, EachSerializerReadsItsOwnLevel) {
    using detail::ZolFeatureToggleSerializer;
    const auto fields =
        nlohmann::ordered_json::parse(R"({"x":1,"enabled":{"booleanValue":false}})");

    EXPECT_EQ(ZolFeatureToggleSerializer<ZolFeatureToggleFields>::read(fields),
              ZolFeatureToggleFields(ZolBooleanValue(false)));
    EXPECT_EQ(ZolFeatureToggleSerializer<ZolBooleanValue>::read(fields["enabled"]),
              ZolBooleanValue(false));
    EXPECT_EQ(ZolFeatureToggleSerializer<ZolFeatureToggleResponse>::serialName,
              "model.featuretoggle.ZolFeatureToggleResponse");
}

}  // namespace
}  // namespace zolsolutions
