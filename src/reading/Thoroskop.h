#pragma once
// "Horoskop": the pupil picks a sign of the zodiac from the list or on the star picture and reads
// a French horoscope of seven sentences drawn from that sign's pool with up to three closing
// lines; the horoscope can be printed, and the sign's vocabulary shown beside it.

#include "Window.h"
#include "Horoscope.h"

#include <QFrame>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <vector>

namespace orvela {

class Thoroskop : public Window {
    Q_OBJECT
public:
    // The star picture in BILD.
    static constexpr const char* kPictureFile = "HOROSKOP.BMP";

    explicit Thoroskop(AppContext& context, QWidget* parent = nullptr);

    void ListBox3Click();
    void Horoscoptext();
    void Image1MouseDown(int x, int y);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();
    void Button4Click();

    // The lines of the horoscope on show.
    const std::vector<AnsiText>& horoscope() const { return horoscope_; }
    int selectedSign() const { return ListBox3->currentRow(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::vector<AnsiText> horoscope_;

    QLabel* Image1 = nullptr;
    QFrame* hrut = nullptr;
    AutoLabel* Label1 = nullptr;
    AutoLabel* Label2 = nullptr;
    AutoLabel* Label3 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QPushButton* Button4 = nullptr;
    Panel* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* Button1 = nullptr;
    Panel* ordlista = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* Button2 = nullptr;

    int panelWidth_ = 0; // Panel1's width without the vocabulary beside it
    int percent_ = 100;  // the scale the window is shown at

    void StjLista();
    // Panel1 at `width` with its memo and buttons, in the layout unit `u` at the scale `percent`
    // (100 while the window is laid out before its scaling, then percent_).
    void layoutPanel1(int width, int u, int percent);
    void MemoOrdLista();
    std::string dataPathText(const std::string& name);
};

} // namespace orvela
