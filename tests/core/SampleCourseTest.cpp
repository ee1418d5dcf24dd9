// The sample course passes the content tool's lint for the exercise kinds whose content exists.

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

// The exercise kinds of the sample course that are complete so far.
constexpr const char* kCompleteKinds = "TSKRIV,TSkrivinf,TFLERBAR";

} // namespace

TEST(SampleCourse, PassesLintForTheCompleteKinds) {
    const std::string cmd = std::string("'") + ORVELA_CONTENT_TOOL + "' lint '" +
                            ORVELA_SOURCE_DIR + "/content' --only " + kCompleteKinds + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    const int status = pclose(p);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << out;
    EXPECT_NE(out.find(" 0 fel, 0 varningar."), std::string::npos) << out;
}
