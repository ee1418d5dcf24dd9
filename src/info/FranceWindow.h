#pragma once
// What the three France windows (map, flag, anthem) share: a full-screen window with a title, a
// picture from the BILD directory, fact lines, and a panel with the cancel button "&Avbryt" (also
// Escape) that closes the window.

#include "Window.h"

#include <QLabel>
#include <QPushButton>

namespace orvela {

class FranceWindow : public Window {
    Q_OBJECT
public:
    explicit FranceWindow(AppContext& context, QWidget* parent = nullptr);

    virtual void Button1Click(); // "Avbryt": closes the window

protected:
    // A label with the window's fonts: Arial bold in points, navy.
    QLabel* makeLabel(const char* name, const QString& text, int points);
    // Loads a picture below the content root ("BILD/FRANCE.BMP") into Image1 at its own size,
    // made smaller only when it would be taller than maxHeight; hidden when it is missing or
    // cannot be read.
    void loadImage(const std::string& relative, int maxHeight);
    static void centre(QWidget* w, int screenWidth) { w->move((screenWidth - w->width()) / 2, w->y()); }

    void keyPressEvent(QKeyEvent* e) override;

    int W = 0, H = 0;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    Panel* AvbrytPanel = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace orvela
