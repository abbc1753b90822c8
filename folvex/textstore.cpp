// The text block: insert, delete, copy, measure, whole-text replacement, undo and redo.
#include "folvex/textstore.h"

#include <cstring>
#include <utility>

namespace folvex {

namespace {

// The largest text whose block, with its spare bytes, still has a signed 32-bit size.
constexpr std::int64_t kMaxLength = INT32_MAX - TextStore::kGrowthSpare;

}  // namespace

TextStore::TextStore(BlockAllocator& allocator)
    : allocator_(&allocator), block_(Block::Allocate(allocator, kInitialCapacity)), history_(allocator) {}

const char* TextStore::Text() const { return block_.Empty() ? "" : block_.Data(); }

void TextStore::SetPoints(const EditPoints& points) {
  caret = points.caret;
  selStart = points.selStart;
  selEnd = points.selEnd;
}

int TextStore::Insert(const char* source, std::int32_t position) {
  if (source == nullptr) return kBadArgument;
  std::size_t count = std::strlen(source);
  if (count > static_cast<std::size_t>(kMaxLength)) return kNoMemory;
  return InsertBytes(source, static_cast<std::int32_t>(count), position, Recording());
}

// Order matters for the "failure changes nothing" rule: every allocation (history room, a larger
// block) comes first; the step is recorded and the text changed only once nothing can fail.
int TextStore::InsertBytes(const char* source, std::int32_t count, std::int32_t position, bool record) {
  if (position < 0 || position > length_ || count < 0) return kBadArgument;
  if (count == 0) {
    modified = 1;
    return kDone;
  }
  std::int64_t newLength = static_cast<std::int64_t>(length_) + count;
  if (newLength > kMaxLength) return kNoMemory;
  if (record && !history_.Reserve(count)) return kNoMemory;

  // A source inside the block would be moved or freed under our feet: build into a new block then.
  bool needsRoom = Capacity() < newLength + kMinimumSpare;
  Block fresh;
  if (needsRoom || block_.Contains(source)) {
    fresh = Block::Allocate(*allocator_, needsRoom ? newLength + kGrowthSpare : Capacity());
    if (fresh.Empty()) return kNoMemory;
  }

  if (record) history_.Record(kStepInsert, position, source, count, Points());
  std::size_t before = static_cast<std::size_t>(position);
  std::size_t after = static_cast<std::size_t>(length_ - position);
  std::size_t n = static_cast<std::size_t>(count);
  if (!fresh.Empty()) {
    const char* old = Text();
    char* to = fresh.Data();
    std::memcpy(to, old, before);
    std::memcpy(to + before, source, n);
    std::memcpy(to + before + n, old + before, after);  // the fresh block's zero ends the text
    block_ = std::move(fresh);
  } else {
    char* t = block_.Data();
    std::memmove(t + before + n, t + before, after + 1);
    std::memcpy(t + before, source, n);
  }
  length_ = static_cast<std::int32_t>(newLength);
  modified = 1;
  return kDone;
}

int TextStore::Delete(std::int32_t position, std::int32_t count, char* out, std::int32_t outCapacity) {
  if (position < 0 || count < 0 || position > length_) return kBadArgument;
  if (count > length_ - position) count = length_ - position;
  if (out != nullptr && static_cast<std::int64_t>(outCapacity) < static_cast<std::int64_t>(count) + 1) {
    return kBadArgument;
  }
  return DeleteBytes(position, count, out, Recording());
}

int TextStore::DeleteBytes(std::int32_t position, std::int32_t count, char* out, bool record) {
  if (count > 0 && record && !history_.Reserve(count)) return kNoMemory;
  char* t = block_.Data();
  std::size_t n = static_cast<std::size_t>(count);
  if (out != nullptr) {
    if (n > 0) std::memcpy(out, t + position, n);
    out[n] = '\0';
  }
  modified = 1;
  if (count == 0) return kDone;
  if (record) history_.Record(kStepDelete, position, t + position, count, Points());
  std::memmove(t + position, t + position + count, static_cast<std::size_t>(length_ - position - count) + 1);
  length_ -= count;
  ShrinkIfIdle();
  return kDone;
}

void TextStore::ShrinkIfIdle() {
  if (Capacity() - length_ <= kIdleLimit) return;
  Block smaller = Block::Allocate(*allocator_, static_cast<std::int64_t>(length_) + kMinimumSpare);
  if (smaller.Empty()) return;
  std::memcpy(smaller.Data(), block_.Data(), static_cast<std::size_t>(length_) + 1);
  block_ = std::move(smaller);
}

std::int32_t TextStore::CopyOut(std::int32_t position, std::int32_t count, char* out,
                                std::int32_t outCapacity) const {
  if (out == nullptr || position < 0 || position > length_ || count < 0 || outCapacity < 0) {
    return kBadArgument;
  }
  std::int32_t n = length_ - position;
  if (count < n) n = count;
  if (outCapacity < n) n = outCapacity;
  if (n > 0) std::memcpy(out, block_.Data() + position, static_cast<std::size_t>(n));
  return n;
}

std::int32_t TextStore::Measure() {
  if (block_.Empty()) {
    length_ = 0;
    return 0;
  }
  char* t = block_.Data();
  const void* zero = std::memchr(t, 0, static_cast<std::size_t>(Capacity()));
  if (zero == nullptr) {
    t[Capacity() - 1] = '\0';
    length_ = Capacity() - 1;
  } else {
    length_ = static_cast<std::int32_t>(static_cast<const char*>(zero) - t);
  }
  return length_;
}

// Replacing the text as one step (instead of deleting it and then inserting) keeps the old text
// whole when the new one does not fit in memory.
int TextStore::SetText(const char* text) {
  if (text == nullptr) return kBadArgument;
  std::size_t n = std::strlen(text);
  if (n > static_cast<std::size_t>(kMaxLength)) return kNoMemory;
  std::int32_t newLength = static_cast<std::int32_t>(n);
  if (Capacity() < static_cast<std::int64_t>(newLength) + kMinimumSpare || block_.Contains(text)) {
    Block fresh = Block::Allocate(*allocator_, static_cast<std::int64_t>(newLength) + kGrowthSpare);
    if (fresh.Empty()) return kNoMemory;
    std::memcpy(fresh.Data(), text, n);
    block_ = std::move(fresh);
    length_ = newLength;
  } else {
    std::memcpy(block_.Data(), text, n);
    block_.Data()[n] = '\0';
    length_ = newLength;
    ShrinkIfIdle();
  }
  modified = 1;
  return kDone;
}

// Undo and redo apply their step without recording and move the history only when the edit
// happened: a step that no longer fits the text, or a text that cannot grow, leaves all as it was.
int TextStore::Undo() {
  const UndoRecord* step = history_.NextUndo();
  if (step == nullptr) return 0;
  int result;
  if (step->kind == kStepInsert) {
    if (step->position < 0 || step->position > length_ || step->count > length_ - step->position) {
      return kBadArgument;
    }
    result = DeleteBytes(step->position, step->count, nullptr, false);
  } else {
    result = InsertBytes(history_.BytesOf(*step), step->count, step->position, false);
  }
  if (result != kDone) return result;
  SetPoints(EditPoints{step->caret, step->selStart, step->selEnd});
  history_.StepBack();
  return 1;
}

int TextStore::Redo() {
  const UndoRecord* step = history_.NextRedo();
  if (step == nullptr) return 0;
  int result;
  if (step->kind == kStepInsert) {
    result = InsertBytes(history_.BytesOf(*step), step->count, step->position, false);
  } else {
    if (step->position < 0 || step->position > length_ || step->count > length_ - step->position) {
      return kBadArgument;
    }
    result = DeleteBytes(step->position, step->count, nullptr, false);
  }
  if (result != kDone) return result;
  std::int32_t at = step->caret < 0 ? 0 : (step->caret > length_ ? length_ : step->caret);
  SetPoints(EditPoints{at, at, at});
  history_.StepForward();
  return 1;
}

}  // namespace folvex
