// How the reports show registry places, value types, bytes and texts read from the machine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/types.h"
#include "system/os.h"

namespace ravel::explain {

std::string_view RootName(RegRoot root);        // "HKCU" or "HKLM"
std::string_view ViewName(RegistryView view);   // "64-bit" or "32-bit"
std::string_view TypeName(std::uint32_t type);  // "REG_SZ", or "" for a type without a name
// "REG_SZ", or "type 11" for one without a name.
std::string TypeText(std::uint32_t type);

// The bytes as hexadecimal pairs, each pair followed by the separator except the last.
std::string Hex(std::string_view bytes, std::string_view separator);

// A text fit for one line of a report: a final line feed dropped, every other control byte
// written as \xNN, all other bytes as they are.
std::string OneLine(std::string_view text);

}  // namespace ravel::explain
