#pragma once
// The record table of a word list: the best scores reached on the list with the pupils' names
// and the date and time, the new score of the run shown (and chosen) in its place. The pupil
// stores it ("Tillbaka och spara - Enter") or leaves without storing ("Tillbaka utan att spara -
// Esc"). The entry comes from NewRecord, the file from RecordFile, the title from WordListTitle.

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "RecordTable.h"
#include "Window.h"

namespace orvela {

class TRekord : public Window {
    Q_OBJECT
public:
    explicit TRekord(AppContext& context, QWidget* parent = nullptr);

    // The text of a cell: row 0 is the heading row, rows 1..100 the table, 101 the extra row.
    QString cellText(int row, int column) const;
    // The new entry's row (kExtraRow when it does not qualify).
    int newRow() const { return newRow_; }
    // The top visible row of the table.
    int topRow() const;
    // The table could not be read or made: the window is not shown (exec returns at once).
    bool failed() const { return failed_; }

    void Button1Click(); // store and leave
    void SlutaClick();   // leave without storing

    int exec() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    int newRow_ = 1;
    bool failed_ = false;
    bool closed_ = false;

    Panel* OverPanelen = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    Panel* VPanel = nullptr;
    Panel* HPanel = nullptr;
    Panel* RekordPanelen = nullptr;
    Panel* RekordPanel2 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    Panel* NederPanelen = nullptr;
    QPushButton* Sluta = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* TestLabel = nullptr;

    void FormCreate();
    void layoutTitle();
    void layoutGrid();
    void Datumet();
    void Tabell();
    void IniGrid(int row, const ScoreRecord& record);
    void setCell(int row, int column, const QString& text);
    void closeWindow();
};

} // namespace orvela
