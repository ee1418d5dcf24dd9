// The main window at several screen sizes: scaling, start pictures, captions, worksheet mode.

#include "Fakes.h"
#include "TForm1.h"
#include "UiHelpers.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct MainWindowFixture : ::testing::Test {
    ShellFixture f;
    FakeOpener opener;

    void SetUp() override {
        f.content.write("DATA/FRA00001.DAT", {"a#b"});
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
    }
    // Pictures of the size letter; small ones of differing widths unless a size is given.
    void writePictures(char size, int missing = 0, QSize pictureSize = {}) {
        std::filesystem::create_directories(f.content.root() / "BILD");
        for (int n = 1; n <= 30; ++n) {
            if (n == missing) continue;
            QImage img = pictureSize.isValid() ? QImage(pictureSize, QImage::Format_RGB32)
                                               : QImage(40 + n, 30, QImage::Format_RGB32);
            img.fill(Qt::darkGreen);
            std::filesystem::path p =
                f.content.root() / Shell::pictureFileName(std::string("FRA") + size, n);
            ASSERT_TRUE(img.save(QString::fromStdString(p.string()), "BMP"));
        }
    }
    QWidget* child(QWidget& w, const char* name) {
        return w.findChild<QWidget*>(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(MainWindowFixture, PictureSizeLetterByScreenWidth) {
    for (auto [width, letter] :
         {std::pair{640, 'L'}, {699, 'L'}, {700, 'M'}, {900, 'M'}, {1024, 'S'}})
        EXPECT_EQ(TForm1::pictureSizeLetter(width), letter) << width;
}

TEST_F(MainWindowFixture, ScreenSizesScaleTheMenuAndPlaceThePictures) {
    struct Case {
        int w, h;
        char letter;
    } cases[] = {{640, 480, 'L'}, {800, 600, 'M'}, {1024, 768, 'S'}, {1920, 1080, 'S'}};
    for (const Case& c : cases) {
        writePictures(c.letter);
        TForm1 form(f.shell, opener, QSize(c.w, c.h));
        form.show();
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        QWidget* menu = child(form, "MenuPanel");
        EXPECT_EQ(menu->x(), (c.w - menu->width()) / 2) << "the menu is centred";
        EXPECT_LE(menu->y() + menu->height(), c.h) << "the menu fits the screen";
        form.measureLayoutUnit();
        EXPECT_GT(f.s.LayoutUnit, 5);
        if (c.w == 1024) {
            EXPECT_GT(f.s.ScalePercent, 100);
        } else if (c.w == 640) {
            EXPECT_LT(f.s.ScalePercent, 100);
        }
        const int leftColumnWidth = child(form, "BildImage11")->width();
        for (const char* name : {"BildImage11", "BildImage12", "BildImage13"}) {
            QWidget* pic = child(form, name);
            EXPECT_TRUE(pic->isVisible()) << name;
            EXPECT_EQ(pic->x() + leftColumnWidth, menu->x()) << "the left column ends at the menu";
        }
        for (const char* name : {"BildImage21", "BildImage22", "BildImage23"})
            EXPECT_EQ(child(form, name)->x(), menu->x() + menu->width()) << name;
        for (int k = 1; k <= 6; ++k)
            EXPECT_GE(f.s.StartPictures[static_cast<std::size_t>(k)], 1);
        f.s.PictureOrderPending = true;
        f.s.PictureCursor = 1;
    }
}

TEST_F(MainWindowFixture, AMissingStartPictureIsHiddenAndPicturesOffShowTheBackground) {
    int first = 0; // the first picture of the order is left out
    for (int v : f.s.RandomOrder)
        if (v <= 30 && first == 0) first = v;
    writePictures('S', first);
    auto form = std::make_unique<TForm1>(f.shell, opener, QSize(1024, 768));
    form->show();
    EXPECT_FALSE(child(*form, "BildImage11")->isVisible());
    EXPECT_TRUE(child(*form, "BildImage12")->isVisible());
    EXPECT_TRUE(child(*form, "BildImage23")->isVisible());

    f.content.write("PROGRAM/FRAN.INI", {"[SETTINGS]", "FRENCHPICTURES=0"});
    form = std::make_unique<TForm1>(f.shell, opener, QSize(1024, 768));
    form->show();
    EXPECT_TRUE(child(*form, "Image1")->isVisible());
    EXPECT_FALSE(child(*form, "BildImage12")->isVisible());
}

TEST_F(MainWindowFixture, WorksheetModeToggledTwiceLeavesEverythingEnabledAndNavy) {
    TForm1 form(f.shell, opener, QSize(1024, 768));
    form.show();
    auto* menu = form.findChild<Panel*>(QStringLiteral("MenuPanel"));
    auto* b7 = form.findChild<QPushButton*>(QStringLiteral("Button7"));
    int resets = 0;
    form.setWorksheetReset([&] { ++resets; });

    b7->click();
    EXPECT_EQ(f.s.ExerciseMode, Mode::Worksheet);
    EXPECT_EQ(b7->text(), QStringLiteral("Avaktivera arbetsblad"));
    EXPECT_EQ(menu->color(), colors::maroon);
    const QStringList off = {"Button1", "Button3", "Button4", "Button6"};
    for (QPushButton* b : form.findChildren<QPushButton*>())
        EXPECT_EQ(b->isEnabled(), !off.contains(b->objectName())) << b->objectName().toStdString();
    EXPECT_TRUE(child(form, "Label2")->isVisible());

    for (int i = 0; i < 3; ++i)
        b7->click();
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
    EXPECT_EQ(menu->color(), colors::navy);
    EXPECT_EQ(b7->text(), QString::fromUtf8("Göra arbetsblad"));
    for (QPushButton* b : form.findChildren<QPushButton*>())
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(child(form, "Label2")->isVisible());
    EXPECT_EQ(resets, 4);
}

TEST_F(MainWindowFixture, MenuButtonsOpenTheirWindowsAndEscapeCloses) {
    TForm1 form(f.shell, opener, QSize(1024, 768));
    form.show();
    form.findChild<QPushButton*>(QStringLiteral("Button5"))->click();
    form.findChild<QPushButton*>(QStringLiteral("Button6"))->click();
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[0].menu, "TF5");
    EXPECT_EQ(opener.opened[1].kind, WindowKind::TDiag);
    EXPECT_EQ(f.s.ExerciseMode, Mode::DiagnosisTest);
    form.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

// On every screen the worksheet notice stands wholly on the screen, clear of the menu, and the
// caption of a start picture fits its picture's width and the screen, and goes when the mouse
// leaves the picture.
TEST_F(MainWindowFixture, TheNoticeAndTheCaptionsFitEveryScreen) {
    for (QSize size : {QSize(640, 480), QSize(1024, 768), QSize(1920, 1080)}) {
        const std::string trace = std::to_string(size.width()) + "x" + std::to_string(size.height());
        SCOPED_TRACE(trace);
        f.s.PictureOrderPending = true;
        f.s.PictureCursor = 1;
        // The start pictures as the program has them: 200 x 150, 250 x 190, 320 x 245.
        const char letter = TForm1::pictureSizeLetter(size.width());
        writePictures(letter, 0,
                      letter == 'L' ? QSize(200, 150) : letter == 'M' ? QSize(250, 190)
                                                                      : QSize(320, 245));
        TForm1 form(f.shell, opener, size);
        form.show();
        const QRect screen(QPoint(0, 0), size);
        const QRect menu = child(form, "MenuPanel")->geometry();

        form.Button7Click();
        const QRect notice = child(form, "Shape1")->geometry();
        auto* label = form.findChild<QLabel*>(QStringLiteral("Label2"));
        EXPECT_TRUE(screen.contains(notice)) << "on the screen";
        EXPECT_FALSE(notice.intersects(menu)) << "clear of the menu";
        EXPECT_GE(notice.top() - menu.bottom(), 2) << "with room between them";
        EXPECT_TRUE(notice.contains(label->geometry()));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        EXPECT_TRUE(screen.contains(menu));
        shot(form, "main-notice-" + trace);
        form.Button7Click();

        for (int k = 0; k < 6; ++k) {
            static const char* const names[6] = {"BildImage11", "BildImage12", "BildImage13",
                                                 "BildImage21", "BildImage22", "BildImage23"};
            SCOPED_TRACE(names[k]);
            QWidget* picture = child(form, names[k]);
            form.BildImageMouseMove(k);
            const QRect pic = picture->geometry();
            for (const char* name : {"Label3", "Label4"}) {
                auto* line = form.findChild<QLabel*>(QString::fromLatin1(name));
                if (!line->isVisible()) continue;
                const QRect g = line->geometry();
                EXPECT_TRUE(screen.contains(g)) << name;
                EXPECT_GE(g.left(), pic.left()) << name << " within its picture's width";
                EXPECT_LE(g.right(), pic.right()) << name;
                EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), g.width()) << name;
                EXPECT_FALSE(line->text().isEmpty());
                for (QWidget* other : form.findChildren<PictureBox*>())
                    if (other != picture && other->isVisible()) {
                        EXPECT_FALSE(g.intersects(other->geometry()))
                            << name << " over " << other->objectName().toStdString();
                    }
            }
            EXPECT_TRUE(visible(form, "Label3"));
            if (k == 5) shot(form, "main-caption-" + trace);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(picture, &leave);
            EXPECT_FALSE(visible(form, "Label3")) << "gone when the mouse leaves";
            EXPECT_FALSE(visible(form, "Label4"));
        }
    }
}
