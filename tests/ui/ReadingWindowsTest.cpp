// The reveal-the-story and reading-speed windows driven as a pupil would: choosing a text,
// dropping and guessing words with the counters and the end, the speed bar and the rubbing out.

#include "ReadingPaintBox.h"
#include "TSpeed.h"
#include "Tavsloj.h"

#include "ExerciseFixture.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct TavslojTest : ExerciseFixture {
    std::unique_ptr<Tavsloj> window;

    void open(const std::vector<std::string>& lines) {
        prepare("FRA43000.DAT", lines);
        window = std::make_unique<Tavsloj>(context);
        window->show();
    }
    QListWidget* list(const char* name) { return child<QListWidget>(*window, name); }
    void start(int text, bool guessing) {
        child<QRadioButton>(*window, guessing ? "RadioButton2" : "RadioButton1")->setChecked(true);
        list("ListBox2")->setCurrentRow(text - 1);
        window->ListBox2DblClick();
    }
    std::string slot(int t) { return text(*window, ("Label" + std::to_string(t)).c_str()); }
    // Drops a word on a slot label the way a drag from the word list ends.
    void drop(int t, const QString& word) {
        QWidget* target = child(*window, ("Label" + std::to_string(t)).c_str());
        QMimeData mime;
        mime.setText(word);
        QDragEnterEvent enter(QPoint(2, 2), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent e(QPointF(2, 2), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    void guess(const QString& word) {
        auto* edit = child<QLineEdit>(*window, "Edit1");
        edit->setText(word);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

const std::vector<std::string> kStories{
    "#",
    "<Léa> Salut, Hugo! Tu vas bien?",
    "<Hugo> Oui, merci. Et toi?",
    "#",
    "Il pleut, il pleut, il pleut.",
};

} // namespace

TEST_F(TavslojTest, DroppingWordsRevealsThemAndTheLastOneEndsTheText) {
    open(kStories);
    EXPECT_TRUE(visible(*window, "Panel4"));
    EXPECT_EQ(list("ListBox2")->count(), 2);
    start(1, false);
    EXPECT_FALSE(visible(*window, "Panel4"));
    EXPECT_TRUE(visible(*window, "ListBox1"));
    EXPECT_FALSE(visible(*window, "Panel7"));
    EXPECT_EQ(text(*window, "namn1"), "Léa:");
    EXPECT_EQ(slot(1), "*****,");
    EXPECT_EQ(slot(4), "***");
    EXPECT_EQ(slot(8), "***,");
    EXPECT_FALSE(visible(*window, "Label6"));
    EXPECT_EQ(list("ListBox1")->count(), 9);
    EXPECT_EQ(list("ListBox1")->item(0)->text().toStdString(), "bien") << "sorted";
    EXPECT_EQ(list("ListBox1")->item(1)->text().toStdString(), "Et");
    shot(*window, "tavsloj-drag");

    drop(2, QStringLiteral("Salut"));
    EXPECT_EQ(text(*window, "Panel8"), "1");
    EXPECT_EQ(text(*window, "Panel5"), "0 %");
    EXPECT_EQ(slot(2), "****!");
    drop(1, QStringLiteral("Salut"));
    EXPECT_EQ(slot(1), "Salut,");
    EXPECT_EQ(text(*window, "Panel5"), "50 %");
    EXPECT_EQ(text(*window, "Panel6"), "11 %");
    EXPECT_EQ(list("ListBox1")->count(), 8);
    drop(1, QStringLiteral("Salut"));
    EXPECT_EQ(text(*window, "Panel8"), "2") << "a revealed place takes no drop";

    for (auto [t, w] : std::vector<std::pair<int, const char*>>{
             {2, "Hugo"}, {3, "Tu"}, {4, "vas"}, {5, "bien"}, {8, "Oui"}, {9, "merci"}, {10, "Et"}}) {
        drop(t, QString::fromUtf8(w));
        EXPECT_TRUE(f.messages.shown.empty());
    }
    EXPECT_EQ(text(*window, "Panel6"), "89 %");
    drop(11, QStringLiteral("toi"));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Félicitations! Ça y est!");
    EXPECT_TRUE(visible(*window, "Panel4")) << "back at the choice of texts";
    EXPECT_EQ(text(*window, "Panel8"), "0");
}

TEST_F(TavslojTest, GuessingRevealsEveryOccurrenceAndShowingTheTextCountsNothing) {
    open(kStories);
    start(2, true);
    EXPECT_TRUE(visible(*window, "Panel7"));
    EXPECT_FALSE(visible(*window, "ListBox1"));
    guess(QStringLiteral("pleut"));
    EXPECT_EQ(slot(2), "pleut,");
    EXPECT_EQ(slot(4), "pleut,");
    EXPECT_EQ(slot(6), "pleut.");
    shot(*window, "tavsloj-guess");
    EXPECT_EQ(text(*window, "Panel8"), "3");
    EXPECT_EQ(text(*window, "Panel5"), "100 %");
    guess(QStringLiteral("Pleut"));
    EXPECT_EQ(text(*window, "Panel8"), "4");
    EXPECT_EQ(text(*window, "Panel5"), "75 %");
    EXPECT_TRUE(child<QLineEdit>(*window, "Edit1")->text().isEmpty());

    auto* show = child<QPushButton>(*window, "Button1");
    show->click();
    EXPECT_EQ(show->text().toStdString(), "&Cachez le récit");
    EXPECT_EQ(slot(1), "Il");
    EXPECT_FALSE(child<QLineEdit>(*window, "Edit1")->isEnabled());
    show->click();
    EXPECT_EQ(slot(1), "**");
    EXPECT_EQ(slot(2), "pleut,");
    EXPECT_EQ(text(*window, "Panel8"), "4");

    guess(QStringLiteral("Il"));
    guess(QStringLiteral("il"));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Félicitations! Ça y est!");

    start(2, true);
    QTest::keyClick(child<QLineEdit>(*window, "Edit1"), Qt::Key_Escape);
    EXPECT_TRUE(visible(*window, "Panel4")) << "Esc goes back to the choice";
}

TEST_F(TavslojTest, BadFilesGiveAClearMessage) {
    std::vector<std::string> lines{"#", std::string(2000, 'x'), "#"};
    for (int n = 0; n < 40; ++n) lines.push_back("un deux trois quatre cinq six sept huit");
    lines.push_back("#");
    open(lines);
    start(1, true);
    EXPECT_EQ(slot(1), std::string(30, '*'));
    start(2, false);
    EXPECT_EQ(slot(49), "****");
    QTest::keyClick(window.get(), Qt::Key_Escape);
    start(3, false);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("inga ord"), std::string::npos);
    EXPECT_TRUE(visible(*window, "Panel4"));

    std::filesystem::remove(f.content.root() / "DATA" / "FRA43000.DAT");
    f.messages.shown.clear();
    Tavsloj empty(context);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("FRA43000.DAT finns inte eller är felaktig"), std::string::npos);
    auto* texts = child<QListWidget>(empty, "ListBox2");
    EXPECT_EQ(texts->count(), 0);
    empty.ListBox2DblClick(); // nothing to start
    EXPECT_TRUE(child(empty, "Panel4")->isVisibleTo(&empty));
}

namespace {

struct TSpeedTest : ExerciseFixture {
    std::unique_ptr<TSpeed> window;

    void open(const std::vector<std::string>& lines) {
        prepare("FRA41000.DAT", lines);
        window = std::make_unique<TSpeed>(context);
        window->show();
    }
    void choose(int n) {
        child<QListWidget>(*window, "ListBox1")->setCurrentRow(n - 1);
        window->ListBox1DblClick();
    }
    QTimer* timer(const char* name) { return child<QTimer>(*window, name); }
};

} // namespace

TEST_F(TSpeedTest, AReadingAtTheSetPaceAndTheClosingMessage) {
    std::vector<std::string> lines{"#"};
    for (int n = 0; n < 6; ++n) lines.push_back("un deux trois quatre cinq six sept huit neuf dix");
    lines.push_back("");
    lines.push_back("  #");
    lines.push_back("Bonjour tout le monde.");
    open(lines);
    EXPECT_EQ(text(*window, "Label11"), "120 ord / min");
    shot(*window, "tspeed-choice");
    auto* start = child<QPushButton>(*window, "Button1");
    EXPECT_FALSE(start->isEnabled());
    choose(1);
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_TRUE(start->isEnabled());
    EXPECT_EQ(text(*window, "Label8"), "60 ord");
    EXPECT_EQ(text(*window, "Label10"), "3,9 bokstäver per ord");
    start->click();
    EXPECT_TRUE(timer("Timer1")->isActive());
    EXPECT_EQ(timer("Timer1")->interval(), 500);
    EXPECT_FALSE(start->isEnabled());

    auto* bar = child<QScrollBar>(*window, "ScrollBar1");
    bar->setValue(900);
    EXPECT_EQ(text(*window, "Label11"), "600 ord / min");
    EXPECT_EQ(timer("Timer1")->interval(), 100) << "the pace changes at once";
    bar->setValue(500);

    window->Timer1Timer();
    EXPECT_EQ(text(*window, "Label1"), "un ");
    EXPECT_EQ(window->text().rubbed(), 1);
    for (int s = 0; s < 30; ++s) window->Timer2Timer();
    for (int k = 1; k < 59; ++k) window->Timer1Timer();
    EXPECT_TRUE(f.messages.shown.empty());
    window->Timer1Timer();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Övningen är nu avslutad. Den tog 30 sekunder och din "
                                   "läshastighet var 120 ord per minut.");
    EXPECT_FALSE(timer("Timer1")->isActive());
    EXPECT_FALSE(timer("Timer2")->isActive());
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_EQ(window->Seconds, 0);

    choose(2);
    EXPECT_EQ(window->text().rubbed(), 0);
    EXPECT_EQ(text(*window, "Label8"), "4 ord");
    start->click();
    for (int k = 0; k < 4; ++k) window->Timer1Timer();
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_NE(f.messages.shown[1].find("Den tog 0 sekunder och din läshastighet var 240 ord"),
              std::string::npos);
}

TEST_F(TSpeedTest, TheTextIsDrawnWordByWordInThePaintHandler) {
    open({"#", "Le chat dort.", "", "Il rêve."});
    choose(1);
    auto* box = window->findChild<ReadingPaintBox*>(QStringLiteral("PaintBox1"));
    ASSERT_NE(box, nullptr);
    const auto& words = window->text().words();
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(box->wordPosition(words[0]), QPoint(10, 10));
    EXPECT_GT(box->wordPosition(words[1]).x(), 10);
    EXPECT_EQ(box->wordPosition(words[3]).y(), 10 + 2 * box->lineStep());
    auto inked = [&] {
        const QImage img = box->grab().toImage();
        int dark = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) dark += qGray(img.pixel(x, y)) < 80;
        return dark;
    };
    const int full = inked();
    EXPECT_GT(full, 0);
    child<QPushButton>(*window, "Button1")->click();
    window->Timer1Timer();
    window->Timer1Timer();
    shot(*window, "tspeed-reading");
    const int less = inked();
    EXPECT_LT(less, full);
    EXPECT_EQ(inked(), less) << "a repaint keeps what is left";
    child<QPushButton>(*window, "Button2")->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TSpeedTest, EmptyFilesAndTextsWithoutWords) {
    open({"#", "", "  ", "#", "Un deux trois."});
    EXPECT_TRUE(f.messages.shown.empty());
    choose(1);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("inga ord"), std::string::npos);
    EXPECT_FALSE(child<QPushButton>(*window, "Button1")->isEnabled()) << "nothing to start";
    EXPECT_EQ(text(*window, "Label10"), "0,0 bokstäver per ord");

    f.content.writeRaw("DATA/FRA41000.DAT", "");
    f.messages.shown.clear();
    TSpeed empty(context);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("FRA41000.DAT finns inte eller är felaktig"), std::string::npos);
    EXPECT_EQ(child<QListWidget>(empty, "ListBox1")->count(), 0);
    empty.ListBox1DblClick();
    empty.Button1Click();
    EXPECT_FALSE(child<QTimer>(empty, "Timer1")->isActive());
}
