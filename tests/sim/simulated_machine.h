// A Windows machine in memory, for the tests of the system's code.
//
// It has a registry with HKCU and HKLM (the SOFTWARE subtree of HKLM exists once per view, as on
// 64-bit Windows), a case-insensitive file system, a process environment, and a command
// interpreter that runs the command lines the system gives cmd.exe: a quoted java.exe with
// -version and redirections, "where java", and "reg add". Simulated runtimes write the banner a
// test gives them. Every child command line is recorded in order, and any call can be made to
// fail on demand.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/types.h"
#include "system/os.h"

namespace ravel::sim {

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorSharingViolation = 32;
inline constexpr long kErrorMoreData = 234;

struct RegistryValue {
  std::uint32_t type = kRegSz;
  std::vector<std::uint8_t> data;

  // A string value as Windows stores one written with its terminator.
  static RegistryValue String(const std::string& text, std::uint32_t type = kRegSz);
  std::string Text() const;  // the data up to the first zero byte
  bool operator==(const RegistryValue&) const = default;
};

// A java.exe: what it prints on standard error (and standard output) when run with -version.
// Line feeds in the texts are written as CR LF, as a Windows runtime writes them.
struct Runtime {
  std::string stderrText;
  std::string stdoutText;
  bool hangs = false;  // never ends by itself
};

enum class OsCall {
  CreateProcess,
  GetEnvironmentVariable,
  GetSystemDirectory,
  OpenTextFile,
  ReadLine,
  CloseFile,
  DeleteFile,
  RegOpenKey,
  RegQueryValue,
  RegSetValue,
  RegDeleteValue,
  RegCloseKey,
};

struct KeyOpenRecord {
  RegRoot root;
  std::string subKey;
  std::uint32_t access = 0;
  bool operator==(const KeyOpenRecord&) const = default;
};

struct ChildRecord {
  std::string applicationName;
  std::string commandLine;
  bool created = false;
  std::uint32_t creationFlags = 0;
  std::uint32_t waitMilliseconds = 0;
  bool timedOut = false;
};

class SimulatedMachine final : public Os {
 public:
  // A 64-bit Windows with C:\Windows\System32 (cmd.exe, where.exe, reg.exe), TEMP at
  // C:\Users\setup\AppData\Local\Temp, PATH of the system folders and the usual PATHEXT.
  SimulatedMachine();

  // --- Set-up, as data ---
  void SetEnvironment(const std::string& name, const std::string& value);
  void UnsetEnvironment(const std::string& name);
  void SetCurrentDirectory(const std::string& directory);
  void AddDirectory(const std::string& path);
  void AddFile(const std::string& path, const std::string& contents = "");
  void AddRuntime(const std::string& javaExePath, Runtime runtime);
  void RemoveFile(const std::string& path);
  // A development kit: <home>\bin\java.exe with the banner, and <home>\bin\javac.exe.
  void AddKit(const std::string& home, const std::string& banner);
  void AddKey(RegRoot root, RegistryView view, const std::string& key);
  void SetValue(RegRoot root, RegistryView view, const std::string& key, const std::string& name,
                const RegistryValue& value);
  void SetString(RegRoot root, RegistryView view, const std::string& key, const std::string& name,
                 const std::string& text);
  void SetCodePage(const AnsiCodePage& codePage) { codePage_ = codePage; }
  // What "where java" writes, instead of searching PATH (for listings no real where writes).
  void OverrideWhereOutput(const std::string& listing) { whereOverride_ = listing; }
  // Keys of HKLM\SOFTWARE opened without a view flag land in the process's own view.
  void SetProcessIs64Bit(bool is64Bit) { processIs64Bit_ = is64Bit; }

  // --- Faults on demand ---
  // Every call to the seam asks the predicate (the call, its ordinal among all calls so far
  // counting from 0, and its main argument); true makes the call fail as Windows would.
  using FaultRule =
      std::function<bool(OsCall call, std::uint64_t ordinal, const std::string& detail)>;
  void SetFaultRule(FaultRule rule) { faultRule_ = std::move(rule); }
  std::uint64_t CallCount() const { return callCount_; }

  // --- Observation ---
  const std::vector<ChildRecord>& Children() const { return children_; }
  // Every RegOpenKeyExA call, in order, with the access mask it asked for.
  const std::vector<KeyOpenRecord>& KeyOpens() const { return keyOpens_; }
  std::vector<std::string> CommandLines() const;
  // Commands that a command line made cmd.exe run besides the one the system meant.
  const std::vector<std::string>& StrayCommands() const { return strayCommands_; }
  std::optional<RegistryValue> Value(RegRoot root, RegistryView view, const std::string& key,
                                     const std::string& name) const;
  bool KeyExists(RegRoot root, RegistryView view, const std::string& key) const;
  bool FileExistsAt(const std::string& path) const;
  std::string FileContents(const std::string& path) const;
  // Paths of the files directly or indirectly inside a directory.
  std::vector<std::string> FilesUnder(const std::string& directory) const;
  std::size_t OpenStreams() const { return streams_.size(); }
  std::size_t OpenKeys() const { return keys_.size(); }
  // The whole registry and file system as text, one self-contained line per key, value and
  // file, in a stable order.
  std::string Snapshot() const;
  std::vector<std::string> SnapshotLines() const;
  // Registry or stream calls made with a handle that is not open (0, closed, or never issued).
  int InvalidHandleUses() const { return invalidHandleUses_; }

  // --- Os ---
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
  AnsiCodePage LoadAnsiCodePage() override { return codePage_; }

 private:
  struct File {
    std::string path;  // as first written, for listings
    std::string contents;
  };
  struct Stream {
    std::string normalizedPath;
    std::string text;  // contents after text-mode translation
    std::size_t position = 0;
  };
  struct OpenKey {
    std::string id;
    std::uint32_t access = 0;
  };
  struct StoredValue {
    std::string name;
    RegistryValue value;
  };
  using Values = std::map<std::string, StoredValue>;  // by lower-cased name

  bool Fault(OsCall call, const std::string& detail);
  long InvalidHandle();
  std::string Normalize(const std::string& path) const;
  std::string ParentOf(const std::string& normalized) const;
  std::string KeyId(RegRoot root, RegistryView view, const std::string& key) const;
  void CreateKey(const std::string& id);
  std::string EnvironmentValue(const std::string& name) const;
  void RunCommandInterpreter(const std::string& commandLine, std::uint32_t waitMilliseconds,
                             ChildExit& exit);
  void RunSimpleCommand(const std::string& command, std::uint32_t waitMilliseconds,
                        ChildExit& exit);
  std::string Where(const std::string& pattern) const;
  bool RegAdd(const std::vector<std::string>& words);
  bool WriteRedirect(const std::string& target, const std::string& text, bool append);

  std::map<std::string, std::string> environment_;  // by lower-cased name
  std::string currentDirectory_ = "C:\\Users\\setup\\Downloads";
  std::string systemDirectory_ = "C:\\Windows\\System32";
  std::map<std::string, File> files_;        // by normalized path
  std::set<std::string> directories_;        // normalized
  std::map<std::string, Runtime> runtimes_;  // by normalized path
  std::map<std::string, Values> registry_;   // by key id; a key exists when it is here
  std::map<FileStream, Stream> streams_;
  std::map<RegKey, OpenKey> keys_;
  std::uintptr_t nextHandle_ = 0x100;
  std::vector<ChildRecord> children_;
  std::vector<KeyOpenRecord> keyOpens_;
  std::vector<std::string> strayCommands_;
  AnsiCodePage codePage_ = AnsiCodePage::Windows1252();
  bool processIs64Bit_ = false;
  FaultRule faultRule_;
  std::optional<std::string> whereOverride_;
  int invalidHandleUses_ = 0;
  std::uint64_t callCount_ = 0;
};

// Writes a banner's line feeds as CR LF.
std::string WithCrLf(const std::string& text);

}  // namespace ravel::sim
