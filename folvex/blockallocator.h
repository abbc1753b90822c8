// Where the text store takes its memory: a source of zero-filled blocks passed in by the host.
//
// The store never calls the heap directly. The control passes an allocator whose blocks it can hand
// out as memory handles; tests pass one that fails on demand, which is how every out-of-memory path
// of the store is exercised.
#pragma once

#include <cstddef>
#include <cstdint>

namespace folvex {

// A source of zero-filled memory blocks. Allocate never throws: it returns nullptr when the memory
// cannot be had. Release takes only blocks that Allocate of the same object returned.
class BlockAllocator {
 public:
  virtual ~BlockAllocator() = default;
  virtual char* Allocate(std::size_t bytes) = 0;
  virtual void Release(char* block) = 0;
};

// The process heap. Stateless and shared by every store that is given no allocator of its own.
BlockAllocator& HeapAllocator();

// One block and the allocator it came from; the block is released when its owner goes away.
// Sizes are signed 32-bit like every count of the store.
class Block {
 public:
  Block() = default;
  ~Block() { Reset(); }
  Block(Block&& other) noexcept { TakeFrom(other); }
  Block& operator=(Block&& other) noexcept {
    if (this != &other) {
      Reset();
      TakeFrom(other);
    }
    return *this;
  }
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;

  // A fresh zero-filled block of `bytes` bytes; an empty Block when `bytes` is not in 1..INT32_MAX
  // or the allocator has no memory.
  static Block Allocate(BlockAllocator& allocator, std::int64_t bytes);

  char* Data() const { return data_; }
  std::int32_t Size() const { return size_; }
  bool Empty() const { return data_ == nullptr; }
  // True when `p` points into this block (used to notice a source that lies in the block it is
  // copied into).
  bool Contains(const char* p) const;
  void Reset();

 private:
  void TakeFrom(Block& other) {
    data_ = other.data_;
    size_ = other.size_;
    allocator_ = other.allocator_;
    other.data_ = nullptr;
    other.size_ = 0;
    other.allocator_ = nullptr;
  }

  char* data_ = nullptr;
  std::int32_t size_ = 0;
  BlockAllocator* allocator_ = nullptr;  // borrowed: outlives every block it made
};

}  // namespace folvex
