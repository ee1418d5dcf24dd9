#pragma once
// The about window "Om Orvela": the program's name and version, what it is, and three pictures.
// The second picture shows or hides the first information panel (about the program), the third
// the second panel (publisher and installation); the first picture, or a click on a panel,
// hides both. Escape or "Stäng" closes the window.

#include <QLabel>
#include <QPushButton>

#include "Window.h"

namespace orvela {

class TOmVamlo : public Window {
    Q_OBJECT
public:
    static constexpr const char* kVersion = "1.0";

    explicit TOmVamlo(AppContext& context, QWidget* parent = nullptr);

    void Image1Click();
    void Image2Click();
    void Image3Click();
    void InfoPanelClick();
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Panel* YtterPanel = nullptr;
    Panel* InnerPanel = nullptr;
    Panel* OverPanel = nullptr;
    QLabel* TitleLabel = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    Panel* InfoPanel1 = nullptr;
    Panel* InfoPanel2 = nullptr;
    QPushButton* Button1 = nullptr;

    void FormCreate();
    void drawPictures();
    // A yellow panel with a heading, its lines and a closing hint; hidden.
    Panel* infoPanel(const char* name, const QString& heading, const QStringList& lines);
    void showOnly(Panel* panel);
};

} // namespace orvela
