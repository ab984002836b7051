// The background theme: a soft pad over a pulsing bass, a light plucked arpeggio and a hi-hat tick,
// twelve bars in A minor at 100 beats a minute.
#include <array>
#include <cstddef>

#include "pieces.h"

namespace sounds {
namespace {

constexpr double beat = 60.0 / 100;
constexpr double eighth = beat / 2;
constexpr double bar = 4 * beat;

struct Chord {
    int bass;
    std::array<int, 3> pad;
    std::array<int, 4> arpeggio;
};

// MIDI note numbers. The phrase ends on the major dominant, which leans back into the first bar.
constexpr Chord Am{45, {57, 60, 64}, {69, 72, 76, 81}};
constexpr Chord F{41, {57, 60, 65}, {65, 69, 72, 77}};
constexpr Chord C{48, {55, 60, 64}, {67, 72, 76, 79}};
constexpr Chord G{43, {55, 59, 62}, {67, 71, 74, 79}};
constexpr Chord Dm{38, {57, 62, 65}, {65, 69, 74, 77}};
constexpr Chord E{40, {56, 59, 64}, {64, 68, 71, 76}};
constexpr std::array progression{Am, F, C, G, Am, F, Dm, E, F, G, Am, E};

// One bar of eighths: the chord tone the arpeggio plays, and the bass's step above its root.
constexpr std::array arpeggioTones{0, 1, 2, 3, 2, 1, 2, 1};
constexpr std::array bassSteps{0, 0, 0, 0, 0, 0, 12, 0};
// The last bar stops after the bass's octave on its fourth beat: a short breath before the loop comes
// round, so that everything has died away at the seam.
constexpr int lastBarEighths = 7;

const Instrument padSound{
    .amplitudes{1, 0.5, 0.33, 0.25, 0.2, 0.17, 0.14, 0.12},
    .envelope{.attack = 0.5, .decay = 1.0, .sustain = 0.8, .release = 0.6},
    .unison = 3,
    .detuneCents = 7,
    .spread = 0.7,
};
const Instrument bassSound{
    .amplitudes{1, 0.45, 0.2, 0.1, 0.05},
    .envelope{.attack = 0.008, .decay = 0.25, .sustain = 0.5, .release = 0.08},
};
const Instrument pluckSound{
    .amplitudes{1, 0.3, 0.15, 0.06},
    .envelope{.attack = 0.004, .decay = 0.35, .sustain = 0, .release = 0.15},
    .partialFall = 3,
};

}  // namespace

Track backgroundTheme() {
    const double length = bar * progression.size();
    Track pads(length, true);
    Track bass(length, true);
    Track plucks(length, true);
    Track ticks(length, true);
    for (std::size_t b = 0; b < progression.size(); ++b) {
        const Chord& chord = progression[b];
        const double start = static_cast<double>(b) * bar;
        const bool last = b + 1 == progression.size();
        // Each chord is held into the next one's attack; the last one has faded out before the seam.
        const double padHeld = last ? bar - padSound.envelope.release - 0.05 : bar;
        for (int note : chord.pad) play(pads, padSound, {.start = start, .held = padHeld, .midi = double(note)});
        for (int e = 0; e < (last ? lastBarEighths : 8); ++e) {
            const double at = start + e * eighth;
            const bool onBeat = e % 2 == 0;
            play(bass, bassSound,
                 {.start = at, .held = 0.26, .midi = double(chord.bass + bassSteps[e]), .gain = onBeat ? 1 : 0.6});
            play(plucks, pluckSound,
                 {.start = at,
                  .held = 0.25,
                  .midi = double(chord.arpeggio[arpeggioTones[e]]),
                  .gain = onBeat ? 1 : 0.7,
                  .pan = onBeat ? -0.35 : 0.35});
            if (!onBeat) noiseBurst(ticks, at, 0.025, 1, 0.3);
        }
    }
    lowPass(pads, 1600);
    lowPass(bass, 500);
    lowPass(plucks, 4500);

    Track send(length, true);
    mixInto(send, pads, 0.6);
    mixInto(send, plucks, 1);
    mixInto(send, ticks, 0.5);
    Track mix(length, true);
    mixInto(mix, pads, 0.18);
    mixInto(mix, bass, 0.52);
    mixInto(mix, plucks, 0.38);
    mixInto(mix, ticks, 0.35);
    mixInto(mix, reverbOf(send), 0.19);
    normalise(mix, -3);
    fadeEnds(mix, 0.005, 0.005);
    return mix;
}

}  // namespace sounds
