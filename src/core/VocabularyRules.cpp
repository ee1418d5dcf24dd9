#include "VocabularyRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvela {

int HaemtaOrdnummer(std::int32_t& position, int count,
                    const OneBased<std::int32_t, kRandomOrderSize>& order) {
    const int drawable = std::min(count, static_cast<int>(kRandomOrderSize));
    if (drawable < 1) {
        position = 1;
        return 1;
    }
    if (position < 1 || position > drawable) position = 1;
    int item = 1;
    int seen = 0;
    for (std::size_t i = 1; i <= kRandomOrderSize && seen < position; ++i) {
        const int v = order[i];
        if (v >= 1 && v <= drawable) {
            ++seen;
            item = v;
        }
    }
    position = position >= drawable ? 1 : position + 1;
    return item;
}

namespace {

bool hasErrorList(int list) {
    return list >= 1 && list <= kWordListsWithErrors;
}

std::size_t usedPairs(const WordListErrorPairs& pairs) {
    std::size_t n = 0;
    while (n < kWordListErrorPairs && pairs[n + 1].item != 0)
        ++n;
    return n;
}

std::size_t firstPairOf(const WordListErrorPairs& pairs, int list) {
    const std::size_t used = usedPairs(pairs);
    for (std::size_t k = 1; k <= used; ++k)
        if (pairs[k].list == list) return k;
    return 0;
}

// Removes pair k, closing the gap; returns the pair.
WordListError takePair(WordListErrorPairs& pairs, std::size_t k) {
    const std::size_t used = usedPairs(pairs);
    WordListError taken = pairs[k];
    for (std::size_t j = k; j < used; ++j)
        pairs[j] = pairs[j + 1];
    pairs[used] = WordListError{};
    return taken;
}

} // namespace

int wordListErrorCount(const WordListErrorCounts& counts, int list) {
    return hasErrorList(list) ? counts[static_cast<std::size_t>(list)] : 0;
}

int firstWordListError(const WordListErrorPairs& pairs, int list) {
    const std::size_t k = firstPairOf(pairs, list);
    return k ? pairs[k].item : 0;
}

void removeWordListError(WordListErrorPairs& pairs, WordListErrorCounts& counts, int list) {
    if (!hasErrorList(list)) return;
    const std::size_t k = firstPairOf(pairs, list);
    if (k == 0) return;
    takePair(pairs, k);
    std::int32_t& count = counts[static_cast<std::size_t>(list)];
    if (count > 0) --count;
}

void moveWordListErrorToEnd(WordListErrorPairs& pairs, int list) {
    if (!hasErrorList(list)) return;
    const std::size_t k = firstPairOf(pairs, list);
    if (k == 0) return;
    WordListError moved = takePair(pairs, k);
    pairs[usedPairs(pairs) + 1] = moved;
}

void appendWordListError(WordListErrorPairs& pairs, WordListErrorCounts& counts, int item,
                         int list) {
    if (!hasErrorList(list) || item < 1) return;
    if (usedPairs(pairs) == kWordListErrorPairs) {
        WordListError dropped = takePair(pairs, 1);
        if (hasErrorList(dropped.list)) {
            std::int32_t& c = counts[static_cast<std::size_t>(dropped.list)];
            if (c > 0) --c;
        }
    }
    pairs[usedPairs(pairs) + 1] = WordListError{item, list};
    std::int32_t& count = counts[static_cast<std::size_t>(list)];
    if (count < static_cast<std::int32_t>(kWordListErrorPairs)) ++count;
}

void Stopwatch::start() {
    StartTime = clock_ ? clock_->now().secondsOfDay() : 0.0;
}

long Stopwatch::stop(int unit) {
    StopTime = clock_ ? clock_->now().secondsOfDay() : 0.0;
    double seconds = StopTime - StartTime;
    if (seconds < 0) seconds += 24 * 3600.0;
    static const double kFactors[4] = {1000.0, 100.0, 10.0, 1.0};
    return std::lround(seconds * kFactors[std::clamp(unit, 0, 3)]);
}

double answerPoints(std::size_t answerLength, long hundredths, bool lampOn) {
    const double points =
        static_cast<double>(answerLength) + 100.0 - 0.02 * static_cast<double>(hundredths);
    return lampOn ? points / 2 : points;
}

std::int32_t roundedScore(double score) {
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::lround(std::clamp(score, low, high)));
}

} // namespace orvela
