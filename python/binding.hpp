// The thin layer between the records and the interpreter, on the stable ABI: owned references,
// class objects built once from a description, objects that hold a record by value, and the
// guard that every entry from the interpreter runs inside.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quaymark::python {

// An owned reference: released when it goes out of scope.
class Ref {
public:
    Ref() = default;
    explicit Ref(PyObject* owned) : p_(owned) {}
    static Ref borrowed(PyObject* p) {
        Py_XINCREF(p);
        return Ref(p);
    }
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    Ref& operator=(Ref&& o) noexcept {
        if (this != &o) {
            Py_XDECREF(p_);
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    ~Ref() { Py_XDECREF(p_); }

    PyObject* get() const { return p_; }
    PyObject* release() { return std::exchange(p_, nullptr); }
    explicit operator bool() const { return p_ != nullptr; }

private:
    PyObject* p_ = nullptr;
};

// A fatal internal error: an operation that cannot go on. The guard turns it (and any other
// C++ exception) into PanicException.
struct Panic : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Raises PanicException(message) after writing a report to standard error.
void raise_panic(const std::string& message);

// Runs `body` (which returns a new reference or nullptr with an exception set); any C++
// exception that escapes becomes PanicException.
template <class F>
PyObject* guard(F&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        raise_panic("memory allocation failed");
    } catch (const std::exception& e) {
        raise_panic(e.what());
    } catch (...) {
        raise_panic("unknown internal error");
    }
    return nullptr;
}

// The "__qualname__" of an object's type, as messages name it.
std::string type_qualname(PyObject* obj);

// A class of the module: how its class object is built, once per process.
struct ClassSpec {
    const char* name;
    int basicsize;
    std::vector<PyType_Slot> slots;  // without the end marker
    PyObject* cell = nullptr;        // the class object once built
    std::string full_name = {};      // "builtins.NAME"; the interpreter keeps pointing at it
};

// The class object of `spec`, built on first use; nullptr with an exception set on failure.
PyObject* class_object(ClassSpec& spec);

// An object of a module class holding a value of type T.
template <class T>
struct Holder {
    PyObject_HEAD
    Py_ssize_t borrows;
    T value;
};

template <class T>
void holder_dealloc(PyObject* self) {
    PyTypeObject* type = Py_TYPE(self);
    reinterpret_cast<Holder<T>*>(self)->value.~T();
    auto free_slot = reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free));
    free_slot(self);
    Py_DECREF(type);
}

// A new object of the class of `spec` holding `value` (moved in); nullptr with an exception set.
template <class T>
PyObject* make_holder(ClassSpec& spec, T&& value) {
    PyObject* cls = class_object(spec);
    if (!cls) throw Panic(std::string("failed to create type object for ") + spec.name);
    auto* type = reinterpret_cast<PyTypeObject*>(cls);
    auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
    PyObject* obj = alloc(type, 0);
    if (!obj) return nullptr;
    auto* h = reinterpret_cast<Holder<std::remove_cvref_t<T>>*>(obj);
    h->borrows = 0;
    new (&h->value) std::remove_cvref_t<T>(std::forward<T>(value));
    return obj;
}

// The value held by `self` when it is an instance of the class of `spec`; nullptr with
// TypeError "'T' object cannot be converted to 'NAME'" otherwise.
template <class T>
T* held(ClassSpec& spec, PyObject* self) {
    PyObject* cls = class_object(spec);
    if (!cls) throw Panic(std::string("failed to create type object for ") + spec.name);
    if (Py_TYPE(self) != reinterpret_cast<PyTypeObject*>(cls) &&
        !PyType_IsSubtype(Py_TYPE(self), reinterpret_cast<PyTypeObject*>(cls))) {
        PyErr_SetString(PyExc_TypeError,
                        ("'" + type_qualname(self) + "' object cannot be converted to '" + spec.name + "'").c_str());
        return nullptr;
    }
    return &reinterpret_cast<Holder<T>*>(self)->value;
}

// The constructor slot of a class without a constructor.
PyObject* no_constructor(PyTypeObject*, PyObject*, PyObject*);

}  // namespace quaymark::python
