// Results and statuses: GeStatusTal's chain of the vocabulary programmes and what diagnosback
// stores at the end of a diagnosis test.

#include "DiagnosisFile.h"
#include "DiagnosisRules.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct StatusFixture : ShellFixture {
    StatusFixture() {
        shell.NollstaellElev();
        s.CurrentPupil.name = AnsiText::ascii("Anna");
    }
    DiagnosisRecord& pupil() { return s.CurrentPupil; }
    std::vector<DiagnosisRecord> stored() {
        return DiagnosisFile(content.root() / "RESULTAT").read().records;
    }
    // Ends a diagnosis test of programme n with r right answers.
    void finish(int n, int r) {
        s.CurrentProgramme = n;
        shell.diagnosback(r);
    }
};

} // namespace

TEST(DiagnosisStatus, TheChainOfTheVocabularyProgrammes) {
    struct Case {
        const char* what;
        int programme, result;
        int status, nextStatus;
    } cases[] = {
        {"programme 2 not passed: practise, 3 waits", 2, 14, StatusExercer, StatusAttendre},
        {"programme 2 passed: 3 may be tested", 2, 15, StatusTester, StatusTester},
        {"programme 1 passed", 1, 20, StatusTester, StatusTester},
        {"programme 1 low", 1, 1, StatusExercer, StatusAttendre},
        {"programme 3 passed", 3, 16, StatusTester, StatusTester},
    };
    for (const Case& c : cases) {
        StatusFixture f;
        f.pupil().result[static_cast<std::size_t>(c.programme)] = c.result;
        std::uint8_t status = f.shell.GeStatusTal(c.programme);
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_EQ(f.pupil().status[static_cast<std::size_t>(c.programme + 1)], c.nextStatus)
            << c.what;
        EXPECT_EQ(f.pupil().status[static_cast<std::size_t>(c.programme)], c.programme == 1 ? 0 : 1)
            << c.what << ": the caller stores the status";
    }
}

TEST(DiagnosisStatus, OnlyProgrammesOneToThreeTouchTheNext) {
    StatusFixture f;
    f.pupil().result[4] = 20;
    f.pupil().result[5] = 3;
    EXPECT_EQ(f.shell.GeStatusTal(4), StatusTester);
    EXPECT_EQ(f.shell.GeStatusTal(5), StatusExercer);
    EXPECT_EQ(f.pupil().status[5], StatusCommencer);
    EXPECT_EQ(f.pupil().status[6], StatusCommencer);
}

TEST(DiagnosisStatus, NoResultKeepsAWaitingProgrammeWaiting) {
    StatusFixture f;
    EXPECT_EQ(f.shell.GeStatusTal(3), StatusAttendre);
    f.pupil().status[3] = StatusTester;
    EXPECT_EQ(f.shell.GeStatusTal(3), StatusCommencer);
    EXPECT_EQ(f.shell.GeStatusTal(7), StatusCommencer);
    // A tested next programme keeps its status.
    f.pupil().result[2] = 12;
    f.pupil().status[2] = StatusExercer;
    EXPECT_EQ(f.shell.GeStatusTal(1), StatusCommencer);
    EXPECT_EQ(f.pupil().status[2], StatusExercer);
}

TEST(DiagnosisResult, StoresResultStatusAndTimeAndTheFile) {
    StatusFixture f;
    f.clock.time = {2026, 5, 7, 9, 3, 59, 0};
    f.finish(2, 15);
    EXPECT_EQ(f.pupil().result[2], 15);
    EXPECT_EQ(f.pupil().status[2], StatusTester);
    EXPECT_EQ(f.pupil().status[3], StatusTester);
    EXPECT_EQ(f.pupil().year[2], 2026);
    EXPECT_EQ(f.pupil().month[2], 5);
    EXPECT_EQ(f.pupil().day[2], 7);
    EXPECT_EQ(f.pupil().hour[2], 9);
    EXPECT_EQ(f.pupil().minute[2], 3);
    EXPECT_EQ(protocolDateText(f.pupil(), 2), "260507 09:03");
    EXPECT_EQ(f.s.ProtocolSave, 0);
    std::vector<DiagnosisRecord> r = f.stored();
    ASSERT_EQ(r.size(), 1u) << "with no protocol open the result is stored all the same";
    EXPECT_EQ(r[0].result[2], 15);
    EXPECT_EQ(r[0].status[3], StatusTester);
}

TEST(DiagnosisResult, FourteenMeansPractiseAndTheNextWaits) {
    StatusFixture f;
    f.finish(2, 14);
    EXPECT_EQ(f.pupil().status[2], StatusExercer);
    EXPECT_EQ(f.pupil().status[3], StatusAttendre);
}

TEST(DiagnosisResult, BrokenOffWithNothingAfterAnEarlierResult) {
    StatusFixture f;
    f.finish(5, 12);
    f.finish(5, 0);
    EXPECT_EQ(f.pupil().result[5], 0);
    EXPECT_EQ(f.pupil().status[5], StatusExercer);
    // Without an earlier result a zero is just no result.
    f.finish(6, 0);
    EXPECT_EQ(f.pupil().status[6], StatusCommencer);
}

TEST(DiagnosisResult, TheOpenProtocolRedrawsAndStores) {
    StatusFixture f;
    int redraws = 0;
    f.shell.setProtocolRedraw([&] {
        ++redraws;
        EXPECT_EQ(f.s.ProtocolSave, 1);
        EXPECT_EQ(f.pupil().result[1], 17) << "the result is in place before the redraw";
        // This protocol does not store: it only clears the flag as its redraw would.
        f.s.ProtocolSave = 0;
    });
    f.finish(1, 17);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(f.stored().empty()) << "the protocol's redraw does the storing, not twice";

    f.shell.setProtocolRedraw([&] { ++redraws; });
    f.finish(1, 18);
    EXPECT_EQ(redraws, 2);
    ASSERT_EQ(f.stored().size(), 1u) << "a redraw that did not store leaves it to diagnosback";
    EXPECT_EQ(f.s.ProtocolSave, 0);

    f.shell.setProtocolRedraw({});
    f.finish(1, 19);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(f.stored()[0].result[1], 19);
}

TEST(DiagnosisResult, AProgrammeOutsideTheTableStoresNothingNew) {
    StatusFixture f;
    DiagnosisRecord before = f.pupil();
    EXPECT_EQ(f.shell.GeStatusTal(0), 0);
    EXPECT_EQ(f.shell.GeStatusTal(21), 0);
    f.finish(0, 10);
    f.finish(21, 10);
    for (std::int32_t v : f.pupil().result)
        EXPECT_EQ(v, 0);
    EXPECT_EQ(f.pupil().status[2], before.status[2]);
}
