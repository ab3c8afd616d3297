// ReadMachineString for the checks: what was read is also told to the check's observer.
#pragma once

#include <string>

#include "checks/check_observer.h"
#include "common/text_buffer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

bool ReadObservedString(Os& os, CheckObserver& observer, RegistryView view,
                        const std::string& subKey, const std::string& valueName,
                        TextBuffer& buffer);

}  // namespace ravel
