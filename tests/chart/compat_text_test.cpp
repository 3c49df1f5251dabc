// 相性 in words and on paper: how the two people are named, and the printed
// page holding every relation of the most related pair of charts.
#include <gtest/gtest.h>

#include "output/compat_page.h"
#include "test_support.h"

namespace mireto {
namespace {

struct LabelCase {
  const char* a;
  const char* b;
  const char* labelA;
  const char* labelB;
};

class Labels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(Labels, NamesOrAAndB) {
  CompatSheet sheet;
  sheet.people[0].name = GetParam().a;
  sheet.people[1].name = GetParam().b;
  const auto labels = PersonLabels(sheet);
  EXPECT_EQ(labels[0], GetParam().labelA);
  EXPECT_EQ(labels[1], GetParam().labelB);
}

INSTANTIATE_TEST_SUITE_P(
    Compat, Labels,
    ::testing::Values(LabelCase{"山田花子", "佐藤太郎", "山田花子", "佐藤太郎"}, LabelCase{"", "佐藤太郎", "A", "B"},
                      LabelCase{"同姓同名", "同姓同名", "A", "B"},
                      LabelCase{"寿限無寿限無五劫の擦り切れ", "寿限無寿限無五劫の擦り切れず", "A", "B"},
                      LabelCase{"寿限無寿限無五劫の擦り切れ", "Bob", "寿限無寿限無五劫…", "Bob"}));

// Two charts of one pillar four times over stand in every relation sixteen
// times (here 寅申 in 冲 and 刑, 甲己 in 干合): the page still holds all of
// it, within its margins.
TEST(CompatPage, TheMostRelatedPairFitsOnePage) {
  Chart a = test::Compute(test::Birth(2000, 1, 1, 12, 0));
  Chart b = a;
  for (const Pillar p : kPillars) {
    a.record.stems[p] = stems::甲;
    a.record.branches[p] = branches::寅;
    b.record.stems[p] = stems::己;
    b.record.branches[p] = branches::申;
  }
  const CompatSheet sheet = MakeCompatSheet({"山田花子", "2000年1月1日 12時0分 女 時差 0分0秒", &a, true},
                                            {"佐藤太郎", "1989年8月21日 14時27分 男 時差 -5分30秒", &b, true});
  ASSERT_EQ(sheet.compat.relations.size(), 48u);
  for (const page::PaperSize paper : {page::PaperSize::A4, page::PaperSize::Letter}) {
    const page::Document document = CompatDocument(sheet, paper);
    ASSERT_EQ(document.pages.size(), 1u);
    const std::vector<std::string> lines = page::TextLines(document.pages[0]);
    for (const std::string& relation : CompatRelationLines(sheet)) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), relation), lines.end()) << relation;
    }
    const page::Size size = page::PaperDimensions(paper);
    for (const page::Item& item : document.pages[0].items) {
      if (const auto* text = std::get_if<page::Text>(&item)) {
        EXPECT_LE(text->box.bottom(), size.height - 14.9) << text->lines.front();
        EXPECT_LE(text->box.right(), size.width - 14.9) << text->lines.front();
      }
    }
  }
}

}  // namespace
}  // namespace mireto
