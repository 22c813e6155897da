// The operating system's version record, read once per process.
#pragma once

#include <windows.h>

const OSVERSIONINFOA& GetOSVersionInfo();
