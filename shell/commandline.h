// The program's command line: one optional argument, a project file to open.
#pragma once

#include <string>

namespace shell {

// The first argument of `commandLine` (the text after the program's name): leading blanks skipped;
// a quoted argument is the text between its pair of double quotes (the quotes removed, blanks
// kept), an unquoted one runs to the next blank. Empty when there is none.
std::string FirstArgument(const char* commandLine);

}  // namespace shell
