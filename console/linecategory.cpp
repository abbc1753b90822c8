// The console's line categories.
#include "console/linecategory.h"

#include "console/buildline.h"

namespace console {
namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }
bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

LineCategory CategoryByWords(const std::string& line) {
  if (Contains(line, "error") || Contains(line, "Error E")) return LineCategory::kError;
  if (Contains(line, "warning") || Contains(line, "Warning W")) return LineCategory::kWarning;
  if (StartsWith(line, "Marker")) return LineCategory::kMarker;
  if (StartsWith(line, "Found in")) return LineCategory::kFound;
  if (Contains(line, "Fatal:") || Contains(line, "Error:")) return LineCategory::kFatal;
  return LineCategory::kNormal;
}

}  // namespace

LineCategory CategorizeLine(const std::string& line) {
  const LineCategory byWords = CategoryByWords(line);
  if (byWords == LineCategory::kFatal || byWords == LineCategory::kError) return byWords;
  return IsBuildErrorLine(line) ? LineCategory::kError : byWords;
}

}  // namespace console
