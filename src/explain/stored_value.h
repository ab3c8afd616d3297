// Reads a registry value with its type and all its bytes, for showing what a key holds now.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "explain/explanation.h"
#include "system/os.h"

namespace ravel::explain {

// The value under an open key; nullopt when it cannot be read.
std::optional<StoredValue> QueryStoredValue(Os& os, RegKey key, const std::string& valueName);

// Opens the key for reading with the given view flags, reads the value and closes the key.
std::optional<StoredValue> ReadStoredValue(Os& os, RegRoot root, const std::string& subKey,
                                           std::uint32_t viewFlags, const std::string& valueName);

}  // namespace ravel::explain
