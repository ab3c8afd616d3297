#include "system/registry_reader.h"

#include "common/contract.h"

namespace ravel {

std::uint32_t ReadAccessMask(RegistryView view) {
  if (view == RegistryView::View64) return contract::kKeyQueryValue | contract::kKeyWow64Key64;
  return contract::kKeyQueryValue | contract::kOwnView32Flag;
}

bool ReadMachineString(Os& os, RegistryView view, const std::string& subKey,
                       const std::string& valueName, TextBuffer& buffer) {
  buffer[0] = '\0';
  RegKey key = 0;
  if (os.RegOpenKeyExA(RegRoot::LocalMachine, subKey, ReadAccessMask(view), &key) !=
      kErrorSuccess) {
    return false;
  }
  std::uint32_t size = kTextBufferSize;
  std::uint32_t type = 0;
  const long queried = os.RegQueryValueExA(key, valueName, &type,
                                           reinterpret_cast<std::uint8_t*>(buffer.data()), &size);
  os.RegCloseKey(key);
  if (queried != kErrorSuccess || size > kTextBufferSize ||
      (size == kTextBufferSize && buffer[kTextBufferSize - 1] != '\0')) {
    buffer[0] = '\0';
    return false;
  }
  // Data stored without a terminator end where the data end, not at older bytes of the buffer.
  if (size < kTextBufferSize) buffer[size] = '\0';
  return true;
}

}  // namespace ravel
