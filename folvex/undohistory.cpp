// The undo history: step records, their data block, its growth and reclaiming.
#include "folvex/undohistory.h"

#include <cstring>
#include <utility>

namespace folvex {

UndoHistory::UndoHistory(BlockAllocator& allocator)
    : allocator_(&allocator), data_(Block::Allocate(allocator, kInitialCapacity)) {}

std::int32_t UndoHistory::WriteStart() const {
  return undoCount_ < undoTop_ ? steps_[undoCount_].dataOffset : undoWrite_;
}

bool UndoHistory::Reserve(std::int64_t byteCount) {
  if (byteCount < 0) return false;
  std::int64_t need = static_cast<std::int64_t>(WriteStart()) + byteCount;
  if (need < data_.Size()) return true;
  std::int64_t size = (need + kGrowthStep) / kGrowthStep * kGrowthStep;
  Block grown = Block::Allocate(*allocator_, size);
  if (grown.Empty()) return false;
  // Every byte in use moves, the redoable steps' too: the edit this room is for may still fail.
  if (undoWrite_ > 0) std::memcpy(grown.Data(), data_.Data(), static_cast<std::size_t>(undoWrite_));
  data_ = std::move(grown);
  return true;
}

void UndoHistory::Record(std::int32_t kind, std::int32_t position, const char* bytes, std::int32_t count,
                         const EditPoints& before) {
  std::int32_t at = WriteStart();
  if (count > 0) std::memcpy(data_.Data() + at, bytes, static_cast<std::size_t>(count));
  steps_[undoCount_] = UndoRecord{kind, position, at, count, before.caret, before.selStart, before.selEnd};
  ++undoCount_;
  undoTop_ = undoCount_;
  undoWrite_ = at + count;
  if (undoCount_ == kStepSlots) {
    DropOldest();
    ReclaimIfWorthIt();
  }
}

void UndoHistory::DropOldest() {
  std::memmove(&steps_[0], &steps_[1], sizeof(UndoRecord) * (kStepSlots - 1));
  steps_[kStepSlots - 1] = UndoRecord{};
  --undoCount_;
  --undoTop_;
}

// Reclaiming copies the kept bytes into a new block; waiting until the dead bytes in front are at
// least as many as the kept ones makes each recorded byte cost at most about one copy, however large
// the steps are. A failed allocation only postpones the reclaim.
void UndoHistory::ReclaimIfWorthIt() {
  std::int32_t offset = steps_[0].dataOffset;
  std::int32_t kept = undoWrite_ - offset;
  if (offset <= kReclaimThreshold || offset < kept) return;
  Block smaller = Block::Allocate(*allocator_, static_cast<std::int64_t>(data_.Size()) - offset);
  if (smaller.Empty()) return;
  if (kept > 0) std::memcpy(smaller.Data(), data_.Data() + offset, static_cast<std::size_t>(kept));
  data_ = std::move(smaller);
  for (std::int32_t i = 0; i < undoTop_; ++i) steps_[i].dataOffset -= offset;
  undoWrite_ -= offset;
}

const UndoRecord* UndoHistory::NextUndo() const {
  return undoCount_ > 0 ? &steps_[undoCount_ - 1] : nullptr;
}

const UndoRecord* UndoHistory::NextRedo() const {
  return undoCount_ < undoTop_ ? &steps_[undoCount_] : nullptr;
}

void UndoHistory::StepBack() {
  if (undoCount_ > 0) --undoCount_;
}

void UndoHistory::StepForward() {
  if (undoCount_ < undoTop_) ++undoCount_;
}

}  // namespace folvex
