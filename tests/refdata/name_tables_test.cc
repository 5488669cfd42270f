// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "refdata/category_table.h"
#include "refdata/name_table.h"

namespace kestrum {
namespace {

// The four ranges of the NameTable sit back to back; an off-by-one in a range
// start shows at the first and last entry of each range.
TEST(NameTableTest, RangesStartAndEndWhereTheyShould) {
  const struct {
    std::string_view (*lookUp)(int);
    const char* what;
    int index;
    std::string_view name;
  } cases[] = {
      {BandName, "band", 0, ""},
      {BandName, "band", 1, "160M"},
      {BandName, "band", 12, "1.25M"},
      {BandName, "band", 21, "LHT"},
      {BandName, "band", 22, ""},
      {BandName, "band", -1, ""},
      {ContestCode, "contest", 0, "CQWW"},
      {ContestCode, "contest", 5, "AR10"},
      {ContestCode, "contest", 26, "NEQP"},
      {ContestCode, "contest", 27, "NEQP_N"},
      {ContestCode, "contest", 28, ""},
      {ContestCode, "contest", 29, ""},
      {ContestCode, "contest", -1, ""},
      {ContestCode, "contest", 255, ""},
      {HeaderModeName, "header mode", 0, ""},
      {HeaderModeName, "header mode", 1, "CW"},
      {HeaderModeName, "header mode", 3, "RTY"},
      {HeaderModeName, "header mode", 4, "FM"},
      {HeaderModeName, "header mode", 5, ""},
      {AdifModeName, "ADIF mode", 0, ""},
      {AdifModeName, "ADIF mode", 3, "RTTY"},
      {AdifModeName, "ADIF mode", 4, "FM"},
      {AdifModeName, "ADIF mode", 5, ""},
      {AdifModeName, "ADIF mode", -1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.lookUp(c.index), c.name) << c.what << " " << c.index;
  }
}

TEST(NameTableTest, OnlyTheNoValueEntriesAreEmptyAndCodesAreUnique) {
  ASSERT_EQ(NameTable.size(), 60u);
  const std::set<int> noValue = {0, kHeaderModeNameStart, kAdifModeNameStart};
  for (int i = 0; i < kNameTableSize; ++i) {
    EXPECT_EQ(NameTable[static_cast<std::size_t>(i)].empty(),
              noValue.count(i) == 1)
        << "entry " << i;
  }
  std::set<std::string_view> bands;
  std::set<std::string_view> contests;
  for (int i = 0; i < kBandNameCount; ++i) bands.insert(BandName(i));
  for (int i = 0; i < kContestCodeCount; ++i) contests.insert(ContestCode(i));
  EXPECT_EQ(bands.size(), static_cast<std::size_t>(kBandNameCount));
  EXPECT_EQ(contests.size(), static_cast<std::size_t>(kContestCodeCount));
}

// Old logs number their categories from entry 8, so both halves must hold
// the single-operator texts at their starts.
TEST(CategoryTableTest, TextOfEntry) {
  const struct {
    int entry;
    std::string_view text;
  } cases[] = {
      {0, "SO"},  {4, "MM"},  {7, "SC"},  {8, "SO"}, {12, "MM"}, {13, "QRP"},
      {15, "HP"}, {18, "SB"}, {19, "SC"}, {20, ""},  {-1, ""},   {255, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CategoryText(c.entry), c.text) << "entry " << c.entry;
  }
}

}  // namespace
}  // namespace kestrum
