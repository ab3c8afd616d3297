// The two checks the benchmark measures, both in mode=no-silent.
#pragma once

#include <string>
#include <vector>

namespace ravel::bench {

enum class Check { Jre, Jdk };

inline std::string CheckName(Check check) { return check == Check::Jre ? "jre" : "java"; }

inline std::vector<std::string> CheckArguments(Check check) {
  return {"type=" + CheckName(check), "mode=no-silent"};
}

}  // namespace ravel::bench
