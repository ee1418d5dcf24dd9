// From Enter on a right answer to the next item on the screen, in the translation exercise:
// judging, drawing the next item of a 1000-item file from the random order, reading its line
// from the file, splitting it, laying out the question and painting the window. Offscreen; the
// median and the spread over many items are printed.

#include "AppContext.h"
#include "QtServices.h"
#include "Shell.h"
#include "TSKRIV.h"
#include "WindowOpener.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

class SilentMessages : public orvela::Messages {
public:
    void information(std::string_view) override {}
    void warning(std::string_view) override {}
    bool confirm(std::string_view) override { return true; }
};

class NoWindows : public orvela::WindowOpener {
public:
    bool open(const orvela::WindowRequest&) override { return true; }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int items = argc > 1 ? std::max(10, std::atoi(argv[1])) : 500;

    namespace fs = std::filesystem;
    fs::path root = fs::temp_directory_path() / "orvela-bench-item";
    fs::remove_all(root);
    fs::create_directories(root / "DATA");
    {
        std::ofstream out(root / "DATA" / "FRA99001.DAT", std::ios::binary);
        out << "$Glosor\r\n$Tusen ord\r\n$\xA7\xD6vers\xE4tt till franska.\r\n";
        for (int i = 1; i <= 1000; ++i)
            out << "Jag ser den gr\xF6na bilen nummer " << i << " vid stationen#je vois la voiture verte num\xE9ro "
                << i << "#hj\xE4lp#&la voiture " << i << "\r\n";
    }

    SilentMessages messages;
    orvela::SystemClock clock;
    orvela::QtTextMeasure measure;
    orvela::Shell shell(orvela::ContentPaths(root), orvela::ShellServices{&messages, &clock, &measure, nullptr});
    if (!shell.HaemtaFilTabell()) return 1;
    shell.SkapaSlumptal(1, 1000);
    orvela::SharedState& s = shell.state();
    s.CurrentDataFile = orvela::AnsiText::ascii("FRA99001.DAT");
    if (!shell.Kolla(s.CurrentDataFile)) return 1;

    NoWindows opener;
    orvela::AppContext context;
    context.shell = &shell;
    context.opener = &opener;
    orvela::TSKRIV window(context);
    window.show();
    QApplication::processEvents();
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("Edit1"));

    std::vector<double> ms;
    for (int i = 0; i < items; ++i) {
        if (s.QuestionNumber > s.RunLength) window.Button2Click(); // a new run every ten items
        edit->setText(QString::fromLatin1(s.ItemFields[2].bytes().c_str()));
        auto start = std::chrono::steady_clock::now();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        window.repaint();
        auto end = std::chrono::steady_clock::now();
        if (s.QuestionNumber <= s.RunLength) // the end of a run (praise, picture) is not an item
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    auto at = [&ms](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    std::printf("Enter on a right answer to the next item shown (1000-item file, offscreen, %zu items)\n",
                ms.size());
    std::printf("median %.3f ms, 90th percentile %.3f ms, max %.3f ms; target 2 ms: %s\n", at(0.5),
                at(0.9), ms.back(), at(0.5) <= 2.0 ? "met" : "NOT met");
    fs::remove_all(root);
    return 0;
}
