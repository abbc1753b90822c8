// Compiler profiles: which one is current, whether its compiler is there, which one a project uses.
//
// Section "Profile" of the global settings file lists profile names under keys "1", "2", ...;
// "Current" holds the number of the current one. Each profile's tools lie in a section named after
// the profile.
#pragma once

#include <string>

namespace settings {

// The current profile id, process-wide; starts as kProfileIdBorland.
constexpr int kProfileIdBorland = 1;
constexpr int kProfileIdVisualToolkit = 2;
constexpr int kProfileIdDigitalMars = 3;
int CurrentProfileId();
void SetCurrentProfileId(int id);

// Sets the current profile id from a profile name: 1 when the name begins with "Borland", 2 when it
// begins with "VisualToolkit" (case counts). Any other name leaves the id as it is and returns false.
bool SetCurrentProfileIdFromName(const std::string& name);

// The current profile's name: the key of section "Profile" that "Current" names (default "1"),
// "Borland" when that key is missing. Also the name of the section holding the profile's tools.
std::string CurrentProfileName(const std::string& globalFile);

// The tools of a profile, with the defaults of the key table.
struct ProfileTools {
  std::string bin;      // folder of the tools
  std::string include;  // compiler include folders
  std::string lib;      // library folders
  std::string cc;       // compiler, without ".exe"
  std::string rc;       // resource compiler
  std::string linker;
  std::string librarian;
};
ProfileTools ReadProfileTools(const std::string& globalFile, const std::string& profileName);

// The start-up check: sets the current profile id from the current profile's name, then looks for
// its compiler: "Bin" (empty fails), a "\" when it does not end with one, "Cc" (default "bcc32") and
// ".exe". Returns 0 when that file can be opened for reading, -1 otherwise (also for a path that
// would be longer than 511 characters).
int CheckCurrentProfile(const std::string& globalFile);

// When the project window opens: finds the project's profile ("Global"/"Profile" of the project
// file, default "Borland") among keys "1", "2", ... of section "Profile" of the global file (exact
// match, stopping at the first missing key) and writes its number to "Profile"/"Current". Returns
// that number, or 0 when the name is not listed (nothing is written then).
int ChooseProjectProfile(const std::string& projectFile, const std::string& globalFile);

}  // namespace settings
