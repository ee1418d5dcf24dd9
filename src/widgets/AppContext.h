#pragma once
// What every window of the program reaches: the shell with the shared state and routines, the
// window opener, and the services that live as long as the program (sound, printing, the
// worksheet collection, the diagnosis protocol).

// Qt's headers come first: moc reads the standard headers correctly only after them.
#include <QtGlobal>

#include "Shell.h"
#include "WindowOpener.h"

namespace orvela {

class Printing;
class WorksheetWindow;
class ProtocolLink;

struct AppContext {
    Shell* shell = nullptr;
    WindowOpener* opener = nullptr;
    Printing* printing = nullptr;        // the printer (or PDF) for printouts
    WorksheetWindow* worksheet = nullptr; // the worksheet window, alive for the whole run
    ProtocolLink* protocol = nullptr;     // the open diagnosis protocol, when there is one

    SharedState& state() const { return shell->state(); }
};

} // namespace orvela
