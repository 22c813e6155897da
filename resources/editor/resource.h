// Fixed resource numbers of the editor.
#pragma once
