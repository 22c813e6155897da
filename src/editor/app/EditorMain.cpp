// The editor program's application object.
#include "editor/app/TarnixEdApp.h"

namespace {

CTarnixEdApp theApp;

} // namespace
