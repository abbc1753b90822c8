// Function-definition and symbol searches over texts and over the project's source files.
#include "editor/sourcebrowse.h"

#include <cstring>
#include <string_view>

#include "editor/filetype.h"
#include "platform/platform.h"

namespace editor {

namespace {

bool IsWordChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsLayout(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\\'; }

// Counts line ends front to back as occurrences are met, so the whole search stays one pass.
class LineCounter {
 public:
  LineCounter(const char* text) : text_(text) {}
  int LineAt(int offset) {
    for (; counted_ < offset; ++counted_) {
      const char c = text_[counted_];
      if (c == '\r' || (c == '\n' && !(counted_ > 0 && text_[counted_ - 1] == '\r'))) ++lineEnds_;
    }
    return lineEnds_ + 1;
  }

 private:
  const char* text_;
  int counted_ = 0;
  int lineEnds_ = 0;
};

// Answers "where does the run of layout bytes starting at x end" and "where is the next ")" at or
// after x" while remembering the last answer, so occurrences that share one long run or one
// distant ")" do not rescan it each time (no search turns quadratic on hostile text).
class DefinitionScanner {
 public:
  DefinitionScanner(const char* text, int length) : text_(text), length_(length) {}

  bool IsDefinitionAfter(int wordEnd) {
    const int open = SkipLayout(wordEnd);
    if (open >= length_ || text_[open] != '(') return false;
    const int close = NextClose(open + 1);
    if (close < 0) return false;
    if (close != braceCheckedFor_) {
      braceCheckedFor_ = close;
      const int brace = SkipLayout(close + 1);
      braceFollows_ = brace < length_ && text_[brace] == '{';
    }
    return braceFollows_;
  }

 private:
  int SkipLayout(int from) {
    if (from >= layoutFrom_ && from <= layoutTo_) return layoutTo_;
    int p = from;
    while (p < length_ && IsLayout(text_[p])) ++p;
    layoutFrom_ = from;
    layoutTo_ = p;
    return p;
  }

  int NextClose(int from) {
    if (from >= closeFrom_ && (closeAt_ < 0 || from <= closeAt_)) return closeAt_;
    const void* hit = from < length_ ? std::memchr(text_ + from, ')', static_cast<std::size_t>(length_ - from)) : nullptr;
    closeFrom_ = from;
    closeAt_ = hit ? static_cast<int>(static_cast<const char*>(hit) - text_) : -1;
    return closeAt_;
  }

  const char* text_;
  int length_;
  int layoutFrom_ = -1;
  int layoutTo_ = -1;
  int closeFrom_ = 1 << 30;
  int closeAt_ = -1;
  int braceCheckedFor_ = -1;
  bool braceFollows_ = false;
};

template <class Counts>
std::vector<int> FindOccurrences(const char* text, int length, const std::string& word, Counts counts) {
  std::vector<int> lines;
  if (text == nullptr || length < 1 || word.empty()) return lines;
  const std::string_view view(text, static_cast<std::size_t>(length));
  LineCounter counter(text);
  for (std::size_t at = view.find(word); at != std::string_view::npos; at = view.find(word, at + 1)) {
    const int offset = static_cast<int>(at);
    if (offset > 0 && IsWordChar(text[offset - 1])) continue;
    if (!counts(offset + static_cast<int>(word.size()))) continue;
    lines.push_back(counter.LineAt(offset));
  }
  return lines;
}

void Browse(const char* heading, bool withHeaders, const std::vector<std::string>& projectFiles,
            const std::string& word, const ConsoleSink& sink) {
  if (!sink) return;
  sink(std::string(heading) + word);
  std::vector<char> block;
  for (const std::string& path : projectFiles) {
    const int type = GetFileType(path);
    if (type != kFileC && type != kFileCpp && !(withHeaders && type == kFileHeader)) continue;
    const int length = platform::ReadWholeFile(path, block);
    if (length < 0) continue;
    const std::vector<int> lines = withHeaders ? FindSymbolOccurrences(block.data(), length, word)
                                               : FindFunctionDefinitions(block.data(), length, word);
    for (int line : lines) sink(FoundLine(path, line));
    std::vector<char>().swap(block);
  }
  sink("...ready");
}

}  // namespace

std::vector<int> FindFunctionDefinitions(const char* text, int length, const std::string& word) {
  DefinitionScanner scanner(text, length);
  return FindOccurrences(text, length, word, [&scanner](int wordEnd) { return scanner.IsDefinitionAfter(wordEnd); });
}

std::vector<int> FindSymbolOccurrences(const char* text, int length, const std::string& word) {
  return FindOccurrences(text, length, word, [](int) { return true; });
}

void BrowseForFunction(const std::vector<std::string>& projectFiles, const std::string& word, const ConsoleSink& sink) {
  Browse("*BROWSE FOR FUNCTION: ", false, projectFiles, word, sink);
}

void BrowseForSymbol(const std::vector<std::string>& projectFiles, const std::string& word, const ConsoleSink& sink) {
  Browse("*BROWSE FOR SYMBOL: ", true, projectFiles, word, sink);
}

std::string FoundLine(const std::string& path, int lineNumber) {
  return "Found in " + path + " " + std::to_string(lineNumber) + " ";
}

std::string MarkerLine(const std::string& path, int lineNumber, const std::string& lineText) {
  return "Marker:  " + path + " " + std::to_string(lineNumber) + ": " + lineText.substr(0, kMarkerTextLength);
}

}  // namespace editor
