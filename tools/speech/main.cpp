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
#include <optional>
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

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

void putLe32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// espeak-ng ends every text with more than half a second of silence: a spelled word would crawl.
// The silence after the last sound is cut to kTailMs (16-bit mono files only).
constexpr int kTailMs = 120;
constexpr int kQuiet = 300;

void trimTrailingSilence(const fs::path& wav) {
    std::string b = readAll(wav);
    std::optional<WavInfo> info = readWavHeader(b);
    if (!info || info->bitsPerSample != 16 || info->channels != 1 || b.size() < 12) return;
    // Find the data chunk.
    std::size_t at = 12;
    while (at + 8 <= b.size() && b.compare(at, 4, "data") != 0) at += 8 + le32(b, at + 4) + (le32(b, at + 4) & 1);
    if (at + 8 > b.size()) return;
    const std::size_t start = at + 8;
    const std::size_t end = std::min<std::size_t>(b.size(), start + le32(b, at + 4));
    std::size_t last = start;
    for (std::size_t i = start; i + 1 < end; i += 2) {
        const auto v = static_cast<std::int16_t>(static_cast<unsigned char>(b[i]) |
                                                 (static_cast<unsigned char>(b[i + 1]) << 8));
        if (v > kQuiet || v < -kQuiet) last = i + 2;
    }
    const std::size_t tail = static_cast<std::size_t>(info->sampleRate) * kTailMs / 1000 * 2;
    const std::size_t keep = std::min(end, last + tail);
    if (keep + 2 >= end) return;
    b.resize(keep);
    putLe32(b, at + 4, static_cast<std::uint32_t>(keep - start));
    putLe32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    const fs::path part = wav.string() + ".trim";
    std::error_code ec;
    if (writeAll(part, b)) fs::rename(part, wav, ec);
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
    trimTrailingSilence(part);
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
    const std::string voice = speechVoiceDescription() + " (tail " + std::to_string(kTailMs) + " ms)";
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
