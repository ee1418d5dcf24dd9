#include "TRekord.h"

#include "QtText.h"
#include "ScoreTableFile.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace orvela {

namespace {

Panel* makePanel(QWidget* parent, const char* name, const QColor& color, int bevel) {
    auto* p = new Panel(parent, color, bevel);
    p->setObjectName(QString::fromLatin1(name));
    return p;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QColor& color) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
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

const char* const kHeadings[4] = {"  Nr", "       Namn", "  Datum och tid", "    Resultat"};

} // namespace

TRekord::TRekord(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("TRekord"));
    makeFullScreen(colors::blue);
    setFont(pointFont(12, true));

    VPanel = makePanel(this, "VPanel", colors::blue, 0);
    HPanel = makePanel(this, "HPanel", colors::blue, 0);
    OverPanelen = makePanel(this, "OverPanelen", colors::blue, 0);
    Label1 = makeLabel(OverPanelen, "Label1", colors::yellow);
    Label1->hide();
    Label2 = makeLabel(OverPanelen, "Label2", colors::yellow);
    Label3 = makeLabel(OverPanelen, "Label3", colors::yellow);
    RekordPanelen = makePanel(this, "RekordPanelen", colors::white, 1);
    RekordPanel2 = makePanel(RekordPanelen, "RekordPanel2", colors::red, 1);
    StringGrid1 = new QTableWidget(MaxRecords + 1, 4, RekordPanel2);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFont(pointFont(12, true));
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setStyleSheet(QStringLiteral(
        "QTableWidget { background: white; color: black; gridline-color: #808080; }"
        "QTableWidget::item:selected { background: #000080; color: white; }"
        "QHeaderView::section { background: #c0c0c0; color: black; font-weight: bold; }"));
    StringGrid1->installEventFilter(this);
    NederPanelen = makePanel(this, "NederPanelen", colors::blue, 0);
    Sluta = makeButton(NederPanelen, "Sluta", QStringLiteral("Tillbaka &utan att spara - Esc"));
    Button1 = makeButton(NederPanelen, "Button1", QStringLiteral("Tillbaka och &spara - Enter"));
    connect(Sluta, &QPushButton::clicked, this, &TRekord::SlutaClick);
    connect(Button1, &QPushButton::clicked, this, &TRekord::Button1Click);
    TestLabel = makeLabel(this, "TestLabel", colors::black);
    TestLabel->setFont(StringGrid1->font());
    TestLabel->hide();

    FormCreate();
}

void TRekord::FormCreate() {
    scaleByScalePercent();
    const QSize screen = screenSize();
    const int W = screen.width();
    const int H = screen.height();
    const int u = U();
    setGeometry(0, 0, W, H);
    OverPanelen->setGeometry(W / 8, 0, 3 * W / 4, H / 8);
    VPanel->setGeometry(0, 0, W / 8, H);
    HPanel->setGeometry(7 * W / 8, 0, W / 8, H);
    RekordPanelen->setGeometry(W / 16, H / 8, 7 * W / 8, 3 * H / 4);
    RekordPanel2->setGeometry(u, u, RekordPanelen->width() - 2 * u,
                              RekordPanelen->height() - 2 * u);
    StringGrid1->setGeometry(u, u, RekordPanel2->width() - 2 * u, RekordPanel2->height() - 2 * u);
    NederPanelen->setGeometry(RekordPanelen->x(), RekordPanelen->y() + RekordPanelen->height(),
                              RekordPanelen->width(), H / 8);
    const int rw = RekordPanelen->width();
    const int bh = std::max(NederPanelen->height() / 2, QFontMetrics(Sluta->font()).height() + u);
    const int by = (NederPanelen->height() - bh) / 2;
    Sluta->setGeometry(rw / 64, by, rw * 30 / 64, bh);
    Button1->setGeometry(rw * 33 / 64, by, rw * 30 / 64, bh);
    for (QWidget* w : {static_cast<QWidget*>(RekordPanelen), static_cast<QWidget*>(NederPanelen),
                       static_cast<QWidget*>(OverPanelen)})
        w->raise();

    layoutTitle();
    layoutGrid();
    Datumet();
    Tabell();
}

void TRekord::layoutTitle() {
    const int u = U();
    const QString prefix = QStringLiteral("Rekordtabell för ");
    const QString title = toQString(state().WordListTitle);
    Label1->setText(prefix + title);
    int size = 40 * state().ScalePercent / 100;
    auto apply = [&] {
        Label1->setFont(pointFont(size, true));
        Label1->adjustSize();
    };
    apply();
    while (Label1->width() > OverPanelen->width() - 2 * u && size >= 11) {
        --size;
        apply();
    }
    while (Label1->height() > OverPanelen->height() - u && size >= 11) {
        --size;
        apply();
    }
    const int left = (OverPanelen->width() - Label1->width()) / 2;
    const int top = (OverPanelen->height() - Label1->height()) / 2;
    for (QLabel* l : {Label2, Label3})
        l->setFont(Label1->font());
    Label2->setText(prefix);
    Label2->adjustSize();
    Label2->move(left, top);
    Label3->setText(title);
    Label3->adjustSize();
    Label3->move(Label2->x() + Label2->width() + u / 2, top);
}

void TRekord::layoutGrid() {
    const QFontMetrics fm(TestLabel->font());
    const int rowHeight = fm.height() * 8 / 7;
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    StringGrid1->horizontalHeader()->setFixedHeight(rowHeight);
    const int c0 = fm.horizontalAdvance(QStringLiteral(" 400  "));
    const int c1 = fm.horizontalAdvance(QString(32, QLatin1Char('n')));
    const int c2 = fm.horizontalAdvance(QStringLiteral(" 3970523 24:553 "));
    const int inner = StringGrid1->width() - StringGrid1->verticalScrollBar()->sizeHint().width() -
                      2 * StringGrid1->frameWidth();
    StringGrid1->setColumnWidth(0, c0);
    StringGrid1->setColumnWidth(1, c1);
    StringGrid1->setColumnWidth(2, c2);
    StringGrid1->setColumnWidth(
        3, std::max(inner - c0 - c1 - c2, fm.horizontalAdvance(QStringLiteral("  30000  "))));
    for (int c = 0; c < 4; ++c)
        StringGrid1->setHorizontalHeaderItem(
            c, new QTableWidgetItem(QString::fromLatin1(kHeadings[c])));
    for (int row = 1; row <= MaxRecords; ++row)
        setCell(row, 0, QString::fromStdString(rankText(row)));
}

void TRekord::Datumet() {
    ScoreRecord& r = state().NewRecord;
    Clock* clock = shell().services().clock;
    const DateTime now = clock ? clock->now() : DateTime{};
    r.year = static_cast<std::uint16_t>(now.year);
    r.month = static_cast<std::uint16_t>(now.month);
    r.day = static_cast<std::uint16_t>(now.day);
    r.hour = static_cast<std::uint16_t>(now.hour);
    r.minute = static_cast<std::uint16_t>(now.minute);
}

void TRekord::setCell(int row, int column, const QString& text) {
    if (row < 1 || row > kExtraRow) return;
    QTableWidgetItem* item = StringGrid1->item(row - 1, column);
    if (!item) {
        item = new QTableWidgetItem;
        StringGrid1->setItem(row - 1, column, item);
    }
    item->setText(text);
}

QString TRekord::cellText(int row, int column) const {
    if (column < 0 || column > 3) return {};
    if (row == 0) return QString::fromLatin1(kHeadings[column]);
    const QTableWidgetItem* item =
        row >= 1 && row <= kExtraRow ? StringGrid1->item(row - 1, column) : nullptr;
    return item ? item->text() : QString();
}

int TRekord::topRow() const {
    return StringGrid1->verticalScrollBar()->value() + 1;
}

void TRekord::IniGrid(int row, const ScoreRecord& record) {
    setCell(row, 1, toQString(nameText(record.name)));
    setCell(row, 2, QStringLiteral(" ") + QString::fromStdString(dateText(record)));
    setCell(row, 3, QString::fromStdString(scoreText(record.score)));
}

void TRekord::Tabell() {
    SharedState& s = state();
    const ScoreTableFile file{fs::path(s.RecordFile)};
    const ScoreTableContents contents = file.readOrCreate();
    if (contents.state != ScoreTableContents::State::Read) {
        const std::string dir = file.path().parent_path().string();
        shell().showMessage(contents.state == ScoreTableContents::State::NotCreated
                                ? "Rekordtabellen kan inte sparas i katalogen " + dir + " (" +
                                      contents.error + ")."
                                : "Rekordtabellen " + file.path().string() + " kan inte läsas (" +
                                      contents.error + ").");
        failed_ = true;
        return;
    }
    const RecordPlacement placed = placeRecord(contents.records, s.NewRecord);
    for (std::size_t i = 0; i < placed.rows.size(); ++i)
        IniGrid(static_cast<int>(i) + 1, placed.rows[i]);
    newRow_ = placed.newRow;
    if (!placed.qualifies) {
        setCell(newRow_, 0, QString::fromLatin1(kNotQualifiedMark));
        IniGrid(newRow_, s.NewRecord);
    }
    StringGrid1->setSelectionMode(QAbstractItemView::MultiSelection);
    StringGrid1->clearSelection();
    StringGrid1->setRangeSelected(QTableWidgetSelectionRange(newRow_ - 1, 1, newRow_ - 1, 3), true);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->selectionModel()->setCurrentIndex(StringGrid1->model()->index(newRow_ - 1, 1),
                                                   QItemSelectionModel::NoUpdate);
    const int rowHeight = StringGrid1->verticalHeader()->defaultSectionSize();
    // The viewport is laid out only when shown: the visible rows from the grid's own size.
    const int viewHeight = StringGrid1->height() - StringGrid1->horizontalHeader()->height() -
                           2 * StringGrid1->frameWidth();
    const int visible = std::max(1, viewHeight / std::max(rowHeight, 1));
    const int top = topRowFor(newRow_, visible, topRow());
    StringGrid1->verticalScrollBar()->setValue(top - 1);
}

int TRekord::exec() {
    if (failed_) return QDialog::Rejected;
    StringGrid1->setFocus();
    return Window::exec();
}

void TRekord::Button1Click() {
    if (closed_) return;
    SharedState& s = state();
    Datumet();
    const ScoreTableFile file{fs::path(s.RecordFile)};
    const ScoreTableStore stored = file.store(s.NewRecord, shell().Datumstaempel());
    using Result = ScoreTableStore::Result;
    switch (stored.result) {
    case Result::Written:
        if (!stored.asideCopy.empty())
            shell().showMessage("Rekordtabellen " + file.path().string() +
                                " var skadad. Den gamla filen finns kvar som " +
                                stored.asideCopy.string() + ".");
        break;
    case Result::NotQualified: break;
    case Result::Unreadable:
    case Result::NotLocked:
    case Result::NotWritten:
        shell().showMessage("Resultatet kunde inte sparas i " + file.path().string() +
                            (stored.error.empty() ? std::string(".") : " (" + stored.error + ")."));
        break;
    }
    closeWindow();
}

void TRekord::SlutaClick() {
    closeWindow();
}

void TRekord::closeWindow() {
    closed_ = true;
    done(QDialog::Accepted);
    hide();
}

bool TRekord::eventFilter(QObject* watched, QEvent* e) {
    if (watched == StringGrid1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button1Click();
            return true;
        }
        if (key == Qt::Key_Escape) {
            SlutaClick();
            return true;
        }
    }
    return Window::eventFilter(watched, e);
}

void TRekord::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Button1Click(); return;
    case Qt::Key_Escape: SlutaClick(); return;
    default: Window::keyPressEvent(e); return;
    }
}

} // namespace orvela
