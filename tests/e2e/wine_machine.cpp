#include "wine_machine.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace ravel::e2e {
namespace fs = std::filesystem;
namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& contents) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char c : bytes) {
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  return hex;
}

std::string Unhex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

std::string CrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
  return line;
}

bool narrating = false;

void Say(const std::string& what) {
  if (narrating) std::printf("%s\n", what.c_str());
  std::fflush(stdout);
}

}  // namespace

void WineMachine::SetNarrating(bool on) { narrating = on; }

void PrintTo(const RegValue& value, std::ostream* out) {
  *out << "type " << value.type << " \"";
  for (char c : value.bytes) {
    if (c == '\0') {
      *out << "\\0";
    } else {
      *out << c;
    }
  }
  *out << "\"";
}

std::string Bytes(const std::string& text, bool withTerminator) {
  return withTerminator ? text + std::string(1, '\0') : text;
}

WineMachine& WineMachine::Shared() {
  static WineMachine machine;
  return machine;
}

WineMachine::WineMachine() {
  wine_ = EnvOr("RAVEL_WINE64", "/usr/lib/wine/wine64");
  buildDir_ = EnvOr("RAVEL_WINDOWS_X64_DIR", "build/windows-x64");
  if (!fs::exists(buildDir_ + "/ravelcheck.exe")) {
    throw std::runtime_error("no ravelcheck.exe in " + buildDir_ +
                             ": build the windows-x64 preset");
  }
  char templ[] = "/tmp/ravel-e2e-XXXXXX";
  if (mkdtemp(templ) == nullptr) throw std::runtime_error("mkdtemp failed");
  prefix_ = templ;
  Say("Booting a 64-bit Windows machine under Wine in " + prefix_ + " ...");
  Spawn({wine_, "wineboot", "-i"}, "", {});
  // A persistent server keeps every later start of a Windows program quick.
  Spawn({EnvOr("RAVEL_WINESERVER", "/usr/bin/wineserver"), "-p"}, "", {});
  fs::copy_file(buildDir_ + "/e2e-tools/where.exe", prefix_ + "/drive_c/windows/system32/where.exe",
                fs::copy_options::overwrite_existing);
  const RunResult temp = Spawn({wine_, "cmd.exe", "/C", "echo %TEMP%"}, "", {});
  tempWindows_ = Lines(temp.out).empty() ? "" : Lines(temp.out)[0];
  while (!tempWindows_.empty() && tempWindows_.back() == ' ') tempWindows_.pop_back();
  if (tempWindows_.size() < 3)
    throw std::runtime_error("no TEMP in the prefix: " + temp.out + temp.err);
  tempUnix_ = UnixPath(tempWindows_);
  Reset();
}

WineMachine::~WineMachine() {
  Spawn({EnvOr("RAVEL_WINESERVER", "/usr/bin/wineserver"), "-k"}, "", {});
  std::error_code ignored;
  fs::remove_all(prefix_, ignored);
}

std::string WineMachine::RunId() const { return fs::path(prefix_).filename().string(); }

std::string WineMachine::UnixPath(const std::string& windowsPath) const {
  std::string rest = windowsPath.substr(windowsPath.size() >= 2 && windowsPath[1] == ':' ? 2 : 0);
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  return prefix_ + "/drive_c" + rest;
}

RunResult WineMachine::Spawn(const std::vector<std::string>& argv, const std::string& input,
                             const std::map<std::string, std::string>& extraEnv) {
  const std::string io = prefix_ + "/.io";
  fs::create_directories(io);
  WriteFile(io + "/in", input);
  const std::string cwd = prefix_ + "/drive_c/e2e/cwd";
  fs::create_directories(cwd);
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    setenv("WINEPREFIX", prefix_.c_str(), 1);
    setenv("WINEDEBUG", "-all", 1);
    setenv("WINEARCH", "win64", 1);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=;where.exe=n", 1);
    for (const auto& [name, value] : extraEnv) setenv(name.c_str(), value.c_str(), 1);
    if (chdir(cwd.c_str()) != 0) _exit(126);
    const int in = open((io + "/in").c_str(), O_RDONLY);
    const int out = open((io + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open((io + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      throw std::runtime_error("a Windows program ran for more than five minutes: " + argv[1]);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(io + "/out");
  result.err = ReadFile(io + "/err");
  return result;
}

RunResult WineMachine::RunWindowsProgram(const std::string& program,
                                         const std::vector<std::string>& args,
                                         const std::string& input) {
  std::vector<std::string> argv{wine_, program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::map<std::string, std::string> env{{"RAVEL_E2E_LOG", "C:\\e2e\\launches.log"}};
  if (!pathPrefix_.empty()) env["WINEPATH"] = pathPrefix_;
  if (!wineDebug_.empty()) env["WINEDEBUG"] = wineDebug_;
  return Spawn(argv, input, env);
}

RunResult WineMachine::RunRavelcheck(const std::vector<std::string>& args) {
  return RunWindowsProgram(buildDir_ + "/ravelcheck.exe", args);
}

RunResult WineMachine::RunExplain(const std::vector<std::string>& args) {
  return RunWindowsProgram(buildDir_ + "/ravelcheck-explain.exe", args);
}

std::vector<std::string> WineMachine::Regtool(const std::vector<std::string>& commands) {
  std::string input;
  for (const std::string& command : commands) input += command + "\n";
  const RunResult result = Spawn({wine_, buildDir_ + "/e2e-tools/regtool.exe"}, input, {});
  std::vector<std::string> answers = Lines(result.out);
  if (answers.size() != commands.size()) {
    throw std::runtime_error("regtool answered " + std::to_string(answers.size()) + " of " +
                             std::to_string(commands.size()) + " commands: " + result.err);
  }
  return answers;
}

void WineMachine::Reset() {
  Regtool({
      Join({"purge", "HKCU", "64", "SOFTWARE\\Quillmark"}),
      Join({"purge", "HKLM", "64", "SOFTWARE\\Quillmark"}),
      Join({"purge", "HKLM", "32", "SOFTWARE\\Quillmark"}),
      Join({"purge", "HKLM", "64", "SOFTWARE\\JavaSoft"}),
      Join({"purge", "HKLM", "32", "SOFTWARE\\JavaSoft"}),
      Join({"del", "HKLM", "64", kEnvironmentKey, "JRE_HOME"}),
      Join({"del", "HKLM", "64", kEnvironmentKey, "JAVA_HOME"}),
  });
  std::error_code ignored;
  fs::remove_all(prefix_ + "/drive_c/e2e", ignored);
  for (const char* name : {"Ravelcheck.txt", "JavaVer.txt", "AllJavaPath.txt"}) {
    fs::remove(tempUnix_ + "/" + name, ignored);
  }
  pathPrefix_.clear();
  wineDebug_.clear();
}

void WineMachine::AddFile(const std::string& windowsPath, const std::string& contents) {
  WriteFile(UnixPath(windowsPath), contents);
}

void WineMachine::AddRuntime(const std::string& javaExe, const std::string& banner) {
  const std::string target = UnixPath(javaExe);
  fs::create_directories(fs::path(target).parent_path());
  fs::copy_file(buildDir_ + "/e2e-tools/java.exe", target, fs::copy_options::overwrite_existing);
  WriteFile((fs::path(target).parent_path() / "java.banner").string(), CrLf(banner));
}

void WineMachine::AddKit(const std::string& home, const std::string& banner) {
  AddRuntime(home + "\\bin\\java.exe", banner);
  AddFile(home + "\\bin\\javac.exe", "MZ");
}

void WineMachine::MakeHang(const std::string& javaExe) {
  WriteFile((fs::path(UnixPath(javaExe)).parent_path() / "java.hang").string(), "");
}

bool WineMachine::FileExists(const std::string& windowsPath) const {
  return fs::exists(UnixPath(windowsPath));
}

void WineMachine::SetValue(const std::string& root, int view, const std::string& key,
                           const std::string& name, const RegValue& value) {
  const auto answer = Regtool({Join({"set", root, std::to_string(view), key, name,
                                     std::to_string(value.type), Hex(value.bytes)})});
  if (answer[0] != "OK") throw std::runtime_error("regtool set failed: " + answer[0]);
}

void WineMachine::SetString(const std::string& root, int view, const std::string& key,
                            const std::string& name, const std::string& text) {
  SetValue(root, view, key, name, RegValue{kRegSz, Bytes(text, true)});
}

std::optional<RegValue> WineMachine::Value(const std::string& root, int view,
                                           const std::string& key, const std::string& name) {
  const std::string answer = Regtool({Join({"get", root, std::to_string(view), key, name})})[0];
  if (answer == "MISSING") return std::nullopt;
  const auto space = answer.find(' ');
  return RegValue{static_cast<unsigned>(std::stoul(answer.substr(0, space))),
                  space == std::string::npos ? "" : Unhex(answer.substr(space + 1))};
}

bool WineMachine::KeyExists(const std::string& root, int view, const std::string& key) {
  return Regtool({Join({"key", root, std::to_string(view), key})})[0] == "EXISTS";
}

std::map<std::string, RegValue> WineMachine::Values(const std::string& root, int view,
                                                    const std::string& key) {
  std::map<std::string, RegValue> values;
  const std::string answer = Regtool({Join({"list", root, std::to_string(view), key})})[0];
  if (answer == "MISSING") return values;
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(answer);
  while (std::getline(in, field, '\t')) fields.push_back(field);
  for (std::size_t i = 0; i + 1 < fields.size(); i += 3) {
    values[fields[i]] = RegValue{static_cast<unsigned>(std::stoul(fields[i + 1])),
                                 i + 2 < fields.size() ? Unhex(fields[i + 2]) : ""};
  }
  return values;
}

std::vector<std::string> WineMachine::StubLaunches() const {
  return Lines(ReadFile(UnixPath("C:\\e2e\\launches.log")));
}

std::vector<std::string> WineMachine::TempFiles() const {
  std::vector<std::string> found;
  for (const char* name : {"Ravelcheck.txt", "JavaVer.txt", "AllJavaPath.txt"}) {
    if (fs::exists(tempUnix_ + "/" + name)) found.push_back(name);
  }
  return found;
}

}  // namespace ravel::e2e
