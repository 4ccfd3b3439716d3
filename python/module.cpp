// The module: its entry point, the classes SIRI, Envelope and the two Body classes, the service
// record classes, and the registration of every class.
#include <atomic>
#include <string>
#include <string_view>
#include <utility>

#include "binding.hpp"
#include "classes.hpp"
#include "siri.hpp"

namespace quaymark::python {
namespace {

struct Empty {};

// ---- service record classes: hold a record, expose nothing -------------------------------

ClassSpec production_timetable_class = holder_spec<services::NotifyProductionTimetable>("NotifyProductionTimetable");
ClassSpec estimated_timetable_class = holder_spec<services::NotifyEstimatedTimetable>("NotifyEstimatedTimetable");
ClassSpec stop_monitoring_class = holder_spec<services::NotifyStopMonitoring>("NotifyStopMonitoring");
ClassSpec vehicle_monitoring_class = holder_spec<services::NotifyVechicleMonitoring>("NotifyVechicleMonitoring");
ClassSpec connection_monitoring_class = holder_spec<services::NotifyConnectionMonitoring>("NotifyConnectionMonitoring");
ClassSpec general_message_class = holder_spec<services::NotifyGeneralMessage>("NotifyGeneralMessage");
ClassSpec facility_monitoring_class = holder_spec<services::NotifyFacilityMonitoring>("NotifyFacilityMonitoring");
ClassSpec situation_exchange_class = holder_spec<services::NotifySituationExchange>("NotifySituationExchange");

// The class of the Body record itself: never registered, never instantiated; the Body
// constructor accepts only its objects.
ClassSpec body_record_class = holder_spec<models::Body>("Body");

// ---- Body ---------------------------------------------------------------------------------

extern ClassSpec body_class;

PyObject* body_str(PyObject* self) {
    return guard([&]() -> PyObject* {
        test_hook("str");
        auto* h = receiver<models::Body>(body_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        return new_text(text_form(h->value));
    });
}

// An accessor: a new object holding a copy of the service record when the body carries it,
// None otherwise.
template <class Service>
PyObject* accessor(PyObject* self, ClassSpec& cls) {
    return guard([&]() -> PyObject* {
        test_hook("accessor");
        auto* h = receiver<models::Body>(body_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        if (const auto* service = std::get_if<Service>(&h->value.service_type))
            return make_holder(cls, Service(*service));
        Py_RETURN_NONE;
    });
}

#define QUAYMARK_ACCESSOR(method, Service, cls)                                     \
    PyObject* method(PyObject* self, PyObject*) { return accessor<services::Service>(self, cls); }
QUAYMARK_ACCESSOR(notify_production_timetable, NotifyProductionTimetable, production_timetable_class)
QUAYMARK_ACCESSOR(notify_estimated_timetable, NotifyEstimatedTimetable, estimated_timetable_class)
QUAYMARK_ACCESSOR(notify_stop_monitoring, NotifyStopMonitoring, stop_monitoring_class)
QUAYMARK_ACCESSOR(notify_vehicle_monitoring, NotifyVechicleMonitoring, vehicle_monitoring_class)
QUAYMARK_ACCESSOR(notify_connection_monitoring, NotifyConnectionMonitoring, connection_monitoring_class)
QUAYMARK_ACCESSOR(notify_general_message, NotifyGeneralMessage, general_message_class)
QUAYMARK_ACCESSOR(notify_facility_monitoring, NotifyFacilityMonitoring, facility_monitoring_class)
#undef QUAYMARK_ACCESSOR

// The docstring of an accessor: its text signature, then what it returns.
#define QUAYMARK_ACCESSOR_DOC(method, Class) \
    #method "($self)\n--\n\nMethod to get " #Class " from Body in Python\n\n# Returns\n* `PyResult<Option<" #Class ">>`"

PyMethodDef body_methods[] = {
    {"notify_production_timetable", notify_production_timetable, METH_NOARGS,
     QUAYMARK_ACCESSOR_DOC(notify_production_timetable, NotifyProductionTimetable) "\n"},
    {"notify_estimated_timetable", notify_estimated_timetable, METH_NOARGS,
     QUAYMARK_ACCESSOR_DOC(notify_estimated_timetable, NotifyEstimatedTimetable)},
    {"notify_stop_monitoring", notify_stop_monitoring, METH_NOARGS,
     QUAYMARK_ACCESSOR_DOC(notify_stop_monitoring, NotifyStopMonitoring)},
    {"notify_vehicle_monitoring", notify_vehicle_monitoring, METH_NOARGS,
     QUAYMARK_ACCESSOR_DOC(notify_vehicle_monitoring, NotifyVechicleMonitoring)},
    {"notify_connection_monitoring", notify_connection_monitoring, METH_NOARGS,
     QUAYMARK_ACCESSOR_DOC(notify_connection_monitoring, NotifyConnectionMonitoring)},
    {"notify_general_message", notify_general_message, METH_NOARGS,
     QUAYMARK_ACCESSOR_DOC(notify_general_message, NotifyGeneralMessage)},
    {"notify_facility_monitoring", notify_facility_monitoring, METH_NOARGS,
     QUAYMARK_ACCESSOR_DOC(notify_facility_monitoring, NotifyFacilityMonitoring)},
    {nullptr, nullptr, 0, nullptr},
};
#undef QUAYMARK_ACCESSOR_DOC

// Body(service_type): a new Body holding a copy of the record of a models::Body object.
PyObject* body_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
    return guard([&]() -> PyObject* {
        static constexpr const char* params[] = {"service_type"};
        PyObject* service_type;
        if (!bind_arguments("Body.__new__()", params, args, kwargs, &service_type)) return nullptr;
        if (!is_instance(body_record_class, service_type)) {
            conversion_error(service_type, "Body", "service_type");
            return nullptr;
        }
        auto* source = reinterpret_cast<Holder<models::Body>*>(service_type);
        if (!check_readable(source->borrows)) return nullptr;
        return allocate_holder(type, models::Body(source->value));
    });
}

ClassSpec body_class = holder_spec<models::Body>("Body",
                                                 {{Py_tp_new, reinterpret_cast<void*>(&body_new)},
                                                  {Py_tp_str, reinterpret_cast<void*>(&body_str)}},
                                                 body_methods);

// ---- Envelope -----------------------------------------------------------------------------

extern ClassSpec envelope_class;

PyObject* envelope_str(PyObject* self) {
    return guard([&]() -> PyObject* {
        test_hook("str");
        auto* h = receiver<models::Envelope>(envelope_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        return new_text(text_form(h->value));
    });
}

PyObject* envelope_body(PyObject* self, PyObject*) {
    return guard([&]() -> PyObject* {
        test_hook("body");
        auto* h = receiver<models::Envelope>(envelope_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        return make_holder(body_class, models::Body(h->value.body));
    });
}

PyMethodDef envelope_methods[] = {
    {"body", envelope_body, METH_NOARGS, "body($self)\n--\n\n"},
    {nullptr, nullptr, 0, nullptr},
};

ClassSpec envelope_class =
    holder_spec<models::Envelope>("Envelope", {{Py_tp_str, reinterpret_cast<void*>(&envelope_str)}}, envelope_methods);

// ---- SIRI ---------------------------------------------------------------------------------

extern ClassSpec siri_class;

PyObject* siri_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
    return guard([&]() -> PyObject* {
        if (!bind_arguments("SIRI.__new__()", {}, args, kwargs, nullptr)) return nullptr;
        return allocate_holder(type, Empty{});
    });
}

PyObject* siri_parse(PyObject* self, PyObject* args, PyObject* kwargs) {
    return guard([&]() -> PyObject* {
        test_hook("parse");
        auto* h = receiver<Empty>(siri_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        static constexpr const char* params[] = {"s"};
        PyObject* s;
        if (!bind_arguments("SIRI.parse()", params, args, kwargs, &s)) return nullptr;
        if (!PyUnicode_Check(s)) {
            conversion_error(s, "PyString", "s");
            return nullptr;
        }
        // The document as UTF-8. ASCII text is read where the interpreter keeps it, without a
        // copy; other text is encoded into a copy that lives for this call only, so that no
        // UTF-8 cache stays attached to the caller's string.
        // str.isascii itself, not a subclass's override of it; looked up once and kept for the
        // life of the process (the module is initialised once per process).
        static PyObject* str_isascii = nullptr;
        if (!str_isascii && !(str_isascii = PyObject_GetAttrString(reinterpret_cast<PyObject*>(&PyUnicode_Type), "isascii")))
            return nullptr;
        Ref ascii(PyObject_CallFunctionObjArgs(str_isascii, s, nullptr));
        if (!ascii) return nullptr;
        Ref utf8;
        std::string_view text;
        if (ascii.get() == Py_True) {
            Py_ssize_t size = 0;
            const char* data = PyUnicode_AsUTF8AndSize(s, &size);
            if (!data) return nullptr;
            text = std::string_view(data, static_cast<std::size_t>(size));
        } else {
            utf8 = Ref(PyUnicode_AsUTF8String(s));
            if (!utf8) return nullptr;
            text = std::string_view(PyBytes_AsString(utf8.get()), static_cast<std::size_t>(PyBytes_Size(utf8.get())));
        }
        models::Envelope envelope;
        try {
            envelope = SIRI::from_str(text);
        } catch (const ParseError& e) {
            Ref message(PyUnicode_FromStringAndSize(e.message().data(), static_cast<Py_ssize_t>(e.message().size())));
            if (!message) throw Panic("could not make a Python text of a parse error");
            PyErr_SetObject(PyExc_ValueError, message.get());
            return nullptr;
        }
        return make_holder(envelope_class, std::move(envelope));
    });
}

PyMethodDef siri_methods[] = {
    {"parse", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&siri_parse)), METH_VARARGS | METH_KEYWORDS,
     "parse($self, s)\n--\n\n"},
    {nullptr, nullptr, 0, nullptr},
};

ClassSpec siri_class = holder_spec<Empty>("SIRI", {{Py_tp_new, reinterpret_cast<void*>(&siri_new)}}, siri_methods);

// ---- the module ---------------------------------------------------------------------------

// Registers one class: its class object, its name appended to __all__, the name bound.
int add_class(PyObject* module, ClassSpec& spec) {
    PyObject* cls = class_object(spec);
    if (!cls) return -1;
    Ref all(PyObject_GetAttrString(module, "__all__"));
    if (!all) {
        if (!PyErr_ExceptionMatches(PyExc_AttributeError)) return -1;
        PyErr_Clear();
        all = Ref(PyList_New(0));
        if (!all || PyObject_SetAttrString(module, "__all__", all.get()) < 0) return -1;
    } else if (!PyList_Check(all.get())) {
        conversion_error(all.get(), "PyList");
        return -1;
    }
    Ref name(PyUnicode_FromString(spec.name));
    if (!name || PyList_Append(all.get(), name.get()) < 0) throw Panic("could not append __name__ to __all__");
    return PyObject_SetAttr(module, name.get(), cls);
}

ClassSpec* const own_registrations[] = {
    &siri_class,
    &envelope_class,
    &body_class,
    &production_timetable_class,
    &stop_monitoring_class,
    &situation_exchange_class,
    &general_message_class,
    &facility_monitoring_class,
    &vehicle_monitoring_class,
    &connection_monitoring_class,
    &estimated_timetable_class,
};

PyModuleDef module_def = {PyModuleDef_HEAD_INIT, "quaymark", "", 0, nullptr, nullptr, nullptr, nullptr, nullptr};

std::atomic<bool> initialised{false};

}  // namespace
}  // namespace quaymark::python

extern "C" PyMODINIT_FUNC PyInit_quaymark() {
    using namespace quaymark::python;
    return guard([]() -> PyObject* {
        Ref module(PyModule_Create2(&module_def, 3));
        if (!module) {
            if (!PyErr_Occurred())
                PyErr_SetString(PyExc_SystemError, "attempted to fetch exception but none was set");
            return nullptr;
        }
        if (initialised.exchange(true)) {
            PyErr_SetString(PyExc_ImportError, "quaymark may only be initialized once per interpreter process");
            return nullptr;
        }
        test_hook("init");
        for (ClassSpec* spec : own_registrations)
            if (add_class(module.get(), *spec) < 0) return nullptr;
        for (ClassSpec* spec : record_registrations())
            if (add_class(module.get(), *spec) < 0) return nullptr;
        return module.release();
    });
}
