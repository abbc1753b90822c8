// A block allocator for tests: counts its blocks and fails on demand.
#pragma once

#include <cstdlib>

#include "folvex/blockallocator.h"

namespace testsupport {

class FailingAllocator : public folvex::BlockAllocator {
 public:
  // Allocations that still succeed before every further one fails; -1 for no limit.
  long long allowed = -1;
  int live = 0;          // blocks handed out and not yet released
  int allocations = 0;   // successful allocations so far

  char* Allocate(std::size_t bytes) override {
    if (allowed == 0) return nullptr;
    if (allowed > 0) --allowed;
    char* block = static_cast<char*>(std::calloc(bytes, 1));
    if (block != nullptr) {
      ++live;
      ++allocations;
    }
    return block;
  }
  void Release(char* block) override {
    --live;
    std::free(block);
  }
  void FailFromNow() { allowed = 0; }
  void Succeed() { allowed = -1; }
};

}  // namespace testsupport
