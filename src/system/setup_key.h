// Records values under the setup key, per user or per machine in a named view.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "system/os.h"

namespace ravel {

enum class SetupKeyTarget { PerUser, Machine64, Machine32 };

// One REG_SZ value: byteCount bytes of text are stored.
struct SetupValue {
  std::string name;
  std::string text;
  std::uint32_t byteCount = 0;
};

// A verdict flag: the character "1" or "0" alone, without its terminator.
SetupValue VerdictFlag(const std::string& name, bool found);
// A location: the text and its terminator.
SetupValue LocationValue(const std::string& name, const std::string& text);

std::uint32_t SetupKeyAccessMask(SetupKeyTarget target);
// The `reg add` command line that creates the key for the target.
std::string SetupKeyCreateCommand(SetupKeyTarget target);

// Opens the key (creating it once through `reg add` when it cannot be opened), writes the values
// in order and closes it. Nothing is reported: a value that cannot be written is simply missing.
void RecordSetupValues(Os& os, SetupKeyTarget target, const std::vector<SetupValue>& values);

}  // namespace ravel
