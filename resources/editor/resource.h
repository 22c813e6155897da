// Fixed resource numbers of the editor.
#pragma once

// Captions of the button actions, in action code order except the last two.
#define IDS_ACTION_NONE     213
#define IDS_ACTION_NEWPAGE  214
#define IDS_ACTION_MESSAGE  215
#define IDS_ACTION_EXIT     216
#define IDS_ACTION_PLAYAVI  218
#include "DialogIds.h"
