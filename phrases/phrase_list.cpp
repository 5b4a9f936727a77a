// Loading, splitting and counting of the word list.
#include "phrase_list.h"

#include <algorithm>

namespace velqora {

std::string phraseText;
LineList phraseLines;
std::int32_t phraseLineCount = 0;

namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';

bool opensDoubleByteCharacter(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

}  // namespace

LineList splitLines(std::string_view text) {
  LineList lines;
  std::size_t pieceStart = 0;
  std::size_t scan = 0;
  while (text.size() - scan >= 2) {
    if (text[scan] == CarriageReturn && text[scan + 1] == LineFeed) {
      lines.push_back(text.substr(pieceStart, scan - pieceStart));
      scan += 2;
      pieceStart = scan;
    } else {
      // Stepping over a lead byte together with its trail byte keeps a trail
      // byte of 0x0D from being taken for the start of a line break.
      scan += opensDoubleByteCharacter(text[scan]) ? 2 : 1;
    }
  }
  if (pieceStart < text.size()) lines.push_back(text.substr(pieceStart));
  return lines;
}

std::int32_t countLines(std::string_view text) {
  if (text.empty()) return 0;
  auto lineFeeds = std::count(text.begin(), text.end(), LineFeed);
  if (text.back() != LineFeed) ++lineFeeds;
  return static_cast<std::int32_t>(lineFeeds);
}

void makePhraseText(std::string_view block) {
  // The text ends at the first NUL, as a C string would; the built-in block
  // has none, so this keeps all of it.
  auto text = block.substr(0, block.find('\0'));
  // The old lines point into the old text: they go with it.
  phraseLines = LineList();
  phraseLineCount = 0;
  phraseText.assign(text.data(), text.size());
}

void splitPhraseText() { phraseLines = splitLines(phraseText); }

void countPhraseLines() { phraseLineCount = countLines(phraseText); }

void loadPhraseList(std::string_view block) {
  makePhraseText(block);
  splitPhraseText();
  countPhraseLines();
}

void releasePhraseList() {
  phraseLines = LineList();
  phraseLineCount = 0;
  phraseText = std::string();
}

std::string_view phraseLine(std::int32_t n) {
  if (n < 1 || static_cast<std::size_t>(n) > phraseLines.size()) return {};
  return phraseLines[static_cast<std::size_t>(n) - 1];
}

}  // namespace velqora
