// ServiceInfoGroup: the operator, product category and features of a journey. It has no
// element of its own: a dated vehicle journey forms it from the children it leaves over.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/vehicule_feature.hpp"

namespace quaymark::structures {

struct ServiceInfoGroup {
    std::optional<std::string> operator_ref;
    std::optional<std::string> product_category_ref;
    std::vector<std::string> service_feature_ref;
    std::vector<enums::VehicleFeature> vehicle_feature_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ServiceInfoGroup> {
    using T = structures::ServiceInfoGroup;
    static constexpr std::string_view name = "ServiceInfoGroup";
    static constexpr auto fields = std::tuple{
        field<&T::operator_ref>("operator_ref", "OperatorRef"),
        field<&T::product_category_ref>("product_category_ref", "ProductCategoryRef"),
        field<&T::service_feature_ref>("service_feature_ref", "ServiceFeatureRef"),
        field<&T::vehicle_feature_ref>("vehicle_feature_ref", "VehicleFeatureRef"),
    };
};
