// type=jre under Wine: the real 64-bit program against stub runtimes on the search path, in the
// machine environment and in the JavaSoft keys, with what it records read back as raw bytes.
#include <gtest/gtest.h>

#include <filesystem>

#include "wine_machine.h"

namespace ravel::e2e {
namespace {

std::string OpenBanner(const std::string& build, bool is64) {
  return "openjdk version \"11.0.x\" 2021-01-19\n"
         "OpenJDK Runtime Environment AdoptOpenJDK (build " +
         build + ")\n" +
         (is64 ? "OpenJDK 64-Bit Server VM AdoptOpenJDK (build "
               : "OpenJDK Client VM AdoptOpenJDK (build ") +
         build + ", mixed mode)\n";
}

std::string BrandedBanner(bool is64) {
  return std::string("java version \"11.0.2\" 2019-01-15 LTS\n") +
         "Java(TM) SE Runtime Environment 18.9 (build 11.0.2+9-LTS)\n" +
         (is64 ? "Java HotSpot(TM) 64-Bit Server VM 18.9 (build 11.0.2+9-LTS, mixed mode)\n"
               : "Java HotSpot(TM) Client VM 18.9 (build 11.0.2+9-LTS, mixed mode)\n");
}

// A verdict is written with a byte count of 1; Windows keeps the terminator behind it.
RegValue Verdict(const std::string& flag) { return RegValue{kRegSz, Bytes(flag, true)}; }
RegValue Location(const std::string& text) { return RegValue{kRegSz, Bytes(text, true)}; }

std::string Launch(const std::string& javaExe) { return "java " + javaExe; }

const std::string kRuntimeKey = "SOFTWARE\\JavaSoft\\JRE";

class Jre : public ::testing::Test {
 protected:
  void SetUp() override { machine_.Reset(); }
  void TearDown() override {
    // Reset leaves the drive root alone; the planted runtime must not outlive its test.
    std::error_code ignored;
    std::filesystem::remove_all(machine_.UnixPath("C:\\bin"), ignored);
  }

  void Run(const std::string& mode) {
    const RunResult run = machine_.RunRavelcheck({"type=jre", "mode=" + mode});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(machine_.TempFiles().empty());
  }

  void ExpectVerdicts(const std::string& verdict32, const std::string& verdict64) {
    EXPECT_EQ(machine_.Value("HKCU", 64, kSetupKey, "Ravelcheck32"), Verdict(verdict32));
    EXPECT_EQ(machine_.Value("HKCU", 64, kSetupKey, "Ravelcheck64"), Verdict(verdict64));
  }

  WineMachine& machine_ = WineMachine::Shared();
};

TEST_F(Jre, NothingFoundInEitherModeAndTheDriveRootIsNeverProbed) {
  // A runtime that would pass every test, where an empty location would point a probe.
  ASSERT_FALSE(machine_.FileExists("C:\\bin\\java.exe"));
  machine_.AddRuntime("C:\\bin\\java.exe", BrandedBanner(true));

  Run("silent");
  EXPECT_FALSE(machine_.KeyExists("HKCU", 64, kSetupKey));
  EXPECT_FALSE(machine_.KeyExists("HKLM", 64, kSetupKey));
  EXPECT_FALSE(machine_.KeyExists("HKLM", 32, kSetupKey));

  Run("no-silent");
  ExpectVerdicts("0", "0");
  EXPECT_FALSE(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"));
  EXPECT_FALSE(machine_.Value("HKLM", 32, kSetupKey, "JavaLocation"));

  EXPECT_EQ(machine_.StubLaunches(), (std::vector<std::string>{"where", "where"}));
}

TEST_F(Jre, OpenRuntimesOnThePathAreRecordedInTheViewsOfTheirBitness) {
  machine_.AddRuntime("C:\\e2e\\o64\\bin\\java.exe", OpenBanner("11.0.10+9", true));
  machine_.AddRuntime("C:\\e2e\\o32\\bin\\java.exe", OpenBanner("11.0.8+10", false));
  machine_.SetPathPrefix("C:\\e2e\\o64\\bin;C:\\e2e\\o32\\bin");
  Run("no-silent");
  ExpectVerdicts("1", "1");
  EXPECT_EQ(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"), Location("C:\\e2e\\o64"));
  EXPECT_EQ(machine_.Value("HKLM", 32, kSetupKey, "JavaLocation"), Location("C:\\e2e\\o32"));
  // Each open build: one classification, one version probe.
  EXPECT_EQ(
      machine_.StubLaunches(),
      (std::vector<std::string>{
          "where", Launch("C:\\e2e\\o64\\bin\\java.exe"), Launch("C:\\e2e\\o64\\bin\\java.exe"),
          Launch("C:\\e2e\\o32\\bin\\java.exe"), Launch("C:\\e2e\\o32\\bin\\java.exe")}));
}

TEST_F(Jre, KitOnThePathIsRecordedAsItsJreFolder) {
  machine_.AddKit("C:\\e2e\\jdk", OpenBanner("11.0.10+9", true));
  machine_.AddRuntime("C:\\e2e\\jdk\\jre\\bin\\java.exe", OpenBanner("11.0.10+9", true));
  machine_.SetPathPrefix("C:\\e2e\\jdk\\bin");
  Run("silent");
  EXPECT_EQ(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"), Location("C:\\e2e\\jdk\\jre"));
  EXPECT_FALSE(machine_.KeyExists("HKLM", 32, kSetupKey));
  EXPECT_FALSE(machine_.KeyExists("HKCU", 64, kSetupKey));
}

TEST_F(Jre, BrandedRuntimesDeferToTheJavaSoftKeysOfTheirView) {
  machine_.AddRuntime("C:\\e2e\\b64\\bin\\java.exe", BrandedBanner(true));
  machine_.AddRuntime("C:\\e2e\\b32\\bin\\java.exe", BrandedBanner(false));
  machine_.SetPathPrefix("C:\\e2e\\b64\\bin;C:\\e2e\\b32\\bin");
  machine_.SetString("HKLM", 64, kRuntimeKey, "CurrentVersion", "11");
  machine_.SetString("HKLM", 64, kRuntimeKey + "\\11", "JavaHome", "C:\\Registered\\jre-11-x64");
  machine_.SetString("HKLM", 32, kRuntimeKey, "CurrentVersion", "11.0.2");
  machine_.SetString("HKLM", 32, kRuntimeKey + "\\11.0.2", "JavaHome",
                     "C:\\Registered\\jre-11-x86");
  Run("no-silent");
  ExpectVerdicts("1", "1");
  EXPECT_EQ(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"),
            Location("C:\\Registered\\jre-11-x64"));
  EXPECT_EQ(machine_.Value("HKLM", 32, kSetupKey, "JavaLocation"),
            Location("C:\\Registered\\jre-11-x86"));
  // A registered current version spares the version probe.
  EXPECT_EQ(machine_.StubLaunches(),
            (std::vector<std::string>{"where", Launch("C:\\e2e\\b64\\bin\\java.exe"),
                                      Launch("C:\\e2e\\b32\\bin\\java.exe")}));
}

TEST_F(Jre, JreHomeOpenRuntimeIsTakenAsStored) {  // environment result 1
  machine_.AddRuntime("C:\\e2e\\envjre\\bin\\java.exe", OpenBanner("11.0.10+9", true));
  machine_.SetString("HKLM", 64, kEnvironmentKey, "JRE_HOME", "C:\\e2e\\envjre\\");
  Run("no-silent");
  ExpectVerdicts("0", "1");
  EXPECT_EQ(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"), Location("C:\\e2e\\envjre\\"));
  EXPECT_FALSE(machine_.Value("HKLM", 32, kSetupKey, "JavaLocation"));
  // Judged before the listing, then taken after it with its version read.
  const std::string java = Launch("C:\\e2e\\envjre\\bin\\java.exe");
  EXPECT_EQ(machine_.StubLaunches(), (std::vector<std::string>{java, "where", java, java}));
}

TEST_F(Jre, JavaHomeKitAloneIsNotTaken) {  // environment result 2
  machine_.AddKit("C:\\e2e\\envjdk", OpenBanner("11.0.10+9", true));
  machine_.SetString("HKLM", 64, kEnvironmentKey, "JAVA_HOME", "C:\\e2e\\envjdk");
  Run("no-silent");
  ExpectVerdicts("0", "0");
  EXPECT_FALSE(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"));
  EXPECT_EQ(machine_.StubLaunches(),
            (std::vector<std::string>{Launch("C:\\e2e\\envjdk\\bin\\java.exe"), "where"}));
}

TEST_F(Jre, JreHomeBrandedRuntimeOutranksListedBrandedRuntimes) {  // environment result 3
  machine_.AddRuntime("C:\\e2e\\envb64\\bin\\java.exe", BrandedBanner(true));
  machine_.AddRuntime("C:\\e2e\\b64\\bin\\java.exe", BrandedBanner(true));
  machine_.SetPathPrefix("C:\\e2e\\b64\\bin");
  machine_.SetString("HKLM", 64, kEnvironmentKey, "JRE_HOME", "C:\\e2e\\envb64");
  machine_.SetString("HKLM", 64, kRuntimeKey, "CurrentVersion", "11");
  machine_.SetString("HKLM", 64, kRuntimeKey + "\\11", "JavaHome", "C:\\Registered\\jre-11-x64");
  Run("silent");
  EXPECT_EQ(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"), Location("C:\\e2e\\envb64"));
  EXPECT_FALSE(machine_.KeyExists("HKCU", 64, kSetupKey));
  const std::string env = Launch("C:\\e2e\\envb64\\bin\\java.exe");
  EXPECT_EQ(machine_.StubLaunches(),
            (std::vector<std::string>{env, "where", env, Launch("C:\\e2e\\b64\\bin\\java.exe")}));
}

}  // namespace
}  // namespace ravel::e2e
