#pragma once
// A small additive synthesiser: notes made of a few partials under an envelope, written into stereo
// tracks, then filtered, given room and mixed.
#include <cstddef>
#include <vector>

namespace sounds {

inline constexpr int sampleRate = 44100;

// A stereo signal under construction. A looping track wraps every write past its end back to its
// start, and its filters start in the state the end of the loop leaves them in, so a note or an
// echo that rings over the loop point is heard at the start exactly as if the loop had just played.
struct Track {
    Track(double seconds, bool looping);
    std::size_t frames() const { return left.size(); }
    void add(std::size_t frame, float l, float r);

    std::vector<float> left;
    std::vector<float> right;
    bool looping = false;
};

// Times in seconds. The fall from full level to the sustain level is exponential with the decay
// as its time constant; after the release the note is silent.
struct Adsr {
    double attack = 0.01;
    double decay = 0.2;
    double sustain = 1.0;
    double release = 0.1;
};

// An additive voice, optionally doubled into detuned copies spread across the stereo field.
// Higher partials can come in later (brass) or die sooner (plucks, bells).
struct Instrument {
    std::vector<double> amplitudes{};  // of each partial, the fundamental first
    std::vector<double> ratios{};      // of each partial to the fundamental; empty means 1, 2, 3...
    Adsr envelope;
    double partialRise = 0;  // seconds of swell added per partial number
    double partialFall = 0;  // decay rate, per second, added per partial number
    int unison = 1;
    double detuneCents = 0;  // between neighbouring copies
    double spread = 0;       // stereo width of the copies, 0..1
    double vibratoHz = 0;
    double vibratoCents = 0;
};

struct Note {
    double start = 0;  // seconds
    double held = 0;   // seconds until the release begins
    double midi = 60;
    double gain = 1;
    double pan = 0;   // -1 left .. 1 right
    double bend = 0;  // semitones glided through while the note is held
};

double midiHz(double midi);
void play(Track& track, const Instrument& instrument, const Note& note);
// A burst of bright noise that dies away with the given time constant: hi-hat ticks, cymbal washes.
void noiseBurst(Track& track, double start, double decay, double gain, double pan);

void lowPass(Track& track, double cutoffHz);
// The wet signal of a plate-like room fed with the track.
Track reverbOf(const Track& track);
void mixInto(Track& target, const Track& source, double gain);
void normalise(Track& track, double peakDbfs);
// Raised-cosine fades that take the very first and last samples to zero.
void fadeEnds(Track& track, double fadeIn, double fadeOut);

}  // namespace sounds
