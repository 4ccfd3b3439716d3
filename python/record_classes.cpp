// The classes of the records below the service records, and FirstOrLastJourneyEnum. A record
// class has no constructor, no members and no instances: Python code can only name it, find it in
// the module and test with it. All of them come from the one list below.
#include <cstdint>
#include <deque>
#include <string_view>

#include "classes.hpp"

namespace quaymark::python {
namespace {

struct Empty {};

// Registration order of positions 12 to 111 (AffectedStopPoint twice).
constexpr const char* kRecordRegistrations[] = {
    "AffectedStopPoint", "Zone", "AffectedLine", "AffectedOperator", "AffectedVehicleJourney", "AffectedPlace",
    "AffectedMode", "DatedTimetableVersionFrame", "DatedVehicleJourney", "DatedCall", "TargetedInterchange",
    "DistributorConnectionLink", "ServiceInfoGroup", "JourneyEndNames", "JourneyPatternInfo", "ServiceInfo",
    "VehicleJourneyInfo", "EstimatedInfo", "JourneyProgressInfo", "OperationalInfo", "DatedVehicleJourneyIndirectRef",
    "EstimatedVehicleJourney", "FirstOrLastJourneyEnum", "Calls", "RecordedCall", "EstimatedCall", "DisruptionGroup",
    "TrainNumber", "JourneyPart", "StopAssignment", "ExpectedDepartureCapacity", "ExpectedDepartureOccupancy",
    "DepartureInfo", "ArrivalInfo", "Arrival", "Departure", "ExpectedCapacity", "ExpectedOccupancy",
    "GroupReservation", "MonitoredStopVisit", "MonitoredStopVisitCancellation", "MonitoredVehicleJourney",
    "JourneyPartInfo", "MonitoredCall", "StopIdentity", "OnwardCall", "VehicleJourneyInfoGroup",
    "JourneyEndNamesGroup", "JourneyPatternInfoGroup", "Via", "JourneyProgressInfoGroup", "LocationStructure",
    "NotifyMonitoring", "VehicleActivityCancellation", "VehicleActivity", "ProgressBetweenStops",
    "FramedVehicleJourneyRef", "FacilityCondition", "Facility", "FacilityLocation", "FacilityStatus",
    "AccessibilityAssessment", "ValidityPeriod", "Line", "ValidityCondition", "InfoMessage",
    "InfoMessageCancellation", "ActionData", "AffectedStopPoint", "Direction", "MonitoredFeederArrival",
    "MonitoredFeederArrivalCancellation", "WaitProlongedDeparture", "StoppingPositionChangeDeparture",
    "DistributorDepartureCancellation", "DistributorInfo", "ConnectingJourney", "FeederJourney", "JourneyInfo",
    "PtSituationElement", "SituationBasedIdentityGroup", "SituationSource", "PtSituationBodyGroup", "ReasonGroup",
    "PtAdvice", "PtConsequence", "Blocking", "Boarding", "PublishingActions", "NotifyBySmsAction",
    "NotifyByEmailAction", "PublishToWebAction", "PublishToMobileAction", "PublishToDisplayAction",
    "ParameterisedAction", "Affect", "PublishAtScope", "BeforeNotice", "Network", "AffectedNetwork",
};
static_assert(std::size(kRecordRegistrations) == 100);

// ---- FirstOrLastJourneyEnum ------------------------------------------------------------------

using Variant = std::uint8_t;

constexpr const char* kVariants[] = {"FirstServiceOfDay", "LastServiceOfDay", "OtherService", "Unspecified"};
constexpr const char* kVariantReprs[] = {
    "FirstOrLastJourneyEnum.FirstServiceOfDay",
    "FirstOrLastJourneyEnum.LastServiceOfDay",
    "FirstOrLastJourneyEnum.OtherService",
    "FirstOrLastJourneyEnum.Unspecified",
};

extern ClassSpec enum_class;

PyObject* enum_repr(PyObject* self) {
    return guard([&]() -> PyObject* {
        auto* h = receiver<Variant>(enum_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        return PyUnicode_FromString(kVariantReprs[h->value]);
    });
}

PyObject* enum_int(PyObject* self) {
    return guard([&]() -> PyObject* {
        auto* h = receiver<Variant>(enum_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        return PyLong_FromLong(h->value);
    });
}

// == and != against an integer (through its index conversion) or another member; every other
// comparison is declined.
PyObject* enum_richcompare(PyObject* self, PyObject* other, int op) {
    return guard([&]() -> PyObject* {
        auto* h = receiver<Variant>(enum_class, self);
        if (!h) return nullptr;
        ReadBorrow borrow(h->borrows);
        if (op != Py_EQ && op != Py_NE) Py_RETURN_NOTIMPLEMENTED;
        auto answer = [&](bool equal) -> PyObject* { return PyBool_FromLong((op == Py_EQ) == equal); };
        if (Ref index{PyNumber_Index(other)}) {
            int overflow = 0;
            long long i = PyLong_AsLongLongAndOverflow(index.get(), &overflow);
            if (overflow == 0 && !(i == -1 && PyErr_Occurred())) return answer(i == h->value);
        }
        PyErr_Clear();
        if (is_instance(enum_class, other)) return answer(reinterpret_cast<Holder<Variant>*>(other)->value == h->value);
        Py_RETURN_NOTIMPLEMENTED;
    });
}

// The four members, made once and set on the class in declaration order.
int install_enum_members(PyObject* cls) {
    auto* type = reinterpret_cast<PyTypeObject*>(cls);
    Ref members[std::size(kVariants)];
    for (std::size_t v = 0; v < std::size(kVariants); ++v) {
        members[v] = Ref(allocate_holder(type, static_cast<Variant>(v)));
        if (!members[v]) {
            PyErr_Clear();
            throw Panic("called `Result::unwrap()` on an `Err` value: could not allocate a member of FirstOrLastJourneyEnum");
        }
    }
    for (std::size_t v = 0; v < std::size(kVariants); ++v) {
        if (PyObject_SetAttrString(cls, kVariants[v], members[v].get()) < 0) {
            raise_with_cause(PyExc_RuntimeError, "An error occurred while initializing `FirstOrLastJourneyEnum.__dict__`");
            return -1;
        }
    }
    return 0;
}

ClassSpec make_enum_class() {
    ClassSpec spec = holder_spec<Variant>("FirstOrLastJourneyEnum", {{Py_tp_repr, reinterpret_cast<void*>(&enum_repr)},
                                                                     {Py_nb_int, reinterpret_cast<void*>(&enum_int)},
                                                                     {Py_tp_richcompare, reinterpret_cast<void*>(&enum_richcompare)}});
    spec.install_attributes = &install_enum_members;
    return spec;
}

ClassSpec enum_class = make_enum_class();

}  // namespace

std::vector<ClassSpec*> record_registrations() {
    // One class object per name: the deque keeps every class description (and its name) in place.
    static std::deque<ClassSpec> record_classes;
    std::vector<ClassSpec*> out;
    for (const char* name : kRecordRegistrations) {
        if (std::string_view(name) == "FirstOrLastJourneyEnum") {
            out.push_back(&enum_class);
            continue;
        }
        ClassSpec* found = nullptr;
        for (auto& spec : record_classes)
            if (std::string_view(spec.name) == name) found = &spec;
        if (!found) found = &record_classes.emplace_back(holder_spec<Empty>(name));
        out.push_back(found);
    }
    return out;
}

}  // namespace quaymark::python
