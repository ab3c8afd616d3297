#include "system/capture.h"

#include <gtest/gtest.h>

#include "common/contract.h"
#include "machine_names.h"
#include "sim/simulated_machine.h"
#include "system/command_runner.h"

namespace ravel {
namespace {

using sim::OsCall;
using sim::Runtime;
using sim::SimulatedMachine;

std::vector<std::string> ReadAll(Os& os, CapturedOutput& capture) {
  std::vector<std::string> lines;
  TextBuffer line{};
  while (NextLine(os, capture, line)) lines.push_back(TextOf(line));
  Finish(os, capture);
  return lines;
}

std::vector<std::string> CaptureVersion(SimulatedMachine& machine, const std::string& javaExe) {
  CapturedOutput capture = CaptureVersionOutput(machine, javaExe, contract::kProbeCaptureFile);
  return ReadAll(machine, capture);
}

TEST(CaptureVersionOutput, RunsTheRuntimeThroughCmdWithEverythingQuoted) {
  SimulatedMachine machine;
  const std::string javaExe = "C:\\Program Files (x86)\\Java\\jre-11\\bin\\java.exe";
  machine.AddRuntime(javaExe, Runtime{"line one\nline two\nline three\n"});

  EXPECT_EQ(CaptureVersion(machine, javaExe),
            (std::vector<std::string>{"line one\n", "line two\n", "line three\n"}));

  ASSERT_EQ(machine.Children().size(), 1u);
  const sim::ChildRecord& child = machine.Children()[0];
  EXPECT_EQ(child.applicationName, "C:\\Windows\\System32\\cmd.exe");
  EXPECT_EQ(child.commandLine,
            "cmd.exe /C \"\"" + javaExe + "\" -version 2>\"" + kTemp + "\\Ravelcheck.txt\"\"");
  EXPECT_EQ(child.creationFlags, 0x08000020u);
  EXPECT_TRUE(machine.StrayCommands().empty());
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

TEST(CaptureVersionOutput, UnquotedFormWouldMissProgramFilesX86) {
  // Why the extra pair of quotes: cmd /C strips the first and last quote when the quoted part
  // holds a parenthesis, and then looks for a program called C:\Program.
  SimulatedMachine machine;
  const std::string javaExe = "C:\\Program Files (x86)\\Java\\bin\\java.exe";
  machine.AddRuntime(javaExe, Runtime{"a\nb\nc\n"});
  machine.CreateProcessAndWait("C:\\Windows\\System32\\cmd.exe",
                               "cmd.exe /C \"" + javaExe + "\" -version 2>" + kTemp + "\\x.txt",
                               contract::kChildCreationFlags, kWaitForever);
  EXPECT_NE(machine.FileContents(kTemp + "\\x.txt").find("'C:\\Program' is not recognized"),
            std::string::npos);
}

TEST(CaptureVersionOutput, TempWithBlankAndAmpersandStillCaptures) {
  SimulatedMachine machine;
  const std::string temp = "C:\\a b&c";
  machine.AddDirectory(temp);
  machine.SetEnvironment("TEMP", temp);
  machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{"1\n2\n3\n"});
  EXPECT_EQ(CaptureVersion(machine, "C:\\jdk\\bin\\java.exe").size(), 3u);
  EXPECT_TRUE(machine.StrayCommands().empty());
  EXPECT_TRUE(machine.FilesUnder(temp).empty());
}

TEST(CaptureVersionOutput, UnusableTempRunsNoChild) {
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"too long", "C:\\" + std::string(253, 't')},
      {"quote", "C:\\te\"mp"},
      {"percent", "C:\\%USERNAME%"},
      {"control character", "C:\\te\tmp"},
  };
  for (const auto& [name, temp] : cases) {
    SCOPED_TRACE(name);
    SimulatedMachine machine;
    machine.SetEnvironment("TEMP", temp);
    machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{"1\n2\n3\n"});
    CapturedOutput capture = CaptureVersionOutput(machine, "C:\\jdk\\bin\\java.exe", "\\x.txt");
    EXPECT_TRUE(ReadAll(machine, capture).empty());
    EXPECT_TRUE(machine.Children().empty());
  }
  SimulatedMachine unset;
  unset.UnsetEnvironment("TEMP");
  CapturedOutput capture = CaptureJavaListing(unset);
  EXPECT_TRUE(ReadAll(unset, capture).empty());
  EXPECT_TRUE(unset.Children().empty());
}

TEST(CaptureVersionOutput, LongestUsableTempIs255Characters) {
  SimulatedMachine machine;
  const std::string temp = "C:\\" + std::string(252, 't');
  machine.AddDirectory(temp);
  machine.SetEnvironment("TEMP", temp);
  machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{"1\n2\n3\n"});
  EXPECT_EQ(CaptureVersion(machine, "C:\\jdk\\bin\\java.exe").size(), 3u);
}

TEST(CaptureVersionOutput, InjectableRuntimePathNeverReachesACommandLine) {
  for (const std::string& javaExe :
       {std::string("C:\\x\" & calc & \"\\bin\\java.exe"),
        std::string("C:\\%ComSpec%\\bin\\java.exe"), std::string("C:\\x\n\\bin\\java.exe")}) {
    SCOPED_TRACE(javaExe);
    SimulatedMachine machine;
    machine.AddFile(kTemp + "\\Ravelcheck.txt", "stale\nstale\nstale\n");
    EXPECT_TRUE(CaptureVersion(machine, javaExe).empty());
    EXPECT_TRUE(machine.Children().empty());
    EXPECT_FALSE(machine.FileExistsAt(kTemp + "\\Ravelcheck.txt"));
  }
}

TEST(CaptureVersionOutput, MissingRuntimeCapturesTheInterpretersComplaint) {
  SimulatedMachine machine;
  const auto lines = CaptureVersion(machine, "C:\\nowhere\\bin\\java.exe");
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("is not recognized"), std::string::npos);
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

TEST(CaptureVersionOutput, StandardOutputIsNotCaptured) {
  SimulatedMachine machine;
  machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{"", "java version\nbuild\nvm\n"});
  EXPECT_TRUE(CaptureVersion(machine, "C:\\jdk\\bin\\java.exe").empty());
}

TEST(CaptureVersionOutput, HangingRuntimeIsEndedAtTheLimitAndWhatItPrintedCounts) {
  SimulatedMachine machine;
  machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{"1\n2\n3\n", "", true});
  EXPECT_EQ(CaptureVersion(machine, "C:\\jdk\\bin\\java.exe").size(), 3u);
  ASSERT_EQ(machine.Children().size(), 1u);
  EXPECT_EQ(machine.Children()[0].waitMilliseconds, contract::kChildTimeLimitMs);
  EXPECT_TRUE(machine.Children()[0].timedOut);
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

TEST(NextLine, LongLinesArriveInPiecesOf255Bytes) {
  SimulatedMachine machine;
  const std::string longLine(299, 'x');
  machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{longLine + "\nlast without line feed"});
  const auto lines = CaptureVersion(machine, "C:\\jdk\\bin\\java.exe");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::string(255, 'x'));
  EXPECT_EQ(lines[1], std::string(44, 'x') + "\n");  // CR LF arrives as LF
  EXPECT_EQ(lines[2], "last without line feed");
}

TEST(Finish, DeletesTheFileEvenWhenItCouldNotBeOpened) {
  SimulatedMachine machine;
  machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{"1\n2\n3\n"});
  machine.SetFaultRule(
      [](OsCall call, std::uint64_t, const std::string&) { return call == OsCall::OpenTextFile; });
  CapturedOutput capture = CaptureVersionOutput(machine, "C:\\jdk\\bin\\java.exe", "\\JavaVer.txt");
  EXPECT_EQ(capture.stream, 0u);
  EXPECT_TRUE(machine.FileExistsAt(kTemp + "\\JavaVer.txt"));
  EXPECT_TRUE(ReadAll(machine, capture).empty());
  EXPECT_FALSE(machine.FileExistsAt(kTemp + "\\JavaVer.txt"));
}

TEST(Finish, StoppingEarlyLeavesNoFile) {
  SimulatedMachine machine;
  machine.AddRuntime("C:\\jdk\\bin\\java.exe", Runtime{"1\n2\n3\n4\n"});
  CapturedOutput capture = CaptureVersionOutput(machine, "C:\\jdk\\bin\\java.exe", "\\JavaVer.txt");
  TextBuffer line{};
  ASSERT_TRUE(NextLine(machine, capture, line));
  ASSERT_TRUE(NextLine(machine, capture, line));
  Finish(machine, capture);
  EXPECT_EQ(machine.OpenStreams(), 0u);
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

TEST(CaptureJavaListing, ListsRuntimesOnThePathInOrder) {
  SimulatedMachine machine;
  machine.AddRuntime("C:\\Java\\A\\bin\\java.exe", Runtime{});
  machine.AddRuntime("C:\\Java\\B\\bin\\JAVA.EXE", Runtime{});
  machine.SetEnvironment("PATH", "C:\\Windows\\system32;C:\\Java\\B\\bin\\;C:\\Java\\A\\bin");
  CapturedOutput listing = CaptureJavaListing(machine);
  EXPECT_EQ(ReadAll(machine, listing), (std::vector<std::string>{"C:\\Java\\B\\bin\\JAVA.EXE\n",
                                                                 "C:\\Java\\A\\bin\\java.exe\n"}));
  ASSERT_EQ(machine.CommandLines().size(), 1u);
  EXPECT_EQ(machine.CommandLines()[0], "cmd.exe /C where java>\"" + kTemp + "\\AllJavaPath.txt\"");
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

TEST(CaptureJavaListing, NothingFoundLeavesAnEmptyListingThatIsDeleted) {
  SimulatedMachine machine;
  CapturedOutput listing = CaptureJavaListing(machine);
  EXPECT_NE(listing.stream, 0u);
  EXPECT_TRUE(ReadAll(machine, listing).empty());
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

TEST(RunCommand, UsesCmdFromTheSystemDirectoryAndReportsCreationErrors) {
  SimulatedMachine machine;
  machine.SetCurrentDirectory("C:\\Downloads");
  machine.AddFile("C:\\Downloads\\cmd.exe", "planted");
  EXPECT_EQ(RunCommand(machine, "cmd.exe /C reg add HKCU\\SOFTWARE\\X /reg:64"), 0u);
  EXPECT_EQ(machine.Children().at(0).applicationName, "C:\\Windows\\System32\\cmd.exe");

  machine.SetFaultRule(
      [](OsCall call, std::uint64_t, const std::string&) { return call == OsCall::CreateProcess; });
  EXPECT_EQ(RunCommand(machine, "cmd.exe /C reg add HKCU\\SOFTWARE\\Y /reg:64"), 2u);

  machine.SetFaultRule([](OsCall call, std::uint64_t, const std::string&) {
    return call == OsCall::GetSystemDirectory;
  });
  EXPECT_EQ(RunCommand(machine, "cmd.exe /C reg add HKCU\\SOFTWARE\\Z /reg:64"), 2u);
  EXPECT_EQ(machine.Children().size(), 2u);  // no child without a known system directory
}

}  // namespace
}  // namespace ravel
