"""The module end to end: documents in, text form or ValueError out."""
import pathlib

import pytest

import quaymark

EXAMPLES = sorted((pathlib.Path(__file__).resolve().parents[2] / "examples").glob("*.xml"))

SDI = "<ServiceDeliveryInfo><ProducerRef>OP</ProducerRef></ServiceDeliveryInfo>"
STOP = (
    "<Siri><Body><NotifyStopMonitoring>" + SDI + "<Notification><StopMonitoringDelivery>"
    "<ResponseTimestamp>T</ResponseTimestamp></StopMonitoringDelivery></Notification>"
    "</NotifyStopMonitoring></Body></Siri>"
)
STOP_FORM = (
    "Body(StopMonitoring(NotifyStopMonitoring { service_delivery_info: ServiceDeliveryInfo { "
    'response_timestamp: None, producer_ref: "OP", request_message_identifier: None, response_message_ref: None }, '
    "notification: StopMonitoringNotification { stop_monitoring_delivery: StopMonitoringDelivery { leader: XxxDelivery { "
    'response_timestamp: "T", request_message_ref: None, subscriber_ref: None, subscription_ref: None, status: None, '
    "valid_until: None, shortest_possible_cycle: None }, monitoring_ref: None, monitored_stop_visit: None, "
    "monitored_stop_visit_cancellation: None } } }))"
)


@pytest.mark.parametrize("path", EXAMPLES, ids=[p.name for p in EXAMPLES])
def test_examples_parse_into_one_line(path):
    form = str(quaymark.SIRI().parse(path.read_text(encoding="utf-8")))
    assert form.startswith("Envelope { body: Body(") and "\n" not in form


def test_envelope_and_body_text_forms():
    envelope = quaymark.SIRI().parse(STOP)
    assert str(envelope) == "Envelope { body: " + STOP_FORM + " }"
    assert str(envelope.body()) == STOP_FORM


@pytest.mark.parametrize(
    "document, message",
    [
        ("", "unexpected `Event::Eof`"),
        ("x<Siri/>", 'invalid type: string "x", expected struct Envelope'),
        ("<Siri/>", "missing field `Body`"),
        ("<Siri><Body/></Siri>", "Missing service type"),
        ("<Siri><Body>\u00e9t\u00e9</Body></Siri>",
         "unknown field `$text`, expected one of `NotifyProductionTimetable`, `NotifyEstimatedTimetable`, "
         "`NotifyStopMonitoring`, `GetVehicleMonitoringResponse`, `NotifyConnectionMonitoring`, `GeneralMessage`, "
         "`NotifyGeneralMessage`, `NotifyFacilityMonitoring`, `NotifySituationExchange`"),
        ("<Siri><A></B></Siri>", "ill-formed document: expected `</A>`, but `</B>` was found"),
        # Python text may hold U+0000: after '<' it begins a name like any other character
        ("<Siri><\0a></a></Siri>", "ill-formed document: expected `</\0a>`, but `</a>` was found"),
        ("<\0Siri><\0x/><Body/></\0Siri>", "Missing service type"),
        ("<Siri><", "syntax error: tag not closed: `>` not found before end of input"),
    ],
)
def test_bad_documents_raise_value_error_with_the_message(document, message):
    with pytest.raises(ValueError) as info:
        quaymark.SIRI().parse(document)
    assert info.value.args == (message,)


def test_text_form_of_non_ascii_and_escapes():
    doc = STOP.replace("<ResponseTimestamp>T</ResponseTimestamp>",
                       "<ResponseTimestamp>T</ResponseTimestamp><MonitoringRef>Gare \u00e0 \u00a0\"x\"\ty</MonitoringRef>")
    assert 'monitoring_ref: Some("Gare \u00e0 \\u{a0}\\"x\\"\\ty")' in str(quaymark.SIRI().parse(doc))


class Text(str):
    pass


@pytest.mark.parametrize("document", [STOP, Text(STOP), STOP.replace("OP", "\u00d6P\U0001f68c")])
def test_ascii_non_ascii_and_str_subclass_read_alike(document):
    form = str(quaymark.SIRI().parse(document))
    assert form.startswith("Envelope { body: Body(StopMonitoring(")
    assert ('"\u00d6P\U0001f68c"' in form) == ("\u00d6" in document)
