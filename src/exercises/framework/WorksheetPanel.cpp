#include "WorksheetPanel.h"

#include "AppContext.h"
#include "QtText.h"
#include "Scaling.h"
#include "WorksheetWindow.h"

#include <QKeyEvent>

namespace orvela {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(pointFont(12, true));
    b->setAutoDefault(false);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

} // namespace

WorksheetPanel::WorksheetPanel(QWidget* window, AppContext& context, Exercise exercise)
    : QWidget(window), context_(context), exercise_(std::move(exercise)) {
    setObjectName(QStringLiteral("SkrivutHelaPanelen"));
    auto panel = [this](const char* name) {
        auto* p = new Panel(this, colors::maroon, 2);
        p->setObjectName(QString::fromLatin1(name));
        p->hide();
        return p;
    };
    SkrivutPanel1 = panel("SkrivutPanel1");
    SkrivutAntalPanel = panel("SkrivutAntalPanel");
    SkrivutValPanel = panel("SkrivutValPanel");
    SkrivutSvarPanel = panel("SkrivutSvarPanel");
    SkrivutListValPanel = panel("SkrivutListValPanel");

    auto* antal = makeButton(SkrivutPanel1, "SkrivutAntalButton", QStringLiteral("Välja &antal"),
                             QStringLiteral("Datorn väljer uppgifter"));
    auto* valjaUt = makeButton(SkrivutPanel1, "ValjaUtButton", QStringLiteral("Välja &ut"),
                               QStringLiteral("Du själv väljer uppgifter"));
    VisaUtSkriftListaButton = makeButton(SkrivutPanel1, "VisaUtSkriftListaButton",
                                         QStringLiteral("Se ditt &val"),
                                         QStringLiteral("Förhandsgranskning"));
    Skrivut1Button = makeButton(SkrivutPanel1, "Skrivut1Button", QStringLiteral("&Skriv ut"),
                                QStringLiteral("Du får välja utskrift med eller utan svar här. "));
    RensaButton = makeButton(SkrivutPanel1, "RensaButton", QStringLiteral("&Rensa"),
                             QStringLiteral("Tar bort allt som valts till utskrift. "));
    auto* tillMenyn = makeButton(SkrivutPanel1, "SkrivutAvbryt1Button", QStringLiteral("Till &menyn"),
                                 QStringLiteral("Utskriften kan utökas med andra förhör."));
    connect(antal, &QPushButton::clicked, this, &WorksheetPanel::SkrivutAntalButtonClick);
    connect(valjaUt, &QPushButton::clicked, this, &WorksheetPanel::ValjaUtButtonClick);
    connect(VisaUtSkriftListaButton, &QPushButton::clicked, this, &WorksheetPanel::VisaUtSkriftListaButtonClick);
    connect(Skrivut1Button, &QPushButton::clicked, this, &WorksheetPanel::Skrivut1ButtonClick);
    connect(RensaButton, &QPushButton::clicked, this, &WorksheetPanel::RensaButtonClick);
    connect(tillMenyn, &QPushButton::clicked, this, &WorksheetPanel::SkrivutAvbryt1ButtonClick);

    auto* spinUp = new QToolButton(SkrivutAntalPanel);
    spinUp->setObjectName(QStringLiteral("SkrivutSpinButtonUp"));
    spinUp->setArrowType(Qt::UpArrow);
    auto* spinDown = new QToolButton(SkrivutAntalPanel);
    spinDown->setObjectName(QStringLiteral("SkrivutSpinButtonDown"));
    spinDown->setArrowType(Qt::DownArrow);
    auto* antalText = new QLabel(QStringLiteral("Antal :"), SkrivutAntalPanel);
    antalText->setObjectName(QStringLiteral("SkrivutAntalTextLabel"));
    antalText->setFont(pointFont(14, true));
    antalText->setStyleSheet(QStringLiteral("color: white"));
    SkrivutAntalLabel = new QLabel(QStringLiteral("1"), SkrivutAntalPanel);
    SkrivutAntalLabel->setObjectName(QStringLiteral("SkrivutAntalLabel"));
    SkrivutAntalLabel->setFont(pointFont(18, true));
    SkrivutAntalLabel->setStyleSheet(QStringLiteral("color: yellow"));
    auto* klart = makeButton(SkrivutAntalPanel, "SkrivutKlartButton", QStringLiteral("&Klart"));
    auto* avbryt4 = makeButton(SkrivutAntalPanel, "SkrivutAvbryt4Button", QStringLiteral("&Avbryt"));
    connect(spinUp, &QToolButton::clicked, this, &WorksheetPanel::SkrivutSpinButtonUpClick);
    connect(spinDown, &QToolButton::clicked, this, &WorksheetPanel::SkrivutSpinButtonDownClick);
    connect(klart, &QPushButton::clicked, this, &WorksheetPanel::SkrivutKlartButtonClick);
    connect(avbryt4, &QPushButton::clicked, this, &WorksheetPanel::SkrivutAvbryt4ButtonClick);

    auto* next = makeButton(SkrivutValPanel, "SkrivutNextButton", QStringLiteral("&Nästa uppgift"));
    auto* skicka = makeButton(SkrivutValPanel, "SkrivutSkickaButton", QStringLiteral("Skickas &till utskrift"));
    VisaUtskriftLista2Button = makeButton(SkrivutValPanel, "VisaUtskriftLista2Button", QStringLiteral("Se ditt &val"));
    Skrivut2Button = makeButton(SkrivutValPanel, "Skrivut2Button", QStringLiteral("&Skriv ut"));
    auto* avbryt2 = makeButton(SkrivutValPanel, "SkrivutAvbryt2Button", QStringLiteral("&Avbryt"));
    connect(next, &QPushButton::clicked, this, &WorksheetPanel::SkrivutNextButtonClick);
    connect(skicka, &QPushButton::clicked, this, &WorksheetPanel::SkrivutSkickaButtonClick);
    connect(VisaUtskriftLista2Button, &QPushButton::clicked, this, &WorksheetPanel::VisaUtskriftLista2ButtonClick);
    connect(Skrivut2Button, &QPushButton::clicked, this, &WorksheetPanel::Skrivut2ButtonClick);
    connect(avbryt2, &QPushButton::clicked, this, &WorksheetPanel::SkrivutAvbryt2ButtonClick);

    SkrivutUtanButton = makeButton(SkrivutSvarPanel, "SkrivutUtanButton", QStringLiteral("Skriv ut &utan svaren"),
                                   QStringLiteral("Uppgifterna du valt skrivs ut."));
    SkrivutMedButton = makeButton(SkrivutSvarPanel, "SkrivutMedButton", QStringLiteral("Skriv ut &med svaren"),
                                  QStringLiteral("Uppgifterna du valt skrivs ut."));
    SkrivutAvbryt3Button = makeButton(SkrivutSvarPanel, "SkrivutAvbryt3Button", QStringLiteral("&Avbryt"));
    connect(SkrivutUtanButton, &QPushButton::clicked, this, &WorksheetPanel::SkrivutUtanButtonClick);
    connect(SkrivutMedButton, &QPushButton::clicked, this, &WorksheetPanel::SkrivutMedButtonClick);
    connect(SkrivutAvbryt3Button, &QPushButton::clicked, this, &WorksheetPanel::SkrivutAvbryt3ButtonClick);

    auto* utan = makeButton(SkrivutListValPanel, "SeListUtanButton", QStringLiteral("Se ditt val &utan svar"));
    auto* med = makeButton(SkrivutListValPanel, "SelistMedButton", QStringLiteral("Se ditt val &med svar"));
    auto* avbryt5 = makeButton(SkrivutListValPanel, "SkrivutAvbryt5Button", QStringLiteral("&Avbryt"));
    connect(utan, &QPushButton::clicked, this, &WorksheetPanel::SeListUtanButtonClick);
    connect(med, &QPushButton::clicked, this, &WorksheetPanel::SelistMedButtonClick);
    connect(avbryt5, &QPushButton::clicked, this, &WorksheetPanel::SkrivutAvbryt5ButtonClick);

    SkrivutOverskriftPanel = new QWidget(window);
    SkrivutOverskriftPanel->setObjectName(QStringLiteral("SkrivutOverskriftPanel"));
    SkrivutOverskriftShape1 = new Shape(SkrivutOverskriftPanel, Shape::RoundRect, colors::yellow, colors::yellow);
    SkrivutOverskriftShape1->setObjectName(QStringLiteral("SkrivutOverskriftShape1"));
    SkrivutOverskriftShape2 = new Shape(SkrivutOverskriftPanel, Shape::RoundRect, colors::maroon, colors::maroon);
    SkrivutOverskriftShape2->setObjectName(QStringLiteral("SkrivutOverskriftShape2"));
    SkrivutOverskriftLabel = new QLabel(QStringLiteral("Utskrifter"), SkrivutOverskriftPanel);
    SkrivutOverskriftLabel->setObjectName(QStringLiteral("SkrivutOverskriftLabel"));
    SkrivutOverskriftLabel->setFont(pointFont(42, true));
    SkrivutOverskriftLabel->setStyleSheet(QStringLiteral("color: yellow; background: transparent"));
    SkrivutOverskriftLabel->setAlignment(Qt::AlignCenter);
    SkrivutOverskriftPanel->hide();
    hide();
}

SharedState& WorksheetPanel::state() { return context_.shell->state(); }
WorksheetWindow* WorksheetPanel::worksheet() { return context_.worksheetWindow(); }

void WorksheetPanel::place(int width, int height, int u) {
    const int panelHeight = std::max(height / 48 * 5, 4 * u);
    setGeometry(0, height - panelHeight, width, panelHeight);
    for (Panel* p : {SkrivutPanel1, SkrivutAntalPanel, SkrivutValPanel, SkrivutSvarPanel, SkrivutListValPanel}) {
        p->setGeometry(0, 0, width, panelHeight);
        QList<QPushButton*> buttons;
        for (QObject* o : p->children())
            if (auto* b = qobject_cast<QPushButton*>(o)) buttons << b;
        const int n = std::max<int>(1, static_cast<int>(buttons.size()));
        const int bw = std::min((width - (n + 1) * u) / n, 22 * u);
        const int bh = std::max(panelHeight - 2 * u, 2 * u);
        int x = p == SkrivutAntalPanel ? 16 * u : (width - n * bw - (n - 1) * u) / 2;
        for (QPushButton* b : buttons) {
            b->setGeometry(x, (panelHeight - bh) / 2, bw, bh);
            x += bw + u;
        }
    }
    const int top = (panelHeight - 3 * u) / 2;
    for (QObject* o : SkrivutAntalPanel->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) continue;
        if (w->objectName() == QStringLiteral("SkrivutAntalTextLabel")) w->setGeometry(u, top, 7 * u, 3 * u);
        if (w->objectName() == QStringLiteral("SkrivutAntalLabel")) w->setGeometry(8 * u, top, 4 * u, 3 * u);
        if (w->objectName() == QStringLiteral("SkrivutSpinButtonUp")) w->setGeometry(12 * u, top, 2 * u + u / 2, 3 * u / 2);
        if (w->objectName() == QStringLiteral("SkrivutSpinButtonDown")) w->setGeometry(12 * u, top + 3 * u / 2, 2 * u + u / 2, 3 * u / 2);
    }
    const int boxHeight = height / 48 * 5;
    const int boxWidth = std::min(width / 2, 30 * u);
    SkrivutOverskriftPanel->setGeometry((width - boxWidth) / 2, y() - boxHeight - u, boxWidth, boxHeight);
}

void WorksheetPanel::RitaUtskriftOverskriftRuta(bool show) {
    if (!show) {
        SkrivutOverskriftPanel->hide();
        return;
    }
    SkrivutOverskriftShape1->setGeometry(0, 0, SkrivutOverskriftPanel->width(), SkrivutOverskriftPanel->height());
    SkrivutOverskriftShape2->setGeometry(6, 6, SkrivutOverskriftPanel->width() - 12,
                                         SkrivutOverskriftPanel->height() - 12);
    SkrivutOverskriftLabel->setGeometry(SkrivutOverskriftShape2->geometry());
    SkrivutOverskriftPanel->show();
    SkrivutOverskriftPanel->raise();
}

void WorksheetPanel::SkrivutAv(bool off) {
    for (QPushButton* b : {SkrivutUtanButton, SkrivutMedButton, SkrivutAvbryt3Button}) b->setEnabled(!off);
}

void WorksheetPanel::enableCollectionButtons(bool on) {
    for (QPushButton* b : {VisaUtSkriftListaButton, VisaUtskriftLista2Button, RensaButton, Skrivut1Button, Skrivut2Button})
        b->setEnabled(on);
}

void WorksheetPanel::showOnly(Panel* panel) {
    for (Panel* p : {SkrivutPanel1, SkrivutAntalPanel, SkrivutValPanel, SkrivutSvarPanel, SkrivutListValPanel})
        p->setVisible(p == panel);
    if (panel) panel->raise();
}

void WorksheetPanel::start() {
    RitaUtskriftOverskriftRuta(true);
    state().PrintWithAnswers = 0;
    state().WorksheetHeadingPending = 1;
    show();
    raise();
    showOnly(SkrivutPanel1);
    enableCollectionButtons(worksheet() && worksheet()->worksheet().size(Sheet::Questions) > 0);
}

AnsiText WorksheetPanel::composeHeading(const OneBased<AnsiText, 3>& lines) {
    AnsiText heading;
    for (const AnsiText& l : lines) {
        if (l.empty()) continue;
        if (!heading.empty()) heading.push_back(' ');
        heading.append(l);
    }
    heading.truncate(kHeaderTextMax);
    return heading;
}

void WorksheetPanel::addHeadingIfPending() {
    SharedState& s = state();
    if (!s.WorksheetHeadingPending || !worksheet()) return;
    ++s.WorksheetExerciseCount;
    if (!s.HeadingLines[1].empty()) s.WorksheetHeading = composeHeading(s.HeadingLines);
    worksheet()->addHeading(s.WorksheetExerciseCount, s.WorksheetHeading, s.WorksheetNote);
    s.WorksheetHeadingPending = 0;
    enableCollectionButtons(true);
}

void WorksheetPanel::addItemOnScreen() {
    SharedState& s = state();
    if (!worksheet()) return;
    ++s.WorksheetItemCount;
    if (exercise_.addItem) exercise_.addItem(*worksheet(), s.WorksheetItemCount);
    if (exercise_.nextItem) exercise_.nextItem();
}

void WorksheetPanel::SkrivutAntalButtonClick() {
    state().WorksheetBatchCount = 1;
    showOnly(SkrivutAntalPanel);
    SkrivutAntalLabel->setText(QStringLiteral("1"));
}

void WorksheetPanel::SkrivutSpinButtonUpClick() {
    SharedState& s = state();
    int items = s.ItemCount[static_cast<std::size_t>(std::clamp(s.CurrentFileIndex, 1, 172))];
    if (s.WorksheetBatchCount < items) ++s.WorksheetBatchCount;
    SkrivutAntalLabel->setText(QString::number(s.WorksheetBatchCount));
}

void WorksheetPanel::SkrivutSpinButtonDownClick() {
    SharedState& s = state();
    if (s.WorksheetBatchCount > 0) --s.WorksheetBatchCount;
    SkrivutAntalLabel->setText(QString::number(s.WorksheetBatchCount));
}

bool WorksheetPanel::arrowKey(int key) {
    if (!SkrivutAntalPanel->isVisible()) return false;
    if (key == Qt::Key_Up) SkrivutSpinButtonUpClick();
    else if (key == Qt::Key_Down) SkrivutSpinButtonDownClick();
    else return false;
    return true;
}

void WorksheetPanel::SkrivutKlartButtonClick() {
    addHeadingIfPending();
    for (int i = 0; i < state().WorksheetBatchCount; ++i) addItemOnScreen();
    showOnly(SkrivutPanel1);
}

void WorksheetPanel::SkrivutAvbryt4ButtonClick() {
    ReturnToChoice = 0;
    showOnly(SkrivutPanel1);
}

void WorksheetPanel::ValjaUtButtonClick() {
    showOnly(SkrivutValPanel);
    ReturnToChoice = 1;
}

void WorksheetPanel::SkrivutNextButtonClick() {
    if (exercise_.nextItem) exercise_.nextItem();
}

void WorksheetPanel::SkrivutSkickaButtonClick() {
    addHeadingIfPending();
    addItemOnScreen();
}

void WorksheetPanel::SkrivutAvbryt2ButtonClick() { showOnly(SkrivutPanel1); }

void WorksheetPanel::Skrivut1ButtonClick() {
    ReturnToChoice = 0;
    showOnly(SkrivutSvarPanel);
}

void WorksheetPanel::Skrivut2ButtonClick() {
    ReturnToChoice = 1;
    showOnly(SkrivutSvarPanel);
}

void WorksheetPanel::print(std::uint8_t withAnswers) {
    SharedState& s = state();
    SkrivutAv(true);
    s.WorksheetNewPage = 1;
    s.PrintWithAnswers = withAnswers;
    if (worksheet()) worksheet()->SkrivutFraga();
    SkrivutAv(false);
}

void WorksheetPanel::SkrivutUtanButtonClick() { print(0); }
void WorksheetPanel::SkrivutMedButtonClick() { print(1); }

void WorksheetPanel::SkrivutAvbryt3ButtonClick() {
    showOnly(ReturnToChoice == 0 ? SkrivutPanel1 : SkrivutValPanel);
}

void WorksheetPanel::VisaUtSkriftListaButtonClick() {
    ReturnToChoice = 0;
    showOnly(SkrivutListValPanel);
    state().WorksheetListReturn = 1;
}

void WorksheetPanel::VisaUtskriftLista2ButtonClick() {
    ReturnToChoice = 1;
    showOnly(SkrivutListValPanel);
    state().WorksheetListReturn = 0;
}

void WorksheetPanel::SeListUtanButtonClick() {
    if (worksheet()) worksheet()->showSheet(Sheet::Questions);
}

void WorksheetPanel::SelistMedButtonClick() {
    if (worksheet()) worksheet()->showSheet(Sheet::Answers);
}

void WorksheetPanel::SkrivutAvbryt5ButtonClick() {
    showOnly(state().WorksheetListReturn == 0 ? SkrivutValPanel : SkrivutPanel1);
}

void WorksheetPanel::RensaButtonClick() {
    SharedState& s = state();
    if (worksheet()) worksheet()->restart();
    s.WorksheetItemCount = 0;
    s.WorksheetExerciseCount = 0;
    s.WorksheetHeadingPending = 1;
    s.WorksheetPageNumber = 1;
    s.WorksheetNewPage = 1;
}

void WorksheetPanel::SkrivutAvbryt1ButtonClick() {
    if (worksheet()) worksheet()->hideSheet();
    state().WorksheetHeadingPending = 0;
    if (exercise_.close) exercise_.close();
}

} // namespace orvela
