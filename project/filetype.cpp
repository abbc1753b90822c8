// File kind numbers of paths and the three-character kind codes that project lines carry.
#include "project/filetype.h"

#include <cctype>
#include <cstring>

namespace project {

namespace {

bool EqualsIgnoringCase(const std::string& text, const char* word) {
  std::size_t length = std::strlen(word);
  if (text.size() != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(word[i])))
      return false;
  }
  return true;
}

struct Extension {
  const char* text;
  int type;
};

constexpr Extension kExtensions[] = {
    {"ovp", kFileProject}, {"c", kFileC},          {"cpp", kFileCpp},       {"h", kFileHeader},
    {"rc", kFileResourceScript}, {"lib", kFileLibrary}, {"def", kFileDefinition}, {"res", kFileResource},
    {"bmp", kFileBitmap},  {"ico", kFileIcon},     {"txt", kFileText},      {"bak", kFileBackup},
    {"map", kFileMap},     {"bat", kFileBatch},
};

}  // namespace

int GetFileType(const std::string& path) {
  std::size_t dot = path.rfind('.');
  std::string extension = dot == std::string::npos ? path : path.substr(dot + 1);
  for (const Extension& entry : kExtensions) {
    if (EqualsIgnoringCase(extension, entry.text)) return entry.type;
  }
  return kFileOther;
}

const char* KindCodeForFileType(int fileType) {
  switch (fileType) {
    case kFileC:
    case kFileCpp: return kKindSource;
    case kFileHeader: return kKindHeader;
    case kFileResourceScript: return kKindScript;
    case kFileLibrary: return kKindLibrary;
    case kFileDefinition: return kKindDefinition;
    case kFileResource: return kKindResource;
    case kFileBitmap: return kKindBitmap;
    case kFileIcon: return kKindIcon;
    case kFileText: return kKindText;
    case kFileBackup: return kKindBackup;
    default: return kKindBinary;
  }
}

bool IsKind(const std::string& typ, const char* code) {
  return typ.size() >= 3 && typ.compare(0, 3, code, 3) == 0;
}

}  // namespace project
