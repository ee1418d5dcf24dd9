#pragma once
// The base of the program's windows: a dialog shown modally (or driven directly by a test),
// knowing the application context, with the common helpers for borderless full-screen windows
// and for scaling by ScalePercent.

#include <QDialog>
#include <QSize>

#include "AnswerEdit.h"
#include "AppContext.h"
#include "Panel.h"
#include "Scaling.h"

namespace orvela {

class Window : public QDialog {
    Q_OBJECT
public:
    explicit Window(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    Shell& shell() { return *context_.shell; }
    SharedState& state() { return context_.shell->state(); }
    int U() const { return context_.shell->state().LayoutUnit; }
    // The screen the program runs on (the primary screen), or the size set in its place.
    static QSize screenSize();
    // Lays the windows out for a screen of this size instead (an empty size: the real screen);
    // window tests try the layouts of several screen sizes in one process.
    static void setScreenSize(QSize size);

protected:
    // A hidden label of the window: bold, in `color`, at `points` (before scaling).
    AutoLabel* itemLabel(const QString& name, const QColor& color, int points);
    // An answer field: navy bold text on white, at most `maxLength` characters.
    AnswerEdit* answerEdit(const QString& name, int points, int maxLength);
    // Borderless, covering the whole screen, in the given background colour.
    void makeFullScreen(const QColor& background);
    void setBackground(const QColor& background);
    // Scales the window and its children when ScalePercent is not 100.
    void scaleByScalePercent();
    // For a window that lays itself out first and is then scaled (the reading windows): the
    // percent it is scaled by, ScalePercent or less where the screen is too low to hold 700
    // unscaled pixels (a wide screen); the screen and the layout unit before that scaling; and
    // the scaling itself. (A window that scales first and then lays out uses screenSize() and U().)
    int fittingPercent() const;
    QSize unscaledScreenSize(int percent) const;
    int unscaledU() const;
    void scaleBy(int percent);
    // The window is shown as a full-screen window when it is made full-screen, else normally.
    void showEvent(QShowEvent* e) override;

private:
    AppContext& context_;
    bool fullScreen_ = false;
};

} // namespace orvela
