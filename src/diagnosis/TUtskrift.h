#pragma once
// The worksheet window: it holds the worksheet that the teacher collects from the exercises in
// worksheet mode, as two parallel lists (ListBox1 without answers, ListBox2 with answers), shows
// one of them as a preview ("Ditt val") above the exercise without taking the keyboard focus from
// it, and prints either list. Created once at start-up, it lives until the program ends.

#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "Window.h"
#include "WorksheetWindow.h"

namespace orvela {

class TUtskrift : public Window, public WorksheetWindow {
    Q_OBJECT
public:
    explicit TUtskrift(AppContext& context, QWidget* parent = nullptr);

    const Worksheet& worksheet() const override { return worksheet_; }
    void addLine(Sheet sheet, LineKind kind, const AnsiText& text) override;
    void clear() override;
    void restart() override;
    void showSheet(Sheet sheet) override;
    void hideSheet() override;
    AnsiText UtSkriftSvar(const AnsiText& answer) override;
    PrintOutcome SkrivutFraga() override;

    int UppgiftTillNySida(int i, Sheet sheet) const;
    bool InstruktionFinns(int i, Sheet sheet) const;
    // The list shown in front.
    Sheet sheetInFront() const { return front_; }
    WorksheetPrintout& printout() { return printout_; }

protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Worksheet worksheet_;
    WorksheetPrintout printout_;
    Sheet front_ = Sheet::Questions;
    // The window in use when the preview was shown, and its focus: they keep the keyboard.
    QPointer<QWidget> host_;
    QPointer<QWidget> hostFocus_;

    Panel* Panel6 = nullptr;
    Panel* Panel7 = nullptr;
    Panel* Panel8 = nullptr;
    QLabel* Panel8Label = nullptr;
    QPushButton* StangButton = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;

    void FormCreate();
    QListWidget* listBox(Sheet sheet) const {
        return sheet == Sheet::Answers ? ListBox2 : ListBox1;
    }
    void attachTo(QWidget* host);
};

} // namespace orvela
