// Locations: the tree positions of project lines ("002\001"), and the numbering rules over them.
//
// A Location is a path of segments of three decimal digits joined by "\"; its depth is the number
// of "\" characters, its level prefix everything up to and including the last "\" ("" at the top
// level). The functions here work on the Locations of all lines in list order, never on the list
// itself, so that an operation can be planned whole and refused before anything changes.
//
// Texts read from a file may be anything: a segment that is not three digits is read by its leading
// digits (none reads as 0), so nothing here fails on them; rewriting a segment always gives three
// digits. A segment above 999 cannot be written: the functions that would write one report it and
// leave their input unchanged.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace project {

constexpr int kMaxSegment = 999;
constexpr int kMaxRenumberDepth = 16;

int LocationDepth(const std::string& location);
std::string LevelPrefix(const std::string& location);
// "%03d".
std::string FormatSegment(int number);
// The number of the segment that starts at `offset` (digits up to the next "\" or the end; reading
// stops at the first non-digit and is capped far above 999). 0 when the offset lies past the end.
int SegmentNumberAt(const std::string& location, std::size_t offset);
// Whether `location` begins with `prefix`; every Location begins with the empty prefix.
bool BeginsWith(const std::string& location, const std::string& prefix);

// The next free Location at the level of `at`: one more than the highest segment that a Location
// with the same level prefix holds at that level (for the top level, the first segment of every
// Location); the prefix followed by "001" when no Location qualifies. nullopt when the number would
// pass 999. In a list sorted by Location the highest is the last one, as the tree keeps it.
std::optional<std::string> NextFreeLocation(const std::vector<std::string>& locations, const std::string& at);

// Makes room at `target`. With `fromAbove` (the moved line stood before the target) the target's
// last segment s goes up by one first, and `target` is rewritten. Then every Location with the
// target's prefix whose segment at that level is s or more gets that segment raised by one. Returns
// false, changing neither argument, when any segment would pass 999.
bool MakeRoom(std::vector<std::string>& locations, std::string& target, bool fromAbove);

// Renumbers Locations given in list order, depth by depth (at most 16 depths, stopping at the first
// depth that no Location reaches): at each depth a counter runs over every Location deep enough, in
// order, and is not restarted per parent; a segment equal to the previous one there keeps the
// previous new number, any other takes the next number, the first one 001. The order is kept.
// Returns false, changing nothing, when a number would pass 999.
bool Renumber(std::vector<std::string>& locations);

// The order that sorting the list by Location gives: ascending, bytes compared as unsigned, equal
// Locations keeping their order. Returns the old positions in their new order.
std::vector<int> SortedOrder(const std::vector<std::string>& locations);

}  // namespace project
