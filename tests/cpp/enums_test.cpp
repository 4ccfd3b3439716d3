// The twenty enumerations: exact accepted texts, variant names in the text form, and the
// message for a text that no variant accepts. Each element is read the way a record reads
// an enumeration field.
#include <gtest/gtest.h>

#include "support.hpp"

#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "enums/action.hpp"
#include "enums/arrival_status.hpp"
#include "enums/audience.hpp"
#include "enums/boarding_activity.hpp"
#include "enums/conditions.hpp"
#include "enums/departure_status.hpp"
#include "enums/end_time_precision.hpp"
#include "enums/end_time_status.hpp"
#include "enums/facility_availability.hpp"
#include "enums/facility_class.hpp"
#include "enums/occupancy.hpp"
#include "enums/progress_status.hpp"
#include "enums/quality_index.hpp"
#include "enums/scope_type.hpp"
#include "enums/sensitivity.hpp"
#include "enums/severity.hpp"
#include "enums/source_type.hpp"
#include "enums/vehicle_mode.hpp"
#include "enums/vehicule_feature.hpp"
#include "enums/verification_status.hpp"
#include "xml/reader.hpp"

namespace {

template <class T>
constexpr auto outcome = quaymark::testing::value_or_message<T>;

using namespace quaymark;


struct Case {
    std::string (*read)(std::string_view);
    const char* element;
    const char* expected;
};

using namespace quaymark::enums;

const Case kCases[] = {
    // Accepted texts, including the irregular ones, and the variant name each shows as.
    {outcome<VehicleMode>, "<VehicleMode>bus</VehicleMode>", "Bus"},
    {outcome<VehicleMode>, "<VehicleMode>underground</VehicleMode>", "Underground"},
    {outcome<VehicleFeature>, "<VehicleFeatureRef>longTrain</VehicleFeatureRef>", "LongTrain"},
    {outcome<BoardingActivity>, "<A>passThru</A>", "PassThru"},
    {outcome<BoardingActivity>, "<A>noBoarding</A>", "NoBoarding"},
    {outcome<Occupancy>, "<Occupancy>manySeatAvailable</Occupancy>", "ManySeatAvailable"},
    {outcome<Occupancy>, "<Occupancy>seatsAvailable</Occupancy>", "SeatsAvailable"},
    {outcome<Occupancy>, "<Occupancy>notAcceptingPassengers</Occupancy>", "NotAcceptingPassengers"},
    {outcome<ArrivalStatus>, "<S>missed</S>", "Missed"},
    {outcome<ArrivalStatus>, "<S>noReport</S>", "NoReport"},
    {outcome<DepartureStatus>, "<S>departed</S>", "Departed"},
    {outcome<DepartureStatus>, "<S>noReport</S>", "NoReport"},
    {outcome<ScopeType>, "<ScopeType>vehicleJourney</ScopeType>", "VehicleJourney"},
    {outcome<Sensivity>, "<Sensivity> high </Sensivity>", "High"},
    {outcome<Audience>, "<Audience>transportOperators</Audience>", "TransportOperators"},
    {outcome<SourceType>, "<SourceType>feed</SourceType>", "Feed"},
    {outcome<SourceType>, "<SourceType>tV</SourceType>", "TV"},
    {outcome<SourceType>, "<SourceType>other</SourceType>", "Other"},
    {outcome<Severity>, "<Severity>noImpact</Severity>", "NoImpact"},
    {outcome<Severity>, "<Severity>undefined</Severity>", "Undefined"},
    {outcome<Condition>, "<Condition>undefinedServiceInformation</Condition>", "UndefinedServiceInformation"},
    {outcome<Condition>, "<Condition>onTime</Condition>", "OnTime"},
    {outcome<QualityIndex>, "<QualityIndex>unconfirmed</QualityIndex>", "Unconfirmed"},
    {outcome<ProgressStatus>, "<Progress>closed</Progress>", "Closed"},
    {outcome<VerificationStatus>, "<Verification>verified</Verification>", "Verified"},
    {outcome<EndTimeStatus>, "<EndTimeStatus>shortTerm</EndTimeStatus>", "ShortTerm"},
    {outcome<EndTimePrecision>, "<EndTimePrecision>day</EndTimePrecision>", "Day"},
    {outcome<ActionStatus>, "<ActionStatus>inactive</ActionStatus>", "Inactive"},
    {outcome<FacilityClass>, "<FacilityClass>vehicle</FacilityClass>", "Vehicle"},
    {outcome<FacilityAvailability>, "<Status>partiallyAvailable</Status>", "PartiallyAvailable"},
    {outcome<FacilityAvailability>, "<Status>removed</Status>", "Removed"},

    // Entities are expanded and attributes ignored before matching.
    {outcome<VehicleMode>, "<VehicleMode>&#98;us</VehicleMode>", "Bus"},
    {outcome<VehicleMode>, "<VehicleMode a=\"1\" b='rail'>bus</VehicleMode>", "Bus"},
    {outcome<VehicleMode>, "<VehicleMode><![CDATA[tram]]></VehicleMode>", "Tram"},
    {outcome<VehicleMode>, "<VehicleMode>b<!-- joined -->us</VehicleMode>", "Bus"},
    {outcome<VehicleMode>, "<VehicleMode><![CDATA[ bus ]]></VehicleMode>",
     "unknown variant ` bus `, expected one of `air`, `bus`, `coach`, `ferry`, `metro`, `rail`, `tram`, `underground`"},

    // Every list, in its own order, with its own wording.
    {outcome<VehicleMode>, "<VehicleMode>Bus</VehicleMode>",
     "unknown variant `Bus`, expected one of `air`, `bus`, `coach`, `ferry`, `metro`, `rail`, `tram`, `underground`"},
    {outcome<VehicleFeature>, "<VehicleFeatureRef>LongTrain</VehicleFeatureRef>",
     "unknown variant `LongTrain`, expected `shortTrain` or `longTrain`"},
    {outcome<BoardingActivity>, "<A>passThrough</A>",
     "unknown variant `passThrough`, expected one of `alighting`, `noAlighting`, `passThru`, `boarding`, `noBoarding`"},
    {outcome<Occupancy>, "<Occupancy>manySeatsAvailable</Occupancy>",
     "unknown variant `manySeatsAvailable`, expected one of `full`, `seatsAvailable`, `standingAvailable`, "
     "`unknown`, `empty`, `manySeatAvailable`, `fewSeatAvailable`, `standingRoomOnly`, `crushStandingRoomOnly`, "
     "`notAcceptingPassengers`"},
    {outcome<ArrivalStatus>, "<ArrivalStatus>departed</ArrivalStatus>",
     "unknown variant `departed`, expected one of `onTime`, `missed`, `arrived`, `notExpected`, `delayed`, "
     "`early`, `cancelled`, `noReport`"},
    {outcome<DepartureStatus>, "<DepartureStatus>missed</DepartureStatus>",
     "unknown variant `missed`, expected one of `onTime`, `early`, `delayed`, `cancelled`, `arrived`, "
     "`departed`, `notExpected`, `noReport`"},
    {outcome<ScopeType>, "<ScopeType>stopplace</ScopeType>",
     "unknown variant `stopplace`, expected one of `general`, `operator`, `network`, `route`, `line`, `place`, "
     "`stopPlace`, `stopPoint`, `vehicleJourney`"},
    {outcome<Sensivity>, "<Sensivity>High</Sensivity>",
     "unknown variant `High`, expected one of `high`, `medium`, `low`"},
    {outcome<Audience>, "<Audience/>",
     "unknown variant `$text`, expected one of `public`, `emergencyService`, `authorities`, `transportOperators`"},
    {outcome<Audience>, "<Audience>$text</Audience>",
     "unknown variant `$text`, expected one of `public`, `emergencyService`, `authorities`, `transportOperators`"},
    {outcome<SourceType>, "<SourceType>TV</SourceType>",
     "unknown variant `TV`, expected one of `directReport`, `email`, `phone`, `post`, `feed`, `radio`, `tV`, "
     "`web`, `text`, `other`"},
    {outcome<SourceType>, "<SourceType>tv</SourceType>",
     "unknown variant `tv`, expected one of `directReport`, `email`, `phone`, `post`, `feed`, `radio`, `tV`, "
     "`web`, `text`, `other`"},
    {outcome<Severity>, "<Severity>0</Severity>",
     "unknown variant `0`, expected one of `unknown`, `slight`, `normal`, `severe`, `noImpact`, `undefined`"},
    {outcome<Condition>, "<Condition>undefined</Condition>",
     "unknown variant `undefined`, expected one of `unknown`, `altered`, `cancelled`, `delayed`, `diverted`, "
     "`noService`, `disrupted`, `additionalService`, `specialService`, `onTime`, `normalService`, "
     "`intermittentService`, `extendedService`, `splittingTrain`, `replacementTransport`, `arrivesEarly`, "
     "`shuttleService`, `replacementService`, `undefinedServiceInformation`"},
    {outcome<QualityIndex>, "<QualityIndex>veryreliable</QualityIndex>",
     "unknown variant `veryreliable`, expected one of `certain`, `veryReliable`, `reliable`, `unreliable`, "
     "`unconfirmed`"},
    {outcome<ProgressStatus>, "<Progress>Open</Progress>",
     "unknown variant `Open`, expected one of `open`, `published`, `closed`"},
    {outcome<VerificationStatus>, "<Verification>Verified</Verification>",
     "unknown variant `Verified`, expected one of `unknown`, `unverified`, `verified`"},
    {outcome<EndTimeStatus>, "<EndTimeStatus>long</EndTimeStatus>",
     "unknown variant `long`, expected one of `undefined`, `longTerm`, `shortTerm`"},
    {outcome<EndTimePrecision>, "<EndTimePrecision>seconds</EndTimePrecision>",
     "unknown variant `seconds`, expected one of `second`, `minute`, `hour`, `day`"},
    {outcome<ActionStatus>, "<ActionStatus>open</ActionStatus>",
     "unknown variant `open`, expected one of `unknown`, `active`, `inactive`"},
    {outcome<FacilityClass>, "<FacilityClass>Site</FacilityClass>",
     "unknown variant `Site`, expected one of `fixedEquipment`, `mobileEquipment`, `siteComponent`, `site`, "
     "`parkingBay`, `vehicle`"},
    {outcome<FacilityAvailability>, "<Status></Status>",
     "unknown variant `$text`, expected one of `unknown`, `available`, `notAvailable`, `partiallyAvailable`, "
     "`added`, `removed`"},

    // Empty content, white space only, escaped text in the message, a child element.
    {outcome<Sensivity>, "<Sensivity>  \n </Sensivity>",
     "unknown variant `$text`, expected one of `high`, `medium`, `low`"},
    {outcome<Sensivity>, "<Sensivity>&lt;low&gt;</Sensivity>",
     "unknown variant `<low>`, expected one of `high`, `medium`, `low`"},
    {outcome<Sensivity>, "<Sensivity>&#32;low</Sensivity>",
     "unknown variant ` low`, expected one of `high`, `medium`, `low`"},
    {outcome<VehicleMode>, "<VehicleMode><Bus/></VehicleMode>", "unexpected `Event::Start(\"Bus\")`"},
    {outcome<VehicleMode>, "<VehicleMode>bus<x:Bus/></VehicleMode>", "unexpected `Event::Start(\"x:Bus\")`"},
};

TEST(Enums, TextsVariantsAndMessages) {
    for (const Case& c : kCases) EXPECT_EQ(c.read(c.element), c.expected) << c.element;
}

}  // namespace
