#include "common/file_checks.h"

#include <gtest/gtest.h>

#include "sim/simulated_machine.h"

namespace ravel {
namespace {

TEST(HasJavaCompiler, LooksForBinJavacUnderTheDirectoryAsPassed) {
  sim::SimulatedMachine machine;
  machine.AddKit("C:\\jdk", "");
  machine.AddFile("C:\\bin\\javac.exe", "planted at the drive root");
  EXPECT_TRUE(HasJavaCompiler(machine, "C:\\jdk"));
  EXPECT_TRUE(HasJavaCompiler(machine, "c:\\JDK\\"));  // a doubled backslash still names it
  EXPECT_FALSE(HasJavaCompiler(machine, "C:\\jdk\\bin"));
  // An empty directory would name the root of the current drive.
  EXPECT_FALSE(HasJavaCompiler(machine, ""));
  EXPECT_TRUE(FileExists(machine, "C:\\bin\\javac.exe"));
  EXPECT_EQ(machine.OpenStreams(), 0u);
}

}  // namespace
}  // namespace ravel
