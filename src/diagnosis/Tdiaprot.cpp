#include "Tdiaprot.h"

#include "Catalogue.h"
#include "DiagnosisRules.h"
#include "QtText.h"
#include "TNLOS.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace orvela {

namespace {

const char* const kSampleDate = "  970523 24:55  ";

QString spaces(int n) {
    return QString(n, QLatin1Char(' '));
}

// A result in its column: the number after 10 spaces below 10, 8 from 10, 6 from 100.
QString resultText(std::int32_t r) {
    const int pad = r < 10 ? 10 : (r < 100 ? 8 : 6);
    return spaces(pad) + QString::number(r);
}

// The total: after 10 spaces up to 9, 8 from 10, 7 from 100.
QString totalText(std::int64_t sum) {
    const int pad = sum <= 9 ? 10 : (sum < 100 ? 8 : 7);
    return spaces(pad) + QString::number(sum);
}

} // namespace

Tdiaprot::Tdiaprot(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("diaprot"));
    setWindowTitle(qs("Diagnosprotokoll"));
    makeFullScreen(colors::red);
    createControls();
    FormCreate();
    context.protocol = this;
    shell().setProtocolRedraw([this] {
        setEnabled(true);
        rita_prot();
        update();
    });
    rita_prot();
}

Tdiaprot::~Tdiaprot() {
    detach();
}

void Tdiaprot::detach() {
    if (context().protocol == this) {
        context().protocol = nullptr;
        shell().setProtocolRedraw({});
    }
}

void Tdiaprot::createControls() {
    auto label = [](const char* name, QWidget* parent, const char* colour) {
        auto* l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setStyleSheet(
            QStringLiteral("color: %1; background: transparent").arg(QString::fromLatin1(colour)));
        return l;
    };
    auto button = [](const char* name, const char* caption, QWidget* parent) {
        auto* b = new QPushButton(qs(caption), parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };

    Label1 = label("Label1", this, "navy");
    Label1->setAutoFillBackground(true);
    Label1->setStyleSheet(QStringLiteral("color: navy; background: aqua"));
    Label1->setAlignment(Qt::AlignCenter);

    StringGrid1 = new ProtocolGrid(kColumns, kRows, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row) { StringGrid1SelectCell(row); });
    connect(StringGrid1, &ProtocolGrid::released, this, &Tdiaprot::StringGrid1MouseUp);
    connect(StringGrid1, &ProtocolGrid::pressed, this, [this] { Panel1->hide(); });
    connect(StringGrid1, &ProtocolGrid::otherKeyPressed, this, [this] { Panel1->hide(); });
    connect(StringGrid1, &ProtocolGrid::enterPressed, this, &Tdiaprot::startProgramme);
    connect(StringGrid1, &ProtocolGrid::doubleClicked, this, [this](int row) {
        if (row >= 1) startProgramme();
    });

    EscapePanel = new Panel(this, colors::aqua, 2);
    EscapePanel->setObjectName(QStringLiteral("EscapePanel"));
    AvbrytButton = button("AvbrytButton", "A&nnuler", EscapePanel);
    LosenButton = button("LosenButton", "Nouveau mot de &passe", EscapePanel);
    SkrivutButton = button("SkrivutButton", "&Imprimer", EscapePanel);
    HjalpButton = button("HjalpButton", "&Aide", EscapePanel);
    connect(AvbrytButton, &QPushButton::clicked, this, &Tdiaprot::AvbrytButtonClick);
    connect(LosenButton, &QPushButton::clicked, this, &Tdiaprot::LosenButtonClick);
    connect(SkrivutButton, &QPushButton::clicked, this, &Tdiaprot::SkrivutButtonClick);
    connect(HjalpButton, &QPushButton::clicked, this, &Tdiaprot::HjalpButtonClick);

    Panel2 = new Panel(this, colors::yellow, 2);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Label2 = label("Label2", Panel2, "black");
    Label3 = label("Label3", Panel2, "black");
    Panel1 = new Panel(this, colors::yellow, 2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label4 = label("Label4", Panel1, "black");
    Label5 = label("Label5", Panel1, "black");
    Panel1->installEventFilter(this);
    TestLabel = label("TestLabel", this, "black");
    TestLabel->hide();
}

void Tdiaprot::FormCreate() {
    SharedState& s = state();
    const QSize screen = screenSize();
    const int W = screen.width();
    const int H = screen.height();
    const int u = U();
    const int percent = s.ScalePercent;

    const QFont font = pixelFont(scaled(18, percent), true);
    const QFont buttonFont = pixelFont(scaled(16, percent), true);
    setFont(font);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(font);
    Label1->setFont(pixelFont(scaled(22, percent), true));
    for (QPushButton* b : {AvbrytButton, LosenButton, SkrivutButton, HjalpButton})
        b->setFont(buttonFont);

    Panel1->hide();
    HjalpText();

    // The heights of the title and the button panel first: the grid's rows share the rest.
    const int titleHeight = QFontMetrics(Label1->font()).height() + u;
    const int buttonHeight = QFontMetrics(buttonFont).height() + u;
    const int panelHeight = std::max(H / 10, buttonHeight + 2 * u);
    Label1->setGeometry(0, 0, W, titleHeight);
    const int rowHeight = std::max(1, (H - titleHeight - panelHeight) / kRows - 2);

    // The grid's font as designed, or smaller where a line would not fit its row. The first
    // column is 3U wide, or as wide as the programme numbers need in that font (the unit and the
    // font grow alike, but are rounded apart).
    auto numbersWidth = [](const QFontMetrics& fm) {
        return std::max(fm.horizontalAdvance(QStringLiteral("  No")),
                        fm.horizontalAdvance(QStringLiteral("  18"))) +
               1 + ProtocolGrid::kLineWidth;
    };
    int gridPixels = scaled(16, percent);
    for (; gridPixels > 8; --gridPixels)
        if (QFontMetrics(pixelFont(gridPixels, true)).height() <= rowHeight) break;
    const int firstColumn =
        std::max(3 * u, numbersWidth(QFontMetrics(pixelFont(gridPixels, true))));
    const QFont gridFont = pixelFont(gridPixels, true);
    StringGrid1->setFont(gridFont);
    TestLabel->setFont(gridFont);

    TestLabel->setText(qs(kSampleDate));
    const int d = QFontMetrics(TestLabel->font()).horizontalAdvance(TestLabel->text());
    StringGrid1->setSizes(rowHeight, {firstColumn, W - firstColumn - 3 * d, d, d, d});
    const int gridHeight = kRows * (rowHeight + ProtocolGrid::kLineWidth);
    StringGrid1->setGeometry(0, titleHeight, W, gridHeight);

    StringGrid1->setText(0, 0, qs("  No"));
    StringGrid1->setText(0, 1, qs("                  Domaine"));
    StringGrid1->setText(0, 2, qs("    Resultat"));
    StringGrid1->setText(0, 3, qs("    Date"));
    StringGrid1->setText(0, 4, qs("    Position"));
    for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n)
        StringGrid1->setText(n, 0, spaces(n < 10 ? 3 : 2) + QString::number(n));

    // The buttons side by side, their tops at 5/16 of the room left above and below them.
    const int panelTop = titleHeight + gridHeight;
    EscapePanel->setGeometry(0, panelTop, W, H - panelTop);
    const int buttonTop = std::max(0, (EscapePanel->height() - buttonHeight) * 5 / 16);
    int buttonWidth = W / 5;
    for (QPushButton* b : {AvbrytButton, LosenButton, SkrivutButton, HjalpButton})
        buttonWidth = std::max(
            buttonWidth,
            QFontMetrics(buttonFont).horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 2 * u);
    buttonWidth = std::min(buttonWidth, W / 4);
    const int gap = (W - 4 * buttonWidth) / 5;
    int x = gap;
    for (QPushButton* b : {AvbrytButton, LosenButton, SkrivutButton, HjalpButton}) {
        b->setGeometry(x, buttonTop, buttonWidth, buttonHeight);
        x += buttonWidth + gap;
    }

    Panel2->hide();
    Label1->setText(qs("Diagnosprotokoll för ") + toQString(s.CurrentPupil.name));
    s.ProtocolSave = 0;
    PrintColumns = TDiagutform::PrintColumnsFor(u, W, d);

    // The help box in the middle of the grid's lower part.
    Panel1->move((W - Panel1->width()) / 2, titleHeight + gridHeight - Panel1->height() - 2 * u);
    StringGrid1->setFocus();
}

void Tdiaprot::HjalpText() {
    const int u = U();
    if (teacherView_) {
        Label4->setText(qs("Lärarens vy av elevens protokoll:"));
        Label5->setText(qs("här startas inga test och ingenting sparas."));
    } else {
        Label4->setText(qs("Flytta till önskad rad och dubbelklicka"));
        Label5->setText(qs("eller tryck enter så kommer diagnosen."));
    }
    Label4->adjustSize();
    Label5->adjustSize();
    Label4->move(u, u / 2);
    Label5->move(u, u / 2 + Label4->height());
    // As wide as the wider line, so that neither runs over the edge.
    Panel1->resize(std::max(Label4->width(), Label5->width()) + 2 * u,
                   Label4->height() + Label5->height() + u);
}

void Tdiaprot::rita_prot() {
    SharedState& s = state();
    const DiagnosisRecord& pupil = s.CurrentPupil;
    Label1->setText(qs("Enregistrement des résultats pour ") + toQString(pupil.name));
    for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n) {
        const auto i = static_cast<std::size_t>(n);
        StringGrid1->setText(n, 1, qs("  ") + qs(diagnosisProgrammeName(n)));
        StringGrid1->setText(n, 2, resultText(pupil.result[i]));
        StringGrid1->setText(n, 3, qs("  ") + qs(protocolDateText(pupil, n)));
        StringGrid1->setText(n, 4, qs("    ") + qs(diagnosisStatusWord(pupil.status[i])));
    }
    StringGrid1->selectRow(SelectedRow);
    if (s.ProtocolSave == 1) {
        // A failure is told when the protocol is left: the record stays in memory until then.
        shell().SparaProtokoll();
        s.ProtocolSave = 0;
    }
    summa();
}

void Tdiaprot::summa() {
    const DiagnosisRecord& pupil = state().CurrentPupil;
    std::int64_t sum = 0;
    for (std::size_t n = 1; n <= kDiagnosisProgrammes; ++n)
        sum += pupil.result[n];
    StringGrid1->setText(kTotalRow, 2, totalText(sum));
}

void Tdiaprot::StringGrid1SelectCell(int row) {
    if (row < 1) return;
    SelectedRow = row;
    Panel2->hide();
}

void Tdiaprot::StringGrid1MouseUp(int row) {
    if (row >= 1) SelectedRow = row;
    InfoText();
}

void Tdiaprot::InfoText() {
    const DiagnosisRecord& pupil = state().CurrentPupil;
    const int n = SelectedRow;
    if (n < 2 || n > 4) return;
    const std::uint8_t status = pupil.status[static_cast<std::size_t>(n)];
    if (status != StatusAttendre && status != StatusExercer) return;
    const QString before = qs(diagnosisProgrammeName(n - 1));
    if (pupil.status[static_cast<std::size_t>(n - 1)] != StatusExercer)
        Label2->setText(qs("Il faut faire ") + before);
    else
        Label2->setText(qs("Il faut faire mieux ") + before);
    Label3->setText(qs("avant de faire cet exercice."));
    Label2->adjustSize();
    Label3->adjustSize();
    const int u = U();
    const int width = std::max(Label2->width(), Label3->width()) + 30;
    Label2->move(15, u / 2);
    Label3->move(15, u / 2 + Label2->height());
    const int row = std::max(1, StringGrid1->currentRow());
    const int top = StringGrid1->y() + (row + 1) * StringGrid1->height() / StringGrid1->rowCount();
    Panel2->setGeometry(screenSize().width() - 20 - width, top, width,
                        Label2->height() + Label3->height() + u);
    Panel2->show();
    Panel2->raise();
}

void Tdiaprot::setTeacherView(bool on) {
    teacherView_ = on;
    LosenButton->setVisible(!on);
    HjalpText();
}

void Tdiaprot::startProgramme() {
    if (teacherView_) return;
    SharedState& s = state();
    const int n = SelectedRow;
    // The total row (and any row without a programme) starts nothing.
    if (!diagnosisTask(n)) return;
    s.ExerciseMode = Mode::DiagnosisTest;
    Panel2->hide();
    s.CurrentProgramme = n;
    setEnabled(false);
    const int status = s.CurrentPupil.status[static_cast<std::size_t>(n)];
    if (status == StatusCommencer || status == StatusTester)
        UtseDiagProgram(n);
    else if (status == StatusAttendre)
        InfoText();
    else if (status == StatusExercer)
        UtseOvaProgram(n, status);
    setEnabled(true);
    StringGrid1->setFocus();
}

void Tdiaprot::UtseDiagProgram(int n) {
    SharedState& s = state();
    const std::optional<DiagnosisTask> task = diagnosisTask(n);
    s.CurrentDataFile = task ? AnsiText::ascii(task->testFile) : AnsiText();
    Panel2->hide();
    if (task && shell().Kolla(s.CurrentDataFile)) openExercise(task->window);
    summa();
}

void Tdiaprot::UtseOvaProgram(int n, int status) {
    SharedState& s = state();
    const std::optional<DiagnosisTask> task = diagnosisTask(n);
    s.ExerciseMode = Mode::FollowUp1;
    s.DiagnosisReturnMarker = 0;
    if (status == StatusExercer)
        s.CurrentDataFile = task ? AnsiText::ascii(task->followUpFile) : AnsiText();
    if (task && shell().Kolla(s.CurrentDataFile)) {
        openExercise(task->window);
        // A passed follow-up has set the status back to "Tester": that is stored at once.
        s.ProtocolSave = 1;
        rita_prot();
    }
    s.ExerciseMode = Mode::DiagnosisTest;
}

void Tdiaprot::openExercise(WindowKind kind) {
    WindowOpener* opener = context().opener;
    if (!opener || !opener->open(WindowRequest{kind, {}, 0}))
        shell().showMessage("Den här delen av programmet kan inte öppnas.");
    // Whatever the exercise changed is shown (the next programme's status included).
    rita_prot();
}

void Tdiaprot::Panel1Click() {
    Panel1->hide();
}

void Tdiaprot::HjalpButtonClick() {
    Panel1->raise();
    Panel1->show();
    StringGrid1->setFocus();
}

void Tdiaprot::LosenButtonClick() {
    if (teacherView_) return;
    TNLOS dialog(context(), state().CurrentPupil.password, this);
    dialog.exec();
    StringGrid1->setFocus();
}

void Tdiaprot::SkrivutButtonClick() {
    Diagutform.setGridSize(StringGrid1->columnCount(), StringGrid1->rowCount());
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        for (int c = 0; c < StringGrid1->columnCount(); ++c)
            Diagutform.setCell(c, r, fromQString(StringGrid1->text(r, c)));
    Printing* printer = context().printing;
    if (!printer) {
        shell().showMessage("Protokollet kan inte skrivas ut: det finns ingen skrivare i "
                            "programmet.");
    } else if (Diagutform.SkrivutDiaggen(*printer, state().CurrentPupil.name, PrintColumns) ==
               PrintOutcome::Failed) {
        shell().showWarning("Utskriften kunde inte göras. Kontrollera skrivaren eller att "
                            "filen kan sparas där du valde.");
    }
    StringGrid1->setFocus();
}

void Tdiaprot::storeOnLeaving() {
    while (!shell().SparaProtokoll()) {
        Messages* messages = shell().services().messages;
        const std::string question =
            "Diagnosen för " + state().CurrentPupil.name.toUtf8() +
            " kunde inte sparas i katalogen " + shell().diagnosisDir().string() +
            ". Vill du försöka igen? Svarar du Nej sparas inte dagens resultat.";
        if (!messages || !messages->confirm(question)) return;
    }
}

void Tdiaprot::AvbrytButtonClick() {
    if (!teacherView_) storeOnLeaving();
    state().ExerciseMode = Mode::Practice;
    done(QDialog::Rejected);
}

void Tdiaprot::reject() {
    AvbrytButtonClick();
}

void Tdiaprot::done(int result) {
    detach();
    Window::done(result);
}

void Tdiaprot::setProtocolEnabled(bool enabled) {
    setEnabled(enabled);
    if (enabled) update();
}

void Tdiaprot::setStatusCell(int programme, const QString& text) {
    if (programme >= 1 && programme < kRows) StringGrid1->setText(programme, 4, text);
}

void Tdiaprot::hideInfoPanel() {
    Panel2->hide();
}

bool Tdiaprot::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Panel1 && e->type() == QEvent::MouseButtonPress) Panel1Click();
    return Window::eventFilter(watched, e);
}

} // namespace orvela
