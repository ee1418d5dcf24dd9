#pragma once
// The teacher's class overview: the whole class's diagnosis at a glance. A grid of the pupils
// (rows, in the order of the name list) against the eighteen diagnosis programmes (columns, with
// their short names; the full name in the tooltip), each cell coloured by the pupil's state in
// the programme and showing the percentage of right answers with the state's mark; the number of
// programmes each pupil has passed; under the grid, always in view, the class average and the
// counts per programme; a legend of the colours. A pupil's name clicked (or Enter on it) shows
// that pupil's protocol as the teacher sees it. "Skriv ut" prints the overview.
//
// The window is the administrator's: it is made with the administrator password given at the
// login and refuses (says so and shows nothing) when that password is not accepted. It reads the
// diagnosis file once, when it is made, and never writes it; the protocols it shows are the
// teacher's view, which starts no test and stores nothing.

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "ClassOverview.h"
#include "DiagnosisFile.h"
#include "Window.h"

namespace orvela {

class TKlassoversikt : public Window {
    Q_OBJECT
public:
    static constexpr int kNameColumn = 0;
    static constexpr int kPassedColumn = kDiagnosisProgrammesInUse + 1;
    static constexpr int kGridColumns = kDiagnosisProgrammesInUse + 2;

    TKlassoversikt(AppContext& context, const AnsiText& teacherPassword, QWidget* parent = nullptr);

    // False when the administrator password was not accepted: the window is not to be shown.
    bool accepted() const { return accepted_; }
    const ClassOverview& overview() const { return overview_; }

    // Shows the protocol of the pupil in a grid row (teacher's view) and returns when it closes.
    void openProtocol(int row);
    void SkrivutButtonClick();
    void StangButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool accepted_ = false;
    std::vector<DiagnosisRecord> records_;
    ClassOverview overview_;

    QLabel* OverskriftLabel = nullptr;
    QLabel* InfoLabel = nullptr;
    QTableWidget* StringGrid1 = nullptr;  // the pupils
    QTableWidget* SummaGrid = nullptr;    // averages and counts
    Panel* LegendPanel = nullptr;
    QPushButton* SkrivutButton = nullptr;
    QPushButton* StangButton = nullptr;

    void createControls();
    void FormCreate();
    // Reads the diagnosis file and says what it found when it is not a plain list of pupils.
    void readDiagnoses();
    void fillGrids();
    void layoutGrids(int top, int bottom);
};

} // namespace orvela
