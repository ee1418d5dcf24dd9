#pragma once
// The heading box of an exercise: a yellow rounded box with an inner box whose colour tells the
// mode (navy in practice, maroon in worksheet mode, green in the diagnosis modes) and one to three
// yellow heading lines, shrunk until they fit.

#include <QLabel>
#include <QWidget>

#include "Panel.h"
#include "SharedState.h"

namespace orvela {

class HeadingBox : public QWidget {
    Q_OBJECT
public:
    HeadingBox(QWidget* parent, int layoutUnit);

    // The colour of the inner box for a mode.
    static QColor modeColor(Mode mode);
    void setModeColor(Mode mode);
    // Lays out and draws the heading lines (RitaOverskriften).
    void RitaOverskriften(const QString& line1, const QString& line2, const QString& line3);
    void setLayoutUnit(int u) { U_ = u; }
    // The heading's starting sizes grow with the window's scale (the shrinking rules then apply).
    void setScalePercent(int percent) { scale_ = percent > 0 ? percent : 100; }

    Shape* OverskriftYtterShape = nullptr;
    Shape* OverskriftInnerShape = nullptr;
    QLabel* Overs1Label = nullptr;
    QLabel* Overs2Label = nullptr;
    QLabel* Overs3Label = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    int U_;
    int scale_ = 100;
    int startSize(int points) const { return points * scale_ / 100; }
    QRect inner() const;
    void layoutShapes();
};

} // namespace orvela
