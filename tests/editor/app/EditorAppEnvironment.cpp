#include "EditorTesting.h"

namespace {

::testing::Environment* const theEditorApp =
    ::testing::AddGlobalTestEnvironment(new editor_testing::EditorAppEnvironment);

} // namespace
