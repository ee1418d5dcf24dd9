#include "TBilden.h"

#include "BmpImage.h"
#include "QtText.h"

#include <QFontMetrics>

#include <algorithm>

namespace orvela {

namespace {

constexpr const char* kPictures[] = {"KROPPEN", "HUVUDET", "HALS", "NJURE", "MAGE", "MUN", "SKELETT"};

int lineHeight(const QWidget* w) { return QFontMetrics(w->font()).height(); }

} // namespace

std::string TBilden::pictureOf(int program) {
    if (program < kFirstProgram || program > kLastProgram) return {};
    return std::string("BILD/KROPP/") + kPictures[program - kFirstProgram] + ".BMP";
}

TBilden::TBilden(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TBilden"));
    ExerciseWindow::Image1->setObjectName(QStringLiteral("RewardPicture"));
    BildPanelen->setObjectName(QStringLiteral("Bildpanelen"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->hide();

    auto label = [this](const char* name, const QColor& color) {
        return itemLabel(QString::fromLatin1(name), color, 14);
    };
    FrageLabel1 = label("FrageLabel1", colors::navy);
    FrageLabel2 = label("FrageLabel2", colors::navy);
    SvarsLabel = label("SvarsLabel", colors::maroon);

    Edit1 = makeAnswerField(QStringLiteral("Edit1"), 14, 55);
    connect(Edit1, &AnswerEdit::enterPressed, this, &TBilden::Edit1Enter);

    FormCreate();
    lampknapp->hide();
    showBodyPicture();

    // A run asks at most ten questions, and no more than the file has.
    SharedState& s = state();
    const int items = s.ItemCount[static_cast<std::size_t>(s.CurrentFileIndex)];
    if (mode() == Mode::Practice && items >= 1 && items < QuestionsPerRun) {
        s.SavedRunLength = s.RunLength = items;
        NyStartaAster(true);
    }
}

void TBilden::Inled() {
    ExerciseWindow::Inled();
    const int u = U();
    // The picture fills the left of the screen above the end panel, in the proportions of the
    // drawings (4:5).
    int height = (H / 48) * 40;
    int width = height * 4 / 5;
    if (width > (W / 64) * 30) {
        width = (W / 64) * 30;
        height = width * 5 / 4;
    }
    pictureRect_ = QRect(u / 2, u / 2, width, height);
    Image1->setGeometry(pictureRect_);
    const int right = pictureRect_.right() + 1;

    // The heading box and the questions stand right of the picture.
    const int columnLeft = Aster1->x();
    Heading->setGeometry(right + u, u, std::max(columnLeft - 2 * u - right, 10 * u), (H / 48) * 8);

    const int panelWidth = (W / 64) * 62;
    const int panelHeight = std::max((H / 48) * 4, 3 * u);
    Panel1->setGeometry(u, H - u / 5 - panelHeight, panelWidth, panelHeight);
    const int bw = (panelWidth - 5 * u) / 4;
    QPushButton* buttons[4] = {Button1, Button2, Button3, BitBtn1};
    for (int i = 0; i < 4; ++i) buttons[i]->setGeometry(u + i * (bw + u), u / 2, bw, panelHeight - u);

    BildPanelen->setGeometry(right, (H / 48) * 10 - u / 3, std::max((W / 64) * 59 - right, u),
                             (H / 48) * 35 + u / 3);
    const int praiseHeight = (H / 48) * 5;
    LovordPanel->setGeometry(u, Panel1->y() - u / 5 - praiseHeight, panelWidth, praiseHeight);
}

void TBilden::layoutItemArea() {
    const int left = Heading->x();
    const int instrHeight = lineHeight(InstruktionsLabel);
    // A long instruction is broken into lines that end before the squares.
    const int room = Aster1->x() - U() - left;
    if (InstruktionsLabel->width() > room) {
        InstruktionsLabel->setWordWrap(true);
        InstruktionsLabel->setFixedWidth(room);
        InstruktionsLabel->setFixedHeight(InstruktionsLabel->heightForWidth(room));
    }
    InstruktionsLabel->move(left, Heading->y() + Heading->height() + instrHeight / 2);
    FrageLabel1->move(left, InstruktionsLabel->y() + InstruktionsLabel->height() + instrHeight / 2);
    FrageLabel2->move(left, FrageLabel1->y() + lineHeight(FrageLabel1) * 5 / 4);
    Edit1->setFixedHeight(lineHeight(Edit1) + 8);
    Edit1->move(left, FrageLabel2->y() + lineHeight(FrageLabel2) * 3 / 2);
    SvarsLabel->move(left, Edit1->y() + Edit1->height() * 3 / 2);
}

void TBilden::showBodyPicture() {
    const std::string name = pictureOf(state().ProgramNumber);
    QImage picture;
    if (!name.empty())
        if (std::optional<fs::path> file = shell().paths().find(name))
            picture = orvela::loadPicture(QString::fromStdString(file->string()));
    // A missing or broken picture is left out; the questions can still be answered.
    if (picture.isNull()) {
        Image1->hide();
        return;
    }
    const QSize size = picture.size().scaled(pictureRect_.size(), Qt::KeepAspectRatio);
    Image1->setGeometry(QRect(pictureRect_.topLeft(), size));
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->show();
}

void TBilden::NollaLabeller() {
    FrageLabel1->setText(QString());
    FrageLabel2->setText(QString());
    SvarsLabel->setText(QString());
    SvarsLabel->hide();
    Edit1->clear();
}

void TBilden::presentItem() {
    SharedState& s = state();
    SvarsLabel->setText(toQString(s.ItemFields[2]));
    const int right = W - Aster1->width() - 2 * U();
    shell().dela_mening(FrageLabel1->x(), right, s.ItemFields[1], kQuestionLines);
    if (s.SplitLines[2].empty()) {
        FrageLabel2->setText(toQString(s.SplitLines[1]));
        FrageLabel1->hide();
    } else {
        FrageLabel1->setText(toQString(s.SplitLines[1]));
        QString lower = toQString(s.SplitLines[2]);
        if (!s.SplitLines[3].empty()) lower += QLatin1Char(' ') + toQString(s.SplitLines[3]);
        FrageLabel2->setText(lower);
        FrageLabel1->show();
    }
    FrageLabel2->show();
    const int width = QFontMetrics(SvarsLabel->font()).horizontalAdvance(SvarsLabel->text()) + 60;
    Edit1->setFixedWidth(std::clamp(width, 6 * U(), std::max(6 * U(), Aster1->x() - U() / 2 - Edit1->x())));
}

void TBilden::Edit1Enter() {
    if (runState() != RunState::Answering || !Edit1->isEnabled()) return;
    setAnswerEnabled(false, false);
    const SharedState& s = state();
    if (shell().svarstest(s.ItemFields[2], fromQString(Edit1->text()), 3) == 0) {
        answerRight(true);
    } else {
        answerWrong();
        startAnswerTimer();
        SvarsLabel->show();
    }
    questionDone();
}

void TBilden::beforePraise() {
    SvarsLabel->hide();
    setAnswerEnabled(false, false);
}

void TBilden::Button2Click() {
    // Continuing starts the right answers afresh but keeps the count of wrong ones.
    SharedState& s = state();
    const std::uint16_t wrong = s.WrongCount;
    ExerciseWindow::Button2Click();
    s.WrongCount = wrong;
}

} // namespace orvela
