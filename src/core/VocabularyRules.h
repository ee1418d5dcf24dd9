#pragma once
// The rules of the vocabulary exercise that hold between its word lists: the order in which a
// list's items are asked, the list of wrongly answered items, and the points of a right answer.

#include "OneBased.h"
#include "Services.h"
#include "SharedState.h"

#include <cstdint>

namespace orvela {

inline constexpr std::size_t kWordListErrorPairs = 200;
// Every list the window can number (as many as the item counts) keeps its mistakes.
inline constexpr int kWordListsWithErrors = 1000;

// ---- item order (HaemtaOrdnummer) ----
// The next item of a list of `count` items at `position` in the shared random order: the
// position-th entry of the order not above the count. The position then moves on, back to 1
// after the last item, so no item comes again before all have been asked. Only the first 1000
// items of a longer list can be drawn.
int HaemtaOrdnummer(std::int32_t& position, int count,
                    const OneBased<std::int32_t, kRandomOrderSize>& order);

// ---- mistakes (OrdlistaFel) ----
// The pairs (item, list) oldest first; a pair with item 0 is empty and ends the used part.
using WordListErrorPairs = OneBased<WordListError, kWordListErrorPairs>;
using WordListErrorCounts = OneBased<std::int32_t, kWordListsWithErrors>;

// The item of the list's oldest pair, 0 when it has none.
int firstWordListError(const WordListErrorPairs& pairs, int list);
// 1: removes the list's oldest pair and lowers its count.
void removeWordListError(WordListErrorPairs& pairs, WordListErrorCounts& counts, int list);
// 2: moves the list's oldest pair behind the last used pair.
void moveWordListErrorToEnd(WordListErrorPairs& pairs, int list);
// 3: adds (item, list) after the last used pair; when all pairs are used the oldest pair of
// any list is dropped first (and its list's count lowered).
void appendWordListError(WordListErrorPairs& pairs, WordListErrorCounts& counts, int item,
                         int list);
// The number of mistakes a list has to correct (0 for lists without an error count).
int wordListErrorCount(const WordListErrorCounts& counts, int list);

// ---- points (Tidtagning) ----
// A stopwatch in seconds of the day, with milliseconds.
class Stopwatch {
public:
    explicit Stopwatch(Clock* clock) : clock_(clock) {}
    // Action 0: records StartTime.
    void start();
    // Action 1: records StopTime and returns the time since the start in thousandths (unit 0),
    // hundredths (1), tenths (2) or whole seconds (3), rounded. A start before midnight and a
    // stop after it count the hours past midnight too.
    long stop(int unit);
    double StartTime = 0;
    double StopTime = 0;

private:
    Clock* clock_;
};

// The points of a right answer: 100, plus one per character of the expected answer, less 2 per
// second taken; half of that while the error lamp is on. May be negative.
double answerPoints(std::size_t answerLength, long hundredths, bool lampOn);
// The score as shown and stored: rounded to a whole number, kept within 32 bits.
std::int32_t roundedScore(double score);

} // namespace orvela
