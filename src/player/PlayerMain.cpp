// The player program's application object.
#include "player/PlayerApp.h"

CPlayerApp theApp;
