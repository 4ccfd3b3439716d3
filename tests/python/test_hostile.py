"""Hostile input through the module: bad arguments, deep nesting, huge and flooded documents,
truncated documents, every character at every position, and a long loop that must keep memory
flat. Every document either parses or raises ValueError with the reader's message.

The memory checks run each case in its own interpreter and compare the resident-set peak with
the resident set before the parse; they are skipped under the sanitizers, whose bookkeeping
dominates. Tests named "huge" are left out of the short sanitized pass."""

import os
import subprocess
import sys
import textwrap
from pathlib import Path

import pytest

import quaymark

SANITIZED = bool(os.environ.get("QUAYMARK_SANITIZED"))
EXAMPLES = Path(__file__).resolve().parents[2] / "examples"
DEEP = 1_000_000

HEADER_NAMES = (
    "expected one of `ResponseTimestamp`, `RequestMessageRef`, `SubscriberRef`, `SubscriptionRef`, "
    "`Status`, `ValidUntil`, `ShortestPossibleCycle`"
)


def frame(in_info="", in_delivery="", in_root="", delivery_attributes=""):
    return (
        f"<Siri>{in_root}<Body><NotifyStopMonitoring><ServiceDeliveryInfo><ProducerRef>P</ProducerRef>{in_info}"
        f"</ServiceDeliveryInfo><Notification><StopMonitoringDelivery{delivery_attributes}>"
        f"<ResponseTimestamp>t</ResponseTimestamp>{in_delivery}</StopMonitoringDelivery></Notification>"
        "</NotifyStopMonitoring></Body></Siri>"
    )


def estimated(calls):
    return (
        "<Siri><Body><NotifyEstimatedTimetable><ServiceDeliveryInfo><ProducerRef>P</ProducerRef>"
        "</ServiceDeliveryInfo><Notification><EstimatedTimetableDelivery><ResponseTimestamp>t</ResponseTimestamp>"
        "<EstimatedJourneyVersionFrame><RecordedAtTime>r</RecordedAtTime><EstimatedVehicleJourney><LineRef>L"
        f"</LineRef><DirectionRef>D</DirectionRef><EstimatedCalls>{calls}</EstimatedCalls></EstimatedVehicleJourney>"
        "</EstimatedJourneyVersionFrame></EstimatedTimetableDelivery></Notification></NotifyEstimatedTimetable>"
        "</Body></Siri>"
    )


def outcome(document):
    try:
        return str(quaymark.SIRI().parse(document))
    except ValueError as error:
        assert len(error.args) == 1
        return "error: " + str(error)


def nest(name, depth, inner=""):
    return f"<{name}>" * depth + inner + f"</{name}>" * depth


PLAIN = outcome(frame())
ONE_CALL = outcome(estimated("<EstimatedCall><Order>7</Order></EstimatedCall>"))

# ---- bad arguments ---------------------------------------------------------------------------


class Text(str):
    """A str subclass whose own methods must not be consulted."""

    def encode(self, *args, **kwargs):
        raise AssertionError("encode called")

    def __str__(self):
        raise AssertionError("__str__ called")

    def isascii(self):
        raise AssertionError("isascii called")


class Lying(str):
    """A str subclass that claims to be ASCII whatever it holds."""

    def isascii(self):
        return True


@pytest.mark.parametrize(
    "argument, type_name",
    [
        (b"<a/>", "bytes"),
        (None, "NoneType"),
        (bytearray(b"<a/>"), "bytearray"),
        (memoryview(b"<a/>"), "memoryview"),
        (42, "int"),
        (["<a/>"], "list"),
    ],
)
def test_an_argument_that_is_not_text(argument, type_name):
    with pytest.raises(TypeError) as caught:
        quaymark.SIRI().parse(argument)
    assert str(caught.value) == f"argument 's': '{type_name}' object cannot be converted to 'PyString'"


def test_a_str_subclass_is_read_by_its_content():
    assert str(quaymark.SIRI().parse(Text(frame()))) == PLAIN
    assert str(quaymark.SIRI().parse(s=Text(frame()))) == PLAIN
    accented = frame().replace(">P<", ">\u00e9\U0001F600<")
    assert str(quaymark.SIRI().parse(Lying(accented))) == PLAIN.replace('"P"', '"\u00e9\U0001F600"')
    with pytest.raises(UnicodeEncodeError):
        quaymark.SIRI().parse(Lying(frame() + "\ud800"))


@pytest.mark.parametrize("at", [0, 6, len(frame()) // 2, len(frame())])
@pytest.mark.parametrize("surrogate", ["\ud800", "\udfff", "\udc80"])
def test_a_lone_surrogate_raises_the_interpreters_encode_error(at, surrogate):
    document = frame()
    document = document[:at] + surrogate + document[at:]
    with pytest.raises(UnicodeEncodeError) as caught:
        quaymark.SIRI().parse(document)
    assert caught.value.encoding == "utf-8"
    assert caught.value.reason == "surrogates not allowed"
    assert (caught.value.start, caught.value.end) == (at, at + 1)


@pytest.mark.parametrize(
    "document, expected",
    [
        ("<Siri><Body><a\0b/></Body></Siri>", "error: unknown field `a\0b`, expected one of `NotifyProductionTimetable`, "
         "`NotifyEstimatedTimetable`, `NotifyStopMonitoring`, `GetVehicleMonitoringResponse`, "
         "`NotifyConnectionMonitoring`, `GeneralMessage`, `NotifyGeneralMessage`, `NotifyFacilityMonitoring`, "
         "`NotifySituationExchange`"),
        (frame().replace(">P<", ">a\0b\U0001F600<"), PLAIN.replace('"P"', '"a\\0b\U0001F600"')),
        ("\ufeff" + frame(), PLAIN),
        ("\ufeff\ufeff" + frame(), 'error: invalid type: string "\\u{feff}", expected struct Envelope'),
    ],
)
def test_nul_and_non_ascii_characters(document, expected):
    assert outcome(document) == expected


# ---- deep nesting, floods ----------------------------------------------------------------------

DEEP_X = nest("x", DEEP)

DEEP_CASES = {
    "unknown child of a record": (frame(in_info=nest("Unknown", DEEP)), PLAIN),
    "unknown child of the root": (frame(in_root=f"<Header>{DEEP_X}</Header>"), PLAIN),
    "unknown child of a delivery, kept then rejected": (
        frame(in_delivery=nest("Extra", DEEP)),
        f"error: unknown field `Extra`, {HEADER_NAMES}",
    ),
    "header element of a delivery holding deep content": (
        frame(in_delivery=f"<SubscriberRef>{DEEP_X}sub</SubscriberRef>"),
        PLAIN.replace("subscriber_ref: None", 'subscriber_ref: Some("sub")'),
    ),
    "discarded child of an estimated call": (
        estimated(f"<EstimatedCall><Junk a='1'>{DEEP_X}</Junk><Order>7</Order></EstimatedCall>"),
        ONE_CALL,
    ),
    "nested estimated calls": (
        estimated("<EstimatedCall><Order>1</Order>" * DEEP + "<EstimatedCall><Order>7</Order></EstimatedCall>"
                  + "</EstimatedCall>" * DEEP),
        ONE_CALL,
    ),
    "unclosed deep skip": (
        "<Siri><Body><NotifyStopMonitoring><ServiceDeliveryInfo><Unknown>" + "<x>" * DEEP,
        "error: ill-formed document: start tag not closed: `</Unknown>` not found before end of input",
    ),
    "deep mismatch": (
        frame(in_info="<Unknown>" + "<x>" * DEEP + "</y>"),
        "error: ill-formed document: expected `</x>`, but `</y>` was found",
    ),
    "a million entities": (
        frame().replace(">P<", ">" + "&amp;" * DEEP + "<"),
        PLAIN.replace('"P"', '"' + "&" * DEEP + '"'),
    ),
    "a million attributes on a skipped element": (
        frame(in_info="<Unknown" + "".join(f' a{i}="v"' for i in range(DEEP)) + "/>"),
        PLAIN,
    ),
    "a million tiny children of a delivery": (
        frame(in_delivery="<x/>" * DEEP),
        f"error: unknown field `x`, {HEADER_NAMES}",
    ),
    "a million attributes on a delivery": (
        frame(delivery_attributes="".join(f' version{i}="v"' for i in range(DEEP))),
        PLAIN,
    ),
}


@pytest.mark.parametrize("name", DEEP_CASES)
def test_deep_and_flooded_documents(name):
    document, expected = DEEP_CASES[name]
    assert outcome(document) == expected


MEMORY_PROBE = textwrap.dedent(
    """
    import sys, quaymark
    sys.path.insert(0, {tests!r})
    from test_hostile import DEEP_CASES, frame
    def rss(field):
        with open("/proc/self/status") as status:
            for line in status:
                if line.startswith(field):
                    return int(line.split()[1])
    name = {name!r}
    document = frame().replace(">P<", ">" + "a" * (100 << 20) + "<") if name == "huge" else DEEP_CASES[name][0]
    with open("/proc/self/clear_refs", "w") as refs:
        refs.write("5")
    before = rss("VmRSS:")
    try:
        text = str(quaymark.SIRI().parse(document))
    except ValueError as error:
        text = str(error)
    print(rss("VmHWM:") - before, len(document.encode()) // 1024, len(text))
    print(name, rss("VmHWM:") - before, "KiB peak growth for", len(document.encode()) // 1024, "KiB", file=sys.stderr)
    """
)


def peak_growth_kib(name):
    probe = MEMORY_PROBE.format(tests=str(Path(__file__).parent), name=name)
    done = subprocess.run([sys.executable, "-c", probe], capture_output=True, text=True, timeout=600)
    assert done.returncode == 0, done.stderr
    growth, size, text_length = map(int, done.stdout.split())
    print(done.stderr.strip())
    return growth, size, text_length


@pytest.mark.skipif(SANITIZED, reason="the sanitizers' bookkeeping dominates memory")
@pytest.mark.parametrize(
    "name, factor",
    [
        # The record keeps one copy of the text; the text form and its Python string one each.
        ("huge", 4),
        ("nested estimated calls", 4),
        ("unknown child of a delivery, kept then rejected", 4),
        ("a million entities", 4),
        # A kept child is an entry of three words, against four bytes of "<x/>".
        ("a million tiny children of a delivery", 8),
        # Each attribute that a delivery keeps costs a leftover entry and a slot of the
        # duplicate check, about a hundred bytes against its dozen or so in the document.
        ("a million attributes on a delivery", 16),
    ],
)
def test_huge_documents_use_memory_in_proportion(name, factor):
    growth, size, text_length = peak_growth_kib(name)
    assert growth <= factor * size + 16 * 1024, f"{growth} KiB for a document of {size} KiB"
    if name == "huge":
        assert text_length == len(PLAIN) + (100 << 20) - 1


def test_huge_text_of_one_element():
    document = frame().replace(">P<", ">" + "é" * (50 << 20) + "<")
    text = str(quaymark.SIRI().parse(document))
    assert text == PLAIN.replace('"P"', '"' + "é" * (50 << 20) + '"')


# ---- truncation and single-character damage ----------------------------------------------------

READER_MESSAGES = (
    "syntax error: ",
    "ill-formed document: start tag not closed: `</",
    "unexpected `Event::Eof`",
    "Error while escaping character at range",
)


def whole_documents():
    documents = [frame(), estimated("<EstimatedCall><Order>7</Order><Junk/></EstimatedCall>")]
    for path in sorted(EXAMPLES.glob("*.xml")):
        text = path.read_text(encoding="utf-8")
        documents.append(text[: text.index(">", text.rindex("</")) + 1])  # nothing after the root
    return documents


@pytest.mark.parametrize("document", whole_documents(), ids=lambda d: f"{len(d)} characters")
def test_every_prefix_of_a_valid_document_fails(document):
    assert not outcome(document).startswith("error: ")
    for n in range(len(document)):
        with pytest.raises(ValueError) as caught:
            quaymark.SIRI().parse(document[:n])
        assert str(caught.value).startswith(READER_MESSAGES), (n, str(caught.value))


def test_every_character_at_every_position():
    document = (
        "<?xml version='1.0'?><S a='1'><Body><NotifyGeneralMessage><ServiceDeliveryInfo><ProducerRef>P&amp;"
        "<![CDATA[c]]></ProducerRef><!--c--></ServiceDeliveryInfo><Notification><GeneralMessageDelivery>"
        "<ResponseTimestamp>t</ResponseTimestamp></GeneralMessageDelivery></Notification></NotifyGeneralMessage>"
        "</Body></S>"
    )
    characters = [chr(c) for c in range(256)] + ["\u2028", "\ufeff", "\uffff", "\U0001F600", "\U0010FFFF"]
    parsed = 0
    for at in range(len(document)):
        for c in characters:
            try:
                str(quaymark.SIRI().parse(document[:at] + c + document[at + 1:]))
                parsed += 1
            except ValueError as error:
                assert str(error)
    assert parsed >= len(document)  # at the least, the unchanged document


# ---- no leak -----------------------------------------------------------------------------------

LEAK_PROBE = textwrap.dedent(
    """
    import sys, quaymark
    sys.path.insert(0, {tests!r})
    from conftest import DOCUMENTS
    def rss():
        with open("/proc/self/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    siri = quaymark.SIRI()
    documents = [document for document, _ in DOCUMENTS.values()]
    bad = documents[0].replace("<", "<<", 3)
    def calls(n):
        done = 0
        while done < n:
            for document in documents:
                envelope = siri.parse(document)
                body = envelope.body()
                str(envelope); str(body)
                body.notify_stop_monitoring(); body.notify_estimated_timetable(); body.notify_production_timetable()
                try:
                    siri.parse(bad)
                except ValueError:
                    pass
                done += 8
    calls({warm})
    start = rss()
    calls({count})
    print(rss() - start)
    """
)


def test_huge_loop_of_calls_keeps_memory_flat():
    count = int(os.environ.get("QUAYMARK_LEAK_CALLS", "1000000"))
    probe = LEAK_PROBE.format(tests=str(Path(__file__).parent), warm=count // 10, count=count)
    done = subprocess.run([sys.executable, "-c", probe], capture_output=True, text=True, timeout=900)
    assert done.returncode == 0, done.stderr
    growth_kib = int(done.stdout)
    print(f"resident set grew by {growth_kib} KiB over {count} calls")
    assert growth_kib < 4 * 1024


def test_huge_text_that_is_no_document():
    with pytest.raises(ValueError) as caught:
        quaymark.SIRI().parse("x" * (100 << 20) + "<a/>")
    message = str(caught.value)
    assert message == 'invalid type: string "' + "x" * (100 << 20) + '", expected struct Envelope'
