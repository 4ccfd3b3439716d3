"""Argument binding of SIRI(), SIRI.parse and Body(): every TypeError, byte for byte, and the
errors that parse hands on."""

import pytest

import quaymark
from conftest import DOCUMENTS

ENVELOPE = DOCUMENTS["NotifyGeneralMessage"][0]


class Text(str):
    pass


@pytest.mark.parametrize("call, message", [
    (lambda: quaymark.SIRI(1), "SIRI.__new__() takes 0 positional arguments but 1 was given"),
    (lambda: quaymark.SIRI(1, 2, 3), "SIRI.__new__() takes 0 positional arguments but 3 were given"),
    (lambda: quaymark.SIRI(s="x"), "SIRI.__new__() got an unexpected keyword argument 's'"),
    (lambda: quaymark.SIRI().parse(), "SIRI.parse() missing 1 required positional argument: 's'"),
    (lambda: quaymark.SIRI().parse("a", "b"), "SIRI.parse() takes 1 positional arguments but 2 were given"),
    (lambda: quaymark.SIRI().parse(1, 2, 3), "SIRI.parse() takes 1 positional arguments but 3 were given"),
    (lambda: quaymark.SIRI().parse(text="x"), "SIRI.parse() got an unexpected keyword argument 'text'"),
    (lambda: quaymark.SIRI().parse("x", s="x"), "SIRI.parse() got multiple values for argument 's'"),
    # the keyword is checked before the missing argument, the count before the keywords
    (lambda: quaymark.SIRI().parse(t=1), "SIRI.parse() got an unexpected keyword argument 't'"),
    (lambda: quaymark.SIRI().parse(1, 2, t=1), "SIRI.parse() takes 1 positional arguments but 2 were given"),
    (lambda: quaymark.SIRI().parse(b"<a/>"), "argument 's': 'bytes' object cannot be converted to 'PyString'"),
    (lambda: quaymark.SIRI().parse(None), "argument 's': 'NoneType' object cannot be converted to 'PyString'"),
    (lambda: quaymark.SIRI().parse(s=1.5), "argument 's': 'float' object cannot be converted to 'PyString'"),
    (lambda: quaymark.Body(), "Body.__new__() missing 1 required positional argument: 'service_type'"),
    (lambda: quaymark.Body(1, 2), "Body.__new__() takes 1 positional arguments but 2 were given"),
    (lambda: quaymark.Body(None, None, None), "Body.__new__() takes 1 positional arguments but 3 were given"),
    (lambda: quaymark.Body(x=1), "Body.__new__() got an unexpected keyword argument 'x'"),
    (lambda: quaymark.Body(1, service_type=1), "Body.__new__() got multiple values for argument 'service_type'"),
    (lambda: quaymark.Body(1), "argument 'service_type': 'int' object cannot be converted to 'Body'"),
    (lambda: quaymark.Body(service_type=1), "argument 'service_type': 'int' object cannot be converted to 'Body'"),
    (lambda: quaymark.Body(None), "argument 'service_type': 'NoneType' object cannot be converted to 'Body'"),
    (lambda: quaymark.Body(quaymark.SIRI().parse(ENVELOPE).body()),
     "argument 'service_type': 'Body' object cannot be converted to 'Body'"),
    (lambda: quaymark.Body(quaymark.SIRI().parse(ENVELOPE)),
     "argument 'service_type': 'Envelope' object cannot be converted to 'Body'"),
])
def test_binding_errors(call, message):
    with pytest.raises(TypeError) as e:
        call()
    assert str(e.value) == message
    assert e.value.args == (message,)
    assert type(e.value) is TypeError


def test_type_name_that_cannot_be_read():
    class Meta(type):
        def __getattribute__(cls, name):
            if name == "__qualname__":
                raise RuntimeError("no name")
            return super().__getattribute__(name)

    odd = Meta("Odd", (), {})()
    with pytest.raises(TypeError) as e:
        quaymark.SIRI().parse(odd)
    assert str(e.value) == "argument 's': '<failed to extract type name>' object cannot be converted to 'PyString'"


def test_text_by_position_keyword_or_subclass_parses_alike(siri):
    expected = str(siri.parse(ENVELOPE))
    assert str(siri.parse(s=ENVELOPE)) == expected
    assert str(siri.parse(Text(ENVELOPE))) == expected
    assert str(quaymark.SIRI.parse(siri, ENVELOPE)) == expected


def test_lone_surrogate_raises_the_interpreters_encode_error(siri):
    with pytest.raises(UnicodeEncodeError):
        siri.parse("<a>\ud800</a>")


@pytest.mark.parametrize("document, message", [
    ("", "unexpected `Event::Eof`"),
    ("<a/>", "missing field `Body`"),
    ("<a><Body/></a>", "Missing service type"),
])
def test_parse_errors_are_value_errors_with_one_argument(siri, document, message):
    with pytest.raises(ValueError) as e:
        siri.parse(document)
    assert type(e.value) is ValueError
    assert e.value.args == (message,)


def test_foreign_receiver_is_refused(stop_monitoring_envelope):
    body = stop_monitoring_envelope.body()
    with pytest.raises(TypeError):
        quaymark.SIRI.parse(body, ENVELOPE)
    with pytest.raises(TypeError):
        quaymark.Body.notify_stop_monitoring(stop_monitoring_envelope)
    with pytest.raises(TypeError):
        quaymark.Envelope.body(body)


def test_signatures_and_docs_of_siri():
    assert quaymark.SIRI.__doc__ is None
    assert quaymark.SIRI.parse.__doc__ is None
    assert quaymark.SIRI.parse.__text_signature__ == "($self, s)"
