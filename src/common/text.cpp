#include "common/text.h"

#include <algorithm>
#include <climits>

namespace ravel {
namespace {

AnsiCodePage& MutableActiveCodePage() {
  static AnsiCodePage active = AnsiCodePage::Windows1252();
  return active;
}

bool IsCSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int Length(std::string_view text) {
  return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

}  // namespace

AnsiCodePage AnsiCodePage::Windows1252() {
  AnsiCodePage page;
  for (int c = 0; c < 256; ++c) page.lower[c] = static_cast<std::uint8_t>(c);
  for (int c = 'A'; c <= 'Z'; ++c) page.lower[c] = static_cast<std::uint8_t>(c + 32);
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) page.lower[c] = static_cast<std::uint8_t>(c + 32);
  }
  page.lower[0x8A] = 0x9A;
  page.lower[0x8C] = 0x9C;
  page.lower[0x8E] = 0x9E;
  page.lower[0x9F] = 0xFF;
  return page;
}

void SetActiveCodePage(const AnsiCodePage& codePage) { MutableActiveCodePage() = codePage; }

const AnsiCodePage& ActiveCodePage() { return MutableActiveCodePage(); }

int Find(std::string_view text, std::string_view pattern) {
  const AnsiCodePage& page = ActiveCodePage();
  if (pattern.size() > text.size()) return -1;
  const std::size_t lastStart = text.size() - pattern.size();
  for (std::size_t i = 0; i <= lastStart; ++i) {
    if (text.compare(i, pattern.size(), pattern) == 0) return static_cast<int>(i);
    // A lead byte and its trail byte are one character: the trail byte never starts a match.
    if (page.leadByte[static_cast<unsigned char>(text[i])] && i + 1 < text.size()) ++i;
  }
  return -1;
}

bool Contains(std::string_view text, std::string_view pattern) { return Find(text, pattern) != -1; }

std::string Left(std::string_view text, int n) {
  if (n <= 0) return {};
  if (n >= Length(text)) return std::string(text);
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string Right(std::string_view text, int n) {
  if (n <= 0) return {};
  if (n >= Length(text)) return std::string(text);
  return std::string(text.substr(text.size() - static_cast<std::size_t>(n)));
}

std::string Mid(std::string_view text, int position) {
  if (position < 0) position = 0;
  if (position >= Length(text)) return {};
  return std::string(text.substr(static_cast<std::size_t>(position)));
}

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view with) {
  if (pattern.empty()) return std::string(text);
  std::string result;
  std::string_view rest = text;
  for (int at = Find(rest, pattern); at != -1; at = Find(rest, pattern)) {
    result.append(rest.substr(0, static_cast<std::size_t>(at)));
    result.append(with);
    rest.remove_prefix(static_cast<std::size_t>(at) + pattern.size());
  }
  result.append(rest);
  return result;
}

void LowerInPlace(std::string& text) {
  const AnsiCodePage& page = ActiveCodePage();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (page.leadByte[byte]) {
      ++i;  // a double-byte character keeps its bytes
      continue;
    }
    text[i] = static_cast<char>(page.lower[byte]);
  }
}

std::int32_t ToNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{INT_MAX} + 1);
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, INT_MAX));
}

}  // namespace ravel
