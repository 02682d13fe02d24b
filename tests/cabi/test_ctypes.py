#!/usr/bin/env python3
"""libzolsolutions.so through ctypes, as a Dart or Swift host binds a foreign ABI: a capture run
against the stand-in of both services (a separate process, zol_test_standin), checked request by
request, and the bad input that must come back as a failure with a message, never a crash.

Environment: ZOL_LIBRARY (the shared library), ZOL_TEST_STANDIN (the stand-in program) and
ZOL_EXPECTED_REQUESTS (capture_run_expected.json, shared with the C program's test).
"""
import ctypes
import json
import os
import re
import subprocess
import threading
import unittest

WAIT_SECONDS = 60
TIMESTAMP = re.compile(r'"timestamp":"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d{3})?Z"')
TIMESTAMP_MARK = '"timestamp":"<TIMESTAMP>"'
STACK_TRACE = ('Fatal: "capture" failed\n\tat Camera.open(C:\\cam\\Camera.kt:42)\n'
               '\tat Zo\u00eb.run \u65e5\u672c \U0001F4F7')

COMPLETION = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_char_p)
ON_FINISHED = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_bool)


class RequestParam(ctypes.Structure):
    _fields_ = [("key", ctypes.c_char_p), ("value", ctypes.c_char_p)]


def bind(library):
    """Declares the signatures used here. Texts come back as c_void_p, so that they can be freed."""
    text, handle, c_bool, c_int32 = ctypes.c_void_p, ctypes.c_void_p, ctypes.c_bool, ctypes.c_int32
    c_str, size = ctypes.c_char_p, ctypes.c_size_t
    params = ctypes.POINTER(RequestParam)
    texts = ctypes.POINTER(ctypes.c_char_p)
    signatures = {
        "ZolSolutions_free": (None, [ctypes.c_void_p]),
        "ZolSolutions_lastError": (c_str, []),
        "ZolSolutions_configureSharedSession": (c_bool, [texts, size, c_str]),
        "ZolSolutionsZolEvent_eventName": (text, [c_int32]),
        "ZolSolutionsZolPlatform_platformName": (text, [c_int32]),
        "ZolSolutionsZolPropertiesBase_release": (None, [handle]),
        "ZolSolutionsZolPropertiesBase_description": (text, [handle]),
        "ZolSolutionsZolPropertiesBase_toJsonElement": (text, [handle]),
        "ZolSolutionsZolPropertiesBase_requestParams": (text, [handle]),
        "ZolSolutionsZolPropertiesBase_isEqual": (c_bool, [handle, handle]),
        "ZolSolutionsZolPropertiesBase_hash": (c_int32, [handle]),
        "ZolSolutionsZolDefaultProperties_init": (handle, []),
        "ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody":
            (handle, [params, size, c_str]),
        "ZolSolutionsZolPermissionProperties_initWithPermissions": (handle, [texts, size]),
        "ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_"
        "responseData_requestParams_requestBody":
            (handle, [c_str, c_str, c_str, c_str, params, size, c_str]),
        "ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB":
            (handle, [c_str, c_str]),
        "ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage": (handle, [c_str, c_str]),
        "ZolSolutionsZolErrorProperties_errorCode": (text, [handle]),
        "ZolSolutionsZolMapExtensionsKt_toJsonObject": (text, [c_str]),
        "ZolSolutionsZolFeatureToggleResponse_fromJsonJson": (handle, [c_str]),
        "ZolSolutionsZolFeatureToggleResponse_description": (text, [handle]),
        "ZolSolutionsZolFeatureToggleResponse_release": (None, [handle]),
        "ZolSolutionsZolHttpResponse_initWithStatusCode_body": (handle, [c_int32, c_str]),
        "ZolSolutionsZolHttpResponse_description": (text, [handle]),
        "ZolSolutionsZolHttpResponse_release": (None, [handle]),
        "ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId":
            (handle, [c_str, c_int32, c_str, c_str]),
        "ZolSolutionsZolTracker_release": (None, [handle]),
        "ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler":
            (c_bool, [handle, c_int32, handle, COMPLETION, ctypes.c_void_p]),
        "ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler":
            (c_bool, [handle, c_str, ON_FINISHED, COMPLETION, ctypes.c_void_p]),
    }
    for name, (result, arguments) in signatures.items():
        function = getattr(library, name)
        function.restype = result
        function.argtypes = arguments
    return library


LIB = bind(ctypes.CDLL(os.environ["ZOL_LIBRARY"]))

# The header's constants this test uses.
EVENT = {"startSdk": 1, "cameraPermissionRequested": 2, "cameraPermissionGranted": 3,
         "captureScreenOpened": 11, "documentFrontCaptureStarted": 12, "memoryInfo": 26,
         "uploadRouteCalled": 31, "internalError": 35, "crash": 41}
PLATFORM_FLUTTER_ANDROID = 2


def utf8(text):
    return None if text is None else text.encode("utf-8")


def taken(pointer):
    """A returned text as str (None for NULL), freed."""
    if not pointer:
        return None
    try:
        return ctypes.string_at(pointer).decode("utf-8")
    finally:
        LIB.ZolSolutions_free(pointer)


def last_error():
    error = LIB.ZolSolutions_lastError()
    return None if error is None else error.decode("utf-8")


def text_array(texts):
    return (ctypes.c_char_p * max(len(texts), 1))(*[utf8(t) for t in texts])


def param_array(pairs):
    return (RequestParam * max(len(pairs), 1))(*[RequestParam(utf8(k), utf8(v)) for k, v in pairs])


class Completions:
    """The callbacks of send calls: counts them, keeps their error texts, wakes the test. The
    ctypes function objects live as long as this object, which outlives every call."""

    def __init__(self):
        self._changed = threading.Condition()
        self.errors = []
        self.finished = []
        self.on_completion = COMPLETION(self._completed)
        self.on_finished = ON_FINISHED(self._finished)

    def _completed(self, _context, error):
        with self._changed:
            self.errors.append(None if error is None else error.decode("utf-8"))
            self._changed.notify_all()

    def _finished(self, _context, sent):
        with self._changed:
            self.finished.append(bool(sent))

    def wait_for(self, count):
        with self._changed:
            return self._changed.wait_for(lambda: len(self.errors) >= count, WAIT_SECONDS)


class StandIn:
    """zol_test_standin as a context: routes the library's session to it while open; on leaving,
    the requests it received."""

    def __init__(self, *switches):
        self.requests = None
        self._process = subprocess.Popen([os.environ["ZOL_TEST_STANDIN"], *switches],
                                         stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                                         encoding="utf-8")
        self.address = json.loads(self._process.stdout.readline())

    def __enter__(self):
        rules = self.address["connectTo"]
        if not LIB.ZolSolutions_configureSharedSession(text_array(rules), len(rules),
                                                       utf8(self.address["caFile"])):
            raise RuntimeError(last_error())
        return self

    def __exit__(self, *_):
        LIB.ZolSolutions_configureSharedSession(None, 0, None)
        output, _ = self._process.communicate(timeout=WAIT_SECONDS)
        self.requests = [json.loads(line) for line in output.splitlines() if line]
        return False


def header(request, name):
    values = [v for k, v in request["headers"] if k.lower() == name.lower()]
    return values[0] if values else None


def new_tracker(person="person-host"):
    tracker = LIB.ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
        b"session-host", PLATFORM_FLUTTER_ANDROID, b"client-host", utf8(person))
    assert tracker, last_error()
    return tracker


class CaptureRun(unittest.TestCase):
    def test_every_request_arrives_in_order_exactly_as_the_services_expect_it(self):
        with open(os.environ["ZOL_EXPECTED_REQUESTS"], encoding="utf-8") as file:
            expected = json.load(file)
        upload = param_array([("side", "front"), ("attempt", "1")])
        steps = [
            ("startSdk", LIB.ZolSolutionsZolDefaultProperties_init()),
            ("cameraPermissionRequested",
             LIB.ZolSolutionsZolPermissionProperties_initWithPermissions(text_array(["camera"]), 1)),
            ("cameraPermissionGranted", LIB.ZolSolutionsZolPermissionProperties_initWithPermissions(
                text_array(["camera", "microphone"]), 2)),
            ("captureScreenOpened",
             LIB.ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(
                 param_array([]), 0, b"")),
            ("documentFrontCaptureStarted", LIB.ZolSolutionsZolDefaultProperties_init()),
            ("uploadRouteCalled", LIB.ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(  # noqa: E501
                b"/upload", b"200", b"350", b"ok", upload, 2, b'{"image":"front.jpg"}')),
            ("memoryInfo", LIB.ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB(
                b"512", b"128")),
            ("internalError", LIB.ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage(
                b"E42", utf8('Cam\u00e9ra "busy"'))),
        ]
        completions = Completions()
        with StandIn() as services:
            tracker = new_tracker()
            for event, record in steps:
                self.assertTrue(record, last_error())
                self.assertTrue(
                    LIB.ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
                        tracker, EVENT[event], record, completions.on_completion, None),
                    last_error())
                LIB.ZolSolutionsZolPropertiesBase_release(record)
            self.assertTrue(
                LIB.ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
                    tracker, utf8(STACK_TRACE), completions.on_finished,
                    completions.on_completion, None),
                last_error())
            LIB.ZolSolutionsZolTracker_release(tracker)
            self.assertTrue(completions.wait_for(len(steps) + 1), "operations did not complete")

        self.assertEqual(completions.errors, [None] * (len(steps) + 1))
        self.assertEqual(completions.finished, [True])
        self.assertEqual(len(services.requests), len(expected))
        for index, (actual, wanted) in enumerate(zip(services.requests, expected)):
            with self.subTest(request=index, url=wanted["url"]):
                self.assertEqual(actual["method"], wanted["method"])
                self.assertEqual(actual["url"], wanted["url"])
                self.assertEqual(header(actual, "Content-Type"), "application/json")
                self.assertEqual(header(actual, "Authorization"), wanted["authorization"])
                self.assertEqual(TIMESTAMP.sub(TIMESTAMP_MARK, actual["body"]), wanted["body"])

    def test_an_unreadable_crash_switch_reaches_the_completion_as_text_without_on_finished(self):
        completions = Completions()
        with StandIn("--crash", "missing") as services:
            tracker = new_tracker()
            self.assertTrue(
                LIB.ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
                    tracker, b"trace", completions.on_finished, completions.on_completion, None))
            LIB.ZolSolutionsZolTracker_release(tracker)
            self.assertTrue(completions.wait_for(1))
        self.assertEqual(completions.finished, [])
        self.assertIn("ZolJsonDecodingError", completions.errors[0])
        self.assertEqual([r["url"].rsplit("/", 1)[1] for r in services.requests], ["crash_handler"])

    def test_with_analytics_off_nothing_follows_the_switch(self):
        completions = Completions()
        with StandIn("--analytics", "off") as services:
            tracker = new_tracker()
            record = LIB.ZolSolutionsZolDefaultProperties_init()
            for _ in range(2):
                self.assertTrue(
                    LIB.ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
                        tracker, EVENT["startSdk"], record, completions.on_completion, None))
            LIB.ZolSolutionsZolPropertiesBase_release(record)
            LIB.ZolSolutionsZolTracker_release(tracker)
            self.assertTrue(completions.wait_for(2))
        self.assertEqual(completions.errors, [None, None])
        self.assertEqual(len(services.requests), 1, "one toggle lookup, cached; nothing sent")


class BadInput(unittest.TestCase):
    """Each case must fail with NULL or false and a message naming what was wrong."""

    def setUp(self):
        self.record = LIB.ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage(b"E", b"m")
        self.tracker = new_tracker()
        self.completions = Completions()

    def tearDown(self):
        LIB.ZolSolutionsZolTracker_release(self.tracker)
        LIB.ZolSolutionsZolPropertiesBase_release(self.record)

    def send_event(self, tracker, event, record):
        return LIB.ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
            tracker, event, record, self.completions.on_completion, None)

    def test_every_bad_input_fails_with_a_message(self):
        cases = [
            ("NULL text for a record", "errorMessage must not be NULL",
             lambda: LIB.ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage(b"E", None)),
            ("NULL text for a tracker", "clientId must not be NULL",
             lambda: LIB.ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
                 b"s", 0, None, b"p")),
            ("NULL params with a count", "requestParams must not be NULL",
             lambda: LIB.ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(
                 None, 3, None)),
            ("NULL handle", "record must not be NULL",
             lambda: LIB.ZolSolutionsZolPropertiesBase_description(None)),
            ("NULL tracker", "tracker must not be NULL",
             lambda: self.send_event(None, EVENT["startSdk"], self.record)),
            ("NULL properties", "properties must not be NULL",
             lambda: self.send_event(self.tracker, EVENT["startSdk"], None)),
            ("NULL stack trace", "stackTrace must not be NULL",
             lambda: LIB.ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(  # noqa: E501
                 self.tracker, None, self.completions.on_finished,
                 self.completions.on_completion, None)),
            ("unknown event", "event 42 is not a ZolEvent",
             lambda: self.send_event(self.tracker, 42, self.record)),
            ("unknown event name", "value -3 is not a ZolEvent",
             lambda: LIB.ZolSolutionsZolEvent_eventName(-3)),
            ("unknown platform", "platform 6 is not a ZolPlatform",
             lambda: LIB.ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
                 b"s", 6, b"c", b"p")),
            ("record of another kind", "not a ZolErrorProperties",
             lambda: LIB.ZolSolutionsZolErrorProperties_errorCode(self.default_record())),
            ("malformed toggle document", "ZolJsonDecodingError",
             lambda: LIB.ZolSolutionsZolFeatureToggleResponse_fromJsonJson(b'{"fields":')),
            ("toggle document without fields", "model.featuretoggle.ZolFeatureToggleResponse",
             lambda: LIB.ZolSolutionsZolFeatureToggleResponse_fromJsonJson(b'{"error":{}}')),
            ("NULL toggle document", "json must not be NULL",
             lambda: LIB.ZolSolutionsZolFeatureToggleResponse_fromJsonJson(None)),
            ("malformed map", "ZolSerializationError",
             lambda: LIB.ZolSolutionsZolMapExtensionsKt_toJsonObject(b'{"a":')),
            ("map that is no object", "must be a JSON object",
             lambda: LIB.ZolSolutionsZolMapExtensionsKt_toJsonObject(b"[1,2]")),
            ("NULL map", "json must not be NULL",
             lambda: LIB.ZolSolutionsZolMapExtensionsKt_toJsonObject(None)),
            ("unreadable CA file", "cannot be opened",
             lambda: LIB.ZolSolutions_configureSharedSession(None, 0, b"/nonexistent/ca.pem")),
        ]
        for what, message, call in cases:
            with self.subTest(what):
                self.assertFalse(call())
                self.assertIsNotNone(last_error())
                self.assertIn(message, last_error())
        self.assertEqual(self.completions.errors, [], "a refused call has no callback")

    def default_record(self):
        record = LIB.ZolSolutionsZolDefaultProperties_init()
        self.addCleanup(LIB.ZolSolutionsZolPropertiesBase_release, record)
        return record

    def test_a_call_that_succeeds_clears_the_message(self):
        self.assertFalse(LIB.ZolSolutionsZolEvent_eventName(99))
        self.assertIsNotNone(last_error())
        self.assertEqual(taken(LIB.ZolSolutionsZolEvent_eventName(EVENT["memoryInfo"])),
                         "memory_info")
        self.assertIsNone(last_error())


class Values(unittest.TestCase):
    def test_records_print_compare_and_render(self):
        make = LIB.ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage
        one, two = make(b"E42", utf8("Zo\u00eb")), make(b"E42", utf8("Zo\u00eb"))
        self.addCleanup(LIB.ZolSolutionsZolPropertiesBase_release, one)
        self.addCleanup(LIB.ZolSolutionsZolPropertiesBase_release, two)
        self.assertTrue(LIB.ZolSolutionsZolPropertiesBase_isEqual(one, two))
        self.assertEqual(LIB.ZolSolutionsZolPropertiesBase_hash(one),
                         LIB.ZolSolutionsZolPropertiesBase_hash(two))
        self.assertEqual(taken(LIB.ZolSolutionsZolPropertiesBase_description(one)),
                         "ZolErrorProperties(errorCode=E42, errorMessage=Zo\u00eb, "
                         "requestParams=null, requestBody=null)")
        LIB.ZolSolutionsZolTracker_release(new_tracker("person-render"))
        rendered = json.loads(taken(LIB.ZolSolutionsZolPropertiesBase_toJsonElement(one)))
        self.assertEqual(list(rendered), ["platform", "clientId", "personId", "timestamp",
                                          "errorCode", "errorMessage"])
        self.assertEqual(rendered["personId"], "person-render")
        self.assertEqual(rendered["errorMessage"], "Zo\u00eb")

    def test_request_params_keep_the_hosts_order(self):
        record = LIB.ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(
            param_array([("z", "1"), ("a", "2")]), 2, None)
        self.addCleanup(LIB.ZolSolutionsZolPropertiesBase_release, record)
        self.assertEqual(taken(LIB.ZolSolutionsZolPropertiesBase_requestParams(record)),
                         '{"z":"1","a":"2"}')

    def test_to_json_object_drops_type_and_keeps_order(self):
        self.assertEqual(
            taken(LIB.ZolSolutionsZolMapExtensionsKt_toJsonObject(b'{"b":1,"type":"t","a":{}}')),
            '{"b":1,"a":{}}')

    def test_toggle_documents_and_responses(self):
        document = LIB.ZolSolutionsZolFeatureToggleResponse_fromJsonJson(
            b'{"name":"n","fields":{"enabled":{"booleanValue":true}}}')
        self.assertTrue(document, last_error())
        self.addCleanup(LIB.ZolSolutionsZolFeatureToggleResponse_release, document)
        self.assertEqual(
            taken(LIB.ZolSolutionsZolFeatureToggleResponse_description(document)),
            "ZolFeatureToggleResponse(fields=ZolFeatureToggleFields(enabled=ZolBooleanValue("
            "booleanValue=true)))")
        response = LIB.ZolSolutionsZolHttpResponse_initWithStatusCode_body(200, None)
        self.addCleanup(LIB.ZolSolutionsZolHttpResponse_release, response)
        self.assertEqual(taken(LIB.ZolSolutionsZolHttpResponse_description(response)),
                         "ZolHttpResponse(statusCode=200, body=null)")


if __name__ == "__main__":
    unittest.main(verbosity=2)
