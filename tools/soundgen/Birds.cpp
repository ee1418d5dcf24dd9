// The bird calls, each made to resemble the species' own call or song: the cuckoo's two falling
// notes, the owls' hoots, the crows' caws, the finches' and tits' whistles and trills.

#include "Sounds.h"

#include <algorithm>
#include <iterator>

namespace soundgen {

namespace {

Tone whistle(double start, double length, double fromHz, double toHz, double volume = 0.6) {
    Tone t;
    t.start = start;
    t.length = length;
    t.fromHz = fromHz;
    t.toHz = toHz;
    t.volume = volume;
    t.attack = std::min(0.01, length / 4);
    t.release = std::min(0.02, length / 3);
    t.harmonics = {1.0, 0.08};
    return t;
}

Tone hoot(double start, double length, double fromHz, double toHz) {
    Tone t = whistle(start, length, fromHz, toHz, 0.7);
    t.attack = 0.05;
    t.release = 0.12;
    t.harmonics = {1.0, 0.25, 0.05};
    return t;
}

Tone caw(double start, double length, double fromHz, double toHz, double noise) {
    Tone t = whistle(start, length, fromHz, toHz, 0.7);
    t.harmonics = {1.0, 0.8, 0.6, 0.5, 0.4, 0.3, 0.2};
    t.noise = noise;
    t.attack = 0.02;
    t.release = 0.06;
    return t;
}

// Eagle owl: a deep, far-carrying "oo-HOO", twice.
Buffer berguv() {
    Buffer b(3.6);
    for (double s : {0.2, 1.9}) {
        b.add(hoot(s, 0.35, 300, 330));
        b.add(hoot(s + 0.45, 0.7, 340, 280));
    }
    b.normalise();
    return b;
}

// Blue tit: "tsee-tsee" followed by a fast trill.
Buffer blames() {
    Buffer b(2.4);
    b.add(whistle(0.1, 0.14, 7000, 6800, 0.5));
    b.add(whistle(0.32, 0.14, 7000, 6800, 0.5));
    for (int i = 0; i < 14; ++i) b.add(whistle(0.6 + i * 0.06, 0.04, 4600, 4200, 0.6));
    b.normalise();
    return b;
}

// Chaffinch: a descending rattle that speeds up and ends in a flourish.
Buffer bofink() {
    Buffer b(2.6);
    double t = 0.1;
    double hz = 5600;
    for (int i = 0; i < 16; ++i) {
        const double len = 0.08 - i * 0.003;
        b.add(whistle(t, len, hz, hz - 900, 0.6));
        t += len + 0.015;
        hz -= 90;
    }
    b.add(whistle(t + 0.02, 0.12, 2600, 5200, 0.7));
    b.add(whistle(t + 0.16, 0.18, 5000, 2800, 0.7));
    b.normalise();
    return b;
}

// Pied flycatcher: a simple, rhythmic "zee-it zee-it zee-it tsivu".
Buffer svFlugs() {
    Buffer b(2.2);
    for (int i = 0; i < 3; ++i) {
        b.add(whistle(0.1 + i * 0.3, 0.1, 6200, 5400));
        b.add(whistle(0.22 + i * 0.3, 0.08, 4200, 4800));
    }
    b.add(whistle(1.05, 0.12, 5600, 3600));
    b.add(whistle(1.2, 0.15, 3800, 5600));
    b.normalise();
    return b;
}

// Cuckoo: the two falling notes "cu-ckoo", three times.
Buffer gok() {
    Buffer b(3.6);
    for (int i = 0; i < 3; ++i) {
        const double s = 0.2 + i * 1.1;
        b.add(hoot(s, 0.28, 680, 660));
        b.add(hoot(s + 0.38, 0.45, 560, 530));
    }
    b.normalise();
    return b;
}

// Tawny owl: "hoo-oo", a pause, then a quavering "hu-hu-huhuhoooo".
Buffer kattuggla() {
    Buffer b(4.4);
    b.add(hoot(0.1, 0.8, 560, 520));
    Tone quaver = hoot(1.8, 1.8, 600, 480);
    quaver.tremoloHz = 7;
    quaver.tremoloDepth = 0.7;
    b.add(quaver);
    b.normalise();
    return b;
}

// Blackbird: a mellow fluted phrase with slides, ending in a soft twitter.
Buffer koltrast() {
    Buffer b(3.2);
    const double notes[][3] = {{0.1, 1900, 2100}, {0.35, 2300, 1700}, {0.62, 1600, 2400},
                               {0.95, 2500, 2200}, {1.2, 2100, 1500}, {1.5, 1800, 2600}};
    for (const auto& n : notes) {
        Tone t = whistle(n[0], 0.22, n[1], n[2], 0.7);
        t.harmonics = {1.0, 0.2, 0.05};
        t.vibratoHz = 18;
        t.vibratoDepth = 0.01;
        b.add(t);
    }
    for (int i = 0; i < 8; ++i) b.add(whistle(1.9 + i * 0.05, 0.035, 5500, 6500, 0.25));
    b.normalise();
    return b;
}

// Raven: deep, hollow croaks "krronk".
Buffer korp() {
    Buffer b(2.6);
    for (double s : {0.15, 0.9, 1.6}) {
        Tone t = caw(s, 0.38, 330, 280, 0.35);
        t.tremoloHz = 30;
        t.tremoloDepth = 0.5;
        b.add(t);
    }
    b.normalise();
    return b;
}

// Hooded crow: harsh, falling "kraa kraa kraa".
Buffer kraka() {
    Buffer b(2.6);
    for (double s : {0.15, 0.85, 1.55}) b.add(caw(s, 0.45, 720, 560, 0.55));
    b.normalise();
    return b;
}

// Robin: a thin, wistful warble of quick high notes rising and falling.
Buffer rodhake() {
    Buffer b(2.6);
    const double pitches[] = {5200, 6800, 4300, 7400, 5800, 3900, 6400, 4800, 7000, 4500, 6000, 3700};
    double t = 0.1;
    for (std::size_t i = 0; i < std::size(pitches); ++i) {
        const double to = pitches[(i + 1) % std::size(pitches)];
        b.add(whistle(t, 0.11, pitches[i], to, 0.55));
        t += 0.15 + (i % 3) * 0.03;
    }
    b.normalise();
    return b;
}

// Magpie: a rattling chatter "tschak-tschak-tschak".
Buffer skata() {
    Buffer b(2.0);
    for (int i = 0; i < 10; ++i) b.add(caw(0.1 + i * 0.13, 0.08, 1500, 1300, 0.8));
    b.normalise();
    return b;
}

// Black woodpecker: a loud ringing "kli-kli-kli-kli-kli" and a drum roll.
Buffer spillkraka() {
    Buffer b(3.6);
    for (int i = 0; i < 9; ++i) {
        Tone t = whistle(0.1 + i * 0.17, 0.1, 2100, 1900, 0.7);
        t.harmonics = {1.0, 0.4, 0.2};
        b.add(t);
    }
    for (int i = 0; i < 30; ++i) {
        Tone knock = caw(2.0 + i * 0.045, 0.03, 420, 380, 0.9);
        knock.volume = 0.5;
        b.add(knock);
    }
    b.normalise();
    return b;
}

// Skylark: a long, ceaseless high warbling.
Buffer sanglarka() {
    Buffer b(4.2);
    double t = 0.1;
    double hz = 3600;
    for (int i = 0; i < 46; ++i) {
        const double to = 3000 + ((i * 7919) % 2600);
        b.add(whistle(t, 0.07, hz, to, 0.5));
        hz = to;
        t += 0.085;
    }
    b.normalise();
    return b;
}

// Great tit: the see-saw "ti-ta ti-ta ti-ta".
Buffer talgoxe() {
    Buffer b(2.4);
    for (int i = 0; i < 5; ++i) {
        b.add(whistle(0.1 + i * 0.38, 0.13, 5400, 5100, 0.6));
        b.add(whistle(0.27 + i * 0.38, 0.13, 3700, 3500, 0.6));
    }
    b.normalise();
    return b;
}

// Lapwing: the wheezy "pee-wit", rising then falling.
Buffer tofsvipa() {
    Buffer b(2.4);
    for (double s : {0.15, 1.2}) {
        Tone t = whistle(s, 0.22, 1500, 3200, 0.6);
        t.harmonics = {1.0, 0.35, 0.1};
        t.noise = 0.15;
        b.add(t);
        Tone down = whistle(s + 0.26, 0.3, 3300, 1800, 0.6);
        down.harmonics = t.harmonics;
        down.noise = 0.15;
        b.add(down);
    }
    b.normalise();
    return b;
}

} // namespace

const std::vector<BirdCall>& birdCalls() {
    static const std::vector<BirdCall> calls = {
        {"BERGUV.WAV", berguv},     {"BLAMES.WAV", blames},       {"BOFINK.WAV", bofink},
        {"SV_FLUGS.WAV", svFlugs},  {"GOK.WAV", gok},             {"KATTUGGL.WAV", kattuggla},
        {"KOLTRAST.WAV", koltrast}, {"KORP.WAV", korp},           {"KRAKA.WAV", kraka},
        {"RODHAKE.WAV", rodhake},   {"SKATA.WAV", skata},         {"SPILLKRA.WAV", spillkraka},
        {"SANGLARK.WAV", sanglarka}, {"TALGOXE.WAV", talgoxe},    {"TOFSVIPA.WAV", tofsvipa},
    };
    return calls;
}

} // namespace soundgen
