// File kind numbers of paths and the three-character kind codes that project lines carry.
#pragma once

#include <string>

namespace project {

// File kind numbers, shared with the editor and the build.
constexpr int kFileOther = 0;
constexpr int kFileProject = 1;     // .ovp
constexpr int kFileC = 3;
constexpr int kFileCpp = 4;
constexpr int kFileHeader = 5;
constexpr int kFileResourceScript = 6;
constexpr int kFileLibrary = 7;
constexpr int kFileDefinition = 8;
constexpr int kFileResource = 9;    // compiled .res
constexpr int kFileBitmap = 10;
constexpr int kFileIcon = 11;
constexpr int kFileText = 13;
constexpr int kFileBackup = 14;
constexpr int kFileMap = 15;
constexpr int kFileBatch = 16;

// Kind codes of the "TYP" field: three characters, padded with blanks.
constexpr char kKindSource[] = "C  ";
constexpr char kKindHeader[] = "H  ";
constexpr char kKindScript[] = "RC ";
constexpr char kKindLibrary[] = "LIB";
constexpr char kKindDefinition[] = "DEF";
constexpr char kKindResource[] = "RES";
constexpr char kKindBitmap[] = "BMP";
constexpr char kKindIcon[] = "ICO";
constexpr char kKindText[] = "TXT";
constexpr char kKindBackup[] = "BAK";
constexpr char kKindBinary[] = "BIN";
constexpr char kKindFolder[] = "DCF";
constexpr char kKindSeparator[] = "SEP";
// Never made, but honoured where kinds are tested: like "C  ", like "H  ", an editor file.
constexpr char kKindCppSource[] = "CPP";
constexpr char kKindCppHeader[] = "HPP";
constexpr char kKindMap[] = "MAP";

// The kind number of a file name or path, from the text after its last "." (the whole text when
// there is none), compared without regard to case; 0 for anything not in the table.
int GetFileType(const std::string& path);

// The kind code a new project line gets for a file of kind number `fileType` ("BIN" for any
// number without a code of its own).
const char* KindCodeForFileType(int fileType);

// Whether a "TYP" value is the kind `code`: kind codes are compared over their three characters,
// so a shorter value never matches.
bool IsKind(const std::string& typ, const char* code);

}  // namespace project
