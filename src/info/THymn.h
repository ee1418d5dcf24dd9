#pragma once
// "Frankrikes nationalsång": the words of the first verse and the refrain of La Marseillaise,
// and its melody on request ("&Spela upp", while sounds are on).

#include "FranceWindow.h"

#include <array>

namespace orvela {

class THymn : public FranceWindow {
    Q_OBJECT
public:
    explicit THymn(AppContext& context, QWidget* parent = nullptr);
    ~THymn() override;

    static constexpr int kLines = 12;
    static const std::array<const char*, kLines>& anthemLines();

    void Button1Click() override; // closes, stopping the music
    void Button2Click();          // "&Spela upp"
    void Button3Click();          // "Avbryt &uppspelning"

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QLabel* KompLabel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    Panel* SpelaPanel1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    bool playing_ = false;
    AnsiText savedSoundDir_;

    void FormCreate();
    void stopMusic();
};

} // namespace orvela
