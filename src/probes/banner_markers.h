// The texts the probes look for in what a java.exe prints for "-version". Each is spelled here
// once; all comparisons with them are exact and case-sensitive unless a comment says otherwise.
#pragma once

#include <array>
#include <string_view>

namespace ravel::banner {

// Opens the build number inside "(build ...)" on the runtime line.
inline constexpr std::string_view kBuildMarker = "build ";

// A branded build names this on its runtime line (line 2).
inline constexpr std::string_view kBrandedFamily = "Java(TM)";
// The open Java 8 builds accepted name this on their virtual-machine line (line 3).
inline constexpr std::string_view kJava8OpenFamily = "AdoptOpenJDK";
// The open Java 11 builds accepted name this on line 3, but never the excluded machine.
inline constexpr std::string_view kJava11OpenFamily = "OpenJDK";
inline constexpr std::string_view kExcludedVirtualMachine = "OpenJ9";

// Looked for, in this order, on line 3 after lower-casing it.
inline constexpr std::array<std::string_view, 3> kSixtyFourBitMarkers = {"64-bit", "x64", "64bit"};

// The notices a launcher prints ahead of its banner when JAVA_TOOL_OPTIONS, _JAVA_OPTIONS or
// JDK_JAVA_OPTIONS is set.
inline constexpr std::string_view kOptionsNotice = "Picked up ";
inline constexpr std::string_view kOptionsNote = "NOTE: Picked up ";

}  // namespace ravel::banner
