// Name indexes: up to 32 reference-counted registries of names, their handles drawn from the same
// process-wide counter as the global column table's.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"

#include <cstring>

using namespace liststore::detail;

namespace {

constexpr int kMaxIndexes = 32;
constexpr int kInitialEntryCapacity = 32;

struct Entry {
  std::string name;
  int handle;
  int references;
};

struct NameIndex {
  int number = 0;
  std::vector<Entry> entries;
  int capacity = kInitialEntryCapacity;  // (count / 8) * 8 + 8 after every change

  int Find(const char* name) const {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].name == name) return static_cast<int>(i);
    }
    return -1;
  }
  void RecomputeCapacity() { capacity = static_cast<int>(entries.size() / 8) * 8 + 8; }
};

std::unique_ptr<NameIndex>* Places() {
  static std::unique_ptr<NameIndex> places[kMaxIndexes];
  return places;
}

// Index numbers are never reused. Number 1 went to the global column table, so the first index
// made gets number 2.
int gLastIndexNumber = 1;

NameIndex* FindIndex(int number) {
  for (int i = 0; i < kMaxIndexes; ++i) {
    NameIndex* index = Places()[i].get();
    if (index && index->number == number) return index;
  }
  return nullptr;
}

}  // namespace

namespace liststore {
std::string IndexEntryText(int index, int position) {
  NameIndex* found = FindIndex(index);
  if (!found || position < 0 || position >= static_cast<int>(found->entries.size())) return {};
  return found->entries[position].name;
}
}  // namespace liststore

int NewIndex(void) {
  return Guarded(kNoMemory, [] {
    for (int i = 0; i < kMaxIndexes; ++i) {
      std::unique_ptr<NameIndex>& place = Places()[i];
      if (place) continue;
      auto index = std::make_unique<NameIndex>();
      index->entries.reserve(kInitialEntryCapacity);
      index->number = ++gLastIndexNumber;
      place = std::move(index);
      return place->number;
    }
    return kInvalid;
  });
}

int DelIndex(int index) {
  for (int i = 0; i < kMaxIndexes; ++i) {
    std::unique_ptr<NameIndex>& place = Places()[i];
    if (place && place->number == index) {
      place.reset();
      return 1;
    }
  }
  return kInvalid;
}

int Register(int index, const char* name) {
  NameIndex* found = FindIndex(index);
  if (!found) return kInvalid;
  if (!name) return 0;
  int position = found->Find(name);
  if (position >= 0) {
    ++found->entries[position].references;
    return found->entries[position].handle;
  }
  return Guarded(kNoMemory, [&] {
    Entry entry{name, 0, 1};
    found->entries.reserve(found->entries.size() + 1);
    entry.handle = NextHandle();
    found->entries.push_back(std::move(entry));
    found->RecomputeCapacity();
    return found->entries.back().handle;
  });
}

// Removing an entry moves the last entry into its place, so positions change.
int Unregister(int index, const char* name) {
  NameIndex* found = FindIndex(index);
  if (!found) return kInvalid;
  int position = name ? found->Find(name) : -1;
  if (position < 0) return -1;
  Entry& entry = found->entries[position];
  if (entry.references > 1) {
    --entry.references;
    return entry.handle;
  }
  if (position + 1 < static_cast<int>(found->entries.size())) entry = std::move(found->entries.back());
  found->entries.pop_back();
  found->RecomputeCapacity();
  return 0;
}

int Identify(int index, const char* name) {
  NameIndex* found = FindIndex(index);
  if (!found) return kInvalid;
  int position = name ? found->Find(name) : -1;
  return position < 0 ? 0 : found->entries[position].handle;
}

int GetEntries(int index) {
  NameIndex* found = FindIndex(index);
  return found ? static_cast<int>(found->entries.size()) : kInvalid;
}

// Two uses: a position in range copies that entry's name out (result 1); position -1 with a
// non-empty name in the buffer looks that name up (its position, or -1).
int GetEntrie(int index, int position, char* buffer) {
  NameIndex* found = FindIndex(index);
  if (!found || !buffer) return kInvalid;
  if (position >= 0 && position < static_cast<int>(found->entries.size())) {
    CopyOut(found->entries[position].name, buffer, kUnsized);
    return 1;
  }
  if (position == -1 && buffer[0] != 0) return found->Find(buffer);
  return kInvalid;
}
