#include "explain/explaining_observer.h"

#include <string>

namespace ravel::explain {

void ExplainingObserver::RegistryRead(RegistryView view, std::string_view key,
                                      std::string_view valueName, bool found,
                                      std::string_view text) {
  explanation_.steps.push_back(
      RegistryReadStep{view, std::string(key), std::string(valueName), found, std::string(text)});
}

void ExplainingObserver::Listed(std::string_view javaExe) {
  explanation_.steps.push_back(ListedStep{std::string(javaExe)});
}

void ExplainingObserver::Classified(RuntimeProbe probe, std::string_view javaExe,
                                    RuntimeKind kind) {
  explanation_.steps.push_back(ProbeStep{probe, std::string(javaExe), kind});
}

void ExplainingObserver::VersionRead(std::string_view javaExe, std::string_view versionText) {
  explanation_.steps.push_back(VersionStep{std::string(javaExe), std::string(versionText)});
}

void ExplainingObserver::UpdateLevelRead(std::string_view javaExe, std::int32_t level) {
  explanation_.steps.push_back(UpdateLevelStep{std::string(javaExe), level});
}

void ExplainingObserver::Decided(const Decision& decision) {
  explanation_.steps.push_back(
      DecisionStep{decision.outcome, decision.reason, decision.bitness,
                   std::string(decision.candidate), std::string(decision.location),
                   std::string(decision.previousLocation), std::string(decision.comparedWith)});
}

}  // namespace ravel::explain
