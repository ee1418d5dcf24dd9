#include "FuzzTargets.h"

#include "BmpImage.h"
#include "DataFile.h"
#include "DiagnosisFile.h"
#include "DiagnosisRecordCodec.h"
#include "Fakes.h"
#include "Horoscope.h"
#include "IniFile.h"
#include "LevelStore.h"
#include "RecordTable.h"
#include "RevealStory.h"
#include "RuleFile.h"
#include "Scrambling.h"
#include "ScoreTableFile.h"
#include "SpeedText.h"
#include "StoryStarters.h"
#include "WavInfo.h"
#include "WordList.h"

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

namespace orvela::fuzz {

namespace {

using testing::ShellFixture;

// A broken promise of a reader: reported like a crash, so that the fuzzer keeps the input.
void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// One scratch content tree (with a Shell on it) for the whole process, removed at its end; every
// input replaces the file it is read from.
ShellFixture& fixture() {
    static ShellFixture f;
    return f;
}

std::filesystem::path writeInput(const std::string& relative, std::string_view bytes) {
    return fixture().content.writeRaw(relative, std::string(bytes));
}

std::vector<AnsiText> linesOf(std::string_view bytes) {
    std::vector<AnsiText> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(std::string(line));
        pos = end + 1;
    }
    return lines;
}

// ---- data lines: counting, fetching items and splitting them into fields ----
void dataLines(std::string_view bytes) {
    ShellFixture& f = fixture();
    const AnsiText name = AnsiText::ascii("FRA10000.DAT");
    writeInput("DATA/FRA10000.DAT", bytes);
    f.s.FileTableCount = 1;
    f.s.FileTable[1] = name;
    f.s.ItemCount[1] = 0;
    f.s.CurrentDataFile = name;
    bool found = f.shell.Kolla(name);
    int count = f.s.ItemCount[1];
    check(found == (count > 0), "Kolla reports items exactly when it counted some");
    for (int n : {1, (count + 1) / 2, count}) {
        if (n < 1 || n > count) continue;
        f.s.CurrentLine.clear();
        f.shell.haemtaord(name, n);
        check(!f.s.CurrentLine.empty(), "every counted item can be fetched");
        f.shell.str_postarray(f.s.CurrentLine);
        check(f.s.ItemFieldCount <= kMaxItemFields, "at most ten fields");
        check(f.s.AltFieldCount <= f.s.ItemFieldCount, "no more alternatives than fields");
    }
    // Every line, scrambled or not, through the field splitting and the header rules.
    LineReader reader(f.content.root() / "DATA" / "FRA10000.DAT");
    AnsiText line;
    int lines = 0;
    while (reader.next(line) && lines++ < 200) {
        lineKind(line);
        headerText(line);
        f.shell.str_postarray(line);
    }
    f.shell.str_postarray(AnsiText(std::string(bytes)));
    f.messages.shown.clear();
}

// ---- unscrambling ----
void scrambling(std::string_view bytes) {
    AnsiText line{std::string(bytes)};
    const bool marked = !line.empty() && line[0] == kScrambleMarker;
    const bool neverScrambled = line.empty() || line[0] == ';' || line[0] == '$' || line[0] == '#';
    AnsiText plain = dekryptrad(line);
    check(plain.size() == line.size() - (marked ? 1 : 0), "unscrambling drops only the marker");
    AnsiText scrambled = kryptrad(line);
    check(scrambled.size() == line.size() + (marked || neverScrambled ? 0 : 1),
          "scrambling adds only the marker");
    // A plain line of printable characters comes back from scrambling and unscrambling as it was
    // (control characters may not: the transform only undoes itself from code 32 on).
    bool printable = std::all_of(line.bytes().begin(), line.bytes().end(),
                                 [](char c) { return static_cast<unsigned char>(c) >= 32; });
    if (!marked && !neverScrambled && printable)
        check(dekryptrad(scrambled) == line, "unscrambling undoes scrambling");
}

// ---- settings and path files ----
void settingsFiles(std::string_view bytes) {
    IniFile ini = IniFile::parse(bytes);
    ini.value("PATH", "DIAGNOSPATH");
    ini.readString("SETTINGS", "SOUNDS", "1");
    IniFile changed = ini;
    changed.setValue("SETTINGS", "SOUNDS", "0");
    IniFile reread = IniFile::parse(changed.text());
    check(reread.readString("SETTINGS", "SOUNDS") == "0", "a written value reads back");

    ShellFixture& f = fixture();
    writeInput("PROGRAM/FRAPATH.INI", bytes);
    writeInput("PROGRAM/FRAN.INI", bytes);
    f.shell.HaemtaPathINI();
    f.shell.HaemtaFranINI();
    check(f.s.ShowAnswerSeconds >= 0 && f.s.ShowAnswerSeconds <= 3600, "a sane answer time");
    check(!f.s.ScoreDir.empty() && f.s.ScoreDir.back() == '/', "the score directory ends in /");
}

// ---- rule pages ----
void rulePages(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    std::vector<std::string> problems;
    RulePage page = readRulePage(in, &problems);
    bool small = false;
    for (int i = 1; i <= kRuleCells; ++i) {
        const RuleCell& cell = page.cells[i];
        check(cell.text.size() <= kRuleTextMax, "cell text cut to its maximum");
        check(cell.x >= -kRuleMaxX && cell.x <= kRuleMaxX, "cell position within the page's range");
        parseRuleCell(cell.text, cell.blue, small, &problems);
    }
    testing::FakeMeasure measure;
    layoutRulePage(page, measure, 1.0);
    layoutRulePage(page, measure, 2.5);
}

// ---- diagnosis and password records ----
void diagnosisRecords(std::string_view bytes) {
    std::size_t stray = 0;
    std::vector<DiagnosisRecord> records = DiagnosisFile::decodeAll(bytes, stray);
    check(records.size() * kDiagnosisRecordSize + stray == bytes.size(), "every byte accounted");
    for (const DiagnosisRecord& r : records) {
        std::string encoded = encodeDiagnosisRecord(r);
        check(encoded.size() == kDiagnosisRecordSize, "a record is 336 bytes");
        check(encodeDiagnosisRecord(decodeDiagnosisRecord(encoded)) == encoded,
              "a record survives being stored again");
    }
    if (bytes.size() >= kPasswordRecordSize) {
        PasswordRecord p = decodePasswordRecord(bytes);
        check(p.field1.size() <= kPasswordFieldMax && p.field2.size() <= kPasswordFieldMax,
              "password fields within their size");
        PasswordRecord q = decodePasswordRecord(encodePasswordRecord(p));
        check(q.field1 == p.field1 && q.field2 == p.field2, "a password record survives");
    }
    // The program's own reading of the file.
    ShellFixture& f = fixture();
    f.s.DiagnosisDir = (f.content.root() / "RESULTAT").string();
    writeInput("RESULTAT/FDIAG.DIA", bytes);
    f.shell.VisaListbox();
    if (!records.empty()) f.shell.HaemtaElev(records.front().name);
    f.shell.NamnFinns(AnsiText::ascii("ANNA"));
    // The same bytes as the teacher's password file: a damaged one leaves only the reserve.
    writeInput("RESULTAT/FRA45444.DOT", bytes);
    bool read = f.shell.LaerarLosen(1);
    check(read || f.s.TeacherPassword == Shell::reservePassword(),
          "a password is read, or the reserve one is in force");
    check(!f.s.TeacherPassword.empty(), "never an empty teacher password");
    f.messages.shown.clear();
}

// ---- record tables ----
void recordTables(std::string_view bytes) {
    std::size_t stray = 0;
    std::vector<ScoreRecord> records = decodeScoreRecords(bytes, stray);
    check(records.size() * kScoreRecordSize + stray == bytes.size(), "every byte accounted");
    ScoreRecord entry;
    entry.name = AnsiText::ascii("ANNA");
    entry.score = 120;
    RecordPlacement placed = placeRecord(records, entry);
    check(placed.rows.size() <= static_cast<std::size_t>(MaxRecords), "at most 100 rows");
    check(placed.newRow >= 1 && placed.newRow <= kExtraRow, "the new row in the table");
    for (std::size_t i = 0; i < records.size() && i < 120; ++i) {
        dateText(records[i]);
        scoreText(records[i].score);
        nameText(records[i].name);
        check(decodeScoreRecord(encodeScoreRecord(records[i])) == records[i],
              "a record survives being stored again");
    }
    ScoreTableFile file(writeInput("RESULTAT/GLOSOR1.FNR", bytes));
    file.readOrCreate();
}

// ---- the level store ----
void levelStore(std::string_view bytes) {
    std::vector<LevelRecord> records = LevelStore::decodeAll(bytes);
    for (const LevelRecord& r : records) {
        check(r.name.size() < kLevelNameField + 1, "a name within its field");
        LevelRecord again = LevelStore::decode(LevelStore::encode(r));
        check(again.level == r.level, "a level survives being stored again");
    }
    ShellFixture& f = fixture();
    writeInput("RESULTAT/FXACT.STE", bytes);
    LevelStore store(f.content.root() / "RESULTAT");
    store.read();
    if (!records.empty()) store.fetch(records.front().name, 12);
    store.fetch(AnsiText::ascii("ANNA"), 12);
}

// ---- the level store's journal ----
// A journal beside a store of two pupils is written in or dropped when the store is read; the
// store stays readable and the journal is gone.
// The input is tried as it is and with a right checksum (FNV-1a, as the journal's) after it, so
// that the fuzzer gets past the checksum into the journal's fields.
void levelJournal(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    std::string sealed(bytes);
    for (int i = 0; i < 8; ++i) sealed.push_back(static_cast<char>((h >> (8 * i)) & 0xFF));
    ShellFixture& f = fixture();
    const std::filesystem::path dir = f.content.root() / "RESULTAT";
    for (const std::string_view journal : {bytes, std::string_view(sealed)}) {
        writeInput("RESULTAT/FXACT.STE", LevelStore::encode({AnsiText::ascii("ANNA"), 3}) +
                                             LevelStore::encode({AnsiText::ascii("Bo"), 12}));
        writeInput(std::string("RESULTAT/") + kLevelJournalName, journal);
        LevelStore store(dir);
        check(store.read().state == LevelStoreContents::State::Read, "the store stays readable");
        check(!std::filesystem::exists(dir / kLevelJournalName), "the journal is gone once read");
        check(std::filesystem::file_size(dir / kLevelStoreName) <= kLevelStoreMaxBytes,
              "the store within its largest size");
    }
}

// ---- word lists ----
void wordLists(std::string_view bytes) {
    std::filesystem::path file = writeInput("DATA/glosor_1.fr1", bytes);
    std::optional<WordListScan> scan = scanWordList(file);
    check(scan.has_value(), "a written list can be read");
    for (int n : {1, (scan->itemCount + 1) / 2, scan->itemCount}) {
        if (n < 1 || n > scan->itemCount) continue;
        check(readWordListItem(file, n).has_value(), "every counted item can be fetched");
    }
    check(!readWordListItem(file, scan->itemCount + 1).has_value(), "no item past the count");
    for (const AnsiText& line : linesOf(bytes)) {
        isWordListItem(line);
        wordListStem(line);
        longfilnamn(line, longanamn());
    }
}

// ---- the horoscope and its vocabulary files ----
void horoscope(std::string_view bytes) {
    std::filesystem::path file = writeInput("DATA/HOROSKOP.TXT", bytes);
    std::optional<std::vector<AnsiText>> lines = Horoscope::readLines(file);
    check(lines.has_value(), "a written file can be read");
    // The pools lie far into the file: the lines are repeated to reach them.
    std::vector<AnsiText> padded = *lines;
    int needed = 0;
    for (const ZodiacSign& s : Horoscope::signs()) needed = std::max(needed, s.lastLine + 8);
    while (!lines->empty() && static_cast<int>(padded.size()) < needed)
        padded.insert(padded.end(), lines->begin(), lines->end());
    std::mt19937 random(7);
    for (int sign = 0; sign < Horoscope::kSigns; ++sign) {
        Horoscope::Horoscoptext(*lines, sign, random);
        Horoscope::Horoscoptext(padded, sign, random);
    }
    Horoscope::readVocabulary(file);
}

// ---- the story starters ----
void storyStarters(std::string_view bytes) {
    StoryStarters story;
    check(story.read(writeInput("DATA/STORY.TXT", bytes)), "a written file can be read");
    for (int n = 1; n <= story.StarterCount && n <= 50; ++n) story.starter(n);
    story.next();
    story.previous();
    story.counterText();
    check(story.StarterNo >= 1, "the starter on show is 1 or later");
}

// ---- the reading-speed texts ----
void speedTexts(std::string_view bytes) {
    auto texts = SpeedText::readTexts(writeInput("DATA/SPEED.TXT", bytes));
    check(texts.has_value(), "a written file can be read");
    for (std::size_t i = 0; i < texts->size() && i < 20; ++i) {
        SpeedText text;
        text.load((*texts)[i]);
        check(text.lines().size() <= static_cast<std::size_t>(SpeedText::kLinesMax),
              "at most 30 lines");
        while (text.SuddaOrd() != nullptr) {
        }
        text.wordsText();
        text.lettersText();
        text.lettersPerWordText();
        text.closingMessage(0);
        text.closingMessage(75);
    }
}

// ---- the reveal-the-story texts ----
void revealStory(std::string_view bytes) {
    auto texts = RevealStory::readTexts(writeInput("DATA/REVEAL.TXT", bytes));
    check(texts.has_value(), "a written file can be read");
    for (std::size_t i = 0; i < texts->size() && i < 20; ++i) {
        RevealStory story;
        story.Getwords((*texts)[i]);
        std::vector<AnsiText> words = story.wordList();
        for (const AnsiText& w : words) story.Textkoll(w);
        for (int t = 1; t <= RevealStory::kSlots; ++t) {
            story.utruta(t, story.word(t));
            story.shown(t, false);
        }
        for (int l = 1; l <= RevealStory::kLines; ++l) story.speaker(l);
        check(story.rightPercent() >= 0 && story.rightPercent() <= 100, "a share in percent");
        check(story.solvedPercent() >= 0 && story.solvedPercent() <= 100, "a share in percent");
    }
}

// ---- WAV headers ----
void wavHeaders(std::string_view bytes) {
    std::optional<WavInfo> a = readWavHeader(bytes);
    std::istringstream in{std::string(bytes)};
    std::optional<WavInfo> b = readWavInfo(in);
    check(a.has_value() == b.has_value(), "bytes and stream read alike");
    if (a) {
        check(a->dataBytes <= bytes.size(), "no more sound than the file holds");
        check(a->durationMs >= 0, "no negative length");
        check(a->durationMs == b->durationMs, "bytes and stream read alike");
    }
}

// ---- BMP pictures ----
void bmpPictures(std::string_view bytes) {
    QImage image = decodeBmp24(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!image.isNull()) {
        check(image.width() > 0 && image.height() > 0, "a decoded picture has pixels");
        image.pixel(image.width() - 1, image.height() - 1);
    }
}

} // namespace

const std::vector<Target>& targets() {
    static const std::vector<Target> all = {
        {"datalines", dataLines},       {"scrambling", scrambling},
        {"settings", settingsFiles},    {"rules", rulePages},
        {"diagnosis", diagnosisRecords}, {"records", recordTables},
        {"levels", levelStore},         {"journal", levelJournal},
        {"wordlists", wordLists},
        {"horoscope", horoscope},       {"story", storyStarters},
        {"speed", speedTexts},          {"reveal", revealStory},
        {"wav", wavHeaders},            {"bmp", bmpPictures},
    };
    return all;
}

const Target* findTarget(std::string_view name) {
    for (const Target& t : targets())
        if (name == t.name) return &t;
    return nullptr;
}

} // namespace orvela::fuzz
