// The check observer of an explained run: writes down every source, probe result and decision.
#pragma once

#include "checks/check_observer.h"
#include "explain/explanation.h"

namespace ravel::explain {

class ExplainingObserver final : public CheckObserver {
 public:
  explicit ExplainingObserver(Explanation& explanation) : explanation_(explanation) {}

  void RegistryRead(RegistryView view, std::string_view key, std::string_view valueName, bool found,
                    std::string_view text) override;
  void Listed(std::string_view javaExe) override;
  void Classified(RuntimeProbe probe, std::string_view javaExe, RuntimeKind kind) override;
  void VersionRead(std::string_view javaExe, std::string_view versionText) override;
  void UpdateLevelRead(std::string_view javaExe, std::int32_t level) override;
  void Decided(const Decision& decision) override;

 private:
  Explanation& explanation_;
};

}  // namespace ravel::explain
