// Shared enumerations of the checks and probes.
#pragma once

#include <cstdint>

namespace ravel {

// mode=silent records only machine-wide locations; mode=no-silent adds the per-user verdicts.
enum class CheckMode : std::int32_t { Silent = 0, NoSilent = 1 };

// What a runtime probe concluded. Callers compare and branch on the numeric values.
enum class RuntimeKind : std::int32_t {
  Unsuitable = 0,
  Branded32 = 1,
  Branded64 = 2,
  OpenBuild32 = 3,
  OpenBuild64 = 4,
};

inline bool Is64Bit(RuntimeKind kind) {
  return kind == RuntimeKind::Branded64 || kind == RuntimeKind::OpenBuild64;
}

// Which view of HKEY_LOCAL_MACHINE a read means.
enum class RegistryView { View32, View64 };

}  // namespace ravel
