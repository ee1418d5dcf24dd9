#pragma once
// The commands of orvela-content that live in files of their own. Each takes the whole command
// line and returns the exit status: 0 success, 1 bad input (with a message on stderr), 2 usage.

#include "Services.h"

namespace orvela::tool {
int diagnosis(int argc, char** argv); // Diagnosis.cpp: list, export, import
int judge(int argc, char** argv); // Judge.cpp: judge a typed answer against an item
int lint(int argc, char** argv); // Lint.cpp: check a content tree against the catalogue
int records(int argc, char** argv); // Records.cpp: list a record table
int diagnosisReport(int argc, char** argv); // DiagnosisReport.cpp: diagnosis report (overview)
int levels(int argc, char** argv); // Levels.cpp: the records of a level store
// (declarations of further commands above this line)

// The local date and time now (Diagnosis.cpp), for the commands that stamp what they write.
DateTime systemNow();
} // namespace orvela::tool
