#include "AppWindowOpener.h"

namespace orvela {

bool AppWindowOpener::open(const WindowRequest& request) {
    auto it = factories_.find(request.kind);
    if (it == factories_.end()) return false;
    std::unique_ptr<QDialog> window = it->second(request);
    if (!window) return false;
    window->exec();
    return true;
}

} // namespace orvela
