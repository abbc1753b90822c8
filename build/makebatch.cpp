// The make batch "makefile.bat": collecting its lines and writing the file whole.
#include "build/makebatch.h"

#include "platform/platform.h"

namespace build {
namespace {

struct MakeBatch {
  std::string path;
  std::string text;  // the lines written so far, each ended by CR LF
  bool open = false;
  bool lastWritten = true;
};

MakeBatch& Batch() {
  static MakeBatch batch;
  return batch;
}

}  // namespace

void SetMakeBatchPath(const std::string& path) { Batch().path = path; }

const std::string& MakeBatchPath() { return Batch().path; }

void WriteBatchLine(const std::string& text) {
  MakeBatch& batch = Batch();
  if (!batch.open) {
    batch.text.clear();
    batch.open = true;
  }
  batch.text += text;
  batch.text += "\r\n";
}

bool CloseBatchFile() {
  MakeBatch& batch = Batch();
  if (!batch.open) return true;
  batch.open = false;
  std::string text;
  text.swap(batch.text);
  int written = batch.path.empty() ? platform::kCannotOpen
                                   : platform::WriteWholeFile(batch.path, text.data(), text.size());
  batch.lastWritten = written >= 0 && static_cast<std::size_t>(written) == text.size();
  return batch.lastWritten;
}

bool IsBatchFileOpen() { return Batch().open; }

bool LastBatchWritten() { return Batch().lastWritten; }

std::string EscapeBatchText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size() + 8);
  bool inQuotes = false;
  for (char c : text) {
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (c == '%') {
      escaped += '%';
    } else if (!inQuotes && (c == '&' || c == '|' || c == '<' || c == '>' || c == '^')) {
      escaped += '^';
    }
    escaped += c;
  }
  return escaped;
}

void WriteBatchStep(const std::string& shown, const std::string& command) {
  WriteBatchLine(std::string(kBatchEchoStep) + EscapeBatchText(shown));
  WriteBatchLine(EscapeBatchText(command) + kMakeLogRedirect);
}

}  // namespace build
