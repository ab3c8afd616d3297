// The one seam between the system and the operating system.
//
// Every call the checks make to Windows goes through this interface, so that the same code runs
// against Win32 (Win32Os) and, in the tests, against a simulated Windows machine. Each method is
// shaped like the Win32 or C library call it stands for and keeps that call's failure convention.
#pragma once

#include <cstdint>
#include <string>

#include "common/text.h"

namespace ravel {

using RegKey = std::uintptr_t;      // an open registry key (HKEY)
using FileStream = std::uintptr_t;  // an open C stream (FILE*); 0 means none

enum class RegRoot { CurrentUser, LocalMachine };

inline constexpr std::uint32_t kWaitForever = 0xFFFFFFFF;  // INFINITE
inline constexpr long kErrorSuccess = 0;

struct ChildExit {
  bool created = false;    // false: CreateProcessA failed and code is GetLastError()
  std::uint32_t code = 0;  // exit code of the child, or the creation error
  bool timedOut = false;   // the wait limit passed and the child's process tree was ended
};

class Os {
 public:
  virtual ~Os() = default;

  // CreateProcessA with the given application name and command line, no security attributes,
  // no handle inheritance, the given creation flags, the caller's environment and directory and a
  // zeroed STARTUPINFOA; waits up to waitMilliseconds, reads the exit code, closes the handles.
  virtual ChildExit CreateProcessAndWait(const std::string& applicationName,
                                         const std::string& commandLine,
                                         std::uint32_t creationFlags,
                                         std::uint32_t waitMilliseconds) = 0;

  // GetEnvironmentVariableA: the length without terminator when the value fits, the size needed
  // with terminator when it does not, 0 when the variable is unset or empty.
  virtual std::uint32_t GetEnvironmentVariableA(const char* name, char* buffer,
                                                std::uint32_t size) = 0;

  // GetSystemDirectoryA: as GetEnvironmentVariableA; 0 on failure.
  virtual std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t size) = 0;

  // fopen(path, "r"): 0 on failure. Text mode: CR LF arrives as LF.
  virtual FileStream OpenTextFile(const std::string& path) = 0;
  // fgets: false at the end of the file or on a read error.
  virtual bool ReadLine(FileStream stream, char* buffer, int size) = 0;
  // fclose.
  virtual void CloseFile(FileStream stream) = 0;
  // DeleteFileA: false on failure.
  virtual bool DeleteFileA(const std::string& path) = 0;

  // Registry calls: each returns a Win32 error code, kErrorSuccess on success.
  virtual long RegOpenKeyExA(RegRoot root, const std::string& subKey, std::uint32_t access,
                             RegKey* key) = 0;
  // type may be null. On ERROR_MORE_DATA size holds the size needed and data is unspecified.
  virtual long RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) = 0;
  virtual long RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) = 0;
  virtual long RegDeleteValueA(RegKey key, const std::string& valueName) = 0;
  virtual long RegCloseKey(RegKey key) = 0;

  // The lead bytes and lower-case mapping of the ANSI code page (GetCPInfo, LCMapStringA).
  // Never fails: falls back to Windows-1252.
  virtual AnsiCodePage LoadAnsiCodePage() = 0;
};

}  // namespace ravel
