// Identifiers the framework gives meaning to: its standard commands, strings, status-bar
// panes and control-bar windows. Applications' resource scripts use them too.
#pragma once

// The framework's standard commands.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_DIRECT 57608
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393

// The print preview's bar.
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306

// The framework's standard strings and status-bar panes.
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345
#define ID_INDICATOR_CAP 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// The framework's control-bar window identifiers.
#define IDW_TOOLBAR 0xE800
#define IDW_STATUS_BAR 0xE801
#define IDW_PANE_FIRST 0xE900
#define IDW_PREVIEW_BAR 0xE805
#define IDW_PREVIEW_VIEW 0xE9FF

// Resource types the framework reads: the item lists of a dialog's combo boxes, and a
// toolbar's button size and command list.
#define RT_DLGINIT_DATA 240
#define RT_TOOLBAR_DATA 241
// The message of a combo box item in RT_DLGINIT_DATA: CB_ADDSTRING, which resource
// scripts do not see.
#define DLGINIT_ADDSTRING 0x0143
