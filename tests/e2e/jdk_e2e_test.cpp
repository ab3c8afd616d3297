// type=java under Wine with the real 64-bit exe: the per-user verdict, JAVA_HOME, the children
// started and a clean TEMP.
#include <gtest/gtest.h>

#include "sim/java_banners.h"
#include "wine_machine.h"

namespace ravel::e2e {
namespace {

const std::string kKitKey = "SOFTWARE\\JavaSoft\\Java Development Kit";

class JdkCheck : public ::testing::Test {
 protected:
  void SetUp() override { machine_.Reset(); }

  void RunQuietly(const std::string& mode) {
    const RunResult run = machine_.RunRavelcheck({"type=java", "mode=" + mode});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(machine_.TempFiles().empty());
  }

  std::optional<RegValue> JavaHome() {
    return machine_.Value("HKLM", 64, kEnvironmentKey, "JAVA_HOME");
  }

  WineMachine& machine_ = WineMachine::Shared();
};

// Windows keeps the terminator that follows a one-byte write in memory (see the foundation
// tests), so a recorded verdict reads back as the character and a zero.
const RegValue kVerdictFound{kRegSz, Bytes("1", true)};
const RegValue kVerdictNotFound{kRegSz, Bytes("0", true)};

TEST_F(JdkCheck, NothingFoundRecordsZeroAndLeavesJavaHomeAlone) {
  const RegValue previous{kRegExpandSz, Bytes("%SystemDrive%\\Previous\\jdk", true)};
  machine_.SetValue("HKLM", 64, kEnvironmentKey, "JAVA_HOME", previous);
  RunQuietly("no-silent");
  EXPECT_EQ(machine_.Value("HKCU", 64, kSetupKey, "QKJDKPrecheck"), kVerdictNotFound);
  EXPECT_EQ(JavaHome(), previous);
  EXPECT_EQ(machine_.StubLaunches(), std::vector<std::string>{"where"});
  EXPECT_FALSE(machine_.KeyExists("HKLM", 64, kSetupKey));
  EXPECT_FALSE(machine_.KeyExists("HKLM", 32, kSetupKey));
}

TEST_F(JdkCheck, OpenKitOnThePathBecomesJavaHomeInSilentMode) {
  machine_.AddKit("C:\\e2e\\adopt8", banners::kAdopt8u282x64);
  machine_.SetPathPrefix("C:\\e2e\\adopt8\\bin");
  RunQuietly("silent");
  EXPECT_EQ(JavaHome(), (RegValue{kRegSz, Bytes("C:\\e2e\\adopt8", true)}));
  EXPECT_FALSE(machine_.KeyExists("HKCU", 64, kSetupKey));
  // The listing, the Java 8 probe, the update-level probe.
  EXPECT_EQ(machine_.StubLaunches(),
            (std::vector<std::string>{"where", "java C:\\e2e\\adopt8\\bin\\java.exe",
                                      "java C:\\e2e\\adopt8\\bin\\java.exe"}));
}

TEST_F(JdkCheck, ExpandableJavaHomeBecomesAPlainString) {
  machine_.SetValue("HKLM", 64, kEnvironmentKey, "JAVA_HOME",
                    RegValue{kRegExpandSz, Bytes("%SystemDrive%\\e2e\\old", true)});
  machine_.AddKit("C:\\e2e\\adopt8", banners::kAdopt8u282x64);
  machine_.SetPathPrefix("C:\\e2e\\adopt8\\bin");
  RunQuietly("no-silent");
  EXPECT_EQ(machine_.Value("HKCU", 64, kSetupKey, "QKJDKPrecheck"), kVerdictFound);
  EXPECT_EQ(JavaHome(), (RegValue{kRegSz, Bytes("C:\\e2e\\adopt8", true)}));
}

TEST_F(JdkCheck, RegisteredBrandedKitWithoutCompilerRemovesJavaHome) {
  machine_.SetString("HKLM", 64, kEnvironmentKey, "JAVA_HOME", "C:\\e2e\\old");
  machine_.AddRuntime("C:\\e2e\\jre8\\bin\\java.exe", banners::kBranded8u281x64);
  machine_.AddRuntime("C:\\e2e\\jdk8\\bin\\java.exe", banners::kBranded8u281x64);  // no javac.exe
  machine_.SetString("HKLM", 64, kKitKey, "CurrentVersion", "1.8");
  machine_.SetString("HKLM", 64, kKitKey + "\\1.8", "JavaHome", "C:\\e2e\\jdk8");
  machine_.SetPathPrefix("C:\\e2e\\jre8\\bin");
  RunQuietly("no-silent");
  EXPECT_EQ(machine_.Value("HKCU", 64, kSetupKey, "QKJDKPrecheck"), kVerdictFound);
  EXPECT_FALSE(JavaHome());
  // The runtime on the path, then the kit registered for its bitness.
  EXPECT_EQ(machine_.StubLaunches(),
            (std::vector<std::string>{"where", "java C:\\e2e\\jre8\\bin\\java.exe",
                                      "java C:\\e2e\\jdk8\\bin\\java.exe"}));
}

}  // namespace
}  // namespace ravel::e2e
