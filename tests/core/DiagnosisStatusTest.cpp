// Results and statuses: GeStatusTal's chain of the vocabulary programmes and what diagnosback
// stores at the end of a diagnosis test.

#include "DiagnosisFile.h"
#include "DiagnosisRules.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

// A new pupil named Anna.
struct StatusFixture : ShellFixture {
    StatusFixture() {
        shell.NollstaellElev();
        s.CurrentPupil.name = AnsiText::ascii("Anna");
    }
    DiagnosisRecord& pupil() { return s.CurrentPupil; }
    std::uint8_t status(int n) { return pupil().status[static_cast<std::size_t>(n)]; }
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
        int programme, result;
        int status, nextStatus;
    } cases[] = {
        {2, 14, StatusExercer, StatusAttendre}, // not passed: practise, 3 waits
        {2, 15, StatusTester, StatusTester},    // passed: 3 may be tested
        {1, 20, StatusTester, StatusTester},
        {1, 1, StatusExercer, StatusAttendre},
        {3, 16, StatusTester, StatusTester},
        {4, 20, StatusTester, StatusCommencer}, // 4 and later
        {5, 3, StatusExercer, StatusCommencer}, // touch no other
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.programme) + ": " + std::to_string(c.result));
        StatusFixture f;
        const std::uint8_t before = f.status(c.programme);
        f.pupil().result[static_cast<std::size_t>(c.programme)] = c.result;
        EXPECT_EQ(f.shell.GeStatusTal(c.programme), c.status);
        EXPECT_EQ(f.status(c.programme + 1), c.nextStatus);
        EXPECT_EQ(f.status(c.programme), before) << "the caller stores the status";
    }
}

TEST(DiagnosisStatus, NoResultKeepsAWaitingProgrammeWaiting) {
    StatusFixture f;
    EXPECT_EQ(f.shell.GeStatusTal(3), StatusAttendre);
    f.pupil().status[3] = StatusTester;
    EXPECT_EQ(f.shell.GeStatusTal(3), StatusCommencer);
    EXPECT_EQ(f.shell.GeStatusTal(7), StatusCommencer);
    f.pupil().result[2] = 12; // a tested next programme keeps its status
    f.pupil().status[2] = StatusExercer;
    EXPECT_EQ(f.shell.GeStatusTal(1), StatusCommencer);
    EXPECT_EQ(f.status(2), StatusExercer);
}

TEST(DiagnosisResult, FourteenAndFifteenInProgrammeTwoAreStoredWithTheirTimeAndEffect) {
    for (auto [right, second, third] :
         {std::tuple{15, StatusTester, StatusTester}, {14, StatusExercer, StatusAttendre}}) {
        SCOPED_TRACE(right);
        StatusFixture f;
        f.clock.time = {2026, 5, 7, 9, 3, 59, 0};
        f.finish(2, right);
        EXPECT_EQ(f.pupil().result[2], right);
        EXPECT_EQ(f.status(2), second);
        EXPECT_EQ(f.status(3), third);
        EXPECT_EQ(protocolDateText(f.pupil(), 2), "260507 09:03");
        EXPECT_EQ(f.pupil().year[2], 2026);
        EXPECT_EQ(f.s.ProtocolSave, 0);
        const std::vector<DiagnosisRecord> r = f.stored();
        ASSERT_EQ(r.size(), 1u) << "with no protocol open the result is stored all the same";
        EXPECT_EQ(r[0].result[2], right);
        EXPECT_EQ(r[0].status[3], third);
    }
}

TEST(DiagnosisResult, BrokenOffWithNothingAfterAnEarlierResult) {
    StatusFixture f;
    f.finish(5, 12);
    f.finish(5, 0);
    EXPECT_EQ(f.pupil().result[5], 0);
    EXPECT_EQ(f.status(5), StatusExercer);
    f.finish(6, 0);
    EXPECT_EQ(f.status(6), StatusCommencer) << "without an earlier result a zero is just no result";
}

TEST(DiagnosisResult, TheOpenProtocolRedrawsAndStores) {
    StatusFixture f;
    int redraws = 0;
    f.shell.setProtocolRedraw([&] {
        ++redraws;
        EXPECT_EQ(f.s.ProtocolSave, 1);
        EXPECT_EQ(f.pupil().result[1], 17) << "the result is in place before the redraw";
        f.s.ProtocolSave =
            0; // this protocol does not store: it only clears the flag as its redraw would
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
    const DiagnosisRecord before = f.pupil();
    EXPECT_EQ(f.shell.GeStatusTal(0), 0);
    EXPECT_EQ(f.shell.GeStatusTal(21), 0);
    f.finish(0, 10);
    f.finish(21, 10);
    for (std::int32_t v : f.pupil().result)
        EXPECT_EQ(v, 0);
    EXPECT_EQ(f.status(2), before.status[2]);
}
