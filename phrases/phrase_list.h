// The built-in word list and the three program-wide values made from it:
// the list as one text, the text cut into lines, and the number of lines.
//
// All texts are code page 936 bytes. A byte of 0x80 or more opens a two-byte
// character, so a line break is only recognised where a character starts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velqora {

// Lines are views into phraseText: they stay valid exactly as long as the
// text they were cut from, and every load replaces both together. An empty
// line of the list is an empty (absent) member.
using LineList = std::vector<std::string_view>;

extern std::string phraseText;
extern LineList phraseLines;
extern std::int32_t phraseLineCount;

// The word list carried inside the executable, without a terminating NUL.
std::string_view builtInPhraseBlock();

// Cuts text at every CR LF that starts a character. A final CR LF does not
// make an empty last member.
LineList splitLines(std::string_view text);

// Number of LF bytes, plus one when the text does not end with LF.
std::int32_t countLines(std::string_view text);

// The three steps of a load, exposed one by one because window creation
// seeds the random source between the first and the second.
void makePhraseText(std::string_view block);
void splitPhraseText();
void countPhraseLines();

// All three steps at once.
void loadPhraseList(std::string_view block = builtInPhraseBlock());

// Returns the state to empty: no text, no lines, a count of 0.
void releasePhraseList();

// Member n of phraseLines, counted from 1; empty when n names no member.
std::string_view phraseLine(std::int32_t n);

}  // namespace velqora
