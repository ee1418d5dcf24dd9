#include "PictureCaptions.h"

#include <array>

namespace orvela {

namespace {

struct Caption {
    std::string_view start;
    std::string_view reward; // empty: same as start
};

constexpr std::array<Caption, kPictureCount> kCaptions = {{
    {"L'Arc de Triomphe", {}},
    {"La Baie des Anges, Cannes", "Un vrai Français"},
    {"Une fontaine de Versailles", {}},
    {"Mont-Blanc", "La Tour Eiffel et Notre Dame"},
    {"Une maison de campagne", {}},
    {"Le Jardin de Versailles", {}},
    {"Le Panthéon", {}},
    {"Moulin Rouge, Pigalle, 18:e arrondissement, Paris", "Les trois Mousquetaires"},
    {"Napoléon", {}},
    {"Cyrano de Bergerac", {}},
    {"Le Champ de Mars et La Tour Eiffel", "Versailles, Le Fontaine de Latona"},
    {"Le basilique du Sacré-Coeur et Vénus de Milo, le Louvre", {}},
    {"Statues, le Louvre", {}},
    {"Magasin d'alimentation, Place de la Madeleine", {}},
    {"La Tour Eiffel, L'Arc de Triomphe et le Dôme des Invalides", {}},
    {"Versailles, le palais et les parterres", {}},
    {"Versailles, La Fontaine de Latona", "Le Chateau de Fontainebleau"},
    {"Un plage près de Morgat", {}},
    {"Mont-Saint-Michel", {}},
    {"Cimetière militaire près d'Arras", {}},
    {"Des champignons de couche en grottes", {}},
    {"Château de Lusse près de fleuve Vézère, Dordogne", {}},
    {"Des fromages, Auvergne", {}},
    {"Carcassonne, le mur de la ville", {}},
    {"Des taureaux sauvages en Camargue", {}},
    {"Pont du Gard, un aqueduc romain sur le fleuve Gardon",
     "Pont du Gard, un aqueduc romain 50 mètres au-dessus du fleuve Gardon"},
    {"Mont Aurélien, des vignes", {}},
    {"Saint-Tropez, la vue d'un artiste", {}},
    {"Nice, des plages privées", {}},
    {"Fort la Latte", {}},
}};

} // namespace

std::string_view pictureCaptionUtf8(int n, bool startPicture) {
    if (n < 1 || n > kPictureCount) return {};
    const Caption& c = kCaptions[static_cast<std::size_t>(n - 1)];
    return (startPicture || c.reward.empty()) ? c.start : c.reward;
}

} // namespace orvela
