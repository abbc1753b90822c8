// Stand-in linker for the ovmake window test, built as ilink32.exe into ovmake_standin/: it prints
// the Microsoft linker's unresolved-symbol error, writes its output file all the same and exits 0,
// so only the error line can tell that the link failed.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  std::printf("Microsoft (R) Incremental Linker Version 6.00.8447\n");
  std::printf("app.obj : error LNK2019: unresolved external symbol _f referenced in function _main\n");
  std::fflush(stdout);
  // The output file follows the first lone "," as in the Borland linker's command line.
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) != ",") continue;
    std::string output = argv[i + 1];
    output = output.substr(0, output.find(','));
    if (std::FILE* file = std::fopen(output.c_str(), "wb")) {
      std::fputs("program", file);
      std::fclose(file);
    }
    break;
  }
  return 0;
}
