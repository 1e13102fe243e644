// Resource ids of the framework tests' own string table and dialog.
#pragma once

#define IDS_TEST_TEXT 256
#define IDS_TEST_EMPTY 257
#define IDS_TEST_UNLISTED 258
#define IDS_TEST_FORMAT 259
#define IDS_TEST_LONG 260
#define IDS_TEST_WIDE 261
#define IDS_TEST_NO_BLOCK 4000

#define IDD_TEST_DIALOG 100
#define IDC_TEST_CHECK 1000
#define IDC_TEST_BUTTON 1001
