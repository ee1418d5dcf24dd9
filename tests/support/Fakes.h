#pragma once
// Recording fakes of the core's outside-world interfaces, and a temporary content tree.

#include "Services.h"
#include "Shell.h"
#include "WindowOpener.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvela::testing {

// Content text from a UTF-8 literal.
inline AnsiText A(const std::string& utf8) {
    return AnsiText::fromUtf8(utf8);
}

class FakeMessages : public Messages {
public:
    std::vector<std::string> shown; // every text, in order
    bool answer = true;             // the answer to confirmations
    void information(std::string_view t) override { shown.emplace_back(t); }
    void warning(std::string_view t) override { shown.emplace_back(t); }
    bool confirm(std::string_view t) override {
        shown.emplace_back(t);
        return answer;
    }
};

class FakeClock : public Clock {
public:
    DateTime time{2026, 12, 6, 10, 30, 15, 250};
    DateTime now() override { return time; }
};

// Every character is `charWidth` pixels wide, whatever the font.
class FakeMeasure : public TextMeasure {
public:
    int charWidth = 10;
    int textWidth(const AnsiText& text, const FontSpec&) override {
        return static_cast<int>(text.size()) * charWidth;
    }
};

class FakeSound : public Sound {
public:
    struct Call {
        std::filesystem::path file;
        bool wait;
    };
    std::vector<Call> played;
    int stops = 0;
    std::vector<std::string> spoken; // texts the synthesizer was asked to speak
    bool canSpeak = false;           // whether a synthesizer is installed
    void play(const std::filesystem::path& f, bool wait) override { played.push_back({f, wait}); }
    void stop() override { ++stops; }
    bool speak(const std::string& text, bool) override {
        spoken.push_back(text);
        return canSpeak;
    }
};

class FakeOpener : public WindowOpener {
public:
    std::vector<WindowRequest> opened;
    bool open(const WindowRequest& r) override {
        opened.push_back(r);
        return true;
    }
};

// A content root in a fresh temporary directory, removed again at the end.
class TempContent {
public:
    TempContent();
    ~TempContent();
    TempContent(const TempContent&) = delete;
    TempContent& operator=(const TempContent&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // Writes a file below the root; `utf8Lines` are converted to Windows-1252 and ended by CR LF.
    std::filesystem::path write(const std::string& relative,
                                const std::vector<std::string>& utf8Lines);
    // Writes raw bytes.
    std::filesystem::path writeRaw(const std::string& relative, const std::string& bytes);

private:
    std::filesystem::path root_;
};

// A Shell on a temporary content tree with fakes for every service.
struct ShellFixture {
    TempContent content;
    FakeMessages messages;
    FakeClock clock;
    FakeMeasure measure;
    FakeSound sound;
    Shell shell{ContentPaths(content.root()), ShellServices{&messages, &clock, &measure, &sound}};
    SharedState& s = shell.state();
};

} // namespace orvela::testing
