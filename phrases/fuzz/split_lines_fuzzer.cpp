// Feeds splitLines and countLines arbitrary bytes: malformed double-byte
// sequences, lone CRs and LFs, a lead byte at the very end. Nothing may read
// past the text; splitLines must cut exactly where a plain character-by-
// character scan cuts; and for valid text the two must agree on the count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "phrase_list.h"

namespace {

bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

// The splitter at its plainest: step through the text a character at a time
// and cut at every CR LF found where a character starts.
std::vector<std::string_view> referenceSplit(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pieceStart = 0, scan = 0;
  while (text.size() - scan >= 2) {
    if (text[scan] == '\r' && text[scan + 1] == '\n') {
      lines.push_back(text.substr(pieceStart, scan - pieceStart));
      scan += 2;
      pieceStart = scan;
    } else {
      scan += isLeadByte(static_cast<unsigned char>(text[scan])) ? 2 : 1;
    }
  }
  if (pieceStart < text.size()) lines.push_back(text.substr(pieceStart));
  return lines;
}

// Valid text: every lead byte is followed by a trail byte of 0x40 to 0xFE,
// every LF follows a CR, and there is no NUL.
bool isValidText(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (byte == 0) return false;
    if (byte == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    if (isLeadByte(byte)) {
      if (i + 1 == text.size()) return false;
      auto trail = static_cast<unsigned char>(text[++i]);
      if (trail < 0x40 || trail == 0xFF) return false;
    }
  }
  return true;
}

// Bends any input into valid text, so the agreement is checked on every run,
// not only on the rare valid inputs.
std::string validTextFrom(std::string_view bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == 0) continue;
    if (byte == '\n') {
      text += "\r\n";
    } else if (isLeadByte(byte)) {
      unsigned char trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[++i]) : 0xA1;
      text += static_cast<char>(byte);
      text += static_cast<char>(0x40 + trail % (0xFF - 0x40));
    } else {
      text += static_cast<char>(byte);
    }
  }
  return text;
}

void checkAgreement(std::string_view text) {
  auto lines = velqora::splitLines(text);
  if (static_cast<std::int32_t>(lines.size()) != velqora::countLines(text)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size heap copy: ASan reports any read past its end.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string_view text(bytes);
  auto lines = velqora::splitLines(text);
  auto count = velqora::countLines(text);
  for (auto line : lines) {
    if (line.data() < text.data() || line.data() + line.size() > text.data() + text.size())
      std::abort();
  }
  if (lines != referenceSplit(text)) std::abort();
  if (isValidText(text) && static_cast<std::int32_t>(lines.size()) != count) std::abort();
  checkAgreement(validTextFrom(text));
  return 0;
}
