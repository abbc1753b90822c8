// Profile resolution, target settings and tool lookup.
#include "build/targetsettings.h"

#include "build_fixture.h"

namespace build {
namespace {

using buildtest::BuildTest;

TEST(ProfileIdTest, NamesAreComparedByTheirBeginning) {
  EXPECT_EQ(ProfileIdForName("Borland", 3), 1);
  EXPECT_EQ(ProfileIdForName("Borland 5.5", 3), 1);
  EXPECT_EQ(ProfileIdForName("VisualToolkit 2003", 1), 2);
  EXPECT_EQ(ProfileIdForName("DigitalMars", 1), 3);
  // Case counts, and an unknown name keeps the previous id.
  EXPECT_EQ(ProfileIdForName("borland", 2), 2);
  EXPECT_EQ(ProfileIdForName("Visual", 3), 3);
  EXPECT_EQ(ProfileIdForName("", 2), 2);
}

class TargetSettingsTest : public BuildTest {};

TEST_F(TargetSettingsTest, ResolveProfileReadsTheKeyThatCurrentNamesAndSetsTheId) {
  Global("Profile", "2", "DigitalMars");
  Global("Profile", "Current", "2");
  EXPECT_EQ(ResolveProfile(global), "DigitalMars");
  EXPECT_EQ(settings::CurrentProfileId(), 3);

  Global("Profile", "2", "Unknown");
  EXPECT_EQ(ResolveProfile(global), "Unknown");
  EXPECT_EQ(settings::CurrentProfileId(), 3);  // the profile used before

  Global("Profile", "Current", "7");  // names no key: Borland
  EXPECT_EQ(ResolveProfile(global), "Borland");
  EXPECT_EQ(settings::CurrentProfileId(), 1);
}

TEST_F(TargetSettingsTest, DefaultsAreAWindowedReleaseProgramOptimisedForSpeedAsCpp) {
  TargetSettings target = ResolveTargetSettings(projectSettings);
  EXPECT_EQ(target.model, TargetModel::kGui);
  EXPECT_FALSE(target.multithread);
  EXPECT_EQ(target.build, BuildKind::kRelease);
  EXPECT_EQ(target.optimisation, Optimisation::kSpeed);
  EXPECT_TRUE(target.forceCpp);
}

TEST_F(TargetSettingsTest, WordsAreExactAndUnknownWordsSelectNothing) {
  Project("Target", "Model", "con");
  Project("Target", "Multithread", "yes");
  Project("Target", "Build", "Debug");
  Project("Target", "Optimize", "no");
  Project("Target", "C++", "always");
  TargetSettings target = ResolveTargetSettings(projectSettings);
  EXPECT_EQ(target.model, TargetModel::kUnknown);
  EXPECT_FALSE(target.multithread);
  EXPECT_EQ(target.build, BuildKind::kDebug);
  EXPECT_EQ(target.optimisation, Optimisation::kNone);
  EXPECT_FALSE(target.forceCpp);

  Project("Target", "Model", "LIB");
  Project("Target", "Multithread", "1");
  Project("Target", "Optimize", "Size");
  target = ResolveTargetSettings(projectSettings);
  EXPECT_EQ(target.model, TargetModel::kLibrary);
  EXPECT_TRUE(target.multithread);
  EXPECT_EQ(target.optimisation, Optimisation::kSize);
}

TEST_F(TargetSettingsTest, ToolIsBinBackslashNameAndMustExistWithExe) {
  BuildContext context = Context();
  EXPECT_EQ(LookUpTool(context, "Borland", Tool::kCompiler), bin + "\\bcc32");
  EXPECT_EQ(LookUpTool(context, "Borland", Tool::kLibrarian), bin + "\\tlib");
  EXPECT_TRUE(ConsoleLines().empty());

  Global("Borland", "Linker", "nolinker");
  EXPECT_FALSE(LookUpTool(context, "Borland", Tool::kLinker));
  Global("Borland", "Rc", "norc");
  EXPECT_FALSE(LookUpTool(context, "Borland", Tool::kResourceCompiler));
  Global("Borland", "Cc", "nocc");
  EXPECT_FALSE(LookUpTool(context, "Borland", Tool::kCompiler));
  Global("Borland", "Librian", "nolib");
  EXPECT_FALSE(LookUpTool(context, "Borland", Tool::kLibrarian));
  EXPECT_EQ(ConsoleLines(), (std::vector<std::string>{
                                "Can not find the Linker! Check Global Settings.",
                                "Can not find the Resource Compiler! Check Global Settings.",
                                "Can not find the Compiler! Check Global Settings.",
                                "Can not find the Librian! Check Global Settings."}));
}

// A tool folder such as "C:\Program Files\VC\bin" joined unquoted made the system start
// "C:\Program" or nothing at all.
TEST_F(TargetSettingsTest, ToolCommandWithABlankIsQuotedWhileTheCheckUsesThePlainPath) {
  std::string spaced = root + "\\Program Files\\VC\\bin";
  platform::CreateFolder(root + "\\Program Files");
  platform::CreateFolder(root + "\\Program Files\\VC");
  MakeTools(spaced, {"cl"});
  Global("VisualToolkit", "Bin", spaced);
  Global("VisualToolkit", "Cc", "cl");
  EXPECT_EQ(LookUpTool(Context(), "VisualToolkit", Tool::kCompiler), "\"" + spaced + "\\cl\"");
}

}  // namespace
}  // namespace build
