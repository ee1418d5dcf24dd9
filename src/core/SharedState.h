#pragma once
// The shared exercise state: everything the main window, the menus and the exercise windows
// hand to each other during one program run. Nothing here is saved unless a window says so.

#include "AnsiText.h"
#include "DiagnosisRecord.h"
#include "OneBased.h"
#include "ScoreRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvela {

enum class Mode : std::uint8_t {
    Practice = 0,
    Worksheet = 1,
    DiagnosisTest = 2,
    FollowUp1 = 3,
    FollowUp2 = 4,
    FollowUpCorrection = 5,
};

inline constexpr int QuestionsPerRun = 10;
inline constexpr int DiagnosisRunLength = 20;
inline constexpr int PassThreshold = 15;
inline constexpr bool ScrambledLinesOn = true;

inline constexpr std::size_t kMaxDataFiles = 172;
inline constexpr std::size_t kMaxPraiseFiles = 20;
inline constexpr std::size_t kRandomOrderSize = 1000;
inline constexpr std::size_t kErrorListSize = 400;
inline constexpr std::size_t kMaxItemFields = 10;
inline constexpr std::size_t kHeaderTextMax = 80;

struct ErrorEntry {
    std::int32_t item = 0; // 0: empty entry, ends the list
    std::int32_t fileIndex = 0;
};

struct WordListError {
    std::int32_t item = 0;
    std::int32_t list = 0;
};

struct SharedState {
    // Settings (program settings file and path file)
    std::int32_t ShowAnswerSeconds = 3;
    std::uint8_t SoundSetting = 1;
    std::uint8_t PictureSetting = 1;
    std::string DiagnosisDir; // UTF-8 path
    std::string ScoreDir;     // UTF-8 path, always ends with a separator

    // Exercise run
    Mode ExerciseMode = Mode::Practice;
    AnsiText CurrentDataFile;
    std::int32_t CurrentFileIndex = 1;
    std::uint16_t ProgramNumber = 0;
    std::uint16_t QuestionNumber = 1;
    std::int32_t RunLength = QuestionsPerRun;
    std::int32_t SavedRunLength = QuestionsPerRun;
    std::uint16_t RightCount = 0;
    std::uint16_t WrongCount = 0;
    std::uint8_t LastAnswerRight = 0;
    std::uint8_t CorrectionRun = 0;
    std::int32_t TickCount = 0;
    std::uint8_t DiagnosisReturnMarker = 0;
    std::int32_t ClockItem = 0; // the clock exercise's item, set when an error is fetched

    // Data-file table and item order
    OneBased<AnsiText, kMaxDataFiles> FileTable;
    std::uint16_t FileTableCount = 0;
    OneBased<std::int32_t, kMaxDataFiles> ItemCount;
    OneBased<std::int32_t, kMaxDataFiles> DrawCursor;
    OneBased<std::int32_t, kRandomOrderSize> RandomOrder;

    // Current item
    std::uint16_t CurrentItem = 1;
    AnsiText CurrentLine;
    OneBased<AnsiText, kMaxItemFields> ItemFields;
    std::uint16_t AltFieldCount = 0;
    std::uint16_t ItemFieldCount = 0;
    OneBased<AnsiText, 3> HeadingLines;
    AnsiText InstructionText;
    AnsiText WorksheetNote;

    // Error list
    OneBased<ErrorEntry, kErrorListSize> ErrorList;
    OneBased<std::int32_t, kMaxDataFiles> ErrorCount;
    std::int32_t ErrorItem = 0;
    std::array<std::int32_t, kErrorListSize + 1> ErrorExtra{}; // 0..400; 0 = the current item

    // Text splitting
    OneBased<AnsiText, 3> SplitLines;
    OneBased<AnsiText, 5> PrepParts;

    // Praise, pictures, sound
    OneBased<AnsiText, kMaxPraiseFiles> PraiseFileTable;
    std::uint16_t PraiseFileCount = 0;
    OneBased<std::int32_t, kMaxPraiseFiles> PraiseItemCount;
    OneBased<std::int32_t, kMaxPraiseFiles> PraiseCursor;
    AnsiText PraiseFileName;
    std::int32_t PraiseFileIndex = 1;
    OneBased<std::int32_t, 30> PictureOrder;
    std::int32_t PictureCursor = 1;
    AnsiText PictureCaption;
    bool PictureOrderPending = true;
    bool StartCaptionWanted = false;
    AnsiText SoundDir;
    std::uint8_t DictationMode = 0; // the dictation's 0 hear, 1 see, 2 hear and see
    OneBased<std::int32_t, 6> StartPictures;

    // Screen
    std::uint16_t ScalePercent = 100;
    std::uint16_t LayoutUnit = 11;

    // Diagnosis
    DiagnosisRecord CurrentPupil;
    AnsiText PupilName;
    std::int32_t CurrentProgramme = 1;
    AnsiText TeacherPassword;
    AnsiText DeleteName;
    std::uint8_t DeleteMode = 0;
    std::uint8_t DiagnosisPathChecked = 0;
    std::uint8_t ProtocolSave = 0;

    // Worksheet collection
    std::uint8_t WorksheetHeadingPending = 0;
    std::int32_t WorksheetExerciseCount = 0;
    std::int32_t WorksheetItemCount = 0;
    AnsiText WorksheetHeading;
    std::uint8_t PrintWithAnswers = 0;
    std::int32_t WorksheetBatchCount = 1;
    std::uint8_t WorksheetListReturn = 1;
    std::int32_t WorksheetPageNumber = 1;
    std::uint8_t WorksheetNewPage = 1;

    // Word lists (vocabulary exercise)
    std::string WordListFile;
    std::int32_t WordListNumber = 1;
    AnsiText WordListTitle;
    OneBased<std::int32_t, 1000> WordListItemCount;
    OneBased<std::int32_t, 1000> WordListPosition;
    OneBased<std::int32_t, 1000> WordListErrorCount; // every list number has its count
    OneBased<WordListError, 200> WordListErrors;
    std::string RecordFile;
    // The list files met in this run, in the order first met; a list's WordListNumber is its
    // place here, so it stays the same for the file however the directory changes, and a
    // general and a special list never share a number.
    std::vector<std::string> WordListNames;
    // The entry offered to the record table (name and score by the vocabulary exercise, date
    // and time by the table).
    ScoreRecord NewRecord;
};

// Modes 2 to 4: the diagnosis test and its two follow-up exercises.
inline bool isDiagnosisMode(Mode m) {
    return m == Mode::DiagnosisTest || m == Mode::FollowUp1 || m == Mode::FollowUp2;
}

} // namespace orvela
