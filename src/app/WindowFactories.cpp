// The one place where each window kind is bound to the class that implements it.

#include "WindowFactories.h"

#include "TStallin.h"

namespace orvela {

void registerWindows(AppWindowOpener& opener, AppContext& context) {
    AppContext* c = &context;
    opener.registerKind(WindowKind::TStallin,
                        [c](const WindowRequest&) { return std::make_unique<TStallin>(*c); });
    // (new kinds above this line)
}

} // namespace orvela
