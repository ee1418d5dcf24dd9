// The diagnosis directory, the diagnosis file and the administrator's password file: the
// routines behind the login window and the protocol. None of them opens a window; they show
// their messages through the Messages interface and return what happened.

#include "ContentPaths.h"
#include "DiagnosisFile.h"
#include "DiagnosisLock.h"
#include "DiagnosisRecordCodec.h"
#include "DiagnosisRules.h"
#include "SafeFile.h"
#include "Scrambling.h"
#include "Shell.h"

#include <algorithm>

namespace orvela {

namespace {

const char* const kTeacherPasswordFile = "FRA45444.DOT";
const char* const kInitialTeacherPassword = "QORMADEX";
const char* const kReservePassword = "Bex Loma";
const char* const kTeacherGuardName = "VÄKTOR"; // UTF-8; stored in Windows-1252
const char* const kTeacherFileNotCreated = "Kunde inte skapa lärarlösenfilen.";

DateTime timeNow(Clock* clock) {
    return clock ? clock->now() : DateTime{};
}

std::string quoted(const AnsiText& name) {
    return "\"" + name.toUtf8() + "\"";
}

} // namespace

fs::path Shell::diagnosisDir() const {
    return s_.DiagnosisDir.empty() ? fs::path(resultDir()) : fs::path(s_.DiagnosisDir);
}

void Shell::checkDiagnosisDirectory() {
    if (s_.DiagnosisPathChecked) return;
    // A directory that takes no file (a floppy drive left empty included) would lose every
    // result of the run, so the diagnosis goes to the fallback directory instead.
    if (!DiagnosFileWish(diagnosisDir().string())) s_.DiagnosisDir = resultDir();
    s_.DiagnosisPathChecked = 1;
}

std::string Shell::Datumstaempel() {
    DateTime t = timeNow(services_.clock);
    return dateStamp(t.year, t.month, t.day, t.hour, t.minute);
}

namespace {

// What the teacher is told when the old diagnosis file ended in bytes that were no whole record
// and a copy of it was set aside before the file was rewritten without them.
std::string strayBytesMessage(const fs::path& file, const DiagnosisFileChange& change) {
    return "Diagnosfilen " + file.string() + " slutade med " + std::to_string(change.strayBytes) +
           " byte som inte är en hel diagnos. Hela den gamla filen finns kvar som " +
           change.strayCopy.string() + "; alla hela diagnoser finns kvar i diagnosfilen.";
}

} // namespace

std::optional<std::vector<AnsiText>> Shell::VisaListbox() {
    DiagnosisFileContents c = DiagnosisFile(diagnosisDir()).read();
    if (c.state != DiagnosisFileContents::State::Read) return std::nullopt;
    std::vector<AnsiText> names;
    names.reserve(c.records.size());
    for (const DiagnosisRecord& r : c.records)
        names.push_back(storedPupilName(r.name));
    std::stable_sort(names.begin(), names.end(), pupilNameLess);
    return names;
}

bool Shell::NamnFinns(const AnsiText& name) {
    DiagnosisFileContents c = DiagnosisFile(diagnosisDir()).read();
    bool found = std::any_of(c.records.begin(), c.records.end(),
                             [&](const DiagnosisRecord& r) { return isPupilRecord(r, name); });
    if (!found) NollstaellElev();
    s_.CurrentPupil.name = name;
    s_.CurrentPupil.name.truncate(kPupilNameMax);
    return found;
}

AnsiText Shell::HaemtaElev(const AnsiText& name) {
    DiagnosisFileContents c = DiagnosisFile(diagnosisDir()).read();
    auto match = std::find_if(c.records.begin(), c.records.end(),
                              [&](const DiagnosisRecord& r) { return isPupilRecord(r, name); });
    AnsiText password;
    if (match != c.records.end()) {
        s_.CurrentPupil = *match;
        password = dekryptrad(match->password);
        // Only whether there is a password must never change: a stored password that
        // unscrambles to nothing is still a password.
        if (password.empty()) password = match->password;
        password.truncate(kPupilPasswordMax);
    } else {
        NollstaellElev();
    }
    s_.CurrentPupil.name = name;
    s_.CurrentPupil.name.truncate(kPupilNameMax);
    return password;
}

void Shell::NollstaellElev() {
    clearDiagnosisRecord(s_.CurrentPupil);
}

bool Shell::SparaProtokoll() {
    // A record without a name could never be found again; deletions drop such records anyway.
    if (s_.CurrentPupil.name.empty()) return false;
    DiagnosisFile file(diagnosisDir());
    const DiagnosisRecord pupil = s_.CurrentPupil;
    DiagnosisFileChange change = file.update(
        [&](std::vector<DiagnosisRecord>& records) {
            bool found = false;
            for (DiagnosisRecord& r : records) {
                if (isPupilRecord(r, pupil.name)) {
                    r = pupil; // in place: the order of the records never changes
                    found = true;
                }
            }
            if (!found) records.push_back(pupil);
            return true;
        },
        true, Datumstaempel());
    if (!change.strayCopy.empty()) showMessage(strayBytesMessage(file.path(), change));
    return change.result == DiagnosisFileChange::Result::Written;
}

bool Shell::SparaRaderaProt() {
    const fs::path dir = diagnosisDir();
    const std::string missing =
        "Diagnosfilen " + dir.string() + "/FDIAG.DIA saknas eller är felaktig";
    const std::string notCreated = "Ny fil i katalogen " + dir.string() + " kunde inte skapas";
    DiagnosisFile file(dir);

    if (file.read().state != DiagnosisFileContents::State::Read) {
        showMessage(missing);
        return false;
    }
    {
        // The scratch file is tried under the lock, where no other copy of the program uses it.
        DiagnosisLock lock(dir);
        if (!lock.locked() || !canCreateFileIn(dir, kDiagnosisScratchName)) {
            showMessage(notCreated);
            return false;
        }
    }
    // No lock is held while the question waits for an answer; the file is read again after it.
    const AnsiText name = s_.DeleteName;
    bool yes =
        services_.messages &&
        services_.messages->confirm("Vill du verkligen ta bort diagnosen " + quoted(name) + "?");
    if (!yes) {
        s_.DeleteMode = 0;
        return false;
    }
    DiagnosisFileChange change = file.update(
        [&](std::vector<DiagnosisRecord>& records) {
            std::erase_if(records, [&](const DiagnosisRecord& r) {
                return r.name.empty() || storedPupilName(r.name) == name;
            });
            return true;
        },
        false, Datumstaempel());
    switch (change.result) {
    case DiagnosisFileChange::Result::Written:
        // A deleted pupil's name is never used again (praise at a shared computer).
        if (storedPupilName(s_.CurrentPupil.name) == name) NollstaellElev();
        showMessage("Diagnosen " + quoted(name) + " är borttagen.");
        if (!change.strayCopy.empty()) showMessage(strayBytesMessage(file.path(), change));
        return true;
    case DiagnosisFileChange::Result::Missing:
    case DiagnosisFileChange::Result::Unreadable: showMessage(missing); return false;
    default: showMessage(notCreated); return false;
    }
}

bool Shell::RaderaAlla() {
    const fs::path dir = diagnosisDir();
    DiagnosisFile::PutAside r = DiagnosisFile(dir).putAside(Datumstaempel());
    switch (r.result) {
    case DiagnosisFile::PutAside::Result::Done:
        NollstaellElev(); // no pupil of the put-aside file stays logged in
        return true;
    case DiagnosisFile::PutAside::Result::Missing:
        showMessage("Diagnosfilen " + dir.string() + "/FDIAG.DIA saknas eller är felaktig");
        return false;
    case DiagnosisFile::PutAside::Result::NotLocked:
        showMessage("Diagnosfilen " + dir.string() +
                    "/FDIAG.DIA används just nu av ett annat program. Försök igen om en stund.");
        return false;
    case DiagnosisFile::PutAside::Result::NotRenamed: break;
    }
    showMessage("Diagnosfilen " + dir.string() + "/FDIAG.DIA kunde inte döpas om till " +
                r.newPath.filename().string() + " (" + r.error + ").");
    return false;
}

AnsiText Shell::reservePassword() {
    return AnsiText::ascii(kReservePassword);
}

bool Shell::teacherPasswordAccepted(const AnsiText& typed) const {
    return !typed.empty() && (typed == s_.TeacherPassword || typed == reservePassword());
}

namespace {

std::string passwordRecordBytes(const AnsiText& password) {
    PasswordRecord rec;
    rec.field1 = kryptrad(AnsiText::fromUtf8(kTeacherGuardName));
    rec.field2 = kryptrad(password);
    return encodePasswordRecord(rec);
}

} // namespace

bool Shell::LaerarLosen(int operation) {
    const fs::path dir = diagnosisDir();
    if (operation == 1) {
        if (!ContentPaths::findIn(dir, kTeacherPasswordFile)) {
            DiagnosisLock lock(dir);
            bool ok = lock.locked();
            bool created = false;
            // Another copy of the program may have created the file while this one waited.
            if (ok && !ContentPaths::findIn(dir, kTeacherPasswordFile)) {
                std::string error;
                ok = replaceFile(ContentPaths::resolveIn(dir, kTeacherPasswordFile),
                                 passwordRecordBytes(AnsiText::ascii(kInitialTeacherPassword)),
                                 error);
                created = ok;
            }
            if (!ok) {
                // Until the file exists only the reserve password logs in.
                s_.TeacherPassword = reservePassword();
                showMessage(kTeacherFileNotCreated);
                return false;
            }
            if (created) {
                s_.TeacherPassword = AnsiText::ascii(kInitialTeacherPassword);
                return true;
            }
        }
        std::optional<fs::path> existing = ContentPaths::findIn(dir, kTeacherPasswordFile);
        std::optional<std::string> bytes = existing ? readWholeFile(*existing) : std::nullopt;
        if (bytes && bytes->size() >= kPasswordRecordSize) {
            AnsiText password = dekryptrad(decodePasswordRecord(*bytes).field2);
            if (!password.empty()) {
                s_.TeacherPassword = password;
                return true;
            }
        }
        // A damaged file must neither lock the teacher out for good nor let an empty password
        // in: the reserve password logs in, and a new password rewrites the file.
        s_.TeacherPassword = reservePassword();
        showMessage("Lärarlösenfilen " +
                    (existing ? *existing : dir / kTeacherPasswordFile).string() +
                    " är felaktig. Logga in med reservlösenordet och byt lösenord.");
        return false;
    }
    if (operation == 2) {
        AnsiText password = s_.CurrentPupil.password;
        password.truncate(kPupilPasswordMax);
        if (password.empty()) {
            showMessage("Ett tomt lösenord kan inte sparas.");
            return false;
        }
        if (dekryptrad(kryptrad(password)) != password) {
            // Such a text reads back as another one: the teacher could no longer log in.
            showMessage("Lösenordet kan inte sparas. Välj ett lösenord som inte börjar med *.");
            return false;
        }
        DiagnosisLock lock(dir);
        std::string error;
        if (!lock.locked() || !replaceFile(ContentPaths::resolveIn(dir, kTeacherPasswordFile),
                                           passwordRecordBytes(password), error)) {
            showMessage(kTeacherFileNotCreated);
            return false;
        }
        return true;
    }
    return false;
}

} // namespace orvela
