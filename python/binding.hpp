// The thin layer between the records and the interpreter, on the stable ABI: owned references,
// class objects built once from a description, objects that hold a value by value with a borrow
// counter, argument binding, and the guard that every entry from the interpreter runs inside.
#pragma once

#ifndef Py_LIMITED_API
#define Py_LIMITED_API 0x030B0000
#endif
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstddef>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
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

// Sets PanicException(message) as the current exception after writing a report to standard
// error. The exception class is made on the first call and never bound in the module.
void raise_panic(const std::string& message);

// Test builds only: throws when the environment variable QUAYMARK_TEST_PANIC names `where`
// ("parse", "init", ...; a value ending in ":alloc" throws std::bad_alloc instead of a logic
// error). Release builds compile it to nothing.
#ifdef QUAYMARK_TEST_HOOKS
void test_hook(const char* where);
#else
inline void test_hook(const char*) {}
#endif

// Runs `body` (which returns a new reference or nullptr with an exception set); any C++
// exception that escapes becomes PanicException, whatever body had built is already released
// by the unwinding.
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

// The current exception becomes the cause of a new exception of `type` with `message`.
void raise_with_cause(PyObject* type, const std::string& message);

// The "__qualname__" of an object's type, as messages name it.
std::string type_qualname(PyObject* obj);

// "'T' object cannot be converted to 'TARGET'" as a TypeError, with "argument 'NAME': " before
// it when `argument` is given.
void conversion_error(PyObject* obj, const char* target, const char* argument = nullptr);

// A class of the module, described once: how its class object is built, once per process.
struct ClassSpec {
    const char* name;
    int basicsize;
    destructor dealloc;
    std::vector<PyType_Slot> slots = {};  // str(), repr, constructor, ...; without the end marker
    PyMethodDef* methods = nullptr;       // closed by an empty entry; nullptr for none
    // Sets the class attributes on the freshly built class object; -1 with an exception set.
    int (*install_attributes)(PyObject* cls) = nullptr;

    // The cell: empty until the class object is first built.
    PyObject* cell = nullptr;
    bool attributes_set = false;
    std::vector<unsigned long> installing = {};  // threads setting the class attributes now
    std::string full_name = {};                  // "builtins.NAME"; the class object points at it
};

// The class object of `spec`, built on first use; nullptr with the registration's RuntimeError
// ("An error occurred while initializing class NAME", caused by the interpreter's error) set.
PyObject* class_object(ClassSpec& spec);

// The same for every other use: a failure is printed and becomes a fatal internal error.
PyTypeObject* class_type(ClassSpec& spec);

// The constructor slot of a class without a constructor.
PyObject* no_constructor(PyTypeObject*, PyObject*, PyObject*);

// An object of a module class holding a value of type T, and the borrow counter of that value
// (the number of calls reading it; -1 would mean held for writing, which nothing does).
template <class T>
struct Holder {
    PyObject_HEAD
    Py_ssize_t borrows;
    T value;
};

// Releases the held value, then frees the object through its class's free slot. A failure is
// reported through the interpreter's hook for unraisable exceptions.
template <class T>
void holder_dealloc(PyObject* self) noexcept {
    PyTypeObject* type = Py_TYPE(self);
    try {
        test_hook("dealloc");
    } catch (...) {
        PyObject *t, *v, *tb;
        PyErr_Fetch(&t, &v, &tb);
        raise_panic("fatal internal error while freeing an object");
        PyErr_WriteUnraisable(nullptr);
        PyErr_Restore(t, v, tb);
    }
    reinterpret_cast<Holder<T>*>(self)->value.~T();
    auto free_slot = reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free));
    free_slot(self);
    Py_DECREF(type);
}

// The description of a class whose objects hold a T.
template <class T>
ClassSpec holder_spec(const char* name, std::vector<PyType_Slot> slots = {}, PyMethodDef* methods = nullptr) {
    return ClassSpec{name, static_cast<int>(sizeof(Holder<T>)), &holder_dealloc<T>, std::move(slots), methods};
}

// Allocates an object of `type` through its allocation slot and moves `value` in; nullptr with
// the allocator's error set when it fails (the value is then dropped).
template <class T>
PyObject* allocate_holder(PyTypeObject* type, T&& value) {
    auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
    PyObject* obj = alloc(type, 0);
    if (!obj) return nullptr;
    auto* h = reinterpret_cast<Holder<std::remove_cvref_t<T>>*>(obj);
    h->borrows = 0;
    new (&h->value) std::remove_cvref_t<T>(std::forward<T>(value));
    return obj;
}

// A new object of the class of `spec` holding `value`; failing to make it is a fatal error.
template <class T>
PyObject* make_holder(ClassSpec& spec, T&& value) {
    PyObject* obj = allocate_holder(class_type(spec), std::forward<T>(value));
    if (!obj) throw Panic(std::string("could not allocate an object of class ") + spec.name);
    return obj;
}

// Whether `obj` is an object of the class of `spec` (or of a subclass).
bool is_instance(ClassSpec& spec, PyObject* obj);

// A reading borrow of a held value for the length of one call.
class ReadBorrow {
public:
    explicit ReadBorrow(Py_ssize_t& counter) : counter_(counter) { ++counter_; }
    ReadBorrow(const ReadBorrow&) = delete;
    ReadBorrow& operator=(const ReadBorrow&) = delete;
    ~ReadBorrow() { --counter_; }

private:
    Py_ssize_t& counter_;
};

// Sets RuntimeError "Already mutably borrowed" and returns false when the counter says the value
// is held for writing.
bool check_readable(Py_ssize_t counter);

// The receiver of a member of the class of `spec`: the holder, or nullptr with the receiver
// error set.
template <class T>
Holder<T>* receiver(ClassSpec& spec, PyObject* self) {
    if (!is_instance(spec, self)) {
        conversion_error(self, spec.name);
        return nullptr;
    }
    auto* h = reinterpret_cast<Holder<T>*>(self);
    if (!check_readable(h->borrows)) return nullptr;
    return h;
}

// Binds positional and keyword arguments to `params` (all required) for the function named
// `function` (e.g. "SIRI.parse()"); false with the TypeError set on failure. `out` receives
// borrowed references, one per parameter.
bool bind_arguments(const char* function, std::span<const char* const> params, PyObject* args, PyObject* kwargs,
                    PyObject** out);

// A new Python text from UTF-8; failing to make it is a fatal error.
PyObject* new_text(const std::string& s);

}  // namespace quaymark::python
