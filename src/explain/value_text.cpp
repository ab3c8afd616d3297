#include "explain/value_text.h"

#include <cstdio>

namespace ravel::explain {

std::string_view RootName(RegRoot root) { return root == RegRoot::CurrentUser ? "HKCU" : "HKLM"; }

std::string_view ViewName(RegistryView view) {
  return view == RegistryView::View64 ? "64-bit" : "32-bit";
}

std::string_view TypeName(std::uint32_t type) {
  switch (type) {
    case 0:
      return "REG_NONE";
    case 1:
      return "REG_SZ";
    case 2:
      return "REG_EXPAND_SZ";
    case 3:
      return "REG_BINARY";
    case 4:
      return "REG_DWORD";
    case 7:
      return "REG_MULTI_SZ";
    case 11:
      return "REG_QWORD";
    default:
      return "";
  }
}

std::string TypeText(std::uint32_t type) {
  const std::string_view name = TypeName(type);
  return name.empty() ? "type " + std::to_string(type) : std::string(name);
}

std::string Hex(std::string_view bytes, std::string_view separator) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (i > 0) hex += separator;
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

std::string OneLine(std::string_view text) {
  if (text.ends_with('\n')) text.remove_suffix(1);
  std::string line;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      line += escaped;
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace ravel::explain
