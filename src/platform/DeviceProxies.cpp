#include "DeviceProxies.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace orvela {

namespace {

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
            failure += (failure.isEmpty() ? QString() : QStringLiteral("; ")) + lib->errorString();
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
int LazyPrinting::textWidth(const AnsiText& text) { return real_ ? real_->textWidth(text) : 0; }
int LazyPrinting::textHeight(const AnsiText& text) { return real_ ? real_->textHeight(text) : 0; }

} // namespace orvela
