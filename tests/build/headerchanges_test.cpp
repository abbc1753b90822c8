// Header change propagation and the textual include test.
#include "build/headerchanges.h"

#include "build_fixture.h"

namespace build {
namespace {

class HeaderChangesTest : public buildtest::BuildTest {
 protected:
  std::string File(const std::string& name) { return projectDir + "\\" + name; }

  // Writes a project file with the given text and a known time.
  std::string Write(const std::string& name, const std::string& text, int minute = 0) {
    std::string path = File(name);
    buildtest::PutFile(path, text);
    EXPECT_TRUE(platform::SetFileWriteTime(path, 2004, 5, 6, 7, minute));
    return path;
  }
  // Adds a line whose "Time" already holds its file's time, as after an earlier build.
  int AddUpToDate(const std::string& path, const std::string& typ, const char* state) {
    int line = AddProjectFile(path, typ);
    SetField(list, line, project::kTimeField, platform::FileTimeText(path).c_str());
    SetField(list, line, project::kCompileField, state);
    return line;
  }
  std::string State(int line) { return Field(line, project::kCompileField); }
};

TEST_F(HeaderChangesTest, IncludesHeaderLooksForTheNameAndIncludeOnOneTextLine) {
  EXPECT_TRUE(IncludesHeader(Write("a.c", "int x;\r\n#include \"a.h\"\r\nint y;\r\n"), "a.h"));
  // A substring match counts: data.h holds a.h.
  EXPECT_TRUE(IncludesHeader(Write("b.c", "#include <data.h>\n"), "a.h"));
  // "include" anywhere on the line, comments too; case counts for both.
  EXPECT_TRUE(IncludesHeader(Write("c.c", "/* a.h is not included here */\n"), "a.h"));
  EXPECT_FALSE(IncludesHeader(Write("d.c", "#INCLUDE \"a.h\"\n"), "a.h"));
  EXPECT_FALSE(IncludesHeader(Write("e.c", "#include \"A.H\"\n"), "a.h"));
  // The name and "include" on different lines, split by CR alone or LF alone.
  EXPECT_FALSE(IncludesHeader(Write("f.c", "#include \"b.h\"\ra.h\n"), "a.h"));
  EXPECT_FALSE(IncludesHeader(Write("g.c", "a.h\n#include \"b.h\""), "a.h"));
  // The last occurrence without a line end, at the very end of the file.
  EXPECT_TRUE(IncludesHeader(Write("h.c", "x a.h\n#include a.h"), "a.h"));
  EXPECT_FALSE(IncludesHeader(File("missing.c"), "a.h"));
  EXPECT_FALSE(IncludesHeader(Write("i.c", "#include \"a.h\"\n"), ""));
}

TEST_F(HeaderChangesTest, OnlyTheFirst255CharactersOfALineAreLookedAt) {
  std::string padding(250, ' ');
  EXPECT_FALSE(IncludesHeader(Write("a.c", padding + "#incl a.h include\n"), "a.h"));
  EXPECT_TRUE(IncludesHeader(Write("b.c", std::string(240, ' ') + "#include a.h\n"), "a.h"));
  // The name beyond 255 still finds an "include" at the start of its line.
  EXPECT_TRUE(IncludesHeader(Write("c.c", "#include " + std::string(300, ' ') + "a.h\n"), "a.h"));
}

TEST_F(HeaderChangesTest, TouchedHeaderMarksExactlyItsIncludersChanged) {
  std::string header = Write("a.h", "int f(void);\n");
  int headerLine = AddUpToDate(header, "H  ", "");
  int includer = AddUpToDate(Write("a.c", "#include \"a.h\"\n"), "C  ", "COMPILED");
  int other = AddUpToDate(Write("b.c", "#include \"b.h\"\n"), "C  ", "COMPILED");
  int failed = AddUpToDate(Write("c.c", "#include \"a.h\"\n"), "C  ", "ERRORS");
  int script = AddUpToDate(Write("r.rc", "#include \"a.h\"\n"), "RC ", "COMPILED");

  PropagateHeaderChanges(Context(), list);
  EXPECT_EQ(State(includer), "COMPILED");  // nothing changed yet
  EXPECT_EQ(events, (std::vector<std::string>{"repaint", "pump"}));

  ASSERT_TRUE(platform::SetFileWriteTime(header, 2004, 5, 6, 7, 30));
  PropagateHeaderChanges(Context(), list);
  EXPECT_EQ(State(includer), "CHANGED");
  EXPECT_EQ(State(other), "COMPILED");
  EXPECT_EQ(State(failed), "CHANGED");
  EXPECT_EQ(State(script), "CHANGED");
  EXPECT_EQ(State(headerLine), "");
  EXPECT_EQ(Field(headerLine, project::kTimeField), "2004-05-06  07:30");
}

TEST_F(HeaderChangesTest, AChangedStateAloneMakesAHeaderCount) {
  std::string header = Write("a.h", "int f(void);\n");
  int headerLine = AddUpToDate(header, "HPP", "CHANGED");
  int includer = AddUpToDate(Write("a.cpp", "#include \"a.h\"\n"), "C  ", "COMPILED");
  PropagateHeaderChanges(Context(), list);
  EXPECT_EQ(State(includer), "CHANGED");
  EXPECT_EQ(State(headerLine), "");
}

TEST_F(HeaderChangesTest, AHeaderLaterInTheListPassesTheChangeOnAnEarlierOneDoesNot) {
  int outer = AddUpToDate(Write("outer.h", "#include \"inner.h\"\n"), "H  ", "");
  std::string inner = Write("inner.h", "#include \"base.h\"\n");
  int innerLine = AddUpToDate(inner, "H  ", "");
  int later = AddUpToDate(Write("later.h", "#include \"inner.h\"\n"), "H  ", "");
  int usesLater = AddUpToDate(Write("a.c", "#include \"later.h\"\n"), "C  ", "COMPILED");
  int usesOuter = AddUpToDate(Write("b.c", "#include \"outer.h\"\n"), "C  ", "COMPILED");
  ASSERT_TRUE(platform::SetFileWriteTime(inner, 2004, 5, 6, 8, 0));

  PropagateHeaderChanges(Context(), list);
  // later.h stands after inner.h: marked, then treated as changed itself in the same pass.
  EXPECT_EQ(State(usesLater), "CHANGED");
  // outer.h stands before inner.h: it was marked but is not revisited in this pass.
  EXPECT_EQ(State(usesOuter), "COMPILED");
  EXPECT_EQ(State(outer), "");
  EXPECT_EQ(State(innerLine), "");
  EXPECT_EQ(State(later), "");
}

TEST_F(HeaderChangesTest, MissingHeaderFileCountsAsUnchangedOnceItsTimeIsEmpty) {
  int headerLine = AddProjectFile(File("gone.h"), "H  ");
  int includer = AddUpToDate(Write("a.c", "#include \"gone.h\"\n"), "C  ", "COMPILED");
  PropagateHeaderChanges(Context(), list);
  EXPECT_EQ(State(includer), "COMPILED");
  EXPECT_EQ(Field(headerLine, project::kTimeField), "");
}

}  // namespace
}  // namespace build
