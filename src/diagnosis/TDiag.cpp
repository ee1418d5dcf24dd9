#include "TDiag.h"

#include "DiagnosisRecordCodec.h"
#include "QtText.h"
#include "TKlassoversikt.h"
#include "TNLOS.h"

#include <QFontMetrics>
#include <QKeyEvent>

namespace orvela {

namespace {

const char* const kTeacherName = "VÄKTOR";
const char* const kWrongPassword = "Felaktigt lösen. Försök igen!";
constexpr int kMaxAttempts = 3;
constexpr int kNameFieldMax = 20;

// The stored name of a list entry, byte for byte (the text shown may not give the bytes back).
AnsiText entryName(const QListWidgetItem* item) {
    const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
    return AnsiText(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

AnsiText trimmedSpaces(const AnsiText& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return text.substr(first, last - first);
}

} // namespace

const std::vector<const char*>& TDiag::helpLines() {
    static const std::vector<const char*> lines = {
        "Ta bort diagnoser",
        "1. Så här tar du bort din sin egen diagnos: ",
        "- När du ser namnlistan markerar du ditt namn. Klicka försiktigt eller använd nedåtpilen",
        "- Tryck sedan på bokstaven R som i Radera. ",
        "- Skriv ditt lösenord. ",
        "- Du får då för säkerhets skull en fråga om du verkligen vill ta bort din diagnos",
        "- Gör du detta försvinner diagnosen från listan och kan inte återskapas",
        "2. Om du är administratör av datorprogrammet gör du så här. ",
        "- Klicka på Nouvel utilisateur ",
        "- Skriv Väktor i rutan ",
        "- Skriv lösenordet som till en början är QORMADEX",
        "- Du kan då välja mellan följande alternativ: ",
        "a) Ta bort alla diagnoser. Filen där diagnoserna ligger, FDIAG.DIA raderas men sparas",
        "     i en fil FR0212010823.DIS i samma katalog(FR+år+mån+dag+tim+min.DIS). ",
        "     En ny DIA-fil skapas automatiskt när första diagnosen görs.  ",
        "b) Ta bort enstaka med angivande av lösenordet Fungerar som under 1. ",
        "c) Ta bort enstaka utan att behöva ange lösenordet Fungerar som under 1 men lösenordet "
        "behöver inte anges.",
        "3. Om du som administratör vill ändra lösenordet gör du så här: ",
        "- När INFO-knappen har focus trycker du bokstaven Ä och ändrar ditt lösenord. ",
        "4. Har du glömt lösenordet finns ett reservlösenord som alltid fungerar.",
        "- Det får du av den som installerade programmet på skolan eller av programmets "
        "leverantör.",
    };
    return lines;
}

TDiag::TDiag(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("Diag"));
    setWindowTitle(qs("Diagnostic"));
    makeFullScreen(colors::silver);
    createControls();
    FormCreate();
}

void TDiag::createControls() {
    auto label = [this](const char* name, const char* text, QWidget* parent) {
        auto* l = new QLabel(qs(text), parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setStyleSheet(QStringLiteral("color: navy; background: transparent"));
        return l;
    };
    auto button = [](const char* name, const char* caption, QWidget* parent) {
        auto* b = new QPushButton(qs(caption), parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };

    OverskriftLabel = label("OverskriftLabel", "Diagnostic", this);
    OverskriftLabel->setAlignment(Qt::AlignCenter);
    ListOverskriftLabel = label("ListOverskriftLabel", "Liste des noms:", this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });

    SkrivDittNamnLabel = label("SkrivDittNamnLabel", "Écrivez votre nom:", this);
    Edit1 = new AnswerEdit(this);
    Edit1->setSharpSKeys(false);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(kNameFieldMax);
    connect(Edit1, &AnswerEdit::enterPressed, this, &TDiag::Edit1KeyPress);
    connect(Edit1, &AnswerEdit::escapePressed, this, &TDiag::AvbrytButtonClick);

    SkrivLosenLabel = label("SkrivLosenLabel", "Écrivez votre mot de passe:", this);
    FelLosenLabel = label("FelLosenLabel", kWrongPassword, this);
    FelLosenLabel->setStyleSheet(QStringLiteral("color: maroon; background: transparent"));
    MaskEdit1 = new AnswerEdit(this);
    MaskEdit1->setSharpSKeys(false);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setEchoMode(QLineEdit::Password);
    MaskEdit1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    MaskEdit1->setMaxLength(static_cast<int>(kPupilPasswordMax));
    connect(MaskEdit1, &AnswerEdit::enterPressed, this, &TDiag::MaskEdit1KeyPress);
    connect(MaskEdit1, &AnswerEdit::escapePressed, this, &TDiag::AvbrytButtonClick);

    NyAnvandareButton = button("NyAnvandareButton", "&Nouvel utilisateur", this);
    connect(NyAnvandareButton, &QPushButton::clicked, this, &TDiag::NyAnvandareButtonClick);
    AvbrytButton = button("AvbrytButton", "&Annuler", this);
    connect(AvbrytButton, &QPushButton::clicked, this, &TDiag::AvbrytButtonClick);

    Panel3 = new Panel(this, colors::navy, 2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    LararLabel = label("LararLabel", "Välj ett alternativ", Panel3);
    LararLabel->setStyleSheet(QStringLiteral("color: yellow; background: transparent"));
    LararLabel->setAlignment(Qt::AlignCenter);
    Button1 = button("Button1", "Ta bort alla diagnoser", Panel3);
    Button2 = button("Button2", "Info", Panel3);
    Button3 = button("Button3", "Ta bort enstaka med lösen", Panel3);
    Button4 = button("Button4", "Ta bort enstaka utan lösen", Panel3);
    connect(Button1, &QPushButton::clicked, this, &TDiag::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDiag::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDiag::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDiag::Button4Click);
    KlassoversiktButton = button("KlassoversiktButton", "&Klassöversikt", Panel3);
    connect(KlassoversiktButton, &QPushButton::clicked, this, &TDiag::KlassoversiktButtonClick);
    Button2->installEventFilter(this);

    Regelpanel = new Panel(this, QColor(255, 255, 210), 2);
    Regelpanel->setObjectName(QStringLiteral("Regelpanel"));
    QStringList lines;
    for (const char* line : helpLines())
        lines << qs(line);
    RegelLabel = new QLabel(lines.join(QLatin1Char('\n')), Regelpanel);
    RegelLabel->setObjectName(QStringLiteral("RegelLabel"));
    RegelLabel->setTextFormat(Qt::PlainText);
    RegelLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RegelLabel->setStyleSheet(QStringLiteral("color: black; background: transparent"));
    Button5 = button("Button5", "Stäng", Regelpanel);
    connect(Button5, &QPushButton::clicked, this, &TDiag::Button5Click);

    // Until the list or a choice asks for them.
    SkrivDittNamnLabel->hide();
    Edit1->hide();
}

void TDiag::FormCreate() {
    const QSize screen = screenSize();
    const int W = screen.width();
    const int H = screen.height();
    const int u = U();
    const int percent = state().ScalePercent;

    const QFont font = pixelFont(scaled(18, percent), true);
    setFont(font);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(font);
    OverskriftLabel->setFont(pixelFont(scaled(44, percent), true));
    FelLosenLabel->setFont(font);

    const int fieldHeight = QFontMetrics(font).height() + u;
    const int labelHeight = QFontMetrics(font).height() + u / 2;
    OverskriftLabel->setGeometry(0, H / 20, W, H / 10);

    // The list on the left, the name and password fields on the right.
    const int top = H / 5;
    const int columnWidth = W * 5 / 16;
    const int leftX = W / 8;
    const int rightX = W / 2 + W / 16;
    ListOverskriftLabel->setGeometry(leftX, top, columnWidth, labelHeight);
    ListBox1->setGeometry(leftX, top + labelHeight + u / 2, columnWidth, H / 2);
    SkrivDittNamnLabel->setGeometry(rightX, top, columnWidth, labelHeight);
    Edit1->setGeometry(rightX, top + labelHeight + u / 2, columnWidth, fieldHeight);
    const int passwordTop = top + labelHeight + fieldHeight + 3 * u;
    SkrivLosenLabel->setGeometry(rightX, passwordTop, columnWidth, labelHeight);
    FelLosenLabel->setGeometry(rightX, passwordTop, columnWidth, labelHeight);
    MaskEdit1->setGeometry(rightX, passwordTop + labelHeight + u / 2, columnWidth * 2 / 3,
                           fieldHeight);

    // The administrator's choices in the right column.
    const int buttonHeight = fieldHeight + u / 2;
    const int step = buttonHeight + u;
    Panel3->setGeometry(rightX, top, columnWidth, labelHeight + 5 * step + 2 * u);
    LararLabel->setGeometry(u, u / 2, columnWidth - 2 * u, labelHeight);
    int y = u / 2 + labelHeight + u / 2;
    for (QPushButton* b : {Button1, Button2, Button3, Button4, KlassoversiktButton}) {
        b->setGeometry(u, y, columnWidth - 2 * u, buttonHeight);
        y += step;
    }

    const int bottom = top + labelHeight + u / 2 + H / 2;
    const int buttonWidth = W / 4;
    NyAnvandareButton->setGeometry(leftX, bottom + 2 * u, buttonWidth, buttonHeight);
    AvbrytButton->setGeometry(rightX, bottom + 2 * u, buttonWidth, buttonHeight);

    Regelpanel->setGeometry(W / 32, H / 32, W - W / 16, H - H / 16);
    layoutHelpPanel();

    SharedState& s = state();
    NyAnvandareButton->setEnabled(s.ExerciseMode == Mode::DiagnosisTest);
    TeacherDeleteKind = 0;
    Regelpanel->hide();
    Panel3->hide();
    TeacherFirstTry = 1;
    s.DeleteMode = 0;
    SkrivLosenLabel->hide();
    FelLosenLabel->hide();
    MaskEdit1->hide();
    // The directory is checked before the list is read: when the diagnosis moves to the fallback
    // directory, the list shows the pupils whose results can be loaded and stored there.
    shell().checkDiagnosisDirectory();
    VisaListbox();
}

void TDiag::layoutHelpPanel() {
    const int u = U();
    const int percent = state().ScalePercent;
    const int buttonHeight = QFontMetrics(Button5->font()).height() + u;
    const int buttonWidth = scaled(120, percent);
    const QRect area(u, u, Regelpanel->width() - 2 * u,
                     Regelpanel->height() - 3 * u - buttonHeight);
    // The largest size from 18 pixels down at which every line fits the panel.
    int size = scaled(18, percent);
    QFont font = pixelFont(size);
    for (; size > 8; --size) {
        font = pixelFont(size);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, 100000, 100000),
                                                             Qt::AlignLeft, RegelLabel->text());
        if (needed.width() <= area.width() && needed.height() <= area.height()) break;
    }
    RegelLabel->setFont(font);
    RegelLabel->setGeometry(area);
    Button5->setGeometry(Regelpanel->width() - buttonWidth - u,
                         Regelpanel->height() - buttonHeight - u, buttonWidth, buttonHeight);
}

void TDiag::VisaListbox() {
    std::optional<std::vector<AnsiText>> names = shell().VisaListbox();
    ListBox1->clear();
    if (!names) {
        // No diagnosis yet: the pupil types a new name at once.
        ListBox1->hide();
        ListOverskriftLabel->hide();
        SkrivLosenLabel->hide();
        FelLosenLabel->hide();
        SkrivDittNamnLabel->setText(qs("Écrivez votre nom:"));
        SkrivDittNamnLabel->show();
        NyAnvandareButton->setEnabled(false);
        Edit1->clear();
        Edit1->show();
        Edit1->setEnabled(true);
        Edit1->setFocus();
        return;
    }
    ListBox1->show();
    ListOverskriftLabel->show();
    MaskEdit1->hide();
    MaskEdit1->setEnabled(false);
    for (const AnsiText& name : *names) {
        auto* item = new QListWidgetItem(toQString(name));
        item->setData(Qt::UserRole, QByteArray::fromStdString(name.bytes()));
        ListBox1->addItem(item);
    }
    if (ListBox1->isEnabled()) ListBox1->setFocus();
}

void TDiag::Edit1KeyPress() {
    SharedState& s = state();
    const AnsiText name = trimmedSpaces(fromQString(Edit1->text()));
    if (name.empty()) {
        SkrivDittNamnLabel->setText(qs("Écrivez un vrai nom!"));
        return;
    }
    // The administrator's name comes first, so that no pupil can be named so.
    if (toUpper(name) == AnsiText::fromUtf8(kTeacherName)) {
        TeacherLogin = 1;
        shell().NollstaellElev();
        Panel3->hide();
        ListBox1->hide();
        Edit1->hide();
        ListOverskriftLabel->hide();
        SkrivDittNamnLabel->hide();
        FelLosenLabel->hide();
        SkrivLosenLabel->show();
        MaskEdit1->clear();
        MaskEdit1->show();
        MaskEdit1->setEnabled(true);
        MaskEdit1->setFocus();
        return;
    }
    if (shell().NamnFinns(name)) {
        SkrivDittNamnLabel->setText(qs("Tapez votre nom"));
        return;
    }
    TeacherLogin = 0;
    ListBox1->hide();
    ListOverskriftLabel->hide();
    shell().NollstaellElev();
    s.CurrentPupil.name = name;
    s.CurrentPupil.name.truncate(kPupilNameMax);
    if (s.ExerciseMode == Mode::DiagnosisTest) {
        s.CurrentPupil.password.clear();
        openProtocol();
    } else {
        NyAnvandareButton->setEnabled(true);
    }
}

void TDiag::ListBox1KeyPress(int key, const QString& text) {
    QListWidgetItem* item = ListBox1->currentItem();
    if (item && !item->isSelected()) item = nullptr;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (item) ListBox1DblClick();
        return;
    }
    if (text != QLatin1String("r") && text != QLatin1String("R")) return;
    // Nothing chosen: there is nothing to delete.
    if (!item) return;
    SharedState& s = state();
    s.DeleteMode = 1;
    NyAnvandareButton->hide();
    const AnsiText password = shell().HaemtaElev(entryName(item));
    loadedPassword_ = password;
    if (TeacherDeleteKind == 3 || password.empty()) {
        // Without a password to give, the confirmation alone decides.
        SkrivLosenLabel->hide();
        FelLosenLabel->hide();
        MaskEdit1->hide();
        s.DeleteName = s.CurrentPupil.name;
        const bool deleted = SparaRaderaProt();
        s.DeleteMode = 0;
        NyAnvandareButton->show();
        NyAnvandareButton->setEnabled(true);
        if (deleted) VisaListbox();
        ListBox1->setEnabled(true);
        ListBox1->setFocus();
        return;
    }
    askForPassword();
}

void TDiag::ListBox1DblClick() {
    // The administrator's list serves deletions only.
    if (TeacherLogin || state().DeleteMode) return;
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected()) return;
    const AnsiText name = entryName(item);
    if (name.empty()) return;
    NyAnvandareButton->setEnabled(false);
    AnsiText password = shell().HaemtaElev(name);
    password.truncate(kPupilPasswordMax);
    loadedPassword_ = password;
    if (!password.empty()) {
        askForPassword();
    } else if (state().ExerciseMode == Mode::DiagnosisTest) {
        openProtocol();
    }
}

void TDiag::askForPassword() {
    ListBox1->hide();
    ListOverskriftLabel->hide();
    Edit1->hide();
    SkrivDittNamnLabel->hide();
    FelLosenLabel->hide();
    SkrivLosenLabel->show();
    MaskEdit1->clear();
    MaskEdit1->show();
    MaskEdit1->setEnabled(true);
    MaskEdit1->setFocus();
}

void TDiag::MaskEdit1KeyPress() {
    SharedState& s = state();
    const AnsiText typed = fromQString(MaskEdit1->text());

    if (TeacherLogin && TeacherFirstTry) {
        shell().LaerarLosen(1);
        if (!shell().teacherPasswordAccepted(typed)) {
            Panel3->hide();
            wrongPassword();
            return;
        }
        Panel3->show();
        Panel3->raise();
        ListBox1->show();
        ListBox1->setEnabled(false);
        Edit1->hide();
        for (QLabel* l : {ListOverskriftLabel, SkrivDittNamnLabel, SkrivLosenLabel, FelLosenLabel})
            l->hide();
        MaskEdit1->hide();
        TeacherFirstTry = 0;
        teacherPassword_ = typed;
        Button2->setFocus();
        return;
    }

    if (s.DeleteMode == 1) {
        if (!passwordMatches(typed)) {
            // The deletion waits for the right password (or "Annuler").
            MaskEdit1->clear();
            SkrivLosenLabel->hide();
            FelLosenLabel->setText(qs("Felaktigt lösen.!"));
            FelLosenLabel->show();
            showMessage("Felaktigt lösen.");
            MaskEdit1->setFocus();
            return;
        }
        SkrivLosenLabel->hide();
        FelLosenLabel->hide();
        MaskEdit1->hide();
        NyAnvandareButton->setEnabled(false);
        s.DeleteName = s.CurrentPupil.name;
        const bool deleted = SparaRaderaProt();
        s.DeleteMode = 0;
        NyAnvandareButton->show();
        NyAnvandareButton->setEnabled(true);
        // A name stored twice is deleted twice: the list is read again.
        if (deleted) VisaListbox();
        ListBox1->show();
        ListOverskriftLabel->show();
        ListBox1->setEnabled(true);
        ListBox1->setFocus();
        return;
    }

    if (TeacherLogin) return;
    if (!passwordMatches(typed)) {
        wrongPassword();
        return;
    }
    SkrivLosenLabel->hide();
    FelLosenLabel->hide();
    MaskEdit1->hide();
    if (s.ExerciseMode == Mode::DiagnosisTest)
        openProtocol();
    else
        NyAnvandareButton->setEnabled(false);
}

bool TDiag::passwordMatches(const AnsiText& typed) {
    const AnsiText& stored = state().CurrentPupil.password;
    return typed == stored || (!loadedPassword_.empty() && typed == loadedPassword_);
}

void TDiag::wrongPassword() {
    ++Attempts;
    MaskEdit1->clear();
    if (Attempts >= kMaxAttempts) {
        leave();
        return;
    }
    SkrivLosenLabel->hide();
    FelLosenLabel->setText(qs(kWrongPassword));
    FelLosenLabel->show();
    MaskEdit1->setEnabled(true);
    MaskEdit1->setFocus();
}

void TDiag::openProtocol() {
    WindowOpener* opener = context().opener;
    if (!opener || !opener->open(WindowRequest{WindowKind::Tdiaprot, {}, 0}))
        showMessage("Den här delen av programmet kan inte öppnas.");
    state().ExerciseMode = Mode::Practice;
    // The pupil has left the diagnosis: the next one at this computer is praised without a
    // name that is not theirs.
    shell().NollstaellElev();
    done(QDialog::Accepted);
}

void TDiag::leave() {
    state().ExerciseMode = Mode::Practice;
    shell().NollstaellElev();
    done(QDialog::Rejected);
}

void TDiag::NyAnvandareButtonClick() {
    NyAnvandareButton->setEnabled(false);
    ListBox1->hide();
    ListOverskriftLabel->hide();
    SkrivDittNamnLabel->show();
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TDiag::AvbrytButtonClick() {
    leave();
}

void TDiag::reject() {
    AvbrytButtonClick();
}

void TDiag::Button1Click() {
    shell().RaderaAlla();
    leave();
}

void TDiag::Button2Click() {
    Regelpanel->show();
    Regelpanel->raise();
}

void TDiag::Button3Click() {
    TeacherDeleteKind = 2;
    ListBox1->setEnabled(true);
    ListOverskriftLabel->show();
    ListBox1->setFocus();
}

void TDiag::Button4Click() {
    TeacherDeleteKind = 3;
    ListBox1->setEnabled(true);
    ListOverskriftLabel->show();
    ListBox1->setFocus();
}

void TDiag::Button5Click() {
    Regelpanel->hide();
    Button2->setFocus();
}

void TDiag::KlassoversiktButtonClick() {
    TKlassoversikt overview(context(), teacherPassword_, this);
    if (overview.accepted()) overview.exec();
    KlassoversiktButton->setFocus();
}

void TDiag::Button2KeyPress(const QString& text) {
    if (text != qs("Ä") && text != qs("ä")) return;
    SharedState& s = state();
    const AnsiText pupilPassword = s.CurrentPupil.password;
    // The administrator password in force is the one not to be given again.
    TNLOS dialog(context(), s.TeacherPassword, this);
    dialog.exec();
    if (dialog.passwordAccepted() && shell().LaerarLosen(2))
        showMessage("Det nya lösenordet är sparat. Det gäller från nästa inloggning.");
    s.CurrentPupil.password = pupilPassword;
    Button2->setFocus();
}

void TDiag::Klistrain1Click(int which) {
    auto* field = qobject_cast<AnswerEdit*>(focusWidget());
    if (!field) field = MaskEdit1->isVisible() ? MaskEdit1 : Edit1;
    field->pasteSpecial(which == 1 ? qs("Ç") : qs("ç"));
}

bool TDiag::SparaRaderaProt() {
    return shell().SparaRaderaProt();
}

void TDiag::showMessage(const std::string& text) {
    shell().showMessage(text);
}

bool TDiag::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (watched == ListBox1) {
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const bool r = key->text() == QLatin1String("r") || key->text() == QLatin1String("R");
            if (enter || r) {
                ListBox1KeyPress(key->key(), key->text());
                return true;
            }
        } else if (watched == Button2 && (key->text() == qs("Ä") || key->text() == qs("ä"))) {
            Button2KeyPress(key->text());
            return true;
        }
    }
    return Window::eventFilter(watched, e);
}

} // namespace orvela
