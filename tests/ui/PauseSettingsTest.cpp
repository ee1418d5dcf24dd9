// Back from the settings window during a pause, the run goes on (also on the last question).

#include "ExerciseFixture.h"
#include "TSKRIV.h"

using namespace orvela;
using namespace orvela::testing;

TEST(PauseSettings, TheRunGoesOnAfterTheSettingsWindow) {
    for (int answeredBefore : {1, 9}) {
        SCOPED_TRACE(answeredBefore);
        struct Fixture : ExerciseFixture {
            void TestBody() override {}
        } fx;
        std::vector<std::string> lines = {"$Ord"};
        for (int i = 1; i <= 12; ++i) lines.push_back("ord" + std::to_string(i) + "#mot" + std::to_string(i));
        fx.prepare("FRA99001.DAT", lines);
        TSKRIV w(fx.context);
        w.show();
        auto* edit = w.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        auto answerRight = [&] {
            edit->setText(QString::fromStdString(fx.f.s.ItemFields[2].toUtf8()));
            QTest::keyClick(edit, Qt::Key_Return);
        };
        for (int i = 0; i < answeredBefore; ++i) answerRight();
        QTest::keyClick(edit, Qt::Key_Escape);
        ASSERT_EQ(w.runState(), ExerciseWindow::RunState::Paused);
        w.BitBtn1Click();
        EXPECT_EQ(fx.opener.opened.back().kind, WindowKind::TStallin);
        EXPECT_EQ(w.runState(), ExerciseWindow::RunState::Answering);
        EXPECT_TRUE(edit->isEnabled());
        answerRight();
        EXPECT_EQ(fx.f.s.RightCount, answeredBefore + 1) << "the answer after the settings counts";
    }
}
