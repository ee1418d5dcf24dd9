#pragma once
// A prepared content tree and application context for driving exercise windows offscreen.

#include "AppContext.h"
#include "ExerciseWindow.h"
#include "Fakes.h"
#include "ProtocolLink.h"
#include "UiHelpers.h"

#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orvela::testing {

// The lines of a data file of the sample course, as UTF-8 (ui_tests know the source tree).
inline std::vector<std::string> courseFile(const std::string& name) {
    std::ifstream in(std::filesystem::path(ORVELA_SOURCE_DIR) / "content" / "DATA" / name,
                     std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(AnsiText(bytes.substr(start, end - start)).toUtf8());
    return lines;
}

class FakeProtocol : public ProtocolLink {
public:
    std::vector<std::pair<int, QString>> cells;
    void setProtocolEnabled(bool) override {}
    void setStatusCell(int programme, const QString& text) override {
        cells.emplace_back(programme, text);
    }
    void hideInfoPanel() override {}
};

struct ExerciseFixture : ::testing::Test {
    ShellFixture f;
    FakeOpener opener;
    FakeProtocol protocol;
    AppContext context;

    ExerciseFixture() {
        context.shell = &f.shell;
        context.opener = &opener;
        context.protocol = &protocol;
    }
    // Writes a data file and makes it the current one as a menu entry would (the praise files
    // are written with the first file).
    void prepare(const std::string& name, const std::vector<std::string>& lines) {
        for (int n = 9001; n <= 9016; ++n)
            f.content.write("DATA/FROM" + std::to_string(n) + ".LOV",
                            {"Beröm " + std::to_string(n) + "#<namn>#!"});
        f.content.write("DATA/" + name, lines);
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
        f.s.CurrentDataFile = AnsiText::ascii(name);
        ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    }
    // Ends a wait for the right answer: Space cuts it short, the next tick ends it.
    static void endWait(ExerciseWindow& w) {
        QTest::keyClick(&w, Qt::Key_Space);
        if (w.runState() == ExerciseWindow::RunState::ShowingAnswer)
            w.Timer1Timer();
        else if (w.runState() == ExerciseWindow::RunState::ShowingLastAnswer)
            w.Timer3Timer();
    }
};

} // namespace orvela::testing
