// Fixed, zero-filled global memory blocks for the control's text and undo data.
#include "folvex/globalblocks_win.h"

#include <windows.h>

namespace folvex {

char* GlobalBlockAllocator::Allocate(std::size_t bytes) {
  return static_cast<char*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes));
}

void GlobalBlockAllocator::Release(char* block) {
  if (block != nullptr) GlobalFree(block);
}

void* BlockHandle(char* block) { return block; }

}  // namespace folvex
