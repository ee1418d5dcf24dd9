#pragma once
// The diagnosis protocol, the pupil's home page in the diagnosis: a grid of the eighteen
// diagnosis programmes with the pupil's last result, its date and the programme's status, from
// which the pupil starts the next diagnosis test or the follow-up exercise that the status calls
// for. It shows each new result as soon as an exercise stores it, stores the pupil's record, lets
// the pupil set a password and prints the grid. While it is open it is the application's
// protocol (ProtocolLink) and the shell's protocol redraw.

#include "ProtocolGrid.h"
#include "ProtocolLink.h"
#include "TDiagutform.h"
#include "Window.h"

#include <QLabel>
#include <QPushButton>

namespace orvela {

class Tdiaprot : public Window, public ProtocolLink {
    Q_OBJECT
public:
    static constexpr int kColumns = 5;
    static constexpr int kRows = 20; // the headings, programmes 1 to 18 and the total (row 19)
    static constexpr int kTotalRow = 19;

    explicit Tdiaprot(AppContext& context, QWidget* parent = nullptr);
    ~Tdiaprot() override;

    // ProtocolLink
    void setProtocolEnabled(bool enabled) override;
    void setStatusCell(int programme, const QString& text) override;
    void hideInfoPanel() override;

    void rita_prot();
    void summa();
    void InfoText();
    void HjalpText();
    void UtseDiagProgram(int n);
    void UtseOvaProgram(int n, int status);
    // Enter in the grid or a double-click on a programme's row.
    void startProgramme();

    void StringGrid1SelectCell(int row);
    void StringGrid1MouseUp(int row);
    void Panel1Click();
    void AvbrytButtonClick();
    void LosenButtonClick();
    void SkrivutButtonClick();
    void HjalpButtonClick();

    // The teacher's view from the class overview: the protocol as it stands, printable, but no
    // test or exercise starts, no password is set and leaving stores nothing.
    void setTeacherView(bool on);
    bool teacherView() const { return teacherView_; }

    int selectedRow() const { return SelectedRow; }
    const PrintColumnTable& printColumns() const { return PrintColumns; }
    TDiagutform& printHolder() { return Diagutform; }

protected:
    // Esc and closing the window leave the protocol as "A&nnuler" does.
    void reject() override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::int32_t SelectedRow = 1;
    bool teacherView_ = false;
    PrintColumnTable PrintColumns;
    TDiagutform Diagutform;

    QLabel* Label1 = nullptr;
    ProtocolGrid* StringGrid1 = nullptr;
    Panel* EscapePanel = nullptr;
    QPushButton* AvbrytButton = nullptr;
    QPushButton* LosenButton = nullptr;
    QPushButton* SkrivutButton = nullptr;
    QPushButton* HjalpButton = nullptr;
    Panel* Panel2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    Panel* Panel1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* TestLabel = nullptr;

    void createControls();
    void FormCreate();
    // Opens an exercise window of a diagnosis programme; false when it cannot be opened.
    void openExercise(WindowKind kind);
    // Stores CurrentPupil; asks whether to try again while it cannot be stored.
    void storeOnLeaving();
    void detach();
};

} // namespace orvela
