// orvela-content diagnosis report: the class overview as text and as a PDF file read back; bad
// input is told and the diagnosis file is never written.

#include "Diagnoses.h"
#include "ExternalTools.h"

#include <gtest/gtest.h>

#include <regex>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct DiagnosisReportTool : ::testing::Test {
    TempContent content;
    fs::path dir = content.root() / "RESULTAT";
    fs::path dia = dir / "FDIAG.DIA";

    CommandRun report(const fs::path& directory, const std::string& pdf = {}) {
        std::vector<std::string> args = {"diagnosis", "report", directory.string()};
        if (!pdf.empty()) args.insert(args.end(), {"--pdf", pdf});
        return contentTool(args);
    }
    std::string diaBytes() { return readWholeFile(dia).value_or("<missing>"); }
    std::size_t filesInDir() {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
            ++n;
        return n;
    }
};

DiagnosisRecord withResult(DiagnosisRecord r, int programme, int result, int status) {
    r.result[static_cast<std::size_t>(programme)] = result;
    r.status[static_cast<std::size_t>(programme)] = static_cast<std::uint8_t>(status);
    return r;
}

std::string numbered(int i) {
    return "Elev " + std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
}

} // namespace

TEST_F(DiagnosisReportTool, TheTextHasALinePerPupilAndAColumnPerProgramme) {
    fs::create_directories(dir);
    DiagnosisRecord anna = withResult(pupil("Anna"), 1, 17, 2);
    anna = withResult(anna, 2, 12, 3);
    writePupils(content, {withResult(pupil("Bo"), 18, 20, 2), anna});
    const std::string bytes = diaBytes();
    CommandRun r = report(dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Klassöversikt, diagnosen (2 elever), " + dia.string() + ", Utskriven ",
                          0),
              0u)
        << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex("Utskriven \\d{4}-\\d\\d-\\d\\d\n\nNamn ")));
    EXPECT_NE(r.out.find("\nAnna          85   60!     -"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("     -   100         1\n"), std::string::npos) << "Bo's line";
    EXPECT_LT(r.out.find("\nAnna "), r.out.find("\nBo ")) << "in the order of the name list";
    EXPECT_NE(r.out.find("\nMedelvärde  85 %  60 %"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n 18  Futurum   Futurum\n"), std::string::npos);
    EXPECT_EQ(diaBytes(), bytes);

    // Bad input.
    EXPECT_EQ(report(content.root() / "nowhere").status, 1);
    EXPECT_EQ(contentTool({"diagnosis", "report", dir.string(), "--pfd", "x.pdf"}).status, 2);
    fs::remove(dia);
    r = report(dir, (content.root() / "x.pdf").string());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Inga diagnoser har sparats"), std::string::npos);
    EXPECT_NE(r.out.find("ingen PDF-fil har skrivits"), std::string::npos);
    EXPECT_FALSE(fs::exists(content.root() / "x.pdf"));
    content.writeRaw("RESULTAT/FDIAG.DIA", "");
    r = report(dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("är tom"), std::string::npos) << r.out;
    content.writeRaw("RESULTAT/FDIAG.DIA", DiagnosisFile::encodeAll({pupil("Cia")}) + "xy");
    const std::size_t files = filesInDir();
    r = report(dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("2 byte som inte är en hel diagnos"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("\nCia "), std::string::npos);
    r = report(dir, dia.string());
    EXPECT_EQ(r.status, 1) << "the diagnosis file is never written over";
    EXPECT_EQ(diaBytes(), DiagnosisFile::encodeAll({pupil("Cia")}) + "xy");
    EXPECT_EQ(filesInDir(), files) << "nothing set aside, nothing created";
    r = report(dir, (content.root() / "no such dir" / "x.pdf").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("kunde inte skrivas"), std::string::npos) << r.err;
}

TEST_F(DiagnosisReportTool, AClassOf300IsWrittenToAPdfOnLandscapePagesAndReadsBack) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    fs::create_directories(dir);
    std::vector<DiagnosisRecord> records;
    for (int i = 299; i >= 0; --i)
        records.push_back(withResult(pupil(numbered(i)), 1 + i % 18, 10 + i % 11, 3));
    writePupils(content, records);
    const std::string bytes = diaBytes();
    const fs::path pdf = content.root() / "klass.pdf";
    CommandRun r = report(dir, pdf.string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Klassöversikten är sparad i " + pdf.string()), std::string::npos);
    EXPECT_EQ(diaBytes(), bytes);

    const std::string info = runCommand("pdfinfo " + shellQuoted(pdf.string())).out;
    EXPECT_NE(info.find("842 x 595"), std::string::npos) << "A4 across: " << info;

    const auto pages = pdfPages(pdf.string());
    ASSERT_GT(pages.size(), 5u);
    std::vector<int> seen(300, 0);
    int next = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto& page = pages[p];
        const std::string number =
            "Sida " + std::to_string(p + 1) + " av " + std::to_string(pages.size());
        EXPECT_GE(lineWith(page, "Klassöversikt, diagnosen (300 elever)"), 0) << number;
        EXPECT_GE(lineWith(page, number), 0) << number;
        EXPECT_GE(lineWith(page, "Namn"), 0) << number;
        EXPECT_GE(lineWith(page, "Godkänt efter övning"), 0) << "legend on " << number;
        const bool summary = std::any_of(page.begin(), page.end(), [](const std::string& l) {
            return std::regex_search(l, std::regex("^Medelvärde +\\d+ %"));
        });
        EXPECT_EQ(summary, p + 1 == pages.size()) << number;
        for (const std::string& line : page) {
            if (line.rfind("Elev ", 0) != 0) continue;
            const int i = std::stoi(line.substr(5, 3));
            ASSERT_EQ(i, next) << "in order, once each: " << line;
            ++seen[static_cast<std::size_t>(i)];
            ++next;
        }
    }
    EXPECT_EQ(next, 300);
    // Pupil 7 did programme 8 with 17 right: 85, passed.
    const std::string all = runCommand("pdftotext -layout " + shellQuoted(pdf.string()) + " -").out;
    EXPECT_TRUE(std::regex_search(all, std::regex("Elev 007( +-){7} +85( +-){10} +1\n")))
        << all.substr(0, 3000);
}
