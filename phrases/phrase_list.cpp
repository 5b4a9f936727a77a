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

// A plain loop with a narrow counter: compilers turn it into vector code,
// several times faster than std::count's pointer-sized one on this data.
std::size_t countLineFeeds(std::string_view text) {
  std::size_t total = 0;
  constexpr std::size_t Chunk = 1 << 16;  // a 32-bit counter cannot overflow
  for (std::size_t start = 0; start < text.size(); start += Chunk) {
    const auto end = std::min(text.size(), start + Chunk);
    std::uint32_t count = 0;
    for (std::size_t i = start; i < end; ++i) count += text[i] == LineFeed;
    total += count;
  }
  return total;
}

}  // namespace

LineList splitLines(std::string_view text) {
  LineList lines;
  if (text.empty()) return lines;
  // Every member but the last ends at a line feed: one allocation does.
  lines.reserve(countLineFeeds(text) + 1);
  std::size_t pieceStart = 0;
  std::size_t scan = 0;
  while (text.size() - scan >= 2) {
    if (opensDoubleByteCharacter(text[scan])) {
      // A lead byte takes its trail byte with it, so a trail byte of 0x0D is
      // never taken for the start of a line break.
      scan += 2;
    } else if (text[scan] == CarriageReturn && text[scan + 1] == LineFeed) {
      lines.push_back(text.substr(pieceStart, scan - pieceStart));
      scan += 2;
      pieceStart = scan;
    } else {
      ++scan;
    }
  }
  if (pieceStart < text.size()) lines.push_back(text.substr(pieceStart));
  return lines;
}

std::int32_t countLines(std::string_view text) {
  if (text.empty()) return 0;
  auto lineFeeds = countLineFeeds(text);
  if (text.back() != LineFeed) ++lineFeeds;
  return static_cast<std::int32_t>(lineFeeds);
}

void makePhraseText(std::string_view block) {
  // The text ends at the first NUL, as a C string would; the built-in block
  // has none, so this keeps all of it.
  auto text = block.substr(0, block.find('\0'));
  // The old lines point into the old text: they go with it.
  LineList().swap(phraseLines);
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
  // Swapping with empty containers gives their memory back; clearing would
  // keep it.
  LineList().swap(phraseLines);
  phraseLineCount = 0;
  std::string().swap(phraseText);
}

std::string_view phraseLine(std::int32_t n) {
  if (n < 1 || static_cast<std::size_t>(n) > phraseLines.size()) return {};
  return phraseLines[static_cast<std::size_t>(n) - 1];
}

}  // namespace velqora
