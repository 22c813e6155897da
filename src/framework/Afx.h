// The whole framework in one include.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"
#include "framework/Collections.h"
#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/MemFile.h"
#include "framework/Archive.h"
#include "framework/CmdTarget.h"
#include "framework/WinThread.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "framework/MessageBox.h"
#include "framework/ProgramStart.h"
