#pragma once
#include "zolsolutions/model/enums/Enumeration.hpp"

namespace zolsolutions {

// Request methods; the text sent on the wire is the name exactly as written ("DELETE").
#define ZOL_HTTP_METHOD_TABLE(X) \
    X(GET)                       \
    X(POST)                      \
    X(PUT)                       \
    X(DELETE)

ZOL_DECLARE_ENUMERATION(ZolHttpMethod, ZOL_HTTP_METHOD_TABLE);

}  // namespace zolsolutions
