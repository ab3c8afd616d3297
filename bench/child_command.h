// One child process as its creation saw it.
#pragma once

#include <string>

namespace ravel::bench {

struct ChildCommand {
  std::string application;
  std::string commandLine;
};

}  // namespace ravel::bench
