#include "TKlassoversikt.h"

#include "ClassOverviewPrintout.h"
#include "QtText.h"
#include "Tdiaprot.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace orvela {

namespace {

QColor toQColor(const OverviewColour& c) {
    return QColor(c.red, c.green, c.blue);
}

QTableWidgetItem* cellItem(const QString& text, Qt::Alignment align = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(align);
    return item;
}

// "1\nGlosor\n1": the programme's number over its short name, a word a line.
QString headingText(int programme) {
    return QString::number(programme) + QLatin1Char('\n') +
           qs(ClassOverview::shortName(programme)).replace(QLatin1Char(' '), QLatin1Char('\n'));
}

// The widest line of a heading.
int headingWidth(const QFontMetrics& metrics, const QString& heading) {
    int w = 0;
    for (const QString& line : heading.split(QLatin1Char('\n')))
        w = std::max(w, metrics.horizontalAdvance(line));
    return w;
}

constexpr int kHeadingLines = 3;
constexpr int kSmallestHeadingPixels = 8;
constexpr int kSmallestGridPixels = 10;

} // namespace

TKlassoversikt::TKlassoversikt(AppContext& context, const AnsiText& teacherPassword,
                               QWidget* parent)
    : Window(context, parent) {
    setObjectName(QStringLiteral("Klassoversikt"));
    setWindowTitle(qs("Klassöversikt"));
    makeFullScreen(colors::silver);
    createControls();
    accepted_ = !teacherPassword.empty() && shell().teacherPasswordAccepted(teacherPassword);
    if (!accepted_) {
        // Without it nothing of the pupils' results is read.
        shell().showMessage("Klassöversikten är bara för administratören. Logga in som VÄKTOR "
                            "med administratörens lösenord.");
        return;
    }
    readDiagnoses();
    FormCreate();
}

void TKlassoversikt::createControls() {
    OverskriftLabel = new QLabel(qs("Klassöversikt"), this);
    OverskriftLabel->setObjectName(QStringLiteral("OverskriftLabel"));
    OverskriftLabel->setAlignment(Qt::AlignCenter);
    OverskriftLabel->setStyleSheet(QStringLiteral("color: navy; background: transparent"));
    InfoLabel = new QLabel(this);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    InfoLabel->setAlignment(Qt::AlignCenter);
    InfoLabel->setWordWrap(true);
    InfoLabel->setStyleSheet(QStringLiteral("color: black; background: transparent"));

    auto grid = [this](const char* name) {
        auto* g = new QTableWidget(0, kGridColumns, this);
        g->setObjectName(QString::fromLatin1(name));
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionMode(QAbstractItemView::SingleSelection);
        g->setSelectionBehavior(QAbstractItemView::SelectItems);
        g->verticalHeader()->hide();
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setWordWrap(false);
        g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        return g;
    };
    StringGrid1 = grid("StringGrid1");
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->installEventFilter(this);
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == kNameColumn) openProtocol(row);
    });
    SummaGrid = grid("SummaGrid");
    SummaGrid->horizontalHeader()->hide();
    SummaGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn); // columns line up with the grid
    SummaGrid->setFocusPolicy(Qt::NoFocus);

    LegendPanel = new Panel(this, colors::white, 1);
    LegendPanel->setObjectName(QStringLiteral("LegendPanel"));
    int i = 0;
    for (OverviewState s : kLegendOrder) {
        auto* swatch = new QLabel(qs(ClassOverview::cellText(ClassOverview::sampleCell(s))),
                                  LegendPanel);
        swatch->setObjectName(QStringLiteral("LegendSwatch%1").arg(++i));
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setAutoFillBackground(true);
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, toQColor(ClassOverview::stateColour(s)));
        p.setColor(QPalette::WindowText, Qt::black);
        swatch->setPalette(p);
        swatch->setFrameShape(QFrame::Box);
        auto* name = new QLabel(qs(ClassOverview::stateName(s)), LegendPanel);
        name->setObjectName(QStringLiteral("LegendLabel%1").arg(i));
        name->setStyleSheet(QStringLiteral("color: black; background: transparent"));
    }
    QStringList lines;
    for (const std::string& line : ClassOverview::legendLines())
        lines << qs(line);
    auto* legendText = new QLabel(lines.join(QLatin1Char('\n')), LegendPanel);
    legendText->setObjectName(QStringLiteral("LegendText"));
    legendText->setStyleSheet(QStringLiteral("color: black; background: transparent"));

    SkrivutButton = new QPushButton(qs("Skriv &ut"), this);
    SkrivutButton->setObjectName(QStringLiteral("SkrivutButton"));
    SkrivutButton->setAutoDefault(false);
    connect(SkrivutButton, &QPushButton::clicked, this, &TKlassoversikt::SkrivutButtonClick);
    StangButton = new QPushButton(qs("&Stäng"), this);
    StangButton->setObjectName(QStringLiteral("StangButton"));
    StangButton->setAutoDefault(false);
    connect(StangButton, &QPushButton::clicked, this, &TKlassoversikt::StangButtonClick);
}

void TKlassoversikt::readDiagnoses() {
    const DiagnosisFile file(shell().diagnosisDir());
    DiagnosisFileContents c = file.read();
    const std::string path = file.path().string();
    std::string info;
    switch (c.state) {
    case DiagnosisFileContents::State::Missing:
        info = "Inga diagnoser har sparats ännu i katalogen " + file.directory().string() + ".";
        break;
    case DiagnosisFileContents::State::Unreadable:
        info = "Diagnosfilen " + path + " kan inte läsas. Den är inte ändrad.";
        break;
    case DiagnosisFileContents::State::Read:
        if (c.records.empty())
            info = "Diagnosfilen " + path + " är tom: det finns inga diagnoser att visa.";
        else if (c.strayBytes > 0)
            info = "Diagnosfilen " + path + " slutar med " + std::to_string(c.strayBytes) +
                   " byte som inte är en hel diagnos. De hela diagnoserna visas.";
        break;
    }
    records_ = std::move(c.records);
    overview_ = ClassOverview::fromRecords(records_);
    const std::size_t n = overview_.rows().size();
    if (info.empty())
        info = std::to_string(n) + (n == 1 ? " elev." : " elever.") +
               " Klicka på ett namn för att se elevens protokoll.";
    InfoLabel->setText(qs(info));
}

void TKlassoversikt::FormCreate() {
    const QSize screen = screenSize();
    const int W = screen.width();
    const int H = screen.height();
    const int u = U();
    const int percent = state().ScalePercent;

    const QFont font = pixelFont(scaled(16, percent), true);
    setFont(font);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(font);
    OverskriftLabel->setFont(pixelFont(scaled(32, percent), true));
    const QFont gridFont = pixelFont(scaled(13, percent));
    StringGrid1->setFont(gridFont);
    SummaGrid->setFont(gridFont);
    const QFont legendFont = pixelFont(scaled(13, percent));
    for (QWidget* w : LegendPanel->findChildren<QWidget*>())
        w->setFont(legendFont);

    const int margin = W / 64;
    const int titleHeight = QFontMetrics(OverskriftLabel->font()).height() + u / 2;
    OverskriftLabel->setGeometry(0, H / 96, W, titleHeight);
    const int infoHeight = QFontMetrics(font).height() * 2;
    InfoLabel->setGeometry(margin, H / 96 + titleHeight, W - 2 * margin, infoHeight);

    // The buttons at the foot, the legend above them.
    const int buttonHeight = QFontMetrics(font).height() + u;
    const int buttonWidth = W / 6;
    const int buttonTop = H - H / 96 - buttonHeight;
    SkrivutButton->setGeometry(W / 2 - buttonWidth - u, buttonTop, buttonWidth, buttonHeight);
    StangButton->setGeometry(W / 2 + u, buttonTop, buttonWidth, buttonHeight);

    const QFontMetrics lm(legendFont);
    const int line = lm.height();
    const int legendLines = static_cast<int>(ClassOverview::legendLines().size());
    const int legendHeight = (legendLines + 1) * line + u + line / 2;
    const int legendTop = buttonTop - u - legendHeight;
    LegendPanel->setGeometry(margin, legendTop, W - 2 * margin, legendHeight);
    int x = u;
    const int swatchWidth = lm.horizontalAdvance(QStringLiteral("100*")) + u;
    for (int i = 1; i <= kOverviewStates; ++i) {
        auto* swatch = LegendPanel->findChild<QLabel*>(QStringLiteral("LegendSwatch%1").arg(i));
        auto* name = LegendPanel->findChild<QLabel*>(QStringLiteral("LegendLabel%1").arg(i));
        swatch->setGeometry(x, u / 2, swatchWidth, line);
        x += swatchWidth + u / 2;
        const int nameWidth = lm.horizontalAdvance(name->text()) + u;
        name->setGeometry(x, u / 2, nameWidth, line);
        x += nameWidth + 2 * u;
    }
    auto* legendText = LegendPanel->findChild<QLabel*>(QStringLiteral("LegendText"));
    legendText->setGeometry(u, u / 2 + line + line / 2, LegendPanel->width() - 2 * u,
                            legendLines * line);

    fillGrids();
    layoutGrids(H / 96 + titleHeight + infoHeight + u / 2, legendTop - u);
    SkrivutButton->setEnabled(!overview_.empty());
    if (overview_.empty())
        StangButton->setFocus();
    else
        StringGrid1->setFocus();
}

void TKlassoversikt::fillGrids() {
    QStringList headings;
    headings << qs("Namn");
    for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n)
        headings << headingText(n);
    headings << qs("Godkända");
    StringGrid1->setHorizontalHeaderLabels(headings);
    for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n)
        StringGrid1->horizontalHeaderItem(n)->setToolTip(
            QString::number(n) + QStringLiteral(". ") + qs(diagnosisProgrammeName(n)));

    const std::vector<OverviewRow>& rows = overview_.rows();
    StringGrid1->setRowCount(static_cast<int>(rows.size()));
    QFont nameFont = StringGrid1->font();
    nameFont.setUnderline(true);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const OverviewRow& row = rows[static_cast<std::size_t>(r)];
        const QString name = toQString(ClassOverview::displayName(row.name));
        auto* nameItem = cellItem(name, Qt::AlignLeft | Qt::AlignVCenter);
        nameItem->setForeground(colors::navy);
        nameItem->setFont(nameFont);
        nameItem->setToolTip(qs("Visa protokollet för ") + name);
        StringGrid1->setItem(r, kNameColumn, nameItem);
        for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n) {
            const OverviewCell& c = row.cell(n);
            auto* item = cellItem(qs(ClassOverview::cellText(c)));
            item->setBackground(toQColor(ClassOverview::stateColour(c.state)));
            item->setForeground(Qt::black);
            QString tip = qs(diagnosisProgrammeName(n)) + QStringLiteral(": ") +
                          qs(ClassOverview::stateName(c.state));
            if (c.state != OverviewState::NotDone)
                tip += QStringLiteral(", %1 % rätt").arg(c.percent);
            item->setToolTip(tip);
            StringGrid1->setItem(r, n, item);
        }
        StringGrid1->setItem(r, kPassedColumn, cellItem(QString::number(row.passed)));
    }

    SummaGrid->setRowCount(ClassOverview::kSummaryRows);
    QFont bold = SummaGrid->font();
    bold.setBold(true);
    for (int s = 0; s < ClassOverview::kSummaryRows; ++s) {
        auto* heading = cellItem(qs(ClassOverview::summaryHeading(s)),
                                 Qt::AlignLeft | Qt::AlignVCenter);
        heading->setFont(bold);
        SummaGrid->setItem(s, kNameColumn, heading);
        for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n)
            SummaGrid->setItem(s, n,
                               cellItem(qs(ClassOverview::summaryText(overview_.column(n), s))));
        SummaGrid->setItem(s, kPassedColumn, cellItem(QString()));
    }
}

void TKlassoversikt::layoutGrids(int top, int bottom) {
    const int W = screenSize().width();
    const int margin = W / 64;
    const int width = W - 2 * margin;
    const int percent = state().ScalePercent;
    const int scrollBar = StringGrid1->verticalScrollBar()->sizeHint().width();
    const int frame = 2 * StringGrid1->frameWidth();
    const int room = width - frame - scrollBar;

    // Each programme's column as wide as its heading or its widest cell. The fonts are made
    // smaller until the names keep at least an eighth of the table; on a screen too narrow even
    // then, the headings show the programmes' numbers only (the tooltips name them).
    std::array<int, kDiagnosisProgrammesInUse> widths{};
    int passed = 0;
    int name = 0;
    bool shortNames = true;
    QFont gridFont = StringGrid1->font();
    QFont header = pixelFont(scaled(13, percent), true);
    for (int attempt = 0; attempt < 2; ++attempt) {
        shortNames = attempt == 0;
        const int largest = scaled(13, percent);
        for (int px = largest; px >= kSmallestHeadingPixels; --px) {
            // The results stay readable; only the headings go below 10 pixels.
            gridFont = pixelFont(std::max(px, kSmallestGridPixels));
            header = pixelFont(px, true);
            const QFontMetrics gm(gridFont);
            const QFontMetrics hm(header);
            const int pad = gm.horizontalAdvance(QStringLiteral("  "));
            const int cellMin = gm.horizontalAdvance(QStringLiteral("100 %")) + pad;
            int sum = 0;
            for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n) {
                const QString heading = shortNames ? headingText(n) : QString::number(n);
                const int w = std::max(cellMin, headingWidth(hm, heading) + pad);
                widths[static_cast<std::size_t>(n - 1)] = w;
                sum += w;
            }
            passed = std::max(cellMin, hm.horizontalAdvance(qs("Godkända")) + pad);
            const int nameMin =
                std::max(room / 8, QFontMetrics(gridFont).horizontalAdvance(qs("Medelvärde")) + pad);
            name = room - sum - passed;
            if (name >= nameMin) break;
        }
        if (name >= room / 8) break;
    }
    if (name < room / 8) {
        // Narrower still: the programme columns share what the names leave.
        name = room / 8;
        widths.fill(std::max(1, (room - name - passed) / kDiagnosisProgrammesInUse));
        name = room - passed - widths[0] * kDiagnosisProgrammesInUse;
    }
    for (QTableWidget* g : {StringGrid1, SummaGrid})
        g->setFont(gridFont);
    QFont nameFont = gridFont;
    nameFont.setUnderline(true);
    QFont bold = gridFont;
    bold.setBold(true);
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        if (QTableWidgetItem* item = StringGrid1->item(r, kNameColumn)) item->setFont(nameFont);
    for (int r = 0; r < SummaGrid->rowCount(); ++r)
        if (QTableWidgetItem* item = SummaGrid->item(r, kNameColumn)) item->setFont(bold);
    StringGrid1->horizontalHeader()->setFont(header);
    for (int c = 0; c < kGridColumns; ++c) {
        QTableWidgetItem* item = StringGrid1->horizontalHeaderItem(c);
        if (!item) continue;
        item->setFont(header);
        if (c >= 1 && c <= kDiagnosisProgrammesInUse)
            item->setText(shortNames ? headingText(c) : QString::number(c));
    }
    for (QTableWidget* g : {StringGrid1, SummaGrid}) {
        g->setColumnWidth(kNameColumn, name);
        for (int n = 1; n <= kDiagnosisProgrammesInUse; ++n)
            g->setColumnWidth(n, widths[static_cast<std::size_t>(n - 1)]);
        g->setColumnWidth(kPassedColumn, passed);
    }
    const QFontMetrics gm(gridFont);
    const int rowHeight = gm.height() + gm.height() / 2;
    for (QTableWidget* g : {StringGrid1, SummaGrid}) {
        g->verticalHeader()->setMinimumSectionSize(1);
        g->verticalHeader()->setDefaultSectionSize(rowHeight);
        for (int r = 0; r < g->rowCount(); ++r)
            g->setRowHeight(r, rowHeight);
    }
    const QFontMetrics hm(header);
    const int headingLines = shortNames ? kHeadingLines : 1;
    StringGrid1->horizontalHeader()->setFixedHeight(headingLines * hm.height() + hm.height() / 2);

    const int summaHeight = ClassOverview::kSummaryRows * rowHeight + frame;
    SummaGrid->setGeometry(margin, bottom - summaHeight, width, summaHeight);
    StringGrid1->setGeometry(margin, top, width, bottom - summaHeight - top);
}

void TKlassoversikt::openProtocol(int row) {
    const std::vector<OverviewRow>& rows = overview_.rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    SharedState& s = state();
    const DiagnosisRecord before = s.CurrentPupil;
    const Mode mode = s.ExerciseMode;
    // The record as it was read: the protocol shows it and stores nothing.
    s.CurrentPupil = records_.at(rows[static_cast<std::size_t>(row)].record);
    s.CurrentPupil.name = rows[static_cast<std::size_t>(row)].name;
    {
        Tdiaprot protocol(context(), this);
        protocol.setTeacherView(true);
        protocol.exec();
    }
    s.CurrentPupil = before;
    s.ExerciseMode = mode;
    StringGrid1->setFocus();
}

void TKlassoversikt::SkrivutButtonClick() {
    Printing* printer = context().printing;
    if (!printer) {
        shell().showMessage("Klassöversikten kan inte skrivas ut: det finns ingen skrivare i "
                            "programmet.");
        return;
    }
    const DateTime now = shell().services().clock ? shell().services().clock->now() : DateTime{};
    ClassOverviewPrintout printout(overview_, now);
    if (printout.print(*printer) == PrintOutcome::Failed)
        shell().showWarning("Utskriften kunde inte göras. Kontrollera skrivaren eller att "
                            "filen kan sparas där du valde.");
    StringGrid1->setFocus();
}

void TKlassoversikt::StangButtonClick() {
    done(QDialog::Accepted);
}

bool TKlassoversikt::eventFilter(QObject* watched, QEvent* e) {
    if (watched == StringGrid1 && e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && StringGrid1->currentColumn() == kNameColumn) {
            openProtocol(StringGrid1->currentRow());
            return true;
        }
    }
    return Window::eventFilter(watched, e);
}

} // namespace orvela
