#pragma once
// Opens the program's windows by kind: each window is created for one use, shown modally and
// destroyed when it closes. Window kinds register a factory here.

#include "WindowOpener.h"

#include <QDialog>
#include <functional>
#include <map>
#include <memory>

namespace orvela {

class AppWindowOpener : public WindowOpener {
public:
    using Factory = std::function<std::unique_ptr<QDialog>(const WindowRequest&)>;
    void registerKind(WindowKind kind, Factory factory) { factories_[kind] = std::move(factory); }
    // Runs `prepare` once, before the first window opens.
    void setBeforeFirstWindow(std::function<void()> prepare) { prepare_ = std::move(prepare); }
    bool open(const WindowRequest& request) override;
    // Creates the window without showing it (nullptr when no window of that kind exists).
    std::unique_ptr<QDialog> create(const WindowRequest& request) const;

private:
    std::map<WindowKind, Factory> factories_;
    std::function<void()> prepare_;
};

} // namespace orvela
