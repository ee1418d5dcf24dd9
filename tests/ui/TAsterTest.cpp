// The progress squares: what a run looks like painted into an image, the repaint rules, the
// square size by screen height and the clean start after a full column.

#include "TAster.h"

#include "Fakes.h"
#include "Panel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

const QColor kWindow = colors::silver;  // the window behind the control
const QColor kSquares = colors::maroon; // AsterColor

struct TAsterTest : ::testing::Test {
    ShellFixture f;
    TAster aster{f.shell, nullptr, 768};
    int S = aster.squareSize();

    void SetUp() override {
        aster.resize(S, 10 * S);
        aster.setAsterColor(kSquares);
        aster.setMaxAntalRutor(10);
        aster.setStarta(true);
    }
    // Answers the next question as the exercise does.
    void answer(bool right) {
        aster.setRutNummer(aster.RutNummer() + 1);
        if (!right) aster.setRatt(false);
    }
    QImage paint() {
        QImage img(aster.width(), aster.height(), QImage::Format_RGB32);
        img.fill(kWindow);
        QPainter p(&img);
        aster.paintTo(p);
        return img;
    }
    // The top of square i (1 = the bottom one).
    int top(int i) const { return (10 - i) * S; }
    // The colours inside square i, its frame excluded.
    QSet<QRgb> inside(const QImage& img, int i) const {
        QSet<QRgb> colours;
        for (int y = top(i) + 1; y < top(i) + S - 1; ++y)
            for (int x = 1; x < S - 1; ++x)
                colours.insert(img.pixel(x, y));
        return colours;
    }
    static QRgb rgb(const QColor& c) { return c.rgb(); }
};

class PaintCountingAster : public TAster {
public:
    using TAster::TAster;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        TAster::paintEvent(e);
    }
};

} // namespace

TEST_F(TAsterTest, UntouchedRightAndWrongSquaresInsideBlackFrames) {
    QImage img = paint();
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(inside(img, i), QSet<QRgb>{rgb(kSquares)}) << "before the first answer " << i;
    answer(true);
    answer(true);
    answer(false);
    img = paint();
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("frame " + std::to_string(k));
        const int y = k * S;
        for (QPoint p : {QPoint(0, y + S / 2), QPoint(S - 1, y + S / 2), QPoint(S / 2, y),
                         QPoint(S / 2, y + S - 1)})
            EXPECT_EQ(img.pixel(p), rgb(Qt::black));
    }
    // Square 3: white, 4 px inside its frame; the window shows in between.
    for (QPoint p : {QPoint(S / 2, S / 2), QPoint(4, 4), QPoint(S - 5, S - 5)})
        EXPECT_EQ(img.pixel(p + QPoint(0, top(3))), rgb(Qt::white));
    for (QPoint p : {QPoint(2, 2), QPoint(S - 3, S - 3)})
        EXPECT_EQ(img.pixel(p + QPoint(0, top(3))), rgb(kWindow));
    // Squares 1 and 2: a star of the square's own colours on the squares' colour, no white.
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE("square " + std::to_string(i));
        const TAster::Star& star = aster.star(i);
        const QSet<QRgb> allowed{rgb(kSquares), rgb(TAster::penColor(star.pen)),
                                 rgb(TAster::fillColor(star.fill1)),
                                 rgb(TAster::fillColor(star.fill2))};
        const QSet<QRgb> colours = inside(img, i);
        EXPECT_TRUE(colours.contains(rgb(kSquares)));
        EXPECT_TRUE(colours.contains(rgb(TAster::penColor(star.pen))));
        EXPECT_TRUE((colours - allowed).isEmpty()) << "only the star's colours, no white";
    }
    // Squares 4 to 10 are not drawn: the window shows through.
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(inside(img, i), QSet<QRgb>{rgb(kWindow)}) << i;

    aster.setVisa(false);
    img = paint();
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(inside(img, i), QSet<QRgb>{rgb(kWindow)}) << "Visa false " << i;
    EXPECT_EQ(img.pixel(0, S / 2), rgb(kWindow)) << "no frames either";
}

TEST_F(TAsterTest, RattTrueDoesNotUndoAWrongAnswerStartaDoes) {
    aster.setRatt(false);
    EXPECT_TRUE(aster.squareRight(1)) << "Ratt false before an answer marks nothing";
    answer(true);
    answer(false);
    aster.setRatt(true);
    EXPECT_FALSE(aster.Ratt());
    EXPECT_EQ(paint().pixel(S / 2, top(2) + S / 2), rgb(Qt::white));

    aster.setStarta(false); // new stars only
    EXPECT_FALSE(aster.squareRight(2));

    aster.setStarta(true);
    EXPECT_TRUE(aster.squareRight(2));
    EXPECT_TRUE(aster.Ratt());
    EXPECT_FALSE(inside(paint(), 2).contains(rgb(Qt::white)));
}

TEST_F(TAsterTest, AFullColumnShowsItsResultsThenTheNextRunStartsClean) {
    for (int q = 1; q <= 9; ++q)
        answer(q != 4 && q != 9);
    paint();
    aster.setRutNummer(10);
    EXPECT_FALSE(aster.squareRight(4)) << "a column not yet full keeps its marks";
    const TAster::Star oldStar = aster.star(1);
    for (int paints = 1; paints <= 2; ++paints) {
        const QImage img = paint();
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(inside(img, i).contains(rgb(Qt::white)), i == 4 || i == 9)
                << paints << ' ' << i;
    }
    // The next answer (the exercise counts on from 0 after a full column) starts clean, with
    // stars chosen anew from the clock.
    f.clock.time.millisecond += 7;
    aster.setRutNummer(0);
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(aster.squareRight(i)) << i;
    const TAster::Star& s = aster.star(1);
    EXPECT_FALSE(s.pen == oldStar.pen && s.angle == oldStar.angle && s.fill1 == oldStar.fill1 &&
                 s.fill2 == oldStar.fill2);
    answer(true);
    const QImage img = paint();
    for (int i = 1; i <= 10; ++i)
        EXPECT_FALSE(inside(img, i).contains(rgb(Qt::white))) << i;
}

TEST_F(TAsterTest, CountsAreHeldToTheirRanges) {
    aster.setMaxAntalRutor(25);
    EXPECT_EQ(aster.MaxAntalRutor(), 10);
    aster.setRutNummer(11);
    EXPECT_EQ(aster.RutNummer(), 10);
    aster.setRutNummer(-3);
    EXPECT_EQ(aster.RutNummer(), 0);
    aster.setRutNummer(8);
    aster.setMaxAntalRutor(5);
    EXPECT_EQ(aster.RutNummer(), 5);
    aster.setMaxAntalRutor(-1);
    EXPECT_EQ(aster.MaxAntalRutor(), 0);
    paint(); // an empty column paints nothing and does not fail
}

TEST(TAsterSize, SquareSizeByScreenHeight) {
    const int cases[][2] = {{480, 38}, {599, 38},  {600, 50},  {767, 50},  {768, 62},  {863, 62},
                            {864, 70}, {1023, 70}, {1024, 78}, {1049, 78}, {1050, 85}, {1440, 85}};
    ShellFixture f;
    for (const auto& c : cases)
        EXPECT_EQ(TAster(f.shell, nullptr, c[0]).squareSize(), c[1]) << c[0];
    TAster onScreen(f.shell);
    EXPECT_EQ(onScreen.squareSize(),
              TAster::squareSizeFor(QGuiApplication::primaryScreen()->geometry().height()));
    EXPECT_EQ(onScreen.width(), onScreen.squareSize()) << "as wide as a square at creation";
}

TEST(TAsterRepaint, SettersRepaintAsPublished) {
    ShellFixture f;
    QWidget window;
    window.resize(200, 800);
    auto* aster = new PaintCountingAster(f.shell, &window, 768);
    aster->setGeometry(10, 10, aster->squareSize(), 10 * aster->squareSize());
    aster->setMaxAntalRutor(10);
    aster->setRutNummer(1);
    window.show();
    QCoreApplication::processEvents();

    struct Case {
        const char* name;
        std::function<void()> change;
        bool repaints;
    } cases[] = {
        {"RutNummer changed", [&] { aster->setRutNummer(2); }, true},
        {"RutNummer unchanged", [&] { aster->setRutNummer(2); }, false},
        {"Ratt false", [&] { aster->setRatt(false); }, true},
        {"Ratt true", [&] { aster->setRatt(true); }, false},
        {"Starta", [&] { aster->setStarta(true); }, false},
        {"AsterColor changed", [&] { aster->setAsterColor(colors::navy); }, true},
        {"AsterColor unchanged", [&] { aster->setAsterColor(colors::navy); }, false},
        {"Visa false", [&] { aster->setVisa(false); }, true},
        {"Visa unchanged", [&] { aster->setVisa(false); }, false},
        {"MaxAntalRutor changed", [&] { aster->setMaxAntalRutor(8); }, true},
        {"Pen", [&] { aster->setPen(QPen(Qt::red)); }, true},
    };
    for (const Case& c : cases) {
        const int before = aster->paints;
        c.change();
        QCoreApplication::processEvents();
        EXPECT_EQ(aster->paints > before, c.repaints) << c.name;
    }
}
