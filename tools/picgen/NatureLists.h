#pragma once
// The drawings of the plant and animal files, one per item in the order of the file's items.

#include <QPainter>

#include <functional>
#include <vector>

namespace picgen::nature {

using Drawing = std::function<void(QPainter&)>;

std::vector<Drawing> birdDrawings();          // FRA21510
std::vector<Drawing> mammalDrawings();        // FRA21520
std::vector<Drawing> farmAnimalDrawings();    // FRA21530
std::vector<Drawing> fishAndReptileDrawings(); // FRA21540
std::vector<Drawing> insectDrawings();        // FRA21550
std::vector<Drawing> wildPlantDrawings();     // FRA21410
std::vector<Drawing> gardenPlantDrawings();   // FRA21420
std::vector<Drawing> treeDrawings();          // FRA21430
std::vector<Drawing> fruitDrawings();         // FRA21440

} // namespace picgen::nature
