// The undo history of a text store: the 31 most recent edits and the bytes they inserted or removed.
//
// Each step is one primitive insert or delete. Its bytes live in one data block, one step after
// another in the order they were recorded. The history has 32 step slots: recording a step into the
// last one pushes out the oldest, so 31 are kept. Bytes of pushed-out steps stay at the front of the
// block until they are worth reclaiming (see Record).
//
// Undoing moves the position in the history back (UndoCount); the undone steps stay valid for redo
// until a new step is recorded, which discards them and reuses their bytes.
#pragma once

#include <cstdint>

#include "folvex/blockallocator.h"

namespace folvex {

enum StepKind : std::int32_t { kStepDelete = 0, kStepInsert = 1 };

// Caret and selection of the control, byte offsets.
struct EditPoints {
  std::int32_t caret;
  std::int32_t selStart;
  std::int32_t selEnd;
};

struct UndoRecord {
  std::int32_t kind;        // StepKind
  std::int32_t position;    // where the bytes were inserted or removed
  std::int32_t dataOffset;  // where the step's bytes start in the data block
  std::int32_t count;       // number of bytes
  std::int32_t caret;       // caret and selection just before the step
  std::int32_t selStart;
  std::int32_t selEnd;
};

class UndoHistory {
 public:
  static constexpr std::int32_t kStepSlots = 32;
  static constexpr std::int32_t kKeptSteps = kStepSlots - 1;
  static constexpr std::int32_t kInitialCapacity = 1024;
  // The data block grows to a multiple of this size, with at least this much to spare.
  static constexpr std::int32_t kGrowthStep = 2048;
  // Bytes of pushed-out steps are reclaimed once more than this many lie before the oldest kept step
  // and they are at least as many as the bytes kept after them.
  static constexpr std::int32_t kReclaimThreshold = 2048;

  // Starts with a data block of kInitialCapacity zero bytes (none when it cannot be had: the first
  // Reserve then makes one).
  explicit UndoHistory(BlockAllocator& allocator);
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // Makes room for `byteCount` more bytes of new steps. False when the data block cannot grow; the
  // history is then exactly as it was (redo steps included).
  bool Reserve(std::int64_t byteCount);

  // Records a step of `count` bytes copied from `bytes`, with the caret and selection it started
  // from. Discards the steps that could be redone. The caller has reserved room for the bytes, so
  // recording never fails. `bytes` must not point into the history's own block.
  void Record(std::int32_t kind, std::int32_t position, const char* bytes, std::int32_t count,
              const EditPoints& before);

  bool CanUndo() const { return undoCount_ > 0; }
  bool CanRedo() const { return undoCount_ < undoTop_; }
  // The step an undo or a redo would apply; nullptr when there is none. Valid until the history
  // changes.
  const UndoRecord* NextUndo() const;
  const UndoRecord* NextRedo() const;
  const char* BytesOf(const UndoRecord& step) const { return data_.Data() + step.dataOffset; }
  // Moves the position after the step NextUndo (NextRedo) named was applied to the text.
  void StepBack();
  void StepForward();

  std::int32_t UndoCount() const { return undoCount_; }  // steps that can be undone
  std::int32_t UndoTop() const { return undoTop_; }      // valid steps, redoable ones included
  std::int32_t Capacity() const { return data_.Size(); }
  std::int32_t BytesInUse() const { return undoWrite_; }

 private:
  // Where the next step's bytes go: over the first redoable step's bytes when there is one.
  std::int32_t WriteStart() const;
  void DropOldest();
  void ReclaimIfWorthIt();

  BlockAllocator* allocator_;  // borrowed: the store's allocator, which outlives it
  Block data_;
  std::int32_t undoWrite_ = 0;  // end of the bytes of the last recorded step
  std::int32_t undoCount_ = 0;
  std::int32_t undoTop_ = 0;
  UndoRecord steps_[kStepSlots] = {};
};

}  // namespace folvex
