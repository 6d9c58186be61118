#include "setup/setup_file.h"

#include <gtest/gtest.h>

#include "core/refusal.h"
#include "core/startup.h"
#include "core/text.h"
#include "setup/default_scoring.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

WorkingState defaultSetup() {
  WorkingState state;
  fillPlaneTypes(state);
  state.serverName = "Friday Night, Skyvex League";
  applyDefaultScoring(state);
  return state;
}

// The setup fields only, so two states compare by what a setup file holds.
struct SetupFields {
  explicit SetupFields(const WorkingState& s)
      : serverName(s.serverName),
        numbers{s.mapIndex, s.maxPilotsAllowed, s.multiDeathSeconds, s.graceMinutes, s.penaltyScout,
                s.penaltyFriendly, s.penaltyInvalid, s.useBoxedTargets, s.pointsPerDeath, s.aamPointsPerDeath},
        rate(s.penaltyPerExcessMinute),
        targetValues(s.targetValues),
        planes(s.planeTypes),
        active(s.activeAerodromes) {}
  bool operator==(const SetupFields& o) const {
    return serverName == o.serverName && numbers == o.numbers && rate == o.rate && targetValues == o.targetValues &&
           planes == o.planes && active == o.active;
  }
  std::string serverName;
  std::vector<int16_t> numbers;
  double rate;
  std::array<int16_t, kTargetValues> targetValues;
  std::array<PlaneType, kPlaneRows> planes;
  std::vector<ActiveAerodrome> active;
};

// A fresh state to read into: the aeroplane table of start-up, nothing else.
WorkingState freshState() {
  WorkingState state;
  fillPlaneTypes(state);
  return state;
}

std::string refusalOf(WorkingState& state, const std::string& bytes, const std::string& name = "broken.vxs") {
  try {
    readSetup(state, bytes, name);
  } catch (const Refusal& refusal) {
    return refusal.what();
  }
  return "";
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

TEST(SetupFileLayout, OneHundredNineteenLinesInTheirOrder) {
  WorkingState state = defaultSetup();
  state.penaltyPerExcessMinute = 0.5;
  state.penaltyInvalid = -5;
  state.planeTypes[22].currentName = "Pfalz D.XII";
  const std::string bytes = formatSetup(state);
  const auto lines = splitLines(bytes);
  ASSERT_EQ(lines.size(), 119u);
  EXPECT_EQ(bytes.substr(bytes.size() - 5), " 0 \r\n");  // every line ends in CR LF
  EXPECT_EQ(lines[0], "Friday Night, Skyvex League");
  EXPECT_EQ(lines[1], " 2 ");
  EXPECT_EQ(lines[2], " 18 ");
  EXPECT_EQ(lines[3], " 15 ");
  EXPECT_EQ(lines[4], " .5 ");
  EXPECT_EQ(lines[5], " 0 ");
  EXPECT_EQ(lines[8], "-5 ");
  EXPECT_EQ(lines[9], " 1 ");
  EXPECT_EQ(lines[10], " 9 ");   // targetValues[0]
  EXPECT_EQ(lines[27], " 0 ");   // targetValues[17]
  EXPECT_EQ(lines[28], " 1 ");   // Airco DH2: value
  EXPECT_EQ(lines[29], " 0 ");   //            not a bomber
  EXPECT_EQ(lines[30], "Airco DH2");
  EXPECT_EQ(lines[31], "DH2");
  EXPECT_EQ(lines[37], " 1 ");   // Nieuport 11 bombs
  EXPECT_EQ(lines[114], "Pfalz D.XII");
  EXPECT_EQ(lines[115], "Pfalz DXII");
  EXPECT_EQ(lines[116], " 1 ");
  EXPECT_EQ(lines[117], " 1 ");
  EXPECT_EQ(lines[118], " 0 ");
}

TEST(SetupFileLayout, ARateOfOneIsWrittenAsOneAndAerodromesAddTwoLinesEach) {
  WorkingState state = defaultSetup();
  state.activeAerodromes = {{}, {7, 1}, {12, 0}};
  const auto lines = splitLines(formatSetup(state));
  ASSERT_EQ(lines.size(), 123u);
  EXPECT_EQ(lines[4], " 1 ");
  EXPECT_EQ(lines[118], " 2 ");
  EXPECT_EQ(lines[119], " 7 ");
  EXPECT_EQ(lines[120], " 1 ");
  EXPECT_EQ(lines[121], " 12 ");
  EXPECT_EQ(lines[122], " 0 ");
}

TEST(SetupFileLayout, ALineBreakInATextIsWrittenAsABlank) {
  WorkingState state = defaultSetup();
  state.serverName = "Friday\r\nNight";
  state.planeTypes[5].currentShortName = "N\n24";
  const auto lines = splitLines(formatSetup(state));
  ASSERT_EQ(lines.size(), 119u);
  EXPECT_EQ(lines[0], "Friday  Night");
  EXPECT_EQ(lines[47], "N 24");
}

TEST(SetupFileRoundTrip, ACommaInTheNameAHalfRateAndNoAerodromes) {
  WorkingState state = defaultSetup();
  state.penaltyPerExcessMinute = 0.5;
  state.graceMinutes = 5;
  state.planeTypes[8].planeAllowed = 1;
  state.planeTypes[8].currentName = "Camel, Sopwith";
  state.planeTypes[8].currentShortName = "";
  state.targetValues[14] = -3;
  WorkingState read = freshState();
  readSetup(read, formatSetup(state), "round.vxs");
  EXPECT_TRUE(SetupFields(read) == SetupFields(state));
  EXPECT_EQ(read.serverName, "Friday Night, Skyvex League");
  EXPECT_EQ(read.penaltyPerExcessMinute, 0.5);
  ASSERT_EQ(read.activeAerodromes.size(), 1u);  // only the never-used entry 0
  EXPECT_EQ(read.activeAerodromes[0], ActiveAerodrome{});
}

TEST(SetupFileRoundTrip, ActiveAerodromesAndTheirSidesComeBack) {
  WorkingState state = defaultSetup();
  state.activeAerodromes = {{}, {7, 1}, {12, 0}};
  WorkingState read = freshState();
  read.activeAerodromes = {{}, {1, 0}, {2, 0}, {3, 1}};
  readSetup(read, formatSetup(state), "round.vxs");
  EXPECT_EQ(read.activeAerodromes, state.activeAerodromes);
}

TEST(SetupFileReading, BlanksLeadingPointsAndPlainLineFeedsAreAccepted) {
  auto lines = splitLines(formatSetup(defaultSetup()));
  lines[2] = "   20";
  lines[4] = ".25";
  lines[6] = "  -7   ";
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\n";
  bytes += "trailing lines after the layout are not read\n";
  WorkingState read = freshState();
  readSetup(read, bytes, "unix.vxs");
  EXPECT_EQ(read.maxPilotsAllowed, 20);
  EXPECT_EQ(read.penaltyPerExcessMinute, 0.25);
  EXPECT_EQ(read.penaltyScout, -7);
}

TEST(SetupFileRefusals, AShortFileNamesTheFirstMissingLineAndChangesNothing) {
  auto lines = splitLines(formatSetup(defaultSetup()));
  lines.resize(118);
  WorkingState state = defaultSetup();
  state.serverName = "In force";
  const WorkingState before = state;
  EXPECT_EQ(refusalOf(state, joinLines(lines)),
            "Error: While reading setup file broken.vxs, line 119 (number of active aerodromes): the file ends "
            "before this line; a setup file has at least 119 lines.");
  EXPECT_EQ(state, before);
}

TEST(SetupFileRefusals, TextWhereANumberBelongsNamesItsLine) {
  auto lines = splitLines(formatSetup(defaultSetup()));
  lines[2] = "eighteen";
  WorkingState state = defaultSetup();
  const WorkingState before = state;
  EXPECT_EQ(refusalOf(state, joinLines(lines)),
            "Error: While reading setup file broken.vxs, line 3 (max pilots permitted): \"eighteen\" is not a number.");
  EXPECT_EQ(state, before);

  lines[2] = " 18 ";
  lines[30] = "Airco DH2";  // a name where a value belongs is fine only on name lines
  lines[28] = "12 min";
  EXPECT_EQ(refusalOf(state, joinLines(lines)),
            "Error: While reading setup file broken.vxs, line 29 (aeroplane kill value): \"12 min\" is not a number.");
  EXPECT_EQ(state, before);
}

TEST(SetupFileRefusals, MoreAerodromesThanTheFileHoldsAreRefused) {
  WorkingState full = defaultSetup();
  full.activeAerodromes = {{}, {7, 1}};
  auto lines = splitLines(formatSetup(full));
  lines[118] = " 3 ";
  WorkingState state = defaultSetup();
  state.activeAerodromes = {{}, {12, 0}};
  const WorkingState before = state;
  EXPECT_EQ(refusalOf(state, joinLines(lines)),
            "Error: While reading setup file broken.vxs, line 119 (number of active aerodromes): the file names 3 "
            "active aerodromes but holds 1.");
  EXPECT_EQ(state, before);
  lines[118] = "-1";
  EXPECT_NE(refusalOf(state, joinLines(lines)).find("line 119"), std::string::npos);
  EXPECT_EQ(state, before);
}

TEST(SetupFileRefusals, NumbersOutsideTheirRangeAreRefused) {
  const auto lines = splitLines(formatSetup(defaultSetup()));
  struct Case {
    size_t line;
    const char* value;
    const char* problem;
  } cases[] = {{1, "7", "line 2 (map): 7 is outside 0..5"},
               {10, "40000", "line 11 (target value): 40000 is outside -32768..32767"}};
  for (const Case& c : cases) {
    auto broken = lines;
    broken[c.line] = c.value;
    WorkingState state = defaultSetup();
    const std::string message = refusalOf(state, joinLines(broken));
    EXPECT_NE(message.find(c.problem), std::string::npos) << message;
  }
  WorkingState withSide = defaultSetup();
  withSide.activeAerodromes = {{}, {7, 1}};
  auto broken = splitLines(formatSetup(withSide));
  broken[120] = " 2 ";
  WorkingState state = defaultSetup();
  EXPECT_NE(refusalOf(state, joinLines(broken)).find("line 121 (active aerodrome side): 2 is outside 0..1"),
            std::string::npos);
}

TEST(SetupFileOnDisk, ReadingFollowsThePathOnlyWhenTheFileIsTaken) {
  TempFolder folder;
  const std::string good = folder.write("good.vxs", formatSetup(defaultSetup()));
  const std::string bad = folder.write("bad.vxs", "only a name\r\n");
  WorkingState state = freshState();
  state.setupFilePath = "/old/place.vxs";
  state.setupFileName = "place.vxs";
  EXPECT_THROW(readSetupFile(state, bad), Refusal);
  EXPECT_EQ(state.setupFilePath, "/old/place.vxs");
  EXPECT_EQ(state.setupFileName, "place.vxs");
  try {
    readSetupFile(state, folder.file("missing.vxs"));
    FAIL() << "no refusal";
  } catch (const Refusal& refusal) {
    EXPECT_EQ(std::string(refusal.what()).rfind("Error: Could not read setup file " + folder.file("missing.vxs"), 0),
              0u);
  }
  readSetupFile(state, good);
  EXPECT_EQ(state.setupFilePath, good);
  EXPECT_EQ(state.setupFileName, "good.vxs");
  EXPECT_EQ(state.serverName, "Friday Night, Skyvex League");
}

TEST(SetupFileCommands, TheDialogsTitlesFilterAndStartingFolder) {
  WorkingState state;
  FileDialogRequest open = setupFileDialog(state, false);
  EXPECT_EQ(open.title, "Open Skyvex Setup File");
  EXPECT_EQ(open.filter, "Setup Files (*.vxs)|*.vxs|");
  EXPECT_EQ(open.startFolder, "");
  EXPECT_FALSE(open.multipleSelection);
  state.setupFilePath = "/events/2003/friday.vxs";
  const FileDialogRequest save = setupFileDialog(state, true);
  EXPECT_EQ(save.title, "Save Skyvex Setup File");
  EXPECT_EQ(save.filter, "Setup Files (*.vxs)|*.vxs|");
  EXPECT_EQ(save.startFolder, "/events/2003");
}

TEST(SetupFileCommands, OpeningFromTheMainWindowIsSilentFromTheEditorConfirms) {
  TempFolder folder;
  const std::string path = folder.write("friday.vxs", formatSetup(defaultSetup()));
  WorkingState state = freshState();
  ScriptedPlatform platform;
  platform.dialogAnswers = {path, path};
  EXPECT_TRUE(openSetupFromMain(state, platform));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(state.maxPilotsAllowed, 18);
  EXPECT_EQ(state.setupFileName, "friday.vxs");
  EXPECT_TRUE(openSetupFromEditor(state, platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Settings have been opened and loaded.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(platform.dialogs[1].startFolder, folder.path());
}

TEST(SetupFileCommands, CancelEmptyAndRefusedOpensKeepTheSetup) {
  TempFolder folder;
  const std::string bad = folder.write("bad.vxs", "Server\r\n 2 \r\n");
  WorkingState state = defaultSetup();
  const WorkingState before = state;
  ScriptedPlatform platform;
  platform.dialogAnswers = {std::nullopt, std::string(), bad};
  EXPECT_FALSE(openSetupFromEditor(state, platform));  // cancelled
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(openSetupFromEditor(state, platform));  // empty name
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not find setup file.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_FALSE(openSetupFromMain(state, platform));  // damaged file
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text.rfind("Error: While reading setup file " + bad + ", line 3 ", 0), 0u);
  EXPECT_EQ(platform.messages[1].icon, MessageIcon::Critical);
  EXPECT_EQ(state, before);
}

TEST(SetupFileCommands, SaveWritesToTheRememberedPathAndConfirms) {
  TempFolder folder;
  WorkingState state = defaultSetup();
  state.setupFilePath = folder.file("friday.vxs");
  ScriptedPlatform platform;
  EXPECT_TRUE(saveSetup(state, platform));
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_EQ(testing::readFile(state.setupFilePath), formatSetup(state));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Settings have been saved.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(state.setupFileName, kDefaultSetupName);  // saving does not rename the setup
}

TEST(SetupFileCommands, SaveWithoutAPathAsksForOneCancelWritesNothing) {
  TempFolder folder;
  WorkingState state = defaultSetup();
  ScriptedPlatform platform;
  platform.dialogAnswers = {std::nullopt, std::string(), folder.file("new.vxs")};
  EXPECT_FALSE(saveSetup(state, platform));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.dialogs[0].title, "Save Skyvex Setup File");
  EXPECT_FALSE(saveSetupAs(state, platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not find setup file.");
  EXPECT_TRUE(state.setupFilePath.empty());
  EXPECT_TRUE(saveSetup(state, platform));
  EXPECT_EQ(state.setupFilePath, folder.file("new.vxs"));
  EXPECT_EQ(splitLines(testing::readFile(folder.file("new.vxs"))).size(), 119u);
}

TEST(SetupFileCommands, AWriteFailureIsOneErrorMessageAndKeepsThePath) {
  TempFolder folder;
  WorkingState state = defaultSetup();
  state.setupFilePath = folder.file("kept.vxs");
  ScriptedPlatform platform;
  platform.dialogAnswers = {folder.path()};  // a folder cannot be written as a file
  EXPECT_FALSE(saveSetupAs(state, platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not write " + folder.path() + ": it is a folder");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(state.setupFilePath, folder.file("kept.vxs"));
}

}  // namespace
}  // namespace skyvex

namespace skyvex {
namespace {

TEST(SampleSetupFile, TheSampleMatchSetupInTheWritersLayout) {
  const std::string path = testing::sourcePath("data/sample/sample.vxs");
  const std::string bytes = testing::readFile(path);
  WorkingState state;
  fillPlaneTypes(state);
  readSetupFile(state, path);
  EXPECT_EQ(formatSetup(state), bytes);  // written by the program's own layout
  EXPECT_EQ(state.serverName, "Friday Night Skyvex League");
  EXPECT_EQ(state.mapIndex, 2);
  EXPECT_EQ(state.maxPilotsAllowed, 18);
  EXPECT_EQ(state.graceMinutes, 5);
  EXPECT_EQ(state.activeAerodromes, (std::vector<ActiveAerodrome>{{}, {7, 1}, {12, 0}}));
  std::vector<std::string> bombers;
  for (size_t t = 1; t <= 22; ++t)
    if (state.planeTypes[t].planeAllowed == 1) bombers.push_back(state.planeTypes[t].logName);
  EXPECT_EQ(bombers, (std::vector<std::string>{"NIEUPORT_11", "SPAD_XIII", "FOKKER_EIII", "HALBERSTADT_DII"}));

  // Apart from those, the default scoring values.
  WorkingState defaults = state;
  applyDefaultScoring(defaults);
  defaults.graceMinutes = 5;
  defaults.activeAerodromes = state.activeAerodromes;
  defaults.planeTypes[19].planeAllowed = 1;
  defaults.planeTypes[20].planeAllowed = 1;
  defaults.setupFileName = state.setupFileName;
  EXPECT_EQ(formatSetup(defaults), bytes);
}

}  // namespace
}  // namespace skyvex
