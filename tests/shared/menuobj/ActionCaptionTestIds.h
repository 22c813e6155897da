// String ids of the action captions in the menu object tests' resources.
#pragma once

#define IDS_TEST_ACTION_NONE     301
#define IDS_TEST_ACTION_NEWPAGE  302
#define IDS_TEST_ACTION_MESSAGE  303
#define IDS_TEST_ACTION_EXIT     304
#define IDS_TEST_ACTION_PLAYAVI  305
