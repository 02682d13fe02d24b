/*
 * A capture run driven through the C interface alone, as a host written in C would drive it.
 * Compiled as C11; includes nothing of the library but its C header.
 *
 *   capture_run CA_FILE CONNECT_TO_RULE...
 *
 * Routes the library to the stand-in named by the arguments, reports the run's events and one
 * crash, waits for every completion and exits 0 when each came back as expected. What went over
 * the wire is checked by the program that started this one.
 */
#include <pthread.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "zolsolutions/zolsolutions.h"

enum { kEventCount = 8, kWaitSeconds = 60 };

/* Line breaks, a tab, quotes, a backslash and non-ASCII text. */
static const char kStackTrace[] =
    "Fatal: \"capture\" failed\n\tat Camera.open(C:\\cam\\Camera.kt:42)\n"
    "\tat Zo\xC3\xAB.run \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\xB7";

/* What the callbacks report, shared with the session thread they run on. */
typedef struct Outcomes {
    pthread_mutex_t mutex;
    pthread_cond_t changed;
    int completions;
    int failures;
    int finishedCalls;
    bool finishedValue;
} Outcomes;

static Outcomes outcomes = {PTHREAD_MUTEX_INITIALIZER, PTHREAD_COND_INITIALIZER, 0, 0, 0, false};

static void onCompletion(void* context, const char* error) {
    Outcomes* seen = context;
    pthread_mutex_lock(&seen->mutex);
    seen->completions += 1;
    if (error != NULL) {
        seen->failures += 1;
        fprintf(stderr, "capture_run: an operation completed with an error: %s\n", error);
    }
    pthread_cond_broadcast(&seen->changed);
    pthread_mutex_unlock(&seen->mutex);
}

static void onFinished(void* context, bool sent) {
    Outcomes* seen = context;
    pthread_mutex_lock(&seen->mutex);
    seen->finishedCalls += 1;
    seen->finishedValue = sent;
    pthread_mutex_unlock(&seen->mutex);
}

static bool waitForCompletions(int count) {
    struct timespec deadline;
    clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_sec += kWaitSeconds;
    bool done = true;
    pthread_mutex_lock(&outcomes.mutex);
    while (outcomes.completions < count && done) {
        done = pthread_cond_timedwait(&outcomes.changed, &outcomes.mutex, &deadline) == 0;
    }
    done = outcomes.completions >= count;
    pthread_mutex_unlock(&outcomes.mutex);
    return done;
}

static int failed(const char* what) {
    const char* error = ZolSolutions_lastError();
    fprintf(stderr, "capture_run: %s (%s)\n", what, error != NULL ? error : "no message");
    return 1;
}

/* Before any tracker exists a record has no identity to render: a failure, not a crash. */
static int checkRenderingNeedsATracker(void) {
    ZolSolutionsZolDefaultProperties* record = ZolSolutionsZolDefaultProperties_init();
    if (record == NULL) {
        return failed("ZolDefaultProperties could not be built");
    }
    char* json = ZolSolutionsZolPropertiesBase_toJsonElement(record);
    const char* error = ZolSolutions_lastError();
    const bool refused = json == NULL && error != NULL && strstr(error, "platform") != NULL;
    ZolSolutions_free(json);
    ZolSolutionsZolPropertiesBase_release(record);
    if (!refused) {
        fprintf(stderr, "capture_run: rendering before any tracker did not fail naming platform\n");
        return 1;
    }
    return 0;
}

typedef struct Step {
    ZolSolutionsZolEvent event;
    ZolSolutionsZolPropertiesBase* properties;
} Step;

static int buildSteps(Step steps[kEventCount]) {
    static const char* const camera[] = {"camera"};
    static const char* const cameraAndMicrophone[] = {"camera", "microphone"};
    static const ZolSolutionsRequestParam upload[] = {{"side", "front"}, {"attempt", "1"}};
    static const ZolSolutionsRequestParam none[1] = {{NULL, NULL}};

    steps[0] = (Step){ZolSolutionsZolEvent_startSdk, ZolSolutionsZolDefaultProperties_init()};
    steps[1] = (Step){ZolSolutionsZolEvent_cameraPermissionRequested,
                      ZolSolutionsZolPermissionProperties_initWithPermissions(camera, 1)};
    steps[2] =
        (Step){ZolSolutionsZolEvent_cameraPermissionGranted,
               ZolSolutionsZolPermissionProperties_initWithPermissions(cameraAndMicrophone, 2)};
    /* Present but empty: an empty object and an empty text, not left out. */
    steps[3] =
        (Step){ZolSolutionsZolEvent_captureScreenOpened,
               ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(none, 0, "")};
    steps[4] = (Step){ZolSolutionsZolEvent_documentFrontCaptureStarted,
                      ZolSolutionsZolDefaultProperties_init()};
    steps[5] = (Step){
        ZolSolutionsZolEvent_uploadRouteCalled,
        ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(
            "/upload", "200", "350", "ok", upload, 2, "{\"image\":\"front.jpg\"}")};
    steps[6] = (Step){
        ZolSolutionsZolEvent_memoryInfo,
        ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB("512", "128")};
    steps[7] = (Step){ZolSolutionsZolEvent_internalError,
                      ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage(
                          "E42", "Cam\xC3\xA9ra \"busy\"")};
    for (int i = 0; i < kEventCount; ++i) {
        if (steps[i].properties == NULL) {
            return failed("a property record could not be built");
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s CA_FILE CONNECT_TO_RULE...\n", argv[0]);
        return 2;
    }
    if (checkRenderingNeedsATracker() != 0) {
        return 1;
    }
    if (!ZolSolutions_configureSharedSession((const char* const*)&argv[2], (size_t)(argc - 2),
                                             argv[1])) {
        return failed("the session could not be configured");
    }
    ZolSolutionsZolTracker* tracker =
        ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
            "session-host", ZolSolutionsZolPlatform_flutterAndroid, "client-host", "person-host");
    if (tracker == NULL) {
        return failed("the tracker could not be built");
    }

    Step steps[kEventCount];
    if (buildSteps(steps) != 0) {
        return 1;
    }
    for (int i = 0; i < kEventCount; ++i) {
        const bool accepted = ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
            tracker, steps[i].event, steps[i].properties, onCompletion, &outcomes);
        /* The operation shares the record: the host's handle may go at once. */
        ZolSolutionsZolPropertiesBase_release(steps[i].properties);
        if (!accepted) {
            return failed("sendEvent was refused");
        }
    }
    if (!ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
            tracker, kStackTrace, onFinished, onCompletion, &outcomes)) {
        return failed("sendCrashlytics was refused");
    }
    /* Releasing while operations are queued: they still run to their end and call back. */
    ZolSolutionsZolTracker_release(tracker);

    if (!waitForCompletions(kEventCount + 1)) {
        fprintf(stderr, "capture_run: only %d of %d operations completed in time\n",
                outcomes.completions, kEventCount + 1);
        return 1;
    }
    pthread_mutex_lock(&outcomes.mutex);
    const int failures = outcomes.failures;
    const int finishedCalls = outcomes.finishedCalls;
    const bool finishedValue = outcomes.finishedValue;
    pthread_mutex_unlock(&outcomes.mutex);
    if (failures != 0 || finishedCalls != 1 || !finishedValue) {
        fprintf(stderr, "capture_run: %d failures, onFinished called %d times (last: %s)\n",
                failures, finishedCalls, finishedValue ? "true" : "false");
        return 1;
    }
    printf("capture_run: %d operations completed\n", kEventCount + 1);
    return 0;
}
