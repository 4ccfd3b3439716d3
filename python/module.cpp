// The module: its entry point, the classes SIRI, Envelope and Body, the service record classes
// and their registration.
#include <atomic>
#include <string>
#include <string_view>

#include "binding.hpp"
#include "siri.hpp"

namespace quaymark::python {
namespace {

struct Empty {};

// ---- service record classes: hold a record, expose nothing -------------------------------

template <class T>
ClassSpec service_spec(const char* name) {
    return ClassSpec{name, static_cast<int>(sizeof(Holder<T>)), {{Py_tp_dealloc, reinterpret_cast<void*>(&holder_dealloc<T>)}}};
}

ClassSpec production_timetable_class = service_spec<services::NotifyProductionTimetable>("NotifyProductionTimetable");
ClassSpec estimated_timetable_class = service_spec<services::NotifyEstimatedTimetable>("NotifyEstimatedTimetable");
ClassSpec stop_monitoring_class = service_spec<services::NotifyStopMonitoring>("NotifyStopMonitoring");
ClassSpec vehicle_monitoring_class = service_spec<services::NotifyVechicleMonitoring>("NotifyVechicleMonitoring");
ClassSpec connection_monitoring_class = service_spec<services::NotifyConnectionMonitoring>("NotifyConnectionMonitoring");
ClassSpec general_message_class = service_spec<services::NotifyGeneralMessage>("NotifyGeneralMessage");
ClassSpec facility_monitoring_class = service_spec<services::NotifyFacilityMonitoring>("NotifyFacilityMonitoring");
ClassSpec situation_exchange_class = service_spec<services::NotifySituationExchange>("NotifySituationExchange");

// ---- Body ---------------------------------------------------------------------------------

extern ClassSpec body_class;

PyObject* body_str(PyObject* self) {
    return guard([&]() -> PyObject* {
        auto* body = held<models::Body>(body_class, self);
        if (!body) return nullptr;
        std::string s = text_form(*body);
        return PyUnicode_FromStringAndSize(s.data(), static_cast<Py_ssize_t>(s.size()));
    });
}

// An accessor: a new object holding a copy of the service record when the body carries it.
template <class Service>
PyObject* accessor(PyObject* self, ClassSpec& cls) {
    return guard([&]() -> PyObject* {
        auto* body = held<models::Body>(body_class, self);
        if (!body) return nullptr;
        if (const auto* service = std::get_if<Service>(&body->service_type))
            return make_holder(cls, Service(*service));
        Py_RETURN_NONE;
    });
}

PyObject* notify_production_timetable(PyObject* self, PyObject*) {
    return accessor<services::NotifyProductionTimetable>(self, production_timetable_class);
}
PyObject* notify_estimated_timetable(PyObject* self, PyObject*) {
    return accessor<services::NotifyEstimatedTimetable>(self, estimated_timetable_class);
}
PyObject* notify_stop_monitoring(PyObject* self, PyObject*) {
    return accessor<services::NotifyStopMonitoring>(self, stop_monitoring_class);
}
PyObject* notify_vehicle_monitoring(PyObject* self, PyObject*) {
    return accessor<services::NotifyVechicleMonitoring>(self, vehicle_monitoring_class);
}
PyObject* notify_connection_monitoring(PyObject* self, PyObject*) {
    return accessor<services::NotifyConnectionMonitoring>(self, connection_monitoring_class);
}
PyObject* notify_general_message(PyObject* self, PyObject*) {
    return accessor<services::NotifyGeneralMessage>(self, general_message_class);
}
PyObject* notify_facility_monitoring(PyObject* self, PyObject*) {
    return accessor<services::NotifyFacilityMonitoring>(self, facility_monitoring_class);
}

PyMethodDef body_methods[] = {
    {"notify_production_timetable", notify_production_timetable, METH_NOARGS, nullptr},
    {"notify_estimated_timetable", notify_estimated_timetable, METH_NOARGS, nullptr},
    {"notify_stop_monitoring", notify_stop_monitoring, METH_NOARGS, nullptr},
    {"notify_vehicle_monitoring", notify_vehicle_monitoring, METH_NOARGS, nullptr},
    {"notify_connection_monitoring", notify_connection_monitoring, METH_NOARGS, nullptr},
    {"notify_general_message", notify_general_message, METH_NOARGS, nullptr},
    {"notify_facility_monitoring", notify_facility_monitoring, METH_NOARGS, nullptr},
    {nullptr, nullptr, 0, nullptr},
};

ClassSpec body_class{"Body",
                     static_cast<int>(sizeof(Holder<models::Body>)),
                     {{Py_tp_dealloc, reinterpret_cast<void*>(&holder_dealloc<models::Body>)},
                      {Py_tp_str, reinterpret_cast<void*>(&body_str)},
                      {Py_tp_methods, body_methods}}};

// ---- Envelope -----------------------------------------------------------------------------

extern ClassSpec envelope_class;

PyObject* envelope_str(PyObject* self) {
    return guard([&]() -> PyObject* {
        auto* env = held<models::Envelope>(envelope_class, self);
        if (!env) return nullptr;
        std::string s = text_form(*env);
        return PyUnicode_FromStringAndSize(s.data(), static_cast<Py_ssize_t>(s.size()));
    });
}

PyObject* envelope_body(PyObject* self, PyObject*) {
    return guard([&]() -> PyObject* {
        auto* env = held<models::Envelope>(envelope_class, self);
        if (!env) return nullptr;
        return make_holder(body_class, models::Body(env->body));
    });
}

PyMethodDef envelope_methods[] = {
    {"body", envelope_body, METH_NOARGS, nullptr},
    {nullptr, nullptr, 0, nullptr},
};

ClassSpec envelope_class{"Envelope",
                         static_cast<int>(sizeof(Holder<models::Envelope>)),
                         {{Py_tp_dealloc, reinterpret_cast<void*>(&holder_dealloc<models::Envelope>)},
                          {Py_tp_str, reinterpret_cast<void*>(&envelope_str)},
                          {Py_tp_methods, envelope_methods}}};

// ---- SIRI ---------------------------------------------------------------------------------

extern ClassSpec siri_class;

void type_error(const std::string& message) { PyErr_SetString(PyExc_TypeError, message.c_str()); }

PyObject* siri_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
    return guard([&]() -> PyObject* {
        Py_ssize_t n = PyTuple_Size(args);
        if (n > 0) {
            type_error("SIRI.__new__() takes 0 positional arguments but " + std::to_string(n) +
                       (n == 1 ? " was given" : " were given"));
            return nullptr;
        }
        if (kwargs && PyDict_Size(kwargs) > 0) {
            PyObject *key, *value;
            Py_ssize_t pos = 0;
            PyDict_Next(kwargs, &pos, &key, &value);
            Ref utf8(PyUnicode_AsUTF8String(key));
            std::string k = utf8 ? PyBytes_AsString(utf8.get()) : "";
            type_error("SIRI.__new__() got an unexpected keyword argument '" + k + "'");
            return nullptr;
        }
        auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
        PyObject* obj = alloc(type, 0);
        if (obj) reinterpret_cast<Holder<Empty>*>(obj)->borrows = 0;
        return obj;
    });
}

PyObject* siri_parse(PyObject* self, PyObject* args, PyObject* kwargs) {
    return guard([&]() -> PyObject* {
        if (!held<Empty>(siri_class, self)) return nullptr;
        Py_ssize_t n = PyTuple_Size(args);
        if (n > 1) {
            type_error("SIRI.parse() takes 1 positional arguments but " + std::to_string(n) + " were given");
            return nullptr;
        }
        PyObject* s = n == 1 ? PyTuple_GetItem(args, 0) : nullptr;
        if (kwargs) {
            PyObject *key, *value;
            Py_ssize_t pos = 0;
            while (PyDict_Next(kwargs, &pos, &key, &value)) {
                Ref utf8(PyUnicode_AsUTF8String(key));
                if (!utf8) return nullptr;
                std::string k = PyBytes_AsString(utf8.get());
                if (k != "s") {
                    type_error("SIRI.parse() got an unexpected keyword argument '" + k + "'");
                    return nullptr;
                }
                if (s) {
                    type_error("SIRI.parse() got multiple values for argument 's'");
                    return nullptr;
                }
                s = value;
            }
        }
        if (!s) {
            type_error("SIRI.parse() missing 1 required positional argument: 's'");
            return nullptr;
        }
        if (!PyUnicode_Check(s)) {
            type_error("argument 's': '" + type_qualname(s) + "' object cannot be converted to 'PyString'");
            return nullptr;
        }
        Ref utf8(PyUnicode_AsUTF8String(s));
        if (!utf8) return nullptr;
        std::string_view text(PyBytes_AsString(utf8.get()), static_cast<std::size_t>(PyBytes_Size(utf8.get())));
        models::Envelope envelope;
        try {
            envelope = SIRI::from_str(text);
        } catch (const ParseError& e) {
            PyErr_SetString(PyExc_ValueError, e.message().c_str());
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

ClassSpec siri_class{"SIRI",
                     static_cast<int>(sizeof(Holder<Empty>)),
                     {{Py_tp_dealloc, reinterpret_cast<void*>(&holder_dealloc<Empty>)},
                      {Py_tp_new, reinterpret_cast<void*>(&siri_new)},
                      {Py_tp_methods, siri_methods}}};

// ---- the module ---------------------------------------------------------------------------

ClassSpec* const registration[] = {
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

int add_class(PyObject* module, ClassSpec& spec) {
    PyObject* cls = class_object(spec);
    if (!cls) {
        PyObject *type, *value, *tb;
        PyErr_Fetch(&type, &value, &tb);
        PyErr_NormalizeException(&type, &value, &tb);
        PyErr_SetString(PyExc_RuntimeError, (std::string("An error occurred while initializing class ") + spec.name).c_str());
        PyObject *t2, *v2, *tb2;
        PyErr_Fetch(&t2, &v2, &tb2);
        PyErr_NormalizeException(&t2, &v2, &tb2);
        if (value) PyException_SetCause(v2, value);
        Py_XDECREF(type);
        Py_XDECREF(tb);
        PyErr_Restore(t2, v2, tb2);
        return -1;
    }
    Ref all(PyObject_GetAttrString(module, "__all__"));
    if (!all) {
        if (!PyErr_ExceptionMatches(PyExc_AttributeError)) return -1;
        PyErr_Clear();
        all = Ref(PyList_New(0));
        if (!all || PyObject_SetAttrString(module, "__all__", all.get()) < 0) return -1;
    } else if (!PyList_Check(all.get())) {
        type_error("'" + type_qualname(all.get()) + "' object cannot be converted to 'PyList'");
        return -1;
    }
    Ref name(PyUnicode_FromString(spec.name));
    if (!name || PyList_Append(all.get(), name.get()) < 0) throw Panic("could not append __name__ to __all__");
    return PyObject_SetAttr(module, name.get(), cls);
}

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
            PyErr_SetString(PyExc_ImportError,
                            "the quaymark module can only be initialised once per interpreter process");
            return nullptr;
        }
        for (ClassSpec* spec : registration)
            if (add_class(module.get(), *spec) < 0) return nullptr;
        return module.release();
    });
}
