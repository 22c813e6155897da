// The test tool bar's resource ids, shared by its resource script and the tests
// that load it.
#pragma once

#define IDR_TEST_BAR       3910
#define IDR_TEST_BARMENU   3911
#define ID_TEST_NEW        3920
#define ID_TEST_OPEN       3921
#define ID_TEST_SAVE       3922
#define ID_TEST_CUT        3923
#define ID_TEST_COPY       3924
#define ID_TEST_PASTE      3925
