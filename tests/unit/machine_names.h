// Names the tests use for places on the simulated machine, spelled out independently of the
// program's own constants so that a wrong constant fails a test.
#pragma once

#include <string>

#include "common/types.h"
#include "system/os.h"

namespace ravel {

constexpr RegRoot kHkcu = RegRoot::CurrentUser;
constexpr RegRoot kHklm = RegRoot::LocalMachine;
constexpr RegistryView k32 = RegistryView::View32;
constexpr RegistryView k64 = RegistryView::View64;

inline const std::string kTemp = "C:\\Users\\setup\\AppData\\Local\\Temp";
inline const std::string kSystemPath =
    "C:\\Windows\\system32;C:\\Windows;C:\\Windows\\System32\\Wbem";
inline const std::string kSetupKey = "SOFTWARE\\Quillmark\\Setup";
inline const std::string kEnvironmentKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

}  // namespace ravel
