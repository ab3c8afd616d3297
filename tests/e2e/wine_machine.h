// A Windows machine under Wine for the end-to-end tests: one prefix per test run, booted once,
// with this project's where.exe installed, stub runtimes laid out as files, registry state set
// and read back through regtool.exe, and the real 64-bit ravelcheck.exe (or ravelcheck-explain.exe)
// run against it.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ravel::e2e {

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

struct RegValue {
  unsigned type = 0;
  std::string bytes;  // raw data
  bool operator==(const RegValue&) const = default;
};

// For test failures: the type and the data with zero bytes shown as \0.
void PrintTo(const RegValue& value, std::ostream* out);

inline constexpr unsigned kRegSz = 1;
inline constexpr unsigned kRegExpandSz = 2;

inline const std::string kEnvironmentKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
inline const std::string kSetupKey = "SOFTWARE\\Quillmark\\Setup";

class WineMachine {
 public:
  // The prefix shared by every test of this run; boots it on first use.
  static WineMachine& Shared();
  // Says what it is doing on standard output while it boots and sets up (for the demo).
  static void SetNarrating(bool narrating);

  // Puts the machine back to its start: no setup keys, no JavaSoft keys, no JRE_HOME or
  // JAVA_HOME, an empty C:\e2e, and nothing in TEMP.
  void Reset();

  // A stub java.exe at the Windows path, printing the banner (\n written as CR LF) on stderr.
  void AddRuntime(const std::string& javaExe, const std::string& banner);
  // A kit: <home>\bin\java.exe with the banner and <home>\bin\javac.exe.
  void AddKit(const std::string& home, const std::string& banner);
  void AddFile(const std::string& windowsPath, const std::string& contents = "");
  // A file beside a stub that makes it start a never-ending child and hang.
  void MakeHang(const std::string& javaExe);
  bool FileExists(const std::string& windowsPath) const;

  // Directories put in front of the PATH of the next runs (WINEPATH).
  void SetPathPrefix(const std::string& windowsPathList) { pathPrefix_ = windowsPathList; }
  // Wine's debug channels for the next runs (WINEDEBUG, e.g. "+pid,+process"); their trace
  // arrives in RunResult::err. Empty, the default, keeps Wine quiet.
  void SetWineDebug(const std::string& channels) { wineDebug_ = channels; }

  void SetValue(const std::string& root, int view, const std::string& key, const std::string& name,
                const RegValue& value);
  void SetString(const std::string& root, int view, const std::string& key, const std::string& name,
                 const std::string& text);
  std::optional<RegValue> Value(const std::string& root, int view, const std::string& key,
                                const std::string& name);
  bool KeyExists(const std::string& root, int view, const std::string& key);
  // Every value of a key, by name; empty when the key is missing.
  std::map<std::string, RegValue> Values(const std::string& root, int view, const std::string& key);

  // Runs ravelcheck.exe, ravelcheck-explain.exe, or another program of the Windows build with
  // the arguments.
  RunResult RunRavelcheck(const std::vector<std::string>& args);
  RunResult RunExplain(const std::vector<std::string>& args);
  RunResult RunWindowsProgram(const std::string& program, const std::vector<std::string>& args,
                              const std::string& input = "");

  // Programs that the stubs recorded starting (where.exe and java.exe), in order.
  std::vector<std::string> StubLaunches() const;
  // Files left in the TEMP folder of the programs under test.
  std::vector<std::string> TempFiles() const;

  std::string UnixPath(const std::string& windowsPath) const;
  // A name no other test run on this computer uses at the same time (the prefix's own).
  std::string RunId() const;
  // The TEMP folder of the programs under test, as they see it (e.g. C:\users\root\Temp).
  const std::string& TempDirectory() const { return tempWindows_; }
  const std::string& BuildDir() const { return buildDir_; }

  ~WineMachine();

 private:
  WineMachine();
  std::vector<std::string> Regtool(const std::vector<std::string>& commands);
  RunResult Spawn(const std::vector<std::string>& argv, const std::string& input,
                  const std::map<std::string, std::string>& extraEnv);

  std::string prefix_;
  std::string wine_;
  std::string buildDir_;
  std::string tempWindows_;
  std::string tempUnix_;
  std::string pathPrefix_;
  std::string wineDebug_;
};

// Hex helpers for registry data.
std::string Bytes(const std::string& text, bool withTerminator);

}  // namespace ravel::e2e
