// The editor program's application object, with the project start dialogs it runs.
#include "editor/app/TarnixEdApp.h"
#include "editor/dialogs/ProjectStartDialogs.h"

namespace {

class CEditorProgram : public CTarnixEdApp
{
public:
    CEditorProgram() { SetStartDialogs(&m_startDialogs); }

private:
    CProjectStartDialogs m_startDialogs;
};

CEditorProgram theApp;

} // namespace
