// Does the machine-wide JRE_HOME or JAVA_HOME name a suitable 64-bit Java 11 installation?
#pragma once

#include <cstdint>

#include "checks/check_observer.h"
#include "system/os.h"

namespace ravel {

// The answers of FindEnvironmentRuntime; the JRE check branches on their numbers.
inline constexpr std::int32_t kNoEnvironmentRuntime = 0;
// JRE_HOME names an open 64-bit runtime that is not JAVA_HOME's own jre folder.
inline constexpr std::int32_t kJreHomeOpenRuntime = 1;
// JAVA_HOME names a 64-bit development kit and JRE_HOME offers nothing better.
inline constexpr std::int32_t kJavaHomeKit = 2;
// JRE_HOME names a branded 64-bit runtime, or an open one that is JAVA_HOME's jre folder.
inline constexpr std::int32_t kJreHomeRuntime = 3;

// Reads JRE_HOME and JAVA_HOME from the registry copy of the machine environment, as stored
// (nothing expanded, trimmed or case-folded), probes each one that is set, and decides. JRE_HOME
// counts only without a compiler beside it, JAVA_HOME only with one; 32-bit builds never count.
std::int32_t FindEnvironmentRuntime(Os& os, CheckObserver& observer = NoCheckObserver());

}  // namespace ravel
