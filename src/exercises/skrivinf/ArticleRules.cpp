// The rule texts program 51110 shows after a wrong answer, by the rule number in field 3.

#include "TSkrivinf.h"

namespace orvela {

std::vector<const char*> TSkrivinf::articleRule(int rule) {
    switch (rule) {
    case 1:
        return {"Substantivet har i regel bestämd artikel, när det", "följs av ett de-uttryck."};
    case 2:
        return {"Substantiv i allmän betydelse får bestämd artikel.",
                "Särskilt vanligt är detta vid aimer, aimer mieux,",
                "adorer (dyrka, älska), détester (avsky), préférer (föredra),",
                "supporter (stå ut med, tåla), craindre (vara rädd för, sky)."};
    case 3:
        return {"Bestämd artikel står före titel + egennamn. Gäller",
                "inte monsieur, madame och mademoiselle."};
    case 4:
        return {"Namn på väderstreck, vetenskaper och sjukdomar ska", "ha bestämd artikel.",
                "Gäller även språk utom efter prepositionen en.",
                "Vid verbet parler saknas ofta bestämd artikel."};
    case 5:
        return {"Bestämd artikel används framför namn på årstider,",
                "veckodagar och delar av dagen."};
    case 6:
        return {"Världsdelar, länder, landskap, hav, sjöar, berg och floder",
                "har bestämd artikel.",
                "Undantag: Om geografiska namnet föregås av prepositionen en.",
                "T.ex. Till Frankrike - en France. ", "Städer och orter ska inte ha artikel."};
    case 7:
        return {"Bestämd artikel sätts framför efternamn, när man",
                "avser hela familjen. Namnet får inte pluraländelse,",
                "som i engelskan (the Smiths), men predikatet står i", "plural."};
    case 8:
        return {"Bestämd artikel sätts före uttryck för vikt och längd (s.k. måttsord).",
                "T.ex. 20 euros le kilo. Jämför \"20 kr kilot\".",
                "På samma sätt anges lön per timme (månad) etc."};
    case 9:
        return {"Efter prep. en (= i, på, till) har inte feminina ", "geografiska namn artikel.  ",
                "Ex.: Till Frankrike - en France. ",
                "Tips: Feminina geografiska namn slutar på stumt e."};
    case 10:
        return {"Vid maskulina geografiska namn används prepositionen ",
                "à + den bestämda artikeln le, t ex au Danemark."};
    case 11:
        return {"För att ange att något brukar ske eller upprepas ska ",
                "bestämd artikel i singularis stå före namn på:",
                "Veckodagar, del av dagen och årstider.",
                "Ex.: På tisdagarna - le mardi. På vintrarna - l'hiver"};
    default: return {};
    }
}

} // namespace orvela
