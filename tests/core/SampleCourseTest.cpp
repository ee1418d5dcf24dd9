// The sample course passes the content tool's lint for the exercise kinds whose content exists.

#include "Catalogue.h"
#include "ExternalTools.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sstream>
#include <string>

using namespace orvela::testing;

TEST(SampleCourse, PassesLintForTheCompleteKinds) {
    const CommandRun r = contentTool({"lint", std::string(ORVELA_SOURCE_DIR) + "/content", "--only",
                                      "TSKRIV,TSkrivinf,TFLERBAR,Tskriv2,TFormer,TBilden,TBildvis,TDiktam,TFalska"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find(" 0 fel, 0 varningar."), std::string::npos) << r.out << r.err;
}

// Without --only every file of the menus is checked: the only findings are files, not yet in the
// course, of kinds whose exercise windows other work brings.
TEST(SampleCourse, LintOfTheWholeCourseFindsOnlyFilesOfKindsStillToCome) {
    const CommandRun r = contentTool({"lint", std::string(ORVELA_SOURCE_DIR) + "/content"});
    const std::set<orvela::WindowKind> complete = {
        orvela::WindowKind::TSKRIV, orvela::WindowKind::TSkrivinf, orvela::WindowKind::TFLERBAR,
        orvela::WindowKind::Tskriv2, orvela::WindowKind::TFormer};
    std::istringstream report(r.out);
    for (std::string line; std::getline(report, line);) {
        if (line.find(": fel: ") == std::string::npos &&
            line.find(": varning: ") == std::string::npos)
            continue;
        SCOPED_TRACE(line);
        EXPECT_NE(line.find(":0: fel: filen finns inte"), std::string::npos);
        const std::string name =
            line.substr(0, line.find(':')).substr(line.rfind('/', line.find(':')) + 1);
        const std::optional<orvela::WindowKind> kind = orvela::exerciseWindowFor(name);
        ASSERT_TRUE(kind.has_value());
        EXPECT_EQ(complete.count(*kind), 0u) << "a file of a kind the course already has";
    }
    EXPECT_NE(r.out.find(" 0 varningar."), std::string::npos) << r.out << r.err;
}
