// Start-up: find the content, read the path file, build the data-file and praise-file tables and
// the run-wide random order, then show the main window and run until it closes.

#include "AppWindowOpener.h"
#include "Catalogue.h"
#include "CommandLine.h"
#include "DeviceProxies.h"
#include "QtServices.h"
#include "Shell.h"
#include "TForm1.h"
#include "TUtskrift.h"
#include "Window.h"
#include "WindowFactories.h"
#include "WritePlaces.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#ifndef ORVELA_COURSE_FROM_BINDIR
#define ORVELA_COURSE_FROM_BINDIR "../share/orvela"
#endif
#include <cstdio>

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
    // The command line is read before the application exists: help, version and a mistyped
    // option need no display.
    const orvela::CommandLine options = orvela::CommandLine::parse(argc, argv);
    switch (options.outcome()) {
    case orvela::CommandLine::Outcome::Help:
        std::fputs(orvela::CommandLine::usage().c_str(), stdout);
        return 0;
    case orvela::CommandLine::Outcome::Version:
        std::fputs(orvela::CommandLine::version().c_str(), stdout);
        return 0;
    case orvela::CommandLine::Outcome::Error:
        std::fprintf(stderr, "orvela: %s\n%s", options.error().c_str(),
                     orvela::CommandLine::usage().c_str());
        return 2;
    case orvela::CommandLine::Outcome::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvela"));
    // Qt's own dialogs (printing, files) speak Swedish like the rest of the program, whatever
    // the locale, where Qt's translations are installed.
    // Qt 6.4 ships Swedish only in its combined catalogue "qt_sv"; later ones may split it.
    QTranslator qtTexts;
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    if (qtTexts.load(swedish, QStringLiteral("qtbase"), QStringLiteral("_"), translations) ||
        qtTexts.load(swedish, QStringLiteral("qt"), QStringLiteral("_"), translations))
        QApplication::installTranslator(&qtTexts);

    orvela::fs::path contentRoot = options.contentRoot;
    const bool exitWhenShown = options.exitWhenShown;
    const std::string exercise = options.exercise; // open that exercise at once
    // Without --content-root: the directory above the program's own when it holds a course (the
    // build tree, a course copied to a school folder), otherwise the installed course.
    bool installedCourse = false;
    if (contentRoot.empty()) {
        const orvela::fs::path program = QCoreApplication::applicationFilePath().toStdString();
        contentRoot = orvela::ContentPaths::rootOfProgram(program);
        const orvela::fs::path installed =
            (program.parent_path() / ORVELA_COURSE_FROM_BINDIR).lexically_normal();
        if (!orvela::ContentPaths(contentRoot).exists("DATA") &&
            orvela::ContentPaths(installed).exists("DATA")) {
            contentRoot = installed;
            installedCourse = true;
        }
    }

    orvela::QtMessages messages;
    orvela::SystemClock clock;
    orvela::QtTextMeasure measure;
    orvela::LazySound sound(&messages);
    orvela::ShellServices services{&messages, &clock, &measure, &sound};
    orvela::Shell shell(orvela::ContentPaths(contentRoot), services);

    // The installed course belongs to the package manager: settings and results go to the
    // user's own directories even for a user who could write there.
    if (installedCourse)
        shell.places() = orvela::WritePlaces(shell.paths(),
                                             orvela::WritePlaces::UserBase::fromEnvironment(),
                                             orvela::WritePlaces::nothingWritable());
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
    const QSize screen = orvela::Window::screenSize();
    orvela::TForm1 form(shell, opener, screen);
    opener.setBeforeFirstWindow([&form] { form.measureLayoutUnit(); });
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
