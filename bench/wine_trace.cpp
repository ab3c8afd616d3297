#include "wine_trace.h"

#include <cstddef>
#include <map>
#include <set>
#include <sstream>

namespace ravel::bench {
namespace {

constexpr char kCall[] = ":trace:process:CreateProcessInternalW ";

struct Creation {
  std::string pid;  // of the process that called
  ChildCommand child;
  bool started = false;
};

// A text as Wine's debugstr_w writes it, L"..." with C escapes, from position `at`; moves `at`
// behind it. "(null)" stands for no text.
std::string ReadDebugText(const std::string& line, std::size_t& at, bool& truncated) {
  if (line.compare(at, 6, "(null)") == 0) {
    at += 6;
    return {};
  }
  if (line.compare(at, 2, "L\"") != 0) return {};
  std::string text;
  for (at += 2; at < line.size() && line[at] != '"'; ++at) {
    if (line[at] != '\\' || at + 1 >= line.size()) {
      text += line[at];
      continue;
    }
    const char escaped = line[++at];
    if (escaped == 'n') {
      text += '\n';
    } else if (escaped == 'r') {
      text += '\r';
    } else if (escaped == 't') {
      text += '\t';
    } else if (escaped == 'x' && at + 4 < line.size()) {
      text += static_cast<char>(std::stoi(line.substr(at + 1, 4), nullptr, 16));
      at += 4;
    } else {
      text += escaped;
    }
  }
  ++at;  // the closing quote
  if (line.compare(at, 3, "...") == 0) truncated = true;
  return text;
}

}  // namespace

TracedRun ReadTrace(const std::string& trace) {
  TracedRun run;
  std::vector<Creation> creations;
  std::set<std::string> startedPids;
  std::map<std::string, std::size_t> pendingOf;  // caller pid -> its last creation
  std::istringstream in(trace);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t call = line.find(kCall);
    const std::size_t colon = line.find(':');
    if (call == std::string::npos || colon == std::string::npos || colon > call) continue;
    const std::string pid = line.substr(0, colon);
    std::size_t at = call + sizeof kCall - 1;
    if (line.compare(at, 4, "app ") == 0) {
      at += 4;
      Creation creation{pid, {}, false};
      creation.child.application = ReadDebugText(line, at, run.truncated);
      if (line.compare(at, 9, " cmdline ") == 0) {
        at += 9;
        creation.child.commandLine = ReadDebugText(line, at, run.truncated);
      }
      pendingOf[pid] = creations.size();
      creations.push_back(creation);
    } else if (line.compare(at, 20, "started process pid ") == 0) {
      at += 20;
      startedPids.insert(line.substr(at, line.find(' ', at) - at));
      if (const auto pending = pendingOf.find(pid); pending != pendingOf.end()) {
        creations[pending->second].started = true;
      }
    }
  }
  std::set<std::string> roots;
  for (const Creation& creation : creations) {
    if (startedPids.count(creation.pid) == 0) roots.insert(creation.pid);
  }
  run.roots = static_cast<int>(roots.size());
  if (run.roots != 1) return run;
  for (const Creation& creation : creations) {
    if (creation.pid != *roots.begin()) continue;
    run.children.push_back(creation.child);
    if (creation.started) ++run.started;
  }
  return run;
}

}  // namespace ravel::bench
