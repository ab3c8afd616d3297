// The OS seam for an explained run: reads reach the real machine, writes never do.
//
// Registry writes and deletions are recorded instead of made. A key that a check asks to open
// for writing is opened for reading only, so an explained run works without elevation and
// cannot change the key even by mistake. Only the children that read the machine run (the
// "-version" probes and "where java"); every other child, "reg add" above all, is recorded and
// not started. A key that a held-back "reg add" would have created then opens as a stand-in
// whose writes are recorded like the others. Capture files are created, read and deleted as in
// a real run; the lines read from each are kept with the child that wrote them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "explain/explanation.h"
#include "probes/version_output.h"
#include "system/os.h"

namespace ravel::explain {

class DryRunOs final : public Os {
 public:
  DryRunOs(Os& real, Explanation& explanation);

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

 private:
  struct KeyPlace {
    RegRoot root = RegRoot::LocalMachine;
    std::string subKey;
    std::uint32_t viewFlags = 0;
    auto operator<=>(const KeyPlace&) const = default;
  };
  struct OpenedKey {
    KeyPlace place;
    std::uint32_t askedAccess = 0;
    bool standIn = false;  // a key that only a held-back "reg add" would have created
  };
  struct CaptureReading {
    std::size_t childStep = 0;
    bool versionOutput = false;
    VersionLineNumbering numbering;
  };

  ChildStep& Child(std::size_t step);
  RegistryChange ChangeAt(const OpenedKey& opened, RegKey key, ChangeKind kind,
                          const std::string& valueName);

  Os& real_;
  Explanation& explanation_;
  std::map<RegKey, OpenedKey> keys_;
  std::map<FileStream, CaptureReading> captures_;
  std::optional<std::size_t> lastChildStep_;
  // The last key that could not be opened for writing: the one a following "reg add" creates.
  std::optional<KeyPlace> missingKey_;
  std::set<KeyPlace> createdKeys_;
  RegKey nextStandIn_;
};

}  // namespace ravel::explain
