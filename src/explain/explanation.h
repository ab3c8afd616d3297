// Everything an explained run saw, decided and would have written, in the order it happened.
//
// The dry-run seam (DryRunOs) adds every child and the registry changes it held back, the
// explaining observer adds what the check read and decided; the report writers only read it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "checks/check_observer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel::explain {

struct RegistryReadStep {
  RegistryView view = RegistryView::View32;
  std::string key;
  std::string valueName;
  bool found = false;
  std::string text;  // what the check received; "" when not found
};

struct ListedStep {
  std::string javaExe;
};

enum class ChildPurpose { VersionOutput, Listing, KeyCreation, Other };

struct ChildStep {
  std::string commandLine;
  ChildPurpose purpose = ChildPurpose::Other;
  bool ran = false;  // false: held back, as every child that could change the machine is
  // The lines read from its capture: for a "-version" output numbered as the probes number
  // them (element 1 is line 2), for the listing every line as read.
  std::vector<std::string> lines;
};

struct ProbeStep {
  RuntimeProbe probe = RuntimeProbe::Java11Runtime;
  std::string javaExe;
  RuntimeKind kind = RuntimeKind::Unsuitable;
};

struct VersionStep {
  std::string javaExe;
  std::string versionText;
};

struct UpdateLevelStep {
  std::string javaExe;
  std::int32_t level = 0;
};

struct DecisionStep {
  Outcome outcome = Outcome::PassedOver;
  Reason reason = Reason::NotAcceptedJava11;
  Bitness bitness = Bitness::None;
  std::string candidate;
  std::string location;
  std::string previousLocation;
  std::string comparedWith;
};

using Step = std::variant<RegistryReadStep, ListedStep, ChildStep, ProbeStep, VersionStep,
                          UpdateLevelStep, DecisionStep>;

// A registry value as stored: its type and its bytes.
struct StoredValue {
  std::uint32_t type = 0;
  std::string bytes;
  bool operator==(const StoredValue&) const = default;
};

enum class ChangeKind { CreateKey, SetValue, DeleteValue };

// One change the real program would have made.
struct RegistryChange {
  ChangeKind kind = ChangeKind::SetValue;
  RegRoot root = RegRoot::LocalMachine;
  RegistryView view = RegistryView::View32;  // for HKEY_CURRENT_USER it says nothing
  std::string key;
  std::string valueName;               // SetValue and DeleteValue
  StoredValue value;                   // SetValue
  std::optional<StoredValue> current;  // what the value holds now; nullopt when it is not there
  std::string commandLine;             // CreateKey
};

struct Explanation {
  std::string type;  // "jre" or "java", as on the command line
  std::string mode;  // "silent" or "no-silent"
  std::vector<Step> steps;
  std::vector<RegistryChange> changes;
  std::optional<StoredValue> javaHomeNow;  // the machine-wide JAVA_HOME before the run
};

// What the run would leave in the machine-wide JAVA_HOME.
struct JavaHomeAfter {
  enum class Change { Unchanged, Set, Removed } change = Change::Unchanged;
  std::optional<StoredValue> value;  // the value afterwards; nullopt when there is none
};

JavaHomeAfter WouldLeaveJavaHome(const Explanation& explanation);

}  // namespace ravel::explain
