// Where the settings file and the results go: in the course when it is writable, in the user's
// directories for an installed (read-only) course, in the path file's directory when it names one.

#include "Fakes.h"
#include "IniFile.h"
#include "WritePlaces.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

using namespace orvela;
using namespace orvela::testing;
namespace fs = std::filesystem;

namespace {

// Every file of a tree with its bytes, to see that nothing in it changed.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        std::ostringstream bytes;
        if (e.is_regular_file()) bytes << std::ifstream(e.path(), std::ios::binary).rdbuf();
        files[fs::relative(e.path(), root).string()] = bytes.str();
    }
    return files;
}

// A shell on a course with the user's base directories in a temporary tree of their own.
struct PlacesFixture : ShellFixture {
    TempContent home;
    WritePlaces::UserBase base{home.root() / "config", home.root() / "data"};

    void installed() {
        shell.places() = WritePlaces(shell.paths(), base, WritePlaces::nothingWritable());
    }
    void writable() { shell.places() = WritePlaces(shell.paths(), base); }
};

} // namespace

TEST(WritePlaces, ReadOnlyCourseUsesTheUsersDirectories) {
    PlacesFixture f;
    f.content.write("PROGRAM/FRAN.INI", {"[SETTINGS]", "TIMESHOWINGCORRECTANSWER=5", "SOUNDS=0"});
    const auto before = snapshot(f.content.root());
    f.installed();
    const fs::path results = f.home.root() / "data/orvela/RESULTAT";

    f.shell.HaemtaPathINI();
    EXPECT_EQ(f.s.DiagnosisDir, results.string());
    EXPECT_EQ(f.s.ScoreDir, results.string() + "/");
    f.shell.KontrolleraScoreDir();
    EXPECT_TRUE(fs::is_directory(results)) << "created at start-up";
    EXPECT_EQ(f.s.ScoreDir, results.string() + "/");

    f.shell.HaemtaFranINI();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 5) << "the school's settings as delivered";
    f.s.ShowAnswerSeconds = 7;
    ASSERT_TRUE(f.shell.SparaFranINI());
    const fs::path own = f.home.root() / "config/orvela/FRAN.INI";
    ASSERT_TRUE(fs::exists(own));
    IniFile ini = IniFile::load(own);
    EXPECT_EQ(ini.readString("SETTINGS", "TIMESHOWINGCORRECTANSWER"), "7");
    f.s.ShowAnswerSeconds = 1;
    f.shell.HaemtaFranINI();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 7) << "the user's copy is read first";

    // A diagnosis check with the fallback in the user's directory writes nothing into the course.
    EXPECT_TRUE(f.shell.DiagnosFileWish(f.s.DiagnosisDir));
    EXPECT_EQ(snapshot(f.content.root()), before) << "the course is never written";
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(WritePlaces, WritableCourseKeepsEverythingInTheCourse) {
    PlacesFixture f;
    f.writable();
    f.content.write("PROGRAM/FRAN.INI", {"[SETTINGS]", "TIMESHOWINGCORRECTANSWER=5"});
    // A stale copy in the user's directory does not override the course's own file.
    fs::create_directories(f.home.root() / "config/orvela");
    std::ofstream(f.home.root() / "config/orvela/FRAN.INI") << "[SETTINGS]\nTIMESHOWINGCORRECTANSWER=1\n";

    f.shell.HaemtaPathINI();
    f.shell.KontrolleraScoreDir();
    EXPECT_EQ(f.s.ScoreDir, (f.content.root() / "RESULTAT").string() + "/");
    EXPECT_EQ(f.s.DiagnosisDir, (f.content.root() / "RESULTAT").string());
    f.shell.HaemtaFranINI();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 5);
    f.s.ShowAnswerSeconds = 4;
    ASSERT_TRUE(f.shell.SparaFranINI());
    EXPECT_EQ(IniFile::load(f.content.root() / "PROGRAM/FRAN.INI")
                  .readString("SETTINGS", "TIMESHOWINGCORRECTANSWER"),
              "4");
    EXPECT_FALSE(fs::exists(f.home.root() / "data")) << "no user directory is made";

    // A course without RESULTAT but with a writable root still takes the results.
    fs::remove_all(f.content.root() / "RESULTAT");
    f.writable();
    EXPECT_EQ(f.shell.resultDir(), (f.content.root() / "RESULTAT").string());
}

TEST(WritePlaces, PathFileDirectoryComesFirstWhenWritable) {
    PlacesFixture f;
    const fs::path shared = f.home.root() / "klass7b";
    fs::create_directories(shared);
    f.content.write("PROGRAM/FRAPATH.INI",
                    {"[PATH]", "DIAGNOSPATH=" + shared.string(), "SCOREPATH=" + shared.string()});
    const auto before = snapshot(f.content.root());
    f.installed();
    f.shell.HaemtaPathINI();
    f.shell.KontrolleraScoreDir();
    EXPECT_EQ(f.s.ScoreDir, shared.string() + "/");
    EXPECT_EQ(f.s.DiagnosisDir, shared.string());
    EXPECT_TRUE(f.messages.shown.empty());

    // The folder is gone: the pupil is told where the results go instead.
    fs::remove_all(shared);
    f.shell.HaemtaPathINI();
    f.shell.KontrolleraScoreDir();
    const std::string results = (f.home.root() / "data/orvela/RESULTAT").string();
    EXPECT_EQ(f.s.ScoreDir, results + "/");
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0],
              "Katalogen " + shared.string() + " som FRAPATH.INI anger för resultaten finns inte "
              "eller går inte att skriva i. Resultaten sparas i stället i katalogen " + results + ".");
    EXPECT_EQ(snapshot(f.content.root()), before);
}

TEST(WritePlaces, UserDirectoryThatCannotBeCreated) {
    PlacesFixture f;
    // A plain file where the base directories should be: nothing can be created below them.
    std::ofstream(f.home.root() / "blocked") << "x";
    f.base = {f.home.root() / "blocked", f.home.root() / "blocked"};
    f.installed();
    const auto before = snapshot(f.content.root());

    f.shell.HaemtaPathINI();
    f.shell.KontrolleraScoreDir();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].rfind("Kan inte skapa katalogen " +
                                            (f.home.root() / "blocked/orvela/RESULTAT").string(), 0),
              0u)
        << f.messages.shown[0];
    EXPECT_NE(f.messages.shown[0].find("Resultat och rekord kan inte sparas."), std::string::npos);

    f.s.ShowAnswerSeconds = 6;
    EXPECT_FALSE(f.shell.SparaFranINI());
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.shown[1].rfind("Inställningarna kunde inte sparas: Kan inte skapa "
                                        "katalogen " +
                                            (f.home.root() / "blocked/orvela").string(),
                                        0),
              0u)
        << f.messages.shown[1];
    EXPECT_EQ(snapshot(f.content.root()), before) << "nothing falls back into the course";
}

TEST(WritePlaces, UserBaseFromTheEnvironment) {
    const char* keep[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"};
    std::map<std::string, std::string> saved;
    for (const char* k : keep)
        if (const char* v = std::getenv(k)) saved[k] = v;
    setenv("HOME", "/home/elev", 1);
    setenv("XDG_CONFIG_HOME", "/srv/conf", 1);
    setenv("XDG_DATA_HOME", "relative/data", 1); // not absolute: ignored
    WritePlaces::UserBase b = WritePlaces::UserBase::fromEnvironment();
    EXPECT_EQ(b.config, fs::path("/srv/conf"));
    EXPECT_EQ(b.data, fs::path("/home/elev/.local/share"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(WritePlaces::UserBase::fromEnvironment().config, fs::path("/home/elev/.config"));
    for (const char* k : keep) {
        if (saved.count(k)) setenv(k, saved[k].c_str(), 1);
        else unsetenv(k);
    }
}
