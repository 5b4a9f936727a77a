// Splitting and counting against the irregular texts the word list holds and
// the malformed ones it could be fed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phrase_list.h"

namespace velqora {
namespace {

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> members;
  std::int32_t count;
};

class SplitAndCount : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitAndCount, GivesTheMembersAndTheLineCount) {
  const auto& c = GetParam();
  auto lines = splitLines(c.text);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), c.members);
  EXPECT_EQ(countLines(c.text), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitAndCount,
    testing::Values(
        SplitCase{"Empty", "", {}, 0}, SplitCase{"NoFinalLineBreak", "a\r\nbc", {"a", "bc"}, 2},
        SplitCase{"FinalLineBreakMakesNoEmptyMember", "a\r\nbc\r\n", {"a", "bc"}, 2},
        SplitCase{"EmptyLineIsAnAbsentMember", "a\r\n\r\nb", {"a", "", "b"}, 3},
        SplitCase{"LoneCrStaysInItsLine", "a\r\r\nb\r\n", {"a\r", "b"}, 2},
        SplitCase{"LineBreakAlone", "\r\n", {""}, 1}, SplitCase{"LoneCrLine", "\r\r\n", {"\r"}, 1},
        SplitCase{"LoneLfIsNoSeparator", "a\nb\r\n", {"a\nb"}, 2},
        SplitCase{"DoubleByteCharacters",
                  "\xB0\xA2\r\n\xC6\xBD\xB0\xB2\r\n",
                  {"\xB0\xA2", "\xC6\xBD\xB0\xB2"},
                  2},
        // A trail byte of 0x0D is part of its character, never a separator.
        SplitCase{"TrailCrSteppedOverWhole", "\xB0\r\nx\r\n", {"\xB0\r\nx"}, 2},
        SplitCase{"TrailCrAfterTrailByteBelow0x80", "\x81@\r\nx", {"\x81@", "x"}, 2},
        SplitCase{"LeadByteAtTheVeryEnd", "a\r\n\xB0", {"a", "\xB0"}, 2},
        SplitCase{"LeadByteSwallowsTheCrOfTheLastBreak", "a\xB0\r\n", {"a\xB0\r\n"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhraseListState, LoadFillsAllThreeAndReleaseEmptiesThem) {
  loadPhraseList("one\r\n\r\n\xB0\xA2\r\n");
  EXPECT_EQ(phraseText, "one\r\n\r\n\xB0\xA2\r\n");
  EXPECT_EQ(phraseLineCount, 3);
  ASSERT_EQ(phraseLines.size(), 3u);
  EXPECT_EQ(phraseLine(1), "one");
  EXPECT_EQ(phraseLine(2), "");
  EXPECT_EQ(phraseLine(3), "\xB0\xA2");

  // A second load replaces everything; no line may still point at old text.
  loadPhraseList("x\r\n");
  EXPECT_EQ(phraseLineCount, 1);
  ASSERT_EQ(phraseLines.size(), 1u);
  EXPECT_EQ(phraseLines[0].data(), phraseText.data());

  releasePhraseList();
  EXPECT_TRUE(phraseText.empty());
  EXPECT_TRUE(phraseLines.empty());
  EXPECT_EQ(phraseLineCount, 0);
}

TEST(PhraseListState, TextEndsAtTheFirstNul) {
  loadPhraseList(std::string_view("a\r\nb\0c\r\n", 8));
  EXPECT_EQ(phraseText, "a\r\nb");
  EXPECT_EQ(phraseLineCount, 2);
  releasePhraseList();
}

TEST(PhraseListState, LinesOutsideTheListAreAbsent) {
  loadPhraseList("a\r\n");
  EXPECT_EQ(phraseLine(0), "");
  EXPECT_EQ(phraseLine(2), "");
  releasePhraseList();
}

}  // namespace
}  // namespace velqora
