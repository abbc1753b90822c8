// Text blocks the control can hand to its host as memory handles.
//
// Blocks are fixed global memory: for such a block the handle and the address are the same, so the
// store keeps plain pointers while EM_GETHANDLE returns a handle the host may lock and unlock.
#pragma once

#include "folvex/blockallocator.h"

namespace folvex {

class GlobalBlockAllocator : public BlockAllocator {
 public:
  char* Allocate(std::size_t bytes) override;
  void Release(char* block) override;
};

// The store's block as a memory handle; nullptr for a store without one.
void* BlockHandle(char* block);

}  // namespace folvex
