// Start-up: find the content, read the path file, build the data-file and praise-file tables and
// the run-wide random order, then show the main window and run until it closes.

#include "AppWindowOpener.h"
#include "Catalogue.h"
#include "DeviceProxies.h"
#include "QtServices.h"
#include "Shell.h"
#include "TForm1.h"
#include "TUtskrift.h"
#include "WindowFactories.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstring>

namespace {

// Ends the program once the main window has been painted (for the start-up benchmark).
class ExitWhenPainted : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool done_ = false;
};

// Opens one exercise directly over the main window, as its menu entry would (a teacher can start
// an exercise with --exercise FILE).
void openExercise(orvela::Shell& shell, orvela::WindowOpener& opener, orvela::Messages& messages,
                  const std::string& file) {
    std::optional<orvela::WindowKind> kind = orvela::exerciseWindowFor(file);
    if (!kind) {
        messages.information("Ingen övning i menyerna använder filen " + file + ".");
        return;
    }
    orvela::SharedState& s = shell.state();
    s.ExerciseMode = orvela::Mode::Practice;
    s.CurrentDataFile = orvela::AnsiText::fromUtf8(file);
    for (char& c : s.CurrentDataFile.bytes())
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (shell.Kolla(s.CurrentDataFile) &&
        !opener.open(orvela::WindowRequest{*kind, {}, 0}))
        messages.information("Den här delen av programmet kan inte öppnas.");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvela"));

    orvela::fs::path contentRoot;
    bool exitWhenShown = false;
    std::string exercise; // --exercise FILE: open that exercise at once
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--content-root") == 0 && i + 1 < argc)
            contentRoot = argv[++i];
        else if (std::strcmp(argv[i], "--exit-when-shown") == 0)
            exitWhenShown = true;
        else if (std::strcmp(argv[i], "--exercise") == 0 && i + 1 < argc)
            exercise = argv[++i];
    }
    if (contentRoot.empty())
        contentRoot = orvela::ContentPaths::rootOfProgram(
            QCoreApplication::applicationFilePath().toStdString());

    orvela::QtMessages messages;
    orvela::SystemClock clock;
    orvela::QtTextMeasure measure;
    orvela::LazySound sound(&messages);
    orvela::ShellServices services{&messages, &clock, &measure, &sound};
    orvela::Shell shell(orvela::ContentPaths(contentRoot), services);

    shell.HaemtaPathINI();
    if (!shell.HaemtaFilTabell()) return 1;
    shell.SkapaSlumptal(1, 1000);

    orvela::AppWindowOpener opener;
    orvela::LazyPrinting printing(&messages);
    orvela::AppContext context;
    context.shell = &shell;
    context.opener = &opener;
    context.printing = &printing;
    orvela::registerWindows(opener, context);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    orvela::TForm1 form(shell, opener, screen);
    // The worksheet window lives from its first use as long as the main window; switching
    // worksheet mode empties it.
    std::unique_ptr<orvela::TUtskrift> worksheet;
    context.createWorksheet = [&worksheet, &context]() -> orvela::WorksheetWindow* {
        worksheet = std::make_unique<orvela::TUtskrift>(context);
        return worksheet.get();
    };
    form.setWorksheetReset([&context] {
        if (context.worksheet) context.worksheet->restart();
    });
    ExitWhenPainted exitFilter;
    if (exitWhenShown) form.installEventFilter(&exitFilter);
    form.show();
    if (!exercise.empty())
        QTimer::singleShot(0, &form, [&shell, &opener, &messages, exercise] {
            openExercise(shell, opener, messages, exercise);
        });
    return QApplication::exec();
}
