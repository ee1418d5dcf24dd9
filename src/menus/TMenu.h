#pragma once
// A menu window: a title and a column of buttons, each of which opens a deeper menu, starts an
// exercise on its data file, opens a window that needs no data file, or closes the menu. One class
// serves every menu of the program; the catalogue says what each menu holds. The window's object
// name is the menu's name ("TF5"), its controls are Panel1, Label1 and Button1 ... Button11.

// Qt's headers come first: moc reads the standard headers correctly only after them.
#include <QLabel>
#include <QPushButton>

#include "Window.h"

#include "Catalogue.h"

#include <vector>

namespace orvela {

class TMenu : public Window {
    Q_OBJECT
public:
    TMenu(AppContext& context, const std::string& menuName, QWidget* parent = nullptr);

    const MenuDef& menu() const { return *menu_; }
    // The click of Button<number> (Button1Click ... Button11Click).
    void ButtonClick(int number);
    // The button of that number, or nullptr.
    QPushButton* button(int number) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    const MenuDef* menu_;
    Panel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    // The buttons in column order, with their numbers.
    std::vector<std::pair<int, QPushButton*>> buttons_;

    void FormCreate();
    void placeOnScreen();
    void moveFocus(int step);
};

} // namespace orvela
