// Picture questions: the body picture, typed answers, the three-line question, the counts when
// continuing, the run length, and a missing picture.

#include "TBilden.h"

#include "ExerciseFixture.h"

#include <QImage>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct TbildenTest : ExerciseFixture {
    std::unique_ptr<TBilden> window;

    void open(const std::string& name, const std::vector<std::string>& lines) {
        prepare(name, lines);
        window = std::make_unique<TBilden>(context);
        window->show();
    }
    QLineEdit* edit() { return child<QLineEdit>(*window, "Edit1"); }
    void answer(const std::string& typed) {
        edit()->setText(QString::fromStdString(typed));
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    std::string expected() { return f.s.ItemFields[2].toUtf8(); }
    void writePicture(const std::string& relative, QSize size) {
        f.content.writeRaw(relative, "");
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(QString::fromStdString((f.content.root() / relative).string()), "BMP"));
    }
};

std::vector<std::string> bodyFile(int items) {
    std::vector<std::string> lines{"$Människan", "$Kroppen", "$§Skriv på franska."};
    for (int i = 1; i <= items; ++i)
        lines.push_back("Vad heter nummer " + std::to_string(i) + " på franska?#la partie " +
                        std::to_string(i) + "#&partie " + std::to_string(i));
    return lines;
}

} // namespace

TEST_F(TbildenTest, ARunOfTypedAnswersBesideTheUnchangingPicture) {
    writePicture("BILD/KROPP/KROPPEN.BMP", QSize(480, 600));
    open("FRA21301.DAT", bodyFile(12));
    ASSERT_TRUE(visible(*window, "Image1"));
    const QRect picture = child(*window, "Image1")->geometry();
    EXPECT_LT(picture.right(), child(*window, "Edit1")->x()) << "the questions stand right of it";
    shot(*window, "tbilden-item");
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(visible(*window, "FrageLabel2"));
        EXPECT_EQ(child(*window, "Image1")->geometry(), picture);
        if (i == 3 || i == 9) {
            const std::string right = expected();
            answer("le pied");
            EXPECT_TRUE(visible(*window, "SvarsLabel"));
            EXPECT_EQ(text(*window, "SvarsLabel"), right);
            EXPECT_FALSE(edit()->isEnabled());
            if (i == 3) shot(*window, "tbilden-wrong");
            endWait(*window);
        } else {
            answer(i % 2 ? expected() : "Partie " + std::to_string(f.s.CurrentItem) + ".");
        }
    }
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 8);
    EXPECT_TRUE(visible(*window, "Bildpanelen"));
    EXPECT_FALSE(visible(*window, "SvarsLabel"));
    EXPECT_FALSE(visible(*window, "RewardPicture")) << "no reward picture";
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    EXPECT_EQ(f.s.PictureCursor, 1) << "no reward picture drawn from the order";
    shot(*window, "tbilden-end");

    // Continuing keeps the wrong answers counted and starts the right ones afresh.
    window->Button2Click();
    EXPECT_EQ(f.s.WrongCount, 2);
    EXPECT_EQ(f.s.RightCount, 0);
    EXPECT_FALSE(visible(*window, "Bildpanelen"));
    EXPECT_EQ(window->focusWidget(), edit());
    // The correction run asks the two mistakes.
    answer(expected());
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Paused);
    window->Button1Click();
    EXPECT_EQ(f.s.RunLength, 2);
}

TEST_F(TbildenTest, AThreeLineQuestionShowsItsSecondAndThirdLinesTogether) {
    const std::string longQuestion =
        "Titta noga på bilden av kroppen och tänk efter en stund innan du svarar: vad heter den del "
        "som har nummer sju på franska, med sin bestämda artikel framför?";
    open("FRA21301.DAT", {"$Människan", "$Kroppen", "$§Skriv.", longQuestion + "#la main"});
    EXPECT_EQ(f.s.RunLength, 1) << "a file of one item gives a run of one";
    ASSERT_FALSE(f.s.SplitLines[3].empty()) << "the question needs three lines";
    EXPECT_TRUE(visible(*window, "FrageLabel1"));
    EXPECT_EQ(text(*window, "FrageLabel1"), f.s.SplitLines[1].toUtf8());
    EXPECT_EQ(text(*window, "FrageLabel2"),
              f.s.SplitLines[2].toUtf8() + " " + f.s.SplitLines[3].toUtf8());
    answer("la main");
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
}

TEST_F(TbildenTest, AMissingOrBrokenPictureIsLeftOutAndTheRunGoesOn) {
    f.content.writeRaw("BILD/KROPP/HUVUDET.BMP", "BM broken");
    for (const char* file : {"FRA21302.DAT", "FRA21303.DAT"}) {
        open(file, bodyFile(3));
        EXPECT_FALSE(visible(*window, "Image1")) << file;
        EXPECT_EQ(f.s.RunLength, 3);
        for (int i = 0; i < 3; ++i) answer(expected());
        EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
        EXPECT_TRUE(f.messages.shown.empty());
    }
}
