#pragma once
// The rules window: the grammar rules of an exercise, full screen, one page at a time. Each page
// is a rule file in DATA ("R" + number + ".R01" ...), drawn on the window's picture. Page Up and
// Page Down or the two arrow buttons turn the pages; Escape or "&Avbryta" closes the window.

#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QToolButton>
#include <vector>

#include "Window.h"

#include "RuleFile.h"

namespace orvela {

class TRegelform : public Window {
    Q_OBJECT
public:
    // The rules of `ruleNumber` (an exercise's program number, or the number it asks for).
    TRegelform(AppContext& context, int ruleNumber, QWidget* parent = nullptr);
    // As above, on a screen of the given size (tests, pictures of the pages).
    TRegelform(AppContext& context, int ruleNumber, QSize screen, QWidget* parent = nullptr);

    // Finds the pages whose files exist (the course's table gives the program's pages), sets the
    // page count to their number and the current page to 1.
    void KollaAntalRegler();
    // Reads page `page` (1..page count, counted among the pages that exist) into the rule page;
    // false (after telling the pupil) when it cannot.
    bool HemtaRegel(int page);
    // Draws the rule page on the picture.
    void VisaRegel();
    void SpeedButton1Click(); // previous page
    void SpeedButton2Click(); // next page
    void BitBtn1Click();      // "&Avbryta"

    int ruleNumber() const { return ruleNumber_; }
    int pageCount() const { return pageCount_; }
    int currentPage() const { return currentPage_; }
    const RulePage& rulePage() const { return page_; }
    // Screen width / 640: the factor the page's positions were designed for.
    double scaleFactor() const { return scaleFactor_; }
    // The factor the page is drawn with: the scale factor, made smaller when the screen is
    // wider than 4:3 so that the whole page fits its height.
    double drawScale() const { return drawScale_; }
    // The rule page laid out as it is drawn, in pixels of the picture.
    RuleLayout pageLayout() const;

protected:
    void showEvent(QShowEvent* e) override;
    // Escape closes, Page Up and Page Down turn the pages; every key ends here.
    void keyPressEvent(QKeyEvent* e) override;

private:
    int ruleNumber_;
    QSize screen_;
    int pageCount_ = 0;
    int currentPage_ = 1;
    std::vector<int> pageFiles_; // the page number in the file name of each page shown
    RulePage page_;
    double scaleFactor_ = 1.0;
    double drawScale_ = 1.0;
    bool started_ = false;

    QLabel* Image1 = nullptr;        // the picture the page is drawn on
    QPushButton* BitBtn1 = nullptr;  // "&Avbryta"
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* PageLabel = nullptr;     // "Sida 2 av 3"

    void FormCreate();
    void FormShow();
    // Reads and draws `page` (kept within 1..page count); the page on the screen stays when the
    // new one cannot be read.
    void turnTo(int page);
    void showPageNumber();
};

} // namespace orvela
