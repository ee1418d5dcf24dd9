#pragma once
// A prepared content tree and application context for driving exercise windows offscreen.

#include "AppContext.h"
#include "Fakes.h"
#include "ProtocolLink.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace orvela::testing {

class FakeProtocol : public ProtocolLink {
public:
    int enabled = 0;
    std::vector<std::pair<int, QString>> cells;
    int infoHidden = 0;
    void setProtocolEnabled(bool on) override { enabled += on ? 1 : 0; }
    void setStatusCell(int programme, const QString& text) override { cells.emplace_back(programme, text); }
    void hideInfoPanel() override { ++infoHidden; }
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
    // Writes the praise files, a data file and opens it as a menu entry would.
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
    template <class T = QWidget>
    static T* child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // With ORVELA_SHOT_DIR set, saves a picture of the window there (for looking at it).
    static void shot(QWidget& w, const std::string& name) {
        QByteArray dir = qgetenv("ORVELA_SHOT_DIR");
        if (dir.isEmpty()) return;
        w.grab().save(QString::fromUtf8(dir) + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png"));
    }
    static bool visible(QWidget& w, const char* name) {
        QWidget* c = child(w, name);
        return c && c->isVisible();
    }
};

} // namespace orvela::testing
