// The program's outer contract under Wine: command line, exit code, silence, and the setup key
// recorder's way of creating a missing key in the right view.
#include <gtest/gtest.h>

#include "wine_machine.h"

namespace ravel::e2e {
namespace {

class Foundation : public ::testing::Test {
 protected:
  void SetUp() override { machine_.Reset(); }
  WineMachine& machine_ = WineMachine::Shared();
};

TEST_F(Foundation, WrongCommandLinesExitZeroSilentlyAndTouchNothing) {
  machine_.AddRuntime("C:\\e2e\\jre\\bin\\java.exe", "x\ny\nz\n");
  machine_.SetPathPrefix("C:\\e2e\\jre\\bin");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"type=jre"},
                                             {"type=jre", "mode=silent", "x"},
                                             {"type=jre", "mode=quiet"},
                                             {"xtype=jre", "mode=silent"}}) {
    const RunResult run = machine_.RunRavelcheck(args);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
  }
  EXPECT_TRUE(machine_.StubLaunches().empty());
  EXPECT_FALSE(machine_.KeyExists("HKCU", 64, kSetupKey));
  EXPECT_FALSE(machine_.KeyExists("HKLM", 64, kSetupKey));
  EXPECT_FALSE(machine_.KeyExists("HKLM", 32, kSetupKey));
  EXPECT_TRUE(machine_.TempFiles().empty());
}

TEST_F(Foundation, MissingSetupKeyIsCreatedInItsViewAndAVerdictWrittenAsOneCharacter) {
  const std::string recorder = machine_.BuildDir() + "/e2e-tools/record_setup.exe";
  ASSERT_EQ(machine_.RunWindowsProgram(recorder, {"Machine32", "Ravelcheck32", "1", "1"}).exitCode,
            0);
  ASSERT_EQ(machine_.RunWindowsProgram(recorder, {"PerUser", "Ravelcheck64", "0", "1"}).exitCode,
            0);
  ASSERT_EQ(
      machine_.RunWindowsProgram(recorder, {"Machine64", "JavaLocation", "C:\\jre", "8"}).exitCode,
      0);

  // Written with a byte count of 1; Windows keeps the terminator that follows in memory, and
  // installers have always read the value that way.
  EXPECT_EQ(machine_.Value("HKLM", 32, kSetupKey, "Ravelcheck32"),
            (RegValue{kRegSz, Bytes("1", true)}));
  EXPECT_FALSE(machine_.Value("HKLM", 64, kSetupKey, "Ravelcheck32"));
  EXPECT_EQ(machine_.Value("HKCU", 64, kSetupKey, "Ravelcheck64"),
            (RegValue{kRegSz, Bytes("0", true)}));
  EXPECT_EQ(machine_.Value("HKLM", 64, kSetupKey, "JavaLocation"),
            (RegValue{kRegSz, Bytes("C:\\jre", true)}));
  EXPECT_FALSE(machine_.Value("HKLM", 32, kSetupKey, "JavaLocation"));
}

}  // namespace
}  // namespace ravel::e2e

namespace ravel::e2e {
namespace {

// The harness itself: the stubs answer as Windows programs do and leave a trace of every start,
// so an empty trace in the other tests means that nothing was started.
TEST_F(Foundation, StubsAnswerAndRecordTheirLaunches) {
  machine_.AddRuntime("C:\\e2e\\jre\\bin\\java.exe", "first\nsecond\n");
  machine_.SetPathPrefix("C:\\e2e\\jre\\bin");
  const RunResult where = machine_.RunWindowsProgram("cmd.exe", {"/C", "where java"});
  EXPECT_EQ(where.out, "C:\\e2e\\jre\\bin\\java.exe\r\n");
  const RunResult java = machine_.RunWindowsProgram("C:\\e2e\\jre\\bin\\java.exe", {"-version"});
  EXPECT_EQ(java.err, "first\r\nsecond\r\n");
  EXPECT_EQ(java.out, "");
  EXPECT_EQ(machine_.StubLaunches(),
            (std::vector<std::string>{"where", "java C:\\e2e\\jre\\bin\\java.exe"}));
  machine_.SetPathPrefix("");
  const RunResult none = machine_.RunWindowsProgram("cmd.exe", {"/C", "where java"});
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("INFO: Could not find files"), std::string::npos);
}

}  // namespace
}  // namespace ravel::e2e

namespace ravel::e2e {
namespace {

// An exception that nothing catches ends the program abnormally and silently.
TEST_F(Foundation, UncaughtExceptionEndsSilentlyWithNonZeroStatus) {
  const RunResult run =
      machine_.RunWindowsProgram(machine_.BuildDir() + "/e2e-tools/throw_uncaught.exe", {});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace ravel::e2e
