// The rules window: page count, paging with keys and arrows, closing, the missing-file message,
// drawing broken files, and the sample course's pages fitting the screen.

#include "Fakes.h"
#include "TRegelform.h"

#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct RegelformTest : ::testing::Test {
    ShellFixture f;
    FakeOpener opener;
    AppContext context{&f.shell, &opener, nullptr, nullptr, nullptr};

    // Writes a rule page: `cells` maps cell numbers to (text, x, blue); `frames` lists the rows
    // whose first cell is framed.
    void writePage(int number, int page, const std::string& title,
                   const std::map<int, std::tuple<std::string, int, bool>>& cells = {},
                   std::vector<int> frames = {}) {
        std::vector<std::string> lines = {title, "sida " + std::to_string(page), "N"};
        for (int i = 1; i <= kRuleCells; ++i) {
            auto it = cells.find(i);
            lines.push_back(it == cells.end() ? "" : std::get<0>(it->second));
            lines.push_back(it == cells.end() ? "0" : std::to_string(std::get<1>(it->second)));
            lines.push_back(it != cells.end() && std::get<2>(it->second) ? "S" : "N");
        }
        for (int r = 1; r <= kRuleRows; ++r)
            lines.push_back(std::find(frames.begin(), frames.end(), r) != frames.end() ? "S" : "N");
        for (int i = 0; i < kRuleSpareNumbers; ++i) lines.push_back("0");
        f.content.write("DATA/" + ruleFileName(number, page), lines);
    }
    std::unique_ptr<TRegelform> open(int number, QSize screen = QSize(1024, 768)) {
        auto w = std::make_unique<TRegelform>(context, number, screen);
        w->show();
        return w;
    }
    template <class T = QWidget>
    T* child(QWidget& w, const char* name) {
        return w.findChild<T*>(QString::fromLatin1(name));
    }
    static std::string title(const TRegelform& w) { return w.rulePage().leftTitle.toUtf8(); }
};

// Pixels of a colour close to pure blue inside a rectangle of an image.
int bluePixels(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = std::max(0, r.top()); y <= std::min(img.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(img.width() - 1, r.right()); ++x) {
            QColor c = img.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 80 && c.green() < 80) ++n;
        }
    return n;
}

} // namespace

TEST_F(RegelformTest, PagingStopsAtTheFirstAndTheLastPage) {
    writePage(51500, 1, "Genitiv 1");
    writePage(51500, 2, "Genitiv 2");
    auto w = open(51500);
    EXPECT_EQ(w->pageCount(), 2);
    EXPECT_EQ(w->currentPage(), 1);
    EXPECT_EQ(title(*w), "Genitiv 1");
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->currentPage(), 2);
    EXPECT_EQ(title(*w), "Genitiv 2");
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->currentPage(), 2);
    EXPECT_EQ(child<QLabel>(*w, "PageLabel")->text(), QStringLiteral("Sida 2 av 2"));
    QTest::keyClick(w.get(), Qt::Key_PageUp);
    QTest::keyClick(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(w->currentPage(), 1);
    EXPECT_EQ(title(*w), "Genitiv 1");
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(RegelformTest, TheArrowButtonsTurnThePages) {
    for (int p = 1; p <= 3; ++p) writePage(51400, p, "Genus " + std::to_string(p));
    auto w = open(51400);
    auto* previous = child<QToolButton>(*w, "SpeedButton1");
    auto* next = child<QToolButton>(*w, "SpeedButton2");
    ASSERT_TRUE(previous && next);
    EXPECT_TRUE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(title(*w), "Genus 3");
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(title(*w), "Genus 2");
}

// Keys come through the window system as a pupil types them: no button takes them first.
TEST_F(RegelformTest, KeysFromTheWindowSystemReachTheWindow) {
    writePage(51500, 1, "Genitiv 1");
    writePage(51500, 2, "Genitiv 2");
    auto w = open(51500);
    ASSERT_NE(w->windowHandle(), nullptr);
    QTest::keyClick(w->windowHandle(), Qt::Key_PageDown);
    EXPECT_EQ(title(*w), "Genitiv 2");
    QTest::keyClick(w->windowHandle(), Qt::Key_Space);
    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(w->isVisible()) << "Space and Enter press no button";
    QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(RegelformTest, ASinglePageHasNoArrowsToTurn) {
    writePage(55180, 1, "Det");
    auto w = open(55180);
    EXPECT_EQ(w->pageCount(), 1);
    EXPECT_FALSE(child(*w, "SpeedButton1")->isEnabled());
    EXPECT_FALSE(child(*w, "SpeedButton2")->isEnabled());
    EXPECT_FALSE(child(*w, "PageLabel")->isVisible());
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->currentPage(), 1);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(RegelformTest, EscapeAndAvbrytaClose) {
    writePage(55500, 1, "Qui");
    auto w = open(55500);
    ASSERT_TRUE(w->isVisible());
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);

    auto w2 = open(55500);
    auto* avbryta = child<QPushButton>(*w2, "BitBtn1");
    ASSERT_NE(avbryta, nullptr);
    EXPECT_EQ(avbryta->text(), QStringLiteral("&Avbryta"));
    QTest::mouseClick(avbryta, Qt::LeftButton);
    EXPECT_FALSE(w2->isVisible());
}

TEST_F(RegelformTest, OtherKeysDoNothing) {
    writePage(51500, 1, "Genitiv 1");
    writePage(51500, 2, "Genitiv 2");
    auto w = open(51500);
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Space, Qt::Key_A, Qt::Key_Down, Qt::Key_Right})
        QTest::keyClick(w.get(), k);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->currentPage(), 1);
}

TEST_F(RegelformTest, AMissingPageIsReportedAndThePageOnTheScreenStays) {
    writePage(51120, 1, "au 1");
    writePage(51120, 2, "au 2");
    auto w = open(51120);
    EXPECT_EQ(w->pageCount(), 3);
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    QImage before = child<QLabel>(*w, "Image1")->pixmap().toImage();
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Filen R51120.R03 finns inte eller är felaktig");
    EXPECT_EQ(w->currentPage(), 2);
    EXPECT_EQ(title(*w), "au 2");
    EXPECT_EQ(child<QLabel>(*w, "Image1")->pixmap().toImage(), before);
    QTest::keyClick(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(title(*w), "au 1");
}

TEST_F(RegelformTest, AMissingFirstPageIsReportedWhenTheWindowOpens) {
    auto w = open(51400);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Filen R51400.R01 finns inte eller är felaktig");
    EXPECT_TRUE(w->isVisible()) << "the window stays open";
    EXPECT_FALSE(w->grab().isNull());
}

TEST_F(RegelformTest, RuleFilesAreFoundWithoutRegardToLetterCase) {
    f.content.write("DATA/r51210.r01", {"Partitiv"});
    auto w = open(51210);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(title(*w), "Partitiv");
}

TEST_F(RegelformTest, ANumberOutsideTheTableShowsThePagesThatExist) {
    for (int p = 1; p <= 10; ++p) writePage(70000, p, "Sida " + std::to_string(p));
    auto w = open(70000);
    EXPECT_EQ(w->pageCount(), 10);
    for (int k = 0; k < 8; ++k) QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(title(*w), "Sida 9");  // R70000.R09
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(title(*w), "Sida 10"); // R70000.R10
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(RegelformTest, ANumberWithoutRulesIsReportedOnce) {
    auto w = open(70001);
    EXPECT_EQ(w->pageCount(), 0);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Filen R70001.R01 finns inte eller är felaktig");
    EXPECT_FALSE(child(*w, "SpeedButton2")->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    QTest::keyClick(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(f.messages.shown.size(), 1u);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(RegelformTest, BrokenFilesAreDrawnWithoutTrouble) {
    f.content.write("DATA/R51110.R01", {"Avkortad", "fil", "N", "Regel 1", "40"});
    std::string garbage;
    for (int i = 0; i < 20'000; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
    f.content.writeRaw("DATA/R51110.R02", garbage);
    using namespace std::string_literals;
    f.content.writeRaw("DATA/R51110.R03", "Nul\0titel\r\nx\r\nN\r\n%\r\n-5\r\nS\r\n"s);
    f.content.writeRaw("DATA/R51110.R04", std::string(300'000, '%') + "\r\n" +
                                               std::string(300'000, '9'));
    f.content.writeRaw("DATA/R51110.R05", "%99999999999 x\r\n\r\nN\r\n<%>#\xA4%12%\r\n7\r\nS\r\n");
    auto w = open(51110);
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(w->currentPage(), p);
        EXPECT_FALSE(w->grab().isNull());
        QTest::keyClick(w.get(), Qt::Key_PageDown);
    }
    EXPECT_EQ(w->rulePage().leftTitle.size(), 14u);
    EXPECT_TRUE(f.messages.shown.empty()) << "a readable file is shown as far as it goes";
}

TEST_F(RegelformTest, DrawsBlueTextBlackTextAndFrames) {
    writePage(51310, 1, "Plural",
              {{1, {"1.", 40, false}}, {2, {"le livre - les livres", 80, true}}},
              {1});
    auto w = open(51310);
    const RuleLayout layout = w->pageLayout();
    ASSERT_EQ(layout.frames.size(), 1u);
    QImage img = child<QLabel>(*w, "Image1")->pixmap().toImage();
    const RuleLayout::Frame& fr = layout.frames[0];
    // The frame's left edge is blue; the black "1." inside it is not.
    EXPECT_GT(bluePixels(img, QRect(fr.left - 1, fr.top, 3, fr.bottom - fr.top)), 10);
    const RuleLayout::Text* french = nullptr;
    for (const auto& t : layout.texts)
        if (t.text.toUtf8() == "le livre - les livres") french = &t;
    ASSERT_NE(french, nullptr);
    EXPECT_TRUE(french->blue);
    EXPECT_GT(bluePixels(img, QRect(french->x, french->y, french->width, 30)), 50);
    EXPECT_EQ(bluePixels(img, QRect(0, 0, img.width(), fr.top - 2)), 0) << "titles are black";
}

TEST_F(RegelformTest, LaidOutForTheScreenAsDesigned) {
    writePage(55500, 1, "Qui");
    struct Case {
        QSize screen;
        double scale, draw;
    } cases[] = {{{640, 480}, 1.0, 1.0}, {{1024, 768}, 1.6, 1.6}, {{1920, 1080}, 3.0, 2.25}};
    for (const Case& c : cases) {
        auto w = open(55500, c.screen);
        SCOPED_TRACE(c.screen.width());
        EXPECT_DOUBLE_EQ(w->scaleFactor(), c.scale);
        EXPECT_DOUBLE_EQ(w->drawScale(), c.draw);
        const int u = f.s.LayoutUnit;
        EXPECT_EQ(w->geometry(), QRect(QPoint(0, 0), c.screen));
        EXPECT_EQ(child(*w, "Image1")->geometry(),
                  QRect(u, u, c.screen.width() - 2 * u, c.screen.height() - 2 * u));
        QWidget* avbryta = child(*w, "BitBtn1");
        QWidget* previous = child(*w, "SpeedButton1");
        QWidget* next = child(*w, "SpeedButton2");
        EXPECT_EQ(avbryta->x(), 3 * u);
        EXPECT_EQ(avbryta->y(), c.screen.height() - avbryta->height() - 2 * u);
        EXPECT_EQ(previous->x(), avbryta->width() + 6 * u);
        EXPECT_EQ(next->x(), previous->x() + previous->width());
        EXPECT_EQ(next->y(), avbryta->y());
    }
}

// The course's pages fit on the screen: nothing runs off the right edge or under the buttons,
// the titles do not meet, and no two texts of a row overlap.
TEST_F(RegelformTest, TheSampleCoursePagesFitTheScreen) {
    ContentPaths course(std::filesystem::path(ORVELA_SOURCE_DIR) / "content");
    f.shell.paths() = course;
    const int numbers[] = {31100, 31200, 31300, 51110, 51120, 51210, 51220, 51310, 51320,
                           51400, 51500, 52110, 52120, 52200, 52300, 52400, 53200, 55180,
                           55500, 56130, 56410, 56600, 56700, 56810, 57000, 63110};
    const QString pictures = qEnvironmentVariable("ORVELA_RULE_PICTURES");
    for (QSize screen : {QSize(640, 480), QSize(1024, 768)}) {
        for (int number : numbers) {
            auto w = open(number, screen);
            QWidget* image = child(*w, "Image1");
            const int bottom = child(*w, "BitBtn1")->y() - image->y();
            for (int page = 1; page <= w->pageCount(); ++page) {
                const std::string name = ruleFileName(number, page);
                SCOPED_TRACE(name + " at " + std::to_string(screen.width()));
                ASSERT_EQ(w->currentPage(), page);
                const RuleLayout l = w->pageLayout();
                EXPECT_LE(l.right, image->width() - 4);
                EXPECT_LE(l.bottom, bottom);
                std::vector<RuleLayout::Text> texts = l.texts;
                std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) {
                    return a.y != b.y ? a.y < b.y : a.x < b.x;
                });
                for (std::size_t i = 1; i < texts.size(); ++i) {
                    if (texts[i].y != texts[i - 1].y) continue;
                    EXPECT_LE(texts[i - 1].x + texts[i - 1].width, texts[i].x + 1)
                        << texts[i - 1].text.toUtf8() << " | " << texts[i].text.toUtf8();
                }
                if (!pictures.isEmpty() && screen.width() == 1024)
                    w->grab().save(pictures + QLatin1Char('/') + QString::fromStdString(name) +
                                   QStringLiteral(".png"));
                QTest::keyClick(w.get(), Qt::Key_PageDown);
            }
        }
    }
    EXPECT_TRUE(f.messages.shown.empty()) << f.messages.shown.front();
}
