#pragma once
// The program's command line. It is read before the application object exists, so that --help,
// --version and a mistyped option are answered without a display.

#include <string>
#include <vector>

namespace orvela {

class CommandLine {
public:
    enum class Outcome { Run, Help, Version, Error };

    // Reads argv[1..argc-1]. Options of the window system (-platform NAME, -style NAME ...) are
    // passed on to it unchanged.
    static CommandLine parse(int argc, const char* const* argv);

    Outcome outcome() const { return outcome_; }
    // The one-line complaint when the outcome is Error.
    const std::string& error() const { return error_; }

    std::string contentRoot; // --content-root DIR
    std::string exercise;    // --exercise FILE
    bool exitWhenShown = false;

    static std::string usage();
    static std::string version();

private:
    Outcome outcome_ = Outcome::Run;
    std::string error_;
};

} // namespace orvela
