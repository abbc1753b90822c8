// Line categories: the console's colours for lines of every family.
#include "console/linecategory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using console::CategorizeLine;
using console::LineCategory;

struct CategoryCase {
  const char* line;
  LineCategory category;
};

void ExpectCategories(std::initializer_list<CategoryCase> cases) {
  for (const CategoryCase& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(CategorizeLine(c.line), c.category);
  }
}

TEST(LineCategoryTest, TheWordRulesInTheirOrder) {
  ExpectCategories({
      {"Error E2451 a.cpp 5: Undefined symbol 'x'", LineCategory::kError},
      {"c:\\src\\a.cpp(12) : error C2065: 'x' : undeclared identifier", LineCategory::kError},
      {"Warning W8004 a.cpp 7: 'i' is assigned a value that is never used", LineCategory::kWarning},
      {"a.cpp(3) : warning C4101: 'y' : unreferenced local variable", LineCategory::kWarning},
      {"a.cpp(3) : warning C4101: says error", LineCategory::kError},  // rule 1 comes first
      {"Marker:  main.c 120: todo", LineCategory::kMarker},
      {"Found in C:\\src\\a.c 000012 ", LineCategory::kFound},
      {"Fatal: Unable to open file 'X.OBJ'", LineCategory::kFatal},
      {"Error: Unresolved external '_main'", LineCategory::kFatal},
      {"Error messages:", LineCategory::kNormal},
      {"*READY", LineCategory::kNormal},
      {"running 'demo.exe'", LineCategory::kNormal},
  });
}

TEST(LineCategoryTest, EveryLineThatFailsABuildLooksLikeAnError) {
  ExpectCategories({
      {"Error ping.c 15: Undefined symbol 'y'", LineCategory::kError},
      {"Fatal F1003 a.cpp 12: Error directive: stop", LineCategory::kError},
      {"OPTLINK : Error 8: Illegal Filename", LineCategory::kError},
      {"  Error 42: Symbol Undefined _f", LineCategory::kError},
      {"cl : Command line error D8021 : invalid numeric argument '/Wx'", LineCategory::kError},
      {"--- errorlevel 1", LineCategory::kError},
      {"ErrorReport written", LineCategory::kError},
      // Fatal by the word rules stays fatal even though it fails the build.
      {"Error: Unresolved external '_main'", LineCategory::kFatal},
      {"a.c(12) : Error: undefined identifier 'x'", LineCategory::kFatal},
      // Warnings of every family keep their colour.
      {"Warning askfile.cpp 39: Possible use of 'x' before definition", LineCategory::kNormal},
      {"OPTLINK : Warning 9: Unknown Option : X", LineCategory::kNormal},
      {"x.obj : warning LNK4098: defaultlib 'LIBC' conflicts", LineCategory::kWarning},
  });
}

}  // namespace
