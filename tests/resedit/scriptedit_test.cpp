// Tests of the edits of an open script: file references, merges, templates, removal, replacement.
#include "resedit/scriptedit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "resedit/scriptextent.h"
#include "resedit/scriptlist.h"
#include "script_lines.h"
#include "support/temp_folder.h"

namespace {

using resedit::ScriptResult;
using reseditTest::Lines;
using List = std::vector<std::string>;

class ScriptEditTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string script = folder.File("app.rc");

  // Writes the script and opens it.
  void Open(const std::string& text) {
    ASSERT_EQ(platform::WriteWholeFile(script, text.data(), text.size()), static_cast<int>(text.size()));
    ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  }
  std::string WorkingCopy() {
    std::string text;
    if (resedit::ReadWorkingCopy(script, text) != ScriptResult::kDone) return "<missing>";
    return text;
  }
  List Listing() { return resedit::ListResources(WorkingCopy()); }
};

TEST_F(ScriptEditTest, AddingTheSameFileTwiceGivesTwoNamesForOneFile) {
  Open("");
  resedit::AddedResource first = resedit::AddFileReference(script, folder.File("my icon.ico"));
  resedit::AddedResource second = resedit::AddFileReference(script, folder.File("my icon.ico"));
  ASSERT_EQ(first.result, ScriptResult::kDone);
  ASSERT_EQ(second.result, ScriptResult::kDone);
  EXPECT_EQ(first.entry, "ICON:my_icon");
  EXPECT_EQ(second.entry, "ICON:my_icon_01");
  EXPECT_EQ(WorkingCopy(), "my_icon ICON \"my icon.ico\"\r\n\r\nmy_icon_01 ICON \"my icon.ico\"\r\n\r\n");
  EXPECT_EQ(Listing(), (List{"ICON", "ICON:my_icon", "ICON:my_icon_01"}));
}

TEST_F(ScriptEditTest, AFileFromAnotherFolderIsReferencedByItsFullPath) {
  Open("");
  std::string elsewhere = "C:\\Art\\Logo.BMP";
  resedit::AddedResource added = resedit::AddFileReference(script, elsewhere);
  ASSERT_EQ(added.result, ScriptResult::kDone);
  EXPECT_EQ(added.entry, "BITMAP:Logo");
  EXPECT_EQ(WorkingCopy(), "Logo BITMAP \"C:\\Art\\Logo.BMP\"\r\n\r\n");
  // The script's folder is compared without regard to case.
  std::string upper = folder.Path();
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(resedit::AddFileReference(script, upper + "\\hand.cur").entry, "CURSOR:hand");
  EXPECT_NE(WorkingCopy().find("hand CURSOR \"hand.cur\""), std::string::npos);
}

TEST_F(ScriptEditTest, FilesOfOtherKindsAreRefusedAndNothingIsAppended) {
  Open("X MENU\r\n{\r\n}\r\n");
  for (const char* file : {"notes.txt", "picture.png", "xico", "noextension", "C:\\p.ico\\readme"}) {
    resedit::AddedResource added = resedit::AddFileReference(script, folder.File(file));
    EXPECT_EQ(added.result, ScriptResult::kUnknownFileKind) << file;
    EXPECT_EQ(added.entry, "") << file;
  }
  EXPECT_EQ(WorkingCopy(), "X MENU\r\n{\r\n}\r\n");
}

TEST_F(ScriptEditTest, AddingAScriptMergesItConverted) {
  Open("A ICON \"a.ico\"\r\n");
  std::string other = folder.File("more.RC");
  std::string otherText = Lines({"M MENU", "BEGIN", "END", "STRINGTABLE", "BEGIN", " 1, \"x\"", "END"}, "\n");
  ASSERT_EQ(platform::WriteWholeFile(other, otherText.data(), otherText.size()), static_cast<int>(otherText.size()));
  resedit::AddedResource added = resedit::AddFileReference(script, other);
  ASSERT_EQ(added.result, ScriptResult::kDone);
  EXPECT_EQ(added.entry, "");
  EXPECT_EQ(WorkingCopy(),
            "A ICON \"a.ico\"\r\n" + Lines({"M MENU", "{    ", "}  ", "STRINGTABLE", "{    ", " 1, \"x\"", "}  "}));
  EXPECT_EQ(resedit::MergeScript(script, folder.File("missing.rc")), ScriptResult::kCannotReadScript);
}

// A script whose last line has no line end used to swallow the next appended resource into that
// line, where it could be neither listed nor found.
TEST_F(ScriptEditTest, AnAppendedResourceStartsALineAfterAnUnendedLastLine) {
  Open("X MENU\r\nBEGIN\r\nEND");
  ASSERT_EQ(resedit::AddFileReference(script, folder.File("a.ico")).result, ScriptResult::kDone);
  EXPECT_EQ(WorkingCopy(), "X MENU\r\n{    \r\n}  \r\na ICON \"a.ico\"\r\n\r\n");
  EXPECT_EQ(Listing(), (List{"MENU", "MENU:X", "ICON", "ICON:a"}));
}

TEST_F(ScriptEditTest, TemplateResourcesTakeDefaultOrUniqueNames) {
  Open("Menu MENU\r\n{\r\n}\r\n");
  resedit::AddedResource menu = resedit::AddTemplateResource(script, "MENU", "");
  EXPECT_EQ(menu.result, ScriptResult::kDone);
  EXPECT_EQ(menu.entry, "MENU:Menu_01");
  resedit::AddedResource data = resedit::AddTemplateResource(script, "RCDATA", "");
  EXPECT_EQ(data.entry, "RCDATA:Rcdata");
  resedit::AddedResource named = resedit::AddTemplateResource(script, "ICON", "main icon");
  EXPECT_EQ(named.entry, "ICON:main_icon");
  EXPECT_EQ(Listing(),
            (List{"MENU", "MENU:Menu", "MENU:Menu_01", "ICON", "ICON:main_icon", "RCDATA", "RCDATA:Rcdata"}));
  std::string text = WorkingCopy();
  EXPECT_NE(text.find("Rcdata RCDATA\r\n{\r\n}\r\n\r\nmain_icon ICON\r\n{\r\n}\r\n\r\n"), std::string::npos);
}

TEST_F(ScriptEditTest, ANewStringTableGetsTheNextNumber) {
  Open("STRINGTABLE\r\n{\r\n}\r\n");
  resedit::AddedResource table = resedit::AddTemplateResource(script, "STRINGTABLE", "ignored");
  ASSERT_EQ(table.result, ScriptResult::kDone);
  EXPECT_EQ(table.entry, "STRINGTABLE:   2");
  EXPECT_EQ(WorkingCopy(), "STRINGTABLE\r\n{\r\n}\r\nSTRINGTABLE\r\n{\r\nID_STRING, \"string\"\r\n}\r\n\r\n");
}

TEST_F(ScriptEditTest, TypesWithoutTemplatesAreRefused) {
  Open("");
  EXPECT_EQ(resedit::AddTemplateResource(script, "MESSAGETABLE", "").result, ScriptResult::kUnknownType);
  EXPECT_EQ(resedit::AddTemplateResource(script, "menu", "").result, ScriptResult::kUnknownType);
  EXPECT_EQ(WorkingCopy(), "");
}

TEST_F(ScriptEditTest, RemovingTheFirstOfTwoStringTablesRenumbersTheSecond) {
  Open(Lines({"STRINGTABLE", "BEGIN", " 1, \"one\"", "END", "", "STRINGTABLE", "BEGIN", " 2, \"two\"", "END"}));
  EXPECT_EQ(Listing(), (List{"STRINGTABLE", "STRINGTABLE:   1", "STRINGTABLE:   2"}));
  ASSERT_EQ(resedit::RemoveResource(script, "STRINGTABLE", "   1"), ScriptResult::kDone);
  EXPECT_EQ(Listing(), (List{"STRINGTABLE", "STRINGTABLE:   1"}));
  std::string text = WorkingCopy();
  std::optional<resedit::Extent> extent = resedit::FindResourceExtent(text, "STRINGTABLE", "1");
  ASSERT_TRUE(extent);
  EXPECT_EQ(text.substr(extent->start, extent->last - extent->start + 1), "STRINGTABLE\r\n{    \r\n 2, \"two\"\r\n}");
}

TEST_F(ScriptEditTest, RemovingAOneLineReferenceKeepsTheLineBreaksAfterIt) {
  Open(Lines({"APPICON ICON \"app.ico\"", "", "X MENU", "BEGIN", "END"}));
  ASSERT_EQ(resedit::RemoveResource(script, "ICON", "APPICON"), ScriptResult::kDone);
  EXPECT_EQ(WorkingCopy(), Lines({"", "", "X MENU", "{    ", "}  "}));
}

// Removing an unquoted file reference used to delete the next resource with it.
TEST_F(ScriptEditTest, RemovingAnUnquotedReferenceKeepsTheResourcesAfterIt) {
  Open(Lines({"WSR ICON wsr.ico", "SPLITCURSOR CURSOR PRELOAD split.cur", "X MENU", "BEGIN", " POPUP \"a\"", " BEGIN",
              " END", "END"}));
  ASSERT_EQ(resedit::RemoveResource(script, "ICON", "WSR"), ScriptResult::kDone);
  ASSERT_EQ(resedit::RemoveResource(script, "CURSOR", "SPLITCURSOR"), ScriptResult::kDone);
  EXPECT_EQ(Listing(), (List{"MENU", "MENU:X"}));
  EXPECT_EQ(WorkingCopy().substr(0, 12), "\r\n\r\nX MENU\r\n");
}

TEST_F(ScriptEditTest, RemovingAMissingResourceWritesNothing) {
  Open("X MENU\r\n{\r\n}\r\n");
  EXPECT_EQ(resedit::RemoveResource(script, "MENU", "Y"), ScriptResult::kNotFound);
  EXPECT_EQ(resedit::RemoveResource(script, "DIALOG", "X"), ScriptResult::kNotFound);
  EXPECT_EQ(resedit::RemoveResource(script, "STRINGTABLE", "1"), ScriptResult::kNotFound);
  EXPECT_EQ(WorkingCopy(), "X MENU\r\n{\r\n}\r\n");
}

TEST_F(ScriptEditTest, ReplacingPutsTheNewTextInTheOldExtent) {
  Open(Lines({"A MENU", "{", "}", "B ICON \"b.ico\""}));
  std::string text = WorkingCopy();
  std::optional<resedit::Extent> extent = resedit::FindResourceExtent(text, "MENU", "A");
  ASSERT_TRUE(extent);
  std::string menu = Lines({"A MENU", "{", " MENUITEM \"New\", 1", "}"});
  ASSERT_EQ(resedit::ReplaceResourceText(script, extent->start, extent->last, menu), ScriptResult::kDone);
  EXPECT_EQ(WorkingCopy(), menu + "B ICON \"b.ico\"\r\n");
}

TEST_F(ScriptEditTest, ReplacingOutsideTheTextIsRefused) {
  Open("A ICON \"a.ico\"\r\n");
  EXPECT_EQ(resedit::ReplaceResourceText(script, 0, 16, "x"), ScriptResult::kBadRange);
  EXPECT_EQ(resedit::ReplaceResourceText(script, 5, 4, "x"), ScriptResult::kBadRange);
  EXPECT_EQ(resedit::ReplaceResourceText(script, 0, 15, "B ICON \"b.ico\""), ScriptResult::kDone);
  EXPECT_EQ(WorkingCopy(), "B ICON \"b.ico\"");
}

TEST_F(ScriptEditTest, EditsOfAScriptThatIsNotOpenDoNothing) {
  EXPECT_EQ(resedit::AddFileReference(script, folder.File("a.ico")).result, ScriptResult::kNoWorkingCopy);
  EXPECT_EQ(resedit::AddTemplateResource(script, "MENU", "").result, ScriptResult::kNoWorkingCopy);
  EXPECT_EQ(resedit::RemoveResource(script, "MENU", "X"), ScriptResult::kNoWorkingCopy);
  EXPECT_EQ(resedit::ReplaceResourceText(script, 0, 0, "x"), ScriptResult::kNoWorkingCopy);
  EXPECT_EQ(resedit::MergeScript(script, script), ScriptResult::kCannotReadScript);
  EXPECT_FALSE(platform::FileExists(folder.File("app.tmp")));
}

TEST_F(ScriptEditTest, AFailedWriteLeavesTheWorkingCopyAsItWas) {
  std::string original = "X MENU\r\n{\r\n}\r\nY ICON \"y.ico\"\r\n";
  Open(original);
  for (long long stop : {0LL, 5LL}) {
    platform::FailWritesAfter(stop);
    EXPECT_EQ(resedit::AddFileReference(script, folder.File("a.ico")).result, ScriptResult::kCannotWrite);
    EXPECT_EQ(resedit::AddTemplateResource(script, "DIALOG", "").result, ScriptResult::kCannotWrite);
    EXPECT_EQ(resedit::RemoveResource(script, "MENU", "X"), ScriptResult::kCannotWrite);
    platform::ResetFailures();
    EXPECT_EQ(WorkingCopy(), original);
  }
}

}  // namespace
