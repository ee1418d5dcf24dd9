#pragma once
// What the core benchmarks share: a scratch directory removed at the end, and quiet services.

#include "Services.h"

#include <filesystem>
#include <string>

namespace orvela::bench {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to a file below the directory, creating its directories.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

class SilentMessages : public Messages {
public:
    void information(std::string_view) override {}
    void warning(std::string_view) override {}
    bool confirm(std::string_view) override { return true; }
};

class FixedClock : public Clock {
public:
    DateTime now() override { return {2026, 12, 6, 10, 30, 15, 250}; }
};

class NoSound : public Sound {
public:
    void play(const std::filesystem::path&, bool) override {}
    void stop() override {}
    bool speak(const std::string&, bool) override { return false; }
};

} // namespace orvela::bench
