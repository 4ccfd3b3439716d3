"""Generates the benchmark documents with a fixed seed: realistic SIRI notifications, one large and
one small per service. Each generator returns the document as a str.

Stop monitoring, vehicle monitoring, estimated timetable, situation exchange and production
timetable deliveries hold lists of records, so their large documents are long lists (a production
timetable delivery holds one dated journey: its list is the journey's dated calls, 24,000 of them,
as many as 2,000 journeys of 12 calls). A general
message, facility monitoring or connection monitoring delivery holds single records, so their
large documents grow through the bulk real feeds put inside those records: a long message text
and operator extensions (an Extensions element of vendor data the records pass over).
"""
import random

SOAP_HEAD = (
    '<?xml version="1.0" encoding="UTF-8"?>\n'
    '<soapenv:Envelope xmlns:soapenv="http://schemas.xmlsoap.org/soap/envelope/" '
    'xmlns:siri="http://www.siri.org.uk/siri">\n<soapenv:Header/>\n<soapenv:Body>\n'
)
SOAP_TAIL = "</soapenv:Body>\n</soapenv:Envelope>\n"
SIRI_HEAD = '<?xml version="1.0" encoding="UTF-8"?>\n<Siri xmlns="http://www.siri.org.uk/siri" version="2.0">\n<Body>\n'
SIRI_TAIL = "</Body>\n</Siri>\n"


def _ts(rng: random.Random) -> str:
    return f"2024-05-14T{rng.randrange(5, 23):02d}:{rng.randrange(60):02d}:{rng.randrange(60):02d}+02:00"


def _service_delivery_info(rng: random.Random, p: str = "siri:") -> str:
    return (
        f"<{p}ServiceDeliveryInfo>"
        f"<{p}ResponseTimestamp>{_ts(rng)}</{p}ResponseTimestamp>"
        f"<{p}ProducerRef>OPERATOR-1</{p}ProducerRef>"
        f"<{p}ResponseMessageRef>RM-{rng.randrange(10**6)}</{p}ResponseMessageRef>"
        f"</{p}ServiceDeliveryInfo>\n"
    )


def _soap(rng, service, wrapper, delivery, body_parts, header=""):
    """A SOAP-framed notification: service element, ServiceDeliveryInfo, wrapper, one delivery."""
    return "".join([
        SOAP_HEAD, f"<siri:{service}>\n", _service_delivery_info(rng), f"<siri:{wrapper}>\n",
        f'<siri:{delivery} version="2.0">\n',
        f"<siri:ResponseTimestamp>{_ts(rng)}</siri:ResponseTimestamp>\n", header,
        *body_parts,
        f"</siri:{delivery}>\n</siri:{wrapper}>\n</siri:{service}>\n", SOAP_TAIL,
    ])


def _framed(line, i, p="siri:"):
    return (f"<{p}FramedVehicleJourneyRef><{p}DataFrameRef>2024-05-14</{p}DataFrameRef>"
            f"<{p}DatedVehicleJourneyRef>DVJ:{line}:{i}</{p}DatedVehicleJourneyRef></{p}FramedVehicleJourneyRef>")


# Stop monitoring ---------------------------------------------------------------------------------

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
        f"{_framed(line, i)}"
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
    return _soap(rng, "NotifyStopMonitoring", "Notification", "StopMonitoringDelivery",
                 [_visit(rng, i) for i in range(visits)])


# Vehicle monitoring ------------------------------------------------------------------------------

def _activity(rng: random.Random, i: int) -> str:
    line = rng.randrange(1, 120)
    return (
        "<siri:VehicleActivity>"
        f"<siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>"
        f"<siri:ValidUntilTime>{_ts(rng)}</siri:ValidUntilTime>"
        f"<siri:ItemIdentifier>VA-{line}-{i}</siri:ItemIdentifier>"
        f"<siri:VehicleMonitoringRef>LINE:{line}</siri:VehicleMonitoringRef>"
        "<siri:ProgressBetweenStops>"
        f"<siri:LinkDistance>{rng.randrange(200, 2000)}</siri:LinkDistance>"
        f"<siri:Percentage>{rng.randrange(100)}</siri:Percentage>"
        "</siri:ProgressBetweenStops>"
        "<siri:MonitoredVehicleJourney>"
        f"<siri:LineRef>LINE:{line}</siri:LineRef>"
        f"<siri:DirectionRef>{rng.choice(['inbound', 'outbound'])}</siri:DirectionRef>"
        f"{_framed(line, i)}"
        f"<siri:PublishedLineName>{line}</siri:PublishedLineName>"
        "<siri:VehicleLocation>"
        f"<siri:Longitude>{8 + rng.random():.5f}</siri:Longitude>"
        f"<siri:Latitude>{49 + rng.random():.5f}</siri:Latitude>"
        "</siri:VehicleLocation>"
        f"<siri:Delay>PT{rng.randrange(10)}M{rng.randrange(60)}S</siri:Delay>"
        "</siri:MonitoredVehicleJourney>"
        + ("<siri:VehicleActivityNote>Umleitung wegen Baustelle &lt;Kaiserstra&#223;e&gt;</siri:VehicleActivityNote>"
           if i % 10 == 0 else "")
        + "</siri:VehicleActivity>\n"
    )


def _activity_cancellation(rng: random.Random, i: int) -> str:
    line = rng.randrange(1, 120)
    return (
        "<siri:VehicleActivityCancellation>"
        f"<siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>"
        f"<siri:EventIdentity>VA-{line}-{i}</siri:EventIdentity>"
        f"<siri:VehicleMonitoringRef>LINE:{line}</siri:VehicleMonitoringRef>"
        f"{_framed(line, i)}"
        f"<siri:LineRef>LINE:{line}</siri:LineRef>"
        "<siri:JourneyPatternInfo>"
        f"<siri:JourneyPatternRef>JP:{line}-B</siri:JourneyPatternRef>"
        "<siri:VehicleMode>tram</siri:VehicleMode>"
        f"<siri:PublishedLineName>{line}</siri:PublishedLineName>"
        "<siri:DirectionName>Rintheim</siri:DirectionName>"
        "</siri:JourneyPatternInfo>"
        "<siri:Reasons>vehicle taken out of service</siri:Reasons>"
        "</siri:VehicleActivityCancellation>\n"
    )


def vehicle_monitoring(activities: int, seed: int = 11) -> str:
    rng = random.Random(seed)
    parts = [_activity(rng, i) for i in range(activities)]
    parts += [_activity_cancellation(rng, i) for i in range(max(1, activities // 50))]
    return _soap(rng, "GetVehicleMonitoringResponse", "Answer", "VehicleMonitoringDelivery", parts)


# Estimated timetable -----------------------------------------------------------------------------

def _call(rng: random.Random, kind: str, order: int, stop: int) -> str:
    aimed = _ts(rng)
    if kind == "RecordedCall":
        times = (f"<siri:AimedDepartureTime>{aimed}</siri:AimedDepartureTime>"
                 f"<siri:ActualDepartureTime>{_ts(rng)}</siri:ActualDepartureTime>")
    else:
        times = (f"<siri:AimedArrivalTime>{aimed}</siri:AimedArrivalTime>"
                 f"<siri:ExpectedArrivalTime>{_ts(rng)}</siri:ExpectedArrivalTime>"
                 f"<siri:ArrivalStatus>{rng.choice(['onTime', 'delayed', 'early'])}</siri:ArrivalStatus>"
                 f"<siri:ArrivalPlatformName>{rng.choice('ABCD')}</siri:ArrivalPlatformName>"
                 f"<siri:AimedDepartureTime>{aimed}</siri:AimedDepartureTime>"
                 f"<siri:ExpectedDepartureTime>{_ts(rng)}</siri:ExpectedDepartureTime>"
                 "<siri:DepartureStatus>delayed</siri:DepartureStatus>"
                 "<siri:DepartureBoardingActivity>boarding</siri:DepartureBoardingActivity>")
    return (f"<siri:{kind}>"
            f"<siri:StopPointRef>SP:{stop}</siri:StopPointRef>"
            f"<siri:Order>{order}</siri:Order>"
            f"<siri:StopPointName>Haltestelle {stop}</siri:StopPointName>"
            f"{times}</siri:{kind}>")


def _estimated_journey(rng: random.Random, i: int, calls: int) -> str:
    line = rng.randrange(1, 120)
    recorded = calls // 4
    stops = [rng.randrange(1000, 9999) for _ in range(calls)]
    return (
        "<siri:EstimatedVehicleJourney>"
        f"<siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>"
        f"<siri:LineRef>LINE:{line}</siri:LineRef>"
        f"<siri:DirectionRef>{rng.choice(['inbound', 'outbound'])}</siri:DirectionRef>"
        f"{_framed(line, i)}"
        "<siri:VehicleMode>bus</siri:VehicleMode>"
        f"<siri:PublishedLineName>{line}</siri:PublishedLineName>"
        "<siri:DirectionName>Hafen</siri:DirectionName>"
        "<siri:OperatorRef>OPERATOR-1</siri:OperatorRef>"
        f"<siri:OriginRef>SP:{stops[0]}</siri:OriginRef>"
        "<siri:OriginName>Hauptbahnhof</siri:OriginName>"
        f"<siri:DestinationRef>SP:{stops[-1]}</siri:DestinationRef>"
        "<siri:DestinationName>Hafen &amp; Messe</siri:DestinationName>"
        f"<siri:OriginAimedDepartureTime>{_ts(rng)}</siri:OriginAimedDepartureTime>"
        "<siri:Monitored>true</siri:Monitored>"
        f"<siri:VehicleRef>BUS:{rng.randrange(1000, 9999)}</siri:VehicleRef>"
        "<siri:RecordedCalls>"
        + "".join(_call(rng, "RecordedCall", k + 1, stops[k]) for k in range(recorded))
        + "</siri:RecordedCalls><siri:EstimatedCalls>"
        + "".join(_call(rng, "EstimatedCall", k + 1, stops[k]) for k in range(recorded, calls))
        + "</siri:EstimatedCalls>"
        "<siri:IsCompleteStopSequence>true</siri:IsCompleteStopSequence>"
        "</siri:EstimatedVehicleJourney>\n"
    )


def estimated_timetable(journeys: int, calls: int = 20, seed: int = 13) -> str:
    rng = random.Random(seed)
    parts = [f"<siri:EstimatedJourneyVersionFrame><siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>\n"]
    parts += [_estimated_journey(rng, i, calls) for i in range(journeys)]
    parts.append("</siri:EstimatedJourneyVersionFrame>\n")
    return _soap(rng, "NotifyEstimatedTimetable", "Notification", "EstimatedTimetableDelivery", parts)


# Situation exchange ------------------------------------------------------------------------------

def _situation(rng: random.Random, i: int) -> str:
    if i % 3:
        # An unplanned incident, reported with little more than a situation needs.
        return (
            "<siri:Situations>"
            f"<siri:CreationTime>{_ts(rng)}</siri:CreationTime>"
            "<siri:SituationBasedIdentityGroup><siri:CountryRef>NO</siri:CountryRef>"
            "<siri:ParticipantRef>RUT</siri:ParticipantRef>"
            f"<siri:SituationNumber>RUT:SituationNumber:{i}</siri:SituationNumber></siri:SituationBasedIdentityGroup>"
            "<siri:Planned>false</siri:Planned>"
            f"<siri:Summary>Tram {rng.randrange(1, 30)} delayed after a signal fault</siri:Summary>"
            "<siri:Affects><siri:Operators><siri:allOperators/></siri:Operators>"
            "<siri:Networks><siri:NetworkRef>RUT:Network:Tram</siri:NetworkRef></siri:Networks><siri:StopPoints/>"
            f"<siri:StopPlaces><siri:PlaceRef>NSR:StopPlace:{rng.randrange(10**4)}</siri:PlaceRef>"
            "<siri:PlaceName>Grefsen stasjon</siri:PlaceName></siri:StopPlaces>"
            "<siri:Places><siri:PlaceRef>RUT:Place:Grefsen</siri:PlaceRef><siri:PlaceName>Grefsen</siri:PlaceName></siri:Places>"
            f"<siri:VehicleJourneys><siri:VehicleJourneyRef>RUT:ServiceJourney:17-{i}</siri:VehicleJourneyRef></siri:VehicleJourneys>"
            "</siri:Affects>"
            "<siri:Consequences><siri:Condition>delayed</siri:Condition><siri:Severity>slight</siri:Severity><siri:Boarding/>"
            f"<siri:Delays>{rng.randrange(60, 1800)}</siri:Delays></siri:Consequences>"
            "</siri:Situations>\n"
        )
    quay = rng.randrange(10**4)
    return (
        "<siri:Situations>"
        f"<siri:CreationTime>{_ts(rng)}</siri:CreationTime>"
        "<siri:SituationBasedIdentityGroup><siri:CountryRef>NO</siri:CountryRef>"
        "<siri:ParticipantRef>RUT</siri:ParticipantRef>"
        f"<siri:SituationNumber>RUT:SituationNumber:{i}</siri:SituationNumber><siri:Version>3</siri:Version>"
        "</siri:SituationBasedIdentityGroup>"
        "<siri:Source><siri:Name>Traffic control centre</siri:Name><siri:SourceType>directReport</siri:SourceType></siri:Source>"
        f"<siri:VersionedAtTime>{_ts(rng)}</siri:VersionedAtTime>"
        "<siri:Verification><siri:Verification>verified</siri:Verification><siri:Progress>published</siri:Progress>"
        "<siri:QualityIndex>certain</siri:QualityIndex><siri:Publication>public</siri:Publication></siri:Verification>"
        f"<siri:ValidityPeriod><siri:StartTime>{_ts(rng)}</siri:StartTime><siri:EndTime>{_ts(rng)}</siri:EndTime>"
        "<siri:EndTimeStatus>shortTerm</siri:EndTimeStatus><siri:EndTimePrecision>minute</siri:EndTimePrecision></siri:ValidityPeriod>"
        "<siri:ReasonName>Track renewal</siri:ReasonName><siri:Severity>normal</siri:Severity>"
        "<siri:Priority>2</siri:Priority><siri:Sensivity>low</siri:Sensivity><siri:Audience>public</siri:Audience>"
        "<siri:ScopeType>line</siri:ScopeType><siri:Planned>true</siri:Planned>"
        "<siri:Keywords>works night replacement</siri:Keywords>"
        f"<siri:Summary>Metro line {rng.randrange(1, 6)}: buses replace trains between Storo &amp; Sinsen</siri:Summary>"
        "<siri:Description>Because of track renewal, no metro trains run between Storo and Sinsen at night.</siri:Description>"
        "<siri:Detail>Replacement buses leave from the street outside each station.</siri:Detail>"
        "<siri:Advice>Allow 10 extra minutes.</siri:Advice>"
        "<siri:Affects><siri:AreaOfInterest>city</siri:AreaOfInterest>"
        "<siri:Operators><siri:affectedOperator><siri:OperatorRef>RUT:Operator:SporveienT</siri:OperatorRef></siri:affectedOperator></siri:Operators>"
        "<siri:Networks><siri:NetworkRef>RUT:Network:Metro</siri:NetworkRef><siri:NetworkName>Metro</siri:NetworkName>"
        "<siri:RoutesAffected>Line 5 between Storo and Sinsen</siri:RoutesAffected></siri:Networks>"
        f"<siri:StopPoints><siri:StopPointRef>NSR:Quay:{quay}</siri:StopPointRef><siri:StopPointName>Storo</siri:StopPointName>"
        "<siri:PlaceRef>NSR:StopPlace:6484</siri:PlaceRef><siri:AffectedModes>metro</siri:AffectedModes>"
        "<siri:PlaceName>Storo</siri:PlaceName><siri:StopCondition>exceptionalStop</siri:StopCondition></siri:StopPoints>"
        "<siri:StopPlaces><siri:PlaceRef>NSR:StopPlace:6484</siri:PlaceRef><siri:PlaceName>Storo</siri:PlaceName></siri:StopPlaces>"
        "<siri:Places><siri:PlaceRef>RUT:Place:Nydalen</siri:PlaceRef><siri:PlaceName>Nydalen</siri:PlaceName></siri:Places>"
        f"<siri:VehicleJourneys><siri:VehicleJourneyRef>RUT:ServiceJourney:5-{i}</siri:VehicleJourneyRef></siri:VehicleJourneys>"
        "</siri:Affects>"
        "<siri:Consequences><siri:Condition>replacementTransport</siri:Condition><siri:Severity>normal</siri:Severity>"
        "<siri:Advice><siri:AdviceRef>RUT:Advice:Replacement</siri:AdviceRef><siri:Details>Take the replacement bus 5B.</siri:Details></siri:Advice>"
        "<siri:Blocking><siri:JourneyPlanner>false</siri:JourneyPlanner></siri:Blocking>"
        "<siri:Boarding><siri:ArrivalBoardingActivity>noAlighting</siri:ArrivalBoardingActivity>"
        "<siri:DepartureBoardingActivity>noBoarding</siri:DepartureBoardingActivity></siri:Boarding>"
        "<siri:Delays>600</siri:Delays></siri:Consequences>"
        "<siri:PublishingActions><siri:PublishToWebAction><siri:Incidents>true</siri:Incidents><siri:HomePage>true</siri:HomePage>"
        "<siri:SocialNetwork>twitter.com</siri:SocialNetwork></siri:PublishToWebAction>"
        "<siri:NotifyBySmsAction><siri:BeforeNotices><siri:Interval>P1D</siri:Interval></siri:BeforeNotices>"
        "<siri:ClearNotice>true</siri:ClearNotice><siri:Phone>+4712345678</siri:Phone><siri:Premium>0</siri:Premium>"
        "</siri:NotifyBySmsAction></siri:PublishingActions>"
        "</siri:Situations>\n"
    )


def situation_exchange(situations: int, seed: int = 17) -> str:
    rng = random.Random(seed)
    return _soap(rng, "NotifySituationExchange", "Notification", "SituationExchangeDelivery",
                 [_situation(rng, i) for i in range(situations)])


# Production timetable ----------------------------------------------------------------------------

def _dated_call(rng: random.Random, order: int) -> str:
    stop = rng.randrange(1000, 9999)
    aimed = _ts(rng)
    interchange = (
        "<siri:TargetedInterchange>"
        f"<siri:InterchangeCode>IC-{stop}-{order}</siri:InterchangeCode>"
        f"<siri:DistributorVehicleJourneyRef>VJ:S3-{stop}</siri:DistributorVehicleJourneyRef>"
        "<siri:DistributorConnectionLink>"
        f"<siri:ConnectionCode>CL-{stop}</siri:ConnectionCode><siri:StopPointRef>SP:{stop}-G4</siri:StopPointRef>"
        "<siri:InterchangeDuration>180</siri:InterchangeDuration>"
        "</siri:DistributorConnectionLink>"
        "<siri:StaySeated>false</siri:StaySeated><siri:Guaranteed>true</siri:Guaranteed>"
        "<siri:MaximumWaitTime>PT3M</siri:MaximumWaitTime>"
        "</siri:TargetedInterchange>"
    ) if order % 5 == 1 else ""
    return (
        "<siri:DatedCalls>"
        f"<siri:StopPointRef>SP:{stop}</siri:StopPointRef>"
        f"<siri:Order>{order}</siri:Order>"
        f"<siri:StopPointName>Haltestelle {stop}</siri:StopPointName>"
        f"<siri:AimedArrivalTime>{aimed}</siri:AimedArrivalTime>"
        f"<siri:ArrivalPlatform>{rng.randrange(1, 9)}</siri:ArrivalPlatform>"
        f"<siri:AimedDepartureTime>{aimed}</siri:AimedDepartureTime>"
        f"<siri:DeparturePlatformName>{rng.choice('ABCD')}</siri:DeparturePlatformName>"
        "<siri:DepartureBoardingActivity>boarding</siri:DepartureBoardingActivity>"
        f"{interchange}</siri:DatedCalls>"
    )


def _dated_journey(rng: random.Random, i: int, calls: int) -> str:
    line = rng.randrange(1, 120)
    return (
        "<siri:DatedVehicleJourney>"
        f"<siri:DatedVehicleJourneyCode>VJ:{line}-{i}</siri:DatedVehicleJourneyCode>"
        f"<siri:JourneyPatternRef>JP:{line}-A</siri:JourneyPatternRef>"
        "<siri:VehicleMode>bus</siri:VehicleMode>"
        f"<siri:RouteRef>Route:{line}-out</siri:RouteRef>"
        f"<siri:PublishedLineName>{line}</siri:PublishedLineName>"
        "<siri:DirectionName>Hafen &amp; Messe</siri:DirectionName>"
        "<siri:OperatorRef>OPERATOR-1</siri:OperatorRef>"
        "<siri:ProductCategoryRef>CityBus</siri:ProductCategoryRef>"
        "<siri:ServiceFeatureRef>lowFloor</siri:ServiceFeatureRef>"
        f"<siri:VehicleJourneyName>{line} Hafen</siri:VehicleJourneyName>"
        "<siri:DestinationDisplay>Hafen</siri:DestinationDisplay>"
        "<siri:HeadwayService>false</siri:HeadwayService>"
        "<siri:Monitored>true</siri:Monitored>"
        + "\n".join(_dated_call(rng, k + 1) for k in range(calls))
        + "</siri:DatedVehicleJourney>\n"
    )


def production_timetable(calls: int, seed: int = 19) -> str:
    """A delivery holds one frame of one dated journey: the document grows with its dated calls."""
    rng = random.Random(seed)
    parts = [f"<siri:DatedTimetableVersionFrame><siri:RecordedAtTime>{_ts(rng)}</siri:RecordedAtTime>"
             "<siri:LineRef>Line:14</siri:LineRef><siri:DirectionRef>outbound</siri:DirectionRef>\n",
             _dated_journey(rng, 0, calls)]
    parts.append("</siri:DatedTimetableVersionFrame>\n")
    return _soap(rng, "NotifyProductionTimetable", "Notification", "ProductionTimetableDelivery", parts)


# Single-record deliveries: general message, facility monitoring, connection monitoring -----------

def _extensions(rng: random.Random, items: int) -> str:
    """Operator extensions: vendor data of a feed, in elements no record reads."""
    if not items:
        return ""
    parts = ["<Extensions>"]
    for i in range(items):
        parts.append(
            f'<VehicleStatus vehicle="BUS-{rng.randrange(10**4)}" seq="{i}">'
            f"<Door id=\"{rng.randrange(1, 4)}\">{rng.choice(['open', 'closed'])}</Door>"
            f"<Passengers>{rng.randrange(80)}</Passengers>"
            f"<Sensor kind=\"temperature\">{rng.randrange(15, 30)}.{rng.randrange(10)}</Sensor>"
            "<Remark>Fahrzeug &#252;berpr&#252;ft &amp; freigegeben</Remark>"
            "</VehicleStatus>\n")
    parts.append("</Extensions>")
    return "".join(parts)


_SENTENCES = [
    "Line 3: the lift at &quot;Gare Centrale&quot; is out of service until this evening.",
    "Please use the ramp from Rue de la Paix &amp; Quai 2.",
    "Trains run every 10 minutes; expect crowding between 07:00 and 09:00.",
    "Replacement buses stop in front of the main entrance.",
]


def general_message(extension_items: int, sentences: int, seed: int = 23) -> str:
    rng = random.Random(seed)
    content = " ".join(rng.choice(_SENTENCES) for _ in range(sentences))
    body = (
        "<NotifyGeneralMessage>\n" + _service_delivery_info(rng, "") +
        '<Notification>\n<GeneralMessageDelivery version="2.0">\n'
        f"<ResponseTimestamp>{_ts(rng)}</ResponseTimestamp>\n"
        "<SubscriberRef>PASSENGER-INFO</SubscriberRef><SubscriptionRef>GM-SUB-0042</SubscriptionRef>"
        "<Status>true</Status>\n"
        '<InfoMessage formatRef="STIF-IDF"><FormatRef>STIF-IDF</FormatRef>'
        f"<RecordedAtTime>{_ts(rng)}</RecordedAtTime><ItemIdentifier>GM-0117</ItemIdentifier>"
        "<InfoMessageIdentifier>TRANSDEV:InfoMessage::0117:LOC</InfoMessageIdentifier>"
        "<InfoMessageVersion>2</InfoMessageVersion><InfoChannelRef>Perturbation</InfoChannelRef>"
        f"<ValidUntilTime>{_ts(rng)}</ValidUntilTime>"
        "<SituationRef>TRANSDEV:Situation::0488:LOC</SituationRef>"
        f"<Content>{content}</Content>\n{_extensions(rng, extension_items)}"
        "</InfoMessage>\n"
        "<InfoMessageCancellation>"
        f"<RecordedAtTime>{_ts(rng)}</RecordedAtTime>"
        "<InfoMessageIdentifier>TRANSDEV:InfoMessage::0109:LOC</InfoMessageIdentifier>"
        "<InfoChannelRef>Information</InfoChannelRef>"
        "</InfoMessageCancellation>\n"
        "</GeneralMessageDelivery>\n</Notification>\n</NotifyGeneralMessage>\n"
    )
    return SIRI_HEAD + body + SIRI_TAIL


def facility_monitoring(extension_items: int, seed: int = 29) -> str:
    rng = random.Random(seed)
    body = (
        "<NotifyFacilityMonitoring>\n" + _service_delivery_info(rng, "") +
        '<Notification>\n<FacilityMonitoringDelivery version="2.0">\n'
        f"<ResponseTimestamp>{_ts(rng)}</ResponseTimestamp>\n"
        "<SubscriptionRef>FM-ACCESS-7</SubscriptionRef>"
        f"<ValidUntil>{_ts(rng)}</ValidUntil>\n"
        "<FacilityCondition>"
        "<FacilityRef>MN:Facility:LIFT-NORD-03</FacilityRef>"
        "<Facility><FacilityCode>LIFT-NORD-03</FacilityCode>"
        "<Description>Lift between concourse and platforms 3/4, north entrance</Description>"
        "<FacilityClass>fixedEquipment</FacilityClass>"
        "<ValidityCondition><Period><StartTime>2024-05-14T05:00:00Z</StartTime>"
        "<EndTime>2024-05-14T23:30:00Z</EndTime></Period></ValidityCondition>"
        "<FacilityLocation><LineRef>MN:Line:M2</LineRef><StopPointRef>MN:StopPoint:NORD-Q3</StopPointRef>"
        "<StopPlaceRef>MN:StopPlace:NORD</StopPlaceRef><OperatorRef>MN</OperatorRef></FacilityLocation>"
        "<AccessibilityAssesment><MobilityImpairedAccess>true</MobilityImpairedAccess></AccessibilityAssesment>"
        "<Limitations><WheelchairAccess>true</WheelchairAccess><StepFreeAccess>true</StepFreeAccess>"
        "<LiftFreeAccess>false</LiftFreeAccess></Limitations>"
        "<Suitabilities><Suitability><Suitable>suitable</Suitable>"
        "<UserNeed><MobilityNeed>wheelchair</MobilityNeed></UserNeed></Suitability></Suitabilities>"
        "</Facility>"
        "<FacilityStatus><Status>notAvailable</Status>"
        "<Description>Out of service for repairs; use the lift at the south entrance</Description>"
        "<AccessibilityAssessment><MobilityImpairedAccess>false</MobilityImpairedAccess></AccessibilityAssessment>"
        "</FacilityStatus>"
        f"<ValidityPeriod><StartTime>{_ts(rng)}</StartTime><EndTime>{_ts(rng)}</EndTime></ValidityPeriod>\n"
        f"{_extensions(rng, extension_items)}"
        "</FacilityCondition>\n"
        "</FacilityMonitoringDelivery>\n</Notification>\n</NotifyFacilityMonitoring>\n"
    )
    return SIRI_HEAD + body + SIRI_TAIL


def connection_monitoring(extension_items: int, seed: int = 31) -> str:
    rng = random.Random(seed)
    body = (
        "<NotifyConnectionMonitoring>\n" + _service_delivery_info(rng, "") +
        '<Notification>\n<ConnectionMonitoringFeederDelivery version="2.0">\n'
        f"<ResponseTimestamp>{_ts(rng)}</ResponseTimestamp>\n"
        "<SubscriptionRef>CM-FEEDER-HBF</SubscriptionRef>\n"
        "<MonitoredFeederArrival>"
        f"<RecordedAtTime>{_ts(rng)}</RecordedAtTime><ItemIdentifier>MFA-RE5-4711-HBF</ItemIdentifier>"
        "<InterchangeRef>HBF:Interchange:RE5-BUS12</InterchangeRef>"
        "<ConnectionLinkRef>HBF:ConnectionLink:Gl3-BusC</ConnectionLinkRef>"
        "<StopPointRef>HBF:StopPoint:Gl3</StopPointRef><Order>14</Order>"
        "<StropPointName>Hauptbahnhof Gleis 3</StropPointName>"
        "<FeederJourney><LineRef>RB:Line:RE5</LineRef><DirectionRef>south</DirectionRef>"
        "<FramedJourneyRef><DataFrameRef>2024-05-14</DataFrameRef>"
        "<DatedVehicleJourneyRef>RB:VehicleJourney:RE5-4711</DatedVehicleJourneyRef></FramedJourneyRef>"
        f"<Monitored>true</Monitored><AimedArrivalTime>{_ts(rng)}</AimedArrivalTime></FeederJourney>"
        f"<VehicleAtStop>false</VehicleAtStop><AimedArrivalTime>{_ts(rng)}</AimedArrivalTime>"
        f"<ExpectedArrivalTime>{_ts(rng)}</ExpectedArrivalTime>"
        "<NumberOfTransferPassengers>38</NumberOfTransferPassengers>\n"
        f"{_extensions(rng, extension_items)}"
        "</MonitoredFeederArrival>\n"
        "<MonitoredFeederArrivalCancellation>"
        f"<RecordedAtTime>{_ts(rng)}</RecordedAtTime><ItemRef>MFA-RB33-2210-HBF</ItemRef>"
        "<InterchangeRef>HBF:Interchange:RB33-BUS7</InterchangeRef>"
        "<ConnectionLinkRef>HBF:ConnectionLink:Gl5-BusA</ConnectionLinkRef>"
        "<StopPointRef>HBF:StopPoint:Gl5</StopPointRef><Order>9</Order>"
        "<StropPointName>Hauptbahnhof Gleis 5</StropPointName>"
        "<JourneyInfo><LineRef>RB:Line:RB33</LineRef><DirectionRef>north</DirectionRef>"
        "<VehicleMode>rail</VehicleMode><PublishedLineName>RB 33</PublishedLineName></JourneyInfo>"
        "<Reason>Train cancelled: signalling fault</Reason>"
        "</MonitoredFeederArrivalCancellation>\n"
        "</ConnectionMonitoringFeederDelivery>\n</Notification>\n</NotifyConnectionMonitoring>\n"
    )
    return SIRI_HEAD + body + SIRI_TAIL


DOCUMENTS = {
    "stop_monitoring_large": lambda: stop_monitoring(10_000),
    "vehicle_monitoring_large": lambda: vehicle_monitoring(10_000),
    "estimated_timetable_large": lambda: estimated_timetable(2_000, 20),
    "situation_exchange_large": lambda: situation_exchange(3_000),
    "production_timetable_large": lambda: production_timetable(24_000),
    "general_message_large": lambda: general_message(40_000, 20_000),
    "facility_monitoring_large": lambda: facility_monitoring(50_000),
    "connection_monitoring_large": lambda: connection_monitoring(50_000),
    "stop_monitoring_small": lambda: stop_monitoring(5),
    "vehicle_monitoring_small": lambda: vehicle_monitoring(5),
    "estimated_timetable_small": lambda: estimated_timetable(1, 10),
    "situation_exchange_small": lambda: situation_exchange(3),
    "production_timetable_small": lambda: production_timetable(8),
    "general_message_small": lambda: general_message(0, 3),
    "facility_monitoring_small": lambda: facility_monitoring(0),
    "connection_monitoring_small": lambda: connection_monitoring(0),
}
