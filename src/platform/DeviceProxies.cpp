#include "DeviceProxies.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QRegularExpression>
#include <QStringList>

namespace orvela {

namespace {

// Why the module `base` (its path without the suffix) could not be loaded, in Swedish: the
// system's own text is English.
QString loadFailure(const QString& base, const QString& systemText) {
    const QString file = base + QStringLiteral(".so");
    if (!QFileInfo::exists(file)) return QStringLiteral("filen %1 finns inte").arg(file);
    static const QRegularExpression missingLibrary(
        QStringLiteral("([^\\s:(]+): cannot open shared object file"));
    const QRegularExpressionMatch m = missingLibrary.match(systemText);
    if (m.hasMatch())
        return QStringLiteral("biblioteket %1, som den behöver, finns inte").arg(m.captured(1));
    return QStringLiteral("den kan inte laddas: ") + systemText;
}

#ifndef ORVELA_MODULE_FROM_BINDIR
#define ORVELA_MODULE_FROM_BINDIR "../lib/orvela"
#endif

// The device module beside the program (in the build tree) or in the installed program's module
// directory; nullptr (with the reason in `error`) when it cannot be loaded.
QLibrary* deviceModule(QString& error) {
    static QLibrary* library = nullptr;
    static QString failure;
    if (!library && failure.isEmpty()) {
        const QString dir = QCoreApplication::applicationDirPath();
        const QStringList candidates = {
            dir + QStringLiteral("/orvela-devices"),
            dir + QStringLiteral("/" ORVELA_MODULE_FROM_BINDIR "/orvela-devices")};
        for (const QString& candidate : candidates) {
            auto* lib = new QLibrary(candidate);
            if (lib->load()) {
                library = lib;
                break;
            }
            // The reason given is the one beside the program (the build tree's place).
            if (failure.isEmpty()) failure = loadFailure(candidate, lib->errorString());
            delete lib;
        }
        if (library) failure.clear();
    }
    error = failure;
    return library;
}

template <class T>
std::unique_ptr<T> create(const char* function, Messages* messages, const char* what) {
    QString error;
    QLibrary* lib = deviceModule(error);
    using Factory = T* (*)();
    auto factory = lib ? reinterpret_cast<Factory>(lib->resolve(function)) : nullptr;
    if (factory) return std::unique_ptr<T>(factory());
    if (messages) {
        std::string text = std::string(what) + " fungerar inte: programdelen orvela-devices kan inte läsas";
        if (!error.isEmpty()) text += " (" + error.toStdString() + ")";
        messages->information(text + ".");
    }
    return nullptr;
}

} // namespace

LazySound::~LazySound() = default;

Sound* LazySound::real() {
    if (!tried_) {
        tried_ = true;
        real_ = create<Sound>("orvelaCreateSound", messages_, "Ljudet");
    }
    return real_.get();
}

void LazySound::play(const std::filesystem::path& file, bool wait) {
    if (Sound* s = real()) s->play(file, wait);
}

void LazySound::stop() {
    if (real_) real_->stop();
}

bool LazySound::speak(const std::string& frenchText, bool wait) {
    Sound* s = real();
    return s && s->speak(frenchText, wait);
}

LazyPrinting::~LazyPrinting() = default;

Printing* LazyPrinting::real() {
    if (!tried_) {
        tried_ = true;
        real_ = create<Printing>("orvelaCreatePrinting", messages_, "Utskriften");
    }
    return real_.get();
}

PrintChoice LazyPrinting::choose(std::string_view documentName) {
    Printing* p = real();
    return p ? p->choose(documentName) : PrintChoice{};
}
void LazyPrinting::setOrientation(PageOrientation orientation) {
    if (Printing* p = real()) p->setOrientation(orientation);
}
bool LazyPrinting::beginJob() { return real() && real()->beginJob(); }
void LazyPrinting::newPage() {
    if (real_) real_->newPage();
}
void LazyPrinting::endJob() {
    if (real_) real_->endJob();
}
void LazyPrinting::finish() {
    if (real_) real_->finish();
}
PageSize LazyPrinting::pageSize() { return real() ? real()->pageSize() : PageSize{}; }
void LazyPrinting::setFont(const PrintFont& font) {
    if (real_) real_->setFont(font);
}
void LazyPrinting::drawText(int x, int y, const AnsiText& text) {
    if (real_) real_->drawText(x, y, text);
}
void LazyPrinting::drawLine(int x1, int y1, int x2, int y2) {
    if (real_) real_->drawLine(x1, y1, x2, y2);
}
void LazyPrinting::drawRectangle(int left, int top, int right, int bottom) {
    if (real_) real_->drawRectangle(left, top, right, bottom);
}
void LazyPrinting::fillRectangle(int left, int top, int right, int bottom, PrintColour colour) {
    if (real_) real_->fillRectangle(left, top, right, bottom, colour);
}

bool LazyPrinting::drawPicture(int left, int top, int right, int bottom,
                               const std::filesystem::path& file) {
    return real_ && real_->drawPicture(left, top, right, bottom, file);
}
int LazyPrinting::textWidth(const AnsiText& text) { return real_ ? real_->textWidth(text) : 0; }
int LazyPrinting::textHeight(const AnsiText& text) { return real_ ? real_->textHeight(text) : 0; }

} // namespace orvela
