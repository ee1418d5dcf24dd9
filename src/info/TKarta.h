#pragma once
// "Frankrikes karta": the map of France with four lines of facts below it.

#include "FranceWindow.h"

namespace orvela {

class TKarta : public FranceWindow {
    Q_OBJECT
public:
    explicit TKarta(AppContext& context, QWidget* parent = nullptr);

    // The map for a screen width: FRANCE.BMP, or FRANCE2.BMP below 700 pixels.
    static std::string mapFile(int screenWidth);

private:
    void FormCreate();
};

} // namespace orvela
