// The embedded word list, checked byte for byte against the form the loader
// and the pages rely on.
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "output_box.h"
#include "page_composer.h"
#include "phrase_list.h"
#include "recording_output_box.h"

namespace velqora {
namespace {

std::string gbk(const char* utf8) {
  std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("GBK", "UTF-8"), iconv_close);
  std::string in(utf8), out(in.size() * 2, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t srcLeft = in.size(), dstLeft = out.size();
  EXPECT_NE(iconv(cd.get(), &src, &srcLeft, &dst, &dstLeft), static_cast<std::size_t>(-1));
  out.resize(out.size() - dstLeft);
  return out;
}

// Decodes the whole text with the named code page; empty on any failure.
std::u32string decode(std::string_view text, const char* codePage) {
  std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("UTF-32LE", codePage), iconv_close);
  std::string in(text);
  std::u32string out(in.size(), U'\0');
  char* src = in.data();
  char* dst = reinterpret_cast<char*>(out.data());
  std::size_t srcLeft = in.size(), dstLeft = out.size() * sizeof(char32_t);
  if (iconv(cd.get(), &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return {};
  out.resize(out.size() - dstLeft / sizeof(char32_t));
  return out;
}

class BuiltInList : public testing::Test {
 protected:
  static void SetUpTestSuite() { loadPhraseList(); }
  static void TearDownTestSuite() { releasePhraseList(); }
  static std::string_view block() { return builtInPhraseBlock(); }
};

TEST_F(BuiltInList, HasTheExactSizeAndLineBreaks) {
  EXPECT_EQ(block().size(), 409150u);
  EXPECT_EQ(block().find('\0'), std::string_view::npos);
  EXPECT_EQ(std::count(block().begin(), block().end(), '\n'), 65302);
  EXPECT_EQ(block().substr(block().size() - 2), "\r\n");
  int lonelyCarriageReturns = 0;
  for (std::size_t i = 0; i < block().size(); ++i) {
    if (block()[i] == '\n') {
      ASSERT_EQ(block()[i - 1], '\r') << "LF without CR at " << i;
    }
    if (block()[i] == '\r' && block()[i + 1] != '\n') ++lonelyCarriageReturns;
  }
  EXPECT_EQ(lonelyCarriageReturns, 33);
}

TEST_F(BuiltInList, LoadsIntoTheProgramWideState) {
  EXPECT_EQ(phraseText.size(), 409150u);
  EXPECT_EQ(phraseLines.size(), 65302u);
  EXPECT_EQ(phraseLineCount, 65302);
  EXPECT_EQ(phraseLine(1), gbk("微信"));
  EXPECT_EQ(phraseLine(65302), gbk("緅"));
  for (auto empty : {3060, 15410, 28632}) EXPECT_EQ(phraseLine(empty), "") << empty;
  EXPECT_EQ(std::count(phraseLines.begin(), phraseLines.end(), ""), 3);
}

TEST_F(BuiltInList, HoldsTheFixedRows) {
  const std::map<int, const char*> rows = {
      {1, "微信"},         {2, "阿"},         {3, "阿鼻地狱"},   {4, "阿昌族"}, {5, "阿斗"},
      {6, "阿尔茨海默病"}, {7, "阿尔法粒子"}, {8, "阿尔法射线"}, {9, "阿飞"},   {10, "绿色"},
      {16, "原盘"},        {18, "蓝光"},      {28, "啊"},        {31, "啊"},    {33, "啊"},
      {34, "啊"},          {35, "啊"},        {65184, "酢"},     {65302, "緅"}};
  for (auto [line, word] : rows) EXPECT_EQ(phraseLine(line), gbk(word)) << "line " << line;
  EXPECT_EQ(std::count(phraseLines.begin(), phraseLines.end(), gbk("啊")), 5);
}

TEST_F(BuiltInList, HoldsTheIrregularLines) {
  int loneCr = 0, onlyQuestionMarks = 0, withQuestionMarks = 0;
  for (std::int32_t n = 1; n <= phraseLineCount; ++n) {
    auto line = phraseLine(n);
    ASSERT_LE(line.size(), n == 43949 ? 27u : 26u) << "line " << n;
    if (line == "\r") ++loneCr;
    auto marks = std::count(line.begin(), line.end(), '?');
    if (marks > 0 && static_cast<std::size_t>(marks) == line.size()) {
      ++onlyQuestionMarks;
      EXPECT_LE(marks, 4) << "line " << n;
    } else if (marks > 0) {
      ++withQuestionMarks;
    }
  }
  EXPECT_EQ(loneCr, 32);
  EXPECT_EQ(onlyQuestionMarks, 386);
  EXPECT_EQ(withQuestionMarks, 34);
  auto wordWithCr = phraseLine(43949);
  ASSERT_EQ(wordWithCr.size(), 5u);
  EXPECT_EQ(wordWithCr.back(), '\r');
  EXPECT_EQ(decode(wordWithCr.substr(0, 4), "GBK").size(), 2u);
}

TEST_F(BuiltInList, ReadsTheSameInGbkAndGb18030) {
  auto asGbk = decode(block(), "GBK");
  ASSERT_FALSE(asGbk.empty()) << "not valid GBK";
  EXPECT_EQ(asGbk, decode(block(), "GB18030"));
  // Every character is one or two bytes: no four-byte GB 18030 sequence.
  std::size_t characters = 0;
  for (std::size_t i = 0; i < block().size();
       i += static_cast<unsigned char>(block()[i]) >= 0x80 ? 2 : 1) {
    ++characters;
  }
  EXPECT_EQ(asGbk.size(), characters);
}

TEST_F(BuiltInList, EndsWithARunOfRareCharacters) {
  for (std::int32_t n = 65185; n <= 65302; ++n) {
    auto line = phraseLine(n);
    ASSERT_EQ(line.size(), 2u) << "line " << n;
    EXPECT_EQ(decode(line, "GBK").size(), 1u) << "line " << n;
    EXPECT_TRUE(decode(line, "GB2312").empty()) << "line " << n << " is in GB2312";
  }
  // The line before the run is an everyday character of GB2312.
  EXPECT_FALSE(decode(phraseLine(65184), "GB2312").empty());
}

TEST(WindowCreatedHandler, LoadsTheListAndWritesTheFirstPage) {
  testing_support::RecordingOutputBox box;
  onMainWindowCreated(box, box.pump());
  EXPECT_EQ(phraseLineCount, 65302);
  EXPECT_EQ(phraseLines.size(), 65302u);
  EXPECT_EQ(std::count(box.log.begin(), box.log.end(), "clear"), 0);
  EXPECT_EQ(std::count(box.log.begin(), box.log.end(), "pump"), LinesPerPage);
  EXPECT_EQ(std::count(box.text().begin(), box.text().end(), '\n'), LinesPerPage);
  releasePhraseList();
}

}  // namespace
}  // namespace velqora
