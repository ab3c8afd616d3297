#include "system/command_runner.h"

#include "common/contract.h"

namespace ravel {
namespace {
constexpr std::uint32_t kMaxPath = 260;
constexpr std::uint32_t kErrorFileNotFound = 2;
}  // namespace

std::string CommandInterpreterPath(Os& os) {
  char directory[kMaxPath] = {};
  const std::uint32_t length = os.GetSystemDirectoryA(directory, kMaxPath);
  if (length == 0 || length >= kMaxPath) return {};
  return std::string(directory, length) + contract::kCommandInterpreter;
}

std::uint32_t RunCommand(Os& os, const std::string& commandLine) {
  const std::string interpreter = CommandInterpreterPath(os);
  if (interpreter.empty()) return kErrorFileNotFound;
  return os
      .CreateProcessAndWait(interpreter, commandLine, contract::kChildCreationFlags,
                            contract::kChildTimeLimitMs)
      .code;
}

}  // namespace ravel
