// The toolkit test program's application object.
#include "XTDemoApp.h"

CXTDemoApp theApp;
