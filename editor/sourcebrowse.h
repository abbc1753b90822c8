// Looking up a word in the project's sources: where a function is defined, where a symbol occurs.
//
// Results go to the console as lines its navigation understands ("Found in <path> <line> "), so a
// hit is picked like a compiler message.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace editor {

// Receives one console line (the editor adds browse and marker lines to the marker list).
using ConsoleSink = std::function<void(const std::string& line)>;

// Line numbers (from 1) of the definitions of function `word` in a text, in text order: every
// occurrence of the word (searching again one byte after each) whose preceding byte is not a word
// character (letter, digit, "_"; nothing precedes offset 0), followed, after blanks, CR, LF and
// backslashes, by "(", then everything up to the next ")" and that ")", then after blanks, CR, LF
// and backslashes by "{". So foo (int a) { is found, the call foo(1); and the prototype
// foo(int a); are not, and a definition split over lines is reported at the line holding the word.
// A line ends at a CR, or at an LF not preceded by CR. An empty word finds nothing.
std::vector<int> FindFunctionDefinitions(const char* text, int length, const std::string& word);

// Line numbers of every occurrence of `word` whose preceding byte is not a word character (only
// that byte is looked at, so foo also finds foobar).
std::vector<int> FindSymbolOccurrences(const char* text, int length, const std::string& word);

// "*BROWSE FOR FUNCTION: <word>", then "Found in <path> <line> " for each definition in each file of
// type C or C++ among `projectFiles` (the project's "File" paths, in project order), then
// "...ready". Files that cannot be read are skipped.
void BrowseForFunction(const std::vector<std::string>& projectFiles, const std::string& word, const ConsoleSink& sink);

// The same with "*BROWSE FOR SYMBOL: <word>" over C, C++ and header files.
void BrowseForSymbol(const std::vector<std::string>& projectFiles, const std::string& word, const ConsoleSink& sink);

// "Found in <path> <line> " (with the trailing blank).
std::string FoundLine(const std::string& path, int lineNumber);

// Longest part of a line a marker shows.
constexpr int kMarkerTextLength = 128;

// "Marker:  <path> <line>: <text>", the text cut to kMarkerTextLength characters.
std::string MarkerLine(const std::string& path, int lineNumber, const std::string& lineText);

}  // namespace editor
