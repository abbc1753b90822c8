// The picture pane's data: modes, file load and save, the inline resource text.
#include "picedit/picdocument.h"

#include <cctype>

#include "picedit/hexblock.h"
#include "platform/platform.h"

namespace picedit {

int ModeFromFileName(const std::string& name) {
  if (name.size() < 3) return kModeNone;
  std::string tail = name.substr(name.size() - 3);
  for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (tail == "BMP") return kModeBitmap;
  if (tail == "ICO") return kModeIcon;
  if (tail == "CUR") return kModeCursor;
  return kModeNone;
}

int ModeFromData(const std::uint8_t* data, std::size_t length) {
  if (!data || length < 4 || data[0] != 0 || data[1] != 0 || data[3] != 0) return kModeBitmap;
  if (data[2] == 1) return kModeIcon;
  if (data[2] == 2) return kModeCursor;
  return kModeBitmap;
}

int PicDocument::LoadFile(const std::string& path) {
  std::vector<char> block;
  int read = platform::ReadWholeFile(path, block);
  data_.clear();
  if (read < 0) return read;
  const std::uint8_t* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
  data_.assign(bytes, bytes + read);
  int mode = ModeFromFileName(path);
  mode_ = mode != kModeNone ? mode : ModeFromData(data_.data(), data_.size());
  return read;
}

bool PicDocument::ReadResourceText(int fallbackMode, const std::string& text) {
  HexBlock block = ReadHexBlock(text);
  head_ = std::move(block.head);
  data_ = std::move(block.bytes);
  mode_ = block.hasData && !data_.empty() ? ModeFromData(data_.data(), data_.size()) : fallbackMode;
  modified_ = false;
  return block.hasData && !data_.empty();
}

std::string PicDocument::ResourceText() const { return WriteHexBlock(head_, data_.data(), data_.size()); }

int PicDocument::SaveFile(const std::string& path, bool clearModified) {
  int written = platform::WriteWholeFile(path, reinterpret_cast<const char*>(data_.data()), data_.size());
  if (written >= 0 && clearModified) modified_ = false;
  return written;
}

}  // namespace picedit
