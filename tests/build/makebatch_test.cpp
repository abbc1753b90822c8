// The make batch file: its lines, its safe writing and the escaping of batch text.
#include "build/makebatch.h"

#include "build_fixture.h"

namespace build {
namespace {

// "ECHO  - " and a path went into the batch unescaped, so a file named R&D.c ran "D.c" as a
// command when the batch ran, and a "%" in a path was expanded.
TEST(EscapeBatchTextTest, SpecialCharactersOutsideQuotesGetACaretAndPercentIsDoubled) {
  EXPECT_EQ(EscapeBatchText("C:\\P\\R&D.c"), "C:\\P\\R^&D.c");
  EXPECT_EQ(EscapeBatchText("a|b<c>d^e"), "a^|b^<c^>d^^e");
  EXPECT_EQ(EscapeBatchText("\"C:\\R&D\\a.c\" x&y"), "\"C:\\R&D\\a.c\" x^&y");
  EXPECT_EQ(EscapeBatchText("100%\"50%\""), "100%%\"50%%\"");
  EXPECT_EQ(EscapeBatchText("plain C:\\P\\a.c"), "plain C:\\P\\a.c");
  EXPECT_EQ(EscapeBatchText(""), "");
}

class MakeBatchTest : public buildtest::BuildTest {
 protected:
  std::string path = projectDir + "\\makefile.bat";
  void SetUp() override {
    BuildTest::SetUp();
    SetMakeBatchPath(path);
  }
};

TEST_F(MakeBatchTest, LinesEndWithCrLfAndTheFileIsWrittenWhenClosed) {
  WriteBatchLine("@ECHO OFF");
  WriteBatchStep("C:\\P\\R&D.c", "bcc32 -DX=1%2 \"C:\\P\\R&D.c\"");
  EXPECT_TRUE(IsBatchFileOpen());
  EXPECT_EQ(buildtest::FileBytes(path), "<missing>");
  EXPECT_TRUE(CloseBatchFile());
  EXPECT_FALSE(IsBatchFileOpen());
  EXPECT_TRUE(LastBatchWritten());
  EXPECT_EQ(buildtest::FileBytes(path),
            "@ECHO OFF\r\nECHO  - C:\\P\\R^&D.c\r\nbcc32 -DX=1%%2 \"C:\\P\\R&D.c\">> make.txt\r\n");
}

TEST_F(MakeBatchTest, TheFirstLineAfterACloseStartsANewBatch) {
  WriteBatchLine("first");
  CloseBatchFile();
  WriteBatchLine("second");
  CloseBatchFile();
  EXPECT_EQ(buildtest::FileBytes(path), "second\r\n");
  EXPECT_TRUE(CloseBatchFile());  // nothing open: nothing to do
  EXPECT_EQ(buildtest::FileBytes(path), "second\r\n");
}

TEST_F(MakeBatchTest, AFailedWriteLeavesTheOldBatchWhole) {
  buildtest::PutFile(path, "old batch\r\n");
  WriteBatchLine("@ECHO OFF");
  WriteBatchLine("ECHO READY");
  platform::FailWritesAfter(5);
  EXPECT_FALSE(CloseBatchFile());
  platform::ResetFailures();
  EXPECT_FALSE(LastBatchWritten());
  EXPECT_EQ(buildtest::FileBytes(path), "old batch\r\n");

  WriteBatchLine("x");
  platform::FailCreate(true);
  EXPECT_FALSE(CloseBatchFile());
  platform::ResetFailures();
  EXPECT_EQ(buildtest::FileBytes(path), "old batch\r\n");
  WriteBatchLine("y");
  EXPECT_TRUE(CloseBatchFile());
  EXPECT_TRUE(LastBatchWritten());
}

}  // namespace
}  // namespace build
