// The clock exercise's rules: which time an item stands for, where the hands point and the
// numerals stand, and how the sample course's clock file judges typical answers.

#include "ClockGeometry.h"
#include "Fakes.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct HandCase {
    const char* name;
    int item;
    int hour, minute;
    int minuteAngle, hourAngle;
};

const HandCase kHandCases[] = {
    {"twelve o'clock, both hands up", 1, 0, 0, 0, 0},
    {"quarter past twelve, hour hand 7.5 degrees rounds to 8", 4, 0, 15, 90, 8},
    {"half past twelve", 7, 0, 30, 180, 15},
    {"quarter to one, 22.5 degrees rounds to 22", 10, 0, 45, 270, 22},
    {"one o'clock", 13, 1, 0, 0, 30},
    {"five past one, 2.5 degrees rounds to 2", 14, 1, 5, 30, 32},
    {"quarter to four", 46, 3, 45, 270, 112},
    {"half past six, hour hand halfway between 6 and 7", 79, 6, 30, 180, 195},
    {"five to twelve, hour hand just short of twelve", 144, 11, 55, 330, 358},
};

TEST(ClockTimes, ItemsStandForTimesAndTheHandsPointAtThem) {
    for (const HandCase& c : kHandCases) {
        SCOPED_TRACE(c.name);
        const ClockTime t = clockTimeOfItem(c.item);
        EXPECT_EQ(t.hour, c.hour);
        EXPECT_EQ(t.minute, c.minute);
        EXPECT_EQ(minuteHandAngle(c.item), c.minuteAngle);
        EXPECT_EQ(hourHandAngle(c.item), c.hourAngle);
    }
}

TEST(ClockFace, SizesFollowTheBox) {
    const ClockFaceGeometry g = clockFaceGeometry(408, 400);
    EXPECT_EQ(g.cx, 204);
    EXPECT_EQ(g.cy, 200);
    EXPECT_EQ(g.minuteLength, 153) << "9/24 of the width";
    EXPECT_EQ(g.hourLength, 108) << "(L div 12) * 9";
    EXPECT_EQ(g.fontHeight, 33);
    EXPECT_EQ(g.dotRadius, 16);
}

TEST(ClockFace, PointsRunClockwiseFromTwelve) {
    struct Case {
        int angle;
        ClockPoint expected;
    } cases[] = {
        {0, {100, 50}},   {90, {150, 100}},  {180, {100, 150}}, {270, {50, 100}},
        {-90, {50, 100}}, {450, {150, 100}}, {30, {125, 57}},   {300, {57, 75}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(clockPoint(100, 100, c.angle, 50), c.expected);
    }
}

TEST(ClockFace, HandsOfTypicalTimes) {
    const ClockFaceGeometry g = clockFaceGeometry(408, 400);
    const ClockPoint centre{g.cx, g.cy};

    const ClockHands twelve = clockHands(g, 1);
    EXPECT_EQ(twelve.minute[0][1], (ClockPoint{204, 200 - 153})) << "minute tip straight up";
    EXPECT_EQ(twelve.hour[0][1], (ClockPoint{204, 200 - 108})) << "hour tip straight up";
    EXPECT_EQ(twelve.dot, (ClockPoint{204, 200 - 54})) << "dot halfway along the hour hand";
    for (const auto& hand : {twelve.hour, twelve.minute}) {
        EXPECT_EQ(hand[0][0], centre);
        EXPECT_EQ(hand[1][0], centre);
        EXPECT_EQ(hand[0][1], hand[1][1]) << "both halves share the tip";
        EXPECT_EQ(hand[0][2].x + hand[1][2].x, 2 * g.cx) << "the sides mirror each other";
        EXPECT_EQ(hand[0][2].y, hand[1][2].y);
    }
    EXPECT_LT(twelve.hour[0][2].y, g.cy - 108 / 2 + 2) << "hour corners at half the hand";
    EXPECT_LT(twelve.minute[0][2].y, g.cy - 153 / 3 + 2) << "minute corners at a third";

    const ClockHands quarterToFour = clockHands(g, 46);
    EXPECT_EQ(quarterToFour.minute[0][1], (ClockPoint{204 - 153, 200})) << "minute hand at nine";
    const ClockPoint hourTip = quarterToFour.hour[0][1];
    EXPECT_GT(hourTip.x, g.cx);
    EXPECT_GT(hourTip.y, g.cy) << "between three and four: right and a little down";

    const ClockHands fiveToTwelve = clockHands(g, 144);
    EXPECT_LT(fiveToTwelve.hour[0][1].x, g.cx);
    EXPECT_GT(fiveToTwelve.hour[0][1].x, g.cx - 10) << "just short of twelve";
    EXPECT_LT(fiveToTwelve.minute[0][1].x, g.cx);
    EXPECT_LT(fiveToTwelve.minute[0][1].y, g.cy - 100) << "minute hand at eleven";
}

TEST(ClockFace, NumeralsStandJustOutsideTheMinuteHand) {
    const ClockFaceGeometry g = clockFaceGeometry(408, 400);
    const int clear = 153 + 8; // L + 8
    // Straight up, right, down and left the box's own half height or half width is added.
    EXPECT_EQ(numeralCentre(g, 12, 40, 30), (ClockPoint{204, 200 - clear - 15}));
    EXPECT_EQ(numeralCentre(g, 3, 20, 30), (ClockPoint{204 + clear + 10, 200}));
    EXPECT_EQ(numeralCentre(g, 6, 20, 30), (ClockPoint{204, 200 + clear + 15}));
    EXPECT_EQ(numeralCentre(g, 9, 20, 30), (ClockPoint{204 - clear - 10, 200}));
    // Everywhere the edge of the numeral's box towards the centre stays L + 8 away.
    for (int k = 1; k <= 12; ++k) {
        for (int w : {12, 20, 40}) {
            SCOPED_TRACE(std::to_string(k) + " width " + std::to_string(w));
            const int h = 30;
            const ClockPoint c = numeralCentre(g, k, w, h);
            const double dx = g.cx - c.x, dy = g.cy - c.y;
            const double length = std::hypot(dx, dy);
            // Walk from the box's centre towards the clock's centre until leaving the box.
            double t = 0;
            while (std::abs(dx * t / length) <= w / 2.0 && std::abs(dy * t / length) <= h / 2.0)
                t += 0.25;
            EXPECT_NEAR(length - t, clear, 1.5);
        }
    }
}

// The sample course's clock file, read as the exercise reads it.
struct ClockFile : ::testing::Test {
    ShellFixture f;
    void SetUp() override {
        std::ifstream in(std::string(ORVELA_SOURCE_DIR) + "/content/DATA/FRA54200.DAT",
                         std::ios::binary);
        ASSERT_TRUE(in);
        f.content.writeRaw("DATA/FRA54200.DAT",
                           std::string(std::istreambuf_iterator<char>(in), {}));
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
        f.s.CurrentDataFile = AnsiText::ascii("FRA54200.DAT");
        ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    }
    std::uint16_t judge(int item, const std::string& typed) {
        f.shell.haemtaord(f.s.CurrentDataFile, item);
        f.shell.str_postarray(f.s.CurrentLine);
        return f.shell.svarstest(f.s.ItemFields[1], A(typed), 3);
    }
};

TEST_F(ClockFile, HoldsTwelveHoursInFiveMinuteSteps) {
    EXPECT_EQ(f.s.ItemCount[f.s.CurrentFileIndex], 144);
    EXPECT_EQ(f.s.HeadingLines[2], A("Klockan"));
}

TEST_F(ClockFile, JudgesTypicalAnswers) {
    struct Case {
        int item;
        const char* typed;
        bool accepted;
    } cases[] = {
        {1, "midi", true},
        {1, "Minuit", true},
        {1, "douze heures", true},
        {1, "une heure", false},
        {4, "midi et quart", true},
        {4, "midi quinze", true},
        {7, "midi et demi", true},
        {7, "midi et demie", false}, // midi is masculine
        {10, "une heure moins le quart", true},
        {10, "midi quarante-cinq", true},
        {10, "midi moins le quart", false},
        {13, "une heure", true},
        {13, "une heures", false},
        {13, "treize heures", true},
        {14, "une heure cinq", true},
        {22, "deux heures moins le quart", true},
        {25, "deux heures", true},
        {31, "deux heures et demie", true},
        {31, "deux heures et demi", false},
        {31, "deux heures trente", true},
        {31, "quatorze heures trente", true},
        {40, "trois heures quinze", true},
        {40, "trois heures et quart!", true},
        {46, "quatre heures moins le quart", true},
        {46, "trois heures quarante-cinq", true},
        {46, "quinze heures quarante-cinq", true},
        {46, "trois heures moins le quart", false},
        {48, "quatre heures moins cinq", true},
        {48, "quatre heures moins vingt-cinq", false},
        {48, "", false},
        {109, "neuf heures", true},
        {109, "vingt et une heures", true},
        {109, "vingt-et-une heures", true},
        {109, "vingt et un heures", false},
        {141, "midi moins vingt", true},
        {141, "minuit moins vingt", true},
        {141, "vingt-trois heures quarante", true},
        {144, "midi moins cinq", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + " " + c.typed);
        EXPECT_EQ(judge(c.item, c.typed) == 0, c.accepted);
    }
}

TEST_F(ClockFile, EveryItemNamesItsOwnHourAndNoItemBeginsLikeAScrambledLine) {
    const char* hourWords[] = {"midi",        "une heure",  "deux heures", "trois heures",
                               "quatre heures", "cinq heures", "six heures",  "sept heures",
                               "huit heures", "neuf heures", "dix heures",  "onze heures",
                               "midi"};
    for (int n = 1; n <= 144; ++n) {
        SCOPED_TRACE(n);
        f.shell.haemtaord(f.s.CurrentDataFile, n);
        ASSERT_FALSE(f.s.CurrentLine.startsWith("*"));
        f.shell.str_postarray(f.s.CurrentLine);
        const ClockTime t = clockTimeOfItem(n);
        // From twenty-five to the hour on, the answer counts down to the next hour.
        const int named = t.minute >= 35 ? t.hour + 1 : t.hour;
        EXPECT_TRUE(f.s.ItemFields[1].startsWith(A(hourWords[named]).bytes()))
            << f.s.ItemFields[1].toUtf8();
    }
}

} // namespace
