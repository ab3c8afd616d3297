// Reads string values under HKEY_LOCAL_MACHINE in a named registry view.
#pragma once

#include <cstdint>
#include <string>

#include "common/text_buffer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

// The access mask that opens a key for reading in the view.
std::uint32_t ReadAccessMask(RegistryView view);

// Reads the value's data as stored, of whatever type, into the buffer. True when the key opened
// and the value was read; otherwise false with the buffer holding "". Data that fill all 256
// bytes without a terminator count as a failed read.
bool ReadMachineString(Os& os, RegistryView view, const std::string& subKey,
                       const std::string& valueName, TextBuffer& buffer);

}  // namespace ravel
