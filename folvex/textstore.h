// The text of one control window: a zero-terminated block of single-byte characters edited in
// place, with the caret, the selection and the undo history of the edits.
//
// Layout: the block holds `Length()` bytes of text, then a zero byte; it is `Capacity()` bytes long.
// The text never holds a zero byte of its own (every source is zero-terminated).
// Growth: an insert that would leave fewer than kMinimumSpare bytes free gets a new block with
// kGrowthSpare bytes to spare. A delete that leaves more than kIdleLimit bytes idle moves the text
// to a block with kMinimumSpare bytes to spare; the gap between the two limits keeps an edit that is
// typed and taken back at a boundary from copying the whole text twice.
//
// Results of the editing primitives: kDone, kBadArgument (a missing source, a negative position or
// count, a position beyond the text, a buffer too small) or kNoMemory (a block could not grow).
// Whatever fails leaves the store exactly as it was: text, selection, history and modified flag.
//
// All counts and positions are signed 32-bit byte offsets. The store is pure data logic: the control
// window (and nothing here) turns messages into these calls.
#pragma once

#include <cstdint>

#include "folvex/blockallocator.h"
#include "folvex/undohistory.h"

namespace folvex {

constexpr int kDone = 0;
constexpr int kBadArgument = -1;
constexpr int kNoMemory = -2;

class TextStore {
 public:
  static constexpr std::int32_t kInitialCapacity = 1024;
  static constexpr std::int32_t kGrowthSpare = 2048;
  static constexpr std::int32_t kMinimumSpare = 128;
  static constexpr std::int32_t kIdleLimit = 8192;
  // Blanks IndentSelection inserts per line at most.
  static constexpr std::int32_t kMaxIndent = 15;

  // Memory comes from `allocator`, which must outlive the store. The store starts empty with a block
  // of kInitialCapacity zero bytes; when that cannot be had it starts with none and makes one at the
  // first insert.
  explicit TextStore(BlockAllocator& allocator = HeapAllocator());
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;

  // Fields the control keeps: it places the caret and the selection and recounts the lines after
  // each change; the store only reads them for the history and moves them in Undo, Redo and the
  // indentation operations. selStart <= selEnd; an empty selection has selStart == selEnd.
  std::int32_t lastLine = 0;  // number of line ends, as last counted
  std::int32_t caret = 0;
  std::int32_t caretLine = 0;
  std::int32_t caretColumn = 0;
  std::int32_t selStart = 0;
  std::int32_t selEnd = 0;
  // Set to 1 by every insert and delete (unrecorded ones too); only the host clears it.
  std::int32_t modified = 0;
  // While nonzero, inserts and deletes record no undo step.
  std::int32_t suppressRecording = 0;

  // The text, always zero-terminated at Length(); "" for a store without a block.
  const char* Text() const;
  std::int32_t Length() const { return length_; }
  std::int32_t Capacity() const { return block_.Size(); }
  // The block itself, for hosts that read the text in place; nullptr while the store has none.
  // It moves whenever the text grows or shrinks.
  char* BlockData() const { return block_.Data(); }

  // Inserts the zero-terminated `source` before `position` (0..Length()). `source` may lie in the
  // text itself.
  int Insert(const char* source, std::int32_t position);

  // Removes `count` bytes at `position`, limited to the text's end. When `out` is given the removed
  // bytes are copied into it followed by a zero byte; it must hold removed bytes + 1
  // (`outCapacity`), or nothing happens and the result is kBadArgument.
  int Delete(std::int32_t position, std::int32_t count, char* out = nullptr, std::int32_t outCapacity = 0);

  // Copies min(count, Length() - position, outCapacity) bytes at `position` into `out`, without a
  // terminator. Returns the number of bytes copied, or kBadArgument for a missing buffer, a negative
  // count or capacity, or a position outside 0..Length().
  std::int32_t CopyOut(std::int32_t position, std::int32_t count, char* out, std::int32_t outCapacity) const;

  // Recounts the length from the terminator (a host may have written into the block). A block
  // without any zero byte is cut at its last byte. Returns the length.
  std::int32_t Measure();

  // Replaces the whole text without recording, as setting the window text does; the history, caret
  // and selection are left as they are. The old text stays whole when the new one cannot be had.
  int SetText(const char* text);

  // Undoes the step before the position in the history and restores the caret and the selection it
  // started from. Returns 1 when a step was applied, 0 when there is none; kBadArgument when the step
  // no longer fits the text (it was replaced since) or kNoMemory, and then nothing moved.
  int Undo();
  // Applies the next undone step again; caret and selection all go to the caret the step started
  // from (but not beyond the text's end). Results as Undo.
  int Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  const UndoHistory& History() const { return history_; }

  // Inserts `blanks` spaces (at most kMaxIndent) at the start of every line of the selection, or
  // removes up to that many leading blanks from each. The selection holds the lines from the one
  // holding selStart to the one holding selEnd, except that a selection ending at the very start of
  // a line leaves that line out. Each changed line is one undo step. Points at or after an inserted
  // run move with the text; a point inside removed blanks goes to their line start, one after them
  // moves back by their count. Returns 1 when the text changed, 0 when it did not (an empty
  // selection, no blanks to remove), kNoMemory when it could not (nothing changed then).
  int IndentSelection(std::int32_t blanks);
  int OutdentSelection(std::int32_t blanks);

 private:
  bool Recording() const { return suppressRecording == 0; }
  EditPoints Points() const { return EditPoints{caret, selStart, selEnd}; }
  void SetPoints(const EditPoints& points);
  int InsertBytes(const char* source, std::int32_t count, std::int32_t position, bool record);
  int DeleteBytes(std::int32_t position, std::int32_t count, char* out, bool record);
  // Moves the text into a smaller block once more than kIdleLimit bytes are idle. The edit has
  // already happened, so a failed allocation just keeps the larger block.
  void ShrinkIfIdle();

  BlockAllocator* allocator_;  // borrowed: outlives the store
  Block block_;
  std::int32_t length_ = 0;
  UndoHistory history_;
};

}  // namespace folvex
