// Pages written into a recording box: their shape, their lines, nesting when
// a click arrives mid-page, and stopping when the window goes away.
#include "page_composer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "phrase_list.h"
#include "recording_output_box.h"

namespace velqora {
namespace {

using testing_support::RecordingOutputBox;

const std::string Suffix(PhraseSuffix);

// Lines of the box's text, each still carrying its CR LF.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end + 2 - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "text ends inside a line";
  return lines;
}

class PageComposer : public testing::Test {
 protected:
  void SetUp() override { RandomSource().seed(2024); }
  void TearDown() override { releasePhraseList(); }
};

TEST_F(PageComposer, SuffixIsPingAnThenCrLf) {
  EXPECT_EQ(PhraseSuffix, std::string_view("\xC6\xBD\xB0\xB2\x0D\x0A", 6));
  EXPECT_EQ(LinesPerPage, 10);
}

TEST_F(PageComposer, APageIsTenAppendsEachFollowedByOnePump) {
  loadPhraseList("\xB0\xA2\r\n\xB0\xA1\r\nabc\r\n");
  RecordingOutputBox box;
  composePage(box, box.pump());

  ASSERT_EQ(box.log.size(), 20u);
  std::set<std::string> members = {"\xB0\xA2", "\xB0\xA1", "abc"};
  for (std::size_t i = 0; i < box.log.size(); i += 2) {
    const auto& append = box.log[i];
    ASSERT_EQ(append.rfind("append:", 0), 0u) << append;
    auto written = append.substr(7);
    ASSERT_GE(written.size(), Suffix.size());
    EXPECT_EQ(written.substr(written.size() - Suffix.size()), Suffix);
    EXPECT_TRUE(members.count(written.substr(0, written.size() - Suffix.size()))) << written;
    EXPECT_EQ(box.log[i + 1], "pump");
  }
  EXPECT_EQ(linesOf(box.text()).size(), 10u);
}

TEST_F(PageComposer, AClickClearsFirstThenWritesOnePage) {
  loadPhraseList("a\r\nb\r\n");
  RecordingOutputBox box;
  box.appendText("typed by the user");
  box.log.clear();

  onAnotherPageClicked(box, box.pump());

  ASSERT_EQ(box.log.size(), 21u);
  EXPECT_EQ(box.log.front(), "clear");
  EXPECT_EQ(std::count(box.log.begin(), box.log.end(), "pump"), 10);
  EXPECT_EQ(box.text().find("typed"), std::string::npos);
  EXPECT_EQ(linesOf(box.text()).size(), 10u);
}

struct IrregularLine {
  const char* name;
  std::string list;
  std::string written;
};

class IrregularLines : public PageComposer, public testing::WithParamInterface<IrregularLine> {};

TEST_P(IrregularLines, AreWrittenAsTheyStand) {
  loadPhraseList(GetParam().list);
  RecordingOutputBox box;
  composePage(box, box.pump());
  std::string page;
  for (int i = 0; i < LinesPerPage; ++i) page += GetParam().written;
  EXPECT_EQ(box.text(), page);
}

INSTANTIATE_TEST_SUITE_P(Lists, IrregularLines,
                         testing::Values(IrregularLine{"EmptyLine", "\r\n", Suffix},
                                         IrregularLine{"LoneCr", "\r\r\n", "\r" + Suffix},
                                         IrregularLine{"QuestionMarks", "??\r\n", "??" + Suffix},
                                         IrregularLine{"NoFinalLineBreak", "\xB0\xA2",
                                                       "\xB0\xA2" + Suffix}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageComposer, DrawsReachEveryLineOfTheList) {
  loadPhraseList("1\r\n2\r\n3\r\n4\r\n5\r\n");
  RecordingOutputBox box;
  for (int page = 0; page < 20; ++page) composePage(box, [] {});
  std::set<std::string> seen;
  for (const auto& line : linesOf(box.text())) seen.insert(line.substr(0, 1));
  EXPECT_EQ(seen, (std::set<std::string>{"1", "2", "3", "4", "5"}));
}

// A click handled while turn j of a page is pumping events nests a whole
// page; the interrupted one then appends its remaining turns after it.
class ClickDuringTurn : public PageComposer, public testing::WithParamInterface<int> {};

TEST_P(ClickDuringTurn, LeavesTheNestedPageThenTheRest) {
  const int clickTurn = GetParam();
  loadPhraseList("n\r\n");
  RecordingOutputBox box;
  int pumps = 0;
  bool clicked = false;
  PendingEventPump pump = [&] {
    if (++pumps == clickTurn && !clicked) {
      clicked = true;
      box.appendText("typed\r\n");
      onAnotherPageClicked(box, pump);
    }
  };
  composePage(box, pump);

  EXPECT_EQ(linesOf(box.text()).size(), static_cast<std::size_t>(20 - clickTurn));
  EXPECT_EQ(box.text().find("typed"), std::string::npos);
  // Everything after the clear: ten nested appends, then the rest of the page.
  auto clear = std::find(box.log.begin(), box.log.end(), "clear");
  ASSERT_NE(clear, box.log.end());
  EXPECT_EQ(std::count(clear, box.log.end(), "append:n" + Suffix), 20 - clickTurn);
}

INSTANTIATE_TEST_SUITE_P(Turns, ClickDuringTurn, testing::Range(1, 11));

TEST_F(PageComposer, ClicksOnEveryTurnNestOnlySoDeepAndLeaveWholeLines) {
  loadPhraseList("n\r\n");
  RecordingOutputBox box;
  int depth = 0, deepest = 0, clicks = 0;
  PendingEventPump pump = [&] {
    // Every pump finds another click queued, as under a flood.
    if (++clicks > 100000) return;
    ++depth;
    deepest = std::max(deepest, depth);
    onAnotherPageClicked(box, pump);
    --depth;
  };
  onAnotherPageClicked(box, pump);

  // The pump of page k runs at depth k; the click at the deepest is absorbed.
  EXPECT_EQ(deepest, MaxNestedPages);
  auto lines = linesOf(box.text());
  EXPECT_GE(lines.size(), static_cast<std::size_t>(LinesPerPage));
  for (const auto& line : lines) EXPECT_EQ(line, "n" + Suffix);
  // Below the limit, nesting still works as before: see ClickDuringTurn.
}

class WindowClosedDuringTurn : public PageComposer, public testing::WithParamInterface<int> {};

TEST_P(WindowClosedDuringTurn, StopsThePageAtOnce) {
  const int closeTurn = GetParam();
  loadPhraseList("n\r\n");
  RecordingOutputBox box;
  int pumps = 0;
  composePage(box, box.pump([&] {
    if (++pumps == closeTurn) box.destroy();
  }));
  EXPECT_EQ(std::count(box.log.begin(), box.log.end(), "pump"), closeTurn);
  EXPECT_EQ(linesOf(box.text()).size(), static_cast<std::size_t>(closeTurn));
  EXPECT_EQ(box.log.back(), "pump");
}

INSTANTIATE_TEST_SUITE_P(Turns, WindowClosedDuringTurn, testing::Values(1, 5, 10));

TEST(DrawBetween, StaysInsideBothEndsIncluded) {
  RandomSource().seed(7);
  struct Range {
    std::int32_t low, high;
  };
  for (auto [low, high] : {Range{1, 1}, Range{1, 2}, Range{-3, 3}, Range{1, 65302}}) {
    std::int32_t lowest = high, highest = low;
    for (int i = 0; i < 200000; ++i) {
      auto n = drawBetween(low, high);
      ASSERT_GE(n, low);
      ASSERT_LE(n, high);
      lowest = std::min(lowest, n);
      highest = std::max(highest, n);
    }
    EXPECT_EQ(lowest, low);
    EXPECT_EQ(highest, high);
  }
}

TEST(DrawBetween, IsUniform) {
  RandomSource().seed(12345);
  constexpr int Buckets = 10;
  constexpr int Draws = 100000;
  std::map<std::int32_t, int> seen;
  for (int i = 0; i < Draws; ++i) ++seen[drawBetween(1, Buckets)];
  double expected = static_cast<double>(Draws) / Buckets;
  double chiSquare = 0;
  for (int value = 1; value <= Buckets; ++value) {
    double diff = seen[value] - expected;
    chiSquare += diff * diff / expected;
  }
  // 9 degrees of freedom: 33.7 is the 0.01% tail, so a sound draw passes.
  EXPECT_LT(chiSquare, 33.7);
}

}  // namespace
}  // namespace velqora
