#include "TFlagga.h"

#include "QtText.h"

namespace orvela {

TFlagga::TFlagga(AppContext& context, QWidget* parent) : FranceWindow(context, parent) {
    setObjectName(QStringLiteral("TFlagga"));
    FormCreate();
}

void TFlagga::FormCreate() {
    const int u = U();
    Label1->setText(qs("Frankrikes flagga"));
    Label1->adjustSize();
    Label1->move(((W / 2) - Label1->width()) / 2 + W / 3, u / 2);

    QLabel* FlagLabel1 = makeLabel("FlagLabel1", qs("Nationaldag 14 juli (Bastiljens stormning 1789)."), 14);
    QLabel* Flaglabel2 = makeLabel("Flaglabel2", qs("Den berömda trefärgade trikoloren kom till vid revolutionen 1789."), 14);
    QLabel* Flaglabel3 = makeLabel("Flaglabel3", qs("Flaggans färger skulle stå för frihet, jämlikhet och broderskap."), 14);
    const int lineHeight = FlagLabel1->height();
    const int panelTop = H - AvbrytPanel->height() * 3 / 2;
    const int imageTop = Label1->y() + Label1->height() + Label1->height() / 2;
    const int room = panelTop - imageTop - lineHeight / 3 - 3 * lineHeight * 3 / 2;
    loadImage("BILD/FRAN_FL.BMP", room);
    Image1->move((W - Image1->width()) / 2, imageTop);

    FlagLabel1->move(0, Image1->y() + Image1->height() + lineHeight / 3);
    Flaglabel2->move(0, FlagLabel1->y() + lineHeight * 3 / 2);
    Flaglabel3->move(0, Flaglabel2->y() + lineHeight * 3 / 2);
    for (QWidget* w : {static_cast<QWidget*>(FlagLabel1), static_cast<QWidget*>(Flaglabel2),
                       static_cast<QWidget*>(Flaglabel3), static_cast<QWidget*>(AvbrytPanel)})
        centre(w, W);
    AvbrytPanel->move(AvbrytPanel->x(), panelTop);
}

} // namespace orvela
