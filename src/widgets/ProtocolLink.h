#pragma once
// What an exercise window tells the open diagnosis protocol: enable or disable it, write a
// status into a programme's row, hide its information box. The protocol window implements it;
// it is absent outside the diagnosis.

#include <QString>

namespace orvela {

class ProtocolLink {
public:
    virtual ~ProtocolLink() = default;
    virtual void setProtocolEnabled(bool enabled) = 0;
    // Column 4 of the programme's row of the protocol grid.
    virtual void setStatusCell(int programme, const QString& text) = 0;
    virtual void hideInfoPanel() = 0;
};

} // namespace orvela
