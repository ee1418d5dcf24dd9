#pragma once
// The candidates of a choice-tile item (the classification exercise): the right answer in field 2
// and up to five more in fields 3-7, shown on tiles in ascending order of character codes, and
// the worksheet's way of writing out an abbreviated answer.

#include "AnsiText.h"
#include "OneBased.h"
#include "SharedState.h"

#include <vector>

namespace orvela {

class ChoiceTiles {
public:
    static constexpr std::size_t kMaxTiles = 6;
    static constexpr std::size_t kTileTextLength = 30;

    struct Tile {
        AnsiText text;  // the whole candidate, as the data file gives it
        bool right = false;
        // The candidate as its tile shows it (cut to 30 characters).
        AnsiText caption() const;
    };

    // The tiles of an item. The list ends at the first empty (or blank) field or at a field that
    // begins with "£", and holds at most six candidates. A tile is right when its whole candidate
    // is the right answer, so a right answer longer than a tile is still answerable. An item
    // whose right answer is missing gives no tiles.
    static ChoiceTiles fromFields(const OneBased<AnsiText, kMaxItemFields>& fields);

    const std::vector<Tile>& tiles() const { return tiles_; }
    std::size_t size() const { return tiles_.size(); }
    bool empty() const { return tiles_.empty(); }
    // 0-based index of the first right tile, or -1.
    int rightIndex() const;
    // How many candidate fields the item has beyond the six that get a tile.
    int unshownCandidates() const { return unshown_; }

    // Ascending by character codes, byte by byte (capitals before small letters, accented and
    // Swedish letters after z).
    static bool byCharacterCode(const AnsiText& a, const AnsiText& b);
    // Whether a field ends the candidate list.
    static bool endsList(const AnsiText& field);

    // The worksheet's answer: an abbreviation written out ("PRED.F." gives "predikatsfyllnad",
    // "Ack." gives "ackusativ" ...), a text that already begins with the word it would become left
    // as it is; with `capitalise` the first letter raised.
    static AnsiText expandAbbreviation(const AnsiText& text, bool capitalise);

private:
    std::vector<Tile> tiles_;
    int unshown_ = 0;
};

} // namespace orvela
