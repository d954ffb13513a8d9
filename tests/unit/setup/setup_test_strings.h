#pragma once

// Strings of the installer's tests, beside the installer's own table.
#define IDS_TEST_CUT_IN_A_CHARACTER 9001
