#include "explain/text_report.h"

#include <string_view>

#include "explain/value_text.h"
#include "explain/wording.h"

namespace ravel::explain {
namespace {

// Every step starts with a word of this width; what belongs to it is indented below.
constexpr std::size_t kLabelWidth = 10;
constexpr char kDetailIndent[] = "              ";

void StartStep(std::string& out, std::string_view label, std::string_view text) {
  out += "  ";
  out += label;
  out.append(label.size() < kLabelWidth ? kLabelWidth - label.size() : 1, ' ');
  out += text;
  out += '\n';
}

void Detail(std::string& out, std::string_view text) {
  out += kDetailIndent;
  out += text;
  out += '\n';
}

std::string Quoted(std::string_view text) { return "\"" + OneLine(text) + "\""; }

std::string ValueText(const StoredValue& value) {
  const std::size_t count = value.bytes.size();
  std::string text = TypeText(value.type) + ", " + std::to_string(count) +
                     (count == 1 ? " byte" : " bytes") + ": " + Hex(value.bytes, " ");
  if (value.type == 1 || value.type == 2) {
    text += " (" + Quoted(std::string_view(value.bytes.c_str())) + ")";
  }
  return text;
}

std::string Place(RegRoot root, RegistryView view, std::string_view key) {
  std::string place = std::string(RootName(root)) + "\\" + std::string(key);
  if (root == RegRoot::LocalMachine) place += ", " + std::string(ViewName(view)) + " view";
  return place;
}

struct StepWriter {
  std::string& out;

  void operator()(const RegistryReadStep& s) const {
    StartStep(out, "read",
              Place(RegRoot::LocalMachine, s.view, s.key) + " " + s.valueName + ": " +
                  (s.found ? Quoted(s.text) : "not there"));
  }
  void operator()(const ListedStep& s) const {
    StartStep(out, "listed", OneLine(s.javaExe) + "  (a line of the \"where java\" listing)");
  }
  void operator()(const ChildStep& s) const {
    StartStep(out, s.ran ? "run" : "held back", OneLine(s.commandLine));
    if (s.purpose != ChildPurpose::VersionOutput) return;
    if (s.lines.empty()) Detail(out, "(no output read)");
    for (std::size_t line = 2; line <= 3; ++line) {
      if (s.lines.size() >= line) {
        Detail(out, "line " + std::to_string(line) + ": " + OneLine(s.lines[line - 1]));
      }
    }
  }
  void operator()(const ProbeStep& s) const {
    StartStep(out, "probe",
              std::string(ProbeName(s.probe)) + " of " + OneLine(s.javaExe) + ": " +
                  KindText(s.probe, s.kind) + " (" + std::string(KindId(s.kind)) + ")");
  }
  void operator()(const VersionStep& s) const {
    StartStep(out, "version", OneLine(s.javaExe) + ": version text " + Quoted(s.versionText));
  }
  void operator()(const UpdateLevelStep& s) const {
    StartStep(out, "update", OneLine(s.javaExe) + ": update level " + std::to_string(s.level));
  }
  void operator()(const DecisionStep& s) const {
    std::string head(OutcomeLabel(s.outcome));
    if (!s.candidate.empty()) {
      head += ": " + OneLine(s.candidate);
    } else if (s.bitness != Bitness::None) {
      head += " (" + std::string(BitnessName(s.bitness)) + ")";
    }
    StartStep(out, "decision", head);
    Detail(out, OneLine(ReasonText(s)));
  }
};

void WriteChange(std::string& out, const RegistryChange& change) {
  if (change.kind == ChangeKind::CreateKey) {
    StartStep(out, "create", Place(change.root, change.view, change.key));
    Detail(out, "by running: " + OneLine(change.commandLine));
    return;
  }
  const bool sets = change.kind == ChangeKind::SetValue;
  StartStep(out, sets ? "set" : "delete",
            Place(change.root, change.view, change.key) + " " + change.valueName);
  if (sets) Detail(out, "to " + ValueText(change.value));
  Detail(out, "now " + (change.current ? ValueText(*change.current) : "not there"));
}

void WriteJavaHome(std::string& out, const Explanation& explanation) {
  const std::string now = explanation.javaHomeNow ? ValueText(*explanation.javaHomeNow) : "not set";
  const JavaHomeAfter after = WouldLeaveJavaHome(explanation);
  out += "JAVA_HOME (machine-wide) is now " + now + ".\n";
  switch (after.change) {
    case JavaHomeAfter::Change::Unchanged:
      out += "It would stay as it is.\n";
      break;
    case JavaHomeAfter::Change::Set:
      out += "It would become " + ValueText(*after.value) + ".\n";
      break;
    case JavaHomeAfter::Change::Removed:
      out += "It would be removed.\n";
      break;
  }
}

}  // namespace

std::string TextReport(const Explanation& explanation) {
  std::string out = "ravelcheck-explain type=" + explanation.type + " mode=" + explanation.mode +
                    "\nThe same check as ravelcheck.exe, run on this machine with nothing "
                    "written.\n\nWhat the check read, ran and decided, in order:\n";
  for (const Step& step : explanation.steps) std::visit(StepWriter{out}, step);
  out += "\nWhat ravelcheck.exe would record (none of it was done):\n";
  if (explanation.changes.empty()) out += "  nothing\n";
  for (const RegistryChange& change : explanation.changes) WriteChange(out, change);
  out += '\n';
  WriteJavaHome(out, explanation);
  return out;
}

}  // namespace ravel::explain
