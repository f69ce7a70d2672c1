// The star field's search along X finds exactly the stars a full scan does,
// in table order, once the table is rebuilt after it was written.
#include "core/star_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "core/runtime_error.h"

namespace sb {
namespace {

std::vector<int32_t> Scan(const StarTable& stars, float low, float high) {
  std::vector<int32_t> found;
  for (int32_t s = StarTable::kLow; s <= StarTable::kHigh; ++s) {
    const float x = stars[s].Quad[0].X;
    if (low < x && x < high) found.push_back(s);
  }
  return found;
}

std::vector<int32_t> Search(const StarTable& stars, float low, float high) {
  std::vector<int32_t> found;
  stars.ForEachInStrip(low, high, [&](int32_t s) { found.push_back(s); });
  return found;
}

TEST(StarTable, FindsWhatAFullScanFindsInTableOrderAfterEachRebuild) {
  auto stars = std::make_unique<StarTable>();
  std::mt19937 chance(5);
  std::uniform_int_distribution<int> position(-10002, 10001);
  for (int32_t s = StarTable::kLow; s <= StarTable::kHigh; ++s) {
    stars->Edit(s).Quad[0].X = static_cast<float>(position(chance));
  }
  // Ties and a corner exactly on a strip's edge.
  stars->Edit(7).Quad[0].X = 100;
  stars->Edit(19999).Quad[0].X = 100;
  stars->Rebuild();
  const StarTable& view = *stars;
  const float strips[][2] = {{-100, 300},     {100, 500},  {-300, 100}, {99.5f, 100.5f},
                             {-10500, -9800}, {9800, 1e9}, {5, 5},      {300, -100}};
  for (const auto& strip : strips) {
    EXPECT_EQ(Search(view, strip[0], strip[1]), Scan(view, strip[0], strip[1]))
        << strip[0] << " .. " << strip[1];
  }
  EXPECT_EQ(Search(view, 99.5f, 100.5f).front(), 7);
  EXPECT_EQ(Search(view, 99.5f, 100.5f).back(), 19999);

  // A star moved away and another moved in: searching before the rebuild
  // would read the old order, a fault; after it they are where they are now.
  stars->Edit(7).Quad[0].X = 1e6f;
  stars->Edit(3).Quad[0].X = 100;
  EXPECT_THROW(Search(view, 99.5f, 100.5f), GameError);
  stars->Rebuild();
  EXPECT_EQ(Search(view, 99.5f, 100.5f), Scan(view, 99.5f, 100.5f));
  EXPECT_EQ(Search(view, 99.5f, 100.5f).front(), 3);
}

}  // namespace
}  // namespace sb
