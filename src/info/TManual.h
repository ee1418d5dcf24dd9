#pragma once
// The manual window "Manual till Orvela": the manual text (DATA\FRANSMAN.TXT) in a read-only
// text box on a white full-screen window, every line two blanks in. "Skriv ut" prints the whole
// manual and "Skriv ut markerat" the selected text, each page a print job of its own (a printer
// or a PDF file); Escape or "Avbryt" closes the window. When the manual cannot be read the pupil
// is told so and the window closes at once.

#include <QPlainTextEdit>
#include <QPushButton>

#include "Window.h"

#include "ManualPrintout.h"

namespace orvela {

class TManual : public Window {
    Q_OBJECT
public:
    explicit TManual(AppContext& context, QWidget* parent = nullptr);

    // False when the manual could not be read; the window then closes as soon as it is shown.
    bool manualRead() const { return read_; }
    int exec() override;

    void Button1Click(); // "Avbryt"
    void Button2Click(); // "Skriv ut": all of Memo1
    void Button3Click(); // "Skriv ut markerat": the selection of Memo1, through Memo2

    // The last printout (line height, for tests and pictures).
    const ManualPrintout& printout() const { return printout_; }

protected:
    void showEvent(QShowEvent* e) override;
    // Escape closes the window, wherever the focus is.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool read_ = false;
    ManualPrintout printout_;

    AutoLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr; // hidden: holds the selection to print
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    void FormCreate();
    bool readManual();
    void layOut();
    void printText(const QString& text, ManualPrintout::Source source);
};

} // namespace orvela
