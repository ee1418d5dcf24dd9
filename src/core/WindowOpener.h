#pragma once
// Opening a window modally: the window is created, shown until it closes and destroyed. Menus,
// the main window and the diagnosis protocol open windows through this interface, so a test can
// see which window would open, with which state, without showing it.

#include <string>

namespace orvela {

enum class WindowKind {
    Menu, // a menu window; `menu` names it ("TF1" ... "TF5580")
    // exercise windows
    TSKRIV,
    TSkrivinf,
    Tskriv2,
    TDiktam,
    TBilden,
    TFLERBAR,
    TSats,
    TFormer,
    TPassAkt,
    TStegran,
    TKlockan,
    TDinaOrd,
    TFalska,
    Tavsloj,
    Thoroskop,
    Tberaetta,
    TSpeed,
    TBildvis,
    TKarta,
    TFlagga,
    THymn,
    // other windows
    TDiag,
    Tdiaprot,
    TManual,
    TOmVamlo,
    TStallin,
    TRegelform,
    TRekord, // the record table of a word list
};

const char* windowKindName(WindowKind kind);

struct WindowRequest {
    WindowKind kind = WindowKind::Menu;
    std::string menu;   // for menus: the menu's name
    int ruleNumber = 0; // for the rules window
};

class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    // Opens the window modally and returns when it has closed. Returns false when no window of
    // that kind exists in this program.
    virtual bool open(const WindowRequest& request) = 0;
};

} // namespace orvela
