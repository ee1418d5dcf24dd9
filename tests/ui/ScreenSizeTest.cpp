// One scaling rule on every screen: fonts, controls and the margins between them grow together,
// so a caption keeps its margin inside its button and the protocol grid's text grows with the
// window. The test runs on the screen it is given; CTest also runs it on screens of 640x480,
// 1024x768 and 1920x1080 (QT_QPA_PLATFORM=offscreen:configfile=...).

#include "DiagnosisFixture.h"
#include "DiagnosisRules.h"
#include "ProtocolGrid.h"
#include "TForm1.h"
#include "Tdiaprot.h"

#include <QPushButton>
#include <cstdlib>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct ScreenSizeTest : DiagnosisFixture {};

} // namespace

TEST_F(ScreenSizeTest, OneScalingRuleForFontsAndControls) {
    const QSize screen = Window::screenSize();
    SCOPED_TRACE(std::to_string(screen.width()) + "x" + std::to_string(screen.height()));
    FakeOpener mainOpener;
    f.content.write("DATA/FRA00001.DAT", {"a#b"});
    {
        TForm1 form(f.shell, mainOpener, screen); // measures the screen as at start-up
        form.measureLayoutUnit();                 // as before the first window opens
    }
    const int percent = f.s.ScalePercent;
    EXPECT_EQ(f.s.LayoutUnit, layoutUnit(percent));
    EXPECT_LE(std::abs(f.s.LayoutUnit * 100 / percent - layoutUnit(100)), 1)
        << "the layout unit grows with the fonts";

    writeDiagnosisFiles();
    DiagnosisRecord pupil;
    clearDiagnosisRecord(pupil);
    pupil.name = A("Lisa");
    f.s.CurrentPupil = pupil;
    Tdiaprot protocol(context);
    protocol.show();

    // The grid's text as designed (16 pixels, scaled), not made smaller to fit narrow cells.
    const auto* grid = child<ProtocolGrid>(protocol, "StringGrid1");
    EXPECT_GE(grid->font().pixelSize(), scaled(16, percent) * 9 / 10);
    const QFontMetrics gridMetrics(grid->font());
    EXPECT_LE(gridMetrics.horizontalAdvance(grid->text(18, 0)) + 1, grid->columnWidth(0));
    EXPECT_LE(gridMetrics.height(), grid->rowHeight(1));

    // Every caption keeps a margin of a quarter of its font's size inside its button.
    for (const char* name : {"AvbrytButton", "LosenButton", "SkrivutButton", "HjalpButton"}) {
        SCOPED_TRACE(name);
        const auto* b = child<QPushButton>(protocol, name);
        const QFontMetrics fm(b->font());
        const int margin = b->font().pixelSize() / 4;
        EXPECT_LE(fm.horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 2 * margin,
                  b->width());
        EXPECT_LE(fm.height() + 2 * margin, b->height());
        EXPECT_LE(b->mapTo(&protocol, QPoint(b->width(), b->height())).y(), screen.height());
    }
    shot(protocol, "protocol-" + std::to_string(screen.width()));
}
