#pragma once
// A prepared content tree and application context for the diagnosis windows: the eighteen
// diagnosis tests and follow-up exercises, a diagnosis directory, stored pupils, and an opener
// that records the state in which each window would open.

#include "AppContext.h"
#include "DiagnosisFile.h"
#include "FakePrinting.h"
#include "Fakes.h"
#include "QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace orvela::testing {

inline AnsiText A(const std::string& utf8) {
    return AnsiText::fromUtf8(utf8);
}

inline DiagnosisRecord pupil(const std::string& name, const std::string& password = "",
                             std::int32_t result1 = 0) {
    DiagnosisRecord r;
    r.name = A(name);
    r.password = A(password);
    r.result[1] = result1;
    r.status.fill(0);
    r.status[2] = r.status[3] = r.status[4] = 1;
    return r;
}

// What a window saw of the shared state when it was opened.
struct OpenedWindow {
    WindowRequest request;
    std::string dataFile;
    Mode mode = Mode::Practice;
    int programme = 0;
    int returnMarker = -1;
    bool protocolEnabled = true;
    std::string pupilName;
};

class RecordingOpener : public WindowOpener {
public:
    explicit RecordingOpener(SharedState& s) : s_(s) {}
    std::vector<OpenedWindow> opened;
    // The protocol window, whose enabled state is recorded.
    QWidget* protocol = nullptr;
    // What the opened window does before it closes (an exercise storing its result ...).
    std::function<void(const WindowRequest&)> during;

    bool open(const WindowRequest& r) override {
        opened.push_back(OpenedWindow{r, s_.CurrentDataFile.toUtf8(), s_.ExerciseMode,
                                      s_.CurrentProgramme, s_.DiagnosisReturnMarker,
                                      protocol ? protocol->isEnabled() : true,
                                      s_.CurrentPupil.name.toUtf8()});
        if (during) during(r);
        return true;
    }

private:
    SharedState& s_;
};

struct DiagnosisFixture : ::testing::Test {
    ShellFixture f;
    RecordingOpener opener{f.s};
    FakePrinting printer;
    AppContext context;
    fs::path dir;

    DiagnosisFixture() {
        context.shell = &f.shell;
        context.opener = &opener;
        context.printing = &printer;
        dir = f.content.root() / "RESULTAT";
        fs::create_directories(dir);
        f.s.ExerciseMode = Mode::DiagnosisTest;
    }

    void writePupils(const std::vector<DiagnosisRecord>& records) {
        f.content.writeRaw("RESULTAT/FDIAG.DIA", DiagnosisFile::encodeAll(records));
    }
    std::vector<DiagnosisRecord> stored() const { return DiagnosisFile(dir).read().records; }
    std::vector<std::string> storedNames() const {
        std::vector<std::string> out;
        for (const DiagnosisRecord& r : stored())
            out.push_back(r.name.toUtf8());
        return out;
    }
    bool fileExists(const std::string& name) const { return fs::exists(dir / name); }

    // The diagnosis tests and follow-up exercises of programmes 1 to 18.
    void writeDiagnosisFiles() {
        for (int n = 1; n <= 18; ++n) {
            const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
            std::vector<std::string> lines = {"$Diagnos " + nn};
            for (int i = 1; i <= 25; ++i)
                lines.push_back("ord" + std::to_string(i) + "#mot" + std::to_string(i));
            f.content.write("DATA/FRDI" + nn + ".DAT", lines);
            f.content.write("DATA/FROVN1" + nn + ".DAT", lines);
        }
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
    }

    template <class T = QWidget> static T* child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static bool visible(QWidget& w, const char* name) {
        QWidget* c = child(w, name);
        return c && c->isVisible();
    }
    static std::string text(QWidget& w, const char* name) {
        auto* l = child<QLabel>(w, name);
        return l ? l->text().toStdString() : std::string();
    }
    // Types a text key by key (letters outside ASCII as the keyboard sends them).
    static void typeText(QWidget* field, const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(field, static_cast<char>(c.unicode()));
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
            QApplication::sendEvent(field, &release);
        }
    }
    // Types into a field and presses Enter.
    static void typeAndEnter(QWidget* field, const QString& text) {
        ASSERT_NE(field, nullptr);
        typeText(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // With ORVELA_SHOT_DIR set, saves a picture of the window there (for looking at it).
    static void shot(QWidget& w, const std::string& name) {
        QByteArray shotDir = qgetenv("ORVELA_SHOT_DIR");
        if (shotDir.isEmpty()) return;
        w.grab().save(QString::fromUtf8(shotDir) + QLatin1Char('/') + QString::fromStdString(name) +
                      QStringLiteral(".png"));
    }
    // Runs `step` on the modal window that the next exec() shows.
    static void onNextModal(std::function<void(QWidget*)> step) {
        QTimer::singleShot(0, [step] {
            QWidget* modal = QApplication::activeModalWidget();
            step(modal);
        });
    }
};

} // namespace orvela::testing
