// The error list: the items a pupil answered wrongly, oldest first, shared by all exercise windows
// for the whole program run so that a later window on the same file can correct them.

#include "DataFile.h"
#include "Shell.h"

namespace orvela {

namespace {
constexpr std::uint16_t kVerbTableProgram = 56510; // keeps one extra number per entry
constexpr std::uint16_t kClockProgram = 54200;
} // namespace

std::size_t Shell::usedErrorEntries() const {
    std::size_t n = 0;
    while (n < kErrorListSize && s_.ErrorList[n + 1].item != 0) ++n;
    return n;
}

std::size_t Shell::firstErrorEntry(int fileIndex) const {
    std::size_t used = usedErrorEntries();
    for (std::size_t k = 1; k <= used; ++k)
        if (s_.ErrorList[k].fileIndex == fileIndex) return k;
    return 0;
}

void Shell::haemtafel(const AnsiText& name, int operation) {
    const int f = s_.CurrentFileIndex;
    if (f < 1 || f > static_cast<int>(kMaxDataFiles)) return;
    const std::size_t fi = static_cast<std::size_t>(f);
    const bool extra = s_.ProgramNumber == kVerbTableProgram;

    switch (operation) {
    case 0: { // fetch
        if (s_.ErrorCount[fi] <= 0) return;
        std::size_t k = firstErrorEntry(f);
        s_.ErrorItem = k ? s_.ErrorList[k].item : 0;
        if (k && extra) s_.ErrorExtra[0] = s_.ErrorExtra[k];
        if (s_.ErrorItem <= 0 || s_.ErrorItem > s_.ItemCount[fi]) return;
        LineReader reader(dataFile(name));
        if (!reader.isOpen()) {
            showMessage("Filen " + paths_.rootText() + "/DATA/" + name.toUtf8() +
                        " finns inte eller är felaktig");
            return;
        }
        int items = 0;
        AnsiText line;
        while (items < s_.ErrorItem && reader.next(line)) {
            if (isItemLine(line)) {
                ++items;
                s_.CurrentLine = line;
            }
        }
        if (s_.ProgramNumber == kClockProgram) s_.ClockItem = s_.ErrorItem;
        return;
    }
    case 1: { // remove
        std::size_t k = firstErrorEntry(f);
        if (!k) return;
        std::size_t used = usedErrorEntries();
        for (std::size_t j = k; j < used; ++j) {
            s_.ErrorList[j] = s_.ErrorList[j + 1];
            s_.ErrorExtra[j] = s_.ErrorExtra[j + 1];
        }
        s_.ErrorList[used] = ErrorEntry{};
        s_.ErrorExtra[used] = 0;
        if (s_.ErrorCount[fi] > 0) --s_.ErrorCount[fi];
        return;
    }
    case 2: { // move to the end
        std::size_t k = firstErrorEntry(f);
        if (!k) return;
        std::size_t used = usedErrorEntries();
        ErrorEntry moved = s_.ErrorList[k];
        std::int32_t movedExtra = extra ? s_.ErrorExtra[0] : s_.ErrorExtra[k];
        for (std::size_t j = k; j < used; ++j) {
            s_.ErrorList[j] = s_.ErrorList[j + 1];
            s_.ErrorExtra[j] = s_.ErrorExtra[j + 1];
        }
        s_.ErrorList[used] = moved;
        s_.ErrorExtra[used] = movedExtra;
        return;
    }
    case 3: { // append
        if (s_.CurrentItem == 0) return; // item number 0 would end the list
        std::size_t place = usedErrorEntries() + 1;
        if (place > kErrorListSize) {
            // Full: the oldest entry is dropped.
            std::size_t oldest = static_cast<std::size_t>(s_.ErrorList[1].fileIndex);
            if (oldest >= 1 && oldest <= kMaxDataFiles && s_.ErrorCount[oldest] > 0)
                --s_.ErrorCount[oldest];
            for (std::size_t j = 1; j < kErrorListSize; ++j) {
                s_.ErrorList[j] = s_.ErrorList[j + 1];
                s_.ErrorExtra[j] = s_.ErrorExtra[j + 1];
            }
            place = kErrorListSize;
        }
        s_.ErrorList[place] = ErrorEntry{s_.CurrentItem, f};
        s_.ErrorExtra[place] = extra ? s_.ErrorExtra[0] : 0;
        if (s_.ErrorCount[fi] < static_cast<std::int32_t>(kErrorListSize)) ++s_.ErrorCount[fi];
        return;
    }
    default: return;
    }
}

} // namespace orvela
