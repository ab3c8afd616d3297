// The working state of one JDK check, shared by its listing pass and its registry passes.
#pragma once

#include <cstdint>
#include <string>

#include "common/contract.h"
#include "common/text_buffer.h"

namespace ravel {

struct JdkSearch {
  std::string verdict = contract::kNotFound;  // "1" or "0", the very text that is recorded
  TextBuffer jdkDirectory{};                  // the chosen kit's directory, as delivered
  TextBuffer currentVersion{};                // "CurrentVersion" of the development-kit key
  std::int32_t bestUpdateLevel = 0;           // highest update level taken from the listing

  bool Found() const { return verdict == contract::kFound; }
};

}  // namespace ravel
