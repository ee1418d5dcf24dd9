#include "Tavsloj.h"

#include "AnswerEdit.h"
#include "QtText.h"
#include "SlotLabel.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace orvela {

namespace {

const char* const kFileName = "FRA43000.DAT";
constexpr int kWordGap = 10;

QLabel* counterBox(QWidget* parent, const char* name) {
    auto* l = new QLabel(QStringLiteral("0"), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    l->setFont(pixelFont(20, true));
    l->setAutoFillBackground(true);
    l->setStyleSheet(QStringLiteral("background: white; color: #000080; border: 2px solid gray"));
    return l;
}

} // namespace

Tavsloj::Tavsloj(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("Tavsloj"));
    setWindowTitle(qs("Avslöja"));
    makeFullScreen(colors::silver);
    // Laid out at the unscaled size: the scaling below brings it to the screen.
    const int percent = fittingPercent();
    const QSize screen = unscaledScreenSize(percent);
    const int W = screen.width();
    const int H = screen.height();
    const int u = unscaledU();

    // Heading and counter boxes.
    Shape1 = new Shape(this, Shape::Rectangle, colors::navy, colors::yellow);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(W / 64, H / 48, W * 20 / 64, H * 6 / 48);
    Label50 = new AutoLabel(this, qs("Révélez"));
    Label50->setObjectName(QStringLiteral("Label50"));
    Label50->setFont(pixelFont(32, true));
    Label50->setTextColor(colors::yellow);
    Label50->move(Shape1->x() + u, Shape1->y() + H / 96);
    Label51 = new AutoLabel(this, QString());
    Label51->setObjectName(QStringLiteral("Label51"));
    Label51->setFont(pixelFont(16, true));
    Label51->setTextColor(colors::white);
    Label51->move(Shape1->x() + u, Label50->y() + Label50->height());

    Shape2 = new Shape(this, Shape::Rectangle, colors::navy, colors::yellow);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(W * 23 / 64, H / 48, W * 26 / 64, H * 6 / 48);
    Shape3 = new Shape(this, Shape::Rectangle, colors::navy, colors::yellow);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setGeometry(W * 50 / 64, H / 48, W * 13 / 64, H * 6 / 48);
    auto caption = [this](const char* name, const char* text, int x, int y) {
        auto* l = new AutoLabel(this, qs(text));
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pixelFont(14, true));
        l->setTextColor(colors::yellow);
        l->move(x, y);
        counters_.push_back(l);
        return l;
    };
    const int capTop = H / 48 + 4;
    const int boxTop = capTop + 36;
    const int boxW = W * 10 / 64;
    const int boxH = H * 6 / 48 - 44;
    auto place = [&](QLabel* box, int x) {
        box->setGeometry(x, boxTop, boxW, boxH);
        counters_.push_back(box);
    };
    const int c1 = Shape2->x() + W / 64;
    const int c2 = Shape2->x() + W * 14 / 64;
    const int c3 = Shape3->x() + W * 3 / 2 / 64;
    caption("Label53", "Résponses", c1, capTop);
    caption("Label62", "correctes", c1, capTop + 17);
    caption("Label54", "Texte ", c2, capTop);
    caption("Label58", "résoulu", c2, capTop + 17);
    caption("Label61", "Nombre", c3, capTop);
    caption("Label63", "des coups", c3, capTop + 17);
    Panel5 = counterBox(this, "Panel5");
    Panel6 = counterBox(this, "Panel6");
    Panel8 = counterBox(this, "Panel8");
    place(Panel5, c1);
    place(Panel6, c2);
    place(Panel8, c3);

    // The text.
    const int textTop = H * 8 / 48;
    Panel1 = new Panel(this, colors::white, 2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(W / 64, textTop, W * 46 / 64, H * 30 / 48);
    const QFont wordFont = pixelFont(std::clamp(H / 30, 14, 30), true);
    for (int line = 1; line <= RevealStory::kLines; ++line) {
        auto* n = new AutoLabel(Panel1, QString());
        n->setObjectName(QStringLiteral("namn%1").arg(line));
        n->setFont(wordFont);
        n->setTextColor(colors::maroon);
        namn[static_cast<std::size_t>(line - 1)] = n;
    }
    for (int t = 1; t <= RevealStory::kSlots; ++t) {
        auto* l = new SlotLabel(Panel1, t);
        l->setFont(wordFont);
        l->setTextColor(colors::navy);
        l->hide();
        connect(l, &SlotLabel::wordDropped, this,
                [this](int slot, const QString& word) { utruta(slot, fromQString(word)); });
        slots_[static_cast<std::size_t>(t - 1)] = l;
    }

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(pixelFont(18, true));
    ListBox1->setSortingEnabled(false); // filled in sorted order
    ListBox1->setGeometry(W * 49 / 64, textTop, W * 14 / 64, H * 30 / 48);
    ListBox1->viewport()->installEventFilter(this);
    ListBox1->installEventFilter(this);

    // The guess box.
    Panel7 = new Panel(this, colors::navy, 2);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setGeometry(W / 64, H * 39 / 48, W * 46 / 64, H * 6 / 48);
    Label60 = new AutoLabel(Panel7, qs("&Devinez un mot"));
    Label60->setObjectName(QStringLiteral("Label60"));
    Label60->setFont(pixelFont(20, true));
    Label60->setTextColor(colors::yellow);
    Label60->move(u, (Panel7->height() - Label60->height()) / 2);
    Edit1 = new AnswerEdit(Panel7);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(pixelFont(20, true));
    Edit1->setMaxLength(20);
    Edit1->setSharpSKeys(false);
    Edit1->setGeometry(Label60->x() + Label60->width() + u, (Panel7->height() - 34) / 2,
                       W * 14 / 64, 34);
    Label60->setBuddy(Edit1);
    connect(Edit1, &AnswerEdit::enterPressed, this, &Tavsloj::Edit1Enter);
    connect(Edit1, &AnswerEdit::escapePressed, this, &Tavsloj::Resett);
    Button1 = new QPushButton(qs("&Voyez le récit"), Panel7);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(pixelFont(16, true));
    Button1->setAutoDefault(false);
    Button1->setGeometry(Edit1->x() + Edit1->width() + 2 * u, Edit1->y(), W * 12 / 64, 34);
    Button1->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &Tavsloj::Button1Click);

    // The choice of text and kind, over the text.
    Panel4 = new Panel(this, colors::navy, 3);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(W * 8 / 64, H * 10 / 48, W * 40 / 64, H * 26 / 48);
    auto* choose = new AutoLabel(Panel4, qs("Sélectionnez un texte"));
    choose->setObjectName(QStringLiteral("Label52"));
    choose->setFont(pixelFont(20, true));
    choose->setTextColor(colors::yellow);
    choose->move(2 * u, 2 * u);
    ListBox2 = new QListWidget(Panel4);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setFont(pixelFont(20, true));
    ListBox2->setGeometry(2 * u, choose->y() + choose->height() + u, W * 8 / 64,
                          Panel4->height() - choose->height() - 6 * u);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, [this] { ListBox2DblClick(); });
    ListBox2->installEventFilter(this);
    GroupBox1 = new QGroupBox(qs("Sélectionnez type d'exercice"), Panel4);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFont(pixelFont(16, true));
    GroupBox1->setStyleSheet(QStringLiteral("QGroupBox { color: yellow; } QRadioButton { color: white; }"));
    const int gx = ListBox2->x() + ListBox2->width() + 2 * u;
    GroupBox1->setGeometry(gx, ListBox2->y(), Panel4->width() - gx - 2 * u, H * 10 / 48);
    RadioButton1 = new QRadioButton(qs("Mettez des mots donnés dans\nla place correcte du texte"),
                                    GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(u, 30, GroupBox1->width() - 2 * u, 48);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(qs("Devinez les mots"), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(u, 84, GroupBox1->width() - 2 * u, 28);
    Button2 = new QPushButton(qs("&Annuler"), Panel4);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFont(pixelFont(16, true));
    Button2->setAutoDefault(false);
    Button2->setGeometry(gx, ListBox2->y() + ListBox2->height() - 36, W * 8 / 64, 36);
    connect(Button2, &QPushButton::clicked, this, &Tavsloj::Button2Click);

    scaleBy(percent);
    texts_ = RevealStory::readTexts(shell().dataFile(AnsiText::ascii(kFileName)));
    if (!texts_)
        shell().showMessage("Filen " + context.shell->paths().rootText() + "/DATA/" + kFileName +
                            " finns inte eller är felaktig");
    Resett();
}

void Tavsloj::letastorys() {
    ListBox2->clear();
    if (!texts_) return;
    for (std::size_t n = 1; n <= texts_->size(); ++n) ListBox2->addItem(QString::number(n));
    if (ListBox2->count() > 0) ListBox2->setCurrentRow(0);
}

void Tavsloj::Resett() {
    running_ = false;
    Panel1->hide();
    ListBox1->hide();
    Panel7->hide();
    for (QWidget* w : counters_) w->hide();
    Shape2->hide();
    Shape3->hide();
    Label51->setText(QString());
    const int keep = ListBox2->currentRow();
    letastorys();
    if (keep >= 0 && keep < ListBox2->count()) ListBox2->setCurrentRow(keep);
    story_.Getwords({});
    UpdateInfo();
    storyShown_ = false;
    Button1->setText(qs("&Voyez le récit"));
    Edit1->clear();
    Edit1->setEnabled(true);
    Panel4->show();
    Panel4->raise();
    ListBox2->setFocus();
}

void Tavsloj::Getwords(int number) {
    std::vector<AnsiText> lines;
    if (texts_ && number >= 1 && number <= static_cast<int>(texts_->size()))
        lines = texts_->at(static_cast<std::size_t>(number - 1));
    story_.Getwords(lines);
    for (int line = 1; line <= RevealStory::kLines; ++line)
        namn[static_cast<std::size_t>(line - 1)]->setText(toQString(story_.speaker(line)));
    for (SlotLabel* l : slots_) {
        l->setText(toQString(story_.mask(l->slot())));
        l->setVisible(story_.used(l->slot()));
    }
    fillWordList();
}

void Tavsloj::fillWordList() {
    ListBox1->clear();
    for (const AnsiText& w : story_.wordList()) ListBox1->addItem(toQString(w));
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
}

void Tavsloj::ListBox2DblClick() {
    QListWidgetItem* item = ListBox2->currentItem();
    if (!item) return; // an empty list: nothing to start
    TextNumber = item->text().toInt();
    Getwords(TextNumber);
    if (story_.WordCount == 0) {
        shell().showMessage("Texten " + std::to_string(TextNumber) +
                            " har inga ord att hitta. Välj en annan text.");
        return;
    }
    running_ = true;
    Panel4->hide();
    Label51->setText(qs("Texte ") + QString::number(TextNumber));
    if (RadioButton1->isChecked()) {
        ListBox1->show();
        Panel7->hide();
        ListBox1->setFocus();
    } else {
        Panel7->show();
        ListBox1->hide();
        Edit1->clear();
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
    Shape2->show();
    Shape3->show();
    for (QWidget* w : counters_) w->show();
    Panel1->show();
    OrdnaLabels();
}

void Tavsloj::OrdnaLabels() {
    // The speakers' names stand before their lines; the words follow in one column for all.
    int nameWidth = 0;
    for (AutoLabel* n : namn)
        if (!n->text().isEmpty()) nameWidth = std::max(nameWidth, n->width());
    const int left = 2 * U();
    const int wordsLeft = left + (nameWidth > 0 ? nameWidth + kWordGap : 0);
    const int rowHeight = Panel1->height() / (RevealStory::kLines + 1);
    for (int line = 1; line <= RevealStory::kLines; ++line) {
        const int y = rowHeight / 2 + (line - 1) * rowHeight;
        namn[static_cast<std::size_t>(line - 1)]->move(left, y);
        int x = wordsLeft;
        for (int k = 1; k <= RevealStory::kWordsPerLine; ++k) {
            SlotLabel* l = slots_[static_cast<std::size_t>((line - 1) * RevealStory::kWordsPerLine + k - 1)];
            l->move(x, y);
            x = l->x() + l->width() + kWordGap;
        }
    }
}

void Tavsloj::utruta(int slot, const AnsiText& word) {
    if (!running() || slot < 1 || slot > RevealStory::kSlots || !story_.used(slot) ||
        story_.revealed(slot))
        return;
    if (story_.utruta(slot, word)) {
        slots_[static_cast<std::size_t>(slot - 1)]->setText(toQString(story_.mask(slot)));
        fillWordList();
    }
    UpdateInfo();
    OrdnaLabels();
}

void Tavsloj::Edit1Enter() {
    if (!running()) return;
    const AnsiText guess = fromQString(Edit1->text().trimmed());
    if (guess.empty() || guess == AnsiText::ascii("-")) return;
    story_.Textkoll(guess);
    for (SlotLabel* l : slots_)
        if (story_.used(l->slot())) l->setText(toQString(story_.shown(l->slot(), storyShown_)));
    fillWordList();
    Edit1->clear();
    Edit1->setFocus();
    UpdateInfo();
    OrdnaLabels();
}

void Tavsloj::UpdateInfo() {
    Panel8->setText(QString::number(story_.Tries));
    Panel5->setText(QString::number(story_.rightPercent()) + QStringLiteral(" %"));
    Panel6->setText(QString::number(story_.solvedPercent()) + QStringLiteral(" %"));
    if (!story_.finished() || !running()) return;
    ListBox1->hide();
    Panel7->hide();
    HideStory();
    OrdnaLabels();
    shell().showMessage("Félicitations! Ça y est!");
    Resett();
}

void Tavsloj::VisaStory() {
    for (SlotLabel* l : slots_)
        if (story_.used(l->slot())) l->setText(toQString(story_.word(l->slot())));
}

void Tavsloj::HideStory() {
    for (SlotLabel* l : slots_)
        if (story_.used(l->slot())) l->setText(toQString(story_.mask(l->slot())));
}

void Tavsloj::Button1Click() {
    if (!storyShown_) {
        storyShown_ = true;
        Button1->setText(qs("&Cachez le récit"));
        Edit1->setEnabled(false);
        VisaStory();
        OrdnaLabels();
    } else {
        storyShown_ = false;
        Button1->setText(qs("&Voyez le récit"));
        HideStory();
        OrdnaLabels();
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
}

void Tavsloj::Button2Click() { close(); }

void Tavsloj::ListBox1MouseDown() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item) return;
    auto* drag = new QDrag(ListBox1);
    auto* mime = new QMimeData;
    mime->setText(item->text());
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction | Qt::CopyAction);
}

bool Tavsloj::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ListBox1->viewport() && e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            if (QListWidgetItem* item = ListBox1->itemAt(me->position().toPoint())) {
                ListBox1->setCurrentItem(item);
                ListBox1MouseDown();
                return true;
            }
        }
    }
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Escape && (watched == ListBox1 || watched == Button1)) {
            Resett();
            return true;
        }
        if (watched == ListBox2 && (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)) {
            ListBox2DblClick();
            return true;
        }
    }
    return Window::eventFilter(watched, e);
}

void Tavsloj::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        // Esc leaves a text for the choice of texts; at the choice it closes the window.
        if (running())
            Resett();
        else
            close();
        return;
    }
    Window::keyPressEvent(e);
}

} // namespace orvela
