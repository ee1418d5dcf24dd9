#pragma once
// What every window of the program reaches: the shell with the shared state and routines, the
// window opener, and the services that live as long as the program (sound, printing, the
// worksheet collection, the diagnosis protocol).

// Qt's headers come first: moc reads the standard headers correctly only after them.
#include <QtGlobal>

#include "Shell.h"
#include "WindowOpener.h"

#include <functional>

namespace orvela {

class Printing;
class WorksheetWindow;
class ProtocolLink;

struct AppContext {
    Shell* shell = nullptr;
    WindowOpener* opener = nullptr;
    Printing* printing = nullptr;        // the printer (or PDF) for printouts
    WorksheetWindow* worksheet = nullptr; // the worksheet window, alive for the whole run
    // Makes the worksheet window the first time worksheet mode needs it (it is then kept until
    // the program ends); starting the program does not pay for a window it may never show.
    std::function<WorksheetWindow*()> createWorksheet;
    ProtocolLink* protocol = nullptr;     // the open diagnosis protocol, when there is one

    SharedState& state() const { return shell->state(); }
    WorksheetWindow* worksheetWindow() {
        if (!worksheet && createWorksheet) worksheet = createWorksheet();
        return worksheet;
    }
};

} // namespace orvela
