#pragma once
// The exercise catalogue: every menu window of the program with its title, its buttons and what
// each button does (open a deeper menu, start an exercise on a data file, open a window without a
// data file, or go back), the layout each menu window is designed with, and the data files and
// windows of the eighteen diagnosis tasks. Menus and the content tool read it; nothing else binds
// a menu entry to a file.

#include "WindowOpener.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

enum class EntryAction {
    SubMenu,    // opens the menu named by `target`
    Exercise,   // checks the data file `target` and opens `window` on it
    Vocabulary, // sets ProgramNumber to `programNumber` and opens `window` (TDinaOrd), no file
    Window,     // opens `window`, which needs no data file (map, flag, anthem)
    Back,       // closes the menu
};

struct MenuEntry {
    int button = 0;           // the number of its button: Button1 ... Button11
    std::string_view caption; // UTF-8, exactly as shown (trailing spaces included)
    EntryAction action = EntryAction::Back;
    std::string_view target; // SubMenu: the menu's name; Exercise: the data file's name
    WindowKind window = WindowKind::Menu;
    int programNumber = 0; // Vocabulary only
};

// A menu window as designed, in pixels before scaling by ScalePercent.
struct MenuLayout {
    int width = 280;
    int height = 180;
    // Designed position: the window's top left corner, relative to that of a window of the
    // reference size (kMenuReferenceWidth x kMenuReferenceHeight) centred on the screen.
    int offsetX = 0;
    int offsetY = 0;
    int titleHeight = 28; // pixel height of the title font
    int titleTop = 12;
    int buttonTop = 58;
    int buttonHeight = 32;
    int buttonStep = 36;
    int buttonMargin = 24; // left and right of the button column
    int buttonFontHeight = 16;
};

inline constexpr int kMenuReferenceWidth = 320;
inline constexpr int kMenuReferenceHeight = 432;

struct MenuDef {
    std::string_view name;          // "TF1" ... "TF5580", also the window's object name
    std::string_view title;         // UTF-8, exactly as shown
    std::string_view parent;        // empty for the five menus of the main window
    int depth = 1;                  // 1 for the menus of the main window
    std::vector<MenuEntry> entries; // in the order of the column, top to bottom
    MenuLayout layout;
    std::uint32_t colour = 0x000080; // designed panel colour, 0xRRGGBB (navy)
    bool grammar = false;            // TF5 and every menu below it: title at top 4
    bool verbFont = false;           // buttons get font size 14
    bool buttonMargins = false;      // buttons get LayoutUnit margins
    bool keepsColour = false;        // the panel keeps its designed colour in every mode
    int worksheetDisabledButton = 0; // the button disabled in worksheet mode, or 0
};

// Every menu, in tree order (each sub-menu after the menu that opens it).
const std::vector<MenuDef>& menuCatalogue();
// The menu of that name, or nullptr.
const MenuDef* findMenu(std::string_view name);
// The entry of button `button` of a menu, or nullptr.
const MenuEntry* findEntry(const MenuDef& menu, int button);
// The menu's back entry, or nullptr.
const MenuEntry* backEntry(const MenuDef& menu);

// An exercise entry of the catalogue with the menu it belongs to.
struct CatalogueExercise {
    const MenuDef* menu = nullptr;
    const MenuEntry* entry = nullptr;
};
// Every exercise entry (those with a data file), in tree order.
std::vector<CatalogueExercise> catalogueExercises();

// A diagnosis task: its test file, its follow-up practice file and the window that runs both.
struct DiagnosisTask {
    int task = 0;
    std::string testFile;     // "FRDI" + task as two digits + ".DAT"
    std::string followUpFile; // "FROVN1" + task as two digits + ".DAT"
    WindowKind window = WindowKind::TSKRIV;
};
inline constexpr int kDiagnosisTasksWithFiles = 18;
// Tasks 1..18; tasks 19 and 20 (and any other number) have no data file: nullopt.
std::optional<DiagnosisTask> diagnosisTask(int task);

// The window that runs a data file: its menu entry's, or for a diagnosis file its task's. The
// name is compared without regard to letter case; nullopt for a file no entry opens.
std::optional<WindowKind> exerciseWindowFor(std::string_view fileName);

// The exercise window kinds by their names ("TSKRIV", "TSkrivinf" ...), exactly as spelt.
std::optional<WindowKind> windowKindByName(std::string_view name);

} // namespace orvela
