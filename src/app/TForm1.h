#pragma once
// The main window: the main menu, the six start pictures beside it with their captions, the
// worksheet-mode switch, and the screen measurement (ScalePercent, LayoutUnit) every window uses.

#include "Panel.h"
#include "Shell.h"
#include "WindowOpener.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

namespace orvela {

// A start picture: shows a bitmap at its own size and reports the mouse moving over it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);
    void setImage(QImage image);
    const QImage& image() const { return image_; }
Q_SIGNALS:
    void mouseMoved();
    void mouseLeft();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage image_;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(Shell& shell, WindowOpener& opener, QSize screen, QWidget* parent = nullptr);

    Shell& shell() { return shell_; }
    // Called whenever worksheet mode is switched, to empty the collected worksheet.
    void setWorksheetReset(std::function<void()> reset) { worksheetReset_ = std::move(reset); }

    void Button7Click();
    void BildImageMouseMove(int k); // k = 0..5: BildImage11, 12, 13, 21, 22, 23
    // The mouse has left picture k: its caption goes.
    void BildImageMouseLeave(int k);
    // The percentage the main window is scaled by: ScalePercent, or less where the menu and the
    // worksheet notice below it would not fit the screen's height at ScalePercent.
    int windowScale() const { return windowScale_; }
    // Measures LayoutUnit, the margin and spacing of every other window, in the font scaled by
    // ScalePercent. The main window does not use it, so the measurement (a font of its own) is
    // made before the first other window opens rather than before the main window is shown.
    void measureLayoutUnit();
    // The size letter of the start pictures for a screen width: "L", "M" or "S".
    static char pictureSizeLetter(int screenWidth);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Shell& shell_;
    WindowOpener& opener_;
    QSize screen_;
    std::function<void()> worksheetReset_;
    int windowScale_ = 100;
    int captionOwner_ = -1; // the picture whose caption is shown, -1 for none

    QLabel* Image1 = nullptr;
    Panel* Panel9 = nullptr;
    QLabel* Panel9Label = nullptr;
    Panel* MenuPanel = nullptr;
    AutoLabel* Label1 = nullptr;
    std::array<QPushButton*, 10> Buttons{};
    Shape* Shape1 = nullptr;
    AutoLabel* Label2 = nullptr;
    std::array<PictureBox*, 6> BildImages{};
    AutoLabel* Label3 = nullptr;
    AutoLabel* Label4 = nullptr;
    AutoLabel* Testlabel = nullptr;
    QPixmap background_;

    void FormCreate();
    void Skaltest();
    void startbilder();
    void openMainMenuWindow(int button);
    QPushButton* button(int n) { return Buttons[static_cast<std::size_t>(n - 1)]; }
};

} // namespace orvela
