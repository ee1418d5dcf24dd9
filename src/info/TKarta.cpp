#include "TKarta.h"

#include "QtText.h"

namespace orvela {

namespace {
constexpr int kSmallScreen = 700;
const char* const kFacts[4] = {
    "Självständigt kungarike sedan urminnes tid. Republik 1792.",
    "Senare någon tid kejsarrike (Napoleon I och III).",
    "Befolkning: Cirka 68 miljoner. Språk: Franska.",
    "Area: 551 601 km².(Ca 20 % större än Sverige).",
};
} // namespace

std::string TKarta::mapFile(int screenWidth) {
    return screenWidth >= kSmallScreen ? "BILD/FRANCE.BMP" : "BILD/FRANCE2.BMP";
}

TKarta::TKarta(AppContext& context, QWidget* parent) : FranceWindow(context, parent) {
    setObjectName(QStringLiteral("TKarta"));
    FormCreate();
}

void TKarta::FormCreate() {
    const int u = U();
    Label1->setText(qs("Frankrikes karta"));
    Label1->adjustSize();
    Label1->move((W - Label1->width()) / 2, u / 2);

    QLabel* lines[4];
    for (int k = 0; k < 4; ++k)
        lines[k] = makeLabel(QStringLiteral("KartLabel%1").arg(k + 1).toLatin1().constData(),
                             qs(kFacts[k]), 14);
    const int lineHeight = lines[0]->height();
    const int panelTop = H - AvbrytPanel->height() * 8 / 7;
    // The map keeps its size unless the fact lines would not fit above the cancel panel.
    const int room = panelTop - (Label1->y() + Label1->height()) - lineHeight / 3 - lineHeight * 4 * 4 / 3;
    loadImage(mapFile(W), room);
    Image1->move((W - Image1->width()) / 2, Label1->y() + Label1->height());

    int top = Image1->y() + Image1->height() + lineHeight / 3;
    for (QLabel* l : lines) {
        l->move((W - l->width()) / 2, top);
        top += lineHeight * 4 / 3;
    }
    AvbrytPanel->move((W - AvbrytPanel->width()) / 2, panelTop);
}

} // namespace orvela
