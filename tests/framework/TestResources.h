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
