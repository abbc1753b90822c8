// The picture pane's data without its window: the mode, the data block with its content length,
// the remembered statement head of an inline resource, the modified flag, and loading and saving
// through the platform layer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace picedit {

enum PicMode {
  kModeNone = 0,
  kModeBitmap = 1,
  kModeIcon = 2,
  kModeCursor = 3,
};

// The last three characters of a file name, without regard to case: "BMP" 1, "ICO" 2, "CUR" 3;
// kModeNone for any other name.
int ModeFromFileName(const std::string& name);
// Inline data: 00 00 01 00 gives 2, 00 00 02 00 gives 3, anything else (a short block too) 1.
int ModeFromData(const std::uint8_t* data, std::size_t length);

class PicDocument {
 public:
  // Loads a whole file. The mode comes from the name, or from the data when the name says none.
  // Returns the byte count, or platform::kCannotOpen / kNoMemory; on failure the document holds no
  // data and keeps its mode.
  int LoadFile(const std::string& path);

  // Takes a resource's text (message 2024): its head is remembered; the hex block, when there is
  // one, becomes the data and the mode comes from the data; otherwise the data is empty and the
  // mode is `fallbackMode`. Clears the modified flag. True when the text held data.
  bool ReadResourceText(int fallbackMode, const std::string& text);
  // The remembered head followed by the hex block of the data (message 2025).
  std::string ResourceText() const;

  // Writes exactly the content bytes as the whole new file, safely (the original stays whole on
  // any failure). With `clearModified` a successful write clears the modified flag, as saving to
  // the pane's own file does. Returns the byte count or a platform failure code.
  int SaveFile(const std::string& path, bool clearModified);

  // Replaces the data, as when the board hands back its edited or rebuilt file.
  void SetData(std::vector<std::uint8_t> data) { data_ = std::move(data); }

  int Mode() const { return mode_; }
  void SetMode(int mode) { mode_ = mode; }
  const std::vector<std::uint8_t>& Data() const { return data_; }
  bool HasData() const { return !data_.empty(); }
  const std::string& Head() const { return head_; }
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

 private:
  int mode_ = kModeNone;
  std::vector<std::uint8_t> data_;  // content bytes only
  std::string head_;
  bool modified_ = false;
};

}  // namespace picedit
