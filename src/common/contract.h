// The fixed texts and numbers that installers and the operating system see: key paths, value
// names, file names, command texts and access masks. Each is spelled here once.
#pragma once

#include <cstdint>

namespace ravel::contract {

// Registry keys, all relative to their root.
inline constexpr char kSetupKey[] = "SOFTWARE\\Quillmark\\Setup";
inline constexpr char kSystemEnvironmentKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
inline constexpr char kJavaSoftRuntimeKey[] = "SOFTWARE\\JavaSoft\\JRE";
inline constexpr char kJavaSoftKitKey[] = "SOFTWARE\\JavaSoft\\JDK";
inline constexpr char kJavaSoftDevelopmentKitKey[] = "SOFTWARE\\JavaSoft\\Java Development Kit";
// Joins a key and the name of one of its subkeys.
inline constexpr char kRegistryPathSeparator[] = "\\";

// Registry value names.
inline constexpr char kJreHomeValue[] = "JRE_HOME";
inline constexpr char kJavaHomeValue[] = "JAVA_HOME";
inline constexpr char kCurrentVersionValue[] = "CurrentVersion";
inline constexpr char kJavaHomeRegistryValue[] = "JavaHome";
inline constexpr char kJdkVerdictValue[] = "QKJDKPrecheck";
inline constexpr char kJreVerdict32Value[] = "Ravelcheck32";
inline constexpr char kJreVerdict64Value[] = "Ravelcheck64";
inline constexpr char kJavaLocationValue[] = "JavaLocation";

// Verdict texts, recorded as their one byte.
inline constexpr char kFound[] = "1";
inline constexpr char kNotFound[] = "0";

// Capture files, joined to the TEMP value as they stand.
inline constexpr char kProbeCaptureFile[] = "\\Ravelcheck.txt";
inline constexpr char kVersionCaptureFile[] = "\\JavaVer.txt";
inline constexpr char kListingCaptureFile[] = "\\AllJavaPath.txt";

// Paths inside a Java installation.
inline constexpr char kJavaExeSuffix[] = "\\bin\\java.exe";
inline constexpr int kJavaExeSuffixLength = 13;
inline constexpr char kJavacSuffix[] = "\\bin\\javac.exe";
inline constexpr char kNestedRuntimeJavaExeSuffix[] = "\\jre\\bin\\java.exe";
inline constexpr char kNestedRuntimeSuffix[] = "\\jre";

// Child processes.
inline constexpr char kCommandInterpreter[] = "\\cmd.exe";  // joined to the system directory
inline constexpr char kVersionCommandStart[] = "cmd.exe /C \"\"";
inline constexpr char kVersionCommandMiddle[] = "\" -version 2>\"";
inline constexpr char kVersionCommandEnd[] = "\"\"";
inline constexpr char kListingCommandStart[] = "cmd.exe /C where java>\"";
inline constexpr char kListingCommandEnd[] = "\"";
inline constexpr char kRegAddCommand[] = "cmd.exe /C reg add ";
inline constexpr std::uint32_t kChildCreationFlags = 0x08000020;  // CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS
inline constexpr char kTempVariable[] = "TEMP";

// Registry types and access masks.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;
inline constexpr std::uint32_t kKeyWow64Key64 = 0x0100;
inline constexpr std::uint32_t kKeyWow64Key32 = 0x0200;

// The product is a 32-bit process, whose own registry view is the 32-bit one. A 64-bit build
// must name that view explicitly to reach the same keys.
#if defined(RAVEL_PROCESS_BITS)
inline constexpr bool kProcessIs64Bit = RAVEL_PROCESS_BITS == 64;
#else
inline constexpr bool kProcessIs64Bit = sizeof(void*) == 8;
#endif
inline constexpr std::uint32_t kOwnView32Flag = kProcessIs64Bit ? kKeyWow64Key32 : 0;

}  // namespace ravel::contract
