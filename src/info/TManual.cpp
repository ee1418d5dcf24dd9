#include "TManual.h"

#include "QtText.h"
#include "SafeFile.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace orvela {

namespace {

constexpr const char* kManualFile = "\\DATA\\FRANSMAN.TXT";
constexpr const char* kDocumentName = "Manual till Orvela";
constexpr int kButtonWidth = 190;
constexpr int kButtonHeight = 32;

// Tabs become blanks up to the next multiple of eight, so that the text stands in the printout
// as it stands on the screen.
AnsiText withoutTabs(const AnsiText& line) {
    AnsiText out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\t') {
            out.push_back(line[i]);
            continue;
        }
        do
            out.push_back(' ');
        while (out.size() % 8 != 0);
    }
    return out;
}

} // namespace

TManual::TManual(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("Manual"));
    setWindowTitle(qs("Manual till Orvela"));
    makeFullScreen(colors::white);

    Label1 = new AutoLabel(this, qs("Manual till Orvela"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont(26, true));
    Label1->setTextColor(colors::navy);

    auto memo = [this](const char* name) {
        auto* m = new QPlainTextEdit(this);
        m->setObjectName(QString::fromLatin1(name));
        m->setReadOnly(true);
        m->setFont(pixelFont(16));
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        return m;
    };
    Memo1 = memo("Memo1");
    // The pupil can mark text with the mouse or with Shift and the arrow keys.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo2 = memo("Memo2");
    Memo2->setReadOnly(false); // it takes the selection from the clipboard
    Memo2->hide();

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(qs(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(pixelFont(16, true));
        b->resize(kButtonWidth, kButtonHeight);
        b->setAutoDefault(false);
        return b;
    };
    Button1 = button("Button1", "Avbryt");
    Button2 = button("Button2", "Skriv ut");
    Button3 = button("Button3", "Skriv ut markerat");
    Button1->setToolTip(qs("Stänger manualen (Esc)"));
    Button2->setToolTip(qs("Skriver ut hela manualen"));
    Button3->setToolTip(qs("Skriver ut den text du har markerat"));
    connect(Button1, &QPushButton::clicked, this, &TManual::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TManual::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TManual::Button3Click);

    // Key preview: the window sees Escape before the control that has the focus.
    for (QWidget* w : {static_cast<QWidget*>(Memo1), static_cast<QWidget*>(Button1),
                       static_cast<QWidget*>(Button2), static_cast<QWidget*>(Button3)})
        w->installEventFilter(this);

    FormCreate();
}

void TManual::FormCreate() {
    scaleByScalePercent();
    read_ = readManual();
    layOut();
    Memo1->setFocus();
}

bool TManual::readManual() {
    const std::optional<fs::path> file = shell().paths().find(kManualFile);
    std::optional<std::string> read = file ? readWholeFile(*file) : std::nullopt;
    if (!read) {
        shell().showMessage("Filen " + shell().paths().rootText() +
                            "/DATA/FRANSMAN.TXT finns inte eller är felaktig");
        return false;
    }
    QStringList shown;
    for (const AnsiText& line : ManualPrintout::splitLines(AnsiText(std::move(*read))))
        shown << QStringLiteral("  ") + toQString(withoutTabs(line));
    Memo1->setPlainText(shown.join(QLatin1Char('\n')));
    Memo1->moveCursor(QTextCursor::Start);
    return true;
}

void TManual::layOut() {
    const QSize screen = screenSize();
    const int W = screen.width();
    const int H = screen.height();
    const int u = U();
    const int L = Label1->height();
    Label1->move((W - Label1->width()) / 2, L / 2);
    for (QPlainTextEdit* m : {Memo1, Memo2})
        m->setGeometry(2 * u, 3 * L, W - 4 * u, H - 5 * L);
    const int bw = Button1->width();
    const int bh = Button1->height();
    const int top = H - (3 * bh) / 2;
    const int B = bw + 2 * u;
    const int left = (W - 3 * B) / 4;
    Button1->move(left, top);
    Button2->move(left + bw + 2 * u, top);
    Button3->move(left + 2 * B, top);
}

int TManual::exec() {
    if (!read_) return QDialog::Rejected;
    return Window::exec();
}

void TManual::showEvent(QShowEvent* e) {
    Window::showEvent(e);
    Memo1->setFocus();
}

bool TManual::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        Button1Click();
        return true;
    }
    return Window::eventFilter(watched, e);
}

void TManual::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        Button1Click();
        return;
    }
    Window::keyPressEvent(e);
}

void TManual::Button1Click() {
    reject();
}

void TManual::Button2Click() {
    if (Memo1->document()->isEmpty()) {
        shell().showMessage("Manualen är tom. Det finns ingen text att skriva ut.");
        return;
    }
    printText(Memo1->toPlainText(), ManualPrintout::Source::WholeText);
}

void TManual::Button3Click() {
    if (!Memo1->textCursor().hasSelection()) {
        shell().showMessage("Markera först den text som ska skrivas ut: dra med musen över "
                            "texten eller håll ned Skift och använd piltangenterna.");
        Memo1->setFocus();
        return;
    }
    // The selection goes through the clipboard into the emptied Memo2, and Memo2 is printed.
    Memo1->copy();
    Memo2->clear();
    Memo2->paste();
    if (Memo2->document()->isEmpty()) {
        // No clipboard to be had (a session without one): the selection is taken directly.
        Memo2->setPlainText(Memo1->textCursor().selection().toPlainText());
    }
    printText(Memo2->toPlainText(), ManualPrintout::Source::Selection);
}

void TManual::printText(const QString& text, ManualPrintout::Source source) {
    Printing* printer = context().printing;
    if (!printer) {
        shell().showMessage("Manualen kan inte skrivas ut: det finns ingen skrivare i programmet.");
    } else if (printout_.print(*printer, ManualPrintout::splitLines(fromQString(text)), source,
                               kDocumentName) == PrintOutcome::Failed) {
        shell().showWarning("Utskriften kunde inte göras. Kontrollera skrivaren eller att "
                            "filen kan sparas där du valde.");
    }
    Memo1->setFocus();
}

} // namespace orvela
