// Byte-string operations with the exact semantics the checks rely on.
//
// Texts are 8-bit strings in the machine's ANSI code page; positions and lengths count bytes.
// Nothing here reports failure through a result except Find's -1; an allocation failure throws.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ravel {

// Lead bytes and lower-case mapping of the active ANSI code page.
struct AnsiCodePage {
  std::array<bool, 256> leadByte{};
  std::array<std::uint8_t, 256> lower{};

  static AnsiCodePage Windows1252();
};

// The code page used by Find and LowerInPlace; Windows-1252 until the program installs the
// machine's own at start-up.
void SetActiveCodePage(const AnsiCodePage& codePage);
const AnsiCodePage& ActiveCodePage();

// Byte position of the first occurrence of pattern, or -1. Under a double-byte code page a match
// never begins on the trail byte of a character.
int Find(std::string_view text, std::string_view pattern);
bool Contains(std::string_view text, std::string_view pattern);

// First n bytes; n < 0 gives "", n >= length the whole text.
std::string Left(std::string_view text, int n);
// Last n bytes, with the same limits as Left.
std::string Right(std::string_view text, int n);
// Everything from position on; position < 0 counts as 0, position >= length gives "".
std::string Mid(std::string_view text, int position);

// Replaces every occurrence, scanning left to right without overlaps; an empty pattern does
// nothing.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view with);

// Lower-cases by the active code page: A-Z and the code page's other capitals.
void LowerInPlace(std::string& text);

// C atoi: leading white space, optional sign, digits up to the first other byte; 0 without digits.
// Saturates instead of overflowing.
std::int32_t ToNumber(std::string_view text);

}  // namespace ravel
