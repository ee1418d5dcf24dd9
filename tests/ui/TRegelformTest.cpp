// The rules window: page count, paging with keys and arrows, closing, the missing-file message,
// drawing broken files, and the sample course's pages fitting the screen.

#include "TRegelform.h"

#include "Fakes.h"
#include "UiHelpers.h"

#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct RegelformTest : ::testing::Test {
    ShellFixture f;
    FakeOpener opener;
    AppContext context{&f.shell, &opener, nullptr, nullptr, nullptr};

    // Pages 1..n of a rule number, each only its title (a short file is shown as far as it goes).
    void writePages(int number, int n, const std::string& title) {
        for (int p = 1; p <= n; ++p)
            f.content.write("DATA/" + ruleFileName(number, p), {title + " " + std::to_string(p)});
    }
    std::unique_ptr<TRegelform> open(int number, QSize screen = QSize(1024, 768)) {
        auto w = std::make_unique<TRegelform>(context, number, screen);
        w->show();
        return w;
    }
    static std::string title(const TRegelform& w) { return w.rulePage().leftTitle.toUtf8(); }
    static QImage picture(TRegelform& w) { return child<QLabel>(w, "Image1")->pixmap().toImage(); }
};

const std::string kMissing = " finns inte eller är felaktig";

} // namespace

TEST_F(RegelformTest, PagingByKeysAndArrowsStopsAtTheFirstAndTheLastPage) {
    writePages(51400, 3, "Genus");
    auto w = open(51400);
    auto* previous = child<QToolButton>(*w, "SpeedButton1");
    auto* next = child<QToolButton>(*w, "SpeedButton2");
    EXPECT_EQ(w->pageCount(), 3);
    EXPECT_EQ(title(*w), "Genus 1");
    // Keys come through the window system as a pupil types them: no button takes them first.
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Space, Qt::Key_A, Qt::Key_Down, Qt::Key_Right})
        QTest::keyClick(w->windowHandle(), k);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(title(*w), "Genus 1") << "other keys do nothing";
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w->windowHandle(), Qt::Key_PageDown);
    EXPECT_EQ(title(*w), "Genus 3");
    EXPECT_EQ(text(*w, "PageLabel"), "Sida 3 av 3");
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(title(*w), "Genus 2");
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(w->currentPage(), 1);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(title(*w), "Genus 2");
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(RegelformTest, ASinglePageHasNoArrowsAndEscapeOrAvbrytaClose) {
    writePages(55180, 1, "Det");
    auto w = open(55180);
    EXPECT_EQ(w->pageCount(), 1);
    EXPECT_FALSE(child(*w, "SpeedButton1")->isEnabled() || child(*w, "SpeedButton2")->isEnabled());
    EXPECT_FALSE(visible(*w, "PageLabel"));
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->currentPage(), 1);
    QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    w = open(55180);
    QTest::mouseClick(child<QPushButton>(*w, "BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(f.messages.shown.empty());
}

// A missing page of a rule is left out: the pages that exist are shown, numbered among
// themselves, and the pupil is not troubled with the gap.
TEST_F(RegelformTest, AMissingMiddlePageLeavesTheOthersNumberedAmongThemselves) {
    writePages(51110, 5, "Regel"); // the course table gives 51110 five pages
    std::filesystem::remove(f.content.root() / "DATA" / ruleFileName(51110, 2));
    std::filesystem::remove(f.content.root() / "DATA" / ruleFileName(51110, 4));
    auto w = open(51110);
    EXPECT_EQ(w->pageCount(), 3);
    EXPECT_EQ(title(*w), "Regel 1");
    EXPECT_EQ(text(*w, "PageLabel"), "Sida 1 av 3");
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(title(*w), "Regel 3");
    EXPECT_EQ(text(*w, "PageLabel"), "Sida 2 av 3");
    QTest::mouseClick(child<QToolButton>(*w, "SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(title(*w), "Regel 5");
    EXPECT_EQ(text(*w, "PageLabel"), "Sida 3 av 3");
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(title(*w), "Regel 5") << "the last page stays";
    QTest::keyClick(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(title(*w), "Regel 3");
    EXPECT_TRUE(f.messages.shown.empty());

    // A rule the table does not know: its pages are found past a gap too.
    writePages(70002, 3, "Egen");
    std::filesystem::remove(f.content.root() / "DATA" / ruleFileName(70002, 1));
    w = open(70002);
    EXPECT_EQ(w->pageCount(), 2);
    EXPECT_EQ(title(*w), "Egen 2");
    EXPECT_EQ(text(*w, "PageLabel"), "Sida 1 av 2");
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(RegelformTest, AMissingFirstPageIsReportedOnceWhenTheWindowOpens) {
    for (int number : {51400, 70001}) { // in the course table, and a number without rules
        f.messages.shown.clear();
        auto w = open(number);
        EXPECT_EQ(f.messages.shown,
                  std::vector<std::string>{"Filen R" + std::to_string(number) + ".R01" + kMissing});
        EXPECT_TRUE(w->isVisible()) << "the window stays open";
        EXPECT_FALSE(w->grab().isNull());
    }
    auto w = open(70001);
    EXPECT_EQ(w->pageCount(), 0);
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    QTest::keyClick(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(f.messages.shown.size(), 2u) << "reported once per opening";
}

TEST_F(RegelformTest, BrokenFilesAreDrawnWithoutTrouble) {
    f.content.write("DATA/R51110.R01", {"Avkortad", "fil", "N", "Regel 1", "40"});
    std::string garbage;
    for (int i = 0; i < 20'000; ++i)
        garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
    f.content.writeRaw("DATA/R51110.R02", garbage);
    using namespace std::string_literals;
    f.content.writeRaw("DATA/R51110.R03", "Nul\0titel\r\nx\r\nN\r\n%\r\n-5\r\nS\r\n"s);
    f.content.writeRaw("DATA/R51110.R04",
                       std::string(300'000, '%') + "\r\n" + std::string(300'000, '9'));
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
    std::vector<std::string> lines = {
        "Plural", "sida 1", "N", "1.", "40", "N", "le livre - les livres", "80", "S"};
    for (int i = 3; i <= kRuleCells; ++i)
        lines.insert(lines.end(), {"", "0", "N"});
    lines.push_back("S"); // row 1 framed
    f.content.write("DATA/R51310.R01", lines);
    auto w = open(51310);
    const RuleLayout layout = w->pageLayout();
    ASSERT_EQ(layout.frames.size(), 1u);
    const QImage img = picture(*w);
    auto bluePixels = [&](const QRect& r) {
        int n = 0;
        for (int y = std::max(0, r.top()); y <= std::min(img.height() - 1, r.bottom()); ++y)
            for (int x = std::max(0, r.left()); x <= std::min(img.width() - 1, r.right()); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.blue() > 200 && c.red() < 80 && c.green() < 80;
            }
        return n;
    };
    const RuleLayout::Frame& fr = layout.frames[0];
    EXPECT_GT(bluePixels(QRect(fr.left - 1, fr.top, 3, fr.bottom - fr.top)), 10)
        << "the frame is blue";
    auto french = std::find_if(layout.texts.begin(), layout.texts.end(), [](const auto& t) {
        return t.text.toUtf8() == "le livre - les livres";
    });
    ASSERT_NE(french, layout.texts.end());
    EXPECT_TRUE(french->blue);
    EXPECT_GT(bluePixels(QRect(french->x, french->y, french->width, 30)), 50);
    EXPECT_EQ(bluePixels(QRect(0, 0, img.width(), fr.top - 2)), 0) << "titles are black";
}

// The course's pages fit on the screen: nothing runs off the right edge or under the buttons,
// and no two texts of a row overlap.
TEST_F(RegelformTest, TheSampleCoursePagesFitTheScreen) {
    f.shell.paths() = ContentPaths(std::filesystem::path(ORVELA_SOURCE_DIR) / "content");
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
