// The vocabulary exercise: building the window, the list of word lists and the name box, and the
// keys of the window. The run itself is in TDinaOrdRun.cpp.

#include "TDinaOrd.h"

#include "QtText.h"
#include "WordList.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QToolButton>

namespace orvela {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QColor& color, int points,
                  const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(pointFont(points, true));
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent").arg(color.name()));
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFont(pointFont(12, true));
    return b;
}

Panel* makePanel(QWidget* parent, const char* name, const QColor& color, int bevel) {
    auto* p = new Panel(parent, color, bevel);
    p->setObjectName(QString::fromLatin1(name));
    return p;
}

} // namespace

TDinaOrd::TDinaOrd(AppContext& context, QWidget* parent)
    : Window(context, parent), stopwatch_(context.shell->services().clock),
      vocabularyWorksheet_(context.shell->state(),
                           [&context] { return context.worksheetWindow(); }),
      worksheetContext_(context) {
    worksheetContext_.worksheet = &vocabularyWorksheet_;
    worksheetContext_.createWorksheet = nullptr;
    setObjectName(QStringLiteral("TDinaOrd"));
    makeFullScreen(colors::silver);
    setFont(pointFont(12, true));
    setFocusPolicy(Qt::StrongFocus);
    createControls();
    FormCreate();
}

TDinaOrd::~TDinaOrd() = default;

void TDinaOrd::createControls() {
    Heading = new HeadingBox(this, U());

    FilPanel = makePanel(this, "FilPanel", colors::navy, 2);
    FilLabel = makeLabel(FilPanel, "FilLabel", colors::yellow, 18);
    FilLabel->setAlignment(Qt::AlignCenter);

    Panel2 = makePanel(this, "Panel2", colors::teal, 2);
    Panel3 = makePanel(Panel2, "Panel3", colors::teal, 1);
    Panel4 = makePanel(Panel3, "Panel4", colors::navy, 1);
    Panel4Label = makeLabel(Panel4, "Panel4Label", colors::yellow, 16,
                            QString::fromUtf8("Sélectionnez un fichier"));
    Panel4Label->setAlignment(Qt::AlignCenter);
    ListBox1 = new QListWidget(Panel3);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(pointFont(16, true));
    ListBox1->setStyleSheet(QStringLiteral(
        "QListWidget { background: #008080; color: yellow; border: 1px solid #004040; }"
        "QListWidget::item { padding: 3px 8px; border: none; }"
        "QListWidget::item:selected { padding: 3px 8px; border: none; background: #000080;"
        " color: yellow; }"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    FileListBox1 = new QListWidget(Panel3);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->hide();

    namnruta = makePanel(this, "namnruta", colors::teal, 2);
    Panel11 = makePanel(namnruta, "Panel11", colors::navy, 1);
    NamnLabel1 =
        makeLabel(Panel11, "NamnLabel1", colors::yellow, 20, QStringLiteral("Tapez votre nom"));
    NamnLabel2 =
        makeLabel(Panel11, "NamnLabel2", colors::white, 14, QStringLiteral("Appuyez Enter"));
    for (QLabel* l : {NamnLabel1, NamnLabel2})
        l->setAlignment(Qt::AlignCenter);
    Edit2 = new AnswerEdit(Panel11);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(pointFont(16, true));
    Edit2->setStyleSheet(QStringLiteral("color: #000080; background: white"));
    Edit2->setMaxLength(20);
    Edit2->setSharpSKeys(false);
    connect(Edit2, &AnswerEdit::enterPressed, this, &TDinaOrd::Edit2Enter);
    connect(Edit2, &AnswerEdit::escapePressed, this, &TDinaOrd::Edit2Escape);
    namnruta->hide();

    InstruktionsLabel = makeLabel(this, "InstruktionsLabel", colors::green, 14);
    InstruktionsLabel->setFont(pixelFont(25, true));

    FrageLabel1 = itemLabel(QStringLiteral("FrageLabel1"), colors::navy, 14);
    FrageLabel2 = itemLabel(QStringLiteral("FrageLabel2"), colors::navy, 14);
    SvarsLabel = itemLabel(QStringLiteral("SvarsLabel"), colors::maroon, 14);
    Edit1 = answerEdit(QStringLiteral("Edit1"), 14, 55);
    Edit1->hide();
    connect(Edit1, &AnswerEdit::enterPressed, this, &TDinaOrd::Edit1Enter);
    connect(Edit1, &AnswerEdit::escapePressed, this, &TDinaOrd::Edit1Escape);
    connect(Edit1, &QLineEdit::textEdited, this, &TDinaOrd::Edit1Change);

    lampknapp = makeButton(this, "lampknapp", QStringLiteral("●"));
    lampknapp->setToolTip(QStringLiteral("Signe d'erreur."));
    lampknapp->setFocusPolicy(Qt::NoFocus);
    LampShape = new Shape(this, Shape::Circle, colors::lime, colors::black);
    LampShape->setObjectName(QStringLiteral("LampShape"));
    LampShape->setToolTip(QStringLiteral("Cliquer ici pour annuler le signe d'erreur."));
    connect(lampknapp, &QPushButton::clicked, this, &TDinaOrd::LampknappClick);
    connect(LampShape, &Shape::pressed, this, &TDinaOrd::LampShapeMouseDown);

    DiagPanel1 = makePanel(this, "DiagPanel1", colors::navy, 2);
    DiagLabel2 =
        makeLabel(DiagPanel1, "DiagLabel2", colors::yellow, 12, QStringLiteral("Question"));
    DiagLabel3 = makeLabel(DiagPanel1, "DiagLabel3", colors::white, 16);
    DiagLabel4 = makeLabel(DiagPanel1, "DiagLabel4", colors::yellow, 12, QStringLiteral(" Score "));
    DiagLabel5 = makeLabel(DiagPanel1, "DiagLabel5", colors::white, 16);
    Panel13 = makePanel(this, "Panel13", colors::maroon, 2);
    Label15 = makeLabel(Panel13, "Label15", colors::yellow, 12, QStringLiteral("Il rest"));
    Label17 = makeLabel(Panel13, "Label17", colors::white, 20);
    Label16 = makeLabel(Panel13, "Label16", colors::yellow, 12, QStringLiteral("fautes"));
    for (QLabel* l : {DiagLabel2, DiagLabel3, DiagLabel4, DiagLabel5, Label15, Label16, Label17})
        l->setAlignment(Qt::AlignCenter);

    Panel1 = makePanel(this, "Panel1", colors::navy, 2);
    Button1 = makeButton(Panel1, "Button1", QStringLiteral("Corrigez les &fautes"));
    Button2 = makeButton(Panel1, "Button2", QStringLiteral("&Continuer"));
    Button3 = makeButton(Panel1, "Button3", QStringLiteral("&Scores"));
    Button4 = makeButton(Panel1, "Button4", QStringLiteral("&Annuler"));
    connect(Button1, &QPushButton::clicked, this, &TDinaOrd::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDinaOrd::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDinaOrd::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDinaOrd::Button4Click);
    Panel1->hide();

    BildPanelen = makePanel(this, "BildPanelen", colors::silver, 0);
    Image1 = new QLabel(BildPanelen);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    BildTextPanel = makePanel(BildPanelen, "BildTextPanel", colors::navy, 1);
    BildLabel = makeLabel(BildTextPanel, "BildLabel", colors::yellow, 12);
    BildLabel->setAlignment(Qt::AlignCenter);
    BildPanelen->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer1, &QTimer::timeout, this, &TDinaOrd::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TDinaOrd::Timer2Timer);
}

void TDinaOrd::FormCreate() {
    SharedState& s = state();
    scaleByScalePercent();
    ListReady = 0;
    NameBoxState = 0;
    LampOn = 0;
    longNames_ = longanamn();
    listProgram_ = s.ProgramNumber;
    fillLists();
    if (mode() == Mode::Worksheet) prepareWorksheetMode();
    InstruktionsLabel->setText(QStringLiteral("Traduisez."));
    Inled();

    QString kind;
    if (listProgram_ == 1001) kind = QStringLiteral("Mots ordinaires");
    if (listProgram_ == 1002) kind = QString::fromUtf8("Mots spéciaux");
    Heading->RitaOverskriften(QStringLiteral("Vocabulaire"), kind, QString());
    Heading->setModeColor(mode() == Mode::Worksheet ? Mode::Worksheet : Mode::Practice);

    s.SavedRunLength = QuestionsPerRun;
    DiagPanel1->hide();
    Panel2->show();
    s.WordListFile.clear();
    // The strip shows the chosen list's title; until a list is chosen it has none to show.
    FilPanel->hide();
    if (mode() == Mode::Worksheet) {
        FilPanel->setColor(colors::maroon);
        Edit1->setEnabled(false);
        namnruta->hide();
    }
    InstruktionsLabel->hide();

    lampknapp->hide();
    LampShape->hide();
    Panel13->hide();
    s.RunLength = s.SavedRunLength;
    FirstItem = 1;
    s.QuestionNumber = 1;
    s.RightCount = 0;
    s.WrongCount = 0;
    s.CorrectionRun = 0;
    Score = 0;
    s.TickCount = 0;
    stopTimers();
    Button3->setEnabled(false);
    runState_ = RunState::ChoosingList;
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
    NyPost();
}

void TDinaOrd::fillLists() {
    std::optional<fs::path> dataDir = shell().paths().find("DATA");
    const std::vector<std::string> names =
        listWordLists(dataDir ? *dataDir : fs::path(), wordListExtension(listProgram_));
    for (const std::string& name : names) {
        const AnsiText fileName = AnsiText::fromUtf8(name);
        FileListBox1->addItem(QString::fromStdString(name));
        ListBox1->addItem(toQString(longfilnamn(wordListStem(fileName), longNames_)));
    }
}

void TDinaOrd::prepareWorksheetMode() {
    WorksheetPanel::Exercise exercise;
    exercise.addItem = [this](WorksheetWindow&, int n) { addWorksheetItem(n); };
    exercise.nextItem = [this] { NyPost(); };
    exercise.close = [this] { closeWindow(); };
    SkrivutHelaPanelen = new WorksheetPanel(this, worksheetContext_, std::move(exercise));
    // The count of "Välja antal" goes up to the chosen list's number of words.
    for (auto [name, step] :
         {std::pair{"SkrivutSpinButtonUp", 1}, std::pair{"SkrivutSpinButtonDown", -1}}) {
        if (auto* b = SkrivutHelaPanelen->findChild<QToolButton*>(QString::fromLatin1(name))) {
            disconnect(b, nullptr, SkrivutHelaPanelen, nullptr);
            connect(b, &QToolButton::clicked, this,
                    [this, step = step] { stepWorksheetCount(step); });
        }
    }
}

void TDinaOrd::Inled() {
    const int u = U();
    const QSize screen = screenSize();
    W = screen.width();
    H = screen.height();
    setGeometry(0, 0, W, H);
    const int row = H / 48;
    const int margin = W / 16;
    const int headingTop = row * 4;
    const int headingHeight = row * 8;
    const bool worksheet = mode() == Mode::Worksheet;

    // The counter box at the right of the heading box, as wide as its widest text.
    int dw = (W / 64) * 10;
    for (QLabel* l : {DiagLabel2, DiagLabel4, Label15})
        dw = std::max(dw, QFontMetrics(l->font()).horizontalAdvance(l->text()) + 2 * u);
    dw = std::max(dw, QFontMetrics(DiagLabel5->font()).horizontalAdvance(QStringLiteral("-88888")) +
                          2 * u);
    const int line = headingHeight / 4;
    for (Panel* p : {DiagPanel1, Panel13})
        p->setGeometry(W - margin - dw, headingTop, dw, headingHeight);
    DiagLabel2->setGeometry(0, 0, dw, line);
    DiagLabel3->setGeometry(8, line, dw - 16, line);
    DiagLabel4->setGeometry(0, 2 * line, dw, line);
    DiagLabel5->setGeometry(8, 3 * line, dw - 16, line);
    Label15->setGeometry(0, 0, dw, line);
    Label17->setGeometry(8, line, dw - 16, 2 * line);
    Label16->setGeometry(0, 3 * line, dw, line);

    const int headingWidth = worksheet ? W - 2 * margin : DiagPanel1->x() - u - margin;
    Heading->setLayoutUnit(u);
    Heading->setScalePercent(state().ScalePercent);
    Heading->setGeometry(margin, headingTop, headingWidth, headingHeight);
    FilPanel->setGeometry(margin, u / 2, W - 2 * margin, headingTop - u);
    FilLabel->setGeometry(0, 0, FilPanel->width(), FilPanel->height());
    const int headingBottom = headingTop + headingHeight;

    const int panelHeight = row * 4;
    Panel1->setGeometry(u, H - u / 5 - panelHeight, W - 2 * u, panelHeight);
    const int bw = (Panel1->width() - 5 * u) / 4;
    QPushButton* buttons[4] = {Button1, Button2, Button3, Button4};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setGeometry(u + i * (bw + u), u / 2, bw, panelHeight - u);

    const int pictureTop = DiagPanel1->y() + DiagPanel1->height() + u;
    BildPanelen->setGeometry(u, pictureTop, W - 2 * u, Panel1->y() - u - pictureTop);
    // The picture keeps its designed proportions and fits the panel.
    const int pictureW = (W / 64) * 58;
    const int pictureH = (H / 48) * 35;
    const int shownH = std::min(pictureH, BildPanelen->height());
    const int shownW = pictureW * shownH / std::max(pictureH, 1);
    Image1->setGeometry((BildPanelen->width() - shownW) / 2, 0, shownW, shownH);

    InstruktionsLabel->adjustSize();
    const int instrHeight = InstruktionsLabel->height();
    InstruktionsLabel->move(margin, headingBottom + instrHeight / 2);
    auto lineHeight = [](QWidget* l) { return QFontMetrics(l->font()).height(); };
    FrageLabel1->move(margin, InstruktionsLabel->y() + 2 * instrHeight);
    FrageLabel2->move(margin, FrageLabel1->y() + lineHeight(FrageLabel1) * 4 / 3);
    Edit1->setFixedHeight(lineHeight(Edit1) + 8);
    Edit1->move(margin, FrageLabel2->y() + lineHeight(FrageLabel2) * 3 / 2);
    SvarsLabel->move(margin, Edit1->y() + Edit1->height() * 3 / 2);

    const int buttonHeight = QFontMetrics(lampknapp->font()).height() + u / 2 + 6;
    lampknapp->resize(buttonHeight + u / 2, buttonHeight);
    LampShape->resize(buttonHeight * 3 / 4, buttonHeight * 3 / 4);
    LampShape->move(Edit1->x() - LampShape->width() * 4 / 3,
                    Edit1->y() + (Edit1->height() - LampShape->height()) / 2);
    // The lamp button stands where the lamp shows, ending as far from the field as the lamp.
    lampknapp->move(LampShape->x() + LampShape->width() - lampknapp->width(),
                    Edit1->y() + (Edit1->height() - lampknapp->height()) / 2);

    // The list panel below the heading, down to the end panel (or to the worksheet heading).
    int listBottom = Panel1->y() - 2 * u;
    if (SkrivutHelaPanelen) {
        SkrivutHelaPanelen->place(W, H, u);
        listBottom = SkrivutHelaPanelen->overskriftPanel()->y() - u;
    }
    const int listTop = headingBottom + 2 * instrHeight;
    Panel2->setGeometry(margin, listTop, W - 2 * margin, std::max(listBottom - listTop, 12 * u));
    Panel3->setGeometry(u, u, Panel2->width() - 2 * u, Panel2->height() - 2 * u);
    Panel4->setGeometry(u, u, Panel3->width() - 2 * u, 4 * u);
    Panel4Label->setGeometry(0, 0, Panel4->width(), Panel4->height());
    const int listBoxTop = Panel4->height() + 2 * u;
    for (QListWidget* l : {ListBox1, FileListBox1})
        l->setGeometry(u, listBoxTop, Panel3->width() - 2 * u, Panel3->height() - 10 - listBoxTop);

    namnruta->setGeometry(margin, listTop, headingWidth, Panel2->height() / 2);
    Panel11->setGeometry(u, u, namnruta->width() - 2 * u, namnruta->height() - 2 * u);
    const int nh = Panel11->height();
    const int nw = Panel11->width();
    NamnLabel1->setGeometry(0, nh / 8, nw, lineHeight(NamnLabel1) + 4);
    Edit2->setFixedHeight(lineHeight(Edit2) + 8);
    Edit2->setGeometry(nw / 4, (nh - Edit2->height()) / 2, nw / 2, Edit2->height());
    NamnLabel2->setGeometry(0, nh * 5 / 8, nw, lineHeight(NamnLabel2) + 4);
    Panel1->raise();
}

void TDinaOrd::showEvent(QShowEvent* e) {
    Window::showEvent(e);
    // FormShow: the first list is selected.
    if (runState_ == RunState::ChoosingList) {
        if (ListBox1->currentRow() < 0 && ListBox1->count() > 0) ListBox1->setCurrentRow(0);
        ListBox1->setFocus();
    }
}

void TDinaOrd::ListBox1DblClick() {
    chooseList();
}

void TDinaOrd::ListBox1Enter() {
    // ListBox1KeyPress: the file list box first selects the same entry.
    FileListBox1->setCurrentRow(ListBox1->currentRow());
    chooseList();
}

// A list is chosen by a double-click or Enter; either way the list's own instruction is shown.
void TDinaOrd::chooseList() {
    if (runState_ != RunState::ChoosingList) return;
    SharedState& s = state();
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= FileListBox1->count()) {
        std::optional<fs::path> dataDir = shell().paths().find("DATA");
        const std::string where =
            (dataDir ? dataDir->string() : shell().paths().rootText() + "/DATA") + "/*" +
            wordListExtension(listProgram_);
        shell().showMessage("Filen " + where + " finns inte eller är felaktig");
        return;
    }
    FileListBox1->setCurrentRow(row);
    s.ProgramNumber = 1000;
    AnsiText title = fromQString(ListBox1->item(row)->text());
    title.truncate(kWordListTitleMax);
    s.WordListTitle = title;
    FilLabel->setText(toQString(title));
    const std::string fileName = FileListBox1->item(row)->text().toStdString();
    s.ProgramNumber = static_cast<std::uint16_t>(wordListProgramNumber(fileName));
    Filvald();
}

void TDinaOrd::Filvald() {
    SharedState& s = state();
    const std::string fileName = FileListBox1->currentItem()->text().toStdString();
    Panel2->hide();
    std::optional<fs::path> dataDir = shell().paths().find("DATA");
    s.WordListFile = ((dataDir ? *dataDir : shell().paths().resolve("DATA")) / fileName).string();
    s.WordListNumber = wordListNumber(s.WordListNames, fileName);
    ListReady = KollaOrdlista() ? 1 : 0;
    if (!ListReady) {
        // Back to the list: another one can be chosen, or the window left with Esc.
        showList();
        return;
    }
    // Record files go to the score directory (RESULTAT until the path file has named one).
    s.RecordFile =
        recordFileFor(s.ScoreDir.empty() ? shell().resultDir() + "/" : s.ScoreDir, fileName);
    FilPanel->show();
    InstruktionsLabel->setText(s.InstructionText.empty() ? QStringLiteral("Traduisez.")
                                                         : toQString(s.InstructionText));
    fitInstruction();
    NameBoxState = 1;
    if (mode() != Mode::Worksheet) {
        namnruta->show();
        namnruta->raise();
        Edit2->setEnabled(true);
        Edit2->setText(toQString(s.PupilName));
        Edit2->selectAll();
        Edit2->setFocus();
        runState_ = RunState::Naming;
        return;
    }
    s.SavedRunLength = s.RunLength = s.WordListItemCount[static_cast<std::size_t>(listNumber())];
    SkrivutHelaPanelen->start();
    namnruta->hide();
    Edit2->clear();
    Edit2->setEnabled(false);
    runState_ = RunState::Collecting;
    NyPost();
}

// A long instruction is drawn smaller until it fits the width of the heading strip.
void TDinaOrd::fitInstruction() {
    QFont font = InstruktionsLabel->font();
    const int room = FilPanel->width();
    int size = scaled(25, state().ScalePercent);
    for (;;) {
        font.setPixelSize(size);
        if (size <= 12 || QFontMetrics(font).horizontalAdvance(InstruktionsLabel->text()) <= room)
            break;
        --size;
    }
    InstruktionsLabel->setFont(font);
    // What does not fit even then ends in "…".
    InstruktionsLabel->setText(
        QFontMetrics(font).elidedText(InstruktionsLabel->text(), Qt::ElideRight, room));
    InstruktionsLabel->adjustSize();
}

bool TDinaOrd::KollaOrdlista() {
    SharedState& s = state();
    const std::string notFound = "Filen " + s.WordListFile + " finns inte eller är felaktig";
    if (listNumber() < 1) {
        shell().showMessage(notFound);
        return false;
    }
    // LasOrdlista: the header lines and the number of items, read each time the list is chosen,
    // so that the instruction is always this list's own.
    std::optional<WordListScan> scan = scanWordList(s.WordListFile);
    if (!scan) {
        shell().showMessage(notFound);
        return false;
    }
    s.HeadingLines = scan->headings;
    s.InstructionText = scan->instruction;
    s.WorksheetNote = scan->worksheetNote;
    s.WordListItemCount[static_cast<std::size_t>(listNumber())] = scan->itemCount;
    if (scan->itemCount == 0) {
        shell().showMessage(notFound);
        return false;
    }
    return true;
}

void TDinaOrd::showList() {
    namnruta->hide();
    if (SkrivutHelaPanelen) {
        SkrivutHelaPanelen->hide();
        for (QWidget* w : {static_cast<QWidget*>(FrageLabel1), static_cast<QWidget*>(FrageLabel2),
                           static_cast<QWidget*>(SvarsLabel)})
            w->hide();
    }
    Panel2->show();
    Panel2->raise();
    NameBoxState = 0;
    runState_ = RunState::ChoosingList;
    ListBox1->setFocus();
}

void TDinaOrd::Edit2Enter() {
    if (NameBoxState != 1 || mode() == Mode::Worksheet) return;
    SharedState& s = state();
    AnsiText name = fromQString(Edit2->text());
    name.truncate(20);
    s.PupilName = name;
    namnruta->hide();
    NameBoxState = 2;
    InstruktionsLabel->show();
    showLampControls();
    NyPost();
    setAnswerEnabled(true, true);
}

void TDinaOrd::Edit2Escape() {
    if (NameBoxState == 1) showList();
}

void TDinaOrd::escapeKey() {
    if (NameBoxState == 0)
        closeWindow();
    else if (NameBoxState == 1)
        showList();
    // While the exercise runs, Esc belongs to the answer field (a pause).
}

int TDinaOrd::errorCount() {
    return wordListErrorCount(state().WordListErrorCount, listNumber());
}

void TDinaOrd::moveListSelection(int step) {
    const int row = ListBox1->currentRow() + step;
    if (row >= 0 && row < ListBox1->count()) ListBox1->setCurrentRow(row);
}

void TDinaOrd::stepWorksheetCount(int step) {
    SharedState& s = state();
    const int n = listNumber();
    const int items = n >= 1 ? s.WordListItemCount[static_cast<std::size_t>(n)] : 0;
    if (step > 0 && s.WorksheetBatchCount < items) ++s.WorksheetBatchCount;
    if (step < 0 && s.WorksheetBatchCount > 0) --s.WorksheetBatchCount;
    if (auto* label = findChild<QLabel*>(QStringLiteral("SkrivutAntalLabel")))
        label->setText(QString::number(s.WorksheetBatchCount));
}

bool TDinaOrd::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ListBox1 && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: ListBox1Enter(); return true;
        case Qt::Key_Escape: escapeKey(); return true;
        case Qt::Key_Up: moveListSelection(-1); return true;
        case Qt::Key_Down: moveListSelection(1); return true;
        default: break;
        }
    }
    return Window::eventFilter(watched, e);
}

void TDinaOrd::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape: escapeKey(); return;
    case Qt::Key_Space:
        if (Timer1->isActive() || Timer2->isActive()) state().TickCount = 20000;
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = e->key() == Qt::Key_Up ? 1 : -1;
        auto* antal = findChild<QWidget*>(QStringLiteral("SkrivutAntalPanel"));
        const bool counting = antal && antal->isVisible();
        if (counting && !Panel2->isVisible())
            stepWorksheetCount(step);
        else if (Panel2->isVisible() && !counting)
            moveListSelection(-step);
        return;
    }
    default:
        // Every other key that reaches the window itself is swallowed.
        e->accept();
        return;
    }
}

void TDinaOrd::closeWindow() {
    stopTimers();
    runState_ = RunState::Closed;
    done(QDialog::Accepted);
    hide();
}

void TDinaOrd::reject() {
    if (runState_ == RunState::Closed) QDialog::reject();
}

void TDinaOrd::closeEvent(QCloseEvent* e) {
    stopTimers();
    runState_ = RunState::Closed;
    e->accept();
}

} // namespace orvela
