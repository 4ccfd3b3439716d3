#include "binding.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quaymark::python {

namespace {
PyObject* panic_type = nullptr;

PyObject* panic_class() {
    if (!panic_type)
        panic_type = PyErr_NewExceptionWithDoc(
            "quaymark.PanicException",
            "Raised when the module meets an internal error it cannot go on from (a failed allocation, "
            "a broken invariant). It derives from BaseException, so `except Exception` does not catch it.",
            PyExc_BaseException, nullptr);
    return panic_type;
}
}  // namespace

void raise_panic(const std::string& message) {
    std::fprintf(stderr, "quaymark: fatal internal error: %s\n", message.c_str());
    std::fflush(stderr);
    PyErr_Clear();
    PyObject* cls = panic_class();
    if (!cls) return;  // the interpreter's error stands
    Ref text(PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "replace"));
    if (!text) return;
    PyErr_SetObject(cls, text.get());
}

#ifdef QUAYMARK_TEST_HOOKS
void test_hook(const char* where) {
    const char* wanted = std::getenv("QUAYMARK_TEST_PANIC");
    if (!wanted) return;
    std::size_t n = std::strlen(where);
    if (std::strncmp(wanted, where, n) != 0) return;
    if (wanted[n] == '\0') throw std::logic_error(std::string("test hook: broken invariant in ") + where);
    if (std::strcmp(wanted + n, ":alloc") == 0) throw std::bad_alloc();
}
#endif

void raise_with_cause(PyObject* type, const std::string& message) {
    PyObject *t, *cause, *tb;
    PyErr_Fetch(&t, &cause, &tb);
    PyErr_NormalizeException(&t, &cause, &tb);
    if (cause && tb) PyException_SetTraceback(cause, tb);
    Py_XDECREF(t);
    Py_XDECREF(tb);
    PyErr_SetString(type, message.c_str());
    if (!cause) return;
    PyObject *t2, *v2, *tb2;
    PyErr_Fetch(&t2, &v2, &tb2);
    PyErr_NormalizeException(&t2, &v2, &tb2);
    PyException_SetCause(v2, cause);  // steals the cause
    PyErr_Restore(t2, v2, tb2);
}

std::string type_qualname(PyObject* obj) {
    Ref name(PyObject_GetAttrString(reinterpret_cast<PyObject*>(Py_TYPE(obj)), "__qualname__"));
    if (name && PyUnicode_Check(name.get())) {
        Ref utf8(PyUnicode_AsUTF8String(name.get()));
        if (utf8) return std::string(PyBytes_AsString(utf8.get()), static_cast<std::size_t>(PyBytes_Size(utf8.get())));
    }
    PyErr_Clear();
    return "<failed to extract type name>";
}

void conversion_error(PyObject* obj, const char* target, const char* argument) {
    std::string message = "'" + type_qualname(obj) + "' object cannot be converted to '" + target + "'";
    if (argument) message = std::string("argument '") + argument + "': " + message;
    PyErr_SetString(PyExc_TypeError, message.c_str());
}

PyObject* class_object(ClassSpec& spec) {
    if (!spec.cell) {
        std::vector<PyType_Slot> slots;
        slots.push_back({Py_tp_base, &PyBaseObject_Type});
        slots.push_back({Py_tp_dealloc, reinterpret_cast<void*>(spec.dealloc)});
        bool has_new = false;
        for (const auto& s : spec.slots) {
            slots.push_back(s);
            has_new |= s.slot == Py_tp_new;
        }
        if (spec.methods && spec.methods[0].ml_name) slots.push_back({Py_tp_methods, spec.methods});
        if (!has_new) slots.push_back({Py_tp_new, reinterpret_cast<void*>(&no_constructor)});
        slots.push_back({0, nullptr});
        spec.full_name = std::string("builtins.") + spec.name;
        PyType_Spec ts{spec.full_name.c_str(), spec.basicsize, 0, Py_TPFLAGS_DEFAULT, slots.data()};
        PyObject* cls = PyType_FromSpec(&ts);
        if (!cls) {
            if (!PyErr_Occurred())
                PyErr_SetString(PyExc_SystemError, "attempted to fetch exception but none was set");
            raise_with_cause(PyExc_RuntimeError, std::string("An error occurred while initializing class ") + spec.name);
            return nullptr;
        }
        if (spec.cell) Py_DECREF(cls);  // another builder finished first
        else spec.cell = cls;
    }
    if (spec.attributes_set || !spec.install_attributes) return spec.cell;
    unsigned long me = PyThread_get_thread_ident();
    if (std::find(spec.installing.begin(), spec.installing.end(), me) != spec.installing.end())
        return spec.cell;  // asked again while this thread sets the attributes
    spec.installing.push_back(me);
    int rc;
    try {
        rc = spec.install_attributes(spec.cell);
    } catch (...) {
        spec.installing.erase(std::find(spec.installing.begin(), spec.installing.end(), me));
        throw;
    }
    spec.installing.erase(std::find(spec.installing.begin(), spec.installing.end(), me));
    if (rc < 0) {
        raise_with_cause(PyExc_RuntimeError, std::string("An error occurred while initializing class ") + spec.name);
        return nullptr;
    }
    spec.attributes_set = true;
    return spec.cell;
}

PyTypeObject* class_type(ClassSpec& spec) {
    PyObject* cls = class_object(spec);
    if (!cls) {
        PyErr_Print();
        throw Panic(std::string("failed to create type object for ") + spec.name);
    }
    return reinterpret_cast<PyTypeObject*>(cls);
}

PyObject* no_constructor(PyTypeObject*, PyObject*, PyObject*) {
    PyErr_SetString(PyExc_TypeError, "No constructor defined");
    return nullptr;
}

bool is_instance(ClassSpec& spec, PyObject* obj) {
    PyTypeObject* type = class_type(spec);
    return Py_TYPE(obj) == type || PyType_IsSubtype(Py_TYPE(obj), type);
}

bool check_readable(Py_ssize_t counter) {
    if (counter >= 0) return true;
    PyErr_SetString(PyExc_RuntimeError, "Already mutably borrowed");
    return false;
}

namespace {
void type_error(const std::string& message) { PyErr_SetString(PyExc_TypeError, message.c_str()); }
}  // namespace

bool bind_arguments(const char* function, std::span<const char* const> params, PyObject* args, PyObject* kwargs,
                    PyObject** out) {
    const std::size_t count = params.size();
    std::fill(out, out + count, nullptr);
    Py_ssize_t given = PyTuple_Size(args);
    if (given < 0) return false;
    if (static_cast<std::size_t>(given) > count) {
        type_error(std::string(function) + " takes " + std::to_string(count) + " positional arguments but " +
                   std::to_string(given) + (given == 1 ? " was given" : " were given"));
        return false;
    }
    for (Py_ssize_t i = 0; i < given; ++i) out[i] = PyTuple_GetItem(args, i);
    if (kwargs) {
        PyObject *key, *value;
        Py_ssize_t pos = 0;
        while (PyDict_Next(kwargs, &pos, &key, &value)) {
            Py_ssize_t size = 0;
            const char* k = PyUnicode_Check(key) ? PyUnicode_AsUTF8AndSize(key, &size) : nullptr;
            if (!k) {
                if (!PyErr_Occurred()) type_error(std::string(function) + " keywords must be strings");
                return false;
            }
            std::string_view name(k, static_cast<std::size_t>(size));
            std::size_t i = 0;
            while (i < count && name != params[i]) ++i;
            if (i == count) {
                type_error(std::string(function) + " got an unexpected keyword argument '" + std::string(name) + "'");
                return false;
            }
            if (out[i]) {
                type_error(std::string(function) + " got multiple values for argument '" + std::string(name) + "'");
                return false;
            }
            out[i] = value;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!out[i]) {
            type_error(std::string(function) + " missing 1 required positional argument: '" + params[i] + "'");
            return false;
        }
    }
    return true;
}

PyObject* new_text(const std::string& s) {
    PyObject* text = PyUnicode_FromStringAndSize(s.data(), static_cast<Py_ssize_t>(s.size()));
    if (!text) throw Panic("could not make a Python text of the text form");
    return text;
}

}  // namespace quaymark::python
