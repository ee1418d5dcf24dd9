#pragma once
// The diploma of the graded-level exercise on one A4 page: a double frame, the diploma picture,
// "DIPLÔME", the exercise's heading, the pupil's name (a line to write it on when no name was
// given), the level reached and the date in French, and a line for the teacher's signature.
// Every copy is a print job of its own.

#include "Printing.h"
#include "WorksheetPrintout.h"

#include <filesystem>

namespace orvela {

struct Diploma {
    AnsiText heading;   // the exercise's heading ("X-ACT" when it has none)
    AnsiText name;      // the pupil's name; empty: a line to write it on
    int level = 0;      // the level reached
    int levelCount = 0; // the levels of the exercise
    int year = 0, month = 1, day = 1;
    std::filesystem::path picture; // the diploma picture; empty or unreadable: none
};

class DiplomaPrintout {
public:
    // After the print dialog; Failed when a job could not be started.
    static PrintOutcome print(Printing& printer, const Diploma& diploma);
    // The page itself, in a job already begun.
    static void drawPage(Printing& printer, const Diploma& diploma);

    // "Le 6 décembre 2026", "Le 1er mai 2027".
    static AnsiText dateText(int year, int month, int day);
    // "a atteint le niveau 12 sur 12"
    static AnsiText levelText(int level, int levelCount);
};

} // namespace orvela
