// The menu tree of the program, entry by entry. Button numbers are those of the designed windows
// (not renumbered), so an entry keeps its name (Button7 ...) wherever it stands in the column.

#include "Catalogue.h"

#include <algorithm>

namespace orvela {

namespace {

using K = WindowKind;

MenuEntry sub(int button, std::string_view caption, std::string_view menu) {
    return MenuEntry{button, caption, EntryAction::SubMenu, menu, K::Menu, 0};
}
MenuEntry ex(int button, std::string_view caption, std::string_view file, K window) {
    return MenuEntry{button, caption, EntryAction::Exercise, file, window, 0};
}
MenuEntry win(int button, std::string_view caption, K window) {
    return MenuEntry{button, caption, EntryAction::Window, {}, window, 0};
}
MenuEntry words(int button, std::string_view caption, int programNumber) {
    return MenuEntry{button, caption, EntryAction::Vocabulary, {}, K::TDinaOrd, programNumber};
}
MenuEntry toMain(int button) {
    return MenuEntry{button, "Till huvudmenyn", EntryAction::Back, {}, K::Menu, 0};
}
MenuEntry back(int button) {
    return MenuEntry{button, "Till föregående meny", EntryAction::Back, {}, K::Menu, 0};
}

struct Design {
    int width = 280;
    int titleHeight = 28;
};

MenuDef menu(std::string_view name, std::string_view title, std::string_view parent, Design d,
             std::vector<MenuEntry> entries) {
    MenuDef m;
    m.name = name;
    m.title = title;
    m.parent = parent;
    m.entries = std::move(entries);
    m.layout.width = d.width;
    m.layout.titleHeight = d.titleHeight;
    return m;
}

// The designed windows grow with their number of buttons: from about 180 pixels high for three
// buttons to about 430 for ten.
constexpr int kBottomMargin = 18;

std::vector<MenuDef> build() {
    std::vector<MenuDef> c;
    // ---- Frankrike
    c.push_back(menu("TF1", "Frankrike", "", {260, 30},
                     {win(1, "Karta", K::TKarta), win(2, "Flagga", K::TFlagga),
                      win(3, "Nationalsång", K::THymn), toMain(4)}));
    // ---- Dina ord
    c.push_back(menu(
        "TF2", "Dina ord", "", {260, 30},
        {sub(1, "Ordförrådet", "TF21"), ex(3, "Rubriken", "FRA24000.DAT", K::TSKRIV), toMain(6)}));
    c.push_back(menu("TF21", "Ordförrådet", "TF2", {280, 28},
                     {words(1, "Allmänna glosor", 1001), words(2, "Speciella glosor", 1002),
                      sub(3, "Lite biologi", "TF213"), back(6)}));
    c.push_back(menu("TF213", "Lite biologi", "TF21", {280, 28},
                     {sub(1, "Människa", "TF2131"), sub(2, "Växter", "TF2132"),
                      sub(3, "Djur", "TF2133"), back(6)}));
    c.push_back(menu(
        "TF2131", "Människa", "TF213", {280, 28},
        {ex(1, "Kroppen", "FRA21301.DAT", K::TBilden), ex(2, "Huvudet", "FRA21302.DAT", K::TBilden),
         ex(3, "Strupen", "FRA21303.DAT", K::TBilden), ex(4, "Njurar", "FRA21304.DAT", K::TBilden),
         ex(5, "Matsmältningen", "FRA21305.DAT", K::TBilden),
         ex(6, "Tänder", "FRA21306.DAT", K::TBilden),
         ex(7, "Skelettet", "FRA21307.DAT", K::TBilden), back(8)}));
    c.push_back(menu("TF2132", "Växter", "TF213", {280, 28},
                     {ex(1, "Vilda växter", "FRA21410.DAT", K::TBildvis),
                      ex(2, "Odlade växter", "FRA21420.DAT", K::TBildvis),
                      ex(3, "Träd och buskar", "FRA21430.DAT", K::TBildvis),
                      ex(4, "Frukter och bär", "FRA21440.DAT", K::TBildvis), back(11)}));
    c.push_back(menu("TF2133", "Djur", "TF213", {280, 28},
                     {ex(1, "Fåglar", "FRA21510.DAT", K::TBildvis),
                      ex(2, "Däggdjur", "FRA21520.DAT", K::TBildvis),
                      ex(3, "Tamdjur", "FRA21530.DAT", K::TBildvis),
                      ex(4, "Fiskar och reptiler", "FRA21540.DAT", K::TBildvis),
                      ex(5, "Insekter och spindlar", "FRA21550.DAT", K::TBildvis),
                      ex(6, "Småkryp", "FRA21560.DAT", K::TSKRIV), back(11)}));
    // ---- Stavning, uttal
    c.push_back(menu("TF3", "Stavning, uttal", "", {280, 28},
                     {sub(1, "Duell", "TF30"), ex(2, "Intonation", "FRA32000.DAT", K::TDiktam),
                      ex(3, "Bokstavering", "FRA33000.DAT", K::TDiktam),
                      ex(4, "Alfabetet", "FRA34000.DAT", K::TDiktam),
                      ex(5, "Stava", "FRA35000.DAT", K::TDiktam), sub(7, "Diktamen", "TF35"),
                      ex(8, "Telefonnummer", "FRA37000.DAT", K::TDiktam), toMain(9)}));
    c.push_back(menu("TF30", "Duell", "TF3", {280, 30},
                     {ex(1, "Uttalet av c", "FRA31100.DAT", K::TFalska),
                      ex(2, "Uttalet av g", "FRA31300.DAT", K::TFalska),
                      ex(3, "Uttalet av s", "FRA31200.DAT", K::TFalska), back(4)}));
    c.push_back(menu("TF35", "Diktamen", "TF3", {280, 30},
                     {ex(1, "Enkla ord", "FRA36100.DAT", K::TDiktam),
                      ex(2, "Svåra ord", "FRA36200.DAT", K::TDiktam), back(3)}));
    // ---- Läsa
    c.push_back(menu("TF4", "Läsa", "", {280, 30},
                     {ex(1, "Lästräning", "FRA41000.DAT", K::TSpeed),
                      ex(2, "Horoskop", "FRA42000.DAT", K::Thoroskop),
                      ex(3, "Avslöja", "FRA43000.DAT", K::Tavsloj),
                      ex(4, "Berätta", "FRA44000.DAT", K::Tberaetta), toMain(5)}));
    // ---- Grammatik
    c.push_back(
        menu("TF5", "Grammatik", "", {280, 30},
             {sub(1, "Substantiv", "TF50"), sub(2, "Adjektiv", "TF51"), sub(3, "Adverb", "TF52"),
              sub(4, "Räkneord", "TF53"), sub(5, "Pronomen", "TF54"), sub(6, "Verb", "TF55"),
              ex(7, "Prepositioner", "FRA57000.DAT", K::TSkrivinf), sub(8, "Satsdelar", "TF57"),
              toMain(9)}));
    c.push_back(menu("TF50", "Substantiv", "TF5", {280, 28},
                     {sub(1, "Bestämd artikel", "TF500"), sub(2, "Partitiv artikel", "TF501"),
                      sub(3, "Plural", "TF502"), ex(4, "Genus", "FRA51400.DAT", K::TFLERBAR),
                      ex(5, "Genitiv", "FRA51500.DAT", K::TSKRIV), back(7)}));
    c.push_back(menu("TF500", "Bestämd artikel", "TF50", {280, 26},
                     {ex(1, "Användning", "FRA51110.DAT", K::TSkrivinf),
                      ex(2, "Dra ihop", "FRA51120.DAT", K::TSKRIV), back(7)}));
    c.push_back(menu("TF501", "Partitiv artikel", "TF50", {280, 26},
                     {ex(2, "Övning 1", "FRA51230.DAT", K::TSKRIV),
                      ex(1, "Övning 2", "FRA51210.DAT", K::TSkrivinf),
                      ex(3, "Övning 3", "FRA51220.DAT", K::TFLERBAR), back(4)}));
    c.push_back(menu("TF502", "Plural", "TF50", {280, 30},
                     {ex(1, "Plural 1", "FRA51310.DAT", K::TSKRIV),
                      ex(2, "Plural 2", "FRA51320.DAT", K::TSkrivinf), back(7)}));
    c.push_back(
        menu("TF51", "Adjektiv", "TF5", {280, 28},
             {sub(1, "Komparation", "TF510"), ex(2, "Femininbildning", "FRA52200.DAT", K::TSKRIV),
              ex(3, "Böjning i plural", "FRA52300.DAT", K::TSkrivinf),
              ex(4, "Placering", "FRA52400.DAT", K::TSKRIV), back(7)}));
    c.push_back(menu("TF510", "Komparation", "TF51", {280, 28},
                     {ex(1, "Komparation 1", "FRA52110.DAT", K::Tskriv2),
                      ex(2, "Komparation 2", "FRA52120.DAT", K::TSkrivinf), back(7)}));
    c.push_back(menu("TF52", "Adverb", "TF5", {280, 28},
                     {ex(1, "Känna igen adverb", "FRA53100.DAT", K::TPassAkt),
                      ex(2, "Bilda adverb", "FRA53200.DAT", K::TSKRIV),
                      ex(3, "Rätt form", "FRA53300.DAT", K::TSkrivinf), back(7)}));
    c.push_back(menu("TF53", "Räkneord", "TF5", {280, 28},
                     {ex(1, "X-act", "FRA54110.DAT", K::TStegran),
                      ex(2, "Klockan", "FRA54200.DAT", K::TKlockan), back(7)}));
    c.push_back(
        menu("TF54", "Pronomen", "TF5", {310, 28},
             {sub(1, "Personliga pronomen", "TF540"),
              ex(2, "Possessiva, förenade", "FRA55200.DAT", K::TSkrivinf),
              ex(3, "Possessiva, självständiga", "FRA55300.DAT", K::TSkrivinf),
              ex(4, "Demonstrativa pronomen", "FRA55400.DAT", K::TSkrivinf),
              ex(5, "Relativa pronomen (som)", "FRA55500.DAT", K::TSkrivinf),
              ex(6, "Indefinita (ingen)", "FRA55600.DAT", K::TSkrivinf),
              ex(7, "Pronominaladverben en och y", "FRA55700.DAT", K::TSkrivinf), back(8)}));
    c.push_back(menu("TF540", "Personliga pronomen", "TF54", {310, 26},
                     {ex(1, "Subjektsform", "FRA55110.DAT", K::TSkrivinf),
                      ex(2, "Som ackusativobjekt", "FRA55120.DAT", K::TSkrivinf),
                      ex(4, "Som dativobjekt", "FRA55130.DAT", K::TSkrivinf),
                      ex(5, "Objektsform  blandat 1", "FRA55140.DAT", K::TSkrivinf),
                      ex(6, "Objektsform  blandat 2", "FRA55150.DAT", K::TSkrivinf),
                      ex(8, "Vid imperativ", "FRA55170.DAT", K::TSkrivinf),
                      ex(9, "Opersonligt det", "FRA55180.DAT", K::TSkrivinf), back(3)}));
    // ---- Verb
    c.push_back(menu("TF55", "Verb", "TF5", {280, 30},
                     {sub(1, "Être och avoir", "TF550"), sub(2, "Aller", "TF551"),
                      sub(3, "Regelbundna verb", "TF552"), sub(4, "Passivum", "TF553"),
                      sub(5, "Oregelbundna verb", "TF554"),
                      ex(6, "Reflexiva verb", "FRA56600.DAT", K::TSKRIV),
                      ex(7, "Negationer", "FRA56700.DAT", K::TSKRIV), sub(8, "Frågor", "TF557"),
                      sub(9, "Blandade övningar", "TF558"), back(10)}));
    c.push_back(menu("TF550", "Être och avoir", "TF55", {280, 28},
                     {sub(1, "Être", "TF5500"), sub(2, "Avoir", "TF5501"),
                      ex(4, "Avoir eller être", "FRA56130.DAT", K::TSkrivinf), back(3)}));
    c.push_back(menu("TF5500", "Être", "TF550", {280, 30},
                     {ex(1, "Présent", "FRA56111.DAT", K::TSKRIV),
                      ex(2, "Imparfait", "FRA56112.DAT", K::TSKRIV),
                      ex(3, "Passé simple", "FRA56113.DAT", K::TSKRIV),
                      ex(5, "Passé composé ", "FRA56115.DAT", K::TSkrivinf),
                      ex(6, "Plus-que-parfait", "FRA56116.DAT", K::TSKRIV),
                      ex(7, "Futur", "FRA56117.DAT", K::TSKRIV), back(11)}));
    c.push_back(menu("TF5501", "Avoir", "TF550", {280, 30},
                     {ex(1, "Présent", "FRA56121.DAT", K::TSKRIV),
                      ex(2, "Imparfait", "FRA56122.DAT", K::TSKRIV),
                      ex(3, "Passé simple", "FRA56123.DAT", K::TSKRIV),
                      ex(4, "Passé composé", "FRA56124.DAT", K::TSKRIV),
                      ex(6, "Plus-que-parfait", "FRA56125.DAT", K::TSKRIV),
                      ex(7, "Futur", "FRA56126.DAT", K::TSKRIV), back(11)}));
    c.push_back(menu("TF551", "Aller", "TF55", {280, 30},
                     {ex(5, "Présent", "FRA56210.DAT", K::TSKRIV),
                      ex(1, "Passé composé", "FRA56220.DAT", K::TSKRIV), back(3)}));
    c.push_back(menu("TF552", "Regelbundna verb", "TF55", {300, 26},
                     {sub(6, "1:a konjugationen", "TF5520"), sub(7, "2:a konjugationen", "TF5521"),
                      sub(8, "3:e konjugationen", "TF5522"), back(3)}));
    c.push_back(menu("TF5520", "Första konjugationen", "TF552", {320, 26},
                     {sub(1, "Parler", "TF55200"), sub(2, "Andra verb", "TF55201"), back(7)}));
    c.push_back(menu("TF55200", "Parler", "TF5520", {280, 30},
                     {ex(1, "Présent", "FRA63111.DAT", K::TSKRIV),
                      ex(2, "Passé composé ", "FRA63112.DAT", K::TSKRIV),
                      ex(3, "Imparfait", "FRA63113.DAT", K::TSKRIV),
                      ex(4, "Passé simple", "FRA63114.DAT", K::TSKRIV),
                      ex(5, "Plus-que-parfait", "FRA63115.DAT", K::TSKRIV),
                      ex(6, "Futur", "FRA63116.DAT", K::TSKRIV), back(7)}));
    c.push_back(menu("TF55201", "Andra verb", "TF5520", {370, 30},
                     {ex(1, "Présent et passé composé", "FRA63121.DAT", K::TSKRIV),
                      ex(2, "Imparfait, plus-que-parfait et futur", "FRA63122.DAT", K::TSKRIV),
                      ex(3, "Impératif", "FRA63123.DAT", K::TSKRIV), back(4)}));
    c.push_back(menu("TF5521", "Andra konjugationen", "TF552", {320, 26},
                     {sub(1, "Finir", "TF55210"), sub(2, "Andra verb", "TF55211"), back(7)}));
    c.push_back(menu("TF55210", "Finir", "TF5521", {280, 30},
                     {ex(1, "Présent", "FRA63211.DAT", K::TSKRIV),
                      ex(2, "Passé composé ", "FRA63212.DAT", K::TSKRIV),
                      ex(3, "Imparfait", "FRA63213.DAT", K::TSKRIV),
                      ex(4, "Passé simple", "FRA63214.DAT", K::TSKRIV),
                      ex(5, "Plus-que-parfait", "FRA63215.DAT", K::TSKRIV),
                      ex(6, "Futur", "FRA63216.DAT", K::TSKRIV), back(7)}));
    c.push_back(menu("TF55211", "Andra verb", "TF5521", {370, 30},
                     {ex(1, "Présent et passé composé", "FRA63221.DAT", K::TSKRIV),
                      ex(2, "Imparfait, plus-que-parfait et futur", "FRA63222.DAT", K::TSKRIV),
                      ex(3, "Impératif", "FRA63223.DAT", K::TSKRIV), back(4)}));
    c.push_back(menu("TF5522", "Tredje konjugationen", "TF552", {400, 28},
                     {sub(1, "Vendre", "TF55220"), sub(2, "Andra verb", "TF55221"),
                      sub(3, "Konjunktiv av parler, finir och vendre", "TF55222"), back(4)}));
    c.push_back(menu("TF55220", "Vendre", "TF5522", {280, 30},
                     {ex(1, "Présent", "FRA63311.DAT", K::TSKRIV),
                      ex(2, "Passé composé ", "FRA63312.DAT", K::TSKRIV),
                      ex(3, "Imparfait", "FRA63313.DAT", K::TSKRIV),
                      ex(4, "Passé simple", "FRA63314.DAT", K::TSKRIV),
                      ex(5, "Plus-que-parfait", "FRA63315.DAT", K::TSKRIV),
                      ex(6, "Futur", "FRA63316.DAT", K::TSKRIV), back(7)}));
    c.push_back(menu("TF55221", "Andra verb", "TF5522", {370, 30},
                     {ex(1, "Présent et passé composé", "FRA63321.DAT", K::TSKRIV),
                      ex(2, "Imparfait, plus-que-parfait et futur", "FRA63322.DAT", K::TSKRIV),
                      ex(3, "Impératif", "FRA63323.DAT", K::TSKRIV), back(4)}));
    c.push_back(menu("TF55222", "Konjunktiv av parler, finir och vendre", "TF5522", {430, 23},
                     {ex(1, "Présent", "FRA63331.DAT", K::TSkrivinf),
                      ex(2, "Passé composé", "FRA63332.DAT", K::TSkrivinf), back(4)}));
    c.push_back(menu("TF553", "Passivum", "TF55", {280, 30},
                     {ex(1, "Passiv/aktiv", "FRA56410.DAT", K::TPassAkt),
                      ex(2, "Dela upp verbet 1", "FRA56420.DAT", K::TSkrivinf),
                      ex(3, "Passiv till aktiv", "FRA56430.DAT", K::TSKRIV),
                      ex(4, "Aktiv till passiv", "FRA56440.DAT", K::TSKRIV),
                      ex(5, "Dela upp verbet 2", "FRA56450.DAT", K::TSkrivinf),
                      ex(6, "Översättningsövning", "FRA56460.DAT", K::TSKRIV), back(8)}));
    c.push_back(
        menu("TF554", "Oregelbundna verb", "TF55", {390, 28},
             {ex(1, "Tema", "FRA56510.DAT", K::TFormer),
              ex(2, "Présent och passé composé", "FRA56520.DAT", K::TSKRIV),
              ex(3, "Passé composé av aller, faire, être och avoir", "FRA56114.DAT", K::TSkrivinf),
              back(7)}));
    c.push_back(menu("TF557", "Frågor", "TF55", {280, 30},
                     {ex(1, "Omvänd ordföljd", "FRA56810.DAT", K::TSKRIV),
                      ex(2, "Est-ce que", "FRA56820.DAT", K::TSKRIV),
                      ex(3, "Dubbel frågekonstruktion", "FRA56830.DAT", K::TSKRIV), back(7)}));
    c.push_back(menu(
        "TF558", "Blandade övningar", "TF55", {320, 26},
        {sub(1, "Ändra tempus", "TF5580"), ex(2, "Blandat, diverse", "FRA56920.DAT", K::TSkrivinf),
         ex(3, "Futurum", "FRA56930.DAT", K::TSkrivinf),
         ex(4, "Gérondif", "FRA56940.DAT", K::TSkrivinf),
         ex(5, "Konditionalis", "FRA56950.DAT", K::TSkrivinf),
         ex(6, "Passé composé eller futur proche", "FRA56960.DAT", K::TSkrivinf),
         ex(7, "Presens av être, avoir, aller, faire", "FRA56970.DAT", K::TSkrivinf), back(8)}));
    c.push_back(
        menu("TF5580", "Ändra tempus", "TF558", {400, 28},
             {ex(1, "Ändra passé simple till passé composé 1", "FRA56911.DAT", K::TSkrivinf),
              ex(3, "Ändra passé simple till passé composé 2", "FRA56912.DAT", K::TSkrivinf),
              ex(7, "Ändra passé simple till passé composé 3", "FRA56913.DAT", K::TSkrivinf),
              back(11)}));
    // ---- Satsdelar
    c.push_back(menu("TF57", "Satsdelar", "TF5", {280, 28},
                     {ex(1, "Predikat och subjekt", "FRA58100.DAT", K::TSats),
                      ex(2, "Ackusativobjekt", "FRA58200.DAT", K::TSats),
                      ex(3, "Ao/do", "FRA58300.DAT", K::TSats),
                      ex(4, "Ao/do/pf", "FRA58400.DAT", K::TPassAkt), back(7)}));
    return c;
}

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Flags, sizes and positions that follow from the tree.
void finish(std::vector<MenuDef>& c) {
    for (MenuDef& m : c) {
        m.grammar = m.name.starts_with("TF5");
        m.verbFont = isOneOf(m.name, {"TF5521", "TF55210", "TF55211", "TF5522", "TF55220",
                                      "TF55221", "TF55222", "TF55201"});
        m.buttonMargins =
            isOneOf(m.name, {"TF55", "TF553", "TF554", "TF557", "TF558", "TF5580", "TF57"});
        if (m.name == "TF30") {
            m.keepsColour = true;
            m.colour = 0x008080; // teal: the duel stands apart from the other menus
        }
        if (m.name == "TF21") m.worksheetDisabledButton = 3;
        if (m.name == "TF3") m.worksheetDisabledButton = 2;
        if (m.name == "TF4") m.worksheetDisabledButton = 1;
        if (m.name == "TF53") m.worksheetDisabledButton = 2;

        MenuLayout& l = m.layout;
        if (m.grammar) l.titleTop = 4;
        const int n = static_cast<int>(m.entries.size());
        l.height = l.buttonTop + n * l.buttonStep - (l.buttonStep - l.buttonHeight) + kBottomMargin;
    }
    // Each menu is shown a little below and to the right of the menu that opens it (the first
    // ones of the main menu in the screen's centre), so that it covers part of it and the path
    // stays visible.
    for (MenuDef& m : c) {
        int depth = 1;
        for (std::string_view p = m.parent; !p.empty(); ++depth) {
            auto it =
                std::find_if(c.begin(), c.end(), [p](const MenuDef& d) { return d.name == p; });
            p = it == c.end() ? std::string_view() : it->parent;
        }
        m.depth = depth;
        m.layout.offsetX = depth * 32;
        m.layout.offsetY = depth * 30 - 10;
    }
}

} // namespace

const std::vector<MenuDef>& menuCatalogue() {
    static const std::vector<MenuDef> catalogue = [] {
        std::vector<MenuDef> c = build();
        finish(c);
        return c;
    }();
    return catalogue;
}

const MenuDef* findMenu(std::string_view name) {
    for (const MenuDef& m : menuCatalogue())
        if (m.name == name) return &m;
    return nullptr;
}

const MenuEntry* findEntry(const MenuDef& menu, int button) {
    for (const MenuEntry& e : menu.entries)
        if (e.button == button) return &e;
    return nullptr;
}

const MenuEntry* backEntry(const MenuDef& menu) {
    for (const MenuEntry& e : menu.entries)
        if (e.action == EntryAction::Back) return &e;
    return nullptr;
}

std::vector<CatalogueExercise> catalogueExercises() {
    std::vector<CatalogueExercise> out;
    for (const MenuDef& m : menuCatalogue())
        for (const MenuEntry& e : m.entries)
            if (e.action == EntryAction::Exercise) out.push_back({&m, &e});
    return out;
}

std::optional<DiagnosisTask> diagnosisTask(int task) {
    if (task < 1 || task > kDiagnosisTasksWithFiles) return std::nullopt;
    const std::string nn = (task < 10 ? "0" : "") + std::to_string(task);
    DiagnosisTask t;
    t.task = task;
    t.testFile = "FRDI" + nn + ".DAT";
    t.followUpFile = "FROVN1" + nn + ".DAT";
    switch (task) {
    case 5:
    case 14:
    case 17: t.window = WindowKind::TSkrivinf; break;
    case 6: t.window = WindowKind::TFLERBAR; break;
    case 8: t.window = WindowKind::Tskriv2; break;
    case 12: t.window = WindowKind::TFormer; break;
    default: t.window = WindowKind::TSKRIV; break;
    }
    return t;
}

std::optional<WindowKind> windowKindByName(std::string_view name) {
    for (int k = static_cast<int>(WindowKind::TSKRIV);
         k <= static_cast<int>(WindowKind::TRegelform); ++k) {
        auto kind = static_cast<WindowKind>(k);
        if (name == windowKindName(kind)) return kind;
    }
    return std::nullopt;
}

std::optional<WindowKind> exerciseWindowFor(std::string_view fileName) {
    auto same = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            char x = a[i], y = b[i];
            if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
            if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
            if (x != y) return false;
        }
        return true;
    };
    for (const CatalogueExercise& e : catalogueExercises())
        if (same(e.entry->target, fileName)) return e.entry->window;
    for (int task = 1; task <= kDiagnosisTasksWithFiles; ++task) {
        std::optional<DiagnosisTask> t = diagnosisTask(task);
        if (t && (same(t->testFile, fileName) || same(t->followUpFile, fileName))) return t->window;
    }
    return std::nullopt;
}

} // namespace orvela
