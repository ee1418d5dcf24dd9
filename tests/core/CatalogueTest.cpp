// The exercise catalogue: the menu tree, the file and window of the entries, the per-menu flags
// and layout, and the diagnosis tasks. (Every entry is also walked in the windows, MenuTreeTest.)

#include "Catalogue.h"

#include "Shell.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace orvela;

TEST(CatalogueTree, EveryMenuIsReachedOnceAndItsParentAndDepthAreTheMenuThatOpensIt) {
    std::vector<std::string_view> todo = {"TF1", "TF2", "TF3", "TF4", "TF5"};
    std::set<std::string_view> seen;
    for (std::string_view top : todo) {
        EXPECT_TRUE(findMenu(top)->parent.empty());
        EXPECT_EQ(findMenu(top)->depth, 1);
    }
    while (!todo.empty()) {
        const MenuDef* m = findMenu(todo.back());
        todo.pop_back();
        ASSERT_NE(m, nullptr);
        EXPECT_TRUE(seen.insert(m->name).second) << m->name << " is opened twice";
        for (const MenuEntry& e : m->entries) {
            if (e.action != EntryAction::SubMenu) continue;
            const MenuDef* child = findMenu(e.target);
            ASSERT_NE(child, nullptr) << e.target << " is opened but does not exist";
            EXPECT_EQ(child->parent, m->name) << child->name;
            EXPECT_EQ(child->depth, m->depth + 1) << child->name;
            todo.push_back(e.target);
        }
    }
    EXPECT_EQ(seen.size(), menuCatalogue().size()) << "every menu is reachable";
    EXPECT_EQ(seen.size(), 44u);
}

TEST(CatalogueTree, ButtonsAreUniqueAndOneBackButtonEndsEachColumn) {
    for (const MenuDef& m : menuCatalogue()) {
        SCOPED_TRACE(std::string(m.name));
        std::set<int> numbers;
        int backs = 0;
        for (const MenuEntry& e : m.entries) {
            EXPECT_TRUE(numbers.insert(e.button).second) << "Button" << e.button;
            EXPECT_TRUE(e.button >= 1 && e.button <= 11) << e.button;
            backs += e.action == EntryAction::Back;
        }
        EXPECT_EQ(backs, 1);
        ASSERT_EQ(backEntry(m), &m.entries.back());
        EXPECT_EQ(backEntry(m)->caption, m.depth == 1 ? "Till huvudmenyn" : "Till föregående meny");
    }
    // The column runs in the designed order, not in the order of the button numbers.
    std::vector<int> tf540;
    for (const MenuEntry& e : findMenu("TF540")->entries)
        tf540.push_back(e.button);
    EXPECT_EQ(tf540, (std::vector<int>{1, 2, 4, 5, 6, 8, 9, 3}));
}

TEST(CatalogueEntries, FilesWindowsAndProgramNumbersByAction) {
    std::map<std::string_view, WindowKind> kindOf;
    std::map<std::string_view, int> uses;
    for (const MenuDef& m : menuCatalogue()) {
        for (const MenuEntry& e : m.entries) {
            SCOPED_TRACE(std::string(m.name) + " " + std::string(e.caption));
            switch (e.action) {
            case EntryAction::Exercise: {
                EXPECT_TRUE(e.target.starts_with("FRA") && e.target.ends_with(".DAT") &&
                            e.target.size() == 12u);
                auto [it, fresh] = kindOf.emplace(e.target, e.window);
                EXPECT_TRUE(fresh || it->second == e.window)
                    << "a data file runs in one window kind only";
                ++uses[e.target];
                break;
            }
            case EntryAction::Vocabulary: // only the two "Glosor" entries go without a file
                EXPECT_EQ(m.name, "TF21");
                EXPECT_EQ(e.window, WindowKind::TDinaOrd);
                EXPECT_EQ(e.programNumber, e.button == 1 ? 1001 : 1002);
                break;
            case EntryAction::Window: // and the France entries
                EXPECT_EQ(m.name, "TF1");
                EXPECT_TRUE(e.target.empty());
                break;
            default: break;
            }
        }
    }
    EXPECT_EQ(catalogueExercises().size(), 136u);
    for (auto [file, n] : uses)
        EXPECT_EQ(n, 1) << file;
    // The "Andra verb" entry of the third conjugation has its own file, not the passé composé
    // of "Vendre" above it.
    EXPECT_EQ(findEntry(*findMenu("TF55220"), 2)->target, "FRA63312.DAT");
    EXPECT_EQ(findEntry(*findMenu("TF55221"), 2)->target, "FRA63322.DAT");
}

TEST(CatalogueFlags, WorksheetModeDisablesOneEntryInFourMenusAndGrammarIsTF5AndBelow) {
    std::map<std::string_view, int> disabled;
    std::set<std::string_view> grammar, belowTF5;
    for (const MenuDef& m : menuCatalogue()) {
        if (m.worksheetDisabledButton) disabled[m.name] = m.worksheetDisabledButton;
        if (m.grammar) grammar.insert(m.name);
        const MenuDef* p = &m;
        while (p && !p->parent.empty())
            p = findMenu(p->parent);
        if (p && p->name == "TF5") belowTF5.insert(m.name);
    }
    EXPECT_EQ(disabled,
              (std::map<std::string_view, int>{{"TF21", 3}, {"TF3", 2}, {"TF4", 1}, {"TF53", 2}}));
    EXPECT_EQ(findEntry(*findMenu("TF21"), 3)->caption, "Lite biologi");
    EXPECT_EQ(grammar, belowTF5);
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
    EXPECT_EQ(diagnosisTask(18)->followUpFile, "FROVN118.DAT");
    for (int k : {0, 19, -1})
        EXPECT_FALSE(diagnosisTask(k)) << k;
}
