#include "system/setup_key.h"

#include "common/contract.h"
#include "system/command_runner.h"

namespace ravel {

SetupValue VerdictFlag(const std::string& name, bool found) {
  return SetupValue{name, found ? contract::kFound : contract::kNotFound, 1};
}

SetupValue LocationValue(const std::string& name, const std::string& text) {
  return SetupValue{name, text, static_cast<std::uint32_t>(text.size() + 1)};
}

std::uint32_t SetupKeyAccessMask(SetupKeyTarget target) {
  switch (target) {
    case SetupKeyTarget::PerUser:
      return contract::kKeyAllAccess;
    case SetupKeyTarget::Machine64:
      return contract::kKeyAllAccess | contract::kKeyWow64Key64;
    case SetupKeyTarget::Machine32:
      return contract::kKeyAllAccess | contract::kKeyWow64Key32;
  }
  return contract::kKeyAllAccess;
}

std::string SetupKeyCreateCommand(SetupKeyTarget target) {
  const char* root = target == SetupKeyTarget::PerUser ? "HKCU\\" : "HKLM\\";
  const char* view = target == SetupKeyTarget::Machine32 ? " /reg:32" : " /reg:64";
  return std::string(contract::kRegAddCommand) + root + contract::kSetupKey + view;
}

void RecordSetupValues(Os& os, SetupKeyTarget target, const std::vector<SetupValue>& values) {
  const RegRoot root =
      target == SetupKeyTarget::PerUser ? RegRoot::CurrentUser : RegRoot::LocalMachine;
  const std::uint32_t access = SetupKeyAccessMask(target);
  RegKey key = 0;
  if (os.RegOpenKeyExA(root, contract::kSetupKey, access, &key) != kErrorSuccess) {
    RunCommand(os, SetupKeyCreateCommand(target));
    if (os.RegOpenKeyExA(root, contract::kSetupKey, access, &key) != kErrorSuccess) return;
  }
  for (const SetupValue& value : values) {
    // The byte count never reaches past the text's terminator.
    const std::uint32_t size = value.byteCount <= value.text.size() + 1
                                   ? value.byteCount
                                   : static_cast<std::uint32_t>(value.text.size() + 1);
    os.RegSetValueExA(key, value.name, contract::kRegSz,
                      reinterpret_cast<const std::uint8_t*>(value.text.c_str()), size);
  }
  os.RegCloseKey(key);
}

}  // namespace ravel
