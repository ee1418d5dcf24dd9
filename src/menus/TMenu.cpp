#include "TMenu.h"

#include "QtText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

namespace orvela {

namespace {

// A menu that is not in the catalogue still offers a way back.
const MenuDef& unknownMenu() {
    static const MenuDef m = [] {
        MenuDef d;
        d.entries.push_back(
            MenuEntry{1, "Till föregående meny", EntryAction::Back, {}, WindowKind::Menu, 0});
        d.layout.height = d.layout.buttonTop + d.layout.buttonHeight + 18;
        return d;
    }();
    return m;
}

QColor rgb(std::uint32_t c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// Space a push button needs around its caption.
constexpr int kButtonPadding = 12;
// No caption is drawn smaller than this, however long it is.
constexpr int kSmallestFontPixels = 9;

int textWidth(const QFont& f, const QString& text) {
    return QFontMetrics(f).horizontalAdvance(text);
}

// Makes the widget's font smaller, one pixel at a time, until `text` fits in `available` pixels.
void shrinkToFit(QWidget* w, const QString& text, int available) {
    QFont f = w->font();
    int px = QFontInfo(f).pixelSize();
    if (textWidth(f, text) <= available) return;
    while (px > kSmallestFontPixels) {
        --px;
        f.setPixelSize(px);
        if (textWidth(f, text) <= available) break;
    }
    w->setFont(f);
}

} // namespace

TMenu::TMenu(AppContext& context, const std::string& menuName, QWidget* parent)
    : Window(context, parent) {
    const MenuDef* found = findMenu(menuName);
    menu_ = found ? found : &unknownMenu();
    const MenuDef& m = *menu_;
    const MenuLayout& l = m.layout;

    setObjectName(QString::fromStdString(menuName));
    setWindowTitle(qs(m.title));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(l.width, l.height);

    Panel1 = new Panel(this, rgb(m.colour), 3);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, l.width, l.height);

    Label1 = new QLabel(qs(m.title), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont(l.titleHeight, true));
    Label1->setStyleSheet(QStringLiteral("color: yellow; background: transparent"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, l.titleTop, l.width, QFontMetrics(Label1->font()).height());

    QPalette buttonPalette = palette();
    // Black captions; a disabled entry keeps the style's greyed text.
    buttonPalette.setColor(QPalette::Active, QPalette::ButtonText, Qt::black);
    buttonPalette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::black);
    int row = 0;
    for (const MenuEntry& e : m.entries) {
        auto* b = new QPushButton(qs(e.caption), Panel1);
        b->setObjectName(QStringLiteral("Button%1").arg(e.button));
        b->setFont(pixelFont(l.buttonFontHeight, true));
        b->setPalette(buttonPalette);
        b->setGeometry(l.buttonMargin, l.buttonTop + row * l.buttonStep,
                       l.width - 2 * l.buttonMargin, l.buttonHeight);
        const int number = e.button;
        connect(b, &QPushButton::clicked, this, [this, number] { ButtonClick(number); });
        if (!buttons_.empty()) setTabOrder(buttons_.back().second, b);
        buttons_.emplace_back(number, b);
        ++row;
    }

    FormCreate();
}

void TMenu::FormCreate() {
    const MenuDef& m = *menu_;
    const SharedState& s = state();
    const int U = s.LayoutUnit;

    scaleByScalePercent();
    Panel1->setGeometry(rect());

    Label1->setGeometry(U / 2, m.grammar ? 4 : Label1->y(), Panel1->width() - U, Label1->height());

    const bool worksheet = s.ExerciseMode == Mode::Worksheet;
    if (!m.keepsColour) Panel1->setColor(worksheet ? colors::maroon : colors::navy);

    if (QPushButton* b = button(m.worksheetDisabledButton)) b->setEnabled(!worksheet);

    for (auto& [number, b] : buttons_) {
        if (m.verbFont) {
            // Size 14 as designed, so it keeps its proportion to the scaled buttons.
            QFont f = pointFont(14, true);
            scaleFont(f, s.ScalePercent);
            b->setFont(f);
        }
        if (m.buttonMargins)
            b->setGeometry(3 * U / 2, b->y(), Panel1->width() - 3 * U, b->height());
    }

    // Long captions and titles are drawn a little smaller rather than cut off.
    shrinkToFit(Label1, Label1->text(), Label1->width());
    for (auto& [number, b] : buttons_)
        shrinkToFit(b, b->text(), b->width() - kButtonPadding);

    placeOnScreen();

    for (auto& [number, b] : buttons_) {
        if (b->isEnabled()) {
            b->setFocus();
            break;
        }
    }
}

void TMenu::placeOnScreen() {
    const QSize screen = screenSize();
    const int percent = state().ScalePercent;
    // Every menu of one depth starts at the same corner, so each sub-menu lies below and to the
    // right of the menu that opened it, whatever their heights.
    int x = (screen.width() - scaled(kMenuReferenceWidth, percent)) / 2 +
            scaled(menu_->layout.offsetX, percent);
    int y = (screen.height() - scaled(kMenuReferenceHeight, percent)) / 2 +
            scaled(menu_->layout.offsetY, percent);
    x = std::clamp(x, 0, std::max(0, screen.width() - width()));
    y = std::clamp(y, 0, std::max(0, screen.height() - height()));
    move(x, y);
}

QPushButton* TMenu::button(int number) const {
    for (const auto& [n, b] : buttons_)
        if (n == number) return b;
    return nullptr;
}

void TMenu::ButtonClick(int number) {
    const MenuEntry* e = findEntry(*menu_, number);
    QPushButton* b = button(number);
    if (!e || !b || !b->isEnabled()) return;
    SharedState& s = state();
    WindowOpener& opener = *context().opener;
    bool opened = true;
    switch (e->action) {
    case EntryAction::SubMenu:
        opened = opener.open(WindowRequest{WindowKind::Menu, std::string(e->target), 0});
        break;
    case EntryAction::Exercise:
        s.CurrentDataFile = AnsiText::ascii(e->target);
        if (shell().Kolla(s.CurrentDataFile)) opened = opener.open(WindowRequest{e->window, {}, 0});
        break;
    case EntryAction::Vocabulary:
        s.ProgramNumber = static_cast<std::uint16_t>(e->programNumber);
        opened = opener.open(WindowRequest{e->window, {}, 0});
        break;
    case EntryAction::Window: opened = opener.open(WindowRequest{e->window, {}, 0}); break;
    case EntryAction::Back: reject(); return;
    }
    if (!opened) shell().showMessage("Den här delen av programmet kan inte öppnas.");
}

void TMenu::moveFocus(int step) {
    const int n = static_cast<int>(buttons_.size());
    if (n == 0) return;
    int current = -1;
    for (int i = 0; i < n; ++i)
        if (buttons_[static_cast<std::size_t>(i)].second->hasFocus()) current = i;
    const int start = current >= 0 ? current : (step > 0 ? n - 1 : 0);
    for (int k = 1; k <= n; ++k) {
        const int i = ((start + step * k) % n + n) % n;
        QPushButton* b = buttons_[static_cast<std::size_t>(i)].second;
        if (b->isEnabled()) {
            b->setFocus();
            return;
        }
    }
}

void TMenu::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape:
        if (const MenuEntry* back = backEntry(*menu_)) {
            ButtonClick(back->button);
        } else {
            reject();
        }
        return;
    case Qt::Key_Down: moveFocus(1); return;
    case Qt::Key_Up: moveFocus(-1); return;
    default: Window::keyPressEvent(e);
    }
}

} // namespace orvela
