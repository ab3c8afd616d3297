// A runtime that never answers must not hang the installer: under Wine, the real program ends
// it with everything it started once the child time limit passes, and judges the others.
#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "sim/java_banners.h"
#include "wine_machine.h"

namespace ravel::e2e {
namespace {

// Linux processes whose command line mentions the text (Wine shows Windows command lines).
int ProcessesMentioning(const std::string& text) {
  int count = 0;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return -1;
  while (const dirent* entry = readdir(proc)) {
    const std::string pid = entry->d_name;
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream cmdline("/proc/" + pid + "/cmdline", std::ios::binary);
    std::stringstream content;
    content << cmdline.rdbuf();
    count += content.str().find(text) != std::string::npos;
  }
  closedir(proc);
  return count;
}

TEST(Reliability, HungRuntimeIsEndedWithItsChildrenAndTheOthersStillCount) {
  WineMachine& machine = WineMachine::Shared();
  machine.Reset();
  // Processes are looked for by path, so the path must be this run's alone.
  const std::string hungHome = "C:\\e2e\\hung-" + machine.RunId();
  const std::string hung = hungHome + "\\bin\\java.exe";
  machine.AddRuntime(hung, "");
  machine.MakeHang(hung);  // starts a copy of itself that sleeps forever, and waits for it
  machine.AddRuntime("C:\\e2e\\good32\\bin\\java.exe", banners::kAdopt11x86);
  machine.SetPathPrefix(hungHome + "\\bin;C:\\e2e\\good32\\bin");
  ASSERT_EQ(ProcessesMentioning(hungHome), 0);

  const RunResult run = machine.RunRavelcheck({"type=jre", "mode=no-silent"});

  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(ProcessesMentioning(hungHome), 0);
  EXPECT_EQ(
      machine.StubLaunches(),
      (std::vector<std::string>{"where", "java " + hung, "java C:\\e2e\\good32\\bin\\java.exe",
                                "java C:\\e2e\\good32\\bin\\java.exe"}));
  EXPECT_EQ(machine.Value("HKCU", 64, kSetupKey, "Ravelcheck32"),
            (RegValue{kRegSz, Bytes("1", true)}));
  EXPECT_EQ(machine.Value("HKCU", 64, kSetupKey, "Ravelcheck64"),
            (RegValue{kRegSz, Bytes("0", true)}));
  EXPECT_EQ(machine.Value("HKLM", 32, kSetupKey, "JavaLocation"),
            (RegValue{kRegSz, Bytes("C:\\e2e\\good32", true)}));
  EXPECT_TRUE(machine.TempFiles().empty());
}

}  // namespace
}  // namespace ravel::e2e
