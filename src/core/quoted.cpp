#include "core/quoted.h"

#include <cstdint>
#include <vector>

namespace sb {

namespace {

constexpr size_t kHeadCharacters = 60;
constexpr std::string_view kEllipsis = "...";

std::string Escaped(uint8_t byte) {
  switch (byte) {
    case '\n':
      return "\\n";
    case '\t':
      return "\\t";
    case '\r':
      return "\\r";
    case '\'':
      return "\\'";
    case '\\':
      return "\\\\";
    default:
      break;
  }
  constexpr char kHex[] = "0123456789abcdef";
  return std::string{'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
}

// The length of the well-formed UTF-8 character at the start of `s` (no
// overlong forms, surrogates or code points past U+10FFFF), or 0.
size_t Utf8Length(std::string_view s) {
  const auto at = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const auto follows = [&](size_t i) { return i < s.size() && (at(i) & 0xC0) == 0x80; };
  const uint8_t lead = at(0);
  if (lead >= 0xC2 && lead <= 0xDF) return follows(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (!follows(1) || !follows(2)) return 0;
    if (lead == 0xE0 && at(1) < 0xA0) return 0;   // overlong
    if (lead == 0xED && at(1) >= 0xA0) return 0;  // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (!follows(1) || !follows(2) || !follows(3)) return 0;
    if (lead == 0xF0 && at(1) < 0x90) return 0;   // overlong
    if (lead == 0xF4 && at(1) >= 0x90) return 0;  // past U+10FFFF
    return 4;
  }
  return 0;
}

// `text` as the pieces shown for each character.
std::vector<std::string> Pieces(std::string_view text) {
  std::vector<std::string> pieces;
  size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<uint8_t>(text[i]);
    if (byte >= 0x20 && byte < 0x7F && byte != '\'' && byte != '\\') {
      pieces.emplace_back(1, text[i]);
      ++i;
      continue;
    }
    const size_t length = byte >= 0x80 ? Utf8Length(text.substr(i)) : 0;
    // U+0080 to U+009F are control characters too (C2 80 to C2 9F).
    const bool control = length == 2 && byte == 0xC2 && static_cast<uint8_t>(text[i + 1]) < 0xA0;
    if (length > 0 && !control) {
      pieces.emplace_back(text.substr(i, length));
      i += length;
      continue;
    }
    const size_t bytes = control ? 2 : 1;
    std::string piece;
    for (size_t k = 0; k < bytes; ++k) piece += Escaped(static_cast<uint8_t>(text[i + k]));
    pieces.push_back(std::move(piece));
    i += bytes;
  }
  return pieces;
}

}  // namespace

std::string Quoted(std::string_view text) {
  // Only the bytes that can be shown are looked at: a huge argument costs
  // no more than a short one.
  const size_t kEdgeBytes = 4 * kQuotedMaxCharacters;
  std::vector<std::string> pieces;
  bool cut = false;
  if (text.size() <= 2 * kEdgeBytes) {
    pieces = Pieces(text);
  } else {
    // The middle is dropped anyway; a character split at the seam shows as
    // escaped bytes, which the cut below then drops too.
    pieces = Pieces(text.substr(0, kEdgeBytes));
    std::vector<std::string> tail = Pieces(text.substr(text.size() - kEdgeBytes));
    pieces.insert(pieces.end(), tail.begin(), tail.end());
    cut = true;
  }
  std::string shown = "'";
  if (!cut && pieces.size() <= kQuotedMaxCharacters) {
    for (const std::string& p : pieces) shown += p;
  } else {
    const size_t tailCharacters = kQuotedMaxCharacters - kHeadCharacters - kEllipsis.size();
    for (size_t k = 0; k < kHeadCharacters; ++k) shown += pieces[k];
    shown += kEllipsis;
    for (size_t k = pieces.size() - tailCharacters; k < pieces.size(); ++k) shown += pieces[k];
  }
  return shown + "'";
}

}  // namespace sb
