// The sample course passes the content tool's lint for the exercise kinds whose content exists.

#include "ExternalTools.h"

#include <gtest/gtest.h>

using namespace orvela::testing;

TEST(SampleCourse, PassesLintForTheCompleteKinds) {
    const CommandRun r = contentTool({"lint", std::string(ORVELA_SOURCE_DIR) + "/content", "--only",
                                      "TSKRIV,TSkrivinf,TFLERBAR,TDiktam,TFalska"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find(" 0 fel, 0 varningar."), std::string::npos) << r.out << r.err;
}
