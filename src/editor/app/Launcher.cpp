#include "editor/app/Launcher.h"

IMPLEMENT_DYNAMIC(CLauncher, CStarter)
