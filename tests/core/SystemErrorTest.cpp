// The program's messages about files: the system's reason for a failure said in Swedish, and the
// texts of the diagnosis directory messages.

#include "Fakes.h"
#include "SafeFile.h"
#include "SystemError.h"

#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {
// The user's configuration and data directories placed at `base` while the object lives.
struct UserDirs {
    explicit UserDirs(const std::filesystem::path& base) {
        setenv("XDG_CONFIG_HOME", base.c_str(), 1);
        setenv("XDG_DATA_HOME", base.c_str(), 1);
    }
    ~UserDirs() {
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
    }
};
} // namespace

TEST(SystemErrors, AreSaidInSwedish) {
    EXPECT_EQ(systemErrorText(EACCES), "åtkomst nekad");
    EXPECT_EQ(systemErrorText(ENOENT), "filen eller katalogen finns inte");
    EXPECT_EQ(systemErrorText(EROFS), "filsystemet är skrivskyddat");
    EXPECT_EQ(systemErrorText(ENOSPC), "det finns inget utrymme kvar på enheten");
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::permission_denied)),
              "åtkomst nekad");
    EXPECT_EQ(systemErrorText(12345).rfind("systemfel 12345", 0), 0u);

    // A file the program writes, into a directory that is not there.
    TempContent content;
    std::string error;
    EXPECT_FALSE(replaceFile(content.root() / "saknas" / "FRAN.INI", "x", error));
    EXPECT_EQ(error, "filen eller katalogen finns inte");

    // The course's PROGRAM directory cannot take the file, so it goes to the user's
    // configuration directory, which a file stands in the way of too.
    ShellFixture f;
    std::filesystem::remove_all(f.content.root() / "PROGRAM");
    f.content.write("PROGRAM", {"a file where the directory should be"});
    const UserDirs dirs(f.content.root() / "PROGRAM");
    EXPECT_FALSE(f.shell.SparaFranINI());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("(en del av sökvägen är inte en katalog)."),
              std::string::npos)
        << f.messages.shown[0];
}

TEST(SystemErrors, DirectoryMessagesHaveTheirSpaceBeforeThePath) {
    ShellFixture f;
    std::filesystem::remove_all(f.content.root() / "RESULTAT");
    f.content.write("RESULTAT", {"a file where the directory should be"});
    // The results then go to the user's data directory, which cannot be made either.
    const UserDirs dirs(f.content.root() / "RESULTAT");
    EXPECT_FALSE(f.shell.DiagnosFileWish("/no/such/dir"));
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.shown[1].rfind("Kan inte skapa katalogen " +
                                            f.content.root().string() + "/RESULTAT/",
                                        0),
              0u)
        << f.messages.shown[1];

    // A directory in the way of the probe file: nothing can be created there.
    ShellFixture g;
    std::filesystem::create_directories(g.content.root() / "RESULTAT" / "temp.dtt");
    EXPECT_FALSE(g.shell.DiagnosFileWish("/no/such/dir"));
    ASSERT_EQ(g.messages.shown.size(), 2u);
    EXPECT_EQ(g.messages.shown[1], "Diagnosen kan inte sparas i katalogen " +
                                       g.content.root().string() + "/RESULTAT");
}
