#include "checks/observed_read.h"

#include <cstring>
#include <string_view>

#include "system/registry_reader.h"

namespace ravel {

bool ReadObservedString(Os& os, CheckObserver& observer, RegistryView view,
                        const std::string& subKey, const std::string& valueName,
                        TextBuffer& buffer) {
  const bool found = ReadMachineString(os, view, subKey, valueName, buffer);
  observer.RegistryRead(view, subKey, valueName, found,
                        std::string_view(buffer.data(), strnlen(buffer.data(), buffer.size())));
  return found;
}

}  // namespace ravel
