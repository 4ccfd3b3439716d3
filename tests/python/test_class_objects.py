"""Class objects: full names, docstrings, flags, the no-constructor rule, and the two Body classes."""

import gc

import pytest

import quaymark

ALL_CLASSES = sorted(set(quaymark.__all__))
NO_CONSTRUCTOR = [n for n in ALL_CLASSES if n not in ("SIRI", "Body")]


@pytest.mark.parametrize("name", ALL_CLASSES)
def test_class_names_module_and_doc(name):
    cls = getattr(quaymark, name)
    assert cls.__module__ == "builtins"
    assert cls.__name__ == cls.__qualname__ == name
    assert cls.__doc__ is None
    assert repr(cls) == f"<class 'builtins.{name}'>"
    assert cls.__bases__ == (object,)


@pytest.mark.parametrize("name", ALL_CLASSES)
def test_no_class_can_be_subclassed(name):
    with pytest.raises(TypeError):
        type("Sub", (getattr(quaymark, name),), {})


@pytest.mark.parametrize("name", NO_CONSTRUCTOR)
@pytest.mark.parametrize("args, kwargs", [((), {}), ((1, "x"), {}), ((), {"service_type": 1})])
def test_classes_without_constructor(name, args, kwargs):
    with pytest.raises(TypeError) as e:
        getattr(quaymark, name)(*args, **kwargs)
    assert str(e.value) == "No constructor defined"


def test_record_classes_have_no_members_of_their_own():
    base = set(dir(object))
    for name in ALL_CLASSES:
        if name in ("SIRI", "Envelope", "Body", "FirstOrLastJourneyEnum"):
            continue
        assert set(dir(getattr(quaymark, name))) <= base | {"__module__", "__doc__"}, name


def test_members_of_the_binding_classes():
    extra = lambda cls: sorted(set(vars(cls)) - {"__module__", "__doc__", "__new__"})
    assert extra(quaymark.SIRI) == ["parse"]
    assert extra(quaymark.Envelope) == ["__str__", "body"]
    assert list(vars(quaymark.Body)).index("notify_production_timetable") < list(vars(quaymark.Body)).index(
        "notify_facility_monitoring")
    assert "__repr__" not in vars(quaymark.Envelope) and "__eq__" not in vars(quaymark.Body)


def test_objects_have_no_dict_and_refuse_attributes(siri, stop_monitoring_envelope):
    body = stop_monitoring_envelope.body()
    service = body.notify_stop_monitoring()
    for obj in (siri, stop_monitoring_envelope, body, service, quaymark.FirstOrLastJourneyEnum.OtherService):
        assert not hasattr(obj, "__dict__")
        with pytest.raises(AttributeError):
            obj.anything = 1


def test_accessor_result_is_of_the_registered_class(stop_monitoring_envelope):
    service = stop_monitoring_envelope.body().notify_stop_monitoring()
    assert type(service) is quaymark.NotifyStopMonitoring
    assert repr(service).startswith("<builtins.NotifyStopMonitoring object at 0x")
    assert str(service) == repr(service)


def test_the_two_body_classes_are_distinct(stop_monitoring_envelope):
    with pytest.raises(TypeError):
        quaymark.Body(1)  # builds the class of the body record on its first check
    bodies = [o for o in gc.get_objects() if isinstance(o, type) and o.__name__ == "Body" and o.__module__ == "builtins"]
    assert quaymark.Body in bodies
    others = [o for o in bodies if o is not quaymark.Body]
    assert len(others) == 1
    record_class = others[0]
    assert repr(record_class) == "<class 'builtins.Body'>"
    assert not isinstance(stop_monitoring_envelope.body(), record_class)
    assert record_class.__doc__ is None and not hasattr(record_class, "notify_stop_monitoring")
    with pytest.raises(TypeError, match="^No constructor defined$"):
        record_class()
