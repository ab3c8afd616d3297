#include "checks/jre_search.h"

#include <gtest/gtest.h>

#include "checks/listing_line.h"
#include "checks/registered_java_home.h"
#include "checks/runtime_home.h"
#include "jre_fixtures.h"
#include "machine_names.h"

namespace ravel {
namespace {

using namespace jre_fixtures;
using sim::SimulatedMachine;

Java Listed(const std::string& home, const std::string& banner, bool compiler = false,
            bool nestedRuntime = false) {
  return Java{home, banner, compiler, nestedRuntime, true};
}

std::vector<Entry> Join(std::vector<Entry> a, const std::vector<Entry>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What discovery leaves behind, and what it cost.
struct Outcome {
  bool verdict64 = false;
  bool verdict32 = false;
  bool brandedFound64 = false;
  bool brandedFound32 = false;
  std::string location64;
  std::string location32;
  // Best versions of Branded32, Branded64, OpenBuild32, OpenBuild64.
  std::array<std::string, 4> best{"0", "0", "0", "0"};
  int classifyProbes = 0;
  int versionProbes = 0;
};

struct DiscoveryCase {
  const char* name;
  MachineLayout machine;
  Outcome expected;
};

const std::string kA = "C:\\Java\\a";
const std::string kB = "C:\\Java\\b";
const std::string kC = "C:\\Java\\c";
const std::string kElsewhere = "D:\\Registered\\jre-11";
const std::string kJreHome = "C:\\Env\\jre";

const std::vector<DiscoveryCase> kCases = {
    {"nothing on the search path", {}, {.classifyProbes = 0}},
    {"Java 8 and Java 17 cost one classification each",
     {{}, {}, {Listed(kA, Java8Banner()), Listed(kB, Java17Banner())}},
     {.classifyProbes = 2}},
    {"OpenJ9 and 32-bit OpenJ9 are passed over",
     {{}, {}, {Listed(kA, OpenJ9Banner(true)), Listed(kB, OpenJ9Banner(false))}},
     {.classifyProbes = 2}},
    {"open 64: 11.0.8 then 11.0.10, the newer wins",
     {{}, {}, {Listed(kA, Open64("11.0.8+10")), Listed(kB, Open64("11.0.10+9"))}},
     {.verdict64 = true,
      .location64 = kB,
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 2,
      .versionProbes = 2}},
    {"open 64: 11.0.10 then 11.0.8, the newer stays",
     {{}, {}, {Listed(kA, Open64("11.0.10+9")), Listed(kB, Open64("11.0.8+10"))}},
     {.verdict64 = true,
      .location64 = kA,
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 2,
      .versionProbes = 2}},
    {"open 64: equal versions keep the first listed",
     {{}, {}, {Listed(kA, Open64("11.0.9+11")), Listed(kB, Open64("11.0.9+11"))}},
     {.verdict64 = true,
      .location64 = kA,
      .best = {"0", "0", "0", "0.9"},
      .classifyProbes = 2,
      .versionProbes = 2}},
    {"open 64: different texts that NewerVersion ranks equal: the later candidate wins",
     {{}, {}, {Listed(kA, Open64("11.0.9+11")), Listed(kB, Open64("11.0.9.1+1"))}},
     {.verdict64 = true,
      .location64 = kB,
      .best = {"0", "0", "0", "0.9.1"},
      .classifyProbes = 2,
      .versionProbes = 2}},
    {"open 64 whose version text is \"0\" sets its flag and leaves the location",
     {{}, {}, {Listed(kA, Open64("11.0+5"))}},
     {.verdict64 = true, .classifyProbes = 1, .versionProbes = 1}},
    {"a \"0\" entry then 11.0.2: the second is taken",
     {{}, {}, {Listed(kA, Open64("11.0+5")), Listed(kB, Open64("11.0.2+9"))}},
     {.verdict64 = true,
      .location64 = kB,
      .best = {"0", "0", "0", "0.2"},
      .classifyProbes = 2,
      .versionProbes = 2}},
    {"a first release 11+28 reads 0.0 and is taken",
     {{}, {}, {Listed(kA, Open64("11+28"))}},
     {.verdict64 = true,
      .location64 = kA,
      .best = {"0", "0", "0", "0.0"},
      .classifyProbes = 1,
      .versionProbes = 1}},
    {"open 32 and open 64 are weighed apart",
     {{}, {}, {Listed(kA, Open32("11.0.8+10")), Listed(kB, Open64("11.0.4+11"))}},
     {.verdict64 = true,
      .verdict32 = true,
      .location64 = kB,
      .location32 = kA,
      .best = {"0", "0", "0.8", "0.4"},
      .classifyProbes = 2,
      .versionProbes = 2}},
    {"open 64 kit with a jre folder is recorded by that folder",
     {{}, {}, {Listed(kA, Open64(), true, true)}},
     {.verdict64 = true,
      .location64 = kA + "\\jre",
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 1,
      .versionProbes = 1}},
    {"open 64 kit without a jre folder is recorded by its own directory",
     {{}, {}, {Listed(kA, Open64(), true, false)}},
     {.verdict64 = true,
      .location64 = kA,
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 1,
      .versionProbes = 1}},
    {"open 64 runtime with a jre folder but no compiler keeps its own directory",
     {{}, {}, {Listed(kA, Open64(), false, true)}},
     {.verdict64 = true,
      .location64 = kA,
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 1,
      .versionProbes = 1}},
    {"branded 32 defers to the registered JavaHome of the 32-bit view",
     {{}, {}, {Listed(kA, Branded32())}, Registered(k32, kRuntimeKey, "11", kElsewhere)},
     {.brandedFound32 = true, .location32 = kElsewhere, .classifyProbes = 1, .versionProbes = 0}},
    {"branded 32 whose registered version has no JavaHome: empty location",
     {{}, {}, {Listed(kA, Branded32())}, Registered(k32, kRuntimeKey, "11", std::nullopt)},
     {.brandedFound32 = true, .location32 = "", .classifyProbes = 1, .versionProbes = 0}},
    {"branded 32 with nothing registered is weighed as an open build",
     {{}, {}, {Listed(kA, Branded32())}},
     {.brandedFound32 = true,
      .location32 = kA,
      .best = {"0.2", "0", "0", "0"},
      .classifyProbes = 1,
      .versionProbes = 1}},
    {"branded 32 ignores a registration in the 64-bit view",
     {{}, {}, {Listed(kA, Branded32())}, Registered(k64, kRuntimeKey, "11", kElsewhere)},
     {.brandedFound32 = true,
      .location32 = kA,
      .best = {"0.2", "0", "0", "0"},
      .classifyProbes = 1,
      .versionProbes = 1}},
    {"two branded 32 with nothing registered: the newer wins",
     {{}, {}, {Listed(kA, Branded32("11.0.2+9-LTS")), Listed(kB, Branded32("11.0.12+8-LTS"))}},
     {.brandedFound32 = true,
      .location32 = kB,
      .best = {"0.12", "0", "0", "0"},
      .classifyProbes = 2,
      .versionProbes = 2}},
    {"branded 64 defers to the kit key when no runtime key is registered",
     {{}, {}, {Listed(kA, Branded64())}, Registered(k64, kKitKey, "11.0.2", kElsewhere)},
     {.brandedFound64 = true, .location64 = kElsewhere, .classifyProbes = 1}},
    {"the runtime key hides the kit key",
     {{},
      {},
      {Listed(kA, Branded64())},
      Join(Registered(k64, kRuntimeKey, "11", "D:\\runtime"),
           Registered(k64, kKitKey, "11.0.2", kElsewhere))},
     {.brandedFound64 = true, .location64 = "D:\\runtime", .classifyProbes = 1}},
    {"branded 32 then open 32: the open build replaces the location",
     {{},
      {},
      {Listed(kA, Branded32()), Listed(kB, Open32())},
      Registered(k32, kRuntimeKey, "11", kElsewhere)},
     {.verdict32 = true,
      .brandedFound32 = true,
      .location32 = kB,
      .best = {"0", "0", "0.10", "0"},
      .classifyProbes = 2,
      .versionProbes = 1}},
    {"open 32 then branded 32: the branded entry is passed over",
     {{},
      {},
      {Listed(kA, Open32()), Listed(kB, Branded32())},
      Registered(k32, kRuntimeKey, "11", kElsewhere)},
     {.verdict32 = true,
      .location32 = kA,
      .best = {"0", "0", "0.10", "0"},
      .classifyProbes = 2,
      .versionProbes = 1}},
    {"environment result 3 (branded JRE_HOME): branded 64 entries are passed over",
     {kJreHome,
      {},
      {Java{kJreHome, Branded64()}, Listed(kA, Branded64())},
      Registered(k64, kRuntimeKey, "11", kElsewhere)},
     {.verdict64 = true, .location64 = kJreHome, .classifyProbes = 3, .versionProbes = 0}},
    {"environment result 3 (branded JRE_HOME): the first open 64 entry replaces it",
     {kJreHome,
      {},
      {Java{kJreHome, Branded64()}, Listed(kA, Branded64()), Listed(kB, Open64("11.0.8+10"))}},
     {.verdict64 = true,
      .location64 = kB,
      .best = {"0", "0", "0", "0.8"},
      .classifyProbes = 4,
      .versionProbes = 1}},
    {"environment result 3 (open JRE_HOME is JAVA_HOME\\jre): its version is the best",
     {"C:\\jdk\\jre",
      "C:\\jdk",
      {Java{"C:\\jdk", Open64("11.0.10+9"), true, true}, Listed(kA, Open64("11.0.8+10"))}},
     {.verdict64 = true,
      .location64 = "C:\\jdk\\jre",
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 4,
      .versionProbes = 2}},
    {"environment result 1 (open 11.0.10 JRE_HOME): a listed 11.0.8 leaves it",
     {kJreHome, {}, {Java{kJreHome, Open64("11.0.10+9")}, Listed(kA, Open64("11.0.8+10"))}},
     {.verdict64 = true,
      .location64 = kJreHome,
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 3,
      .versionProbes = 2}},
    {"environment result 1 (open 11.0.10 JRE_HOME): a listed 11.0.11 replaces it",
     {kJreHome, {}, {Java{kJreHome, Open64("11.0.10+9")}, Listed(kA, Open64("11.0.11+9"))}},
     {.verdict64 = true,
      .location64 = kA,
      .best = {"0", "0", "0", "0.11"},
      .classifyProbes = 3,
      .versionProbes = 2}},
    {"environment result 1: JRE_HOME is recorded exactly as stored",
     {kJreHome + "\\", {}, {Java{kJreHome, Open64()}}},
     {.verdict64 = true,
      .location64 = kJreHome + "\\",
      .best = {"0", "0", "0", "0.10"},
      .classifyProbes = 2,
      .versionProbes = 1}},
    {"environment result 1 does not touch the 32-bit side",
     {kJreHome, {}, {Java{kJreHome, Open64()}, Listed(kA, Branded32())}},
     {.verdict64 = true,
      .brandedFound32 = true,
      .location64 = kJreHome,
      .location32 = kA,
      .best = {"0.2", "0", "0", "0.10"},
      .classifyProbes = 3,
      .versionProbes = 2}},
    {"environment result 2 (JAVA_HOME kit) takes nothing",
     {{}, "C:\\jdk", {Java{"C:\\jdk", Open64(), true}}},
     {.classifyProbes = 1}},
    {"environment result 2 (JAVA_HOME kit) leaves branded 64 entries their turn",
     {{}, "C:\\jdk", {Java{"C:\\jdk", Branded64(), true}, Listed(kA, Branded64())}},
     {.brandedFound64 = true,
      .location64 = kA,
      .best = {"0", "0.2", "0", "0"},
      .classifyProbes = 2,
      .versionProbes = 1}},
};

TEST(SearchJreCandidates, WeighsListedEntriesByTheTable) {
  for (const DiscoveryCase& c : kCases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    Build(machine, c.machine);
    const JreSearchState state = SearchJreCandidates(machine);
    const Outcome& e = c.expected;
    EXPECT_EQ(state.verdict64, e.verdict64);
    EXPECT_EQ(state.verdict32, e.verdict32);
    EXPECT_EQ(state.brandedFound64, e.brandedFound64);
    EXPECT_EQ(state.brandedFound32, e.brandedFound32);
    EXPECT_EQ(TextOf(state.location64), e.location64);
    EXPECT_EQ(TextOf(state.location32), e.location32);
    EXPECT_EQ(state.bestVersion, e.best);
    const std::vector<std::string> commands = machine.CommandLines();
    EXPECT_EQ(CountContaining(commands, "\\Ravelcheck.txt"), e.classifyProbes);
    EXPECT_EQ(CountContaining(commands, "\\JavaVer.txt"), e.versionProbes);
    EXPECT_EQ(CountContaining(commands, "where java"), 1);
    EXPECT_EQ(machine.Children().size(),
              static_cast<std::size_t>(e.classifyProbes + e.versionProbes + 1));
    EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
    EXPECT_EQ(machine.OpenStreams(), 0u);
    EXPECT_EQ(machine.OpenKeys(), 0u);
  }
}

TEST(SearchJreCandidates, BestVersionsAreKeptPerKind) {
  JreSearchState state;
  state.BestVersionOf(RuntimeKind::OpenBuild32) = "0.8";
  EXPECT_EQ(state.bestVersion, (std::array<std::string, 4>{"0", "0", "0.8", "0"}));
  EXPECT_EQ(state.BestVersionOf(RuntimeKind::Branded64), "0");
  EXPECT_EQ(TextOf(state.location64), "");
  EXPECT_EQ(TextOf(state.location32), "");
}

TEST(SearchJreCandidates, ListingStaysOpenWhileItsEntriesAreProbed) {
  SimulatedMachine machine;
  Build(machine,
        {kJreHome, {}, {Java{kJreHome, Open64()}, Listed(kA, Open64()), Listed(kB, Branded32())}});
  const std::string listing = kTemp + "\\AllJavaPath.txt";
  // Seen at the start of every child: whether the listing file exists and how many streams are
  // open (the listing's, while it is held).
  std::vector<std::pair<bool, std::size_t>> seen;
  machine.SetFaultRule([&](sim::OsCall call, std::uint64_t, const std::string&) {
    if (call == sim::OsCall::CreateProcess) {
      seen.emplace_back(machine.FileExistsAt(listing), machine.OpenStreams());
    }
    return false;
  });
  SearchJreCandidates(machine);
  const std::vector<std::pair<bool, std::size_t>> expected = {
      {false, 0},  // JRE_HOME classified by FindEnvironmentRuntime
      {false, 0},  // where java
      {true, 1},   // JRE_HOME classified again as the environment runtime
      {true, 1},   // its version
      {true, 1},   // listed open 64
      {true, 1},   // its version
      {true, 1},   // listed branded 32
      {true, 1},   // its version (nothing registered)
  };
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(machine.FileExistsAt(listing));
}

TEST(SearchJreCandidates, UnreadableListingYieldsNoEntriesAndIsStillDeleted) {
  SimulatedMachine machine;
  Build(machine, {{}, {}, {Listed(kA, Open64())}});
  const std::string listing = kTemp + "\\AllJavaPath.txt";
  machine.SetFaultRule([](sim::OsCall call, std::uint64_t, const std::string& detail) {
    return call == sim::OsCall::OpenTextFile && detail.find("AllJavaPath") != std::string::npos;
  });
  const JreSearchState state = SearchJreCandidates(machine);
  EXPECT_FALSE(state.verdict64);
  EXPECT_EQ(machine.CommandLines(), std::vector<std::string>{kListingCommand});
  EXPECT_FALSE(machine.FileExistsAt(listing));
}

TEST(SearchJreCandidates, OverlongListingLineArrivesInPiecesEachProbedOnce) {
  SimulatedMachine machine;
  const std::string deep = "C:\\" + std::string(250, 'd');
  Build(machine, {{}, {}, {Listed(deep, Open64())}});
  const JreSearchState state = SearchJreCandidates(machine);
  EXPECT_FALSE(state.verdict64);
  // 266 characters and a line feed: a first piece of 255, then the rest.
  EXPECT_EQ(CountContaining(machine.CommandLines(), "\\Ravelcheck.txt"), 2);
  EXPECT_EQ(CountContaining(machine.CommandLines(), "\\JavaVer.txt"), 0);
}

TEST(ListedPath, DropsOnlyAFinalLineFeed) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"C:\\jdk\\bin\\java.exe\n", "C:\\jdk\\bin\\java.exe"},
      {"C:\\jdk\\bin\\java.exe", "C:\\jdk\\bin\\java.exe"},  // a last line without one
      {"\n", ""},
      {"", ""},
      {std::string(255, 'x'), std::string(255, 'x')},  // a piece of an overlong line
  };
  for (const auto& [line, path] : cases) {
    SCOPED_TRACE(line);
    TextBuffer buffer{};
    StoreText(buffer, line);
    EXPECT_EQ(ListedPath(buffer), path);
  }
}

TEST(ListedRuntimeHome, CutsTheExecutableAndPrefersAKitsJreFolder) {
  struct Case {
    const char* name;
    std::vector<Java> javas;
    std::string javaExe;
    std::string home;
  };
  const std::vector<Case> cases = {
      {"runtime", {{kA, Open64()}}, kA + "\\bin\\java.exe", kA},
      {"kit with jre folder", {{kA, Open64(), true, true}}, kA + "\\bin\\java.exe", kA + "\\jre"},
      {"kit without jre folder", {{kA, Open64(), true}}, kA + "\\bin\\java.exe", kA},
      {"jre folder without compiler", {{kA, Open64(), false, true}}, kA + "\\bin\\java.exe", kA},
      {"suffix not checked", {}, "C:\\jdk\\bin\\javaw.exe", "C:\\jdk\\"},
      {"exactly 13 characters", {}, "\\bin\\java.exe", ""},
      {"shorter than 13 characters", {}, "java.exe", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    Build(machine, {{}, {}, c.javas});
    EXPECT_EQ(ListedRuntimeHome(machine, c.javaExe), c.home);
    EXPECT_TRUE(machine.Children().empty());
  }
}

TEST(ReadRegisteredJavaHome, RuntimeKeyThenKitKeyOfTheView) {
  struct Case {
    const char* name;
    std::vector<Entry> registry;
    RegistryView view;
    bool found;
    std::string location;  // starts as "C:\\before"
  };
  const std::vector<Case> cases = {
      {"nothing registered", {}, k64, false, "C:\\before"},
      {"runtime key", Registered(k64, kRuntimeKey, "11", "C:\\jre11"), k64, true, "C:\\jre11"},
      {"kit key", Registered(k32, kKitKey, "11.0.2", "C:\\jdk11"), k32, true, "C:\\jdk11"},
      {"runtime key hides kit key",
       Join(Registered(k64, kRuntimeKey, "1.8", "C:\\jre8"),
            Registered(k64, kKitKey, "11", "C:\\jdk11")),
       k64, true, "C:\\jre8"},
      {"missing JavaHome empties the location",
       Join(Registered(k64, kRuntimeKey, "11", std::nullopt),
            Registered(k64, kKitKey, "11", "C:\\jdk11")),
       k64, true, ""},
      {"other view only", Registered(k32, kRuntimeKey, "11", "C:\\jre11"), k64, false,
       "C:\\before"},
      {"JavaHome without CurrentVersion",
       {{k64, kRuntimeKey + "\\11", "JavaHome", "C:\\jre11"}},
       k64,
       false,
       "C:\\before"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    Build(machine, {{}, {}, {}, c.registry});
    TextBuffer location{};
    StoreText(location, "C:\\before");
    EXPECT_EQ(ReadRegisteredJavaHome(machine, c.view, location), c.found);
    EXPECT_EQ(TextOf(location), c.location);
    EXPECT_TRUE(machine.Children().empty());
    EXPECT_EQ(machine.OpenKeys(), 0u);
  }
}

}  // namespace
}  // namespace ravel
