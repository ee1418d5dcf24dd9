#include "TFormer.h"

#include "QtText.h"

#include <QFontMetrics>

#include <algorithm>
#include <vector>

namespace orvela {

namespace {

// The answer field is as wide as this text in the answer label's font.
const QString kAnswerRoom = QStringLiteral("Aaaaaaaaaaaaaaaa");

bool askedNumber(int n) { return n >= 1 && n <= TFormer::kAskedForms; }

} // namespace

TFormer::TFormer(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TFormer"));
    auto label = [this](const QString& name, const QColor& color) {
        return itemLabel(name, color, 14);
    };
    FrageLabel1 = label(QStringLiteral("FrageLabel1"), colors::navy);
    for (int k = 1; k <= kFormCount; ++k) {
        AutoLabel* l = label(QStringLiteral("FormLabel%1").arg(k), colors::navy);
        l->setProperty("tag", k);
        FormLabels[static_cast<std::size_t>(k - 1)] = l;
    }
    FrageTeckenLabel = label(QStringLiteral("FrageTeckenLabel"), colors::maroon);
    FrageTeckenLabel->setText(QStringLiteral("???"));
    SvaretLabel = label(QStringLiteral("SvaretLabel"), colors::maroon);

    Edit1 = makeAnswerField(QStringLiteral("Edit1"), 14, kAnswerLength);
    connect(Edit1, &AnswerEdit::enterPressed, this, &TFormer::Edit1Enter);
    connect(Edit1, &QLineEdit::textEdited, this, &TFormer::Edit1Change);

    // The framework's two help buttons are this window's "Hjälp" and "Mer hjälp".
    BitBtn2 = regelknapp;
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn2, &QPushButton::clicked, this, &TFormer::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormer::BitBtn3Click);

    // On a worksheet the note stands before the items with a colon after it.
    SharedState& s = state();
    if (s.ExerciseMode == Mode::Worksheet && !s.WorksheetNote.empty()) {
        plainWorksheetNote_ = s.WorksheetNote;
        s.WorksheetNote.push_back(':');
        noteChanged_ = true;
    }

    FormCreate();
    BitBtn2->setText(QString::fromUtf8("Hjälp"));
    BitBtn3->setText(QString::fromUtf8("Mer &hjälp"));
    if (mode() == Mode::Worksheet) Edit1->hide();
}

TFormer::~TFormer() {
    if (noteChanged_) state().WorksheetNote = plainWorksheetNote_;
}

int TFormer::askedForm() { return state().ErrorExtra[0]; }

const AnsiText& TFormer::askedText() {
    return state().ItemFields[static_cast<std::size_t>(askedForm() + 1)];
}

void TFormer::layoutItemArea() {
    auto lineHeight = [](const QLabel* l) { return QFontMetrics(l->font()).height(); };
    const int u = U();
    const int left = InstruktionsLabel->x();
    const int instrTop = InstruktionsLabel->y();
    FrageLabel1->move(left, instrTop + 2 * InstruktionsLabel->height());
    int top = FrageLabel1->y() + 2 * lineHeight(FrageLabel1);
    for (AutoLabel* l : FormLabels) {
        l->move(left, top);
        top += lineHeight(l) * 4 / 3;
    }
    FrageTeckenLabel->move(left, FormLabels[0]->y());
    SvaretLabel->move(left, FormLabels[0]->y());

    const int room = QFontMetrics(SvaretLabel->font()).horizontalAdvance(kAnswerRoom);
    Edit1->setFixedHeight(QFontMetrics(Edit1->font()).height() + 8);
    Edit1->setFixedWidth(room);
    Edit1->move(left + room, FormLabels[0]->y());

    const AutoLabel* last = FormLabels[kFormCount - 1];
    lampknapp->move(left, last->y() + lineHeight(last) * 3 / 2);
    // The help buttons are as wide as their captions.
    const QFontMetrics bm(BitBtn2->font());
    const int width = std::max(bm.horizontalAdvance(QString::fromUtf8("Hjälp")),
                               bm.horizontalAdvance(QString::fromUtf8("Mer hjälp"))) + 2 * u;
    BitBtn2->resize(std::max(BitBtn2->width(), width), BitBtn2->height());
    BitBtn3->resize(BitBtn2->size());
    // (the framework places both half a layout unit right of the lamp button)
}

void TFormer::NollaLabeller() {
    for (AutoLabel* l : FormLabels) l->setText(QString());
    SvaretLabel->setText(QString());
    SvaretLabel->hide();
    FrageTeckenLabel->hide();
    Edit1->clear();
}

int TFormer::drawAskedForm() {
    const SharedState& s = state();
    auto present = [&s](int form) {
        return !s.ItemFields[static_cast<std::size_t>(form + 1)].empty();
    };
    int form = shell().randomBelow(kAskedForms) + 1;
    if (present(form)) return form;
    // An item with fewer forms: only a form it has can be answered.
    std::vector<int> forms;
    for (int k = 1; k <= kAskedForms; ++k)
        if (present(k)) forms.push_back(k);
    if (forms.empty()) return form;
    return forms[static_cast<std::size_t>(shell().randomBelow(static_cast<int>(forms.size())))];
}

void TFormer::presentItem() {
    SharedState& s = state();
    const Mode m = mode();

    // A new item gets a new asked form; a correction run keeps the one fetched with the entry.
    if (m == Mode::Worksheet)
        s.ErrorExtra[0] = 1; // the worksheet asks for the first form
    else if (!s.CorrectionRun || !askedNumber(s.ErrorExtra[0]))
        s.ErrorExtra[0] = drawAskedForm();
    const int asked = askedForm();

    FrageLabel1->setText(toQString(s.ItemFields[1]));
    FrageLabel1->show();
    SvaretLabel->setText(toQString(askedText()));
    SvaretLabel->hide();

    // The table: the asked form's place shows "???", the answer field beside it.
    int widest = 0;
    for (AutoLabel* l : FormLabels) {
        const int tag = l->property("tag").toInt();
        l->setText(toQString(s.ItemFields[static_cast<std::size_t>(tag + 1)]));
        l->setVisible(tag != asked);
        widest = std::max(widest, QFontMetrics(l->font()).horizontalAdvance(l->text()));
    }
    const AutoLabel* place = FormLabels[static_cast<std::size_t>(asked - 1)];
    const int left = place->x();
    const int rowTop = place->y();
    const int rowHeight = QFontMetrics(place->font()).height();
    FrageTeckenLabel->move(left, rowTop);
    FrageTeckenLabel->show();
    SvaretLabel->move(left, rowTop);
    // The field stands right of the column of forms, however long a form is, and before the
    // squares.
    const int room = QFontMetrics(SvaretLabel->font()).horizontalAdvance(kAnswerRoom);
    int editLeft = left + std::max(room, widest + U());
    editLeft = std::min(editLeft, Aster1->x() - U() / 2 - Edit1->width());
    Edit1->move(editLeft, rowTop - (Edit1->height() - rowHeight) / 2);
    placeLamp();

    // Help: the forms that follow the answer and its alternatives, at most three; a complete
    // table has three, so the help button stays hidden.
    HelpCount = 0;
    for (int f = s.AltFieldCount + 3; f <= 5 && HelpCount < 3; ++f) {
        const AnsiText& field = s.ItemFields[static_cast<std::size_t>(f)];
        if (field.empty() || field.front() == '&') break;
        ++HelpCount;
    }
    if (m == Mode::Worksheet || m == Mode::DiagnosisTest) HelpCount = 0;
    BitBtn2->setVisible(HelpCount == 1 || HelpCount == 2);
    BitBtn3->hide();

    Edit1->setVisible(m != Mode::Worksheet);
}

void TFormer::placeLamp() {
    const int rowMiddle = Edit1->y() + Edit1->height() / 2;
    LampShape->move(Edit1->x() + Edit1->width() + U() / 2, rowMiddle - LampShape->height() / 2);
}

void TFormer::setAnswerEnabled(bool enabled, bool focus) {
    placeLamp();
    ExerciseWindow::setAnswerEnabled(enabled, focus);
}

void TFormer::Edit1Enter() {
    if (runState() != RunState::Answering || !Edit1->isEnabled()) return;
    setAnswerEnabled(false, false);
    FrageTeckenLabel->hide();
    const std::uint16_t r = shell().svarstest(askedText(), fromQString(Edit1->text()), 3);
    if (r == 0) {
        answerRight(HelpUsed == 0);
    } else {
        answerWrong();
        startAnswerTimer();
        // The right form stands where the "???" stood.
        SvaretLabel->show();
    }
    questionDone();
}

void TFormer::Edit1Change() { updateLamp(fromQString(Edit1->text()), askedText()); }

void TFormer::BitBtn2Click() {
    if (isDiagnosisMode(mode())) ++HelpUsed;
    BitBtn2->hide();
    if (HelpCount == 2) BitBtn3->show();
    setAnswerEnabled(true, true);
}

void TFormer::BitBtn3Click() {
    if (mode() == Mode::FollowUp1 || mode() == Mode::FollowUp2) ++HelpUsed;
    BitBtn3->hide();
    setAnswerEnabled(true, true);
}

} // namespace orvela
