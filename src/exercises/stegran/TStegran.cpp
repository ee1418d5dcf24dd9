#include "TStegran.h"

#include "DiplomaPrintout.h"
#include "LevelStore.h"
#include "QtText.h"
#include "Scrambling.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPixmap>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace orvela {

namespace {

constexpr int kNameMax = 20;
constexpr int kRightInRowToRise = 3;
// A pause is 10 x answerSeconds() ticks: 0.3 s after a right answer, 3 s after a wrong one.
constexpr int kRightTickMs = 10;
constexpr int kWrongTickMs = 100;
constexpr std::size_t kProblemsShown = 8;
const char* const kDiplomaPicture = "\\BILD\\DIPLOMA.BMP";

int lineHeight(const QWidget* w) {
    return QFontMetrics(w->font()).height();
}

std::string fileNotFound(const AnsiText& name) {
    return "Filen " + name.toUtf8() + " finns inte eller är felaktig";
}

} // namespace

TStegran::TStegran(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TStegran"));
    auto label = [this](QWidget* parent, const char* name, const QColor& color, int points) {
        auto* l = new AutoLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pointFont(points, true));
        l->setTextColor(color);
        return l;
    };
    auto edit = [](QWidget* parent, const char* name, int length) {
        auto* e = new AnswerEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        e->setFont(pointFont(16, true));
        e->setStyleSheet(QStringLiteral("color: #000080; background: white"));
        e->setMaxLength(length);
        e->setFixedHeight(QFontMetrics(e->font()).height() + 8);
        return e;
    };
    Label5 = label(this, "Label5", colors::green, 24);
    Edit1 = edit(this, "Edit1", 55);
    Label6 = label(this, "Label6", colors::maroon, 16);
    Label6->hide();
    connect(Edit1, &AnswerEdit::enterPressed, this, &TStegran::Edit1Enter);
    connect(Edit1, &AnswerEdit::escapePressed, this, &TStegran::Edit1Escape);
    connect(Edit1, &QLineEdit::textEdited, this, &TStegran::Edit1Change);

    // The level box: "Niveau", the level number in a white box, and the gauge of the levels.
    NivPanel = new Panel(this, colors::navy, 2);
    NivPanel->setObjectName(QStringLiteral("NivPanel"));
    NivLabel1 = label(NivPanel, "NivLabel1", colors::yellow, 12);
    NivLabel1->setText(QStringLiteral("Niveau"));
    NivShape = new Shape(NivPanel, Shape::RoundRect, colors::white, colors::yellow);
    NivShape->setObjectName(QStringLiteral("NivShape"));
    NivLabel2 = new QLabel(NivShape);
    NivLabel2->setObjectName(QStringLiteral("NivLabel2"));
    NivLabel2->setAlignment(Qt::AlignCenter);
    NivLabel2->setStyleSheet(QStringLiteral("color: #000080; background: transparent"));
    Gauge1 = new QProgressBar(NivPanel);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setOrientation(Qt::Vertical);
    Gauge1->setTextVisible(false);
    Gauge1->setStyleSheet(QStringLiteral(
        "QProgressBar { background: white; border: 1px solid black }"
        "QProgressBar::chunk { background: #00FF00 }"));

    // The panel: the framework's buttons with this window's captions, and two more.
    disconnect(Button1, nullptr, this, nullptr);
    connect(Button1, &QPushButton::clicked, this, &TStegran::Button1Click);
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, Panel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setFont(pointFont(12, true));
        return b;
    };
    HaemtaNivaa2 = button("HaemtaNivaa2", QStringLiteral("&Selectionner le niveau"));
    PrintButton = button("PrintButton", QStringLiteral("&Imprimer"));
    PrintButton->hide();
    connect(HaemtaNivaa2, &QPushButton::clicked, this, &TStegran::HaemtaNivaa2Click);
    connect(PrintButton, &QPushButton::clicked, this, &TStegran::PrintButtonClick);

    // The name box.
    namnruta = new Panel(this, colors::navy, 2);
    namnruta->setObjectName(QStringLiteral("namnruta"));
    NamnLabel1 = label(namnruta, "NamnLabel1", colors::yellow, 14);
    NamnLabel1->setText(QString::fromUtf8("Écrivez votre nom."));
    NamnLabel2 = label(namnruta, "NamnLabel2", colors::yellow, 12);
    NamnLabel2->setText(QStringLiteral("Appuyez Enter"));
    Edit2 = edit(namnruta, "Edit2", kNameMax);
    Edit2->setSharpSKeys(false);
    connect(Edit2, &AnswerEdit::enterPressed, this, &TStegran::Edit2Enter);
    connect(Edit2, &AnswerEdit::escapePressed, this, &TStegran::Edit2Escape);
    namnruta->hide();

    // The diploma.
    DiplomPanel = new Panel(this, colors::silver);
    DiplomPanel->setObjectName(QStringLiteral("DiplomPanel"));
    DiplomLabel = label(DiplomPanel, "DiplomLabel", colors::navy, 20);
    DiplomLabel->setAlignment(Qt::AlignCenter);
    Image1->setObjectName(QStringLiteral("BildImage")); // the framework's reward picture
    DiplomImage = new QLabel(DiplomPanel);
    DiplomImage->setObjectName(QStringLiteral("Image1"));
    DiplomImage->setScaledContents(true);
    DiplomPanel->hide();

    SharedState& s = state();
    if (s.ExerciseMode == Mode::Worksheet && s.HeadingLines[1].empty())
        s.WorksheetHeading = AnsiText::ascii("X-ACT");
    NollaStegre();
    TestaStegreFilen(s.CurrentDataFile);
    shell().reseedRandom();
    for (int level = 1; level <= NumberOfLevels; ++level)
        SlumpaStegre(level, 1, Items.itemCount(level));
    Gauge1->setRange(0, std::max(1, NumberOfLevels));
    // The level store lives in the diagnosis directory, checked once per program run.
    shell().checkDiagnosisDirectory();

    FormCreate();

    // What the framework gives every exercise and this one has not.
    Aster1->hide();
    BitBtn1->hide();
    Button1->setText(QStringLiteral("&Continuer"));
    Button2->setText(QStringLiteral("&Garder le niveau"));
    Button3->setText(QStringLiteral("A&nnuler"));
    if (s.HeadingLines[1].empty())
        Heading->RitaOverskriften(QStringLiteral("X-ACT"), QString(), QString());
    if (mode() == Mode::Worksheet) {
        Edit1->hide();
        NivPanel->hide();
        Panel1->hide();
    } else {
        UppgraderaNivRutan(Level, s.RightCount);
        if (!FileUsable) showPanel();
    }
}

void TStegran::NollaStegre() {
    SharedState& s = state();
    Level = 1;
    s.RightCount = 0;
    s.WrongCount = 0;
    DiplomaDue = false;
    DiplomaShown = false;
    for (auto& order : Order) order.clear();
    Position.fill(1);
}

void TStegran::message(const std::string& text) {
    shell().showMessage(text);
}

// ---- the data file ----

void TStegran::TestaStegreFilen(const AnsiText& name) {
    const fs::path path = shell().dataFile(name);
    const bool read = !path.empty() && Items.read(path);
    NumberOfLevels = read ? Items.levelCount() : 0;
    FileUsable = NumberOfLevels > 0;
    if (!FileUsable) {
        message(fileNotFound(name));
        return;
    }
    if (Items.problems().empty()) return;
    std::string text = "Filen " + name.toUtf8() + " har rader som inte kan användas:";
    const auto& problems = Items.problems();
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        text += "\n" + problems[i];
    if (problems.size() > kProblemsShown)
        text += "\n… och " + std::to_string(problems.size() - kProblemsShown) + " till.";
    message(text);
}

void TStegran::SlumpaStegre(int level, int first, int count) {
    std::vector<int>& order = Order[static_cast<std::size_t>(level)];
    order.resize(static_cast<std::size_t>(std::max(0, count)));
    std::iota(order.begin(), order.end(), first);
    for (std::size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[static_cast<std::size_t>(shell().randomBelow(static_cast<int>(i)))]);
    Position[static_cast<std::size_t>(level)] = 1;
}

void TStegran::haemtaord(int k) {
    SharedState& s = state();
    s.CurrentLine = Items.item(Level, k);
    int& position = Position[static_cast<std::size_t>(Level)];
    const int count = static_cast<int>(Order[static_cast<std::size_t>(Level)].size());
    position = position >= count ? 1 : position + 1;
}

bool TStegran::fetchItem() {
    SharedState& s = state();
    if (mode() == Mode::Worksheet) {
        if (!FileUsable) return false;
        ExerciseWindow::fetchItem();
        s.CurrentLine = LevelItems::withoutLevel(dekryptrad(s.CurrentLine));
        return true;
    }
    if (DiplomaDue) {
        VisaDiplom();
        return false;
    }
    if (!FileUsable) return false;
    const std::vector<int>& order = Order[static_cast<std::size_t>(Level)];
    const int position = Position[static_cast<std::size_t>(Level)];
    haemtaord(order.at(static_cast<std::size_t>(position - 1)));
    return true;
}

// ---- layout ----

void TStegran::Inled() {
    ExerciseWindow::Inled();
    const int u = U();
    // The level box stands where the squares stand, as wide as its caption needs.
    const int width =
        std::max(Aster1->width() * 3 / 2,
                 QFontMetrics(NivLabel1->font()).horizontalAdvance(QStringLiteral("Niveau")) + 2 * u);
    const int top = Heading->y();
    NivPanel->setGeometry(W - u / 2 - width, top, width, Panel1->y() - u - top);
    RitaNivRutan();
    Heading->setGeometry(u, u, NivPanel->x() - 2 * u, Heading->height());

    // Five buttons across the panel.
    const int panelHeight = Panel1->height();
    QPushButton* buttons[5] = {Button1, Button2, HaemtaNivaa2, Button3, PrintButton};
    const int bw = (W - 6 * u) / 5;
    for (int i = 0; i < 5; ++i) {
        QPushButton* b = buttons[i];
        b->setGeometry(u + i * (bw + u), u / 2, bw, panelHeight - u);
        // A caption that does not fit its button is drawn a pixel smaller at a time.
        QFont font = b->font();
        const QString caption = QString(b->text()).remove(QLatin1Char('&'));
        for (int px = QFontInfo(font).pixelSize();
             px > 8 && QFontMetrics(font).horizontalAdvance(caption) > bw - u / 2;)
            font.setPixelSize(--px);
        b->setFont(font);
    }

    const int diplomaRight = NivPanel->x() - u;
    const int diplomaTop = (H / 48) * 10 - u / 2;
    DiplomPanel->setGeometry(u, diplomaTop, diplomaRight - u, Panel1->y() - u - diplomaTop);
    DiplomLabel->setGeometry(0, 0, DiplomPanel->width(), 2 * lineHeight(DiplomLabel));
}

void TStegran::RitaNivRutan() {
    const int u = U();
    const int w = NivPanel->width();
    NivLabel1->setGeometry(0, u / 2, w, lineHeight(NivLabel1));
    NivLabel1->setAlignment(Qt::AlignCenter);
    const int box = w - u;
    NivShape->setGeometry(u / 2, NivLabel1->y() + NivLabel1->height() + u / 2, box, box);
    const int gaugeTop = NivShape->y() + NivShape->height() + u;
    const int gaugeWidth = std::max(u, w / 3);
    Gauge1->setGeometry((w - gaugeWidth) / 2, gaugeTop, gaugeWidth,
                        std::max(u, NivPanel->height() - gaugeTop - u));
}

void TStegran::UppgraderaNivRutan(int level, int rightInRow) {
    static const int kPoints[3] = {18, 24, 30};
    const int points = kPoints[std::clamp(rightInRow, 0, 2)];
    NivLabel2->setFont(pointFont(points * state().ScalePercent / 100, true));
    NivLabel2->setText(QString::number(level));
    const int h = lineHeight(NivLabel2);
    // Centred across the box, its bottom 4 pixels above the box's bottom edge.
    NivLabel2->setGeometry(0, std::max(0, NivShape->height() - 4 - h), NivShape->width(), h);
    Gauge1->setValue(std::clamp(level, 0, Gauge1->maximum()));
}

void TStegran::layoutItemArea() {
    const int u = U();
    const int left = InstruktionsLabel->x();
    Label5->move(left, InstruktionsLabel->y() + 2 * InstruktionsLabel->height());
    Edit1->setFixedWidth((W / 64) * 26);
    Edit1->move(left, Label5->y() + lineHeight(Label5) * 3 / 2);
    lampknapp->move(Edit1->x() + Edit1->width() + u, Edit1->y());
    Label6->move(left, Edit1->y() + Edit1->height() + lineHeight(Label6) / 2);

    const int boxWidth = (W / 64) * 26;
    Edit2->setFixedWidth(boxWidth - 2 * u);
    const int boxHeight = lineHeight(NamnLabel1) + Edit2->height() + lineHeight(NamnLabel2) + 3 * u;
    namnruta->setGeometry(left, Label6->y() + 2 * lineHeight(Label6), boxWidth, boxHeight);
    NamnLabel1->move(u, u / 2);
    Edit2->move(u, NamnLabel1->y() + lineHeight(NamnLabel1) + u / 2);
    NamnLabel2->move(u, Edit2->y() + Edit2->height() + u / 2);
}

// ---- items and answers ----

void TStegran::NollaLabeller() {
    Label5->setText(QString());
    Label6->setText(QString());
    Label6->hide();
    Edit1->clear();
}

void TStegran::presentItem() {
    const SharedState& s = state();
    Label5->setText(toQString(s.ItemFields[1]));
    Label5->show();
    Label6->setText(toQString(s.ItemFields[2]));
    DiplomPanel->hide();
    PrintButton->hide();
    DiplomaShown = false;
    if (mode() != Mode::Worksheet) Edit1->show();
}

void TStegran::setAnswerEnabled(bool enabled, bool focus) {
    if (mode() == Mode::Worksheet) return;
    Edit1->setEnabled(enabled);
    if (!enabled) {
        setFocus();
        return;
    }
    if (focus) Edit1->setFocus();
}

void TStegran::Edit1Change() {
    updateLamp(fromQString(Edit1->text()), state().ItemFields[2]);
}

void TStegran::Edit1Enter() {
    if (runState() != RunState::Answering || !Edit1->isEnabled() || !FileUsable) return;
    SharedState& s = state();
    const bool right = shell().svarstest(s.ItemFields[2], fromQString(Edit1->text()), 1) == 0;
    // Enter is taken once per item: the field waits, disabled, for the next one.
    setAnswerEnabled(false, false);
    s.LastAnswerRight = right ? 1 : 0;
    if (right) {
        ++s.RightCount;
        if (s.RightCount >= kRightInRowToRise) {
            if (Level < NumberOfLevels)
                ++Level;
            else
                DiplomaDue = true; // the top level is mastered
            s.RightCount = 0;
        }
        UppgraderaNivRutan(Level, s.RightCount);
        startAnswerTimer(kRightTickMs);
    } else {
        if (Level > 1) --Level;
        s.RightCount = 0;
        ++s.WrongCount;
        UppgraderaNivRutan(Level, 0);
        Label6->show();
        startAnswerTimer(kWrongTickMs);
    }
    s.TickCount = 0;
}

void TStegran::answerDisplayEnded() {
    NyPost();
}

void TStegran::Edit1Escape() {
    if (runState() != RunState::Answering) return;
    showPanel();
}

void TStegran::showPanel() {
    stopTimers();
    Edit1->setEnabled(false);
    runState_ = RunState::Paused;
    Button1->setEnabled(FileUsable);
    Button2->setEnabled(FileUsable);
    HaemtaNivaa2->setEnabled(FileUsable);
    Panel1->show();
    Panel1->raise();
    (FileUsable ? Button1 : Button3)->setFocus();
}

bool TStegran::windowKey(QKeyEvent* e) {
    if (e->key() != Qt::Key_Escape) return false;
    if (namnruta->isVisible()) {
        Edit2Escape();
    } else if (Panel1->isVisible()) {
        Button3Click();
    } else if (mode() != Mode::Worksheet) {
        // Esc during a pause: the panel, as from the answer field.
        showPanel();
    }
    return true;
}

// ---- the panel ----

void TStegran::Button1Click() {
    if (!FileUsable) return;
    DiplomaDue = false;
    DiplomPanel->hide();
    namnruta->hide();
    Panel1->hide();
    NyPost();
}

void TStegran::Button2Click() {
    showNameBox(true);
}

void TStegran::HaemtaNivaa2Click() {
    showNameBox(false);
}

void TStegran::showNameBox(bool save) {
    if (!FileUsable) return;
    SaveWanted = save;
    Edit2->setText(toQString(state().PupilName));
    namnruta->show();
    namnruta->raise();
    Edit2->setFocus();
    Edit2->selectAll();
}

void TStegran::Edit2Escape() {
    namnruta->hide();
    showPanel();
}

void TStegran::Edit2Enter() {
    SharedState& s = state();
    AnsiText name = fromQString(Edit2->text().trimmed());
    if (name.empty()) return;
    name.truncate(kNameMax);
    s.PupilName = name;
    sparastegring(name, SaveWanted ? "SPARA" : "HAMTA");
    UppgraderaNivRutan(Level, s.RightCount);
    namnruta->hide();
    Panel1->hide();
    DiplomaDue = false;
    DiplomPanel->hide();
    NyPost();
}

void TStegran::sparastegring(const AnsiText& name, const char* operation) {
    SharedState& s = state();
    const LevelStore store(shell().diagnosisDir());
    const std::string file = store.path().string();
    const std::string who = name.toUtf8();
    if (std::strcmp(operation, "HAMTA") == 0) {
        const LevelFetch f = store.fetch(name, NumberOfLevels);
        switch (f.result) {
        case LevelFetch::Result::Found:
            Level = f.level;
            s.RightCount = 0;
            break;
        case LevelFetch::Result::NoStore:
            Level = 1;
            s.RightCount = 0;
            message("Ingen nivå är sparad under namnet " + who + ". Du börjar på nivå 1.");
            break;
        case LevelFetch::Result::NotStored:
            message("Ingen nivå är sparad under namnet " + who + ".");
            break;
        case LevelFetch::Result::Unreadable:
            message("Nivåfilen " + file +
                    " kan inte läsas. Den lämnas som den är, och ingen nivå hämtas.");
            break;
        }
        return;
    }

    using Result = RecordFileChange::Result;
    const RecordFileChange change = store.store(name, Level, shell().Datumstaempel());
    switch (change.result) {
    case Result::Written:
    case Result::Unchanged:
        if (Level < 2 && change.result == Result::Unchanged)
            message("Nivå 1 sparas inte: alla börjar på nivå 1.");
        else
            message("Nivå " + std::to_string(Level) + " är sparad för " + who + ".");
        break;
    case Result::Missing:
    case Result::Unreadable:
        message("Nivåfilen " + file +
                " kan inte läsas. Den lämnas som den är, och nivån sparas inte.");
        break;
    case Result::NotLocked:
        message("Nivåfilen " + file +
                " används av någon annan just nu. Nivån sparas inte; försök igen om en stund.");
        break;
    case Result::NotWritten:
        message("Nivån kunde inte sparas i " + file + " (" + change.error + ").");
        break;
    }
    if (!change.strayCopy.empty())
        message("Nivåfilen " + file + " slutade med " + std::to_string(change.strayBytes) +
                " byte som inte är en hel post. Hela den gamla filen finns kvar som " +
                change.strayCopy.string() + "; alla hela poster finns kvar i nivåfilen.");
}

// ---- the diploma ----

AnsiText TStegran::headingText() {
    AnsiText heading = WorksheetPanel::composeHeading(state().HeadingLines);
    return heading.empty() || state().HeadingLines[1].empty() ? AnsiText::ascii("X-ACT") : heading;
}

void TStegran::VisaDiplom() {
    DiplomaShown = true;
    Label5->hide();
    Label6->hide();
    Edit1->setEnabled(false);
    Edit1->hide();
    DiplomLabel->setText(QString::fromUtf8("Félicitations ! Vous avez réussi les %1 niveaux.")
                             .arg(NumberOfLevels));
    DiplomPanel->show();
    DiplomPanel->raise();
    std::optional<fs::path> file = shell().paths().find(kDiplomaPicture);
    QPixmap picture;
    if (file) picture.load(QString::fromStdString(file->string()));
    if (picture.isNull()) {
        DiplomImage->hide();
    } else {
        DiplomImage->setPixmap(picture);
        placeDiplomaPicture();
        DiplomImage->show();
    }
    PrintButton->show();
    showPanel();
}

void TStegran::placeDiplomaPicture() {
    const QSize picture = DiplomImage->pixmap().size();
    const int top = DiplomLabel->height();
    const QSize room(DiplomPanel->width(), DiplomPanel->height() - top);
    const QSize size = picture.scaled(room, Qt::KeepAspectRatio);
    DiplomImage->setGeometry((room.width() - size.width()) / 2, top, size.width(), size.height());
}

void TStegran::PrintButtonClick() {
    SharedState& s = state();
    Diploma d;
    d.heading = headingText();
    d.name = s.PupilName;
    d.level = std::min(Level, NumberOfLevels);
    d.levelCount = NumberOfLevels;
    if (Clock* clock = shell().services().clock) {
        const DateTime now = clock->now();
        d.year = now.year;
        d.month = now.month;
        d.day = now.day;
    }
    if (std::optional<fs::path> file = shell().paths().find(kDiplomaPicture)) d.picture = *file;
    Printing* printer = context().printing;
    const PrintOutcome outcome =
        printer ? DiplomaPrintout::print(*printer, d) : PrintOutcome::Failed;
    if (outcome == PrintOutcome::Failed)
        message("Diplomet kunde inte skrivas ut. Kontrollera skrivaren eller att filen kan "
                "sparas där du valde.");
    (FileUsable ? Button1 : Button3)->setFocus();
}

} // namespace orvela
