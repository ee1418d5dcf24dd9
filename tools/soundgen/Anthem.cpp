// The melody of the first verse of La Marseillaise (in G major), played on a soft organ-like
// voice with a little vibrato.

#include "Sounds.h"


namespace soundgen {

namespace {

struct Note {
    const char* name; // "-" is a rest
    double beats;
};

// Quarter note = one beat.
const Note kVerse[] = {
    // Allons enfants de la Patrie,
    {"D4", 0.75}, {"D4", 0.25}, {"G4", 1}, {"G4", 1}, {"A4", 1}, {"A4", 1},
    {"D5", 1.5}, {"B4", 0.5}, {"G4", 0.75}, {"G4", 0.25},
    // le jour de gloire est arrivé !
    {"B4", 0.75}, {"G4", 0.25}, {"E4", 1}, {"C5", 2}, {"A4", 0.75}, {"F#4", 0.25}, {"G4", 2}, {"-", 1},
    // Contre nous de la tyrannie
    {"G4", 0.75}, {"A4", 0.25}, {"B4", 1}, {"B4", 1}, {"B4", 1}, {"C5", 0.75}, {"B4", 0.25},
    {"B4", 1}, {"A4", 1}, {"-", 1},
    // l'étendard sanglant est levé,
    {"A4", 0.75}, {"B4", 0.25}, {"C5", 1}, {"C5", 1}, {"C5", 1}, {"D5", 0.75}, {"C5", 0.25},
    {"B4", 2}, {"-", 1},
    // l'étendard sanglant est levé !
    {"D5", 0.75}, {"D5", 0.25}, {"D5", 1}, {"B4", 0.75}, {"G4", 0.25}, {"D5", 1}, {"B4", 0.75}, {"G4", 0.25},
    {"D4", 2}, {"-", 0.5}, {"D4", 0.75}, {"D4", 0.25},
    // Entendez-vous dans les campagnes
    {"F#4", 2}, {"A4", 1}, {"C5", 1.5}, {"A4", 0.5}, {"F#4", 1}, {"A4", 1}, {"G4", 2}, {"F4", 1},
    {"E4", 1}, {"G4", 1.5}, {"G4", 0.5}, {"G4", 1}, {"F#4", 0.75}, {"G4", 0.25}, {"A4", 2}, {"-", 1},
    // Aux armes, citoyens ! Formez vos bataillons !
    {"B4", 1.5}, {"B4", 0.5}, {"B4", 0.75}, {"C5", 0.25}, {"D5", 2}, {"-", 1},
    {"C5", 0.75}, {"B4", 0.25}, {"A4", 2}, {"-", 1},
    // Marchons, marchons ! Qu'un sang impur abreuve nos sillons !
    {"D5", 2}, {"B4", 0.75}, {"G4", 0.25}, {"D5", 2}, {"B4", 0.75}, {"G4", 0.25},
    {"D4", 1}, {"G4", 1}, {"B4", 1}, {"A4", 1.5}, {"G4", 0.5}, {"G4", 3},
};

constexpr double kBeat = 0.5; // seconds: a march at 120 beats a minute

} // namespace

Buffer anthem() {
    double total = 0;
    for (const Note& n : kVerse) total += n.beats * kBeat;
    Buffer b(total + 1.0);
    double t = 0.2;
    for (const Note& n : kVerse) {
        const double length = n.beats * kBeat;
        if (n.name[0] != '-') {
            Tone tone;
            tone.start = t;
            tone.length = length * 0.92;
            tone.fromHz = tone.toHz = noteHz(n.name);
            tone.volume = 0.5;
            tone.attack = 0.02;
            tone.release = 0.06;
            tone.harmonics = {1.0, 0.5, 0.3, 0.15, 0.08};
            tone.vibratoHz = 5;
            tone.vibratoDepth = 0.004;
            b.add(tone);
            // A lower voice an octave below gives the tune some body.
            tone.fromHz = tone.toHz = tone.fromHz / 2;
            tone.volume = 0.25;
            tone.harmonics = {1.0, 0.3};
            b.add(tone);
        }
        t += length;
    }
    b.normalise();
    return b;
}

} // namespace soundgen
