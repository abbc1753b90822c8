// Header change propagation: which sources a changed header makes stale.
#include "build/headerchanges.h"

#include <cstring>
#include <vector>

#include "build/listformat.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/filetype.h"
#include "project/projectlist.h"

namespace build {
namespace {

constexpr std::size_t kMaxIncludeLine = 255;

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

bool IsHeaderLine(int list, int line) {
  std::string kind = project::LineKind(list, line);
  return project::IsKind(kind, project::kKindHeader) || project::IsKind(kind, project::kKindCppHeader);
}

// Whether the text line that holds position `at` contains "include".
bool LineAtHoldsInclude(const char* text, std::size_t length, std::size_t at) {
  std::size_t start = at;
  while (start > 0 && !IsLineBreak(text[start - 1])) --start;
  std::size_t end = start;
  while (end < length && end - start < kMaxIncludeLine && !IsLineBreak(text[end])) ++end;
  static constexpr char kInclude[] = "include";
  constexpr std::size_t kIncludeLength = sizeof kInclude - 1;
  for (std::size_t i = start; i + kIncludeLength <= end; ++i) {
    if (std::memcmp(text + i, kInclude, kIncludeLength) == 0) return true;
  }
  return false;
}

}  // namespace

bool IncludesHeader(const std::string& source, const std::string& headerName) {
  if (headerName.empty() || source.empty()) return false;
  std::vector<char> block;
  int length = platform::ReadWholeFile(source, block);
  if (length <= 0) return false;
  const char* text = block.data();
  const std::size_t size = static_cast<std::size_t>(length);
  const std::size_t nameLength = headerName.size();
  for (std::size_t at = 0; at + nameLength <= size; ++at) {
    const void* found = std::memchr(text + at, headerName[0], size - nameLength + 1 - at);
    if (found == nullptr) break;
    at = static_cast<std::size_t>(static_cast<const char*>(found) - text);
    if (std::memcmp(text + at, headerName.data(), nameLength) == 0 && LineAtHoldsInclude(text, size, at)) {
      return true;
    }
  }
  return false;
}

void PropagateHeaderChanges(const BuildContext& context, int list) {
  const int lines = GetLines(list);
  for (int header = 0; header < lines; ++header) {
    if (!IsHeaderLine(list, header)) continue;
    std::string file = liststore::FieldText(list, header, project::kFileField);
    std::string state = liststore::FieldText(list, header, project::kCompileField);
    std::string time = liststore::FieldText(list, header, project::kTimeField);
    std::string now = platform::FileTimeText(file);
    if (state != kStateChanged && time == now) continue;
    SetField(list, header, project::kTimeField, now.c_str());
    std::string name = FileNameOfPath(file);
    for (int line = 0; line < lines; ++line) {
      if (liststore::FieldText(list, line, project::kCompileField) == kStateChanged) continue;
      if (IncludesHeader(liststore::FieldText(list, line, project::kFileField), name)) {
        SetField(list, line, project::kCompileField, kStateChanged);
      }
    }
    SetField(list, header, project::kCompileField, "");
  }
  for (int line = 0; line < lines; ++line) {
    if (IsHeaderLine(list, line)) SetField(list, line, project::kCompileField, "");
  }
  RepaintProjectList(context);
  Pump(context);
}

}  // namespace build
