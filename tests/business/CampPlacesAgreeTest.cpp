// The business plug-in keeps its own copy of the camp places, as the two plug-ins share only
// the bridge: the copy names the camp's seven places, each once, and its delivery wagon stands
// at the camp it is numbered for; the rival camps belong to those places too.
#include "business/CampLocations.h"
#include "missions/CampComplex.h"
#include "site/CampLocation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace corvale;

namespace {
// The farthest a place's wagon stands from its camp (the widest camp puts it 9.4 m off).
constexpr float kWagonNearCamp = 15.0f;

float FlatDistance(const Vector3& a, const Vector3& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}
} // namespace

TEST(CampPlacesAgree, TheBusinessNumbersEveryCampPlaceOnceWithItsWagonAtThatCamp) {
    const auto places = CampLocations();
    ASSERT_EQ(places.size(), static_cast<size_t>(business::kCampLocationCount));
    std::set<int> numbers;
    for (const CampLocation& place : places) {
        const int number = business::CampLocationNumber(place.id);
        ASSERT_NE(number, 0) << "camp place " << place.id << " unknown to the business plug-in";
        numbers.insert(number);
        const business::WagonPlace* wagon = business::WagonPlaceAt(number);
        ASSERT_NE(wagon, nullptr);
        EXPECT_LT(FlatDistance(wagon->point, place.position), kWagonNearCamp)
            << "the wagon of place " << number << " stands away from camp " << place.id;
    }
    EXPECT_EQ(numbers.size(), places.size());
}

TEST(CampPlacesAgree, EveryRivalCampBelongsToACampPlace) {
    std::set<int32_t> ids;
    for (const CampLocation& place : CampLocations())
        ids.insert(place.id);
    ASSERT_FALSE(ComplexRows().empty());
    for (const ComplexRow& row : ComplexRows())
        EXPECT_TRUE(ids.count(row.locationId)) << "rival camp of unknown place " << row.locationId;
}
