// The project file written byte for byte: a project built by the model's operations and saved.
//
// Runs as a program of its own: the used-column row lists names in the order they entered the
// process-wide column table, which here is the order a fresh program gives them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/openproject.h"
#include "project/projectedit.h"
#include "project/projectfile.h"
#include "project/projectfolders.h"
#include "project/projectlist.h"
#include "support/temp_folder.h"

namespace {

using namespace project;

class NoWindow : public ProjectWatcher {
 public:
  void RepaintList() override {}
  void DispatchPaintMessages() override {}
  void Pause(int) override {}
};

// The example's project lives in C:\Work\Demo: on the host inside the test's own drive folder, on
// Windows on the real drive, removed afterwards when the test made it.
class ExampleFolder {
 public:
  ExampleFolder() {
    madeWork_ = !platform::FolderExists("C:\\Work");
    platform::CreateFolder("C:\\Work");
    platform::CreateFolder("C:\\Work\\Demo");
  }
  ~ExampleFolder() {
    platform::RemoveFile("C:\\Work\\Demo\\Demo.ovp");
    platform::RemoveFile("C:\\Work\\Demo\\main.c");
#ifdef _WIN32
    if (madeWork_) std::system("rmdir /s /q C:\\Work >nul 2>nul");
#endif
  }
  ExampleFolder(const ExampleFolder&) = delete;
  ExampleFolder& operator=(const ExampleFolder&) = delete;

 private:
  bool madeWork_ = false;
};

std::string Rows(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\r\n";
  return text;
}

TEST(ProjectFileExampleTest, TheDemoProjectIsWrittenByteForByte) {
  testsupport::TempFolder temp;
  ExampleFolder example;
  const std::string projectPath = "C:\\Work\\Demo\\Demo.ovp";
  const std::string mainPath = "C:\\Work\\Demo\\main.c";
  ASSERT_EQ(platform::WriteWholeFile(mainPath, "int main(void) { return 0; }\r\n", 30), 30);
  ASSERT_TRUE(platform::SetFileWriteTime(mainPath, 2004, 5, 6, 7, 8));

  ProjectList project{projectPath};
  ASSERT_TRUE(project.Valid());
  int list = project.Number();
  NoWindow window;
  SetOpenProject(list, &window);

  // An expanded folder Sources, main.c inside it (selected, compiled, not open in an editor) and a
  // separator after the folder.
  ASSERT_EQ(AddFolder(list, "Sources"), 0);
  ASSERT_EQ(AddFile(list, mainPath, 0), 1);
  ASSERT_EQ(AddSeparator(list), 2);
  ASSERT_EQ(SetFilePosition(mainPath, "100,100,600,300"), 1);
  ASSERT_EQ(SetFileCompileTime(mainPath), 1);
  ASSERT_EQ(SetFileCompileState(mainPath, "COMPILED"), 1);
  ASSERT_EQ(SetFileYScroll(mainPath, 12), 1);
  ExpandAll(list, window);
  MarkOpenFiles(list, [](const std::string&) { return false; });
  settings::ScreenRect outer;
  outer.left = 20;
  outer.top = 50;
  outer.right = 300;
  outer.bottom = 230;
  ASSERT_TRUE(SetProjectPlace(list, outer));

  ASSERT_EQ(SaveProject(list, projectPath), 0);
  CloseOpenProject();

  std::string text = Rows({
      "Heading",
      "TITLE\tC:\\Work\\Demo\\Demo.ovp",
      "POSITION\t20,50,280,180",
      "",
      "Column",
      "Name\tLocation\tStatus\tPosition\tTime\tTree",
      "File\tTYP\tCompile\tYScroll",
      "",
      "Data",
      "Sources\t001\topen\t\t\t\t\tDCF\t\t\t",
      "main.c\t001\\001\tclose\t100,100,600,300\t2004-05-06  07:08\t\tmain.c\tC  \tCOMPILED\t012\t",
      "\t002\t\t\t\t\t\tSEP\t\t\t",
      "",
      "Status",
      "0",
      "1",
      "0",
  });
  // The file is padded with zeros up to the list's size estimate as it was when written, that is
  // with the stored (relative) path.
  SetField(list, 1, kFileField, "main.c");
  std::size_t estimate = static_cast<std::size_t>(GetSize(list));
  SetField(list, 1, kFileField, mainPath.c_str());
  std::string expected = text + std::string(2, '\0');
  if (expected.size() < estimate) expected.resize(estimate, '\0');

  std::vector<char> block;
  int n = platform::ReadWholeFile(projectPath, block);
  ASSERT_GE(n, 0);
  EXPECT_EQ(std::string(block.data(), static_cast<std::size_t>(n)), expected);
  // In memory the path stays absolute.
  EXPECT_EQ(liststore::FieldText(list, 1, kFileField), mainPath);
}

}  // namespace
