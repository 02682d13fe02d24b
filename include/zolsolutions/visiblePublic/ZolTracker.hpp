#pragma once
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "zolsolutions/model/enums/ZolEvent.hpp"
#include "zolsolutions/model/enums/ZolPlatform.hpp"
#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

namespace detail {
class ZolTrackerState;
}

/// The library's entry point for one capture run.
///
/// Construction records the run's identity (and makes it the identity every property record
/// reports, process-wide); it sends nothing. The two send operations are asynchronous and never
/// block the calling thread for I/O:
///
/// - A call starts the operation on the caller's thread and returns once the operation has
///   finished or begun to wait (for the tracker's lock or for an HTTP answer).
/// - `completionHandler` is called exactly once per call, after the tracker's lock was released.
///   When nothing had to wait it runs before the call returns, on the caller's thread; otherwise
///   on the thread whose wait ended last: the URL session's thread after an HTTP answer, or the
///   thread that released the lock. It gets nullptr when the operation ran its course, whatever
///   was or was not delivered (failures are printed to standard error, not passed on).
/// - The operations of one tracker never overlap and run in the order in which they were called
///   (first come, first served); operations of different trackers are independent.
/// - Callbacks run on the URL session's thread must return quickly and must not wait for another
///   operation of the same tracker (it cannot start before the callback returns). An exception
///   thrown by a callback is caught and printed; it never reaches the library's threads.
///
/// The object is a handle: copies share one tracker. Destroying the last handle while operations
/// are queued or in flight is safe; they run to completion and call their callbacks.
class ZolTracker {
  public:
    ZolTracker(std::string sessionId, ZolPlatform platform, std::string clientId,
               std::string personId);

    /// Reports one analytics event ("track"), preceded by an "identify" call for START_SDK and
    /// FIRST_OPEN, when the remote analytics switch is on. A null `properties` is refused: the
    /// completion handler gets std::invalid_argument at once and nothing is sent.
    void sendEvent(ZolEvent event, std::shared_ptr<const ZolPropertiesBase> properties,
                   std::function<void(std::exception_ptr)> completionHandler);

    /// Reports one crash when the remote crash switch is on. `onFinished(true)` when the report's
    /// request was answered (whatever the status), `onFinished(false)` when the switch is off or
    /// sending failed; it runs before the completion handler, while the tracker's lock is held.
    /// When the switch's document cannot be read, `onFinished` is not called and the completion
    /// handler receives that failure.
    void sendCrashlytics(std::string stackTrace, std::function<void(bool)> onFinished,
                         std::function<void(std::exception_ptr)> completionHandler);

  private:
    std::shared_ptr<detail::ZolTrackerState> state_;
};

}  // namespace zolsolutions
