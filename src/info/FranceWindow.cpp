#include "FranceWindow.h"

#include "BmpImage.h"
#include "QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>

namespace orvela {

FranceWindow::FranceWindow(AppContext& context, QWidget* parent) : Window(context, parent) {
    makeFullScreen(colors::silver);
    const QSize screen = screenSize();
    W = screen.width();
    H = screen.height();
    const int u = U();
    Label1 = makeLabel("Label1", QString(), 24);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->hide();

    AvbrytPanel = new Panel(this, colors::navy, 2);
    AvbrytPanel->setObjectName(QStringLiteral("AvbrytPanel"));
    Button1 = new QPushButton(QStringLiteral("&Avbryt"), AvbrytPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(pointFont(scaled(12, state().ScalePercent), true));
    Button1->setAutoDefault(false);
    const int bw = std::max(QFontMetrics(Button1->font()).horizontalAdvance(QStringLiteral("Avbryt uppspelning")) + 2 * u, W / 6);
    const int bh = QFontMetrics(Button1->font()).height() + u;
    AvbrytPanel->resize(bw + u, bh + u);
    Button1->setGeometry(u / 2, u / 2, bw, bh);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QLabel* FranceWindow::makeLabel(const char* name, const QString& text, int points) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    // Fonts follow the program's scale; positions follow the screen.
    l->setFont(pointFont(scaled(points, state().ScalePercent), true));
    l->setStyleSheet(QStringLiteral("color: #000080; background: transparent"));
    l->adjustSize();
    return l;
}

void FranceWindow::loadImage(const std::string& relative, int maxHeight) {
    QImage picture;
    if (std::optional<fs::path> file = shell().paths().find(relative))
        picture = loadPicture(QString::fromStdString(file->string()));
    if (picture.isNull()) {
        Image1->hide();
        Image1->resize(0, 0);
        return;
    }
    QSize size = picture.size();
    if (maxHeight > 0 && size.height() > maxHeight) size.scale(W, maxHeight, Qt::KeepAspectRatio);
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->resize(size);
    Image1->show();
}

void FranceWindow::Button1Click() {
    done(QDialog::Accepted);
    hide();
}

void FranceWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        Button1Click();
        return;
    }
    Window::keyPressEvent(e);
}

} // namespace orvela
