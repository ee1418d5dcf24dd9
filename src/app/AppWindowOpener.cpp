#include "AppWindowOpener.h"

#include <utility>

namespace orvela {

std::unique_ptr<QDialog> AppWindowOpener::create(const WindowRequest& request) const {
    auto it = factories_.find(request.kind);
    return it == factories_.end() ? nullptr : it->second(request);
}

bool AppWindowOpener::open(const WindowRequest& request) {
    if (prepare_) std::exchange(prepare_, nullptr)();
    std::unique_ptr<QDialog> window = create(request);
    if (!window) return false;
    window->exec();
    return true;
}

} // namespace orvela
