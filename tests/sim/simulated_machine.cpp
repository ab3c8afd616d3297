#include "sim/simulated_machine.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace ravel::sim {
namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kWow64Key64 = 0x0100;
constexpr std::uint32_t kWow64Key32 = 0x0200;

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return Lower(text.substr(0, prefix.size())) == Lower(prefix);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

std::string Unquote(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c != '"') result += c;
  }
  return result;
}

std::string Escaped(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

bool IsCmdSpecial(char c) { return std::strchr("&<>()@^|", c) != nullptr; }

// A command line cut into its program words and its redirections, as cmd.exe parses one command.
struct ParsedCommand {
  std::vector<std::string> words;                         // quotes removed
  std::vector<std::pair<int, std::string>> redirections;  // stream number, target
  std::vector<bool> appends;
};

ParsedCommand ParseCommand(const std::string& command) {
  ParsedCommand parsed;
  std::string word;
  bool inQuotes = false;
  bool wordStarted = false;
  auto endWord = [&] {
    if (wordStarted) parsed.words.push_back(Unquote(word));
    word.clear();
    wordStarted = false;
  };
  for (std::size_t i = 0; i < command.size(); ++i) {
    const char c = command[i];
    if (c == '"') inQuotes = !inQuotes;
    if (!inQuotes && c == '>') {
      int stream = 1;
      if (word == "1" || word == "2") {
        stream = word[0] - '0';
        word.clear();
        wordStarted = false;
      }
      endWord();
      bool append = false;
      if (i + 1 < command.size() && command[i + 1] == '>') {
        append = true;
        ++i;
      }
      ++i;
      while (i < command.size() && command[i] == ' ') ++i;
      std::string target;
      bool targetQuoted = false;
      for (; i < command.size(); ++i) {
        const char t = command[i];
        if (t == '"') targetQuoted = !targetQuoted;
        if (!targetQuoted && (t == ' ' || t == '>')) break;
        target += t;
      }
      if (i < command.size() && command[i] == '>') --i;
      parsed.redirections.emplace_back(stream, Unquote(target));
      parsed.appends.push_back(append);
      continue;
    }
    if (!inQuotes && (c == ' ' || c == '\t')) {
      endWord();
      continue;
    }
    word += c;
    wordStarted = true;
  }
  endWord();
  return parsed;
}

// Splits at the command separators & && | || that stand outside quotes.
std::vector<std::string> SplitCommands(const std::string& line) {
  std::vector<std::string> commands;
  std::string current;
  bool inQuotes = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') inQuotes = !inQuotes;
    if (!inQuotes && (c == '&' || c == '|')) {
      commands.push_back(current);
      current.clear();
      if (i + 1 < line.size() && line[i + 1] == c) ++i;
      continue;
    }
    current += c;
  }
  commands.push_back(current);
  return commands;
}

}  // namespace

RegistryValue RegistryValue::String(const std::string& text, std::uint32_t type) {
  RegistryValue value;
  value.type = type;
  value.data.assign(text.begin(), text.end());
  value.data.push_back(0);
  return value;
}

std::string RegistryValue::Text() const {
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

SimulatedMachine::SimulatedMachine() {
  const std::string temp = "C:\\Users\\setup\\AppData\\Local\\Temp";
  SetEnvironment("TEMP", temp);
  SetEnvironment("TMP", temp);
  SetEnvironment("SystemRoot", "C:\\Windows");
  SetEnvironment("PATH", "C:\\Windows\\system32;C:\\Windows;C:\\Windows\\System32\\Wbem");
  SetEnvironment("PATHEXT", ".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC");
  AddDirectory(temp);
  AddDirectory(currentDirectory_);
  AddDirectory("C:\\Windows\\System32\\Wbem");
  for (const char* program : {"cmd.exe", "where.exe", "reg.exe"}) {
    AddFile(systemDirectory_ + "\\" + program, "MZ");
  }
  AddKey(RegRoot::LocalMachine, RegistryView::View64,
         "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment");
  AddKey(RegRoot::LocalMachine, RegistryView::View64, "SOFTWARE\\Microsoft");
  AddKey(RegRoot::LocalMachine, RegistryView::View32, "SOFTWARE\\Microsoft");
  AddKey(RegRoot::CurrentUser, RegistryView::View64, "SOFTWARE\\Microsoft");
}

// --- Set-up ---

void SimulatedMachine::SetEnvironment(const std::string& name, const std::string& value) {
  environment_[Lower(name)] = value;
}

void SimulatedMachine::UnsetEnvironment(const std::string& name) {
  environment_.erase(Lower(name));
}

void SimulatedMachine::SetCurrentDirectory(const std::string& directory) {
  currentDirectory_ = directory;
  AddDirectory(directory);
}

void SimulatedMachine::AddDirectory(const std::string& path) {
  for (std::string dir = Normalize(path); !dir.empty(); dir = ParentOf(dir)) {
    directories_.insert(dir);
  }
}

void SimulatedMachine::AddFile(const std::string& path, const std::string& contents) {
  const std::string normalized = Normalize(path);
  AddDirectory(ParentOf(normalized));
  files_[normalized] = File{path, contents};
}

void SimulatedMachine::AddRuntime(const std::string& javaExePath, Runtime runtime) {
  AddFile(javaExePath, "MZ");
  runtimes_[Normalize(javaExePath)] = std::move(runtime);
}

void SimulatedMachine::RemoveFile(const std::string& path) {
  files_.erase(Normalize(path));
  runtimes_.erase(Normalize(path));
}

void SimulatedMachine::AddKit(const std::string& home, const std::string& banner) {
  AddRuntime(home + "\\bin\\java.exe", Runtime{banner, "", false});
  AddFile(home + "\\bin\\javac.exe", "MZ");
}

void SimulatedMachine::AddKey(RegRoot root, RegistryView view, const std::string& key) {
  CreateKey(KeyId(root, view, key));
}

void SimulatedMachine::SetValue(RegRoot root, RegistryView view, const std::string& key,
                                const std::string& name, const RegistryValue& value) {
  const std::string id = KeyId(root, view, key);
  CreateKey(id);
  registry_[id][Lower(name)] = StoredValue{name, value};
}

void SimulatedMachine::SetString(RegRoot root, RegistryView view, const std::string& key,
                                 const std::string& name, const std::string& text) {
  SetValue(root, view, key, name, RegistryValue::String(text));
}

// --- Observation ---

std::vector<std::string> SimulatedMachine::CommandLines() const {
  std::vector<std::string> lines;
  for (const ChildRecord& child : children_) lines.push_back(child.commandLine);
  return lines;
}

std::optional<RegistryValue> SimulatedMachine::Value(RegRoot root, RegistryView view,
                                                     const std::string& key,
                                                     const std::string& name) const {
  const auto k = registry_.find(KeyId(root, view, key));
  if (k == registry_.end()) return std::nullopt;
  const auto v = k->second.find(Lower(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second.value;
}

bool SimulatedMachine::KeyExists(RegRoot root, RegistryView view, const std::string& key) const {
  return registry_.count(KeyId(root, view, key)) != 0;
}

bool SimulatedMachine::FileExistsAt(const std::string& path) const {
  return files_.count(Normalize(path)) != 0;
}

std::string SimulatedMachine::FileContents(const std::string& path) const {
  const auto file = files_.find(Normalize(path));
  return file == files_.end() ? std::string() : file->second.contents;
}

std::vector<std::string> SimulatedMachine::FilesUnder(const std::string& directory) const {
  const std::string prefix = Normalize(directory) + "\\";
  std::vector<std::string> found;
  for (const auto& [normalized, file] : files_) {
    if (normalized.compare(0, prefix.size(), prefix) == 0) found.push_back(file.path);
  }
  return found;
}

std::vector<std::string> SimulatedMachine::SnapshotLines() const {
  std::vector<std::string> lines;
  for (const auto& [id, values] : registry_) {
    lines.push_back("key " + id);
    for (const auto& [lowerName, stored] : values) {
      lines.push_back("value " + id + " | " + stored.name + " | type " +
                      std::to_string(stored.value.type) + " | " +
                      Escaped(std::string(stored.value.data.begin(), stored.value.data.end())));
    }
  }
  for (const auto& [normalized, file] : files_) {
    lines.push_back("file " + normalized + " | " + Escaped(file.contents));
  }
  return lines;
}

std::string SimulatedMachine::Snapshot() const {
  std::string text;
  for (const std::string& line : SnapshotLines()) text += line + "\n";
  return text;
}

// --- Internals ---

long SimulatedMachine::InvalidHandle() {
  ++invalidHandleUses_;
  return kErrorInvalidHandle;
}

bool SimulatedMachine::Fault(OsCall call, const std::string& detail) {
  const std::uint64_t ordinal = callCount_++;
  return faultRule_ && faultRule_(call, ordinal, detail);
}

std::string SimulatedMachine::Normalize(const std::string& path) const {
  std::string p = path;
  std::replace(p.begin(), p.end(), '/', '\\');
  std::string drive;
  std::string rest;
  if (p.size() >= 2 && p[1] == ':') {
    drive = p.substr(0, 2);
    rest = p.substr(2);
  } else if (!p.empty() && p[0] == '\\') {
    drive = currentDirectory_.substr(0, 2);  // the root of the current drive
    rest = p;
  } else {
    drive = currentDirectory_.substr(0, 2);
    rest = currentDirectory_.substr(2) + "\\" + p;
  }
  std::vector<std::string> parts;
  for (const std::string& part : Split(rest, '\\')) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string normalized = Lower(drive);
  for (const std::string& part : parts) normalized += "\\" + Lower(part);
  return normalized;
}

std::string SimulatedMachine::ParentOf(const std::string& normalized) const {
  const auto slash = normalized.rfind('\\');
  if (slash == std::string::npos) return {};
  return normalized.substr(0, slash);
}

std::string SimulatedMachine::KeyId(RegRoot root, RegistryView view, const std::string& key) const {
  std::vector<std::string> parts;
  for (const std::string& part : Split(key, '\\')) {
    if (!part.empty()) parts.push_back(Lower(part));
  }
  std::string id = root == RegRoot::CurrentUser ? "hkcu" : "hklm";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    id += "\\" + parts[i];
    // 64-bit Windows keeps the 32-bit view of HKLM\SOFTWARE apart, under WOW6432Node.
    if (i == 0 && root == RegRoot::LocalMachine && parts[0] == "software" &&
        view == RegistryView::View32 && (parts.size() < 2 || parts[1] != "wow6432node")) {
      id += "\\wow6432node";
    }
  }
  return id;
}

void SimulatedMachine::CreateKey(const std::string& id) {
  for (std::string k = id; !k.empty(); k = ParentOf(k)) registry_[k];
}

std::string SimulatedMachine::EnvironmentValue(const std::string& name) const {
  const auto found = environment_.find(Lower(name));
  return found == environment_.end() ? std::string() : found->second;
}

// --- Os: processes ---

ChildExit SimulatedMachine::CreateProcessAndWait(const std::string& applicationName,
                                                 const std::string& commandLine,
                                                 std::uint32_t creationFlags,
                                                 std::uint32_t waitMilliseconds) {
  const bool fails = Fault(OsCall::CreateProcess, commandLine);
  const bool isInterpreter =
      Normalize(applicationName) == Normalize(systemDirectory_ + "\\cmd.exe") &&
      FileExistsAt(applicationName);
  const bool created = !fails && isInterpreter;
  children_.push_back(
      ChildRecord{applicationName, commandLine, created, creationFlags, waitMilliseconds, false});
  if (!created) return ChildExit{false, static_cast<std::uint32_t>(kErrorFileNotFound), false};
  ChildExit exit{true, 0, false};
  RunCommandInterpreter(commandLine, waitMilliseconds, exit);
  children_.back().timedOut = exit.timedOut;
  return exit;
}

void SimulatedMachine::RunCommandInterpreter(const std::string& commandLine,
                                             std::uint32_t waitMilliseconds, ChildExit& exit) {
  const auto switchAt = Lower(commandLine).find(" /c ");
  if (!StartsWithNoCase(commandLine, "cmd") || switchAt == std::string::npos) {
    strayCommands_.push_back(commandLine);
    return;
  }
  std::string rest = commandLine.substr(switchAt + 4);
  // cmd expands %NAME% before it parses, inside quotes too.
  std::string expanded;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const auto close = rest[i] == '%' ? rest.find('%', i + 1) : std::string::npos;
    if (close != std::string::npos &&
        environment_.count(Lower(rest.substr(i + 1, close - i - 1)))) {
      expanded += EnvironmentValue(rest.substr(i + 1, close - i - 1));
      i = close;
      continue;
    }
    expanded += rest[i];
  }
  rest = expanded;
  // cmd /C keeps the quotes only for exactly two quotes around a plain, blank-holding name of an
  // existing file; otherwise it strips the first and the last quote of the command.
  if (!rest.empty() && rest[0] == '"') {
    const auto second = rest.find('"', 1);
    const bool twoQuotes = std::count(rest.begin(), rest.end(), '"') == 2;
    bool keep = false;
    if (twoQuotes) {
      const std::string inside = rest.substr(1, second - 1);
      keep = std::none_of(inside.begin(), inside.end(), IsCmdSpecial) &&
             inside.find(' ') != std::string::npos && FileExistsAt(inside);
    }
    if (!keep) {
      rest.erase(0, 1);
      rest.erase(rest.rfind('"'), 1);
    }
  }
  const std::vector<std::string> commands = SplitCommands(rest);
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (i > 0) {
      strayCommands_.push_back(commands[i]);
      continue;
    }
    RunSimpleCommand(commands[i], waitMilliseconds, exit);
  }
}

void SimulatedMachine::RunSimpleCommand(const std::string& command, std::uint32_t waitMilliseconds,
                                        ChildExit& exit) {
  const ParsedCommand parsed = ParseCommand(command);
  std::string stdoutTarget;
  std::string stderrTarget;
  for (std::size_t i = 0; i < parsed.redirections.size(); ++i) {
    const auto& [stream, target] = parsed.redirections[i];
    // cmd opens (and so creates or empties) every redirection target before it runs anything.
    if (!WriteRedirect(target, "", parsed.appends[i])) {
      exit.code = 1;
      return;
    }
    (stream == 2 ? stderrTarget : stdoutTarget) = target;
  }
  if (parsed.words.empty()) return;
  std::string out;
  std::string err;
  const std::string program = Lower(parsed.words[0]);
  if (program == "where" || program == "where.exe") {
    out =
        parsed.words.size() == 2 ? whereOverride_.value_or(Where(parsed.words[1])) : std::string();
    if (parsed.words.size() != 2) strayCommands_.push_back(command);
    if (out.empty()) err = "INFO: Could not find files for the given pattern(s).\r\n";
    exit.code = out.empty() ? 1 : 0;
  } else if (program == "reg" || program == "reg.exe") {
    if (!RegAdd(parsed.words)) strayCommands_.push_back(command);
  } else if (const auto runtime = runtimes_.find(Normalize(parsed.words[0]));
             runtime != runtimes_.end()) {
    if (parsed.words.size() != 2 || parsed.words[1] != "-version")
      strayCommands_.push_back(command);
    err = WithCrLf(runtime->second.stderrText);
    out = WithCrLf(runtime->second.stdoutText);
    if (runtime->second.hangs) {
      if (waitMilliseconds == kWaitForever) {
        throw std::logic_error("the program would wait forever for " + parsed.words[0]);
      }
      exit.timedOut = true;
      exit.code = 1;
    }
  } else if (FileExistsAt(parsed.words[0])) {
    strayCommands_.push_back(command);
  } else {
    err = "'" + parsed.words[0] +
          "' is not recognized as an internal or external command,\r\n"
          "operable program or batch file.\r\n";
    exit.code = 1;
  }
  if (!stdoutTarget.empty()) WriteRedirect(stdoutTarget, out, true);
  if (!stderrTarget.empty()) WriteRedirect(stderrTarget, err, true);
}

bool SimulatedMachine::WriteRedirect(const std::string& target, const std::string& text,
                                     bool append) {
  const std::string normalized = Normalize(target);
  if (target.empty() || directories_.count(ParentOf(normalized)) == 0) return false;
  File& file = files_[normalized];
  if (file.path.empty()) file.path = target;
  if (append) {
    file.contents += text;
  } else {
    file.contents = text;
  }
  return true;
}

std::string SimulatedMachine::Where(const std::string& pattern) const {
  std::vector<std::string> directories{currentDirectory_};
  for (const std::string& entry : Split(EnvironmentValue("PATH"), ';')) {
    const std::string directory = Unquote(entry);
    if (!directory.empty()) directories.push_back(directory);
  }
  std::vector<std::string> names;
  if (pattern.find('.') != std::string::npos) {
    names.push_back(pattern);
  } else {
    for (const std::string& ext : Split(EnvironmentValue("PATHEXT"), ';')) {
      if (!ext.empty()) names.push_back(pattern + ext);
    }
  }
  std::string listing;
  for (std::string directory : directories) {
    while (!directory.empty() && directory.back() == '\\') directory.pop_back();
    for (const std::string& name : names) {
      const auto file = files_.find(Normalize(directory + "\\" + name));
      if (file == files_.end()) continue;
      const std::string& stored = file->second.path;
      listing += directory + "\\" + stored.substr(stored.rfind('\\') + 1) + "\r\n";
    }
  }
  return listing;
}

bool SimulatedMachine::RegAdd(const std::vector<std::string>& words) {
  if (words.size() < 3 || Lower(words[1]) != "add") return false;
  RegRoot root;
  std::string key;
  if (StartsWithNoCase(words[2], "HKCU\\")) {
    root = RegRoot::CurrentUser;
    key = words[2].substr(5);
  } else if (StartsWithNoCase(words[2], "HKLM\\")) {
    root = RegRoot::LocalMachine;
    key = words[2].substr(5);
  } else {
    return false;
  }
  RegistryView view = processIs64Bit_ ? RegistryView::View64 : RegistryView::View32;
  bool onlyViewSwitch = true;
  for (std::size_t i = 3; i < words.size(); ++i) {
    if (Lower(words[i]) == "/reg:64") {
      view = RegistryView::View64;
    } else if (Lower(words[i]) == "/reg:32") {
      view = RegistryView::View32;
    } else {
      onlyViewSwitch = false;
    }
  }
  AddKey(root, view, key);
  return onlyViewSwitch;
}

// --- Os: environment and files ---

std::uint32_t SimulatedMachine::GetEnvironmentVariableA(const char* name, char* buffer,
                                                        std::uint32_t size) {
  if (Fault(OsCall::GetEnvironmentVariable, name)) return 0;
  const auto found = environment_.find(Lower(name));
  if (found == environment_.end()) return 0;
  const std::string& value = found->second;
  if (value.size() + 1 > size) return static_cast<std::uint32_t>(value.size() + 1);
  std::memcpy(buffer, value.c_str(), value.size() + 1);
  return static_cast<std::uint32_t>(value.size());
}

std::uint32_t SimulatedMachine::GetSystemDirectoryA(char* buffer, std::uint32_t size) {
  if (Fault(OsCall::GetSystemDirectory, "")) return 0;
  if (systemDirectory_.size() + 1 > size) {
    return static_cast<std::uint32_t>(systemDirectory_.size() + 1);
  }
  std::memcpy(buffer, systemDirectory_.c_str(), systemDirectory_.size() + 1);
  return static_cast<std::uint32_t>(systemDirectory_.size());
}

FileStream SimulatedMachine::OpenTextFile(const std::string& path) {
  if (Fault(OsCall::OpenTextFile, path)) return 0;
  const std::string normalized = Normalize(path);
  const auto file = files_.find(normalized);
  if (file == files_.end()) return 0;
  Stream stream{normalized, {}, 0};
  // Text mode, as the C runtime reads it: CR LF becomes LF, and Ctrl-Z ends the file.
  const std::string& contents = file->second.contents;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    if (contents[i] == '\x1A') break;
    if (contents[i] == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') continue;
    stream.text += contents[i];
  }
  const FileStream handle = nextHandle_++;
  streams_[handle] = std::move(stream);
  return handle;
}

bool SimulatedMachine::ReadLine(FileStream handle, char* buffer, int size) {
  if (Fault(OsCall::ReadLine, "")) return false;
  const auto found = streams_.find(handle);
  if (found == streams_.end()) ++invalidHandleUses_;
  if (found == streams_.end() || size <= 0) return false;
  Stream& stream = found->second;
  if (stream.position >= stream.text.size()) return false;
  int n = 0;
  while (n < size - 1 && stream.position < stream.text.size()) {
    const char c = stream.text[stream.position++];
    buffer[n++] = c;
    if (c == '\n') break;
  }
  buffer[n] = '\0';
  return true;
}

void SimulatedMachine::CloseFile(FileStream handle) {
  Fault(OsCall::CloseFile, "");
  if (streams_.erase(handle) == 0) ++invalidHandleUses_;
}

bool SimulatedMachine::DeleteFileA(const std::string& path) {
  if (Fault(OsCall::DeleteFile, path)) return false;
  const std::string normalized = Normalize(path);
  if (files_.count(normalized) == 0) return false;
  for (const auto& [handle, stream] : streams_) {
    if (stream.normalizedPath == normalized) return false;  // still open: sharing violation
  }
  files_.erase(normalized);
  runtimes_.erase(normalized);
  return true;
}

// --- Os: registry ---

long SimulatedMachine::RegOpenKeyExA(RegRoot root, const std::string& subKey, std::uint32_t access,
                                     RegKey* key) {
  *key = 0;
  keyOpens_.push_back(KeyOpenRecord{root, subKey, access});
  if (Fault(OsCall::RegOpenKey, subKey)) return kErrorAccessDenied;
  RegistryView view = processIs64Bit_ ? RegistryView::View64 : RegistryView::View32;
  if (access & kWow64Key64) view = RegistryView::View64;
  if (access & kWow64Key32) view = RegistryView::View32;
  const std::string id = KeyId(root, view, subKey);
  if (registry_.count(id) == 0) return kErrorFileNotFound;
  *key = nextHandle_++;
  keys_[*key] = OpenKey{id, access};
  return 0;
}

long SimulatedMachine::RegQueryValueExA(RegKey key, const std::string& valueName,
                                        std::uint32_t* type, std::uint8_t* data,
                                        std::uint32_t* size) {
  if (Fault(OsCall::RegQueryValue, valueName)) return kErrorAccessDenied;
  const auto open = keys_.find(key);
  if (open == keys_.end()) return InvalidHandle();
  if ((open->second.access & kKeyQueryValue) == 0) return kErrorAccessDenied;
  const Values& values = registry_[open->second.id];
  const auto found = values.find(Lower(valueName));
  if (found == values.end()) return kErrorFileNotFound;
  const RegistryValue& value = found->second.value;
  if (type != nullptr) *type = value.type;
  const auto length = static_cast<std::uint32_t>(value.data.size());
  if (data == nullptr) {
    *size = length;
    return 0;
  }
  if (*size < length) {
    *size = length;
    return kErrorMoreData;
  }
  std::copy(value.data.begin(), value.data.end(), data);
  *size = length;
  return 0;
}

long SimulatedMachine::RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                                      const std::uint8_t* data, std::uint32_t size) {
  if (Fault(OsCall::RegSetValue, valueName)) return kErrorAccessDenied;
  const auto open = keys_.find(key);
  if (open == keys_.end()) return InvalidHandle();
  if ((open->second.access & kKeySetValue) == 0) return kErrorAccessDenied;
  RegistryValue value;
  value.type = type;
  value.data.assign(data, data + size);
  registry_[open->second.id][Lower(valueName)] = StoredValue{valueName, value};
  return 0;
}

long SimulatedMachine::RegDeleteValueA(RegKey key, const std::string& valueName) {
  if (Fault(OsCall::RegDeleteValue, valueName)) return kErrorAccessDenied;
  const auto open = keys_.find(key);
  if (open == keys_.end()) return InvalidHandle();
  if ((open->second.access & kKeySetValue) == 0) return kErrorAccessDenied;
  return registry_[open->second.id].erase(Lower(valueName)) != 0 ? 0 : kErrorFileNotFound;
}

long SimulatedMachine::RegCloseKey(RegKey key) {
  const bool fails = Fault(OsCall::RegCloseKey, "");
  if (keys_.erase(key) == 0) return InvalidHandle();
  return fails ? kErrorInvalidHandle : 0;
}

}  // namespace ravel::sim
