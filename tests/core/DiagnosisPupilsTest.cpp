// The routines behind the diagnosis login: the name list, finding and loading a pupil, storing
// the protocol, deleting one or all diagnoses, the administrator's password file and the check
// of the diagnosis directory.

#include "Diagnoses.h"
#include "DiagnosisRecordCodec.h"
#include "Scrambling.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct PupilsFixture : ::testing::Test {
    ShellFixture f;
    fs::path dir = f.content.root() / "RESULTAT";
    fs::path diaFile = dir / "FDIAG.DIA";

    void write(const std::vector<DiagnosisRecord>& records) { writePupils(f.content, records); }
    std::vector<DiagnosisRecord> stored() { return DiagnosisFile(dir).read().records; }
    std::vector<std::string> names() { return storedNames(dir); }
    std::string bytes(const fs::path& p) { return readWholeFile(p).value_or("<missing>"); }
    // A record whose stored name is scrambled.
    static DiagnosisRecord scrambledName(const std::string& name, int result1 = 0) {
        DiagnosisRecord r = pupil("x", "", result1);
        r.name = kryptrad(A(name));
        return r;
    }
    std::string missingFileMessage() {
        return "Diagnosfilen " + dir.string() + "/FDIAG.DIA saknas eller är felaktig";
    }
};

using Names = std::vector<std::string>;

} // namespace

// ---- the name list and loading ----

TEST_F(PupilsFixture, TheListIsUnscrambledInSwedishOrderWithDuplicates) {
    EXPECT_FALSE(f.shell.VisaListbox().has_value()) << "no file, no list";
    write({pupil("Örjan"), pupil("bo"), pupil("Ärla"), scrambledName("Cecilia"), pupil("Åsa"),
           pupil("Anna"), pupil("Bo"), pupil("Anna"), pupil("Émile")});
    const std::optional<std::vector<AnsiText>> list = f.shell.VisaListbox();
    ASSERT_TRUE(list);
    Names listed;
    for (const AnsiText& t : *list)
        listed.push_back(t.toUtf8());
    EXPECT_EQ(listed,
              (Names{"Anna", "Anna", "Bo", "bo", "Cecilia", "Émile", "Åsa", "Ärla", "Örjan"}));
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(PupilsFixture, NamnFinnsIgnoresLetterCaseAndClearsWhenNotFound) {
    write({pupil("Anna", "pw", 12)});
    f.s.CurrentPupil.result[5] = 9;
    EXPECT_TRUE(f.shell.NamnFinns(A("ANNA")));
    EXPECT_EQ(f.s.CurrentPupil.name, A("ANNA"));
    EXPECT_EQ(f.s.CurrentPupil.result[5], 9) << "found: nothing is copied";

    EXPECT_FALSE(f.shell.NamnFinns(A("Bo")));
    EXPECT_EQ(f.s.CurrentPupil.name, A("Bo"));
    EXPECT_EQ(f.s.CurrentPupil.result[5], 0);
    EXPECT_EQ(f.s.CurrentPupil.status[2], 1);
}

TEST_F(PupilsFixture, HaemtaElevLoadsTheFirstMatchAndReturnsThePasswordUnscrambled) {
    DiagnosisRecord scrambled = pupil("Cia");
    scrambled.password = kryptrad(A("abc"));
    write({pupil("Bo", "", 3), pupil("anna", "hemlig", 17), pupil("Anna", "annan", 5), scrambled,
           pupil("Dan", "*")});
    EXPECT_EQ(f.shell.HaemtaElev(A("Anna")), A("hemlig"));
    EXPECT_EQ(f.s.CurrentPupil.result[1], 17);
    EXPECT_EQ(f.s.CurrentPupil.password, A("hemlig"));
    EXPECT_EQ(f.s.CurrentPupil.name, A("Anna")) << "the name as asked for";

    EXPECT_EQ(f.shell.HaemtaElev(A("cia")), A("abc"));
    EXPECT_EQ(f.s.CurrentPupil.password, scrambled.password) << "the record itself as stored";
    EXPECT_FALSE(f.shell.HaemtaElev(A("Dan")).empty())
        << "a password that unscrambles to nothing still counts";

    EXPECT_TRUE(f.shell.HaemtaElev(A("Nobody in particular at all")).empty());
    EXPECT_EQ(f.s.CurrentPupil.result[1], 0) << "without a record the pupil is cleared";
    EXPECT_TRUE(f.s.CurrentPupil.password.empty());
    EXPECT_EQ(f.s.CurrentPupil.name.size(), 21u) << "cut to the field";
}

TEST_F(PupilsFixture, NollstaellElevGivesANewPupilsStatusesAndLeavesTheDates) {
    f.s.CurrentPupil = pupil("Anna", "pw", 18);
    f.s.CurrentPupil.status.fill(3);
    f.s.CurrentPupil.year[1] = 2020;
    f.shell.NollstaellElev();
    EXPECT_TRUE(f.s.CurrentPupil.name.empty());
    EXPECT_TRUE(f.s.CurrentPupil.password.empty());
    std::vector<int> statuses(f.s.CurrentPupil.status.begin(), f.s.CurrentPupil.status.end());
    std::vector<int> expected(20, 0);
    expected[1] = expected[2] = expected[3] = 1;
    EXPECT_EQ(statuses, expected);
    EXPECT_EQ(f.s.CurrentPupil.result[1], 0);
    EXPECT_EQ(f.s.CurrentPupil.year[1], 2020);
}

// ---- storing ----

TEST_F(PupilsFixture, AFirstStoreCreatesTheFileAndANewPupilIsAppended) {
    f.shell.NollstaellElev();
    EXPECT_FALSE(f.shell.SparaProtokoll()) << "a nameless record is not stored";
    EXPECT_FALSE(fs::exists(diaFile));
    f.s.CurrentPupil.name = A("Anna");
    EXPECT_TRUE(f.shell.SparaProtokoll());
    EXPECT_EQ(bytes(diaFile), encodeDiagnosisRecord(f.s.CurrentPupil));
    f.shell.NamnFinns(A("Cia"));
    EXPECT_TRUE(f.shell.SparaProtokoll());
    EXPECT_EQ(names(), (Names{"Anna", "Cia"}));
}

TEST_F(PupilsFixture, ARecordIsReplacedInPlaceWhateverItsLetterCaseOrScrambling) {
    struct Case {
        DiagnosisRecord stored;
        const char* loggedIn;
        Names after;
    } cases[] = {
        {pupil("anna", "", 10), "ANNA", {"Bo", "ANNA", "Cia"}},
        {scrambledName("Anna", 10),
         "Anna",
         {"Bo", "Anna", "Cia"}}, // else the old result comes back
        {pupil("*Zorro", "", 10),
         "*zorro",
         {"Bo", "*zorro", "Cia"}}, // a plain name that looks scrambled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.loggedIn);
        write({pupil("Bo", "", 3), c.stored, pupil("Cia", "", 7)});
        ASSERT_TRUE(f.shell.NamnFinns(A(c.loggedIn)));
        f.shell.HaemtaElev(A(c.loggedIn));
        EXPECT_EQ(f.s.CurrentPupil.result[1], 10);
        f.s.CurrentPupil.result[1] = 19;
        EXPECT_TRUE(f.shell.SparaProtokoll());
        EXPECT_EQ(names(), c.after);
        EXPECT_EQ(stored()[1].result[1], 19);
        EXPECT_EQ(stored()[0].result[1], 3);
        EXPECT_EQ(stored()[2].result[1], 7);
    }
}

TEST_F(PupilsFixture, StrayBytesAreToldOnceAndKept) {
    f.clock.time = {2026, 3, 4, 5, 6, 0, 0};
    writePupils(f.content, {pupil("Bo", "", 3)}, std::string(40, 'z'));
    f.shell.NamnFinns(A("Cia"));
    EXPECT_TRUE(f.shell.SparaProtokoll());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("40 byte"), std::string::npos) << f.messages.shown[0];
    EXPECT_NE(f.messages.shown[0].find("FDIAG-2603040506.BAD"), std::string::npos);
    EXPECT_EQ(names(), (Names{"Bo", "Cia"}));
    EXPECT_TRUE(f.shell.SparaProtokoll());
    EXPECT_EQ(f.messages.shown.size(), 1u) << "told once";
}

TEST_F(PupilsFixture, AnUnwritableDirectoryFailsSilentlyAndKeepsTheRecord) {
    f.s.DiagnosisDir = (f.content.root() / "missing").string();
    f.shell.NamnFinns(A("Anna"));
    f.s.CurrentPupil.result[1] = 11;
    EXPECT_FALSE(f.shell.SparaProtokoll());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.s.CurrentPupil.result[1], 11);
}

// ---- deleting ----

TEST_F(PupilsFixture, DeletingAsksAndRemovesExactNamesAndNamelessRecords) {
    f.s.DeleteName = A("Anna");
    EXPECT_FALSE(f.shell.SparaRaderaProt());
    EXPECT_EQ(f.messages.shown, Names{missingFileMessage()}) << "reported without asking";

    write({pupil("Anna", "", 3), pupil("anna", "", 4), pupil(""), pupil("Bo", "", 6),
           scrambledName("Anna")});
    const std::string before = bytes(diaFile);
    f.s.DeleteMode = 1;
    f.messages.shown.clear();
    f.messages.answer = false;
    EXPECT_FALSE(f.shell.SparaRaderaProt());
    EXPECT_EQ(f.s.DeleteMode, 0);
    EXPECT_EQ(bytes(diaFile), before) << "No keeps the file";
    EXPECT_EQ(f.messages.shown, Names{"Vill du verkligen ta bort diagnosen \"Anna\"?"});

    f.messages.answer = true;
    EXPECT_TRUE(f.shell.SparaRaderaProt());
    EXPECT_EQ(names(), (Names{"anna", "Bo"})) << "the scrambled \"Anna\" goes by its listed name";
    EXPECT_EQ(f.messages.shown.back(), "Diagnosen \"Anna\" är borttagen.");
    EXPECT_FALSE(fs::exists(dir / "Slask.DI2"));
}

TEST_F(PupilsFixture, RaderaAllaPutsTheFileAsideUnderTheClocksStamp) {
    f.clock.time = {2100, 1, 2, 3, 4, 5, 0};
    EXPECT_EQ(f.shell.Datumstaempel(), "0001020304");
    f.clock.time = {2002, 12, 1, 8, 23, 45, 0};
    EXPECT_EQ(f.shell.Datumstaempel(), "0212010823");
    write({pupil("Anna", "", 3)});
    const std::string before = bytes(diaFile);
    EXPECT_TRUE(f.shell.RaderaAlla());
    EXPECT_FALSE(fs::exists(diaFile));
    EXPECT_EQ(bytes(dir / "FR0212010823.DIS"), before);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_FALSE(f.shell.VisaListbox().has_value()) << "no diagnosis until the next store";

    EXPECT_FALSE(f.shell.RaderaAlla());
    EXPECT_EQ(f.messages.shown, Names{missingFileMessage()});
}

// ---- the administrator's password file ----

TEST_F(PupilsFixture, TheFirstAdministratorLoginCreatesThePasswordFileAndANewPasswordHolds) {
    EXPECT_TRUE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.s.TeacherPassword, A("QORMADEX"));
    const std::optional<std::string> file = readWholeFile(dir / "FRA45444.DOT");
    ASSERT_TRUE(file && file->size() == 54u);
    const PasswordRecord rec = decodePasswordRecord(*file);
    EXPECT_EQ(rec.field1, kryptrad(A("VÄKTOR")));
    EXPECT_EQ(rec.field2, kryptrad(A("QORMADEX")));
    EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("QORMADEX")));
    EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("Bex Loma")));
    EXPECT_FALSE(f.shell.teacherPasswordAccepted(A("qormadex")));

    for (const char* bad : {"*abc", ""}) { // they would read back differently
        f.s.CurrentPupil.password = A(bad);
        EXPECT_FALSE(f.shell.LaerarLosen(2)) << bad;
    }
    EXPECT_EQ(readWholeFile(dir / "FRA45444.DOT"), file);
    for (const char* good : {"Nytt lösen", "#hash"}) { // "#" is left alone by the scrambling
        f.s.CurrentPupil.password = A(good);
        EXPECT_TRUE(f.shell.LaerarLosen(2));
        f.s.TeacherPassword = AnsiText();
        EXPECT_TRUE(f.shell.LaerarLosen(1));
        EXPECT_EQ(f.s.TeacherPassword, A(good)) << "read back at the next load";
    }
    EXPECT_FALSE(fs::exists(dir / "FRA45444.DOT.new"));
}

TEST_F(PupilsFixture, ADamagedPasswordFileLetsOnlyTheReservePasswordInUntilMended) {
    for (const std::string& damaged :
         {std::string("short"), encodePasswordRecord({kryptrad(A("VÄKTOR")), AnsiText()})}) {
        f.content.writeRaw("RESULTAT/FRA45444.DOT", damaged);
        EXPECT_FALSE(f.shell.LaerarLosen(1));
        EXPECT_NE(f.messages.shown.at(0).find("är felaktig"), std::string::npos);
        EXPECT_FALSE(f.shell.teacherPasswordAccepted(AnsiText()))
            << "an empty password is no password";
        EXPECT_FALSE(f.shell.teacherPasswordAccepted(A("QORMADEX")));
        EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("Bex Loma")));
    }
    f.s.CurrentPupil.password = A("mended");
    EXPECT_TRUE(f.shell.LaerarLosen(2));
    EXPECT_TRUE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.s.TeacherPassword, A("mended"));
}

TEST_F(PupilsFixture, APasswordFileThatCannotBeCreated) {
    f.s.DiagnosisDir = (f.content.root() / "missing").string();
    EXPECT_FALSE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.messages.shown, Names{"Kunde inte skapa lärarlösenfilen."});
    EXPECT_FALSE(f.shell.teacherPasswordAccepted(A("QORMADEX")));
    EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("Bex Loma")));
    f.s.CurrentPupil.password = A("abc");
    EXPECT_FALSE(f.shell.LaerarLosen(2));
    EXPECT_EQ(f.messages.shown.size(), 2u);
}

// ---- the diagnosis directory ----

TEST_F(PupilsFixture, AnUnusableDiagnosisDirectoryGivesTheFallbackOncePerRun) {
    fs::create_directories(f.content.root() / "elsewhere");
    f.s.DiagnosisDir = (f.content.root() / "elsewhere").string();
    f.shell.checkDiagnosisDirectory();
    EXPECT_EQ(f.s.DiagnosisDir, (f.content.root() / "elsewhere").string())
        << "a writable one is kept";
    EXPECT_TRUE(f.messages.shown.empty());

    ShellFixture g; // a new run
    const std::string bad = (g.content.root() / "no" / "such").string();
    g.s.DiagnosisDir = bad;
    g.shell.checkDiagnosisDirectory();
    EXPECT_EQ(g.s.DiagnosisDir, g.shell.resultDir());
    EXPECT_EQ(g.s.DiagnosisPathChecked, 1);
    EXPECT_EQ(g.messages.shown, Names{"Diagnosen kan inte sparas i katalogen " + bad +
                                      ". Den kommer nu att sparas i katalogen " +
                                      g.content.root().string() + "/RESULTAT"});
    g.s.DiagnosisDir = bad; // a later check in the same run changes nothing
    g.shell.checkDiagnosisDirectory();
    EXPECT_EQ(g.s.DiagnosisDir, bad);
    EXPECT_EQ(g.messages.shown.size(), 1u);
}
