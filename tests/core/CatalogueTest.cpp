// The exercise catalogue: the menu tree, exact captions, the file and window of every entry, the
// per-menu flags and layout, and the diagnosis tasks.

#include "Catalogue.h"

#include "Shell.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace orvela;

namespace {

// The menus reachable from the five menus of the main window, each once.
std::vector<const MenuDef*> reachableMenus() {
    std::vector<const MenuDef*> out;
    std::vector<std::string_view> todo = {"TF1", "TF2", "TF3", "TF4", "TF5"};
    std::set<std::string_view> seen;
    while (!todo.empty()) {
        std::string_view name = todo.front();
        todo.erase(todo.begin());
        if (!seen.insert(name).second) continue;
        const MenuDef* m = findMenu(name);
        EXPECT_NE(m, nullptr) << "menu " << name << " is opened but does not exist";
        if (!m) continue;
        out.push_back(m);
        for (const MenuEntry& e : m->entries)
            if (e.action == EntryAction::SubMenu) todo.push_back(e.target);
    }
    return out;
}

} // namespace

TEST(CatalogueTree, EveryReachableMenuExistsAndEveryMenuIsReachable) {
    std::vector<const MenuDef*> reachable = reachableMenus();
    EXPECT_EQ(reachable.size(), menuCatalogue().size());
    EXPECT_EQ(menuCatalogue().size(), 44u);
    std::set<std::string_view> names;
    for (const MenuDef& m : menuCatalogue())
        EXPECT_TRUE(names.insert(m.name).second) << m.name;
}

TEST(CatalogueTree, ParentsAreTheMenusThatOpenThem) {
    for (const MenuDef& m : menuCatalogue()) {
        for (const MenuEntry& e : m.entries) {
            if (e.action != EntryAction::SubMenu) continue;
            const MenuDef* child = findMenu(e.target);
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(child->parent, m.name) << child->name;
            EXPECT_EQ(child->depth, m.depth + 1) << child->name;
        }
    }
    for (std::string_view top : {"TF1", "TF2", "TF3", "TF4", "TF5"}) {
        EXPECT_TRUE(findMenu(top)->parent.empty());
        EXPECT_EQ(findMenu(top)->depth, 1);
    }
}

TEST(CatalogueTree, EveryMenuHasExactlyOneBackButtonWithTheRightCaption) {
    for (const MenuDef& m : menuCatalogue()) {
        SCOPED_TRACE(std::string(m.name));
        int backs = 0;
        for (const MenuEntry& e : m.entries)
            backs += e.action == EntryAction::Back;
        EXPECT_EQ(backs, 1);
        const MenuEntry* back = backEntry(m);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->caption, m.depth == 1 ? "Till huvudmenyn" : "Till föregående meny");
        EXPECT_EQ(&m.entries.back(), back) << "the back button ends the column";
    }
}

TEST(CatalogueTree, ButtonNumbersAreUniqueAndAtMostEleven) {
    for (const MenuDef& m : menuCatalogue()) {
        std::set<int> numbers;
        for (const MenuEntry& e : m.entries) {
            EXPECT_TRUE(numbers.insert(e.button).second) << m.name << " Button" << e.button;
            EXPECT_GE(e.button, 1);
            EXPECT_LE(e.button, 11);
        }
    }
}

TEST(CatalogueEntries, CaptionsTargetsAndWindowsAreExact) {
    struct Case {
        const char* menu;
        int button;
        const char* caption;
        EntryAction action;
        const char* target;
        WindowKind window;
    } cases[] = {
        {"TF1", 3, "Nationalsång", EntryAction::Window, "", WindowKind::THymn},
        {"TF2", 3, "Rubriken", EntryAction::Exercise, "FRA24000.DAT", WindowKind::TSKRIV},
        {"TF21", 3, "Lite biologi", EntryAction::SubMenu, "TF213", WindowKind::Menu},
        {"TF2133", 6, "Småkryp", EntryAction::Exercise, "FRA21560.DAT", WindowKind::TSKRIV},
        {"TF2132", 11, "Till föregående meny", EntryAction::Back, "", WindowKind::Menu},
        {"TF3", 2, "Intonation", EntryAction::Exercise, "FRA32000.DAT", WindowKind::TDiktam},
        {"TF501", 2, "Övning 1", EntryAction::Exercise, "FRA51230.DAT", WindowKind::TSKRIV},
        {"TF501", 1, "Övning 2", EntryAction::Exercise, "FRA51210.DAT", WindowKind::TSkrivinf},
        {"TF540", 5, "Objektsform  blandat 1", EntryAction::Exercise, "FRA55140.DAT",
         WindowKind::TSkrivinf},
        {"TF540", 3, "Till föregående meny", EntryAction::Back, "", WindowKind::Menu},
        {"TF5500", 5, "Passé composé ", EntryAction::Exercise, "FRA56115.DAT",
         WindowKind::TSkrivinf},
        {"TF5501", 4, "Passé composé", EntryAction::Exercise, "FRA56124.DAT", WindowKind::TSKRIV},
        {"TF551", 5, "Présent", EntryAction::Exercise, "FRA56210.DAT", WindowKind::TSKRIV},
        {"TF552", 8, "3:e konjugationen", EntryAction::SubMenu, "TF5522", WindowKind::Menu},
        {"TF55220", 2, "Passé composé ", EntryAction::Exercise, "FRA63312.DAT", WindowKind::TSKRIV},
        {"TF55221", 2, "Imparfait, plus-que-parfait et futur", EntryAction::Exercise,
         "FRA63312.DAT", WindowKind::TSKRIV},
        {"TF554", 3, "Passé composé av aller, faire, être och avoir", EntryAction::Exercise,
         "FRA56114.DAT", WindowKind::TSkrivinf},
        {"TF5580", 7, "Ändra passé till compose 3", EntryAction::Exercise, "FRA56913.DAT",
         WindowKind::TSkrivinf},
        {"TF53", 2, "Klockan", EntryAction::Exercise, "FRA54200.DAT", WindowKind::TKlockan},
        {"TF57", 4, "Ao/do/pf", EntryAction::Exercise, "FRA58400.DAT", WindowKind::TPassAkt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.menu) + " Button" + std::to_string(c.button));
        const MenuDef* m = findMenu(c.menu);
        ASSERT_NE(m, nullptr);
        const MenuEntry* e = findEntry(*m, c.button);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->caption, c.caption);
        EXPECT_EQ(e->action, c.action);
        EXPECT_EQ(e->target, c.target);
        EXPECT_EQ(e->window, c.window);
    }
}

TEST(CatalogueEntries, TitlesAreExact) {
    std::map<std::string_view, std::string_view> titles = {
        {"TF21", "Ordförrådet"},       {"TF5520", "Första konjugationen"},
        {"TF554", "Oregelbunda verb"}, {"TF55222", "Konjunktiv av parler, finir et futur"},
        {"TF5580", "Ändra tempus"},    {"TF550", "Être och avoir"},
    };
    for (auto [name, title] : titles)
        EXPECT_EQ(findMenu(name)->title, title) << name;
}

TEST(CatalogueEntries, ColumnOrderIsTheDesignedOrderNotTheButtonNumbers) {
    auto numbers = [](std::string_view name) {
        std::vector<int> out;
        for (const MenuEntry& e : findMenu(name)->entries)
            out.push_back(e.button);
        return out;
    };
    EXPECT_EQ(numbers("TF501"), (std::vector<int>{2, 1, 3, 4}));
    EXPECT_EQ(numbers("TF540"), (std::vector<int>{1, 2, 4, 5, 6, 8, 9, 3}));
    EXPECT_EQ(numbers("TF552"), (std::vector<int>{6, 7, 8, 3}));
}

TEST(CatalogueEntries, WindowKindCountsMatchTheCatalogue) {
    std::map<WindowKind, int> counts;
    for (const MenuDef& m : menuCatalogue())
        for (const MenuEntry& e : m.entries)
            if (e.action != EntryAction::SubMenu && e.action != EntryAction::Back)
                ++counts[e.window];
    const std::map<WindowKind, int> expected = {
        {WindowKind::TSKRIV, 58},   {WindowKind::TSkrivinf, 36}, {WindowKind::Tskriv2, 1},
        {WindowKind::TDiktam, 7},   {WindowKind::TBilden, 7},    {WindowKind::TFLERBAR, 2},
        {WindowKind::TSats, 3},     {WindowKind::TFormer, 1},    {WindowKind::TPassAkt, 3},
        {WindowKind::TStegran, 1},  {WindowKind::TKlockan, 1},   {WindowKind::TDinaOrd, 2},
        {WindowKind::TFalska, 3},   {WindowKind::Tavsloj, 1},    {WindowKind::Thoroskop, 1},
        {WindowKind::Tberaetta, 1}, {WindowKind::TSpeed, 1},     {WindowKind::TBildvis, 9},
        {WindowKind::TKarta, 1},    {WindowKind::TFlagga, 1},    {WindowKind::THymn, 1},
    };
    EXPECT_EQ(counts, expected);
}

TEST(CatalogueEntries, OnlyTheVocabularyAndFranceEntriesGoWithoutAFile) {
    for (const MenuDef& m : menuCatalogue()) {
        for (const MenuEntry& e : m.entries) {
            SCOPED_TRACE(std::string(m.name) + " " + std::string(e.caption));
            switch (e.action) {
            case EntryAction::Exercise:
                EXPECT_TRUE(e.target.starts_with("FRA") && e.target.ends_with(".DAT"));
                EXPECT_EQ(e.target.size(), 12u);
                break;
            case EntryAction::Vocabulary:
                EXPECT_EQ(m.name, "TF21");
                EXPECT_EQ(e.window, WindowKind::TDinaOrd);
                EXPECT_EQ(e.programNumber, e.button == 1 ? 1001 : 1002);
                break;
            case EntryAction::Window:
                EXPECT_EQ(m.name, "TF1");
                EXPECT_TRUE(e.target.empty());
                break;
            default: break;
            }
        }
    }
}

TEST(CatalogueEntries, ADataFileRunsInOneWindowKindOnly) {
    std::map<std::string_view, WindowKind> kindOf;
    std::map<std::string_view, int> uses;
    for (const CatalogueExercise& x : catalogueExercises()) {
        auto [it, fresh] = kindOf.emplace(x.entry->target, x.entry->window);
        EXPECT_TRUE(fresh || it->second == x.entry->window) << x.entry->target;
        ++uses[x.entry->target];
    }
    EXPECT_EQ(catalogueExercises().size(), 136u);
    for (auto [file, n] : uses)
        EXPECT_EQ(n, file == "FRA63312.DAT" ? 2 : 1) << file;
}

TEST(CatalogueFlags, WorksheetModeDisablesOneEntryInFourMenus) {
    std::map<std::string_view, int> disabled;
    for (const MenuDef& m : menuCatalogue())
        if (m.worksheetDisabledButton) disabled[m.name] = m.worksheetDisabledButton;
    EXPECT_EQ(disabled,
              (std::map<std::string_view, int>{{"TF21", 3}, {"TF3", 2}, {"TF4", 1}, {"TF53", 2}}));
    EXPECT_EQ(findEntry(*findMenu("TF21"), 3)->caption, "Lite biologi");
    EXPECT_EQ(findEntry(*findMenu("TF53"), 2)->caption, "Klockan");
}

TEST(CatalogueFlags, GrammarVerbFontMarginsAndColour) {
    std::set<std::string_view> grammar, verb, margins, keeps;
    for (const MenuDef& m : menuCatalogue()) {
        if (m.grammar) grammar.insert(m.name);
        if (m.verbFont) verb.insert(m.name);
        if (m.buttonMargins) margins.insert(m.name);
        if (m.keepsColour) keeps.insert(m.name);
    }
    // The grammar menus are TF5 and everything below it.
    std::set<std::string_view> belowTF5;
    for (const MenuDef& m : menuCatalogue()) {
        const MenuDef* p = &m;
        while (p && !p->parent.empty())
            p = findMenu(p->parent);
        if (p && p->name == "TF5") belowTF5.insert(m.name);
    }
    EXPECT_EQ(grammar, belowTF5);
    EXPECT_EQ(grammar.size(), 33u);
    EXPECT_EQ(verb, (std::set<std::string_view>{"TF5521", "TF55210", "TF55211", "TF5522", "TF55220",
                                                "TF55221", "TF55222", "TF55201"}));
    EXPECT_EQ(margins, (std::set<std::string_view>{"TF55", "TF553", "TF554", "TF557", "TF558",
                                                   "TF5580", "TF57"}));
    EXPECT_EQ(keeps, (std::set<std::string_view>{"TF30"}));
    EXPECT_NE(findMenu("TF30")->colour, 0x000080u) << "the duel has a colour of its own";
}

TEST(CatalogueLayout, SizesGrowWithTheButtonsAndSubMenusCascade) {
    for (const MenuDef& m : menuCatalogue()) {
        SCOPED_TRACE(std::string(m.name));
        const MenuLayout& l = m.layout;
        EXPECT_GE(l.width, 260);
        EXPECT_LE(l.width, 400);
        EXPECT_GE(l.height, 176);
        EXPECT_LE(l.height, 432);
        EXPECT_GE(l.titleHeight, 24);
        EXPECT_LE(l.titleHeight, 30);
        EXPECT_EQ(l.titleTop, m.grammar ? 4 : 12);
        const int n = static_cast<int>(m.entries.size());
        EXPECT_LE(l.buttonTop + (n - 1) * l.buttonStep + l.buttonHeight, l.height - 8)
            << "the last button stays inside the window";
        EXPECT_GE(l.buttonTop, l.titleTop + l.titleHeight + 4) << "buttons start below the title";
        if (const MenuDef* parent = findMenu(m.parent)) {
            EXPECT_GT(l.offsetX, parent->layout.offsetX);
            EXPECT_GT(l.offsetY, parent->layout.offsetY);
            EXPECT_LT(l.offsetX - parent->layout.offsetX, parent->layout.width / 4)
                << "a sub-menu covers most of its parent";
        }
    }
    EXPECT_LT(findMenu("TF53")->layout.height, findMenu("TF55")->layout.height);
}

TEST(CatalogueLookups, UnknownNamesAndButtons) {
    EXPECT_EQ(findMenu("TF6"), nullptr);
    EXPECT_EQ(findMenu(""), nullptr);
    EXPECT_EQ(findEntry(*findMenu("TF2"), 2), nullptr);
    EXPECT_EQ(windowKindByName("TSkrivinf"), WindowKind::TSkrivinf);
    EXPECT_EQ(windowKindByName("TFLERBAR"), WindowKind::TFLERBAR);
    EXPECT_EQ(windowKindByName("tskriv"), std::nullopt) << "names are spelt exactly";
    EXPECT_EQ(windowKindByName("Menu"), std::nullopt);
}

TEST(DiagnosisTasks, FilesAndWindowsByTask) {
    const std::map<int, WindowKind> special = {
        {5, WindowKind::TSkrivinf}, {14, WindowKind::TSkrivinf}, {17, WindowKind::TSkrivinf},
        {6, WindowKind::TFLERBAR},  {8, WindowKind::Tskriv2},    {12, WindowKind::TFormer}};
    for (int k = 1; k <= 18; ++k) {
        std::optional<DiagnosisTask> t = diagnosisTask(k);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->task, k);
        auto it = special.find(k);
        EXPECT_EQ(t->window, it == special.end() ? WindowKind::TSKRIV : it->second) << k;
        EXPECT_EQ(Shell::GeProgramtal(AnsiText::ascii(t->testFile)), k);
        EXPECT_EQ(Shell::GeProgramtal(AnsiText::ascii(t->followUpFile)), 100 + k);
    }
    EXPECT_EQ(diagnosisTask(1)->testFile, "FRDI01.DAT");
    EXPECT_EQ(diagnosisTask(1)->followUpFile, "FROVN101.DAT");
    EXPECT_EQ(diagnosisTask(18)->testFile, "FRDI18.DAT");
    EXPECT_EQ(diagnosisTask(18)->followUpFile, "FROVN118.DAT");
    for (int k : {0, 19, 20, -1})
        EXPECT_FALSE(diagnosisTask(k)) << k;
}
