#include "Tberaetta.h"

#include "AnswerEdit.h"
#include "QtText.h"
#include "StoryPrintout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>

namespace orvela {

Tberaetta::Tberaetta(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("Tberaetta"));
    setWindowTitle(QStringLiteral("Orvela"));
    makeFullScreen(colors::silver);
    // Laid out at the unscaled size: the scaling below brings it to the screen.
    const int percent = fittingPercent();
    const QSize screen = unscaledScreenSize(percent);
    const int W = screen.width();
    const int H = screen.height();
    const int u = unscaledU();
    SharedState& s = state();
    // Lines are split in the font of this program.
    savedProgramNumber_ = s.ProgramNumber;
    s.ProgramNumber = Shell::GeProgramtal(s.CurrentDataFile);

    Panel1 = new Panel(this, colors::red, 3);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(W / 64, H / 48, W * 62 / 64, H * 28 / 48);
    const int inner = Panel1->width() - 2 * u;
    Panel3 = new Panel(Panel1, colors::navy, 2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(u, u, inner, 50);
    auto* title = new QLabel(QStringLiteral("Composez une histoire"), Panel3);
    title->setObjectName(QStringLiteral("Panel3Caption"));
    title->setFont(pixelFont(27, true));
    title->setStyleSheet(QStringLiteral("color: yellow"));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 0, Panel3->width(), Panel3->height());

    Panel2 = new Panel(Panel1, colors::silver, 2);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(u, Panel3->y() + Panel3->height() + u, inner, 4 * 34 + 16);
    for (int k = 0; k < 4; ++k) {
        auto* l = new AutoLabel(Panel2, QStringLiteral("-"));
        l->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        l->setFont(pixelFont(18, true));
        l->setTextColor(colors::black);
        l->move(u, 8 + 34 * k);
        lines_[static_cast<std::size_t>(k)] = l;
    }

    Edit1 = new AnswerEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(pixelFont(18, true));
    Edit1->setStyleSheet(QStringLiteral("color: #000080; background: white"));
    Edit1->setMaxLength(kLineMax);
    Edit1->setGeometry(u, Panel2->y() + Panel2->height() + u, inner, 36);
    connect(Edit1, &AnswerEdit::enterPressed, this, &Tberaetta::Edit1Enter);
    connect(Edit1, &AnswerEdit::escapePressed, this, &Tberaetta::Button1Click);

    // The starter chooser, with the instructions over it while the pupil writes.
    const int chooserTop = Edit1->y() + Edit1->height() + u;
    Panel4 = new Panel(Panel1, colors::navy, 2);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(u, chooserTop, inner, Panel1->height() - chooserTop - u);
    auto label = [](QWidget* parent, const char* name, const char* text, int px, const QColor& c) {
        auto* l = new AutoLabel(parent, qs(text));
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pixelFont(px, true));
        l->setTextColor(c);
        return l;
    };
    SpeedButton2 = new QToolButton(Panel4);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setArrowType(Qt::LeftArrow);
    SpeedButton2->setGeometry(2 * u, 2 * u, 36, 30);
    SpeedButton1 = new QToolButton(Panel4);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setArrowType(Qt::RightArrow);
    SpeedButton1->setGeometry(2 * u + 40, 2 * u, 36, 30);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tberaetta::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tberaetta::SpeedButton2Click);
    label(Panel4, "Label7", "Starter no.", 18, colors::white)->move(2 * u + 90, 2 * u + 4);
    Label8 = label(Panel4, "Label8", "1 of 16", 18, colors::yellow);
    Label8->move(2 * u + 90 + 12 * u, 2 * u + 4);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), Panel4);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("&Annuler"), Panel4);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    for (QPushButton* b : {BitBtn1, Button1}) b->setFont(pixelFont(16, true));
    BitBtn1->setGeometry(inner - 24 * u, 2 * u, 10 * u, 34);
    Button1->setGeometry(inner - 12 * u, 2 * u, 10 * u, 34);
    connect(BitBtn1, &QPushButton::clicked, this, &Tberaetta::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &Tberaetta::Button1Click);
    label(Panel4, "Panel8", "Pressez PageUp ou PageDown pour changer starter.", 16, colors::white)
        ->move(2 * u, 2 * u + 50);

    Panel5 = new Panel(Panel1, colors::navy, 2);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setGeometry(Panel4->geometry());
    int y = u;
    for (const char* line : {"Pressez Enter après chaque ligne.",
                             "Enter après une ligne videe termine la narration.",
                             "C'est possible d'imprimer toute la narration."}) {
        AutoLabel* l = label(Panel5, "", line, 18, colors::yellow);
        l->setObjectName(QStringLiteral("Panel5Line%1").arg(y));
        l->move(2 * u, y);
        y += 28;
    }

    // The end: the whole story.
    Panel6 = new Panel(this, colors::navy, 3);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    const int endTop = Panel1->y() + Panel2->y() + Panel2->height() + u;
    Panel6->setGeometry(W / 64, endTop, W * 62 / 64, H - endTop - H / 48);
    label(Panel6, "Panel7", "Fini!", 24, colors::yellow)->move(2 * u, u);
    Memo2 = new QPlainTextEdit(Panel6);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setFont(pixelFont(20, false));
    Memo2->setGeometry(2 * u, 3 * u + 24, Panel6->width() - 4 * u, Panel6->height() - 3 * u - 24 - 60);
    auto endButton = [this, u](const QString& caption, const char* name, int k) {
        auto* b = new QPushButton(caption, Panel6);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(pixelFont(16, true));
        b->setAutoDefault(false);
        const int w = (Panel6->width() - 8 * u) / 3;
        b->setGeometry(2 * u + k * (w + 2 * u), Panel6->height() - 48, w, 36);
        return b;
    };
    BitBtn2 = endButton(QStringLiteral("&Imprimer"), "BitBtn2", 0);
    Button2 = endButton(QStringLiteral("Autre &narration"), "Button2", 1);
    Button3 = endButton(QStringLiteral("Annu&ler"), "Button3", 2);
    connect(BitBtn2, &QPushButton::clicked, this, &Tberaetta::BitBtn2Click);
    connect(Button2, &QPushButton::clicked, this, &Tberaetta::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tberaetta::Button3Click);

    scaleBy(percent);

    // Opening.
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(true);
    story_.clear();
    Edit1->clear();
    Edit1->hide();
    ready_ = starters_.read(shell().dataFile(s.CurrentDataFile));
    if (!ready_) {
        shell().showMessage("Filen " + s.CurrentDataFile.toUtf8() + " finns inte eller är felaktig");
        return;
    }
    if (starters_.StarterCount == 0) {
        shell().showMessage("Filen " + s.CurrentDataFile.toUtf8() +
                            " har inga berättelser att börja med.");
        BitBtn1->setEnabled(false);
    }
    showStarter();
    qApp->installEventFilter(this);
}

Tberaetta::~Tberaetta() {
    qApp->removeEventFilter(this);
    state().ProgramNumber = savedProgramNumber_;
}

int Tberaetta::exec() {
    if (!ready_) return QDialog::Rejected;
    return Window::exec();
}

int Tberaetta::lineRoom() const { return Panel2->width() - 2 * U(); }

void Tberaetta::showStarter() {
    Label8->setText(qs(starters_.counterText()));
    const auto lines = starters_.starter(starters_.StarterNo);
    for (std::size_t k = 0; k < lines.size(); ++k)
        lines_[k]->setText(lines[k].empty() ? QStringLiteral("-") : toQString(lines[k]));
}

void Tberaetta::SpeedButton1Click() {
    if (!BitBtn1->isEnabled()) return;
    starters_.next();
    showStarter();
}

void Tberaetta::SpeedButton2Click() {
    if (!BitBtn1->isEnabled()) return;
    starters_.previous();
    showStarter();
}

void Tberaetta::BitBtn1Click() {
    if (!BitBtn1->isEnabled() || starters_.StarterCount == 0) return;
    story_.clear();
    for (const AnsiText& l : starters_.starter(starters_.StarterNo)) story_.push_back(l);
    Edit1->clear();
    Edit1->show();
    Edit1->setFocus();
    BitBtn1->setEnabled(false);
    Panel5->show();
    Panel5->raise();
}

void Tberaetta::Edit1Enter() {
    if (!Edit1->isVisible()) return;
    const QString typed = Edit1->text();
    lines_[0]->setText(lines_[1]->text());
    lines_[1]->setText(lines_[2]->text());
    lines_[2]->setText(typed);
    if (typed.isEmpty()) {
        VisaStory();
        return;
    }
    AutoLabel* last = lines_[2];
    const QFontMetrics fm(last->font());
    const int room = lineRoom();
    if (fm.horizontalAdvance(typed) > room) {
        const AnsiText text = fromQString(typed);
        shell().dela_mening(2 * U(), Panel2->width(), text, 2);
        std::string first = state().SplitLines[1].bytes();
        if (first.empty() || first.size() > text.size()) first = text.bytes();
        // The split measures in its own font: what still does not fit moves on to the rest.
        auto wide = [&](const std::string& t) {
            return fm.horizontalAdvance(toQString(AnsiText(t))) > room;
        };
        while (wide(first) && first.size() > 1) {
            const std::size_t space = first.find_last_of(' ', first.size() - 2);
            first.resize(space != std::string::npos && space > 0 ? space : first.size() - 1);
        }
        while (!first.empty() && first.back() == ' ') first.pop_back();
        // The first part is where the split put it in the typed text (leading spaces dropped).
        const std::size_t lead = text.bytes().find_first_not_of(' ');
        const std::size_t from = (lead == std::string::npos ? 0 : lead) + first.size();
        std::string rest = text.bytes().substr(std::min(from, text.size()));
        rest.erase(0, std::min(rest.find_first_not_of(' '), rest.size()));
        last->setText(toQString(AnsiText(first)));
        Edit1->setText(toQString(AnsiText(rest)));
    } else {
        Edit1->clear();
    }
    story_.push_back(fromQString(last->text()));
}

void Tberaetta::VisaStory() {
    QStringList lines;
    for (const AnsiText& l : story_) lines << toQString(l);
    Memo2->setPlainText(lines.join(QLatin1Char('\n')));
    Panel6->show();
    Panel6->raise();
    showStarter();
    Edit1->hide();
    Button2->setFocus();
}

void Tberaetta::Button2Click() {
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(starters_.StarterCount > 0);
    story_.clear();
    showStarter();
    BitBtn1->setFocus();
}

void Tberaetta::BitBtn2Click() {
    Printing* printer = context().printing;
    if (!printer) {
        shell().showMessage("Berättelsen kan inte skrivas ut: det finns ingen skrivare i programmet.");
    } else if (StoryPrintout::print(*printer, story_) == PrintOutcome::Failed) {
        shell().showWarning("Utskriften kunde inte göras. Kontrollera skrivaren eller att "
                            "filen kan sparas där du valde.");
    }
    BitBtn2->setFocus();
}

void Tberaetta::Button1Click() { close(); }

void Tberaetta::Button3Click() { close(); }

bool Tberaetta::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((w == this || isAncestorOf(w)) &&
            (ke->key() == Qt::Key_PageDown || ke->key() == Qt::Key_PageUp)) {
            // The form takes both keys, whatever has the focus; they page while a starter is
            // being chosen.
            if (ke->key() == Qt::Key_PageDown)
                SpeedButton1Click();
            else
                SpeedButton2Click();
            return true;
        }
    }
    return Window::eventFilter(watched, e);
}

} // namespace orvela
