#pragma once
// The settings window "Inställningar": how many seconds the right answer is shown, and whether
// French pictures and recorded sound are on. Changes are in force at once; "&Spara" also writes
// them to the settings file.

#include "Window.h"

#include <QPushButton>
#include <QToolButton>

namespace orvela {

class TStallin : public Window {
    Q_OBJECT
public:
    explicit TStallin(AppContext& context, QWidget* parent = nullptr);

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void JaNejButton1Click();
    void JaNejButton2Click();
    void SparaButtonClick();
    void AvbrytButtonClick();

private:
    Panel* YtterPanel = nullptr;
    Panel* InnerPanel = nullptr;
    Panel* OverPanel = nullptr;
    AutoLabel* TidLabel = nullptr;
    QToolButton* SpinUp = nullptr;
    QToolButton* SpinDown = nullptr;
    QPushButton* JaNejButton1 = nullptr;
    QPushButton* JaNejButton2 = nullptr;
    QPushButton* SparaButton = nullptr;
    QPushButton* AvbrytButton = nullptr;

    void FormCreate();
    void showSwitch(QPushButton* button, std::uint8_t& setting);
    void toggle(QPushButton* button, std::uint8_t& setting);
    void showSeconds();
};

} // namespace orvela
