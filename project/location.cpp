// Locations: the tree positions of project lines ("002\001"), and the numbering rules over them.
#include "project/location.h"

#include <algorithm>
#include <cstdio>

namespace project {

namespace {

constexpr int kSegmentCap = 1000000;  // far above 999: only tells "too big"

// Splits at every "\"; "" gives one empty segment, as a Location of depth 0.
std::vector<std::string> SplitSegments(const std::string& location) {
  std::vector<std::string> segments;
  std::size_t start = 0;
  for (;;) {
    std::size_t slash = location.find('\\', start);
    if (slash == std::string::npos) {
      segments.push_back(location.substr(start));
      return segments;
    }
    segments.push_back(location.substr(start, slash - start));
    start = slash + 1;
  }
}

std::string JoinSegments(const std::vector<std::string>& segments) {
  std::string location;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (i > 0) location += '\\';
    location += segments[i];
  }
  return location;
}

// The end of the segment that starts at `offset`: the next "\" or the end of the text.
std::size_t SegmentEnd(const std::string& location, std::size_t offset) {
  std::size_t slash = location.find('\\', offset);
  return slash == std::string::npos ? location.size() : slash;
}

}  // namespace

int LocationDepth(const std::string& location) {
  return static_cast<int>(std::count(location.begin(), location.end(), '\\'));
}

std::string LevelPrefix(const std::string& location) {
  std::size_t slash = location.rfind('\\');
  return slash == std::string::npos ? std::string() : location.substr(0, slash + 1);
}

std::string FormatSegment(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", number);
  return text;
}

int SegmentNumberAt(const std::string& location, std::size_t offset) {
  int number = 0;
  for (std::size_t i = offset; i < location.size(); ++i) {
    char c = location[i];
    if (c < '0' || c > '9') break;
    number = std::min(number * 10 + (c - '0'), kSegmentCap);
  }
  return number;
}

bool BeginsWith(const std::string& location, const std::string& prefix) {
  return location.size() >= prefix.size() && location.compare(0, prefix.size(), prefix) == 0;
}

std::optional<std::string> NextFreeLocation(const std::vector<std::string>& locations, const std::string& at) {
  std::string prefix = LevelPrefix(at);
  int highest = -1;
  for (const std::string& location : locations) {
    if (!BeginsWith(location, prefix)) continue;
    highest = std::max(highest, SegmentNumberAt(location, prefix.size()));
  }
  if (highest < 0) return prefix + "001";
  if (highest + 1 > kMaxSegment) return std::nullopt;
  return prefix + FormatSegment(highest + 1);
}

bool MakeRoom(std::vector<std::string>& locations, std::string& target, bool fromAbove) {
  std::string prefix = LevelPrefix(target);
  int start = SegmentNumberAt(target, prefix.size());
  if (fromAbove) ++start;
  if (start > kMaxSegment) return false;

  std::vector<std::string> moved = locations;
  for (std::string& location : moved) {
    if (!BeginsWith(location, prefix)) continue;
    int segment = SegmentNumberAt(location, prefix.size());
    if (segment < start) continue;
    if (segment + 1 > kMaxSegment) return false;
    location = prefix + FormatSegment(segment + 1) + location.substr(SegmentEnd(location, prefix.size()));
  }
  locations.swap(moved);
  if (fromAbove) target = prefix + FormatSegment(start);
  return true;
}

bool Renumber(std::vector<std::string>& locations) {
  std::vector<std::vector<std::string>> split;
  split.reserve(locations.size());
  for (const std::string& location : locations) split.push_back(SplitSegments(location));

  for (std::size_t depth = 0; depth < static_cast<std::size_t>(kMaxRenumberDepth); ++depth) {
    bool reached = false;
    bool haveOld = false;
    std::string lastOld;
    int lastNew = 0;
    for (std::vector<std::string>& segments : split) {
      if (segments.size() <= depth) continue;
      reached = true;
      std::string& segment = segments[depth];
      if (!haveOld || segment != lastOld) {
        if (++lastNew > kMaxSegment) return false;
        lastOld = segment;
        haveOld = true;
      }
      segment = FormatSegment(lastNew);
    }
    if (!reached) break;
  }
  for (std::size_t i = 0; i < locations.size(); ++i) locations[i] = JoinSegments(split[i]);
  return true;
}

std::vector<int> SortedOrder(const std::vector<std::string>& locations) {
  std::vector<int> order(locations.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  // std::string compares through char_traits<char>, which orders bytes as unsigned characters.
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return locations[a] < locations[b]; });
  return order;
}

}  // namespace project
