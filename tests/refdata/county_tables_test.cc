// SPDX-License-Identifier: MIT
#include "refdata/county_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace kestrum {
namespace {

// Byte order as the C library compares texts, written out here rather than
// borrowed from the code under test.
int CompareBytes(std::string_view a, std::string_view b) {
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
      });
  if (less) return -1;
  return a == b ? 0 : 1;
}

// Checks that the keys ascend strictly, apart from the equal pairs listed.
template <typename Row>
void ExpectSortedByKey(std::span<const Row> table,
                       std::set<std::string_view> allowedDuplicates = {}) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    const std::string_view previous = table[i - 1].key;
    const std::string_view key = table[i].key;
    const int order = CompareBytes(previous, key);
    if (order == 0 && allowedDuplicates.count(key) != 0) continue;
    EXPECT_LT(order, 0) << "row " << i << ": \"" << previous << "\" then \""
                        << key << "\"";
  }
}

template <typename Row>
void ExpectUpperCaseKeys(std::span<const Row> table) {
  for (const Row& row : table) {
    EXPECT_FALSE(row.key.empty());
    EXPECT_TRUE(std::all_of(row.key.begin(), row.key.end(),
                            [](char c) { return c >= 'A' && c <= 'Z'; }))
        << "key \"" << row.key << "\"";
  }
}

TEST(CountyTablesTest, TablesHaveTheirSizesAndAscendingKeys) {
  EXPECT_EQ(CaliforniaCountyTable().size(), 136u);
  EXPECT_EQ(FloridaCountyTable().size(), 69u);
  EXPECT_EQ(NewEnglandCountyTable().size(), 134u);
  EXPECT_EQ(WesternCountyTable().size(), 258u);
  ExpectSortedByKey(CaliforniaCountyTable());
  ExpectSortedByKey(FloridaCountyTable());
  ExpectSortedByKey(NewEnglandCountyTable(), {"FRAM"});
  ExpectSortedByKey(WesternCountyTable());
  ExpectUpperCaseKeys(CaliforniaCountyTable());
  ExpectUpperCaseKeys(FloridaCountyTable());
  ExpectUpperCaseKeys(NewEnglandCountyTable());
  ExpectUpperCaseKeys(WesternCountyTable());
}

TEST(CountyTablesTest, CountiesHaveTheirNumberOfKeys) {
  std::set<std::string_view> california;
  for (const CountyPair& row : CaliforniaCountyTable()) {
    california.insert(row.county);
  }
  EXPECT_EQ(california.size(), 58u);

  std::map<std::string_view, int> florida;
  for (const CountyPair& row : FloridaCountyTable()) ++florida[row.county];
  EXPECT_EQ(florida.size(), 67u);
  EXPECT_EQ(florida["Manatee"], 3);

  // Every New England county has exactly one three- and one four-letter key.
  std::map<std::pair<std::string_view, std::string_view>, std::string> lengths;
  for (const CountyTriple& row : NewEnglandCountyTable()) {
    lengths[{row.state, row.county}] += std::to_string(row.key.size());
  }
  EXPECT_EQ(lengths.size(), 67u);
  for (const auto& [county, keyLengths] : lengths) {
    EXPECT_TRUE(keyLengths == "34" || keyLengths == "43")
        << county.second << ", " << county.first << ": " << keyLengths;
  }

  // Western keys are the state code and a three-letter county code.
  std::map<std::string_view, int> rowsPerState;
  for (const CountyTriple& row : WesternCountyTable()) {
    EXPECT_EQ(row.key.size(), 5u) << row.key;
    EXPECT_EQ(row.key.substr(0, 2), row.state) << row.key;
    ++rowsPerState[row.state];
  }
  const std::map<std::string_view, int> expected = {
      {"AZ", 15}, {"ID", 44}, {"MT", 56}, {"NV", 16},
      {"OR", 36}, {"UT", 29}, {"WA", 39}, {"WY", 23}};
  EXPECT_EQ(rowsPerState, expected);
}

TEST(CountyTablesTest, EveryKeyFindsItsRow) {
  for (const CountyPair& row : CaliforniaCountyTable()) {
    EXPECT_EQ(FindCaliforniaCounty(std::string(row.key)), row.county)
        << row.key;
  }
  for (const CountyPair& row : FloridaCountyTable()) {
    EXPECT_EQ(FindFloridaCounty(std::string(row.key)), row.county) << row.key;
  }
  for (const CountyTriple& row : NewEnglandCountyTable()) {
    if (row.key == "FRAM" && row.state == "MA") continue;  // Reached by FRA.
    const std::optional<CountyMatch> match =
        FindNewEnglandCounty(std::string(row.key));
    ASSERT_TRUE(match.has_value()) << row.key;
    EXPECT_EQ(match->state, row.state) << row.key;
    EXPECT_EQ(match->county, row.county) << row.key;
  }
  for (const CountyTriple& row : WesternCountyTable()) {
    const std::optional<CountyMatch> match =
        FindWesternCounty(std::string(row.key));
    ASSERT_TRUE(match.has_value()) << row.key;
    EXPECT_EQ(match->state, row.state) << row.key;
    EXPECT_EQ(match->county, row.county) << row.key;
  }
}

// The duplicate FRAM is decided by the search's probe order (rows 66, 32, 49,
// 40): it finds the second of the two rows, so Franklin MA must stand first.
TEST(CountyTablesTest, DuplicateKeyFramFindsFranklinMaine) {
  const std::span<const CountyTriple> table = NewEnglandCountyTable();
  ASSERT_EQ(table.size(), 134u);
  EXPECT_EQ(table[39].key, "FRAM");
  EXPECT_EQ(table[39].state, "MA");
  EXPECT_EQ(table[40].key, "FRAM");
  EXPECT_EQ(table[40].state, "ME");
}

enum class Party { kCalifornia, kFlorida, kNewEngland, kWestern };

std::optional<CountyMatch> LookUp(Party party, std::string_view key) {
  switch (party) {
    case Party::kCalifornia:
      if (auto county = FindCaliforniaCounty(key)) return {{"CA", *county}};
      return std::nullopt;
    case Party::kFlorida:
      if (auto county = FindFloridaCounty(key)) return {{"FL", *county}};
      return std::nullopt;
    case Party::kNewEngland:
      return FindNewEnglandCounty(key);
    case Party::kWestern:
      return FindWesternCounty(key);
  }
  return std::nullopt;
}

TEST(CountyTablesTest, LooksUpKeys) {
  const struct {
    Party party;
    std::string_view key;
    const char* state;  // nullptr: not found.
    const char* county;
  } cases[] = {
      // First and last row of every table.
      {Party::kCalifornia, "ALA", "CA", "Alameda"},
      {Party::kCalifornia, "YUBA", "CA", "Yuba"},
      {Party::kFlorida, "ALC", "FL", "Alachua"},
      {Party::kFlorida, "WAL", "FL", "Walton"},
      {Party::kNewEngland, "ADD", "VT", "Addison"},
      {Party::kNewEngland, "YORM", "ME", "York"},
      {Party::kWestern, "AZAPH", "AZ", "Apache"},
      {Party::kWestern, "WYWES", "WY", "Weston"},
      // Several keys for one county.
      {Party::kCalifornia, "LAX", "CA", "Los Angeles"},
      {Party::kCalifornia, "LOS", "CA", "Los Angeles"},
      {Party::kCalifornia, "LANG", "CA", "Los Angeles"},
      {Party::kCalifornia, "LAN", "CA", "Los Angeles"},
      {Party::kCalifornia, "SF", "CA", "San Francisco"},
      {Party::kCalifornia, "SL", "CA", "San Luis Obispo"},
      {Party::kFlorida, "DAD", "FL", "Miami-Dade"},
      {Party::kFlorida, "MAN", "FL", "Manatee"},
      {Party::kFlorida, "MAT", "FL", "Manatee"},
      {Party::kFlorida, "MTE", "FL", "Manatee"},
      {Party::kNewEngland, "ESV", "VT", "Essex"},
      {Party::kNewEngland, "ESSV", "VT", "Essex"},
      {Party::kNewEngland, "ESM", "MA", "Essex"},
      {Party::kNewEngland, "ESSM", "MA", "Essex"},
      {Party::kNewEngland, "KNT", "RI", "Kent"},
      {Party::kNewEngland, "KENR", "RI", "Kent"},
      {Party::kNewEngland, "FRA", "MA", "Franklin"},
      {Party::kNewEngland, "FRE", "ME", "Franklin"},
      {Party::kNewEngland, "FRAM", "ME", "Franklin"},
      {Party::kWestern, "WAKNG", "WA", "King"},
      {Party::kWestern, "MTLEW", "MT", "Lewis & Clark"},
      // Not found: wrong case, trailing blank, another table's key.
      {Party::kCalifornia, "lax", nullptr, nullptr},
      {Party::kCalifornia, "LAX ", nullptr, nullptr},
      {Party::kCalifornia, "LA", nullptr, nullptr},
      {Party::kCalifornia, "CA", nullptr, nullptr},
      {Party::kCalifornia, "", nullptr, nullptr},
      {Party::kFlorida, "FL", nullptr, nullptr},
      {Party::kFlorida, "MTEE", nullptr, nullptr},
      {Party::kFlorida, "ZZZ", nullptr, nullptr},
      {Party::kNewEngland, "WAKNG", nullptr, nullptr},
      {Party::kNewEngland, "AAA", nullptr, nullptr},
      {Party::kWestern, "AZXXX", nullptr, nullptr},
      {Party::kWestern, "KNG", nullptr, nullptr},
      {Party::kWestern, "WAKNGX", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<CountyMatch> match = LookUp(c.party, c.key);
    if (c.state == nullptr) {
      EXPECT_FALSE(match.has_value())
          << "key \"" << c.key << "\" gave " << match->county;
      continue;
    }
    ASSERT_TRUE(match.has_value()) << "key \"" << c.key << "\"";
    EXPECT_EQ(match->state, c.state) << "key \"" << c.key << "\"";
    EXPECT_EQ(match->county, c.county) << "key \"" << c.key << "\"";
  }
}

}  // namespace
}  // namespace kestrum
