// orvela-speech: makes every recording the course's exercises name, with espeak-ng's French voice,
// as 16-bit mono WAV files in LJUD of a built content tree.
//
//   orvela-speech CONTENT-ROOT STAMP-DIR [SOURCE-CONTENT-ROOT]
//
// A recording is made again only when its text or the voice changed: STAMP-DIR keeps, per
// recording, the voice and the text it was made from. A recording that the source content tree
// holds itself (a teacher's own voice) is never made: the copied file stays. Recordings of items
// that are gone are removed. Without espeak-ng nothing is made and the program says so; a text
// that espeak-ng fails on is reported and tried again at the next build.

#include "Recordings.h"
#include "SpeechVoice.h"
#include "WavInfo.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;
using namespace orvela;

namespace {

constexpr int kTimeoutMs = 30000;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return in ? s.str() : std::string();
}

bool writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

// Speaks `text` into `wav`; an empty string on success, else what went wrong.
std::string synthesize(const QString& program, const std::string& text, const fs::path& wav) {
    const fs::path part = wav.string() + ".part";
    QStringList arguments;
    for (const std::string& a : speechArguments(part.string())) arguments << QString::fromStdString(a);
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(kTimeoutMs)) return "espeak-ng startar inte";
    process.write(text.data(), static_cast<qint64>(text.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return "espeak-ng svarar inte";
    }
    std::error_code ec;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        fs::remove(part, ec);
        return "espeak-ng misslyckades: " + process.readAllStandardError().trimmed().toStdString();
    }
    if (!readWavInfo(part)) {
        fs::remove(part, ec);
        return "espeak-ng gav ingen WAV-fil";
    }
    fs::rename(part, wav, ec);
    return ec ? "kan inte skriva " + wav.string() : std::string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "Användning: orvela-speech INNEHÅLLSROT STÄMPELKATALOG [KÄLLINNEHÅLLSROT]\n";
        return 2;
    }
    const fs::path root = argv[1];
    const fs::path stamps = argv[2];
    const fs::path source = argc == 4 ? fs::path(argv[3]) : fs::path();
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(kSpeechProgram));
    if (program.isEmpty()) {
        std::cerr << "orvela-speech: espeak-ng finns inte; inga inspelningar görs (programmet "
                     "visar då att ljudfilerna saknas).\n";
        return 0;
    }

    const std::vector<Recording> recordings = courseRecordings(root);
    const std::string voice = speechVoiceDescription();
    std::map<std::string, std::set<std::string>> wanted; // folder -> names
    int made = 0, failed = 0;
    std::error_code ec;
    for (const Recording& r : recordings) {
        const fs::path stampDir = stamps / r.folder;
        const fs::path stamp = stampDir / (r.name + ".txt");
        if (!source.empty() && fs::exists(source / "LJUD" / r.folder / r.name, ec)) {
            fs::remove(stamp, ec); // the teacher's own recording
            continue;
        }
        wanted[r.folder].insert(r.name);
        const fs::path wavDir = root / "LJUD" / r.folder;
        const fs::path wav = wavDir / r.name;
        const std::string want = voice + "\n" + r.text + "\n";
        if (fs::exists(wav, ec) && readWavInfo(wav) && readAll(stamp) == want) continue;
        fs::create_directories(wavDir, ec);
        fs::create_directories(stampDir, ec);
        const std::string error = synthesize(program, r.text, wav);
        if (!error.empty()) {
            std::cerr << "orvela-speech: " << r.name << " (\"" << r.text << "\"): " << error << "\n";
            fs::remove(stamp, ec);
            ++failed;
            continue;
        }
        writeAll(stamp, want);
        ++made;
    }

    // Recordings made for items that are gone.
    int removed = 0;
    if (fs::is_directory(stamps, ec)) {
        for (const fs::directory_entry& dir : fs::directory_iterator(stamps, ec)) {
            if (!dir.is_directory()) continue;
            const std::string folder = dir.path().filename().string();
            for (const fs::directory_entry& e : fs::directory_iterator(dir.path(), ec)) {
                std::string name = e.path().filename().string();
                if (name.size() < 4 || name.substr(name.size() - 4) != ".txt") continue;
                name.resize(name.size() - 4);
                if (wanted[folder].count(name)) continue;
                fs::remove(e.path(), ec);
                fs::remove(root / "LJUD" / folder / name, ec);
                ++removed;
            }
        }
    }
    if (made || removed || failed)
        std::cout << "orvela-speech: " << made << " inspelningar gjorda, " << removed
                  << " borttagna, " << failed << " misslyckades.\n";
    return 0;
}
