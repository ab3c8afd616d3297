// The real side of the seam: forwards each call to Win32 or the C library.
#pragma once

#include "system/os.h"

namespace ravel {

class Win32Os final : public Os {
 public:
  ChildExit CreateProcessAndWait(const std::string& applicationName, const std::string& commandLine,
                                 std::uint32_t creationFlags,
                                 std::uint32_t waitMilliseconds) override;
  std::uint32_t GetEnvironmentVariableA(const char* name, char* buffer,
                                        std::uint32_t size) override;
  std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t size) override;
  FileStream OpenTextFile(const std::string& path) override;
  bool ReadLine(FileStream stream, char* buffer, int size) override;
  void CloseFile(FileStream stream) override;
  bool DeleteFileA(const std::string& path) override;
  long RegOpenKeyExA(RegRoot root, const std::string& subKey, std::uint32_t access,
                     RegKey* key) override;
  long RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t* type,
                        std::uint8_t* data, std::uint32_t* size) override;
  long RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                      const std::uint8_t* data, std::uint32_t size) override;
  long RegDeleteValueA(RegKey key, const std::string& valueName) override;
  long RegCloseKey(RegKey key) override;
  AnsiCodePage LoadAnsiCodePage() override;
};

}  // namespace ravel
