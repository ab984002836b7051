// The effect sounds: a chime for a right answer, a falling horn for a wrong one, a fanfare for the win.
#include <initializer_list>

#include "pieces.h"

namespace sounds {
namespace {

constexpr double peakDbfs = -3;

// A bell: slightly stretched upper partials that die sooner than the fundamental.
const Instrument chime{
    .amplitudes{1, 0.5, 0.3, 0.15, 0.08},
    .ratios{1, 2, 3, 4.2, 5.4},
    .envelope{.attack = 0.003, .decay = 0.45, .sustain = 0, .release = 0.3},
    .partialFall = 1.5,
};
// Two soft sine-like partials for warmth under the chime and weight under the fanfare.
const Instrument body{
    .amplitudes{1, 0.2},
    .envelope{.attack = 0.005, .decay = 0.4, .sustain = 0, .release = 0.3},
};
// A muted, slightly sour horn: two copies a little apart in pitch beat against each other.
const Instrument horn{
    .amplitudes{1, 0.5, 0.45, 0.25, 0.2, 0.1, 0.08},
    .envelope{.attack = 0.03, .decay = 0.3, .sustain = 0.75, .release = 0.1},
    .partialRise = 0.01,
    .unison = 2,
    .detuneCents = 12,
    .spread = 0.3,
};
// Brass: a bright saw-like spectrum whose upper partials swell in just after the attack.
const Instrument brass{
    .amplitudes{1, 0.57, 0.41, 0.33, 0.28, 0.24, 0.21, 0.19, 0.17, 0.16, 0.15, 0.14},
    .envelope{.attack = 0.025, .decay = 0.25, .sustain = 0.8, .release = 0.06},
    .partialRise = 0.01,
    .unison = 2,
    .detuneCents = 6,
    .spread = 0.4,
};

void chord(Track& track, const Instrument& instrument, double start, double held, std::initializer_list<int> notes,
           double gain) {
    for (int note : notes) play(track, instrument, {.start = start, .held = held, .midi = double(note), .gain = gain});
}

Track finish(const Track& dry, double wet) {
    Track mix = dry;
    mixInto(mix, reverbOf(dry), wet);
    normalise(mix, peakDbfs);
    fadeEnds(mix, 0.002, 0.2);
    return mix;
}

}  // namespace

// A major arpeggio rising through two octaves into a ringing chord.
Track rightAnswer() {
    Track track(1.5, false);
    const int rising[] = {69, 73, 76, 81, 85, 88};
    for (int i = 0; i < 6; ++i)
        play(track, chime,
             {.start = 0.055 * i,
              .held = 0.35,
              .midi = double(rising[i]),
              .gain = 0.6 + 0.05 * i,
              .pan = -0.4 + 0.16 * i});
    chord(track, chime, 0.4, 0.6, {81, 85, 88}, 0.45);
    chord(track, body, 0, 0.6, {57, 64}, 0.5);
    return finish(track, 0.35);
}

// Three falling semitones; the last one sinks further and wavers as it fades.
Track wrongAnswer() {
    Track track(2.0, false);
    Instrument lastNote = horn;
    lastNote.envelope.release = 0.4;
    lastNote.vibratoHz = 5;
    lastNote.vibratoCents = 12;
    for (int octave : {0, -12}) {
        const double gain = octave == 0 ? 1 : 0.5;
        play(track, horn, {.start = 0, .held = 0.24, .midi = double(58 + octave), .gain = gain});
        play(track, horn, {.start = 0.32, .held = 0.24, .midi = double(57 + octave), .gain = gain});
        play(track, lastNote, {.start = 0.64, .held = 0.85, .midi = double(56 + octave), .gain = gain, .bend = -0.6});
    }
    lowPass(track, 1200);
    return finish(track, 0.2);
}

// A brass call in A major (three repeated notes, a leap up, a turn through the subdominant and the
// dominant) landing on a full held chord with a cymbal wash and sparkling bells above it.
Track win() {
    Track track(4.0, false);
    for (double at : {0.0, 0.15, 0.3}) chord(track, brass, at, 0.1, {57, 61, 64}, 1);
    chord(track, brass, 0.45, 0.38, {61, 64, 69}, 1);
    chord(track, brass, 0.9, 0.1, {57, 62, 66}, 1);
    chord(track, brass, 1.05, 0.1, {59, 64, 68}, 1);

    Instrument held = brass;
    held.envelope.release = 0.6;
    chord(track, held, 1.2, 1.9, {45, 52, 57, 61, 64, 69, 73}, 0.8);
    play(track, body, {.start = 1.2, .held = 0.3, .midi = 33, .gain = 2});
    lowPass(track, 3500);

    noiseBurst(track, 1.2, 0.9, 0.3, 0);
    const int sparkles[] = {81, 85, 88, 93, 97};
    for (int i = 0; i < 14; ++i)
        play(track, chime,
             {.start = 1.25 + 0.125 * i,
              .held = 0.15,
              .midi = double(sparkles[(3 * i) % 5]),
              .gain = 0.5 - 0.025 * i,
              .pan = ((5 * i) % 7) / 3.0 - 1});
    return finish(track, 0.3);
}

}  // namespace sounds
