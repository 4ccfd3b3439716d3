"""Module start-up: the registration table, __all__, the module's own attributes, the refusal
of a second initialisation in one process, and the one symbol the module exports."""

import shutil
import subprocess
import sys
import textwrap

import quaymark

OWN = [
    "SIRI", "Envelope", "Body", "NotifyProductionTimetable", "NotifyStopMonitoring", "NotifySituationExchange",
    "NotifyGeneralMessage", "NotifyFacilityMonitoring", "NotifyVechicleMonitoring", "NotifyConnectionMonitoring",
    "NotifyEstimatedTimetable",
]
RECORDS = """
AffectedStopPoint Zone AffectedLine AffectedOperator AffectedVehicleJourney AffectedPlace AffectedMode
DatedTimetableVersionFrame DatedVehicleJourney DatedCall TargetedInterchange DistributorConnectionLink ServiceInfoGroup
JourneyEndNames JourneyPatternInfo ServiceInfo VehicleJourneyInfo EstimatedInfo JourneyProgressInfo OperationalInfo
DatedVehicleJourneyIndirectRef EstimatedVehicleJourney FirstOrLastJourneyEnum Calls RecordedCall EstimatedCall
DisruptionGroup TrainNumber JourneyPart StopAssignment ExpectedDepartureCapacity ExpectedDepartureOccupancy
DepartureInfo ArrivalInfo Arrival Departure ExpectedCapacity ExpectedOccupancy GroupReservation MonitoredStopVisit
MonitoredStopVisitCancellation MonitoredVehicleJourney JourneyPartInfo MonitoredCall StopIdentity OnwardCall
VehicleJourneyInfoGroup JourneyEndNamesGroup JourneyPatternInfoGroup Via JourneyProgressInfoGroup LocationStructure
NotifyMonitoring VehicleActivityCancellation VehicleActivity ProgressBetweenStops FramedVehicleJourneyRef
FacilityCondition Facility FacilityLocation FacilityStatus AccessibilityAssessment ValidityPeriod Line
ValidityCondition InfoMessage InfoMessageCancellation ActionData AffectedStopPoint Direction MonitoredFeederArrival
MonitoredFeederArrivalCancellation WaitProlongedDeparture StoppingPositionChangeDeparture
DistributorDepartureCancellation DistributorInfo ConnectingJourney FeederJourney JourneyInfo PtSituationElement
SituationBasedIdentityGroup SituationSource PtSituationBodyGroup ReasonGroup PtAdvice PtConsequence Blocking Boarding
PublishingActions NotifyBySmsAction NotifyByEmailAction PublishToWebAction PublishToMobileAction
PublishToDisplayAction ParameterisedAction Affect PublishAtScope BeforeNotice Network AffectedNetwork
""".split()


def test_all_lists_every_registration_in_order():
    assert quaymark.__all__ == OWN + RECORDS
    assert len(quaymark.__all__) == 111
    assert all(type(name) is str for name in quaymark.__all__)
    assert quaymark.__all__[11] == quaymark.__all__[79] == "AffectedStopPoint"
    assert len(set(quaymark.__all__)) == 110


def test_every_name_is_bound_to_a_class_and_nothing_else_is():
    for name in quaymark.__all__:
        assert isinstance(getattr(quaymark, name), type), name
    public = {n for n in vars(quaymark) if not n.startswith("__")}
    assert public == set(quaymark.__all__)


def test_module_attributes():
    assert quaymark.__doc__ == ""
    assert quaymark.__name__ == "quaymark"
    assert not hasattr(quaymark, "PanicException")
    # the body record's own class is never bound; the registered Body is the one with accessors
    assert hasattr(quaymark.Body, "notify_stop_monitoring")


def test_enum_members_exist_right_after_import():
    code = "import quaymark; print(int(quaymark.FirstOrLastJourneyEnum.Unspecified))"
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True)
    assert out.stdout == "3\n"


def test_second_initialisation_raises_import_error_naming_the_module():
    code = textwrap.dedent("""
        import sys
        import quaymark
        first = quaymark
        del sys.modules["quaymark"]
        try:
            import quaymark
        except ImportError as e:
            print("ImportError:", e)
        else:
            print("imported again")
        print("still usable", type(first.SIRI()).__name__)
    """)
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True)
    lines = out.stdout.splitlines()
    assert lines[0].startswith("ImportError: ")
    assert "quaymark" in lines[0]
    assert "PyO3" not in lines[0]
    assert lines[1] == "still usable SIRI"


def test_the_entry_point_is_the_only_exported_symbol():
    nm = shutil.which("nm")
    assert nm, "nm (binutils) is needed to read the module's symbol table"
    out = subprocess.run([nm, "-D", "--defined-only", quaymark.__file__], capture_output=True, text=True, check=True)
    names = [line.split()[-1] for line in out.stdout.splitlines() if line.strip()]
    assert names == ["PyInit_quaymark"]
