// Every section, key, default and read capacity of the two settings files, in one place.
//
// The global settings file "Orvantel.ini" lies beside the program; the project settings file
// (extension "ovs") beside the project file. A KeySpec names one key with the default and the
// capacity (terminator included) its readers use; ReadKey and WriteKey apply them.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <string>

#include "shell/settingsfile.h"

namespace settings {

struct KeySpec {
  const char* section;  // null for keys of a profile section, whose name is the profile's name
  const char* key;
  const char* defaultValue;
  std::size_t capacity;
};

// ---- Sections ----
inline constexpr char kSectionSystem[] = "System";
inline constexpr char kSectionProfile[] = "Profile";
inline constexpr char kSectionDirectories[] = "Directories";
inline constexpr char kSectionTools[] = "Tools";
inline constexpr char kSectionToolsMenu[] = "ToolsMenu";
inline constexpr char kSectionEditor[] = "Editor";
inline constexpr char kSectionGlobal[] = "Global";
inline constexpr char kSectionTarget[] = "Target";
inline constexpr char kSectionCompiler[] = "Compiler";
inline constexpr char kSectionLinker[] = "Linker";
inline constexpr char kSectionMake[] = "Make";
inline constexpr char kSectionProject[] = "Project";
inline constexpr char kSectionWindowPosition[] = "WindowPosition";
inline constexpr char kSectionWindowState[] = "WindowState";
inline constexpr char kSectionShellClassInfo[] = ".ShellClassInfo";

// History lists of the project settings file: keys "0" to "8", newest first.
inline constexpr char kHistoryFind[] = "Find";
inline constexpr char kHistoryReplaceOld[] = "ReplaceOld";
inline constexpr char kHistoryReplaceNew[] = "ReplaceNew";
inline constexpr char kHistoryGrep[] = "Grep";
inline constexpr char kHistoryHelp[] = "Help";
inline constexpr int kHistoryLimit = 8;
inline constexpr std::size_t kHistoryCapacity = 511;

// ---- Values with a meaning of their own ----
inline constexpr char kStatusRun[] = "run";
inline constexpr char kStatusTerm[] = "term";
inline constexpr char kMainWindowMaximized[] = "maximized";
inline constexpr char kMainWindowRestored[] = "restored";
inline constexpr char kWindowStateClose[] = "close";
inline constexpr char kWindowStateOpen[] = "open";
inline constexpr char kProfileBorland[] = "Borland";
inline constexpr char kProfileVisualToolkit[] = "VisualToolkit";
inline constexpr char kProfileDigitalMars[] = "DigitalMars";
inline constexpr char kModelGui[] = "GUI";
inline constexpr char kModelConsole[] = "CON";
inline constexpr char kModelDll[] = "DLL";
inline constexpr char kModelLibrary[] = "LIB";
inline constexpr char kBuildDebug[] = "Debug";
inline constexpr char kBuildRelease[] = "Release";
inline constexpr char kOptimizeNone[] = "no";
inline constexpr char kOptimizeSpeed[] = "Speed";
inline constexpr char kOptimizeSize[] = "Size";
inline constexpr char kCppAlways[] = "Always";

// ---- Global settings file ----
inline constexpr KeySpec kSystemStatus{kSectionSystem, "Status", "", 8};
inline constexpr KeySpec kSystemTheme{kSectionSystem, "Theme", "", 31};
inline constexpr KeySpec kSystemPosition{kSectionSystem, "Position", "", 46};
inline constexpr KeySpec kSystemMainWindow{kSectionSystem, "MainWindow", "", 16};

inline constexpr KeySpec kProfileCurrent{kSectionProfile, "Current", "1", 64};
// Keys "1" ... of section "Profile" hold profile names; the settings dialog lists "1" to "6".
inline constexpr int kProfileKeyCount = 6;
inline constexpr std::size_t kProfileNameCapacity = 127;
inline constexpr char kProfileNameDefault[] = "Borland";  // for the key that "Current" names

// Keys of a profile's own section (its name is the profile name).
inline constexpr KeySpec kToolBin{nullptr, "Bin", "", 511};
inline constexpr KeySpec kToolInclude{nullptr, "Include", "", 511};
inline constexpr KeySpec kToolLib{nullptr, "Lib", "", 511};
inline constexpr KeySpec kToolCc{nullptr, "Cc", "bcc32", 511};
inline constexpr std::size_t kToolCcStartupCapacity = 63;
inline constexpr KeySpec kToolRc{nullptr, "Rc", "brcc32", 511};
inline constexpr KeySpec kToolLinker{nullptr, "Linker", "ilink32", 511};
inline constexpr KeySpec kToolLibrarian{nullptr, "Librian", "tlib", 511};

inline constexpr KeySpec kDirectoriesProjects{kSectionDirectories, "Projects", "", 511};
inline constexpr std::size_t kDirectoriesProjectsDialogCapacity = 512;
inline constexpr KeySpec kDirectoriesCurrent{kSectionDirectories, "Current", "1", 8};
inline constexpr KeySpec kDirectoriesHelp{kSectionDirectories, "Help", "", 511};

inline constexpr KeySpec kToolsResourceEditor{kSectionTools, "ResourceEditor", "", 511};
inline constexpr KeySpec kToolsGrep{kSectionTools, "Grep", "", 511};
inline constexpr KeySpec kToolsDebugger{kSectionTools, "Debugger", "", 511};

// Keys "1" to "15": a label, a comma and a command; a label starting with "-" is a separator.
inline constexpr int kToolsMenuCount = 15;
inline constexpr std::size_t kToolsMenuCapacity = 511;

inline constexpr KeySpec kEditorKeywords{"EDITOR", "Keywords", "", 511};

// ---- Editor keys (section "Editor" of either file) ----
inline constexpr KeySpec kEditorFont{kSectionEditor, "Font", "Courier New", 64};
inline constexpr KeySpec kEditorFontSize{kSectionEditor, "FontSize", "13", 64};
inline constexpr KeySpec kEditorFontBold{kSectionEditor, "FontBold", "0", 64};
inline constexpr KeySpec kEditorFontItalic{kSectionEditor, "FontItalic", "0", 64};
inline constexpr KeySpec kEditorSpaceTabs{kSectionEditor, "SpaceTabs", "1", 4};
inline constexpr KeySpec kEditorTabs{kSectionEditor, "Tabs", "8", 64};
inline constexpr KeySpec kEditorColorNormal{kSectionEditor, "ColorNormal", "#000000", 64};
inline constexpr KeySpec kEditorColorBack{kSectionEditor, "ColorBack", "#BFBFBF", 64};
inline constexpr KeySpec kEditorColorSelect{kSectionEditor, "ColorSelect", "#7F7FCF", 64};
inline constexpr KeySpec kEditorColorComment{kSectionEditor, "ColorComment", "#FFFFFF", 64};
inline constexpr KeySpec kEditorColorPP{kSectionEditor, "ColorPP", "#007F00", 64};
inline constexpr KeySpec kEditorColorString{kSectionEditor, "ColorString", "#FFFF00", 64};
inline constexpr KeySpec kEditorColorKeyword{kSectionEditor, "ColorKeyword", "#00007F", 64};
inline constexpr KeySpec kEditorColorType{kSectionEditor, "ColorType", "#7F0000", 64};
inline constexpr KeySpec kEditorColorPrivate{kSectionEditor, "ColorPrivate", "#005080", 64};
// Readers with defaults of their own: the editor settings dialog filling itself from the project
// file, the Tab key's space insertion, and the indent and outdent commands.
inline constexpr char kEditorColorPrivateDialogDefault[] = "#00A0FF";
inline constexpr int kTabKeyTabsDefault = 2;
inline constexpr KeySpec kIndentTabs{kSectionEditor, "Tabs", "2", 4};
// Tab widths above this many characters are used as this many.
inline constexpr int kMaxTabColumns = 26;

// ---- Project settings file ----
inline constexpr KeySpec kGlobalProfile{kSectionGlobal, "Profile", "Borland", 127};

inline constexpr KeySpec kTargetName{kSectionTarget, "Name", "", 64};
inline constexpr KeySpec kTargetModel{kSectionTarget, "Model", "GUI", 64};
inline constexpr KeySpec kTargetMultithread{kSectionTarget, "Multithread", "0", 64};
inline constexpr KeySpec kTargetBuild{kSectionTarget, "Build", "Release", 64};
inline constexpr KeySpec kTargetOptimize{kSectionTarget, "Optimize", "Speed", 64};
inline constexpr KeySpec kTargetDefines{kSectionTarget, "Defines", "", 511};
inline constexpr std::size_t kTargetDefinesDialogCapacity = 256;
inline constexpr KeySpec kTargetCpp{kSectionTarget, "C++", "Always", 64};
inline constexpr KeySpec kTargetRebuild{kSectionTarget, "Rebuild", " ", 64};

inline constexpr KeySpec kDirectoriesSource{kSectionDirectories, "Source", "", 511};
inline constexpr KeySpec kDirectoriesInclude{kSectionDirectories, "Include", "", 511};
inline constexpr KeySpec kDirectoriesLibrary{kSectionDirectories, "Library", "", 511};
inline constexpr KeySpec kDirectoriesObjects{kSectionDirectories, "Objects", "", 511};
inline constexpr KeySpec kDirectoriesFinal{kSectionDirectories, "Final", "", 511};

inline constexpr KeySpec kCompilerParameter{kSectionCompiler, "Parameter", "", 511};
inline constexpr KeySpec kCompilerConfiguration{kSectionCompiler, "Configuration", "", 64};
inline constexpr KeySpec kCompilerConfigurationFile{kSectionCompiler, "ConfigurationFile", "", 511};
inline constexpr KeySpec kLinkerParameter{kSectionLinker, "Parameter", "", 511};
inline constexpr KeySpec kLinkerConfiguration{kSectionLinker, "Configuration", "", 64};
inline constexpr KeySpec kLinkerConfigurationFile{kSectionLinker, "ConfigurationFile", "", 511};
inline constexpr KeySpec kMakeBatch{kSectionMake, "Batch", "", 64};
inline constexpr KeySpec kMakeBatchFile{kSectionMake, "BatchFile", "", 511};
// "1"/"0" switches (Multithread, Configuration, Batch) are read with this capacity by the build
// steps; the dialogs that hold the file names use 64.
inline constexpr std::size_t kSwitchCapacity = 4;
inline constexpr std::size_t kDialogFileNameCapacity = 64;

inline constexpr KeySpec kProjectOpenFileType{kSectionProject, "OpenFileType", "0", 15};
inline constexpr KeySpec kProjectAddFileType{kSectionProject, "AddFileType", "0", 15};
inline constexpr KeySpec kProjectAddResourceType{kSectionProject, "AddResourceType", "0", 15};

inline constexpr KeySpec kWindowPositionConsole{kSectionWindowPosition, "Console", "", 64};
inline constexpr KeySpec kWindowPositionResEdit{kSectionWindowPosition, "ResEdit", "", 64};
inline constexpr KeySpec kWindowStateConsole{kSectionWindowState, "Console", "close", 64};
inline constexpr std::size_t kWindowValueCapacity = 64;

// ---- The folder-view description the project dialog writes into the project folder ----
inline constexpr KeySpec kShellIconFile{kSectionShellClassInfo, "IconFile", "", 511};
inline constexpr KeySpec kShellIconIndex{kSectionShellClassInfo, "IconIndex", "6", 64};

// ---- Reading and writing by KeySpec ----
inline std::string ReadKey(const std::string& file, const KeySpec& keySpec) {
  return ReadText(file, keySpec.section, keySpec.key, keySpec.defaultValue, keySpec.capacity);
}
inline int ReadKeyInteger(const std::string& file, const KeySpec& keySpec) {
  return ReadInteger(file, keySpec.section, keySpec.key, ParseDecimal(keySpec.defaultValue, 0));
}
inline bool WriteKey(const std::string& file, const KeySpec& keySpec, const std::string& value) {
  return WriteString(file, keySpec.section, keySpec.key, value.c_str());
}
// Keys of a profile's section.
inline std::string ReadProfileKey(const std::string& file, const std::string& profile,
                                  const KeySpec& keySpec) {
  return ReadText(file, profile.c_str(), keySpec.key, keySpec.defaultValue, keySpec.capacity);
}

}  // namespace settings
