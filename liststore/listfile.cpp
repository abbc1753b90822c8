// The list file: a list's exchange text, its two zero bytes, and zero padding up to GetSize.
//
// There is no header, signature or version: a list file is read by the exchange-text reader. The
// padding keeps the file at least as large as the list's size estimate.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"
#include "platform/platform.h"

#include <cstring>

using namespace liststore::detail;

namespace {

constexpr int kCannotOpen = -2;
constexpr int kShortWrite = -4;

}  // namespace

// The file is replaced only after every byte reached the disk: on any failure the previous file
// stays as it was. Returns 0, -1 (no memory), -2 (cannot create), -4 (short write) or -10.
int WriteList(int list, const char* path) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  if (!path || !*path) return kCannotOpen;
  std::vector<char> block;
  try {
    std::string text = liststore::ExchangeText(list);
    std::size_t estimate = static_cast<std::size_t>(GetSize(list));
    std::size_t written = text.size() + 2;
    block.assign(written > estimate ? written : estimate, 0);
    std::memcpy(block.data(), text.data(), text.size());
  } catch (...) {
    return kNoMemory;
  }
  int result = Guarded(kNoMemory, [&] {
    return platform::WriteWholeFile(path, block.data(), block.size());
  });
  if (result >= 0) return 0;
  if (result == platform::kNoMemory) return kNoMemory;
  if (result == platform::kShortWrite) return kShortWrite;
  return kCannotOpen;
}

// Reads into the list as it is: give it a fresh or cleared list. Returns the result of
// ReadListExchange on the file's text (-6 for an empty file), -2 when the file cannot be opened,
// -1 when memory runs out, -10 for an invalid list.
int ReadList(int list, const char* path) {
  if (!FindList(list)) return kInvalid;
  if (!path || !*path) return kCannotOpen;
  std::vector<char> block;
  int result = Guarded(kNoMemory, [&] { return platform::ReadWholeFile(path, block); });
  if (result == platform::kCannotOpen) return kCannotOpen;
  if (result < 0) return kNoMemory;
  // The block ends in zero bytes, so the text is terminated even when the file holds none.
  return ReadListExchange(list, block.data());
}
