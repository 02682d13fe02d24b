#include "standin/StandIn.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zolsolutions::standin {

void configureSharedSessionFor(const StandIn& standIn) {
    platform::configureSharedSession({standIn.connectToRules(), standIn.caFile(), {}});
}

}  // namespace zolsolutions::standin
