#include "explain/json_report.h"

#include <optional>
#include <string_view>

#include "explain/json_writer.h"
#include "explain/value_text.h"
#include "explain/wording.h"

namespace ravel::explain {
namespace {

void WriteValue(JsonWriter& json, std::string_view name, const std::optional<StoredValue>& value) {
  json.Key(name);
  if (!value) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.StringMember("type", TypeText(value->type));
  json.NumberMember("typeNumber", value->type);
  json.StringMember("bytes", Hex(value->bytes, ""));
  json.StringMember("text", std::string_view(value->bytes.c_str()));
  json.EndObject();
}

void OptionalString(JsonWriter& json, std::string_view name, std::string_view text) {
  json.Key(name);
  if (text.empty()) {
    json.Null();
  } else {
    json.String(text);
  }
}

struct StepWriter {
  JsonWriter& json;

  void operator()(const RegistryReadStep& s) const {
    json.StringMember("step", "read");
    json.StringMember("root", "HKLM");
    json.StringMember("key", s.key);
    json.StringMember("view", ViewName(s.view));
    json.StringMember("name", s.valueName);
    json.BoolMember("found", s.found);
    json.StringMember("text", s.text);
  }
  void operator()(const ListedStep& s) const {
    json.StringMember("step", "listed");
    json.StringMember("javaExe", s.javaExe);
  }
  void operator()(const ChildStep& s) const {
    json.StringMember("step", "run");
    json.StringMember("commandLine", s.commandLine);
    json.StringMember("purpose", PurposeId(s.purpose));
    json.BoolMember("ran", s.ran);
    if (s.purpose == ChildPurpose::VersionOutput) {
      OptionalString(json, "line2", s.lines.size() >= 2 ? std::string_view(s.lines[1]) : "");
      OptionalString(json, "line3", s.lines.size() >= 3 ? std::string_view(s.lines[2]) : "");
    }
    json.Key("lines");
    json.BeginArray();
    for (const std::string& line : s.lines) json.String(line);
    json.EndArray();
  }
  void operator()(const ProbeStep& s) const {
    json.StringMember("step", "probe");
    json.StringMember("probe", ProbeId(s.probe));
    json.StringMember("javaExe", s.javaExe);
    json.StringMember("kind", KindId(s.kind));
    json.NumberMember("kindNumber", static_cast<std::int64_t>(s.kind));
    json.StringMember("meaning", KindText(s.probe, s.kind));
  }
  void operator()(const VersionStep& s) const {
    json.StringMember("step", "version");
    json.StringMember("javaExe", s.javaExe);
    json.StringMember("versionText", s.versionText);
  }
  void operator()(const UpdateLevelStep& s) const {
    json.StringMember("step", "update-level");
    json.StringMember("javaExe", s.javaExe);
    json.NumberMember("level", s.level);
  }
  void operator()(const DecisionStep& s) const {
    json.StringMember("step", "decision");
    json.StringMember("outcome", OutcomeId(s.outcome));
    json.StringMember("reason", ReasonId(s.reason));
    OptionalString(json, "bitness", BitnessName(s.bitness));
    json.StringMember("candidate", s.candidate);
    json.StringMember("location", s.location);
    json.StringMember("previousLocation", s.previousLocation);
    json.StringMember("comparedWith", s.comparedWith);
    json.StringMember("explanation", ReasonText(s));
  }
};

std::string_view ActionId(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::CreateKey:
      return "create-key";
    case ChangeKind::SetValue:
      return "set";
    case ChangeKind::DeleteValue:
      return "delete";
  }
  return "";
}

void WriteChange(JsonWriter& json, const RegistryChange& change) {
  json.BeginObject();
  json.StringMember("action", ActionId(change.kind));
  json.StringMember("root", RootName(change.root));
  OptionalString(json, "view",
                 change.root == RegRoot::LocalMachine ? ViewName(change.view) : std::string_view());
  json.StringMember("key", change.key);
  if (change.kind == ChangeKind::CreateKey) {
    json.StringMember("commandLine", change.commandLine);
  } else {
    json.StringMember("name", change.valueName);
    if (change.kind == ChangeKind::SetValue) WriteValue(json, "value", change.value);
    WriteValue(json, "now", change.current);
  }
  json.EndObject();
}

std::string_view ChangeId(JavaHomeAfter::Change change) {
  switch (change) {
    case JavaHomeAfter::Change::Unchanged:
      return "unchanged";
    case JavaHomeAfter::Change::Set:
      return "set";
    case JavaHomeAfter::Change::Removed:
      return "removed";
  }
  return "";
}

}  // namespace

std::string JsonReport(const Explanation& explanation) {
  JsonWriter json;
  json.BeginObject();
  json.StringMember("program", "ravelcheck-explain");
  json.StringMember("type", explanation.type);
  json.StringMember("mode", explanation.mode);
  json.Key("steps");
  json.BeginArray();
  for (const Step& step : explanation.steps) {
    json.BeginObject();
    std::visit(StepWriter{json}, step);
    json.EndObject();
  }
  json.EndArray();
  json.Key("wouldRecord");
  json.BeginArray();
  for (const RegistryChange& change : explanation.changes) WriteChange(json, change);
  json.EndArray();
  const JavaHomeAfter after = WouldLeaveJavaHome(explanation);
  json.Key("javaHome");
  json.BeginObject();
  WriteValue(json, "now", explanation.javaHomeNow);
  json.StringMember("change", ChangeId(after.change));
  WriteValue(json, "after", after.value);
  json.EndObject();
  json.EndObject();
  return json.Text();
}

}  // namespace ravel::explain
