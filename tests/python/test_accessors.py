"""Envelope.body, the seven Body accessors, str(), docstrings, and the deep copies they hand out."""

import gc

import pytest

import quaymark
from conftest import ACCESSORS, DOCUMENTS


@pytest.mark.parametrize("service", list(DOCUMENTS))
def test_each_body_answers_only_its_own_accessor(siri, service):
    document, answering = DOCUMENTS[service]
    body = siri.parse(document).body()
    for method, class_name in ACCESSORS:
        result = getattr(body, method)()
        if method == answering:
            assert type(result) is getattr(quaymark, class_name)
        else:
            assert result is None, method


def test_situation_exchange_shows_only_in_text_form(siri):
    body = siri.parse(DOCUMENTS["NotifySituationExchange"][0]).body()
    assert all(getattr(body, m)() is None for m, _ in ACCESSORS)
    assert str(body).startswith("Body(SituationExchange(NotifySituationExchange { ")


@pytest.mark.parametrize("service", list(DOCUMENTS))
def test_envelope_text_form_wraps_the_body(siri, service):
    envelope = siri.parse(DOCUMENTS[service][0])
    assert str(envelope) == "Envelope { body: " + str(envelope.body()) + " }"


def test_every_call_makes_a_new_copy(stop_monitoring_envelope):
    before = str(stop_monitoring_envelope)
    first, second = stop_monitoring_envelope.body(), stop_monitoring_envelope.body()
    assert first is not second and str(first) == str(second)
    a, b = first.notify_stop_monitoring(), first.notify_stop_monitoring()
    assert a is not b
    assert str(stop_monitoring_envelope) == before and str(first) == str(second)


def test_results_outlive_what_they_came_from(siri):
    envelope = siri.parse(DOCUMENTS["NotifyStopMonitoring"][0])
    text = str(envelope)
    body = envelope.body()
    service = body.notify_stop_monitoring()
    del envelope
    gc.collect()
    assert "Envelope { body: " + str(body) + " }" == text
    del body
    gc.collect()
    assert type(service) is quaymark.NotifyStopMonitoring


def test_failed_parse_leaves_the_parser_usable(siri):
    with pytest.raises(ValueError):
        siri.parse("<a/>")
    assert str(siri.parse(DOCUMENTS["NotifyGeneralMessage"][0])).startswith("Envelope { body: Body(GeneralMessage(")


@pytest.mark.parametrize("method, class_name", ACCESSORS)
def test_accessor_docstrings(method, class_name):
    fn = getattr(quaymark.Body, method)
    expected = (f"Method to get {class_name} from Body in Python\n\n# Returns\n"
                f"* `PyResult<Option<{class_name}>>`")
    if method == "notify_production_timetable":
        expected += "\n"
    assert fn.__doc__ == expected
    assert fn.__text_signature__ == "($self)"


def test_body_method_docs():
    assert quaymark.Envelope.body.__doc__ is None
    assert quaymark.Envelope.body.__text_signature__ == "($self)"
    assert [m for m in vars(quaymark.Body) if m.startswith("notify_")] == [m for m, _ in ACCESSORS]


def test_methods_take_no_arguments(stop_monitoring_envelope):
    body = stop_monitoring_envelope.body()
    before = str(body)
    with pytest.raises(TypeError):
        stop_monitoring_envelope.body(1)
    with pytest.raises(TypeError):
        body.notify_stop_monitoring(x=1)
    assert str(body) == before


def test_str_renders_and_repr_is_the_default(stop_monitoring_envelope):
    body = stop_monitoring_envelope.body()
    assert str(body).startswith("Body(StopMonitoring(NotifyStopMonitoring { service_delivery_info: ")
    assert repr(body).startswith("<builtins.Body object at 0x")
    assert repr(stop_monitoring_envelope).startswith("<builtins.Envelope object at 0x")
    with pytest.raises(TypeError):
        hash(body) == hash(body) and body < body
