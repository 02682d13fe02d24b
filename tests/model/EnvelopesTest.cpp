// The three envelopes as values: equality, hash, printed forms, the one mutable field, and the
// refusal of a null property record.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ModelFixture.hpp"
#include "model/events/ZolCrashlyticsEvent.hpp"
#include "model/events/ZolIdentifyEvent.hpp"
#include "model/events/ZolTrackEvent.hpp"
#include "zolsolutions/model/properties/ZolDefaultProperties.hpp"
#include "zolsolutions/model/properties/ZolSDKResultProperties.hpp"

namespace {

using namespace zolsolutions;
using Envelope = std::shared_ptr<ZolEventBase>;

const auto kResult = std::make_shared<const ZolSDKResultProperties>("ok");

Envelope track(std::string s = "s", std::string p = "p", ZolEvent e = ZolEvent::SDK_RESULT,
               ZolEventType t = ZolEventType::SDK_STEP,
               std::shared_ptr<const ZolPropertiesBase> r = kResult) {
    return std::make_shared<ZolTrackEvent>(s, p, e, t, r);
}

Envelope crash(std::string s = "s", std::string p = "p", ZolEvent e = ZolEvent::CRASH,
               ZolEventType t = ZolEventType::CRASH,
               std::shared_ptr<const ZolPropertiesBase> r = kResult, std::string x = "trace") {
    return std::make_shared<ZolCrashlyticsEvent>(s, p, e, t, r, x);
}

Envelope identify(std::string s = "s", std::string p = "p", ZolEvent e = ZolEvent::IDENTIFY,
                  ZolEventType t = ZolEventType::IDENTIFY) {
    return std::make_shared<ZolIdentifyEvent>(s, p, e, t);
}

TEST(Envelopes, EqualWhenSameKindAndFieldsOtherwiseNot) {
    struct Case {
        std::string label;
        Envelope envelope;
        Envelope twin;
        std::vector<Envelope> others;  // each differs in one field, or in kind
    };
    const auto otherResult = std::make_shared<const ZolSDKResultProperties>("ok");
    const std::vector<Case> cases = {
        {"track",
         track(),
         track("s", "p", ZolEvent::SDK_RESULT, ZolEventType::SDK_STEP, otherResult),
         {track("S"), track("s", "P"), track("s", "p", ZolEvent::SDK_CLOSED),
          track("s", "p", ZolEvent::SDK_RESULT, ZolEventType::SDK_FLOW),
          track("s", "p", ZolEvent::SDK_RESULT, ZolEventType::SDK_STEP,
                std::make_shared<const ZolSDKResultProperties>("failed")),
          crash("s", "p", ZolEvent::SDK_RESULT, ZolEventType::SDK_STEP)}},
        {"crash",
         crash(),
         crash(),
         {crash("S"), crash("s", "P"), crash("s", "p", ZolEvent::SDK_CLOSED),
          crash("s", "p", ZolEvent::CRASH, ZolEventType::SDK_FLOW),
          crash("s", "p", ZolEvent::CRASH, ZolEventType::CRASH,
                std::make_shared<const ZolDefaultProperties>()),
          crash("s", "p", ZolEvent::CRASH, ZolEventType::CRASH, kResult, "other"),
          track("s", "p", ZolEvent::CRASH, ZolEventType::CRASH)}},
        {"identify",
         identify(),
         identify(),
         {identify("S"), identify("s", "P"), identify("s", "p", ZolEvent::CRASH),
          identify("s", "p", ZolEvent::IDENTIFY, ZolEventType::CRASH)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_TRUE(*c.envelope == *c.twin);
        EXPECT_EQ(c.envelope->hashCode(), c.twin->hashCode());
        for (const auto& other : c.others) {
            EXPECT_FALSE(*c.envelope == *other) << other->toString();
            EXPECT_NE(c.envelope->hashCode(), other->hashCode()) << other->toString();
        }
    }
}

TEST(Envelopes, PrintedForms) {
    const auto defaults = std::make_shared<const ZolDefaultProperties>();
    EXPECT_EQ(track()->toString(),
              "ZolTrackEvent(sessionId=s, personId=p, event=SDK_RESULT, eventType=SDK_STEP, "
              "properties=ZolSDKResultProperties(result=ok, requestParams=null, "
              "requestBody=null))");
    EXPECT_EQ(identify()->toString(),
              "ZolIdentifyEvent(sessionId=s, personId=p, event=IDENTIFY, eventType=IDENTIFY)");
    EXPECT_EQ(crash("", "", ZolEvent::CRASH, ZolEventType::CRASH, defaults, "a\nb")->toString(),
              "ZolCrashlyticsEvent(sessionId=, personId=, event=CRASH, eventType=CRASH, "
              "properties=" +
                  defaults->toString() + ", stackTrace=a\nb)");
    std::ostringstream out;
    out << *identify();
    EXPECT_EQ(out.str(), identify()->toString());
}

TEST(Envelopes, FieldsAreSharedAndOnlyTheEventChanges) {
    ZolTrackEvent envelope("s", "p", ZolEvent::SDK_RESULT, ZolEventType::SDK_STEP, kResult);
    EXPECT_EQ(envelope.properties().get(), kResult.get());
    envelope.setEvent(ZolEvent::MEMORY_INFO);
    EXPECT_EQ(envelope.event(), ZolEvent::MEMORY_INFO);
    EXPECT_EQ(envelope.eventType(), ZolEventType::SDK_STEP);
    EXPECT_EQ(envelope.sessionId(), "s");
    EXPECT_EQ(envelope.personId(), "p");
    EXPECT_EQ(envelope.serialName(), "model.events.ZolTrackEvent");
    EXPECT_EQ(identify()->serialName(), "model.events.ZolIdentifyEvent");
    EXPECT_EQ(crash()->serialName(), "model.events.ZolCrashlyticsEvent");
}

TEST(Envelopes, NullPropertiesAreRefusedAtConstruction) {
    const std::vector<std::function<void()>> builds = {
        [] { ZolTrackEvent("s", "p", ZolEvent::SDK_RESULT, ZolEventType::SDK_STEP, nullptr); },
        [] { ZolCrashlyticsEvent("s", "p", ZolEvent::CRASH, ZolEventType::CRASH, nullptr, "t"); },
    };
    for (const auto& build : builds) {
        EXPECT_THROW(build(), std::invalid_argument);
    }
}

class EnvelopeBodies : public zoltest::ModelFixture {};

TEST_F(EnvelopeBodies, ChangedEventIsSentUnderItsOwnNameWithTheOriginalType) {
    ZolTrackEvent envelope("s", "p", ZolEvent::SDK_RESULT, ZolEventType::SDK_STEP,
                           std::make_shared<ZolDefaultProperties>());
    envelope.setEvent(ZolEvent::MEMORY_INFO);
    const auto body = nlohmann::ordered_json::parse(envelope.toJson());
    EXPECT_EQ(body["event"], "memory_info");
    EXPECT_EQ(body["eventType"], "sdk_step");
}

TEST_F(EnvelopeBodies, WithoutIdentityOnlyTheIdentifyBodyRenders) {
    detail::ZolPropertiesBaseModule::instance().resetForTesting();
    EXPECT_THROW((void)track()->toJson(), ZolNotInitializedError);
    EXPECT_THROW((void)crash()->toJson(), ZolNotInitializedError);
    EXPECT_EQ(identify()->toJson(),
              R"({"sessionId":"s","userId":"p","event":"identify","eventType":"identify"})");
}

}  // namespace
