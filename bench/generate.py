"""Generates the benchmark documents with a fixed seed: realistic SIRI notifications, large and
small. Each generator returns the document as a str."""
import random

SOAP_HEAD = (
    '<?xml version="1.0" encoding="UTF-8"?>\n'
    '<soapenv:Envelope xmlns:soapenv="http://schemas.xmlsoap.org/soap/envelope/" '
    'xmlns:siri="http://www.siri.org.uk/siri">\n<soapenv:Header/>\n<soapenv:Body>\n'
)
SOAP_TAIL = "</soapenv:Body>\n</soapenv:Envelope>\n"


def _ts(rng: random.Random) -> str:
    return f"2024-05-14T{rng.randrange(5, 23):02d}:{rng.randrange(60):02d}:{rng.randrange(60):02d}+02:00"


def _service_delivery_info(rng: random.Random) -> str:
    return (
        "<siri:ServiceDeliveryInfo>"
        f"<siri:ResponseTimestamp>{_ts(rng)}</siri:ResponseTimestamp>"
        "<siri:ProducerRef>OPERATOR-1</siri:ProducerRef>"
        f"<siri:ResponseMessageRef>RM-{rng.randrange(10**6)}</siri:ResponseMessageRef>"
        "</siri:ServiceDeliveryInfo>\n"
    )


def _visit(rng: random.Random, i: int) -> str:
    line = rng.randrange(1, 120)
    stop = rng.randrange(1000, 9999)
    aimed = _ts(rng)
    return (
        "<siri:MonitoredStopVisit>"
        f"<siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>"
        f"<siri:ItemIdentifier>VISIT-{i}</siri:ItemIdentifier>"
        f"<siri:MonitoringRef>STOP:{stop}</siri:MonitoringRef>"
        "<siri:MonitoredVehicleJourney>"
        f"<siri:LineRef>LINE:{line}</siri:LineRef>"
        f"<siri:DirectionRef>{rng.choice(['inbound', 'outbound'])}</siri:DirectionRef>"
        "<siri:FramedVehicleJourneyRef>"
        "<siri:DataFrameRef>2024-05-14</siri:DataFrameRef>"
        f"<siri:DatedVehicleJourneyRef>DVJ:{line}:{i}</siri:DatedVehicleJourneyRef>"
        "</siri:FramedVehicleJourneyRef>"
        f"<siri:PublishedLineName>{line}</siri:PublishedLineName>"
        "<siri:OperatorRef>OPERATOR-1</siri:OperatorRef>"
        f"<siri:OriginName>Stra&#223;e {rng.randrange(100)}</siri:OriginName>"
        f"<siri:DestinationName>Hauptbahnhof &amp; Messe</siri:DestinationName>"
        "<siri:Monitored>true</siri:Monitored>"
        "<siri:VehicleLocation><siri:Longitude>8.6821</siri:Longitude><siri:Latitude>50.1109</siri:Latitude></siri:VehicleLocation>"
        "<siri:MonitoredCall>"
        f"<siri:StopPointRef>STOP:{stop}</siri:StopPointRef>"
        f"<siri:Order>{rng.randrange(1, 40)}</siri:Order>"
        f"<siri:StopPointName>Stop {stop}</siri:StopPointName>"
        f"<siri:AimedArrivalTime>{aimed}</siri:AimedArrivalTime>"
        f"<siri:ExpectedArrivalTime>{aimed}</siri:ExpectedArrivalTime>"
        f"<siri:AimedDepartureTime>{aimed}</siri:AimedDepartureTime>"
        f"<siri:ExpectedDepartureTime>{aimed}</siri:ExpectedDepartureTime>"
        "</siri:MonitoredCall>"
        "</siri:MonitoredVehicleJourney>"
        "</siri:MonitoredStopVisit>\n"
    )


def stop_monitoring(visits: int, seed: int = 7) -> str:
    rng = random.Random(seed)
    parts = [SOAP_HEAD, "<siri:NotifyStopMonitoring>\n", _service_delivery_info(rng), "<siri:Notification>\n",
             '<siri:StopMonitoringDelivery version="2.0">\n',
             f"<siri:ResponseTimestamp>{_ts(rng)}</siri:ResponseTimestamp>\n"]
    parts += [_visit(rng, i) for i in range(visits)]
    parts += ["</siri:StopMonitoringDelivery>\n</siri:Notification>\n</siri:NotifyStopMonitoring>\n", SOAP_TAIL]
    return "".join(parts)


def _estimated_call(rng: random.Random, order: int) -> str:
    stop = rng.randrange(1000, 9999)
    aimed = _ts(rng)
    expected = _ts(rng)
    return (
        "<siri:EstimatedCall>"
        f"<siri:StopPointRef>STOP:{stop}</siri:StopPointRef>"
        f"<siri:Order>{order}</siri:Order>"
        f"<siri:StopPointName>Stop {stop}</siri:StopPointName>"
        f"<siri:AimedArrivalTime>{aimed}</siri:AimedArrivalTime>"
        f"<siri:ExpectedArrivalTime>{expected}</siri:ExpectedArrivalTime>"
        f"<siri:ArrivalStatus>{rng.choice(['onTime', 'delayed', 'early'])}</siri:ArrivalStatus>"
        f"<siri:ArrivalPlatformName>{rng.randrange(1, 9)}</siri:ArrivalPlatformName>"
        f"<siri:AimedDepartureTime>{aimed}</siri:AimedDepartureTime>"
        f"<siri:ExpectedDepartureTime>{expected}</siri:ExpectedDepartureTime>"
        f"<siri:DepartureStatus>{rng.choice(['onTime', 'delayed', 'early'])}</siri:DepartureStatus>"
        "<siri:DepartureBoardingActivity>boarding</siri:DepartureBoardingActivity>"
        "</siri:EstimatedCall>\n"
    )


def _estimated_journey(rng: random.Random, i: int, calls: int) -> str:
    line = rng.randrange(1, 120)
    head = (
        "<siri:EstimatedVehicleJourney>"
        f"<siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>"
        f"<siri:LineRef>LINE:{line}</siri:LineRef>"
        f"<siri:DirectionRef>{rng.choice(['inbound', 'outbound'])}</siri:DirectionRef>"
        "<siri:FramedVehicleJourneyRef>"
        "<siri:DataFrameRef>2024-05-14</siri:DataFrameRef>"
        f"<siri:DatedVehicleJourneyRef>DVJ:{line}:{i}</siri:DatedVehicleJourneyRef>"
        "</siri:FramedVehicleJourneyRef>"
        "<siri:VehicleMode>bus</siri:VehicleMode>"
        f"<siri:PublishedLineName>{line}</siri:PublishedLineName>"
        "<siri:OperatorRef>OPERATOR-1</siri:OperatorRef>"
        f"<siri:OriginName>Stra&#223;e {rng.randrange(100)}</siri:OriginName>"
        "<siri:DestinationName>Hauptbahnhof &amp; Messe</siri:DestinationName>"
        "<siri:Monitored>true</siri:Monitored>"
        f"<siri:VehicleRef>VEH:{rng.randrange(10**4)}</siri:VehicleRef>"
        "<siri:EstimatedCalls>\n"
    )
    body = "".join(_estimated_call(rng, order) for order in range(1, calls + 1))
    return head + body + "</siri:EstimatedCalls></siri:EstimatedVehicleJourney>\n"


def estimated_timetable(journeys: int, calls: int = 20, seed: int = 11) -> str:
    rng = random.Random(seed)
    parts = [SOAP_HEAD, "<siri:NotifyEstimatedTimetable>\n", _service_delivery_info(rng), "<siri:Notification>\n",
             '<siri:EstimatedTimetableDelivery version="2.0">\n',
             f"<siri:ResponseTimestamp>{_ts(rng)}</siri:ResponseTimestamp>\n",
             f"<siri:EstimatedJourneyVersionFrame><siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>\n"]
    parts += [_estimated_journey(rng, i, calls) for i in range(journeys)]
    parts += ["</siri:EstimatedJourneyVersionFrame>\n</siri:EstimatedTimetableDelivery>\n</siri:Notification>\n"
              "</siri:NotifyEstimatedTimetable>\n", SOAP_TAIL]
    return "".join(parts)


DOCUMENTS = {
    "stop_monitoring_large": lambda: stop_monitoring(10_000),
    "stop_monitoring_small": lambda: stop_monitoring(5),
    "estimated_timetable_large": lambda: estimated_timetable(2_000, 20),
}
