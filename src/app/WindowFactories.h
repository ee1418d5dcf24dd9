#pragma once
#include "AppContext.h"
#include "AppWindowOpener.h"

namespace orvela {
// Registers every window kind of the program with the opener.
void registerWindows(AppWindowOpener& opener, AppContext& context);
} // namespace orvela
