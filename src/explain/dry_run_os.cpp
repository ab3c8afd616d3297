#include "explain/dry_run_os.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/contract.h"
#include "common/text_buffer.h"
#include "explain/stored_value.h"

namespace ravel::explain {
namespace {

constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr std::uint32_t kViewFlags = contract::kKeyWow64Key64 | contract::kKeyWow64Key32;
// Everything a read may ask for: query, enumerate, notify, read control, and the view flags.
constexpr std::uint32_t kReadRights = 0x0001 | 0x0008 | 0x0010 | 0x00020000 | kViewFlags;
// Stand-in keys get odd numbers far above the handles Windows or the simulated machine hand out;
// Windows handles are multiples of four.
constexpr RegKey kFirstStandIn = 0x7FFF0001;

ChildPurpose PurposeOf(std::string_view commandLine) {
  if (commandLine.starts_with(contract::kVersionCommandStart)) return ChildPurpose::VersionOutput;
  if (commandLine.starts_with(contract::kListingCommandStart)) return ChildPurpose::Listing;
  if (commandLine.starts_with(contract::kRegAddCommand)) return ChildPurpose::KeyCreation;
  return ChildPurpose::Other;
}

bool ReadsTheMachine(ChildPurpose purpose) {
  return purpose == ChildPurpose::VersionOutput || purpose == ChildPurpose::Listing;
}

RegistryView ViewOf(std::uint32_t viewFlags) {
  if (viewFlags & contract::kKeyWow64Key64) return RegistryView::View64;
  if (viewFlags & contract::kKeyWow64Key32) return RegistryView::View32;
  return contract::kProcessIs64Bit ? RegistryView::View64 : RegistryView::View32;
}

}  // namespace

DryRunOs::DryRunOs(Os& real, Explanation& explanation)
    : real_(real), explanation_(explanation), nextStandIn_(kFirstStandIn) {}

ChildStep& DryRunOs::Child(std::size_t step) {
  return std::get<ChildStep>(explanation_.steps[step]);
}

ChildExit DryRunOs::CreateProcessAndWait(const std::string& applicationName,
                                         const std::string& commandLine,
                                         std::uint32_t creationFlags,
                                         std::uint32_t waitMilliseconds) {
  const ChildPurpose purpose = PurposeOf(commandLine);
  const bool runs = ReadsTheMachine(purpose);
  lastChildStep_ = explanation_.steps.size();
  explanation_.steps.push_back(ChildStep{commandLine, purpose, runs, {}});
  if (runs) {
    return real_.CreateProcessAndWait(applicationName, commandLine, creationFlags,
                                      waitMilliseconds);
  }
  if (purpose == ChildPurpose::KeyCreation && missingKey_) {
    RegistryChange change;
    change.kind = ChangeKind::CreateKey;
    change.root = missingKey_->root;
    change.view = ViewOf(missingKey_->viewFlags);
    change.key = missingKey_->subKey;
    change.commandLine = commandLine;
    explanation_.changes.push_back(change);
    createdKeys_.insert(*missingKey_);
    missingKey_.reset();
  }
  // As if the held-back child had run and ended well; the checks never consult its exit code.
  return ChildExit{true, 0, false};
}

std::uint32_t DryRunOs::GetEnvironmentVariableA(const char* name, char* buffer,
                                                std::uint32_t size) {
  return real_.GetEnvironmentVariableA(name, buffer, size);
}

std::uint32_t DryRunOs::GetSystemDirectoryA(char* buffer, std::uint32_t size) {
  return real_.GetSystemDirectoryA(buffer, size);
}

FileStream DryRunOs::OpenTextFile(const std::string& path) {
  const FileStream stream = real_.OpenTextFile(path);
  // A capture is opened right after the child that wrote it, whose command line names it.
  if (stream != 0 && lastChildStep_ && !path.empty()) {
    const ChildStep& child = Child(*lastChildStep_);
    if (child.ran && child.commandLine.find(path) != std::string::npos) {
      captures_[stream] =
          CaptureReading{*lastChildStep_, child.purpose == ChildPurpose::VersionOutput, {}};
    }
  }
  return stream;
}

bool DryRunOs::ReadLine(FileStream stream, char* buffer, int size) {
  const bool read = real_.ReadLine(stream, buffer, size);
  const auto capture = captures_.find(stream);
  if (!read || capture == captures_.end() || size <= 0) return read;
  // The probes clear their buffer before each read, so a copy of all of it is the piece exactly
  // as they see it.
  TextBuffer piece{};
  std::memcpy(piece.data(), buffer, std::min<std::size_t>(piece.size(), size));
  piece.back() = '\0';
  CaptureReading& reading = capture->second;
  if (!reading.versionOutput || reading.numbering.IsNumberedLine(piece)) {
    Child(reading.childStep).lines.push_back(TextOf(piece));
  }
  return read;
}

void DryRunOs::CloseFile(FileStream stream) {
  captures_.erase(stream);
  real_.CloseFile(stream);
}

bool DryRunOs::DeleteFileA(const std::string& path) { return real_.DeleteFileA(path); }

long DryRunOs::RegOpenKeyExA(RegRoot root, const std::string& subKey, std::uint32_t access,
                             RegKey* key) {
  *key = 0;
  const KeyPlace place{root, subKey, access & kViewFlags};
  if (createdKeys_.count(place) != 0) {
    *key = nextStandIn_;
    nextStandIn_ += 2;
    keys_[*key] = OpenedKey{place, access, true};
    return kErrorSuccess;
  }
  const bool asksToWrite = (access & ~kReadRights) != 0;
  const std::uint32_t granted = asksToWrite ? contract::kKeyQueryValue | place.viewFlags : access;
  const long result = real_.RegOpenKeyExA(root, subKey, granted, key);
  if (result != kErrorSuccess) {
    if (asksToWrite) missingKey_ = place;
    return result;
  }
  keys_[*key] = OpenedKey{place, access, false};
  return result;
}

long DryRunOs::RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
  const auto opened = keys_.find(key);
  if (opened != keys_.end() && opened->second.standIn) return kErrorFileNotFound;
  return real_.RegQueryValueExA(key, valueName, type, data, size);
}

RegistryChange DryRunOs::ChangeAt(const OpenedKey& opened, RegKey key, ChangeKind kind,
                                  const std::string& valueName) {
  RegistryChange change;
  change.kind = kind;
  change.root = opened.place.root;
  change.view = ViewOf(opened.place.viewFlags);
  change.key = opened.place.subKey;
  change.valueName = valueName;
  if (!opened.standIn) change.current = QueryStoredValue(real_, key, valueName);
  return change;
}

long DryRunOs::RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
  const auto opened = keys_.find(key);
  if (opened == keys_.end()) return kErrorInvalidHandle;
  // Windows refuses a write through a key opened without the right to set values.
  if ((opened->second.askedAccess & contract::kKeySetValue) == 0) return kErrorAccessDenied;
  RegistryChange change = ChangeAt(opened->second, key, ChangeKind::SetValue, valueName);
  change.value = StoredValue{type, std::string(reinterpret_cast<const char*>(data), size)};
  explanation_.changes.push_back(change);
  return kErrorSuccess;
}

long DryRunOs::RegDeleteValueA(RegKey key, const std::string& valueName) {
  const auto opened = keys_.find(key);
  if (opened == keys_.end()) return kErrorInvalidHandle;
  if ((opened->second.askedAccess & contract::kKeySetValue) == 0) return kErrorAccessDenied;
  RegistryChange change = ChangeAt(opened->second, key, ChangeKind::DeleteValue, valueName);
  const bool wasThere = change.current.has_value();
  explanation_.changes.push_back(change);
  return wasThere ? kErrorSuccess : kErrorFileNotFound;
}

long DryRunOs::RegCloseKey(RegKey key) {
  const auto opened = keys_.find(key);
  if (opened == keys_.end()) return real_.RegCloseKey(key);
  const bool standIn = opened->second.standIn;
  keys_.erase(opened);
  return standIn ? kErrorSuccess : real_.RegCloseKey(key);
}

AnsiCodePage DryRunOs::LoadAnsiCodePage() { return real_.LoadAnsiCodePage(); }

}  // namespace ravel::explain
