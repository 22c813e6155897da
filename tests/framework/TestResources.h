// Resource numbers of the framework tests' own resource script.
#pragma once

#define IDD_NUMBER 2001
#define IDC_NUMBER 2002
#define IDC_NAME 2003
#define IDR_TESTFRAME 2100
#define ID_TEST_HANDLED 2101
#define ID_TEST_UNHANDLED 2102
#define ID_TEST_UPDATED 2103
#define IDR_TESTMDI 2200
#define IDR_TESTDOC 2201
#define IDR_OTHERDOC 2202
#define ID_TEST_ROUTED 2203
#define IDD_PAGE1 2301
#define IDD_PAGE2 2302
#define IDD_PAGE3 2303
#define IDD_PAGE4 2304
#define IDD_PAGE5 2305
#define IDD_PAGE6 2306
#define IDC_PAGENUMBER 2310
#define IDB_IMAGES 2400
#define IDR_TESTBAR 2500
#define ID_TEST_THIRD 2501
