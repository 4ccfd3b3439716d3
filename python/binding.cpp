#include "binding.hpp"

#include <cstdio>

namespace quaymark::python {

namespace {
PyObject* panic_type = nullptr;
}

void raise_panic(const std::string& message) {
    std::fprintf(stderr, "quaymark: fatal internal error: %s\n", message.c_str());
    if (!panic_type) {
        panic_type = PyErr_NewExceptionWithDoc("pyo3_runtime.PanicException",
                                               "The exception raised when the module meets an internal error it cannot go on from.",
                                               PyExc_BaseException, nullptr);
        if (!panic_type) return;  // the interpreter's error stands
    }
    Ref args(Py_BuildValue("(s)", message.c_str()));
    if (!args) return;
    PyErr_SetObject(panic_type, args.get());
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

PyObject* class_object(ClassSpec& spec) {
    if (spec.cell) return spec.cell;
    std::vector<PyType_Slot> slots = spec.slots;
    bool has_new = false;
    for (const auto& s : slots) has_new |= s.slot == Py_tp_new;
    if (!has_new) slots.push_back({Py_tp_new, reinterpret_cast<void*>(&no_constructor)});
    slots.push_back({0, nullptr});
    spec.full_name = std::string("builtins.") + spec.name;
    PyType_Spec ts{spec.full_name.c_str(), spec.basicsize, 0, Py_TPFLAGS_DEFAULT, slots.data()};
    PyObject* cls = PyType_FromSpec(&ts);
    if (!cls) return nullptr;
    if (!spec.cell) spec.cell = cls;
    else Py_DECREF(cls);
    return spec.cell;
}

PyObject* no_constructor(PyTypeObject*, PyObject*, PyObject*) {
    PyErr_SetString(PyExc_TypeError, "No constructor defined");
    return nullptr;
}

}  // namespace quaymark::python
