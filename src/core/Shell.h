#pragma once
// The main window's shared routines and the shared exercise state they work on. The main window
// owns one Shell; every menu and exercise window reaches the routines and the state through it.
// The routines keep their established names (Kolla, haemtaord, svarstest ...), so the rule for
// any behaviour is found by its name. Their bodies are grouped by topic:
//   Settings.cpp       settings and path files, directory checks
//   DataFiles.cpp      data-file table, counting, reading and splitting items, item order
//   ErrorList.cpp      the run-wide list of wrongly answered items
//   AnswerChecking.cpp judging typed answers, the error lamp colour, spaces
//   TextSplitting.cpp  breaking texts into lines, cutting out marked gaps
//   Praise.cpp         praise files and lines
//   Pictures.cpp       the picture order and captions, sounds
//   DiagnosisFiles.cpp the diagnosis directory, file and password file, pupils' records
//   DiagnosisResults.cpp results and statuses of the diagnosis programmes

#include "AnsiText.h"
#include "ContentPaths.h"
#include "Services.h"
#include "SharedState.h"
#include "WritePlaces.h"

#include <cstdint>
#include <functional>
#include <random>
#include <optional>
#include <string>
#include <vector>

namespace orvela {

struct ShellServices {
    Messages* messages = nullptr;
    Clock* clock = nullptr;
    TextMeasure* measure = nullptr;
    Sound* sound = nullptr;
};

class Shell {
public:
    Shell(ContentPaths paths, ShellServices services);

    SharedState& state() { return s_; }
    const SharedState& state() const { return s_; }
    const ContentPaths& paths() const { return paths_; }
    ContentPaths& paths() { return paths_; }
    ShellServices& services() { return services_; }

    // ---- Settings.cpp ----
    // Reads the path file into DiagnosisDir and ScoreDir.
    void HaemtaPathINI();
    // Reads the settings file into ShowAnswerSeconds, SoundSetting, PictureSetting.
    void HaemtaFranINI();
    // Writes the three settings back to the settings file; false (with a message) on failure.
    bool SparaFranINI();
    // The start-up check of ScoreDir: missing or not writable gives ContentRoot\RESULTAT\.
    void KontrolleraScoreDir();
    // True when a file can NOT be created in `dir`.
    static bool KatalogSkrivbar(const std::string& dir);
    // True when the diagnosis can be stored in `dir`; tells the pupil otherwise.
    bool DiagnosFileWish(const std::string& dir);
    // The directory of the results: ContentRoot + "\RESULTAT" as a real path when the course
    // takes them, the user's data directory for an installed course (see WritePlaces).
    std::string resultDir() const;
    // Where the settings file and the results go; decided once for the content root.
    WritePlaces& places() const;

    // ---- DataFiles.cpp ----
    // Fills FileTable (and, from the list file, the praise-file table). False when the DATA
    // directory cannot be found (the warning has then been shown).
    bool HaemtaFilTabell();
    void SkapaSlumptal(int low, int high);
    bool Kolla(const AnsiText& name);
    void ordantal(const AnsiText& name, int index, bool countAll, int target);
    int haemta_slumptal(int position, int fileIndex);
    void haemtaord(const AnsiText& name, int n);
    void str_postarray(const AnsiText& line);
    static std::uint16_t GeProgramtal(const AnsiText& name);
    AnsiText kryptrad(const AnsiText& line) const;
    AnsiText dekryptrad(const AnsiText& line) const;
    // The path of a file in DATA, found without regard to letter case (empty when missing).
    std::filesystem::path dataFile(const AnsiText& name) const;

    // ---- ErrorList.cpp ----
    // 0 fetch, 1 remove, 2 move to the end, 3 append.
    void haemtafel(const AnsiText& name, int operation);

    // ---- Praise.cpp ----
    // Fills PraiseFileTable with the praise files of the DATA listing (at start-up, when the
    // course's file list names none).
    void HaemtaLovordFiler(std::vector<AnsiText> praiseFiles);
    void HaemtaLovordFilNamn();
    bool KollaLovOrd(const AnsiText& name);
    int haemta_Lovordslumptal(int position, int fileIndex);
    AnsiText LovordMen(const AnsiText& text) const;
    static int GeDiagnosTyp(int programNumber);
    // The praise line for the end of a run (fields 1, 2 and 3 after the placeholders), or nullopt
    // when no praise file fits or the file has no lines.
    std::optional<OneBased<AnsiText, 3>> nextPraise();
    // The three praise fields as one line: empty fields leave no blank, and a comma left
    // standing before the end or a punctuation mark (a line written for a name, shown without
    // one) goes.
    static AnsiText praiseLine(const OneBased<AnsiText, 3>& fields);

    // ---- AnswerChecking.cpp ----
    static AnsiText MellanslagBort(const AnsiText& text);
    std::uint16_t svarstest(const AnsiText& expected, const AnsiText& typed, int mode) const;
    int GreenRedTest(const AnsiText& typed, const AnsiText& expected) const;

    // ---- TextSplitting.cpp ----
    void dela_mening(int left, int right, const AnsiText& text, int maxLines);
    void LetaPrep(const AnsiText& text);
    // The font dela_mening measures in for the current ProgramNumber.
    FontSpec splittingFont() const;

    // ---- Pictures.cpp ----
    void GeLjudDirectory();
    // Plays a recording from LJUD. When it is missing or not a WAV file, `spokenText` (the
    // French the recording says) is spoken by the speech synthesizer instead; without one, or
    // without a text, the pupil is told that the file is missing (and false comes back).
    bool SpelaUppWavLjud(const AnsiText& name, const AnsiText& spokenText = {});
    int haemta_Bildslumptal();
    AnsiText GeBildText(int n);
    // "\BILD\" + prefix + number with three digits + ".BMP"
    static std::string pictureFileName(const std::string& prefix, int n);

    // ---- DiagnosisFiles.cpp ----
    // The diagnosis directory (DiagnosisDir, or ContentRoot\RESULTAT while it is unset).
    std::filesystem::path diagnosisDir() const;
    // The check of the diagnosis directory, once per program run (DiagnosisPathChecked): when no
    // file can be created in DiagnosisDir, the pupil is told (DiagnosFileWish) and the diagnosis
    // goes to ContentRoot\RESULTAT for the rest of the run.
    void checkDiagnosisDirectory();
    // The names of the stored pupils, unscrambled, at most 21 characters, sorted as a Swedish
    // list is; a name stored twice is listed twice. nullopt when there is no diagnosis file (or
    // it cannot be read): the pupil then types a new name at once.
    std::optional<std::vector<AnsiText>> VisaListbox();
    // Whether a stored record carries the name (letter case ignored). When not, CurrentPupil is
    // cleared. CurrentPupil.name := name in both cases.
    bool NamnFinns(const AnsiText& name);
    // Loads the first record carrying the name into CurrentPupil (cleared when there is none),
    // sets CurrentPupil.name := name and returns the stored password (empty = none).
    AnsiText HaemtaElev(const AnsiText& name);
    // Clears CurrentPupil as for a new pupil.
    void NollstaellElev();
    // Stores CurrentPupil in place of its record (or at the end for a new pupil). Silent; false
    // when nothing could be stored (the record in memory is stored by the next store).
    bool SparaProtokoll();
    // Deletes the records named DeleteName after asking; true when they were deleted. No sets
    // DeleteMode := 0.
    bool SparaRaderaProt();
    // Puts the diagnosis file aside as "FR" + Datumstaempel + ".DIS"; true when done.
    bool RaderaAlla();
    // The current date and time as "YYMMDDHHMI".
    std::string Datumstaempel();
    // 1: loads TeacherPassword from the password file, creating the file with the initial
    // password when it is missing. 2: stores CurrentPupil.password as the new administrator
    // password. False (after a message) when the file could not be read or written.
    bool LaerarLosen(int operation);
    // The reserve password, accepted in place of the administrator password.
    static AnsiText reservePassword();
    // Whether a typed administrator password is accepted (TeacherPassword or the reserve).
    bool teacherPasswordAccepted(const AnsiText& typed) const;

    // ---- DiagnosisResults.cpp ----
    // Stores the result of a finished (or broken-off) diagnosis test of CurrentProgramme in
    // CurrentPupil with the date and time, sets ProtocolSave and has the protocol redrawn (which
    // stores the record); with no protocol to redraw, the record is stored here.
    void diagnosback(int rightCount);
    // The status of programme 1..20 from its result; adjusts the next programme's status for
    // programmes 1 to 3. The caller stores the returned status.
    std::uint8_t GeStatusTal(int programme);
    // What diagnosback calls to enable, redraw and repaint the open protocol window; empty while
    // no protocol is open.
    void setProtocolRedraw(std::function<void()> redraw) { protocolRedraw_ = std::move(redraw); }

    // The shared random generator, reseeded from the clock where the program asks for it.
    std::mt19937& random() { return random_; }
    void reseedRandom();
    // A whole number from 0 to n-1 with equal chance.
    int randomBelow(int n);

    void showMessage(std::string_view text);
    void showWarning(std::string_view text);

private:
    SharedState s_;
    ContentPaths paths_;
    ShellServices services_;
    std::mt19937 random_;
    std::function<void()> protocolRedraw_; // DiagnosisResults.cpp
    mutable std::optional<WritePlaces> places_; // Settings.cpp
    bool scorePathGiven_ = false; // the path file names a score directory

    // The data files ("FR*.DAT", at most 172) and praise files ("FROM*.LOV", at most 20) in DATA,
    // letter case ignored and shown in upper case, each list sorted by character code; nullopt
    // without a DATA directory. `fileList` is the course's own list of data files
    // ("datfiler.fra", any letter case) when DATA holds one.
    static constexpr std::string_view kFileListName = "datfiler.fra";
    struct DataListing {
        std::vector<AnsiText> dataFiles;
        std::vector<AnsiText> praiseFiles;
        fs::path fileList;
    };
    std::optional<DataListing> listDataDirectory();
    // The item number at `position` among the entries 1..count of RandomOrder (the last one found
    // when there are fewer).
    int nthInOrder(int position, int count) const;
    static int drawableCount(int count);
    // The index of an entry in the error list whose file is `fileIndex`, or 0.
    std::size_t firstErrorEntry(int fileIndex) const;
    // The number of entries in use.
    std::size_t usedErrorEntries() const;
};

} // namespace orvela
