#pragma once
// One item of the sentence-part exercise, read from its data line: a French sentence with up to
// five groups of words marked "<" ">", and a function code per group. Each group whose code is
// one of the five functions gets a box; the boxes come in the function order AO, DO, P, PF, S and,
// within one function, in group order. Nothing here knows about windows.
//
// Line: sentence # code of group 1 # ... # code of group 5. A leading digit of the sentence is
// not part of it. Any other code ("NN") gives its group no box.

#include "AnsiText.h"
#include "OneBased.h"
#include "SharedState.h"

#include <optional>
#include <vector>

namespace orvela {

enum class SatsFunction { AO, DO, P, PF, S };

struct SatsFunctionInfo {
    const char* code;
    const char* line1;  // the box's first line (Windows-1252)
    const char* line2;  // the box's second line, may be empty
    const char* legend; // the worksheet legend, blanks and "=" included
};

const SatsFunctionInfo& satsFunctionInfo(SatsFunction f);
// The function a code names, compared in capitals and without surrounding blanks.
std::optional<SatsFunction> satsFunctionOf(const AnsiText& code);

struct SatsBox {
    int group = 0; // 1..5
    SatsFunction function = SatsFunction::S;
};

struct SatsItem {
    static constexpr int kMaxGroups = 5;
    static constexpr std::size_t kStoredGroupLength = 40;

    AnsiText sentence; // field 1 without its leading digit, marks kept
    // The marks pair up (as many "<" as ">", each group opened before it is closed); otherwise
    // no text is shown at all.
    bool marksBalanced = false;
    int groupCount = 0;
    OneBased<AnsiText, 5> groups;  // the marked groups
    OneBased<AnsiText, 6> between; // before group 1, between the groups, after the last group
    std::vector<SatsBox> boxes;

    static SatsItem parse(const OneBased<AnsiText, kMaxItemFields>& fields);

    // Every box belongs to a group that is shown, and there is at least one box: the item can be
    // finished by dragging.
    bool canBeFinished() const;
    // A group's text as the worksheet keeps it (at most 40 characters).
    AnsiText storedGroup(int group) const;

    // Worksheet lines under the sentence, one per box in box order.
    std::vector<AnsiText> worksheetQuestionLines() const;
    std::vector<AnsiText> worksheetAnswerLines() const;
};

} // namespace orvela
