#include "VocabularyWorksheet.h"

namespace orvela {

namespace {
const AnsiText kTask = AnsiText::fromUtf8(".  Ordförrådet ---");
const AnsiText kFacit = AnsiText::ascii(". Facit.");
const AnsiText kTranslate = AnsiText::fromUtf8("     Översätt följande ord:");
const AnsiText kWritingLine = AnsiText::ascii("       " + std::string(37, '_'));
const AnsiText kAnswerIndent = AnsiText::ascii("       ");
} // namespace

VocabularyWorksheet::VocabularyWorksheet(SharedState& state,
                                         std::function<WorksheetWindow*()> target)
    : state_(state), target_(std::move(target)) {}

std::vector<WorksheetLine> VocabularyWorksheet::headingLines(Sheet sheet, int k,
                                                             const AnsiText& title) {
    AnsiText heading = AnsiText::ascii(std::to_string(k)) + kTask + title;
    if (sheet == Sheet::Answers) heading += kFacit;
    return {{LineKind::Heading, heading}, {LineKind::Continuation, kTranslate}};
}

std::vector<WorksheetLine> VocabularyWorksheet::itemLines(Sheet sheet, int n, const AnsiText& word,
                                                          const AnsiText& answer) {
    return {
        {LineKind::Item, Worksheet::itemPrefix(n) + word},
        {LineKind::Continuation, sheet == Sheet::Answers ? kAnswerIndent + answer : kWritingLine}};
}

void VocabularyWorksheet::addVocabularyItem(int n, const AnsiText& word, const AnsiText& answer) {
    WorksheetWindow* w = target();
    if (!w) return;
    for (Sheet sheet : {Sheet::Questions, Sheet::Answers})
        for (const WorksheetLine& l : itemLines(sheet, n, word, answer))
            w->addLine(sheet, l.kind, l.text);
}

const Worksheet& VocabularyWorksheet::worksheet() const {
    WorksheetWindow* w = target();
    return w ? w->worksheet() : empty_;
}

void VocabularyWorksheet::addLine(Sheet sheet, LineKind kind, const AnsiText& text) {
    WorksheetWindow* w = target();
    if (!w) return;
    if (kind != LineKind::Heading) {
        w->addLine(sheet, kind, text);
        return;
    }
    for (const WorksheetLine& l :
         headingLines(sheet, state_.WorksheetExerciseCount, state_.WordListTitle))
        w->addLine(sheet, l.kind, l.text);
}

void VocabularyWorksheet::clear() {
    if (WorksheetWindow* w = target()) w->clear();
}

void VocabularyWorksheet::restart() {
    if (WorksheetWindow* w = target()) w->restart();
}

void VocabularyWorksheet::showSheet(Sheet sheet) {
    if (WorksheetWindow* w = target()) w->showSheet(sheet);
}

void VocabularyWorksheet::hideSheet() {
    if (WorksheetWindow* w = target()) w->hideSheet();
}

AnsiText VocabularyWorksheet::UtSkriftSvar(const AnsiText& answer) {
    WorksheetWindow* w = target();
    return w ? w->UtSkriftSvar(answer) : answer;
}

PrintOutcome VocabularyWorksheet::SkrivutFraga() {
    WorksheetWindow* w = target();
    return w ? w->SkrivutFraga() : PrintOutcome::Failed;
}

} // namespace orvela
