// Names for the New File command: the first free proposal, and the check of the name the user typed.
#pragma once

#include <string>

namespace shell {

// Longest name the input-name dialog takes (characters).
constexpr std::size_t kMaxNewFileName = 63;

// `folder` + "\" + `name`; just `name` when the folder is empty (the current folder then holds it).
std::string JoinFolder(const std::string& folder, const std::string& name);

// The first of "<folder>\<projectName>01.c", "...02.c", ... that cannot be opened (numbers of at
// least two digits). Empty when every number up to 9999 is taken.
std::string FirstFreeNewFileName(const std::string& folder, const std::string& projectName);

enum class NewFileCheck {
  kAccepted,  // `path` is the full path of a file that does not exist yet
  kExists,    // a file of that name is there: choose another
  kEmpty,     // no name was typed
};

// Joins the typed name (cut to kMaxNewFileName characters) to the folder and checks it.
NewFileCheck CheckNewFileName(const std::string& folder, const std::string& typedName, std::string& path);

}  // namespace shell
