// EstimatedVehicleJourney: one journey of an estimated timetable, with its calls still to come.
//
// It has a reader of its own, which names its entries itself: an attribute on the journey's
// element fails; there is no missing, duplicate or unknown field. "EstimatedCall" children are
// appended to the journey's calls, and a run of "EstimatedCalls" elements (each read as one
// call) replaces the calls collected so far. "EstimatedVehicleJourneyCode" and
// "VehicleJourneyName" are read as text (an error there fails the journey); the first gives the
// journey's identifier. Every other child named after a field is passed over as far as the
// document goes, and kept only when it reads cleanly: a text field takes the child's plain text,
// "ExtraJourney" a boolean, "FramedVehicleJourneyRef" its record; a child that does not read
// cleanly leaves its field absent without failing. Records without a reader of their own
// ("JourneyPatternInfo", "TrainNumbers", "RecordedCalls") stay absent or empty.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/framed_vehicle_journey_ref.hpp"
#include "structures/estimated_call.hpp"
#include "structures/journey_identifier.hpp"
#include "structures/journey_pattern_info.hpp"
#include "structures/recorded_call.hpp"
#include "structures/train_numbers.hpp"
#include "xml/reader.hpp"

namespace quaymark::models {

struct EstimatedVehicleJourney {
    std::string line_ref;
    std::optional<std::string> published_line_name;
    std::optional<std::string> direction_ref;
    std::optional<structures::JourneyIdentifier> journey_identifier;
    std::optional<std::string> dated_vehicule_journey_ref;
    std::optional<std::string> cancellation;
    std::optional<bool> extra_journey;
    std::optional<std::string> journey_pattern_name;
    std::optional<structures::JourneyPatternInfo> journey_pattern_info;
    std::optional<std::string> vehicle_mode;
    std::optional<std::string> origin_ref;
    std::optional<std::string> origin_name;
    std::optional<std::string> destination_ref;
    std::optional<std::string> destination_name;
    std::optional<std::string> operator_ref;
    std::optional<std::string> product_category_ref;
    std::optional<structures::TrainNumbers> train_numbers;
    std::optional<std::string> vehicule_journey_name;
    std::optional<std::string> origin_aimed_departure_time;
    std::optional<std::string> destination_aimed_arrival_time;
    std::vector<structures::RecordedCall> recorded_calls;
    std::vector<structures::EstimatedCall> estimated_calls;
    std::optional<FramedVehicleJourneyRef> framed_vehicle_journey_ref;
    std::optional<std::string> data_source;
    std::optional<std::string> vehicle_ref;
    std::optional<std::string> aimed_departure_time;
    std::optional<std::string> aimed_arrival_time;
    std::optional<std::string> journey_note;
    std::optional<std::string> headway_service;
    std::optional<std::string> first_or_last_journey;
    std::optional<std::string> disruption_group;
    std::optional<std::string> journey_progress_info;
};

// Reads one journey from the element whose start has just been consumed.
EstimatedVehicleJourney read_estimated_vehicle_journey(xml::Reader& r, const xml::Event& start);

}  // namespace quaymark::models

// The element names are those of the children the journey reader keeps (see above);
// `journey_identifier` is filled from "EstimatedVehicleJourneyCode".
template <>
struct quaymark::bind::Describe<quaymark::models::EstimatedVehicleJourney> {
    using T = models::EstimatedVehicleJourney;
    static constexpr std::string_view name = "EstimatedVehicleJourney";
    static constexpr std::string_view expected = "an XML element representing EstimatedVehicleJourney";
    static constexpr auto fields = std::tuple{
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::published_line_name>("published_line_name", "PublishedLineName"),
        field<&T::direction_ref>("direction_ref", "DirectionRef"),
        field<&T::journey_identifier>("journey_identifier"),
        field<&T::dated_vehicule_journey_ref>("dated_vehicule_journey_ref", "DatedVehiculeJourneyRef"),
        field<&T::cancellation>("cancellation", "Cancellation"),
        field<&T::extra_journey>("extra_journey", "ExtraJourney"),
        field<&T::journey_pattern_name>("journey_pattern_name", "JourneyPatternName"),
        field<&T::journey_pattern_info>("journey_pattern_info", "JourneyPatternInfo"),
        field<&T::vehicle_mode>("vehicle_mode", "VehicleMode"),
        field<&T::origin_ref>("origin_ref", "OriginRef"),
        field<&T::origin_name>("origin_name", "OriginName"),
        field<&T::destination_ref>("destination_ref", "DestinationRef"),
        field<&T::destination_name>("destination_name", "DestinationName"),
        field<&T::operator_ref>("operator_ref", "OperatorRef"),
        field<&T::product_category_ref>("product_category_ref", "ProductCategoryRef"),
        field<&T::train_numbers>("train_numbers", "TrainNumbers"),
        field<&T::vehicule_journey_name>("vehicule_journey_name", "VehiculeJourneyName"),
        field<&T::origin_aimed_departure_time>("origin_aimed_departure_time", "OriginAimedDepartureTime"),
        field<&T::destination_aimed_arrival_time>("destination_aimed_arrival_time", "DestinationAimedArrivalTime"),
        field<&T::recorded_calls>("recorded_calls", "RecordedCalls"),
        field<&T::estimated_calls>("estimated_calls", "EstimatedCalls"),
        field<&T::framed_vehicle_journey_ref>("framed_vehicle_journey_ref", "FramedVehicleJourneyRef"),
        field<&T::data_source>("data_source", "DataSource"),
        field<&T::vehicle_ref>("vehicle_ref", "VehicleRef"),
        field<&T::aimed_departure_time>("aimed_departure_time", "AimedDepartureTime"),
        field<&T::aimed_arrival_time>("aimed_arrival_time", "AimedArrivalTime"),
        field<&T::journey_note>("journey_note", "JourneyNote"),
        field<&T::headway_service>("headway_service", "HeadwayService"),
        field<&T::first_or_last_journey>("first_or_last_journey", "FirstOrLastJourney"),
        field<&T::disruption_group>("disruption_group", "DisruptionGroup"),
        field<&T::journey_progress_info>("journey_progress_info", "JourneyProgressInfo"),
    };
    static T read(xml::Reader& r, const xml::Event& start) { return models::read_estimated_vehicle_journey(r, start); }
};
