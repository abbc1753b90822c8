// The current compiler profile, its start-up check and the project's choice of profile.
#include "shell/profiles.h"

#include "platform/platform.h"
#include "shell/settingsfile.h"
#include "shell/settingskeys.h"
#include "shell/settingspaths.h"

namespace settings {
namespace {

int gCurrentProfileId = kProfileIdBorland;

// More keys than any profile list will hold; it only bounds the search of a damaged file.
constexpr int kMaxProfileKeys = 999;

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

std::string ReadProfileName(const std::string& globalFile, const std::string& key, const char* fallback) {
  return ReadText(globalFile, kSectionProfile, key.c_str(), fallback, kProfileNameCapacity);
}

}  // namespace

int CurrentProfileId() { return gCurrentProfileId; }

void SetCurrentProfileId(int id) { gCurrentProfileId = id; }

bool SetCurrentProfileIdFromName(const std::string& name) {
  if (StartsWith(name, kProfileBorland)) {
    gCurrentProfileId = kProfileIdBorland;
  } else if (StartsWith(name, kProfileVisualToolkit)) {
    gCurrentProfileId = kProfileIdVisualToolkit;
  } else {
    return false;
  }
  return true;
}

std::string CurrentProfileName(const std::string& globalFile) {
  std::string current = ReadKey(globalFile, kProfileCurrent);
  if (current.empty()) return kProfileNameDefault;
  return ReadProfileName(globalFile, current, kProfileNameDefault);
}

ProfileTools ReadProfileTools(const std::string& globalFile, const std::string& profileName) {
  ProfileTools tools;
  tools.bin = ReadProfileKey(globalFile, profileName, kToolBin);
  tools.include = ReadProfileKey(globalFile, profileName, kToolInclude);
  tools.lib = ReadProfileKey(globalFile, profileName, kToolLib);
  tools.cc = ReadProfileKey(globalFile, profileName, kToolCc);
  tools.rc = ReadProfileKey(globalFile, profileName, kToolRc);
  tools.linker = ReadProfileKey(globalFile, profileName, kToolLinker);
  tools.librarian = ReadProfileKey(globalFile, profileName, kToolLibrarian);
  return tools;
}

int CheckCurrentProfile(const std::string& globalFile) {
  std::string name = CurrentProfileName(globalFile);
  SetCurrentProfileIdFromName(name);
  std::string compiler = ReadProfileKey(globalFile, name, kToolBin);
  if (compiler.empty()) return -1;
  if (compiler.back() != '\\') compiler += '\\';
  compiler += ReadText(globalFile, name.c_str(), kToolCc.key, kToolCc.defaultValue,
                       kToolCcStartupCapacity);
  compiler += ".exe";
  if (compiler.size() > kMaxPathLength) return -1;
  return platform::CanOpenForReading(compiler) ? 0 : -1;
}

int ChooseProjectProfile(const std::string& projectFile, const std::string& globalFile) {
  std::string wanted = ReadKey(projectFile, kGlobalProfile);
  for (int number = 1; number <= kMaxProfileKeys; ++number) {
    std::string key = std::to_string(number);
    std::string name = ReadProfileName(globalFile, key, "");
    if (name.empty()) return 0;
    if (name == wanted) {
      WriteKey(globalFile, kProfileCurrent, key);
      return number;
    }
  }
  return 0;
}

}  // namespace settings
