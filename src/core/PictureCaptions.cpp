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
    {"La baie des Anges, Nice", "Un vrai Français"},
    {"Une fontaine de Versailles", {}},
    {"Le mont Blanc", "La tour Eiffel et Notre-Dame"},
    {"Une maison de campagne", {}},
    {"Les jardins de Versailles", {}},
    {"Le Panthéon", {}},
    {"Moulin Rouge, Pigalle, 18e arrondissement, Paris", "Les Trois Mousquetaires"},
    {"Napoléon", {}},
    {"Cyrano de Bergerac", {}},
    {"Le Champ-de-Mars et la tour Eiffel", "Versailles, la fontaine de Latone"},
    {"La basilique du Sacré-Cœur et la Vénus de Milo, le Louvre", {}},
    {"Statues, le Louvre", {}},
    {"Magasin d'alimentation, place de la Madeleine", {}},
    {"La tour Eiffel, l'Arc de Triomphe et le dôme des Invalides", {}},
    {"Versailles, le palais et les parterres", {}},
    {"Versailles, la fontaine de Latone", "Le Château de Fontainebleau"},
    {"Une plage près de Morgat", {}},
    {"Mont-Saint-Michel", {}},
    {"Cimetière militaire près d'Arras", {}},
    {"Des champignons de couche cultivés en grotte", {}},
    {"Château de Losse près de la Vézère, Dordogne", {}},
    {"Des fromages, Auvergne", {}},
    {"Carcassonne, les remparts de la ville", {}},
    {"Des taureaux sauvages en Camargue", {}},
    {"Pont du Gard, un aqueduc romain sur le Gardon",
     "Pont du Gard, un aqueduc romain à près de 50 mètres au-dessus du Gardon"},
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
