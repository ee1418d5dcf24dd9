// The program's own message boxes: Swedish buttons, Esc answering "Nej", and the reason a part of
// the program cannot be loaded said in Swedish. (The system's reasons for file errors:
// SystemErrorTest.)

#include "DeviceProxies.h"
#include "Fakes.h"
#include "QtServices.h"
#include "UiHelpers.h"

#include <QMessageBox>
#include <QPushButton>

using namespace orvela;
using namespace orvela::testing;

namespace {

QStringList captions(QMessageBox& box) {
    QStringList out;
    for (QAbstractButton* b : box.buttons())
        out << b->text().remove(QLatin1Char('&'));
    out.sort();
    return out;
}

} // namespace

TEST(MessageBoxes, HaveSwedishButtonsAndEscAnswersNej) {
    using K = QtMessages::Kind;
    EXPECT_EQ(captions(*QtMessages::makeBox(K::Information, "Hej")), QStringList{"OK"});
    EXPECT_EQ(captions(*QtMessages::makeBox(K::Warning, "Hej")), QStringList{"OK"});
    EXPECT_EQ(captions(*QtMessages::makeBox(K::Question, "Vill du?")),
              (QStringList{"Ja", "Nej"}));
    QMessageBox withCancel(QMessageBox::Question, QStringLiteral("Orvela"), QStringLiteral("?"),
                           QMessageBox::Ok | QMessageBox::Cancel);
    QtMessages::swedishButtons(withCancel);
    EXPECT_EQ(captions(withCancel), (QStringList{"Avbryt", "OK"}));

    // The boxes as the program shows them: Ja, Esc and OK pressed by the pupil.
    QtMessages messages;
    auto press = [](const QString& caption) {
        onNextModal([caption](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove(QLatin1Char('&')) == caption) return b->click();
            ADD_FAILURE() << "no button " << caption.toStdString();
            box->reject();
        });
    };
    press(QStringLiteral("Ja"));
    EXPECT_TRUE(messages.confirm("Vill du försöka igen?"));
    onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(messages.confirm("Vill du försöka igen?"));
    press(QStringLiteral("OK"));
    messages.information("Klart.");
}

// The tests run without the device module beside them, as a program whose module was not
// installed.
TEST(MessageBoxes, AMissingDeviceModuleIsReportedInSwedish) {
    FakeMessages messages;
    LazySound sound(&messages);
    sound.play("NOTHING.WAV", false);
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0];
    EXPECT_EQ(text.rfind("Ljudet fungerar inte: programdelen orvela-devices kan inte läsas (filen ",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("orvela-devices.so finns inte)."), std::string::npos) << text;
    EXPECT_EQ(text.find("Cannot"), std::string::npos) << text;
}
