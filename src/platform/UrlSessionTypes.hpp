#pragma once
// Everything a caller of the URL session needs, in one include.

#include "platform/DataTask.hpp"
#include "platform/DataTaskCompletion.hpp"
#include "platform/MutableUrlRequest.hpp"
#include "platform/Url.hpp"
#include "platform/UrlError.hpp"
#include "platform/UrlResponse.hpp"
#include "platform/UrlSession.hpp"
#include "platform/Utf8.hpp"
