#include "explain/stored_value.h"

#include <vector>

#include "common/contract.h"

namespace ravel::explain {
namespace {
constexpr long kErrorMoreData = 234;
constexpr std::uint32_t kFirstTry = 1024;
}  // namespace

std::optional<StoredValue> QueryStoredValue(Os& os, RegKey key, const std::string& valueName) {
  std::vector<std::uint8_t> data(kFirstTry);
  std::uint32_t size = kFirstTry;
  std::uint32_t type = 0;
  long result = os.RegQueryValueExA(key, valueName, &type, data.data(), &size);
  // A value larger than the first try says how large it is; one more try fetches it whole.
  if (result == kErrorMoreData) {
    data.resize(size);
    result = os.RegQueryValueExA(key, valueName, &type, data.data(), &size);
  }
  if (result != kErrorSuccess || size > data.size()) return std::nullopt;
  return StoredValue{type, std::string(data.begin(), data.begin() + size)};
}

std::optional<StoredValue> ReadStoredValue(Os& os, RegRoot root, const std::string& subKey,
                                           std::uint32_t viewFlags, const std::string& valueName) {
  RegKey key = 0;
  if (os.RegOpenKeyExA(root, subKey, contract::kKeyQueryValue | viewFlags, &key) != kErrorSuccess) {
    return std::nullopt;
  }
  std::optional<StoredValue> value = QueryStoredValue(os, key, valueName);
  os.RegCloseKey(key);
  return value;
}

}  // namespace ravel::explain
