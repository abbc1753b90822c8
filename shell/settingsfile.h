// Sectioned settings files ("[Section]" then "key=value" lines), read and written by our own code.
//
// Section and key names match without regard to case; a value is the text after the first "=" with
// surrounding blanks removed; a missing key reads as the caller's default. Writing replaces the key's
// line or adds it at the end of its section (the section at the end of the file, the file itself when
// missing); every other line is kept byte for byte. Nothing is cached: each call reads the file anew.
// A failed write is reported by the result and never leaves the file truncated.
#pragma once

#include <cstddef>
#include <string>

namespace settings {

// Reads a value into `buffer` of `capacity` bytes (terminator included); a longer value is cut to
// capacity - 1 characters. Returns the number of characters delivered (0: absent or empty).
int ReadString(const std::string& file, const char* section, const char* key, const char* defaultValue,
               char* buffer, std::size_t capacity);
// The same with the capacity applied to a string result.
std::string ReadText(const std::string& file, const char* section, const char* key,
                     const char* defaultValue, std::size_t capacity);
// Decimal value, the default when the key is absent (or does not start with a number).
int ReadInteger(const std::string& file, const char* section, const char* key, int defaultValue);
// Returns false when the file could not be written (the file then stays as it was).
bool WriteString(const std::string& file, const char* section, const char* key, const char* value);

// Details of the format that callers may rely on:
// - An empty file path (no project open) reads every key as its default; writes to it fail.
// - Lines starting with ";" or "#", blank lines and lines without "=" are never keys; a "[" line
//   needs its "]" to be a header. All of them are kept as they are.
// - A section that appears more than once counts as one: the first line of the key in any of its
//   parts is the key; a new key goes after the last key line of its last part.
// - A key present with an empty value reads as empty, not as the default.
// - A write keeps the text of the key's line up to the value, and writes new lines with the line
//   end the file already uses (CR LF for a new file). A value is stored up to its first line break
//   (use the line-break encoding for values of several lines). Names that would not read back
//   (empty, with a line break, a key with "=", a section with "]", surrounding blanks) are refused.
// - A file that exists but cannot be read whole is never written over: the write fails.

// Decimal text as ReadInteger converts it: leading blanks, an optional sign, digits; values beyond
// the range of int saturate. `fallback` when no digit follows.
int ParseDecimal(const char* text, int fallback);

// The value as a later read delivers it: cut at its first line break, surrounding blanks removed.
std::string StoredValue(const char* value);

}  // namespace settings
