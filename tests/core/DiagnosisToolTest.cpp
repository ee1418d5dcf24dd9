// orvela-content diagnosis: list, export as CSV, import from CSV; bad input is refused whole.

#include "Diagnoses.h"
#include "DiagnosisRecordCodec.h"
#include "ExternalTools.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct DiagnosisTool : ::testing::Test {
    TempContent content;
    fs::path dir = content.root() / "RESULTAT";
    fs::path dia = dir / "FDIAG.DIA";

    CommandRun tool(const std::string& command, const fs::path& directory,
                    const fs::path& csv = {}) {
        std::vector<std::string> args = {"diagnosis", command, directory.string()};
        if (!csv.empty()) args.push_back(csv.string());
        return contentTool(args);
    }
    fs::path csv(const std::string& text, const std::string& name = "in.csv") {
        return content.writeRaw(name, text);
    }
    std::string diaBytes() { return readWholeFile(dia).value_or("<missing>"); }
};

void result(DiagnosisRecord& r, std::size_t n, int value, int status, std::array<int, 5> date) {
    r.result[n] = value;
    r.status[n] = static_cast<std::uint8_t>(status);
    r.year[n] = static_cast<std::uint16_t>(date[0]);
    r.month[n] = static_cast<std::uint16_t>(date[1]);
    r.day[n] = static_cast<std::uint16_t>(date[2]);
    r.hour[n] = static_cast<std::uint16_t>(date[3]);
    r.minute[n] = static_cast<std::uint16_t>(date[4]);
}

std::vector<DiagnosisRecord> classRecords() {
    DiagnosisRecord anna = pupil("Åsa \"Ankan\", 7B", "hemlig");
    result(anna, 1, 17, 2, {2026, 3, 4, 9, 5});
    result(anna, 2, 12, 3, {2026, 3, 5, 10, 45});
    anna.status[3] = 1;
    DiagnosisRecord bo = pupil("=SUM(A1)");
    result(bo, 18, 20, 2, {2025, 12, 31, 23, 59});
    DiagnosisRecord cia = pupil("Cia");
    return {anna, bo, cia};
}

std::vector<std::string> csvLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

} // namespace

TEST_F(DiagnosisTool, ListShowsEveryPupilWithResultsStatusesAndDates) {
    CommandRun r = tool("list", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Inga diagnoser"), std::string::npos);
    EXPECT_EQ(tool("frobnicate", dir).status, 2);
    r = tool("list", content.root() / "nowhere");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("finns inte"), std::string::npos);

    writePupils(content, classRecords(), "xyz");
    r = tool("list", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("3 byte"), std::string::npos) << "stray bytes are told: " << r.err;
    for (const char* part :
         {"Åsa \"Ankan\", 7B\n", "   1  Glosor, mycket lätta", "17  Tester     2026-03-04 09:05\n",
          "12  Exercer    2026-03-05 10:45\n", " 0  Attendre\n", "  18  Futurum", "Summa", "Cia"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
    EXPECT_EQ(r.out.find("hemlig"), std::string::npos) << "passwords are never shown";
}

TEST_F(DiagnosisTool, ExportIsAGradebookWithoutPasswords) {
    writePupils(content, classRecords());
    CommandRun r = tool("export", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = csvLines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_TRUE(lines[0].starts_with("Namn,Resultat 1,Status 1,Datum 1,Resultat 2,"));
    EXPECT_TRUE(lines[0].ends_with(",Resultat 18,Status 18,Datum 18,Summa"));
    EXPECT_TRUE(lines[1].starts_with("\"Åsa \"\"Ankan\"\", 7B\",17,Tester,2026-03-04 "
                                     "09:05,12,Exercer,2026-03-05 10:45,0,Attendre,,"))
        << lines[1];
    EXPECT_TRUE(lines[1].ends_with(",29")) << "the total";
    EXPECT_TRUE(lines[2].starts_with("'=SUM(A1),0,Commencer,,")) << "no formula for a spreadsheet";
    EXPECT_TRUE(lines[2].ends_with(",20,Tester,2025-12-31 23:59,20"));
    EXPECT_EQ(r.out.find("hemlig"), std::string::npos);
}

TEST_F(DiagnosisTool, ExportThenImportRoundTrips) {
    std::vector<DiagnosisRecord> original = classRecords();
    writePupils(content, original);
    std::string before = diaBytes();
    CommandRun exported = tool("export", dir);
    ASSERT_EQ(exported.status, 0);
    fs::path file = csv(exported.out, "class.csv");

    // Into the same directory: every pupil is replaced by itself, passwords kept.
    CommandRun same = tool("import", dir, file);
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(diaBytes(), before);

    // Into an empty directory: the same records, without passwords.
    fs::create_directories(content.root() / "other");
    CommandRun fresh = tool("import", content.root() / "other", file);
    ASSERT_EQ(fresh.status, 0) << fresh.err;
    EXPECT_NE(fresh.out.find("3 nya"), std::string::npos) << fresh.out;
    std::vector<DiagnosisRecord> copy = DiagnosisFile(content.root() / "other").read().records;
    ASSERT_EQ(copy.size(), original.size());
    for (std::size_t k = 0; k < copy.size(); ++k) {
        DiagnosisRecord expected = original[k];
        expected.password = AnsiText();
        EXPECT_EQ(encodeDiagnosisRecord(copy[k]), encodeDiagnosisRecord(expected)) << k;
    }
}

TEST_F(DiagnosisTool, ImportAddsAndReplacesByNameKeepingPasswords) {
    DiagnosisRecord anna = pupil("Anna", "pw");
    result(anna, 5, 9, 3, {2024, 1, 2, 3, 4});
    result(anna, 19, 7, 3, {2024, 1, 2, 3, 4});
    writePupils(content, {pupil("Bo"), anna});
    // Semicolons, as a spreadsheet with Swedish settings saves, and only some columns.
    fs::path file = csv("Namn;Resultat 1;Datum 1;Status 5\r\nANNA;16;2026-01-02 08:00;Tester\r\n"
                        "Dan;3;;\r\n");
    CommandRun r = tool("import", dir, file);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<DiagnosisRecord> records = DiagnosisFile(dir).read().records;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, A("Bo"));
    const DiagnosisRecord& a = records[1];
    EXPECT_EQ(a.name, A("ANNA"));
    EXPECT_EQ(a.password, A("pw"));
    EXPECT_EQ(a.result[1], 16);
    EXPECT_EQ(a.status[1], 2) << "status from the result";
    EXPECT_EQ(a.status[2], 2) << "passing programme 1 opens programme 2";
    EXPECT_EQ(a.year[1], 2026);
    EXPECT_EQ(a.hour[1], 8);
    EXPECT_EQ(a.result[5], 9) << "columns not in the file are kept";
    EXPECT_EQ(a.status[5], 2);
    EXPECT_EQ(a.result[19], 7);
    const DiagnosisRecord& d = records[2];
    EXPECT_EQ(d.name, A("Dan"));
    EXPECT_TRUE(d.password.empty());
    EXPECT_EQ(d.result[1], 3);
    EXPECT_EQ(d.status[1], 3);
    EXPECT_EQ(d.status[2], 1);
    EXPECT_GE(d.year[1], 2024) << "an empty date with a result of 3 is dated at the import";
}

TEST_F(DiagnosisTool, AWindows1252FileIsReadToo) {
    CommandRun r = tool("import", dir, csv(A("Namn,Resultat 6\nÖrjan,11\n").bytes()));
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<DiagnosisRecord> records = DiagnosisFile(dir).read().records;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, A("Örjan"));
    EXPECT_EQ(records[0].result[6], 11);
}

TEST_F(DiagnosisTool, BadInputIsRefusedWholeWithItsLineAndAMissingDirectoryOrFileToo) {
    writePupils(content, classRecords());
    std::string before = diaBytes();
    struct Case {
        const char* what;
        std::string text;
        std::string expected;
    } cases[] = {
        {"result too high", "Namn,Resultat 1\nCia,5\nAnna,21\n", "rad 3: resultatet för program 1"},
        {"result not a number", "Namn,Resultat 2\nCia,tolv\n", "rad 2: resultatet för program 2"},
        {"negative result", "Namn,Resultat 2\nCia,-1\n", "rad 2:"},
        {"name too long", "Namn\nAbcdefghijklmnopqrstuv\n",
         "rad 2: namnet \"Abcdefghijklmnopqrstuv\" är längre än 21 tecken"},
        {"empty name", "Namn,Resultat 1\n,3\n", "rad 2: namnet saknas"},
        {"unclosed quote", "Namn,Resultat 1\nCia,3\n\"Bo,4\nDan,5\n",
         "rad 3: ett fält som börjar med citattecken"},
        {"quote inside a field", "Namn\nB\"o\n", "rad 2: citattecken mitt i ett fält"},
        {"too few fields", "Namn,Resultat 1,Status 1\nCia,3\n",
         "rad 2: 2 fält, men rubrikraden har 3"},
        {"unknown column", "Namn,Poäng\nCia,3\n", "rad 1: okänd kolumn \"Poäng\""},
        {"programme 19", "Namn,Resultat 19\nCia,3\n", "okänd kolumn"},
        {"no name column", "Resultat 1\n3\n", "kolumnen \"Namn\" saknas"},
        {"same pupil twice", "Namn,Resultat 1\nCia,3\ncia,4\n",
         "rad 3: eleven \"cia\" finns redan på rad 2"},
        {"bad status", "Namn,Status 4\nCia,Vila\n", "rad 2: status för program 4"},
        {"bad date", "Namn,Resultat 1,Datum 1\nCia,3,2026-13-01 10:00\n",
         "rad 2: datum för program 1"},
        {"name not in Windows-1252", "Namn\nŁukasz\n", "inte kan sparas"},
        {"empty file", "", "filen är tom"},
    };
    for (const Case& c : cases) {
        CommandRun r = tool("import", dir, csv(c.text));
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(diaBytes(), before) << c.what << ": nothing written";
    }
    EXPECT_FALSE(fs::exists(dir / "Slask.DI2"));

    const CommandRun noDir = tool("import", content.root() / "nowhere", csv("Namn\nCia\n"));
    EXPECT_EQ(noDir.status, 1);
    EXPECT_NE(noDir.err.find("katalogen"), std::string::npos);
    const CommandRun noFile = tool("import", dir, content.root() / "none.csv");
    EXPECT_EQ(noFile.status, 1);
    EXPECT_NE(noFile.err.find("none.csv finns inte"), std::string::npos);
}
