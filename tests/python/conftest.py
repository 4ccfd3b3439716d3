"""Small documents, one per service, shared by the module's tests."""

from pathlib import Path

import pytest

import quaymark

_FRAME = (
    "<Siri><Body><{service}><ServiceDeliveryInfo><ResponseTimestamp>2024-05-14T08:30:00Z</ResponseTimestamp>"
    "<ProducerRef>KIT</ProducerRef></ServiceDeliveryInfo><Notification>{notification}</Notification>"
    "</{service}></Body></Siri>"
)
_HEADER = "<ResponseTimestamp>2024-05-14T08:30:00Z</ResponseTimestamp>"


_EXAMPLES = Path(__file__).resolve().parents[2] / "examples"


def _example(name):
    return (_EXAMPLES / name).read_text(encoding="utf-8")


def _doc(service, notification):
    return _FRAME.format(service=service, notification=notification)


# service element -> (document, name of the accessor that answers, or None for situation exchange)
DOCUMENTS = {
    "NotifyProductionTimetable": (
        _example("production_timetable.xml"),
        "notify_production_timetable",
    ),
    "NotifyEstimatedTimetable": (
        _example("estimated_timetable.xml"),
        "notify_estimated_timetable",
    ),
    "NotifyStopMonitoring": (
        _doc("NotifyStopMonitoring",
             f"<StopMonitoringDelivery>{_HEADER}<MonitoringRef>STOP-1</MonitoringRef></StopMonitoringDelivery>"),
        "notify_stop_monitoring",
    ),
    "GetVehicleMonitoringResponse": (
        _doc("GetVehicleMonitoringResponse", f"<VehicleMonitoringDelivery>{_HEADER}</VehicleMonitoringDelivery>"),
        "notify_vehicle_monitoring",
    ),
    "NotifyConnectionMonitoring": (
        _doc("NotifyConnectionMonitoring",
             f"<ConnectionMonitoringDistributorDelivery>{_HEADER}</ConnectionMonitoringDistributorDelivery>"),
        "notify_connection_monitoring",
    ),
    "NotifyGeneralMessage": (
        _doc("NotifyGeneralMessage", f"<GeneralMessageDelivery>{_HEADER}</GeneralMessageDelivery>"),
        "notify_general_message",
    ),
    "NotifyFacilityMonitoring": (
        _doc("NotifyFacilityMonitoring",
             f"<FacilityMonitoringDelivery>{_HEADER}<FacilityCondition><Facility/></FacilityCondition>"
             "</FacilityMonitoringDelivery>"),
        "notify_facility_monitoring",
    ),
    "NotifySituationExchange": (
        _example("situation_exchange.xml"),
        None,
    ),
}

ACCESSORS = [
    ("notify_production_timetable", "NotifyProductionTimetable"),
    ("notify_estimated_timetable", "NotifyEstimatedTimetable"),
    ("notify_stop_monitoring", "NotifyStopMonitoring"),
    ("notify_vehicle_monitoring", "NotifyVechicleMonitoring"),
    ("notify_connection_monitoring", "NotifyConnectionMonitoring"),
    ("notify_general_message", "NotifyGeneralMessage"),
    ("notify_facility_monitoring", "NotifyFacilityMonitoring"),
]


@pytest.fixture
def siri():
    return quaymark.SIRI()


@pytest.fixture
def stop_monitoring_envelope(siri):
    return siri.parse(DOCUMENTS["NotifyStopMonitoring"][0])
