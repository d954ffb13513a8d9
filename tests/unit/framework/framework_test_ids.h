#pragma once

#define IDR_TEST_FRAME 128
#define IDD_TEST_DIALOG 200

#define IDC_TEST_COMBO 1001
#define IDC_TEST_NUMBER 1002
#define IDC_TEST_NAME 1003
#define IDC_TEST_RADIO_A 1004
#define IDC_TEST_RADIO_B 1005
#define IDC_TEST_RADIO_C 1006
#define IDC_TEST_AFTER 1007

// Commands known to the view and the frame, to the document and the application, to
// nobody, and one with a check rule.
#define ID_TEST_BOTH 40001
#define ID_TEST_DOC_AND_APP 40002
#define ID_TEST_NOBODY 40003
#define ID_TEST_APP_ONLY 40004
#define ID_TEST_CHECKED 40005
// A tooltip that does not fit the tooltip's buffer, with a double-byte character where
// the buffer ends.
#define ID_TEST_LONG_TIP 40006
