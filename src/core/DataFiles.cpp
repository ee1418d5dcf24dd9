// The data-file table, counting and reading items, splitting item lines, the item order.

#include "DataFile.h"
#include "Scrambling.h"
#include "Shell.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <vector>

namespace orvela {

namespace {

AnsiText fileNotFoundText(const AnsiText& name) {
    return AnsiText::ascii("Filen ") + name + AnsiText::fromUtf8(" finns inte eller är felaktig");
}

// Upper case of the ASCII letters only (file names as a case-insensitive file system shows them).
std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

bool hasExtension(const std::string& upperName, std::string_view ext) {
    return upperName.size() > ext.size() && upperName.ends_with(ext);
}

std::string trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

} // namespace

Shell::Shell(ContentPaths paths, ShellServices services)
    : paths_(std::move(paths)), services_(services) {
    reseedRandom();
    s_.PraiseCursor.fill(1);
    s_.DrawCursor.fill(1);
}

void Shell::reseedRandom() {
    DateTime t = services_.clock ? services_.clock->now() : DateTime{};
    std::seed_seq seq{t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond};
    random_.seed(seq);
}

int Shell::randomBelow(int n) {
    if (n <= 1) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

std::filesystem::path Shell::dataFile(const AnsiText& name) const {
    std::string utf8 = name.toUtf8();
    if (!isPlainFileName(utf8)) return {};
    std::optional<fs::path> p = paths_.find("DATA/" + utf8);
    return p ? *p : fs::path();
}

std::optional<Shell::DataListing> Shell::listDataDirectory() {
    std::optional<fs::path> dir = paths_.find("DATA");
    if (!dir) return std::nullopt;
    std::optional<std::vector<std::string>> names = entryNames(*dir);
    if (!names) return std::nullopt;
    DataListing listing;
    for (const std::string& name : *names) {
        // The file list in its exact spelling, otherwise in any letter case.
        if (name == kFileListName || (listing.fileList.empty() && sameFileName(name, kFileListName)))
            listing.fileList = *dir / name;
        std::string upper = upperAscii(name);
        if (!upper.starts_with("FR")) continue;
        if (hasExtension(upper, ".DAT") && listing.dataFiles.size() < kMaxDataFiles)
            listing.dataFiles.push_back(AnsiText::fromUtf8(upper));
        else if (upper.starts_with("FROM") && hasExtension(upper, ".LOV") &&
                 listing.praiseFiles.size() < kMaxPraiseFiles)
            listing.praiseFiles.push_back(AnsiText::fromUtf8(upper));
    }
    // Sorted by character code, a name listed twice (in two letter cases) only once.
    for (std::vector<AnsiText>* names : {&listing.dataFiles, &listing.praiseFiles}) {
        std::sort(names->begin(), names->end());
        names->erase(std::unique(names->begin(), names->end()), names->end());
    }
    return listing;
}

bool Shell::HaemtaFilTabell() {
    s_.FileTableCount = 0;
    s_.PraiseFileCount = 0;
    // DATA is listed once: the listing finds the file list too.
    std::optional<DataListing> listing = listDataDirectory();
    if (!listing) {
        showWarning("Kan inte hitta katalogen " + paths_.rootText() + "/DATA");
        return false;
    }
    LineReader reader(listing->fileList);
    if (!listing->fileList.empty() && reader.isOpen()) {
        AnsiText line;
        while (reader.next(line)) {
            std::string name = trimmed(line.bytes());
            if (!isPlainFileName(name)) continue;
            std::string upper = upperAscii(name);
            if (hasExtension(upper, ".DAT") && s_.FileTableCount < kMaxDataFiles)
                s_.FileTable[++s_.FileTableCount] = AnsiText(name);
            else if (hasExtension(upper, ".LOV") && s_.PraiseFileCount < kMaxPraiseFiles)
                s_.PraiseFileTable[++s_.PraiseFileCount] = AnsiText(name);
        }
        if (s_.PraiseFileCount == 0) HaemtaLovordFiler(std::move(listing->praiseFiles));
        return true;
    }
    for (AnsiText& n : listing->dataFiles) s_.FileTable[++s_.FileTableCount] = std::move(n);
    HaemtaLovordFiler(std::move(listing->praiseFiles));
    return true;
}

void Shell::SkapaSlumptal(int low, int high) {
    s_.PraiseCursor.fill(1);
    s_.PraiseItemCount.fill(0);
    s_.PictureCursor = 1;
    s_.DrawCursor.fill(1);
    s_.ItemCount.fill(0);
    s_.ErrorCount.fill(0);
    s_.WordListPosition.fill(1);
    s_.WordListItemCount.fill(0);

    reseedRandom();
    low = std::max(low, 1);
    high = std::min(high, static_cast<int>(kRandomOrderSize));
    std::vector<std::int32_t> free;
    for (int v = low; v <= high; ++v) free.push_back(v);
    for (int pos = low; pos <= high; ++pos) {
        int k = randomBelow(static_cast<int>(free.size()));
        s_.RandomOrder[static_cast<std::size_t>(pos)] = free[static_cast<std::size_t>(k)];
        free.erase(free.begin() + k);
    }

    s_.ErrorList.fill(ErrorEntry{});
    s_.ErrorExtra.fill(0);
    s_.WordListErrors.fill(WordListError{});
    s_.WordListErrorCount.fill(0);
    s_.CurrentFileIndex = 0;
}

bool Shell::Kolla(const AnsiText& name) {
    s_.CurrentFileIndex = 1;
    s_.HeadingLines.fill(AnsiText());
    s_.InstructionText.clear();
    s_.WorksheetNote.clear();

    // A name that is not in the table is a file that does not exist; it never borrows the index
    // of another file.
    int index = 0;
    for (int i = 1; i <= s_.FileTableCount; ++i) {
        if (s_.FileTable[static_cast<std::size_t>(i)] == name) {
            index = i;
            break;
        }
    }
    if (index == 0 || name.empty()) {
        showMessage(fileNotFoundText(s_.CurrentDataFile).toUtf8());
        return false;
    }
    s_.CurrentFileIndex = index;
    if (s_.ItemCount[static_cast<std::size_t>(index)] != 0) {
        ordantal(name, index, false, 0);
        return true;
    }
    ordantal(name, index, true, 0);
    if (s_.ItemCount[static_cast<std::size_t>(index)] == 0) {
        showMessage(fileNotFoundText(s_.CurrentDataFile).toUtf8());
        return false;
    }
    return true;
}

void Shell::ordantal(const AnsiText& name, int index, bool countAll, int target) {
    fs::path path = name.empty() ? fs::path() : dataFile(name);
    DataFileHeader header;
    std::optional<int> count = scanDataFile(path, countAll, header);
    if (!count) {
        showMessage(fileNotFoundText(name).toUtf8());
        return;
    }
    if (target == 0) {
        // Praise files are counted while an exercise is on the screen: their header lines must
        // not replace the exercise's own.
        for (int k = 0; k < header.headingCount; ++k)
            s_.HeadingLines[static_cast<std::size_t>(k + 1)] = header.headings[k];
        if (header.hasInstruction) s_.InstructionText = header.instruction;
        if (header.hasWorksheetNote) s_.WorksheetNote = header.worksheetNote;
    }
    if (!countAll) return;
    if (target == 0)
        s_.ItemCount[static_cast<std::size_t>(index)] = *count;
    else
        s_.PraiseItemCount[static_cast<std::size_t>(index)] = *count;
}

int Shell::drawableCount(int count) {
    // Only item numbers up to 1000 can be drawn; a longer file cycles through its first 1000.
    return std::min(count, static_cast<int>(kRandomOrderSize));
}

int Shell::nthInOrder(int position, int count) const {
    int result = 1;
    int seen = 0;
    for (std::size_t i = 1; i <= kRandomOrderSize && seen < std::max(position, 1); ++i) {
        int v = s_.RandomOrder[i];
        if (v >= 1 && v <= count) {
            ++seen;
            result = v;
        }
    }
    return result;
}

int Shell::haemta_slumptal(int position, int fileIndex) {
    std::int32_t& cursor = s_.DrawCursor[static_cast<std::size_t>(fileIndex)];
    int c = s_.ItemCount[static_cast<std::size_t>(fileIndex)];
    int result = nthInOrder(position, c);
    cursor = cursor >= drawableCount(c) ? 1 : cursor + 1;
    return result;
}

void Shell::haemtaord(const AnsiText& name, int n) {
    LineReader reader(dataFile(name));
    if (!reader.isOpen()) return;
    int items = 0;
    AnsiText line;
    while (items < n && reader.next(line)) {
        if (isItemLine(line)) {
            ++items;
            s_.CurrentLine = line;
        }
    }
}

void Shell::str_postarray(const AnsiText& input) {
    s_.AltFieldCount = 0;
    s_.ItemFieldCount = 0;
    s_.ItemFields.fill(AnsiText());
    AnsiText line = (ScrambledLinesOn && !input.empty()) ? dekryptrad(input) : input;
    const std::string& b = line.bytes();
    bool alternatives = false;
    std::size_t f = 1;
    std::size_t pos = 0;
    while (pos < b.size()) {
        std::size_t hash = b.find('#', pos);
        std::size_t end = hash == std::string::npos ? b.size() : hash;
        bool newField = s_.ItemFieldCount < f;
        std::string& field = s_.ItemFields[f].bytes();
        field.append(b, pos, end - pos);
        std::size_t lead = field.find_first_not_of(' ');
        if (lead == std::string::npos)
            field.erase(0, field.empty() ? 0 : field.size() - 1); // spaces only: one stays
        else
            field.erase(0, lead);
        if (!field.empty() && field[0] == '&') {
            field.erase(0, 1);
            alternatives = true;
        }
        if (newField) {
            s_.ItemFieldCount = static_cast<std::uint16_t>(f);
            // Text past the tenth "#" joins field 10; it is no further alternative.
            if (alternatives && !field.empty()) ++s_.AltFieldCount;
        }
        if (f < kMaxItemFields) ++f;
        pos = end + 1;
    }
}

std::uint16_t Shell::GeProgramtal(const AnsiText& name) {
    const std::string& b = name.bytes();
    std::size_t stemEnd = b.find('.');
    if (stemEnd == std::string::npos) stemEnd = b.size();
    std::size_t start = stemEnd;
    while (start > 0 && b[start - 1] >= '0' && b[start - 1] <= '9') --start;
    std::uint32_t value = 0;
    for (std::size_t i = start; i < stemEnd; ++i)
        value = (value * 10 + static_cast<std::uint32_t>(b[i] - '0')) % 100000u;
    return static_cast<std::uint16_t>(value);
}

AnsiText Shell::kryptrad(const AnsiText& line) const { return orvela::kryptrad(line); }
AnsiText Shell::dekryptrad(const AnsiText& line) const { return orvela::dekryptrad(line); }

} // namespace orvela
