#pragma once
#include "zolsolutions/model/enums/Enumeration.hpp"

namespace zolsolutions {

// The analytics API calls; the path of a call is its name in lower case ("track").
#define ZOL_RUDDER_STACK_PATH_TABLE(X) \
    X(TRACK)                           \
    X(IDENTIFY)

ZOL_DECLARE_ENUMERATION(ZolRudderStackPath, ZOL_RUDDER_STACK_PATH_TABLE);

}  // namespace zolsolutions
