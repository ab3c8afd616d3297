// What a run changed on a simulated machine, from its snapshot lines before and after.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace ravel {

struct MachineDiff {
  std::vector<std::string> added;    // lines only in the snapshot after
  std::vector<std::string> removed;  // lines only in the snapshot before
};

inline MachineDiff Diff(std::vector<std::string> before, std::vector<std::string> after) {
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  MachineDiff diff;
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                      std::back_inserter(diff.added));
  std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                      std::back_inserter(diff.removed));
  return diff;
}

}  // namespace ravel
