// Where things stand in the menu resources: the windows find popups and items by position, so these
// numbers and the layout of resources/menus.rc change together.
#pragma once

namespace menupos {

// ---- Main menu "APPL": the popups of the menu bar ----
constexpr int kFile = 0;
constexpr int kEdit = 1;
constexpr int kBuild = 2;
constexpr int kTools = 3;
constexpr int kOptions = 4;
constexpr int kWindow = 5;
constexpr int kHelp = 6;

// Items of File.
constexpr int kFileNew = 0;
constexpr int kFileOpen = 1;
constexpr int kFileSave = 2;
constexpr int kFileSaveAs = 3;
constexpr int kFileProject = 5;
constexpr int kFileExit = 7;

// Items of Edit.
constexpr int kEditUndo = 0;
constexpr int kEditRedo = 1;
constexpr int kEditCut = 3;
constexpr int kEditCopy = 4;
constexpr int kEditPaste = 5;
constexpr int kEditDelete = 6;
constexpr int kEditSelectAll = 8;

// Items of Build.
constexpr int kBuildRun = 0;
constexpr int kBuildCompile = 2;
constexpr int kBuildMake = 3;
constexpr int kBuildBuildAll = 4;
constexpr int kBuildMakefile = 6;

// Tools keeps its first four items (Message, separator, Grep, Debugger); user entries follow.
constexpr int kToolsFixedItems = 4;
// Window keeps Close All and a separator; the editor list follows.
constexpr int kWindowFixedItems = 2;

// ---- Context menus "MENU" ----
constexpr int kProjectPopup = 0;         // "Project": the project window's menu button
constexpr int kProjectContext = 1;       // "ProjectContext": right click in the project list
constexpr int kEditorPopup = 2;          // "Editor": the editor's menu button
constexpr int kEditorContext = 3;        // "Editor Context": right click in the text
constexpr int kConsolePopup = 4;         // "Console": the console's menu button
constexpr int kResEditPopup = 5;         // "Resedit": the resource editor's menu button
constexpr int kDlgEditPopup = 6;         // "DlgEdit": right click on a dialog editor item
constexpr int kDlgNewItemPopup = 7;      // "DlgNewItem": fixed head of the dialog editor's new-item menu
constexpr int kPicEditPopup = 8;         // "PicEdit": the picture editor's commands
constexpr int kResContext = 9;           // "ResContext": right click on a resource entry

// Items of "Editor".
constexpr int kEditorPopupCut = 2;
constexpr int kEditorPopupCopy = 3;
constexpr int kEditorPopupPaste = 4;
constexpr int kEditorPopupDelete = 5;
// Items of "Editor Context".
constexpr int kEditorContextCut = 0;
constexpr int kEditorContextCopy = 1;
constexpr int kEditorContextPaste = 2;
constexpr int kEditorContextBrowseSymbol = 4;
constexpr int kEditorContextBrowseFunction = 5;
constexpr int kEditorContextHelpTopic = 6;
constexpr int kEditorContextOpenInclude = 7;
constexpr int kEditorContextMarkPosition = 9;
// Items of "ProjectContext".
constexpr int kProjectContextView = 0;
constexpr int kProjectContextCompile = 1;

// ---- System menus "SYSTEM" ----
constexpr int kSystemFrame = 0;   // the frame: restore, move, size, minimize, maximize, close
constexpr int kSystemChild = 1;   // the owned windows: move, size, close

}  // namespace menupos
