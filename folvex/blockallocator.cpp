// The heap allocator and the block owner of the text store.
#include "folvex/blockallocator.h"

#include <cstdint>
#include <cstdlib>
#include <functional>

namespace folvex {

namespace {

class ProcessHeap : public BlockAllocator {
 public:
  char* Allocate(std::size_t bytes) override { return static_cast<char*>(std::calloc(bytes, 1)); }
  void Release(char* block) override { std::free(block); }
};

}  // namespace

BlockAllocator& HeapAllocator() {
  static ProcessHeap heap;
  return heap;
}

Block Block::Allocate(BlockAllocator& allocator, std::int64_t bytes) {
  Block block;
  if (bytes <= 0 || bytes > INT32_MAX) return block;
  char* data = allocator.Allocate(static_cast<std::size_t>(bytes));
  if (data == nullptr) return block;
  block.data_ = data;
  block.size_ = static_cast<std::int32_t>(bytes);
  block.allocator_ = &allocator;
  return block;
}

bool Block::Contains(const char* p) const {
  if (data_ == nullptr || p == nullptr) return false;
  std::less_equal<const char*> notAfter;
  std::less<const char*> before;
  return notAfter(data_, p) && before(p, data_ + size_);
}

void Block::Reset() {
  if (data_ != nullptr) allocator_->Release(data_);
  data_ = nullptr;
  size_ = 0;
  allocator_ = nullptr;
}

}  // namespace folvex
