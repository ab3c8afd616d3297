// The home that the JavaSoft keys of one registry view announce for their current version.
#pragma once

#include "checks/check_observer.h"
#include "common/text_buffer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

// Looks for a "CurrentVersion" under the runtime key, then under the kit key, of the view. When
// one is found, the "JavaHome" of that version's subkey is read into location (left empty when
// the subkey or value is missing) and the result is true. Otherwise the result is false and
// location keeps what it held. A current version under the runtime key hides the kit key.
bool ReadRegisteredJavaHome(Os& os, RegistryView view, TextBuffer& location,
                            CheckObserver& observer = NoCheckObserver());

}  // namespace ravel
