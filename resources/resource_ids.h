/* Identifiers of the program's resources, shared by the resource script and the code.
 *
 * IDM_ commands of the menus (a window's own popup commands may reuse a number another window
 * uses: each window reads only its own), IDC_ controls of the dialog templates, IDD_ dialog
 * template names, IDB_ bitmap names, IDI_ icon names, IDS_ strings. Templates, bitmaps, icons,
 * cursors and menus are named resources: the code passes the names below, the script writes
 * the same names unquoted. Plain C so that the resource compiler reads it too. */
#ifndef ORVANTEL_RESOURCE_IDS_H
#define ORVANTEL_RESOURCE_IDS_H

/* ---- Main menu "APPL" and the frame's commands ---- */
#define IDM_EXIT 2
#define IDM_OPEN_FILE 102          /* posted by IDM_FILE_OPEN */
#define IDM_NEW_FILE 104           /* posted by IDM_FILE_NEW */
#define IDM_SAVE_TOP_EDITOR 105    /* posted by IDM_FILE_SAVE */
#define IDM_PROJECT 111
#define IDM_OPEN_PROJECT 114       /* posted at start-up for a project on the command line */
#define IDM_RUN 5001
#define IDM_COMPILE 5003
#define IDM_MAKE 5004
#define IDM_BUILD_ALL 5005
#define IDM_MAKEFILE 5007
#define IDM_GREP 6001
#define IDM_DEBUGGER 6002
#define IDM_MESSAGE 6011
#define IDM_CONSOLE_LINE 6012      /* lParam: the text of a line for the console */
#define IDM_CONSOLE_RESET 6013
#define IDM_SHOW_RESEDIT 6021
#define IDM_TOOL_FIRST 6101        /* the Tools menu's user entries, 6101 to 6115 */
#define IDM_TOOL_LAST 6115
#define IDM_SETTINGS_GLOBAL 7000
#define IDM_SETTINGS_TARGET 7101
#define IDM_SETTINGS_DIRECTORIES 7102
#define IDM_SETTINGS_COMPILER 7103
#define IDM_SETTINGS_EDITOR 7201
#define IDM_CLOSE_ALL 8000
#define IDM_WINDOW_FIRST 8001      /* the Window menu's editor list, 8001 to 8032 */
#define IDM_WINDOW_LAST 8032
#define IDM_CONTEXT_HELP 9000      /* F1 */
#define IDM_HELP_FILE 9001
#define IDM_HELP_BROWSER 9990
#define IDM_WEB_PAGE 9998
#define IDM_ABOUT 9999
#define IDM_FILE_OPEN 10102
#define IDM_FILE_NEW 10104
#define IDM_FILE_SAVE 10105
#define IDM_FILE_SAVE_AS 10106
#define IDM_EDIT_UNDO 10201
#define IDM_EDIT_REDO 10202
#define IDM_EDIT_CUT 11421
#define IDM_EDIT_COPY 11422
#define IDM_EDIT_PASTE 11423
#define IDM_EDIT_DELETE 11424
#define IDM_EDIT_SELECT_ALL 11431

/* ---- Context menus "MENU": project window ---- */
#define IDM_PROJECT_REMOVE 103
#define IDM_PROJECT_ADD_SEPARATOR 105
#define IDM_PROJECT_ADD_FOLDER 106
#define IDM_PROJECT_VIEW 301
#define IDM_PROJECT_COMPILE 302

/* ---- Context menus "MENU": editor window ---- */
#define IDM_EDITOR_UNDO 1401
#define IDM_EDITOR_CUT 1421
#define IDM_EDITOR_COPY 1422
#define IDM_EDITOR_PASTE 1423
#define IDM_EDITOR_DELETE 1424
#define IDM_EDITOR_SELECT_ALL 1431
#define IDM_EDITOR_FIND 1433
#define IDM_EDITOR_FIND_AGAIN 1434
#define IDM_EDITOR_REPLACE 1435
#define IDM_EDITOR_GOTO_LINE 1436
#define IDM_EDITOR_SAVE 1441
#define IDM_EDITOR_SAVE_AS 1442
#define IDM_EDITOR_HELP_TOPIC 1460
#define IDM_EDITOR_BROWSE_FUNCTION 1461
#define IDM_EDITOR_OPEN_INCLUDE 1462
#define IDM_EDITOR_BROWSE_SYMBOL 1463
#define IDM_EDITOR_MARK_POSITION 1464
#define IDM_EDITOR_INDENT 1471
#define IDM_EDITOR_OUTDENT 1472
#define IDM_EDITOR_DELETE_LINE 1480
#define IDM_EDITOR_EXTRAS 1481

/* ---- Context menus "MENU": console ---- */
#define IDM_CONSOLE_CLEAR 1441
#define IDM_CONSOLE_NEXT_ERROR 1451

/* ---- Context menus "MENU": resource editor ---- */
#define IDM_RESEDIT_NEW 501
#define IDM_RESEDIT_ADD_FILE 502
#define IDM_RESEDIT_REMOVE 503
#define IDM_RESEDIT_RENAME 506
#define IDM_RESEDIT_SAVE 507
#define IDM_RESEDIT_SAVE_AS 508
#define IDM_RESEDIT_EXPORT 509

/* ---- Context menus "MENU": dialog editor and picture editor ---- */
#define IDM_DLGEDIT_UP 1701
#define IDM_DLGEDIT_STEP_UP 1702
#define IDM_DLGEDIT_STEP_DOWN 1703
#define IDM_DLGEDIT_DOWN 1704
#define IDM_DLGEDIT_NEW_ITEM 1600
#define IDM_DLGEDIT_DUPLICATE 1601
#define IDM_PICEDIT_COPY 1509
#define IDM_PICEDIT_PASTE 1510
#define IDM_PICEDIT_IMAGES 1520

/* ---- System menus "SYSTEM" (the system's own command numbers) ---- */
#define IDM_SYS_RESTORE 0xF120
#define IDM_SYS_MOVE 0xF010
#define IDM_SYS_SIZE 0xF000
#define IDM_SYS_MINIMIZE 0xF020
#define IDM_SYS_MAXIMIZE 0xF030
#define IDM_SYS_CLOSE 0xF060

/* ---- Controls of the dialog templates ---- */
#define IDC_BUSY_TITLE 100         /* BUSY, PROGRESS, SAVE: title line (title font) */
#define IDC_BUSY_DETAIL 101        /* detail lines */
#define IDC_BUSY_PIE 301           /* "DV_PIE" */
#define IDC_NAME_PROMPT 100        /* BINNAME, SEPNAME: the text line */
#define IDC_NAME_EDIT 101          /* the name */
#define IDC_FILEBOX_LOGO 103       /* FILEOPENBOX, FILESAVEBOX: the logo picture */
#define IDC_TIP_TEXT 100           /* HYPERHELP: the hint text */

/* ---- Dialog templates, bitmaps, icons (named resources) ---- */
#define IDD_BUSY "BUSY"
#define IDD_PROGRESS "PROGRESS"
#define IDD_SAVE "SAVE"
#define IDD_ABOUT "ABOUT"
#define IDD_BINNAME "BINNAME"
#define IDD_SEPNAME "SEPNAME"
#define IDD_HYPERHELP "HYPERHELP"
#define IDD_FILEOPENBOX "FILEOPENBOX"
#define IDD_FILESAVEBOX "FILESAVEBOX"

#define IDB_TITLE "TITLE"
#define IDB_HEADING "HEADING"
#define IDB_GRAYLOGO "GRAYLOGO"

#define IDI_APPL "APPL"

/* ---- Strings ---- */
#define IDS_WEB_PAGE 1             /* the page that command IDM_WEB_PAGE opens */

#endif
