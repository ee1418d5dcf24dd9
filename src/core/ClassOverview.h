#pragma once
// The teacher's class overview of the diagnosis: every pupil of the diagnosis file (rows, in the
// order of the name list) against the eighteen diagnosis programmes (columns). A cell holds the
// pupil's state in the programme and the right answers of the last test in percent; each
// programme has the class average and how many pupils are in each state; each pupil how many
// programmes are passed. The overview window, its printout and the content tool all show it from
// here.
//
// A cell's state follows the result and the status stored for the programme:
//   result at least PassThreshold (15 of 20)            passed
//   a result below it and the status "Tester"           passed after the follow-up exercise
//                                                        (its end sets the status back to "Tester")
//   a result below it otherwise                         below the pass mark
//   result 0 and the status "Exercer"                   below the pass mark, 0 % (a test broken
//                                                        off without a right answer)
//   result 0 otherwise                                  not done
// A result outside 0..20 (a damaged file) counts as 0 below and as 20 above.

#include "AnsiText.h"
#include "DiagnosisRecord.h"
#include "DiagnosisRules.h"
#include "Printing.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

enum class OverviewState : std::uint8_t {
    NotDone,
    BelowPassMark,
    Passed,
    PassedAfterFollowUp,
};
inline constexpr int kOverviewStates = 4;
// The order in which legends explain the states.
inline constexpr std::array<OverviewState, kOverviewStates> kLegendOrder = {
    OverviewState::Passed, OverviewState::PassedAfterFollowUp, OverviewState::BelowPassMark,
    OverviewState::NotDone};

using OverviewColour = PrintColour;

struct OverviewCell {
    OverviewState state = OverviewState::NotDone;
    int percent = 0; // right answers of the last test in percent, 0..100
};

struct OverviewRow {
    AnsiText name;          // as the name list shows it (unscrambled, at most 21 characters)
    std::size_t record = 0; // the record's place in the diagnosis file
    std::array<OverviewCell, kDiagnosisProgrammesInUse> cells{}; // programme n at n - 1
    int passed = 0; // programmes passed, with or without the follow-up exercise

    const OverviewCell& cell(int programme) const {
        return cells.at(static_cast<std::size_t>(programme - 1));
    }
};

struct OverviewColumn {
    std::array<int, kOverviewStates> count{}; // pupils per OverviewState
    // The mean percentage of the pupils who have done the programme, rounded; none while no
    // pupil has.
    std::optional<int> average;

    int of(OverviewState s) const { return count.at(static_cast<std::size_t>(s)); }
    int done() const { return count[1] + count[2] + count[3]; } // all but NotDone
    int passed() const { return of(OverviewState::Passed) + of(OverviewState::PassedAfterFollowUp); }
};

class ClassOverview {
public:
    static ClassOverview fromRecords(const std::vector<DiagnosisRecord>& records);

    const std::vector<OverviewRow>& rows() const { return rows_; }
    const OverviewColumn& column(int programme) const {
        return columns_.at(static_cast<std::size_t>(programme - 1));
    }
    bool empty() const { return rows_.empty(); }

    // A name as the overview shows it: control characters as "?", an empty name as
    // "(namn saknas)".
    static AnsiText displayName(const AnsiText& name);

    // The state of one programme of a record.
    static OverviewCell cellOf(const DiagnosisRecord& record, int programme);

    // The short name of a programme for a column heading (UTF-8, at most 9 characters).
    static std::string_view shortName(int programme);
    // The state in words (UTF-8): "Inte gjort", "Under godkäntgränsen", "Godkänt",
    // "Godkänt efter övning".
    static std::string_view stateName(OverviewState state);
    // The colour of a cell in the state.
    static OverviewColour stateColour(OverviewState state);
    // A cell as text: the percentage with the state's mark, readable without colours:
    // "85" passed, "60!" below the pass mark, "60*" passed after the follow-up, "-" not done.
    static std::string cellText(const OverviewCell& cell);
    // The mark of a state ("", "!", "*", "-").
    static std::string_view stateMark(OverviewState state);
    // The average as text ("72 %"), "-" while no pupil has done the programme.
    static std::string averageText(const OverviewColumn& column);
    // The headings of the summary rows under the pupils and the text of each row's cell.
    static constexpr int kSummaryRows = 4;
    static std::string_view summaryHeading(int row);
    static std::string summaryText(const OverviewColumn& column, int row);
    // A cell that shows what a state looks like (85 % passed, 60 % otherwise).
    static OverviewCell sampleCell(OverviewState state);
    // The explanation of the percentages and the summary rows, line by line (UTF-8).
    static std::vector<std::string> legendLines();

    // The overview as plain text, one line per pupil and one column per programme, the summary
    // rows under them and the legend; names longer than `nameWidth` are cut with "...".
    std::string textTable(std::size_t nameWidth = 24) const;

private:
    std::vector<OverviewRow> rows_;
    std::array<OverviewColumn, kDiagnosisProgrammesInUse> columns_{};
};

} // namespace orvela
