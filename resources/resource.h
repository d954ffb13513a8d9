// Identifiers of the viewer's resources. Menu, toolbar, accelerators and string table
// share the command identifiers; a command's string is its status-bar prompt, "\n", and
// its tooltip.
#pragma once

#include "framework_ids.h"

// Main frame: menu, accelerators, toolbar, icon and document string share this number.
#define IDR_MAINFRAME 128
#define IDR_PAGE_MENU 133

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_GOTO_PAGE 130
#define IDD_OPTIONS 134
#define IDD_WATERMARK 136
#define IDD_NAME 137

// About dialog.
#define IDC_ABOUT_ICON 1001

// Go-to-page dialog.
#define IDC_GOTO_INFO 1000
#define IDC_GOTO_NUMBER 1001

// Options panel.
#define IDC_PAGE_BORDER 1000
#define IDC_PAGE_NUMBER 1001
#define IDC_START_PAGE 1002
#define IDC_EDIT_WATERMARKS 1003
#define IDC_WATERMARK 1004
#define IDC_PAGE_MARGINS 1006

// Watermark editor.
#define IDC_WM_CONTENT 1004
#define IDC_WM_HEADER 1005
#define IDC_WM_WATERMARK 1006
#define IDC_WM_FOOTER 1007
#define IDC_WM_NAME 1011
#define IDC_WM_NEW 1012
#define IDC_WM_DELETE 1013
#define IDC_WM_RENAME 1014

// Name dialog.
#define IDC_NAME_PROMPT 1013
#define IDC_NAME_TEXT 1014

// The viewer's own commands.
#define ID_GOTO_PAGE 32771
#define ID_FIRST_PAGE 32772
#define ID_PREV_PAGE 32773
#define ID_NEXT_PAGE 32774
#define ID_LAST_PAGE 32775
#define ID_ZOOM_OUT 32776
#define ID_ZOOM_NORMAL 32777
#define ID_ZOOM_IN 32778
#define ID_LAYOUT_6 32779
#define ID_LAYOUT_1 32780
#define ID_LAYOUT_2 32781
#define ID_LAYOUT_4 32782
#define ID_LAYOUT_8 32783
#define ID_LAYOUT_16 32785
#define ID_FILE_SAVE_AS_IMAGE 32787
#define ID_ORDER_DOWN 32788
#define ID_REPEAT_PAGES 32789
#define ID_PAGE_DELETE 32790
#define ID_PAGE_INSERT_BEFORE 32791
#define ID_PAGE_INSERT_AFTER 32792
#define ID_PAGE_COPY 32793
#define ID_VIEW_OPTIONS 32794

// Saving the arranged sheets as one PDF or TIFF file.
#define ID_FILE_SAVE_SHEETS 32860
#define IDD_SAVE_SHEETS 160
#define IDC_SHEETS_DPI_150 1160
#define IDC_SHEETS_DPI_300 1161
#define IDC_SHEETS_DPI_600 1162
#define IDC_SHEETS_COLOUR 1163
#define IDC_SHEETS_GREY 1164
#define IDC_SHEETS_LOSSLESS 1165
#define IDC_SHEETS_SMALLER 1166

// Arranging beyond the six layouts: page order and turns, booklets, printing on both
// sides and gathering several jobs into one.
#define ID_PAGE_MOVE_EARLIER 32861
#define ID_PAGE_MOVE_LATER 32862
#define ID_PAGE_TURN_CLOCKWISE 32863
#define ID_PAGE_TURN_ANTICLOCKWISE 32864
#define ID_LAYOUT_BOOKLET 32865
#define ID_FILE_PRINT_BOTH_SIDES 32866
#define ID_FILE_OUTPUT_FACE_UP 32867
#define ID_FILE_GATHER_JOBS 32868

// Readable sheets: pages drawn from the ink of the job without its margins, the smallest
// text of the sheet in the status bar, and the layout that keeps it readable.
#define ID_VIEW_TRIM_MARGINS 32869
#define ID_VIEW_LEAVE_OUT_BLANK 32870
#define ID_LAYOUT_READABLE 32871
#define ID_INDICATOR_SMALLEST_TEXT 32872
