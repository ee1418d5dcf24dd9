// The picture order and captions, and sounds.

#include "PictureCaptions.h"
#include "Shell.h"
#include "WavInfo.h"

#include <algorithm>

#include <cstdio>

namespace orvela {

int Shell::haemta_Bildslumptal() {
    while (s_.PictureOrderPending) {
        std::size_t k = 0;
        for (std::size_t i = 1; i <= kRandomOrderSize && k < 30; ++i) {
            int v = s_.RandomOrder[i];
            if (v >= 1 && v <= kPictureCount) s_.PictureOrder[++k] = v;
        }
        // An order that lacks some numbers (it is always a permutation in practice) is filled up.
        for (int n = 1; k < 30; ++n) s_.PictureOrder[++k] = n;
        s_.PictureOrderPending = false;
    }
    if (s_.PictureCursor < 1 || s_.PictureCursor > kPictureCount) s_.PictureCursor = 1;
    int n = s_.PictureOrder[static_cast<std::size_t>(s_.PictureCursor)];
    GeBildText(n);
    s_.PictureCursor = s_.PictureCursor >= kPictureCount ? 1 : s_.PictureCursor + 1;
    return n;
}

AnsiText Shell::GeBildText(int n) {
    if (n >= 1 && n <= kPictureCount)
        s_.PictureCaption = AnsiText::fromUtf8(pictureCaptionUtf8(n, s_.StartCaptionWanted));
    return s_.PictureCaption;
}

std::string Shell::pictureFileName(const std::string& prefix, int n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", n % 1000);
    return "BILD/" + prefix + digits + ".BMP";
}

void Shell::GeLjudDirectory() {
    std::string digits = std::to_string(s_.ProgramNumber);
    std::size_t keep = s_.ProgramNumber == 23101 ? 4 : 3;
    s_.SoundDir = AnsiText::ascii("F" + digits.substr(0, std::min(keep, digits.size())));
}

bool Shell::SpelaUppWavLjud(const AnsiText& name, const AnsiText& spokenText) {
    std::string relative = "LJUD/";
    if (!s_.SoundDir.empty()) relative += s_.SoundDir.toUtf8() + "/";
    relative += name.toUtf8();
    std::optional<fs::path> file =
        isPlainFileName(name.toUtf8()) ? paths_.find(relative) : std::nullopt;
    std::error_code ec;
    int p = s_.ProgramNumber;
    bool wait = (p >= 31100 && p <= 31300) || p == 33000;
    if (!file || !fs::is_regular_file(*file, ec) || !readWavInfo(*file)) {
        if (!spokenText.empty() && services_.sound &&
            services_.sound->speak(spokenText.toUtf8(), wait))
            return true;
        AnsiText shown = toUpper(AnsiText::fromUtf8(paths_.rootText() + "/" + relative));
        showMessage("Ljudfilen  " + shown.toUtf8() + "  finns inte eller är felaktig.");
        return false;
    }
    if (services_.sound) services_.sound->play(*file, wait);
    return true;
}

} // namespace orvela
