#pragma once
// Sound and printing as the program sees them: proxies that load the device module (sound with
// Qt Multimedia, the print dialog with Qt Print Support) the first time a sound is played or a
// printout is chosen. Starting the program then loads neither of those large parts of Qt.

#include "Printing.h"
#include "Services.h"

#include <memory>

namespace orvela {

class Messages;

class LazySound : public Sound {
public:
    explicit LazySound(Messages* messages) : messages_(messages) {}
    ~LazySound() override;
    void play(const std::filesystem::path& file, bool wait) override;
    void stop() override;
    bool speak(const std::string& frenchText, bool wait) override;

private:
    Messages* messages_;
    std::unique_ptr<Sound> real_;
    bool tried_ = false;
    Sound* real();
};

class LazyPrinting : public Printing {
public:
    explicit LazyPrinting(Messages* messages) : messages_(messages) {}
    ~LazyPrinting() override;

    PrintChoice choose(std::string_view documentName) override;
    void setOrientation(PageOrientation orientation) override;
    bool beginJob() override;
    void newPage() override;
    void endJob() override;
    void finish() override;
    PageSize pageSize() override;
    void setFont(const PrintFont& font) override;
    void drawText(int x, int y, const AnsiText& text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRectangle(int left, int top, int right, int bottom) override;
    void fillRectangle(int left, int top, int right, int bottom, PrintColour colour) override;
    bool drawPicture(int left, int top, int right, int bottom,
                     const std::filesystem::path& file) override;
    int textWidth(const AnsiText& text) override;
    int textHeight(const AnsiText& text) override;

private:
    Messages* messages_;
    std::unique_ptr<Printing> real_;
    bool tried_ = false;
    Printing* real();
};

} // namespace orvela
