// The sentence-part exercise: reading an item (groups, texts between them, boxes in function
// order), dragging groups onto boxes with the mouse, right and wrong drops, counting an item,
// groups without a box, the help line, the end of a run with its Swedish panel, and worksheet
// lines.

#include "TSats.h"

#include "ExerciseFixture.h"
#include "FakePrinting.h"
#include "TAster.h"
#include "TUtskrift.h"

#include <fstream>
#include <set>

using namespace orvela;
using namespace orvela::testing;

namespace {

OneBased<AnsiText, kMaxItemFields> fieldsOf(const std::string& line) {
    OneBased<AnsiText, kMaxItemFields> fields;
    std::size_t k = 1, start = 0;
    while (k <= kMaxItemFields) {
        std::size_t end = line.find('#', start);
        fields[k++] = AnsiText::fromUtf8(line.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return fields;
}

std::vector<std::string> fourParts(int n) {
    std::vector<std::string> lines = {"$Satsdelar", "$Ao/do", "$§Dra satsdelarna till rätt ruta!",
                                      "$%en anteckning"};
    for (int i = 1; i <= n; ++i)
        lines.push_back("<Il> <donne> <le livre " + std::to_string(i) + "> <à Marie>.#S#P#AO#DO");
    return lines;
}

struct SatsTest : ExerciseFixture {
    std::unique_ptr<TSats> window;

    void open(const std::vector<std::string>& lines, const std::string& file = "FRA58300.DAT") {
        prepare(file, lines);
        window = std::make_unique<TSats>(context);
        window->show();
    }
    QWidget* group(int k) { return child(*window, QStringLiteral("Men%1").arg(k).toLatin1()); }
    QLabel* box(int n) {
        return child<QLabel>(*window, QStringLiteral("Memo%1").arg(n).toLatin1());
    }
    QString help() { return child<QLabel>(*window, "Label3")->text(); }
    QColor signal() { return dynamic_cast<Shape*>(child(*window, "Shape1"))->brushColor(); }
    // The point of `target` in the coordinates of `from`.
    static QPoint over(QWidget* from, QWidget* target) {
        return from->mapFromGlobal(target->mapToGlobal(target->rect().center()));
    }
    void pointAt(QWidget* w) { QTest::mouseMove(w, w->rect().center()); }
    // Takes group k with the left button, moves it over box n and lets go there; the group
    // label holds the mouse for the whole drag, as the pointer's owner does.
    void drag(int k, int n) {
        QWidget* g = group(k);
        pointAt(g);
        QTest::mousePress(g, Qt::LeftButton, {}, g->rect().center());
        QTest::mouseMove(g, over(g, window.get()));
        QTest::mouseMove(g, over(g, box(n)));
        QTest::mouseRelease(g, Qt::LeftButton, {}, over(g, box(n)));
    }
    // Places every boxed group of the item on the screen on its box.
    void placeAll() {
        const std::vector<SatsBox> boxes = window->item().boxes;
        for (std::size_t n = 0; n < boxes.size(); ++n)
            drag(boxes[n].group, static_cast<int>(n) + 1);
    }
    int wrongBoxFor(int k) {
        for (std::size_t n = 0; n < window->item().boxes.size(); ++n)
            if (window->item().boxes[n].group != k) return static_cast<int>(n) + 1;
        return 0;
    }
};

} // namespace

TEST(SatsItem, ReadsGroupsTextsAndBoxes) {
    struct Case {
        const char* name;
        const char* line;
        int groups;
        std::vector<std::string> groupTexts, between;
        std::vector<std::pair<int, std::string>> boxes; // group, first box line
    } cases[] = {
        {"boxes in the order AO DO P PF S",
         "<Il> <donne> <le livre> <à Marie>.#S#P#AO#DO",
         4,
         {"Il", "donne", "le livre", "à Marie"},
         {"", " ", " ", " ", "."},
         {{3, "Ackusativ-"}, {4, "Dativ-"}, {2, "Predikat"}, {1, "Subjekt"}}},
        {"a leading digit is dropped, codes in any case",
         "3<Elle> <est> <malade>.#s# p #Pf",
         3,
         {"Elle", "est", "malade"},
         {"", " ", " ", "."},
         {{2, "Predikat"}, {3, "Predikats-"}, {1, "Subjekt"}}},
        {"NN and unknown codes give no box",
         "<Demain> <nous> <partons>.#NN#S#P",
         3,
         {"Demain", "nous", "partons"},
         {"", " ", " ", "."},
         {{3, "Predikat"}, {2, "Subjekt"}}},
        {"two subjects keep group order",
         "<Pierre> et <Paul> <jouent>.#S#S#P",
         3,
         {"Pierre", "Paul", "jouent"},
         {"", " et ", " ", "."},
         {{3, "Predikat"}, {1, "Subjekt"}, {2, "Subjekt"}}},
        {"unbalanced marks show nothing but keep the boxes",
         "<Il> <dort.#S#P",
         0,
         {},
         {""},
         {{2, "Predikat"}, {1, "Subjekt"}}},
        {"a group closed before it opens is no group",
         "Il> dort <vite.#S",
         0,
         {},
         {""},
         {{1, "Subjekt"}}},
        {"a sixth group stays as plain text",
         "<a> <b> <c> <d> <e> <f> g#S#P#AO#DO#PF",
         5,
         {"a", "b", "c", "d", "e"},
         {"", " ", " ", " ", " ", " f g"},
         {{3, "Ackusativ-"}, {4, "Dativ-"}, {2, "Predikat"}, {5, "Predikats-"}, {1, "Subjekt"}}},
        {"no marks: the whole sentence between", "Il pleut.", 0, {}, {"Il pleut."}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SatsItem item = SatsItem::parse(fieldsOf(c.line));
        EXPECT_EQ(item.groupCount, c.groups);
        for (std::size_t k = 0; k < c.groupTexts.size(); ++k)
            EXPECT_EQ(item.groups[k + 1].toUtf8(), c.groupTexts[k]);
        for (std::size_t k = 0; k < c.between.size(); ++k)
            EXPECT_EQ(item.between[k + 1].toUtf8(), c.between[k]) << "between " << k + 1;
        ASSERT_EQ(item.boxes.size(), c.boxes.size());
        for (std::size_t n = 0; n < c.boxes.size(); ++n) {
            EXPECT_EQ(item.boxes[n].group, c.boxes[n].first);
            EXPECT_EQ(satsFunctionInfo(item.boxes[n].function).line1, c.boxes[n].second);
        }
    }
}

TEST(SatsItem, WorksheetLinesLineUpTheLegends) {
    const SatsItem item = SatsItem::parse(fieldsOf(
        "<Elle> <a écrit> <une très longue lettre de vacances à la mer> <à Marie>.#S#P#AO#DO"));
    std::vector<std::string> q, a;
    for (const AnsiText& l : item.worksheetQuestionLines())
        q.push_back(l.toUtf8());
    for (const AnsiText& l : item.worksheetAnswerLines())
        a.push_back(l.toUtf8());
    const std::string blank(28, '_');
    EXPECT_EQ(q, (std::vector<std::string>{"       Ackusativobjekt  =" + blank,
                                           "       Dativobjekt        =" + blank,
                                           "       Predikat             =" + blank,
                                           "       Subjekt               =" + blank}));
    EXPECT_EQ(a[0], "       Ackusativobjekt  = une très longue lettre de vacances à la ")
        << "a group is kept with at most 40 characters";
    EXPECT_EQ(a[3], "       Subjekt               = Elle");
    EXPECT_EQ(SatsItem::parse(fieldsOf("<a>#PF")).worksheetAnswerLines()[0].toUtf8(),
              "       Predikatsfyllnad = a");
}

// The sample course's sentence-part files: every item can be finished, every group has a code, and
// each file asks only for the functions its menu entry names.
TEST(SatsItem, SampleCourseItemsCanBeFinished) {
    struct File {
        const char* name;
        std::set<std::string> functions;
    } files[] = {{"FRA58100.DAT", {"S", "P"}},
                 {"FRA58200.DAT", {"S", "P", "AO", "PF"}},
                 {"FRA58300.DAT", {"S", "P", "AO", "DO"}}};
    for (const File& file : files) {
        SCOPED_TRACE(file.name);
        std::ifstream in(std::string(ORVELA_SOURCE_DIR) + "/content/DATA/" + file.name,
                         std::ios::binary);
        ASSERT_TRUE(in.is_open());
        std::string line;
        int items = 0;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == ';' || line[0] == '$') continue;
            SCOPED_TRACE(line);
            ++items;
            OneBased<AnsiText, kMaxItemFields> fields;
            std::size_t k = 1, start = 0;
            for (std::size_t end; k <= kMaxItemFields; start = end + 1) {
                end = line.find('#', start);
                fields[k++] = AnsiText(line.substr(start, end - start));
                if (end == std::string::npos) break;
            }
            const SatsItem item = SatsItem::parse(fields);
            EXPECT_TRUE(item.marksBalanced);
            EXPECT_TRUE(item.canBeFinished());
            for (int g = 1; g < static_cast<int>(kMaxItemFields); ++g) {
                const std::string code = fields[static_cast<std::size_t>(g + 1)].bytes();
                EXPECT_EQ(code.empty(), g > item.groupCount) << "group " << g;
                if (!code.empty() && code != "NN") {
                    EXPECT_TRUE(file.functions.count(code)) << code;
                }
            }
        }
        EXPECT_GE(items, 25);
        EXPECT_LE(items, 35);
    }
}

TEST_F(SatsTest, RightDropsPlaceTheGroupsAndAFirstTryItemCounts) {
    open(fourParts(12));
    EXPECT_EQ(help(), QStringLiteral("För musen över meningen."));
    EXPECT_EQ(box(1)->text(), QStringLiteral("Ackusativ-\nobjekt"));
    EXPECT_EQ(box(2)->text(), QStringLiteral("Dativ-\nobjekt"));
    EXPECT_EQ(box(3)->text(), QStringLiteral("Predikat"));
    EXPECT_EQ(box(4)->text(), QStringLiteral("Subjekt"));
    EXPECT_FALSE(box(5)->isVisible());
    EXPECT_EQ(text(*window, "Men1"), "Il");
    EXPECT_EQ(text(*window, "Mell5"), ".");
    EXPECT_EQ(group(2)->x(), group(1)->x() + group(1)->width() + child(*window, "Mell2")->width())
        << "the pieces join up into one sentence";

    const QPoint inSentence = group(3)->pos();
    drag(3, 1);
    shot(*window, "tsats-one-placed");
    EXPECT_TRUE(window->groupPlaced(3));
    EXPECT_EQ(group(3)->y(), box(1)->y() - 30) << "the group stands above its box";
    EXPECT_NEAR(group(3)->x() + group(3)->width() / 2, box(1)->x() + box(1)->width() / 2, 1);
    EXPECT_EQ(child(*window, "Men8")->pos(), inSentence) << "its black copy stays in the sentence";
    EXPECT_EQ(box(1)->palette().color(QPalette::Window), colors::aqua);
    EXPECT_EQ(signal(), colors::lime);

    drag(4, 2);
    drag(2, 3);
    EXPECT_EQ(f.s.QuestionNumber, 1) << "not finished while a group is left";
    drag(1, 4);
    EXPECT_EQ(f.s.RightCount, 1);
    EXPECT_EQ(f.s.QuestionNumber, 2);
    EXPECT_EQ(window->placedCount(), 0) << "the next item follows at once";
    EXPECT_EQ(group(3)->pos(), child(*window, "Men8")->pos());
    EXPECT_EQ(f.s.ErrorCount[1], 0);
}

TEST_F(SatsTest, AWrongDropIsRefusedAndTheItemCountsWrongWhenFinished) {
    open(fourParts(12));
    const QPoint inSentence = group(1)->pos();
    drag(1, 1);
    shot(*window, "tsats-wrong-drop");
    EXPECT_TRUE(visible(*window, "FelPanel"));
    EXPECT_EQ(text(*window, "FelPanel"), "Fel. Gör ett nytt försök!");
    EXPECT_EQ(signal(), colors::red);
    EXPECT_EQ(group(1)->pos(), inSentence) << "the group stays in the sentence";
    EXPECT_FALSE(window->firstTry());

    QTest::mousePress(group(2), Qt::LeftButton);
    EXPECT_FALSE(visible(*window, "FelPanel")) << "picking up again hides the message";
    QTest::mouseRelease(group(2), Qt::LeftButton);
    placeAll();
    EXPECT_EQ(f.s.QuestionNumber, 2);
    EXPECT_EQ(f.s.RightCount, 0);
    EXPECT_EQ(f.s.WrongCount, 1);
    EXPECT_EQ(f.s.ErrorCount[1], 1);
    EXPECT_FALSE(dynamic_cast<TAster*>(child(*window, "Aster1"))->Ratt()) << "a wrong square";
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering) << "no wait";
    EXPECT_EQ(signal(), colors::lime) << "a new item starts green";
}

TEST_F(SatsTest, GroupsWithoutABoxStayAndNeedNoPlace) {
    open({"$S", "$§D.", "<Demain> <nous> <visitons> <le Louvre>.#NN#S#P#AO",
          "<Le soir> <je> <lis> <un livre>.#nn#S#P#AO"});
    ASSERT_EQ(window->item().boxes.size(), 3u);
    EXPECT_EQ(window->boxOfGroup(1), 0);
    drag(1, 1);
    EXPECT_TRUE(visible(*window, "FelPanel")) << "a group without a box fits no box";
    const QPoint nn = group(1)->pos();
    drag(4, 1);
    drag(3, 2);
    EXPECT_EQ(f.s.QuestionNumber, 1);
    drag(2, 3);
    EXPECT_EQ(f.s.QuestionNumber, 2) << "finished without the NN group";
    EXPECT_EQ(f.s.WrongCount, 1);
    placeAll();
    EXPECT_EQ(f.s.RightCount, 1);
    EXPECT_EQ(group(1)->pos(), nn) << "the new item's NN group is in the sentence";
}

TEST_F(SatsTest, TwoBoxesOfOneFunctionTakeOnlyTheirOwnGroups) {
    open({"$S", "$§D.", "<Pierre> et <Paul> <jouent>.#S#S#P"});
    EXPECT_EQ(box(2)->text(), QStringLiteral("Subjekt"));
    EXPECT_EQ(box(3)->text(), QStringLiteral("Subjekt"));
    drag(2, 2);
    EXPECT_FALSE(window->groupPlaced(2)) << "Paul belongs to the second Subjekt box";
    drag(1, 2);
    drag(2, 3);
    EXPECT_EQ(window->placedCount(), 2);
}

TEST_F(SatsTest, APlacedGroupDroppedAgainCountsOnce) {
    open(fourParts(12));
    drag(3, 1);
    drag(3, 1);
    drag(3, 1);
    drag(4, 2);
    EXPECT_EQ(window->placedCount(), 2);
    EXPECT_EQ(f.s.QuestionNumber, 1) << "the item waits for the predicate and the subject";
}

TEST_F(SatsTest, HelpLineFollowsTheMouse) {
    open(fourParts(12));
    QTest::mouseMove(window.get(), QPoint(5, window->height() / 2));
    EXPECT_EQ(help().toStdString(), TSats::helpText(0));
    pointAt(group(3));
    EXPECT_EQ(help().toStdString(), TSats::helpText(1));
    EXPECT_EQ(dynamic_cast<SentenceLabel*>(group(3))->backgroundColor(), colors::aqua);
    QWidget* g = group(3);
    QTest::mousePress(g, Qt::LeftButton, {}, g->rect().center());
    EXPECT_EQ(help().toStdString(), TSats::helpText(2));
    QTest::mouseMove(g, over(g, box(2)));
    EXPECT_EQ(help().toStdString(), TSats::helpText(3));
    QTest::mouseMove(g, over(g, window.get()));
    EXPECT_EQ(help().toStdString(), TSats::helpText(3)) << "held back until the mouse moves on";
    QTest::mouseMove(g, over(g, box(1)));
    QTest::mouseRelease(g, Qt::LeftButton, {}, over(g, box(1)));
    EXPECT_TRUE(window->groupPlaced(3));
    pointAt(box(1));
    EXPECT_EQ(help().toStdString(), TSats::helpText(0))
        << "the boxes rest until a group is pointed at";
    EXPECT_EQ(window->currentGroup(), 0);
    g = group(4);
    pointAt(g);
    pointAt(box(2));
    EXPECT_EQ(help(), QStringLiteral("Släpp upp musknappen"));
    pointAt(box(3));
    EXPECT_EQ(help().toStdString(), TSats::helpText(0));

    pointAt(g);
    QTest::mousePress(g, Qt::LeftButton, {}, g->rect().center());
    QTest::mouseMove(g, over(g, box(2)));
    EXPECT_EQ(help().toStdString(), TSats::helpText(2)) << "after a right drop no box hint";
    QTest::mouseRelease(g, Qt::LeftButton, {}, over(g, box(2)));
}

TEST_F(SatsTest, RunEndsWithPraiseAndASwedishPanel) {
    open(fourParts(12));
    for (int i = 0; i < 10; ++i)
        placeAll();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 10);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    EXPECT_TRUE(visible(*window, "BildPanelen"));
    shot(*window, "tsats-end-praise");
    const char* captions[][2] = {{"Button1", "&Rätta felen"},
                                 {"Button2", "&Fortsätta"},
                                 {"Button3", "A&vbryta"},
                                 {"BitBtn1", "&Inställningar"}};
    for (auto& c : captions)
        EXPECT_EQ(child<QPushButton>(*window, c[0])->text(), QString::fromUtf8(c[1]));
    EXPECT_FALSE(child(*window, "Button1")->isEnabled()) << "nothing to correct";

    window->Button2Click();
    EXPECT_EQ(f.s.QuestionNumber, 1);
    EXPECT_FALSE(visible(*window, "LovordPanel"));
    for (int i = 0; i < 9; ++i)
        placeAll();
    drag(1, 1);
    placeAll();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingLastAnswer);
    EXPECT_TRUE(visible(*window, "Panel1")) << "the panel opens at once";
    EXPECT_FALSE(visible(*window, "BildPanelen")) << "the picture waits";
    EXPECT_EQ(window->focusWidget(), child(*window, "Button1"));
    for (int tick = 1; tick < 10 * f.s.ShowAnswerSeconds; ++tick)
        window->Timer2Timer();
    EXPECT_FALSE(visible(*window, "BildPanelen"));
    window->Timer2Timer();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_TRUE(visible(*window, "LovordPanel")) << "nine right earn praise";

    child<QPushButton>(*window, "Button1")->click();
    EXPECT_EQ(f.s.CorrectionRun, 1);
    EXPECT_EQ(f.s.RunLength, 1);
    placeAll();
    EXPECT_EQ(f.s.ErrorCount[1], 0) << "a right correction leaves the error list";
    EXPECT_FALSE(visible(*window, "LovordPanel")) << "no praise after a correction run";
}

TEST_F(SatsTest, EscapeRightButtonAndContinue) {
    open(fourParts(12));
    drag(1, 1);
    placeAll();
    drag(3, 1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(child(*window, "Button1")->isEnabled()) << "one mistake to correct";
    child<QPushButton>(*window, "Button2")->click();
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_EQ(f.s.QuestionNumber, 2) << "the run goes on where it was";
    EXPECT_EQ(f.s.WrongCount, 1);
    EXPECT_TRUE(window->groupPlaced(3)) << "and so does the item";

    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::mouseClick(child(*window, "Button2"), Qt::RightButton);
    EXPECT_TRUE(visible(*window, "Button1")) << "the right button on the panel is the panel's";
    child<QPushButton>(*window, "Button2")->click();
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(5, 200));
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_FALSE(visible(*window, "Button1"));
    child<QPushButton>(*window, "Button2")->click();
    while (f.s.QuestionNumber <= f.s.RunLength)
        placeAll();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_FALSE(visible(*window, "Button1")) << "not offered again in this window";
    EXPECT_FALSE(child(*window, "Button1")->isEnabled());
    EXPECT_EQ(window->focusWidget(), child(*window, "Button2"));
}

TEST_F(SatsTest, AnItemNoDropCanFinishGivesWayOnContinue) {
    open({"$S", "$§D.", "<Il> <dort.#S#P"});
    EXPECT_FALSE(visible(*window, "Men1"));
    EXPECT_TRUE(visible(*window, "Memo1")) << "the boxes are there";
    QTest::keyClick(window.get(), Qt::Key_Escape);
    window->Button2Click();
    EXPECT_EQ(f.s.QuestionNumber, 1) << "not counted";
    EXPECT_EQ(f.s.WrongCount, 0);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
}

TEST_F(SatsTest, ALongSentenceWrapsOnThreeLines) {
    std::string line;
    for (int k = 0; k < 5; ++k)
        line += "<groupe" + std::to_string(k) + "> avec beaucoup de mots entre les groupes ";
    open({"$S", "$§D.", line + "#S#P#AO#DO#PF"});
    shot(*window, "tsats-three-lines");
    std::set<int> tops;
    for (int k = 1; k <= 6; ++k)
        tops.insert(child(*window, QStringLiteral("Mell%1").arg(k).toLatin1())->y());
    for (int k = 1; k <= 5; ++k)
        tops.insert(group(k)->y());
    EXPECT_EQ(tops.size(), 3u) << "three lines, no more";
    EXPECT_GT(child(*window, "Mell6")->x(), group(5)->x()) << "the rest goes on along line 3";
    for (int k = 1; k <= 5; ++k)
        EXPECT_LT(group(k)->y(), box(1)->y());
}

TEST_F(SatsTest, WorksheetLinesGiveTheFunctionsInBoxOrder) {
    FakePrinting printing;
    context.printing = &printing;
    auto utskrift = std::make_unique<TUtskrift>(context);
    context.worksheet = utskrift.get();
    f.s.ExerciseMode = Mode::Worksheet;
    open({"$Satsdelar", "$Ao/do", "$§D.", "$%en anteckning",
          "5<Je> <lui> <donne> <un cadeau>.#S#DO#P#AO"});
    EXPECT_FALSE(visible(*window, "Shape1"));
    EXPECT_FALSE(visible(*window, "Label3"));
    shot(*window, "tsats-worksheet");
    child<QPushButton>(*window, "ValjaUtButton")->click();
    child<QPushButton>(*window, "SkrivutSkickaButton")->click();
    std::vector<std::string> q, a;
    for (const WorksheetLine& l : utskrift->worksheet().lines(Sheet::Questions))
        q.push_back(l.text.toUtf8());
    for (const WorksheetLine& l : utskrift->worksheet().lines(Sheet::Answers))
        a.push_back(l.text.toUtf8());
    const std::string blank(28, '_');
    EXPECT_EQ(
        q, (std::vector<std::string>{
               "1.  Satsdelar Ao/do", "   1. <Je> <lui> <donne> <un cadeau>.",
               "       Ackusativobjekt  =" + blank, "       Dativobjekt        =" + blank,
               "       Predikat             =" + blank, "       Subjekt               =" + blank}))
        << "no note under the heading";
    ASSERT_EQ(a.size(), q.size());
    EXPECT_EQ(a[3], "       Dativobjekt        = lui");
    EXPECT_EQ(a[5], "       Subjekt               = Je");
}
