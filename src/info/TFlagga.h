#pragma once
// "Frankrikes flagga": the tricolour with three lines about the national day and the colours.

#include "FranceWindow.h"

namespace orvela {

class TFlagga : public FranceWindow {
    Q_OBJECT
public:
    explicit TFlagga(AppContext& context, QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace orvela
