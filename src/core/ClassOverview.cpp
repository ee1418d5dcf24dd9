#include "ClassOverview.h"

#include "SharedState.h"
#include "TextColumns.h"

#include <algorithm>
#include <cmath>

namespace orvela {

namespace {

constexpr std::array<std::string_view, kDiagnosisProgrammesInUse> kShortNames = {
    "Glosor 1",  "Glosor 2", "Glosor 3",  "Glosor 4", "Artikel",   "Genus",
    "Nekande",   "Kompar.",  "Plural",    "Verb -er", "Verb -ir",  "Verbtema",
    "Oregelb.",  "Être",     "Frågor",    "Imperativ", "Possessiv", "Futurum",
};

constexpr std::array<std::string_view, kOverviewStates> kStateNames = {
    "Inte gjort", "Under godkäntgränsen", "Godkänt", "Godkänt efter övning"};

constexpr std::array<std::string_view, kOverviewStates> kStateMarks = {"-", "!", "", "*"};

constexpr std::array<OverviewColour, kOverviewStates> kStateColours = {{
    {232, 232, 232}, // not done: light grey
    {255, 153, 153}, // below the pass mark: red
    {144, 221, 144}, // passed: green
    {255, 221, 102}, // passed after the follow-up exercise: yellow
}};

constexpr std::array<std::string_view, ClassOverview::kSummaryRows> kSummaryHeadings = {
    "Medelvärde", "Godkända", "Ska öva", "Inte gjort"};

std::size_t index(OverviewState s) {
    return static_cast<std::size_t>(s);
}




void trimRight(std::string& s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
}

// "Godkänt" -> "godkänt" (the state names begin with an ASCII letter).
std::string lowerFirst(std::string s) {
    if (!s.empty() && s[0] >= 'A' && s[0] <= 'Z') s[0] = static_cast<char>(s[0] - 'A' + 'a');
    return s;
}

} // namespace

AnsiText ClassOverview::displayName(const AnsiText& name) {
    if (name.empty()) return AnsiText::fromUtf8("(namn saknas)");
    std::string bytes = name.bytes();
    for (char& c : bytes) {
        auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) c = '?';
    }
    return AnsiText(bytes);
}

OverviewCell ClassOverview::cellOf(const DiagnosisRecord& record, int programme) {
    OverviewCell cell;
    if (programme < 1 || programme > static_cast<int>(kDiagnosisProgrammes)) return cell;
    const auto n = static_cast<std::size_t>(programme);
    const std::int32_t result = std::clamp<std::int32_t>(record.result[n], 0, DiagnosisRunLength);
    const std::uint8_t status = record.status[n];
    cell.percent = static_cast<int>(std::lround(result * 100.0 / DiagnosisRunLength));
    if (result >= PassThreshold)
        cell.state = OverviewState::Passed;
    else if (result > 0)
        cell.state = status == StatusTester ? OverviewState::PassedAfterFollowUp
                                            : OverviewState::BelowPassMark;
    else
        cell.state = status == StatusExercer ? OverviewState::BelowPassMark
                                             : OverviewState::NotDone;
    return cell;
}

ClassOverview ClassOverview::fromRecords(const std::vector<DiagnosisRecord>& records) {
    ClassOverview o;
    o.rows_.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        OverviewRow row;
        row.name = storedPupilName(records[i].name);
        row.record = i;
        for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n) {
            OverviewCell c = cellOf(records[i], n);
            row.cells[static_cast<std::size_t>(n - 1)] = c;
            if (c.state == OverviewState::Passed || c.state == OverviewState::PassedAfterFollowUp)
                ++row.passed;
        }
        o.rows_.push_back(std::move(row));
    }
    std::stable_sort(o.rows_.begin(), o.rows_.end(),
                     [](const OverviewRow& a, const OverviewRow& b) {
                         return pupilNameLess(a.name, b.name);
                     });
    for (std::size_t k = 0; k < o.columns_.size(); ++k) {
        OverviewColumn& col = o.columns_[k];
        long long sum = 0;
        for (const OverviewRow& row : o.rows_) {
            const OverviewCell& c = row.cells[k];
            ++col.count[index(c.state)];
            if (c.state != OverviewState::NotDone) sum += c.percent;
        }
        if (col.done() > 0)
            col.average = static_cast<int>(std::lround(static_cast<double>(sum) / col.done()));
    }
    return o;
}

std::string_view ClassOverview::shortName(int programme) {
    if (programme < 1 || programme > kDiagnosisProgrammesInUse) return {};
    return kShortNames[static_cast<std::size_t>(programme - 1)];
}

std::string_view ClassOverview::stateName(OverviewState state) {
    return kStateNames.at(index(state));
}

OverviewColour ClassOverview::stateColour(OverviewState state) {
    return kStateColours.at(index(state));
}

std::string_view ClassOverview::stateMark(OverviewState state) {
    return kStateMarks.at(index(state));
}

std::string ClassOverview::cellText(const OverviewCell& cell) {
    if (cell.state == OverviewState::NotDone) return "-";
    return std::to_string(cell.percent) + std::string(stateMark(cell.state));
}

std::string ClassOverview::averageText(const OverviewColumn& column) {
    return column.average ? std::to_string(*column.average) + " %" : "-";
}

std::string_view ClassOverview::summaryHeading(int row) {
    return row >= 0 && row < kSummaryRows ? kSummaryHeadings[static_cast<std::size_t>(row)] : "";
}

std::string ClassOverview::summaryText(const OverviewColumn& column, int row) {
    switch (row) {
    case 0: return averageText(column);
    case 1: return std::to_string(column.passed());
    case 2: return std::to_string(column.of(OverviewState::BelowPassMark));
    case 3: return std::to_string(column.of(OverviewState::NotDone));
    default: return {};
    }
}

std::vector<std::string> ClassOverview::legendLines() {
    const std::string pass = std::to_string(PassThreshold);
    const std::string of = std::to_string(DiagnosisRunLength);
    const std::string percent =
        std::to_string(static_cast<int>(std::lround(PassThreshold * 100.0 / DiagnosisRunLength)));
    return {
        "Siffran är procent rätt i elevens senaste test (" + of + " frågor). Godkänt: minst " +
            pass + " rätt, " + percent + " %.",
        "Medelvärde: medel för de elever som har gjort testet. Godkända, Ska öva, Inte gjort: "
        "antal elever.",
    };
}

OverviewCell ClassOverview::sampleCell(OverviewState state) {
    return OverviewCell{state, state == OverviewState::Passed ? 85 : 60};
}

std::string ClassOverview::textTable(std::size_t nameWidth) const {
    constexpr std::size_t kCell = 6;
    nameWidth = std::max<std::size_t>(nameWidth, 10);
    std::size_t width = std::string_view("Namn").size();
    for (int s = 0; s < kSummaryRows; ++s)
        width = std::max(width, utf8Length(summaryHeading(s)));
    for (const OverviewRow& row : rows_)
        width = std::max(width, displayName(row.name).size());
    width = std::min(width, nameWidth);
    auto nameCell = [&](const AnsiText& name) {
        AnsiText shown = displayName(name);
        if (shown.size() > width) {
            shown.truncate(width - 3);
            shown += AnsiText::ascii("...");
        }
        return padRight(shown.toUtf8(), width);
    };

    std::string out;
    std::string line = padRight("Namn", width);
    for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n)
        line += padLeft(std::to_string(n), kCell);
    line += "  Godkända";
    out += line + "\n";
    for (const OverviewRow& row : rows_) {
        line = nameCell(row.name);
        for (const OverviewCell& c : row.cells)
            line += padLeft(cellText(c), kCell);
        line += padLeft(std::to_string(row.passed), 10);
        trimRight(line);
        out += line + "\n";
    }
    for (int s = 0; s < kSummaryRows; ++s) {
        line = padRight(std::string(summaryHeading(s)), width);
        for (const OverviewColumn& col : columns_)
            line += padLeft(summaryText(col, s), kCell);
        trimRight(line);
        out += line + "\n";
    }
    out += "\n";
    for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n)
        out += padLeft(std::to_string(n), 3) + "  " + padRight(std::string(shortName(n)), 10) +
               std::string(diagnosisProgrammeName(n)) + "\n";
    out += "\n";
    line.clear();
    for (OverviewState s : kLegendOrder)
        line += (line.empty() ? "" : ", ") + cellText(sampleCell(s)) + " " +
                lowerFirst(std::string(stateName(s)));
    out += line + ".\n";
    for (const std::string& l : legendLines())
        out += l + "\n";
    return out;
}

} // namespace orvela
