#include "TUtskrift.h"

#include "QtText.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace orvela {

namespace {
const QColor kListText{0, 0, 96};
} // namespace

TUtskrift::TUtskrift(AppContext& context, QWidget* parent)
    : Window(context, parent), printout_(context.state()) {
    setObjectName(QStringLiteral("Utskrift"));
    setWindowTitle(qs("Ditt val"));
    // Borderless and above the other windows; it never takes the keyboard focus.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setBackground(colors::maroon);

    Panel6 = new Panel(this, colors::maroon, 3);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel7 = new Panel(Panel6, colors::yellow, 1);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel8 = new Panel(Panel7, colors::maroon, 2);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8Label = new QLabel(qs("Ditt val"), Panel8);
    Panel8Label->setObjectName(QStringLiteral("Panel8Label"));
    Panel8Label->setAlignment(Qt::AlignCenter);
    Panel8Label->setStyleSheet(QStringLiteral("color: yellow"));
    StangButton = new QPushButton(qs("Stäng"), Panel8);
    StangButton->setObjectName(QStringLiteral("StangButton"));
    StangButton->setFocusPolicy(Qt::NoFocus);
    StangButton->setAutoDefault(false);
    connect(StangButton, &QPushButton::clicked, this, &TUtskrift::hideSheet);

    for (QListWidget** box : {&ListBox1, &ListBox2}) {
        auto* list = new QListWidget(Panel7);
        list->setFocusPolicy(Qt::NoFocus);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        QPalette pal = list->palette();
        pal.setColor(QPalette::Text, kListText);
        pal.setColor(QPalette::Base, colors::white);
        list->setPalette(pal);
        *box = list;
    }
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2->setObjectName(QStringLiteral("ListBox2"));

    FormCreate();
}

void TUtskrift::FormCreate() {
    const QSize screen = screenSize();
    const int W = screen.width();
    const int H = screen.height();
    const int u = U();
    const int percent = state().ScalePercent;
    // Over the upper part of an exercise window, clear of its worksheet buttons at the bottom.
    setGeometry(W / 8, H / 16, W * 3 / 4, H * 9 / 16);
    Panel6->setGeometry(0, 0, width(), height());
    Panel7->setGeometry(u / 2, u / 2, Panel6->width() - u, Panel6->height() - u);
    const int barHeight = scaled(34, percent);
    Panel8->setGeometry(u / 2, u / 2, Panel7->width() - u, barHeight);
    Panel8Label->setFont(pixelFont(scaled(20, percent), true));
    Panel8Label->setGeometry(0, 0, Panel8->width(), barHeight);
    StangButton->setFont(pixelFont(scaled(14, percent), true));
    const int buttonWidth = scaled(80, percent);
    StangButton->setGeometry(Panel8->width() - buttonWidth - 4, 4, buttonWidth, barHeight - 8);
    const int listTop = Panel8->y() + barHeight + u / 2;
    for (QListWidget* list : {ListBox1, ListBox2}) {
        list->setFont(pixelFont(scaled(16, percent)));
        list->setGeometry(u / 2, listTop, Panel7->width() - u, Panel7->height() - listTop - u / 2);
    }
    ListBox2->hide();
}

void TUtskrift::addLine(Sheet sheet, LineKind kind, const AnsiText& text) {
    worksheet_.add(sheet, kind, text);
    auto* item = new QListWidgetItem(toQString(text));
    item->setData(Qt::UserRole, static_cast<int>(kind));
    listBox(sheet)->addItem(item);
}

void TUtskrift::clear() {
    worksheet_.clear();
    ListBox1->clear();
    ListBox2->clear();
    printout_.reset();
}

void TUtskrift::restart() {
    clear();
    SharedState& s = state();
    s.WorksheetItemCount = 0;
    s.WorksheetExerciseCount = 0;
    s.WorksheetHeadingPending = 1;
}

void TUtskrift::attachTo(QWidget* host) {
    if (host_ == host) return;
    if (host_) host_->removeEventFilter(this);
    host_ = host;
    if (host) host->installEventFilter(this);
    // A transient child of the window in use is not blocked by its modality: the preview can be
    // scrolled and closed while the exercise window is modal.
    winId();
    windowHandle()->setTransientParent(host ? host->window()->windowHandle() : nullptr);
}

void TUtskrift::showSheet(Sheet sheet) {
    QWidget* host = QApplication::activeModalWidget();
    if (!host || host == this) host = QApplication::activeWindow();
    if (host == this) host = host_;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) hostFocus_ = focus;
    if (host != host_ && isVisible()) hide(); // shown again below with its new owner
    attachTo(host);

    front_ = sheet;
    listBox(sheet)->show();
    listBox(sheet)->raise();
    listBox(sheet == Sheet::Answers ? Sheet::Questions : Sheet::Answers)->hide();
    if (isVisible())
        raise();
    else
        show();
}

void TUtskrift::hideSheet() {
    hide();
}

void TUtskrift::changeEvent(QEvent* e) {
    // Should the window system make the preview active, the window in use gets the keyboard back.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && host_ && host_->isVisible()) {
        host_->activateWindow();
        if (hostFocus_) hostFocus_->setFocus(Qt::OtherFocusReason);
    }
    Window::changeEvent(e);
}

bool TUtskrift::eventFilter(QObject* watched, QEvent* e) {
    // The preview belongs to the window that showed it and goes when that window goes.
    if (watched == host_ && e->type() == QEvent::Hide) hide();
    return Window::eventFilter(watched, e);
}

AnsiText TUtskrift::UtSkriftSvar(const AnsiText& answer) {
    const SharedState& s = state();
    return orvela::UtSkriftSvar(answer, s.ItemFields, s.AltFieldCount);
}

int TUtskrift::UppgiftTillNySida(int i, Sheet sheet) const {
    return i < 0 ? 0 : worksheet_.UppgiftTillNySida(static_cast<std::size_t>(i), sheet);
}

bool TUtskrift::InstruktionFinns(int i, Sheet sheet) const {
    return i >= 0 && worksheet_.InstruktionFinns(static_cast<std::size_t>(i), sheet);
}

PrintOutcome TUtskrift::SkrivutFraga() {
    Printing* printer = context().printing;
    const PrintOutcome outcome =
        printer ? printout_.SkrivutFraga(*printer, worksheet_) : PrintOutcome::Failed;
    if (outcome == PrintOutcome::Failed) {
        if (Messages* messages = shell().services().messages)
            messages->warning("Utskriften kunde inte göras. Kontrollera skrivaren eller "
                              "att filen kan sparas där du valde.");
    }
    return outcome;
}

} // namespace orvela
