// The routines behind the diagnosis login: the name list, finding and loading a pupil, storing
// the protocol, deleting one or all diagnoses, the administrator's password file and the check
// of the diagnosis directory.

#include "DiagnosisFile.h"
#include "DiagnosisRecordCodec.h"
#include "Fakes.h"
#include "SafeFile.h"
#include "Scrambling.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

AnsiText A(const std::string& utf8) {
    return AnsiText::fromUtf8(utf8);
}

DiagnosisRecord named(const std::string& name, std::int32_t result1 = 0,
                      const std::string& password = "") {
    DiagnosisRecord r;
    r.name = A(name);
    r.password = A(password);
    r.result[1] = result1;
    return r;
}

struct DiagnosisFixture : ShellFixture {
    fs::path dir = content.root() / "RESULTAT";
    fs::path diaFile = dir / "FDIAG.DIA";

    void writeRecords(const std::vector<DiagnosisRecord>& records) {
        content.writeRaw("RESULTAT/FDIAG.DIA", DiagnosisFile::encodeAll(records));
    }
    std::vector<DiagnosisRecord> stored() { return DiagnosisFile(dir).read().records; }
    std::vector<std::string> storedNames() {
        std::vector<std::string> out;
        for (const DiagnosisRecord& r : stored())
            out.push_back(r.name.toUtf8());
        return out;
    }
    std::string bytes() { return readWholeFile(diaFile).value_or("<missing>"); }
};

std::vector<std::string> utf8(const std::vector<AnsiText>& v) {
    std::vector<std::string> out;
    for (const AnsiText& t : v)
        out.push_back(t.toUtf8());
    return out;
}

} // namespace

// ---- the name list and loading ----

TEST(DiagnosisNames, NoFileGivesNoList) {
    DiagnosisFixture f;
    EXPECT_FALSE(f.shell.VisaListbox().has_value());
}

TEST(DiagnosisNames, ListedUnscrambledInSwedishOrderDuplicatesKept) {
    DiagnosisFixture f;
    DiagnosisRecord scrambled = named("x");
    scrambled.name = kryptrad(A("Cecilia"));
    f.writeRecords({named("Örjan"), named("bo"), named("Ärla"), scrambled, named("Åsa"),
                    named("Anna"), named("Bo"), named("Anna"), named("Émile")});
    std::optional<std::vector<AnsiText>> list = f.shell.VisaListbox();
    ASSERT_TRUE(list);
    EXPECT_EQ(utf8(*list), (std::vector<std::string>{"Anna", "Anna", "Bo", "bo", "Cecilia", "Émile",
                                                     "Åsa", "Ärla", "Örjan"}));
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(DiagnosisNames, NamnFinnsIgnoresLetterCaseAndClearsWhenNotFound) {
    DiagnosisFixture f;
    f.writeRecords({named("Anna", 12, "pw")});
    f.s.CurrentPupil.result[5] = 9;
    EXPECT_TRUE(f.shell.NamnFinns(A("ANNA")));
    EXPECT_EQ(f.s.CurrentPupil.name, A("ANNA"));
    EXPECT_EQ(f.s.CurrentPupil.result[5], 9) << "found: nothing is copied";

    EXPECT_FALSE(f.shell.NamnFinns(A("Bo")));
    EXPECT_EQ(f.s.CurrentPupil.name, A("Bo"));
    EXPECT_EQ(f.s.CurrentPupil.result[5], 0);
    EXPECT_EQ(f.s.CurrentPupil.status[2], 1);
}

TEST(DiagnosisNames, HaemtaElevLoadsTheFirstMatchAndReturnsThePassword) {
    DiagnosisFixture f;
    f.writeRecords({named("Bo", 3), named("anna", 17, "hemlig"), named("Anna", 5, "annan")});
    AnsiText password = f.shell.HaemtaElev(A("Anna"));
    EXPECT_EQ(password, A("hemlig"));
    EXPECT_EQ(f.s.CurrentPupil.result[1], 17);
    EXPECT_EQ(f.s.CurrentPupil.password, A("hemlig"));
    EXPECT_EQ(f.s.CurrentPupil.name, A("Anna")) << "the name as asked for";
}

TEST(DiagnosisNames, HaemtaElevWithoutRecordOrFileClears) {
    DiagnosisFixture f;
    f.s.CurrentPupil.result[1] = 20;
    f.s.CurrentPupil.password = A("old");
    EXPECT_TRUE(f.shell.HaemtaElev(A("Nobody in particular at all")).empty());
    EXPECT_EQ(f.s.CurrentPupil.result[1], 0);
    EXPECT_TRUE(f.s.CurrentPupil.password.empty());
    EXPECT_EQ(f.s.CurrentPupil.name.size(), 21u) << "cut to the field";
}

TEST(DiagnosisNames, AScrambledPasswordIsReturnedUnscrambled) {
    DiagnosisFixture f;
    DiagnosisRecord r = named("Anna");
    r.password = kryptrad(A("abc"));
    f.writeRecords({r});
    EXPECT_EQ(f.shell.HaemtaElev(A("anna")), A("abc"));
    EXPECT_EQ(f.s.CurrentPupil.password, r.password) << "the record itself as stored";
}

TEST(DiagnosisNames, APasswordThatUnscramblesToNothingStillCounts) {
    DiagnosisFixture f;
    f.writeRecords({named("Anna", 0, "*")});
    EXPECT_FALSE(f.shell.HaemtaElev(A("Anna")).empty()) << "the pupil must still be asked";
}

TEST(DiagnosisNames, NollstaellElevGivesANewPupilsStatuses) {
    DiagnosisFixture f;
    f.s.CurrentPupil = named("Anna", 18, "pw");
    f.s.CurrentPupil.status.fill(3);
    f.s.CurrentPupil.year[1] = 2020;
    f.shell.NollstaellElev();
    EXPECT_TRUE(f.s.CurrentPupil.name.empty());
    EXPECT_TRUE(f.s.CurrentPupil.password.empty());
    std::vector<int> statuses;
    for (std::uint8_t s : f.s.CurrentPupil.status)
        statuses.push_back(s);
    std::vector<int> expected(20, 0);
    expected[1] = expected[2] = expected[3] = 1;
    EXPECT_EQ(statuses, expected);
    EXPECT_EQ(f.s.CurrentPupil.result[1], 0);
    EXPECT_EQ(f.s.CurrentPupil.year[1], 2020) << "dates are left as they are";
}

// ---- storing ----

TEST(DiagnosisStoring, FirstStoreCreatesTheFile) {
    DiagnosisFixture f;
    f.shell.NollstaellElev();
    f.s.CurrentPupil.name = A("Anna");
    EXPECT_TRUE(f.shell.SparaProtokoll());
    ASSERT_EQ(f.stored().size(), 1u);
    EXPECT_EQ(f.bytes(), encodeDiagnosisRecord(f.s.CurrentPupil));
}

TEST(DiagnosisStoring, ARecordIsReplacedInPlaceWhateverItsLetterCase) {
    DiagnosisFixture f;
    f.writeRecords({named("Bo", 3), named("anna", 10), named("Cia", 7)});
    f.shell.HaemtaElev(A("ANNA"));
    f.s.CurrentPupil.result[1] = 19;
    EXPECT_TRUE(f.shell.SparaProtokoll());
    std::vector<DiagnosisRecord> r = f.stored();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(f.storedNames(), (std::vector<std::string>{"Bo", "ANNA", "Cia"}));
    EXPECT_EQ(r[1].result[1], 19);
    EXPECT_EQ(r[0].result[1], 3);
    EXPECT_EQ(r[2].result[1], 7);
}

TEST(DiagnosisStoring, ANewPupilIsAppended) {
    DiagnosisFixture f;
    f.writeRecords({named("Bo", 3)});
    f.shell.NamnFinns(A("Cia"));
    EXPECT_TRUE(f.shell.SparaProtokoll());
    EXPECT_EQ(f.storedNames(), (std::vector<std::string>{"Bo", "Cia"}));
}

TEST(DiagnosisStoring, AScrambledStoredNameIsReplacedNotDuplicated) {
    DiagnosisFixture f;
    DiagnosisRecord old = named("x", 4);
    old.name = kryptrad(A("Anna"));
    f.writeRecords({old});
    f.shell.HaemtaElev(A("Anna"));
    f.s.CurrentPupil.result[1] = 16;
    EXPECT_TRUE(f.shell.SparaProtokoll());
    std::vector<DiagnosisRecord> r = f.stored();
    ASSERT_EQ(r.size(), 1u) << "else the next login would load the old result again";
    EXPECT_EQ(r[0].name, A("Anna"));
    EXPECT_EQ(r[0].result[1], 16);
}

TEST(DiagnosisStoring, APlainNameThatLooksScrambledIsStillFound) {
    DiagnosisFixture f;
    f.writeRecords({named("*Zorro", 4)});
    EXPECT_TRUE(f.shell.NamnFinns(A("*zorro")));
    f.shell.HaemtaElev(A("*zorro"));
    EXPECT_EQ(f.s.CurrentPupil.result[1], 4);
    EXPECT_TRUE(f.shell.SparaProtokoll());
    EXPECT_EQ(f.stored().size(), 1u);
}

TEST(DiagnosisStoring, ANamelessRecordIsNotStored) {
    DiagnosisFixture f;
    f.shell.NollstaellElev();
    EXPECT_FALSE(f.shell.SparaProtokoll());
    EXPECT_FALSE(fs::exists(f.diaFile));
}

TEST(DiagnosisStoring, StrayBytesAreToldOnceAndKept) {
    DiagnosisFixture f;
    f.clock.time = {2026, 3, 4, 5, 6, 0, 0};
    f.content.writeRaw("RESULTAT/FDIAG.DIA",
                       DiagnosisFile::encodeAll({named("Bo", 3)}) + std::string(40, 'z'));
    f.shell.NamnFinns(A("Cia"));
    EXPECT_TRUE(f.shell.SparaProtokoll());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("40 byte"), std::string::npos) << f.messages.shown[0];
    EXPECT_NE(f.messages.shown[0].find("FDIAG-2603040506.BAD"), std::string::npos);
    EXPECT_EQ(f.storedNames(), (std::vector<std::string>{"Bo", "Cia"}));
    EXPECT_TRUE(f.shell.SparaProtokoll());
    EXPECT_EQ(f.messages.shown.size(), 1u) << "told once";
}

TEST(DiagnosisStoring, AnUnwritableDirectoryFailsSilentlyAndKeepsTheRecord) {
    DiagnosisFixture f;
    f.s.DiagnosisDir = (f.content.root() / "missing").string();
    f.shell.NamnFinns(A("Anna"));
    f.s.CurrentPupil.result[1] = 11;
    EXPECT_FALSE(f.shell.SparaProtokoll());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.s.CurrentPupil.result[1], 11);
}

// ---- deleting ----

TEST(DiagnosisDeleting, NoKeepsTheFileAndEndsTheDeletion) {
    DiagnosisFixture f;
    f.writeRecords({named("Anna", 3), named("Bo", 4)});
    std::string before = f.bytes();
    f.s.DeleteName = A("Anna");
    f.s.DeleteMode = 1;
    f.messages.answer = false;
    EXPECT_FALSE(f.shell.SparaRaderaProt());
    EXPECT_EQ(f.s.DeleteMode, 0);
    EXPECT_EQ(f.bytes(), before);
    EXPECT_EQ(f.messages.shown,
              std::vector<std::string>{"Vill du verkligen ta bort diagnosen \"Anna\"?"});
}

TEST(DiagnosisDeleting, YesRemovesExactNamesAndNamelessRecords) {
    DiagnosisFixture f;
    f.writeRecords(
        {named("Anna", 3), named("anna", 4), named("", 5), named("Bo", 6), named("Anna", 7)});
    f.s.DeleteName = A("Anna");
    EXPECT_TRUE(f.shell.SparaRaderaProt());
    EXPECT_EQ(f.storedNames(), (std::vector<std::string>{"anna", "Bo"}));
    EXPECT_EQ(f.messages.shown.back(), "Diagnosen \"Anna\" är borttagen.");
    EXPECT_FALSE(fs::exists(f.dir / "Slask.DI2"));
}

TEST(DiagnosisDeleting, AScrambledStoredNameIsDeletedByItsListedName) {
    DiagnosisFixture f;
    DiagnosisRecord old = named("x");
    old.name = kryptrad(A("Anna"));
    f.writeRecords({old, named("Bo")});
    f.s.DeleteName = A("Anna");
    EXPECT_TRUE(f.shell.SparaRaderaProt());
    EXPECT_EQ(f.storedNames(), std::vector<std::string>{"Bo"});
}

TEST(DiagnosisDeleting, MissingFileIsReportedWithoutAsking) {
    DiagnosisFixture f;
    f.s.DeleteName = A("Anna");
    EXPECT_FALSE(f.shell.SparaRaderaProt());
    EXPECT_EQ(f.messages.shown, std::vector<std::string>{"Diagnosfilen " + f.dir.string() +
                                                         "/FDIAG.DIA saknas eller är felaktig"});
}

TEST(DiagnosisDeleting, RaderaAllaPutsTheFileAsideUnderTheClocksStamp) {
    DiagnosisFixture f;
    f.clock.time = {2002, 12, 1, 8, 23, 45, 0};
    EXPECT_EQ(f.shell.Datumstaempel(), "0212010823");
    f.clock.time = {2100, 1, 2, 3, 4, 5, 0};
    EXPECT_EQ(f.shell.Datumstaempel(), "0001020304");
    f.clock.time = {2002, 12, 1, 8, 23, 45, 0};
    f.writeRecords({named("Anna", 3)});
    std::string before = f.bytes();
    EXPECT_TRUE(f.shell.RaderaAlla());
    EXPECT_FALSE(fs::exists(f.diaFile));
    EXPECT_EQ(readWholeFile(f.dir / "FR0212010823.DIS"), before);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_FALSE(f.shell.VisaListbox().has_value()) << "no diagnosis until the next store";

    EXPECT_FALSE(f.shell.RaderaAlla());
    EXPECT_EQ(f.messages.shown, std::vector<std::string>{"Diagnosfilen " + f.dir.string() +
                                                         "/FDIAG.DIA saknas eller är felaktig"});
}

// ---- the administrator's password file ----

TEST(TeacherPassword, MissingFileIsCreatedWithTheInitialPassword) {
    DiagnosisFixture f;
    EXPECT_TRUE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.s.TeacherPassword, A("QORMADEX"));
    std::optional<std::string> bytes = readWholeFile(f.dir / "FRA45444.DOT");
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 54u);
    PasswordRecord rec = decodePasswordRecord(*bytes);
    EXPECT_EQ(rec.field1, kryptrad(A("VÄKTOR")));
    EXPECT_EQ(rec.field2, kryptrad(A("QORMADEX")));
    EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("QORMADEX")));
    EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("Bex Loma")));
    EXPECT_FALSE(f.shell.teacherPasswordAccepted(A("qormadex")));
}

TEST(TeacherPassword, ANewPasswordIsReadBackAtTheNextLoad) {
    DiagnosisFixture f;
    ASSERT_TRUE(f.shell.LaerarLosen(1));
    f.s.CurrentPupil.password = A("Nytt lösen");
    EXPECT_TRUE(f.shell.LaerarLosen(2));
    f.s.TeacherPassword = AnsiText();
    EXPECT_TRUE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.s.TeacherPassword, A("Nytt lösen"));
    EXPECT_FALSE(fs::exists(f.dir / "FRA45444.DOT.new"));
}

TEST(TeacherPassword, ADamagedFileLetsOnlyTheReservePasswordIn) {
    DiagnosisFixture f;
    f.content.writeRaw("RESULTAT/FRA45444.DOT", "short");
    EXPECT_FALSE(f.shell.LaerarLosen(1));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("är felaktig"), std::string::npos);
    EXPECT_FALSE(f.shell.teacherPasswordAccepted(AnsiText()));
    EXPECT_FALSE(f.shell.teacherPasswordAccepted(A("QORMADEX")));
    EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("Bex Loma")));

    // An empty stored password is no password either.
    f.content.writeRaw("RESULTAT/FRA45444.DOT",
                       encodePasswordRecord({kryptrad(A("VÄKTOR")), AnsiText()}));
    EXPECT_FALSE(f.shell.LaerarLosen(1));
    EXPECT_FALSE(f.shell.teacherPasswordAccepted(AnsiText()));

    // Setting a new password mends the file.
    f.s.CurrentPupil.password = A("mended");
    EXPECT_TRUE(f.shell.LaerarLosen(2));
    EXPECT_TRUE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.s.TeacherPassword, A("mended"));
}

TEST(TeacherPassword, ThePasswordFileCannotBeCreated) {
    DiagnosisFixture f;
    f.s.DiagnosisDir = (f.content.root() / "missing").string();
    EXPECT_FALSE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.messages.shown, std::vector<std::string>{"Kunde inte skapa lärarlösenfilen."});
    EXPECT_FALSE(f.shell.teacherPasswordAccepted(A("QORMADEX")));
    EXPECT_TRUE(f.shell.teacherPasswordAccepted(A("Bex Loma")));

    f.s.CurrentPupil.password = A("abc");
    EXPECT_FALSE(f.shell.LaerarLosen(2));
    EXPECT_EQ(f.messages.shown.back(), "Kunde inte skapa lärarlösenfilen.");
}

TEST(TeacherPassword, APasswordThatWouldReadBackDifferentlyIsRefused) {
    DiagnosisFixture f;
    ASSERT_TRUE(f.shell.LaerarLosen(1));
    std::string before = readWholeFile(f.dir / "FRA45444.DOT").value();
    for (const char* bad : {"*abc", ""}) {
        f.s.CurrentPupil.password = A(bad);
        EXPECT_FALSE(f.shell.LaerarLosen(2)) << bad;
    }
    EXPECT_EQ(readWholeFile(f.dir / "FRA45444.DOT").value(), before);
    // Texts the scrambling leaves alone read back as they are and are fine.
    f.s.CurrentPupil.password = A("#hash");
    EXPECT_TRUE(f.shell.LaerarLosen(2));
    EXPECT_TRUE(f.shell.LaerarLosen(1));
    EXPECT_EQ(f.s.TeacherPassword, A("#hash"));
}

// ---- the diagnosis directory ----

TEST(DiagnosisDirectory, AWritableDirectoryIsKept) {
    DiagnosisFixture f;
    fs::create_directories(f.content.root() / "elsewhere");
    f.s.DiagnosisDir = (f.content.root() / "elsewhere").string();
    f.shell.checkDiagnosisDirectory();
    EXPECT_EQ(f.s.DiagnosisDir, (f.content.root() / "elsewhere").string());
    EXPECT_EQ(f.s.DiagnosisPathChecked, 1);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(DiagnosisDirectory, AnUnusableDirectoryGivesTheFallbackForTheRun) {
    DiagnosisFixture f;
    std::string bad = (f.content.root() / "no" / "such").string();
    f.s.DiagnosisDir = bad;
    f.shell.checkDiagnosisDirectory();
    EXPECT_EQ(f.s.DiagnosisDir, f.shell.resultDir());
    EXPECT_EQ(f.s.DiagnosisPathChecked, 1);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Diagnosen kan inte sparas i katalogen " + bad +
                                       ". Den kommer nu att sparas i katalogen " +
                                       f.content.root().string() + "/RESULTAT");

    // Once per run: a later check changes nothing.
    f.s.DiagnosisDir = bad;
    f.shell.checkDiagnosisDirectory();
    EXPECT_EQ(f.s.DiagnosisDir, bad);
    EXPECT_EQ(f.messages.shown.size(), 1u);
}
