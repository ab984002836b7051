#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>

namespace sounds {
namespace {

constexpr double pi = 3.14159265358979323846;
// Partials above this are left out: far from the Nyquist limit, so nothing folds back, and
// nothing shrill.
constexpr double highestPartialHz = 10000;
std::size_t toFrame(double seconds) { return static_cast<std::size_t>(std::lround(seconds * sampleRate)); }

// Equal-power panning.
std::array<float, 2> panGains(double pan) {
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * pi / 4;
    return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

double envelopeLevel(const Adsr& e, double t, double held) {
    const auto holding = [&e](double u) {
        if (u < e.attack) {
            const double x = u / e.attack;
            return x * x * (3 - 2 * x);
        }
        return e.sustain + (1 - e.sustain) * std::exp(-(u - e.attack) / e.decay);
    };
    if (t < held) return holding(t);
    const double r = (t - held) / e.release;
    return r >= 1 ? 0 : holding(held) * (1 - r) * (1 - r);
}

// Runs a stateful filter over a channel in place. On a loop a first pass leaves the filter in the
// state the end of the loop hands over to its start.
template <class Filter>
void run(std::vector<float>& channel, bool looping, Filter& filter) {
    if (looping)
        for (float v : channel) filter(v);
    for (float& v : channel) v = filter(v);
}

class OnePole {
public:
    explicit OnePole(double cutoffHz) : a_(static_cast<float>(1 - std::exp(-2 * pi * cutoffHz / sampleRate))) {}
    float operator()(float x) { return y_ += a_ * (x - y_); }

private:
    float a_;
    float y_ = 0;
};

// A damped feedback comb and a Schroeder all-pass: the parts of the room.
class Comb {
public:
    explicit Comb(std::size_t length) : buffer_(length) {}
    float operator()(float x) {
        const float y = buffer_[i_];
        damped_ = y * (1 - damping) + damped_ * damping;
        buffer_[i_] = x + damped_ * feedback;
        if (++i_ == buffer_.size()) i_ = 0;
        return y;
    }

private:
    static constexpr float feedback = 0.82f;
    static constexpr float damping = 0.35f;
    std::vector<float> buffer_;
    std::size_t i_ = 0;
    float damped_ = 0;
};

class Allpass {
public:
    explicit Allpass(std::size_t length) : buffer_(length) {}
    float operator()(float x) {
        const float b = buffer_[i_];
        buffer_[i_] = x + b * 0.5f;
        if (++i_ == buffer_.size()) i_ = 0;
        return b - x;
    }

private:
    std::vector<float> buffer_;
    std::size_t i_ = 0;
};

class Room {
public:
    // The right channel's delays are a little longer than the left's, which makes the room wide.
    explicit Room(std::size_t stereoOffset) {
        for (std::size_t length : {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617})
            combs_.emplace_back(length + stereoOffset);
        for (std::size_t length : {556, 441, 341, 225}) allpasses_.emplace_back(length + stereoOffset);
    }
    float operator()(float x) {
        float y = 0;
        for (auto& comb : combs_) y += comb(x * inputGain);
        for (auto& allpass : allpasses_) y = allpass(y);
        return y;
    }

private:
    static constexpr float inputGain = 0.03f;
    std::vector<Comb> combs_;
    std::vector<Allpass> allpasses_;
};

}  // namespace

Track::Track(double seconds, bool looping)
    : left(toFrame(seconds)), right(toFrame(seconds)), looping(looping) {}

void Track::add(std::size_t frame, float l, float r) {
    if (looping && frame >= frames()) frame %= frames();
    if (frame >= frames()) return;
    left[frame] += l;
    right[frame] += r;
}

double midiHz(double midi) { return 440 * std::pow(2.0, (midi - 69) / 12); }

void play(Track& track, const Instrument& instrument, const Note& note) {
    const double fundamental = midiHz(note.midi);
    std::vector<double> ratios;
    std::vector<double> amplitudes;
    for (std::size_t k = 0; k < instrument.amplitudes.size(); ++k) {
        const double ratio = instrument.ratios.empty() ? static_cast<double>(k + 1) : instrument.ratios[k];
        if (fundamental * ratio > highestPartialHz) break;
        ratios.push_back(ratio);
        amplitudes.push_back(instrument.amplitudes[k]);
    }
    const std::size_t partials = ratios.size();
    const int copies = std::max(instrument.unison, 1);
    const double middle = (copies - 1) / 2.0;

    std::vector<double> tunes(copies);
    std::vector<std::array<float, 2>> copyGains(copies);
    // Each partial of each copy is a unit phasor turned by its own angle every sample: exact, and
    // far cheaper than a sine per sample.
    const std::size_t oscillators = copies * partials;
    std::vector<double> cycles(oscillators);  // per sample at the note's own pitch
    std::vector<double> re(oscillators), im(oscillators), turnRe(oscillators), turnIm(oscillators);
    const auto setTurn = [&](std::size_t j, double pitch) {
        turnRe[j] = std::cos(2 * pi * cycles[j] * pitch);
        turnIm[j] = std::sin(2 * pi * cycles[j] * pitch);
    };
    for (int c = 0; c < copies; ++c) {
        const double offset = c - middle;
        tunes[c] = std::pow(2.0, offset * instrument.detuneCents / 1200);
        const double pan = note.pan + (middle > 0 ? instrument.spread * offset / middle : 0);
        copyGains[c] = panGains(pan);
        for (auto& g : copyGains[c]) g /= static_cast<float>(std::sqrt(copies));
        // Spread start phases so that the copies and partials do not all peak together.
        for (std::size_t k = 0; k < partials; ++k) {
            const std::size_t j = c * partials + k;
            const double phase = 2 * pi * std::fmod(0.618034 * static_cast<double>(7 * c + 3 * k), 1.0);
            re[j] = std::cos(phase);
            im[j] = std::sin(phase);
            cycles[j] = fundamental * tunes[c] * ratios[k] / sampleRate;
            setTurn(j, 1);
        }
    }

    // Per partial: the remaining part of its swell and the factor of its own extra decay.
    std::vector<double> swell(partials, 1.0), swellStep(partials), fall(partials, 1.0), fallStep(partials);
    for (std::size_t k = 0; k < partials; ++k) {
        const double riseTime = instrument.partialRise * static_cast<double>(k);
        swellStep[k] = riseTime > 0 ? std::exp(-1 / (riseTime * sampleRate)) : 0;
        fallStep[k] = std::exp(-instrument.partialFall * static_cast<double>(k) / sampleRate);
    }
    std::vector<double> weights(partials);

    const bool pitchMoves = note.bend != 0 || instrument.vibratoCents != 0;
    const std::size_t first = toFrame(note.start);
    const std::size_t length = toFrame(note.held + instrument.envelope.release);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double level = envelopeLevel(instrument.envelope, t, note.held) * note.gain;
        if (pitchMoves) {
            const double cents = 100 * note.bend * std::min(t / note.held, 1.0) +
                                 instrument.vibratoCents * std::sin(2 * pi * instrument.vibratoHz * t);
            const double pitch = std::pow(2.0, cents / 1200);
            for (std::size_t j = 0; j < oscillators; ++j) setTurn(j, pitch);
        }
        for (std::size_t k = 0; k < partials; ++k) {
            swell[k] *= swellStep[k];
            fall[k] *= fallStep[k];
            weights[k] = amplitudes[k] * (1 - swell[k]) * fall[k];
        }
        for (std::size_t j = 0; j < oscillators; ++j) {
            const double turned = re[j] * turnRe[j] - im[j] * turnIm[j];
            im[j] = re[j] * turnIm[j] + im[j] * turnRe[j];
            re[j] = turned;
        }
        float l = 0;
        float r = 0;
        for (int c = 0; c < copies; ++c) {
            double sum = 0;
            for (std::size_t k = 0; k < partials; ++k) sum += weights[k] * im[c * partials + k];
            l += static_cast<float>(sum) * copyGains[c][0];
            r += static_cast<float>(sum) * copyGains[c][1];
        }
        track.add(first + i, l * static_cast<float>(level), r * static_cast<float>(level));
    }
}

void noiseBurst(Track& track, double start, double decay, double gain, double pan) {
    const std::size_t first = toFrame(start);
    // Seeded by its place, so every burst differs and every build writes the same file.
    std::minstd_rand noise(static_cast<std::uint_fast32_t>(first + 1));
    const auto white = [&noise] {
        return static_cast<double>(noise() - noise.min()) / static_cast<double>(noise.max() - noise.min()) * 2 - 1;
    };
    OnePole soften(7000);
    OnePole softenMore(7000);
    const auto gains = panGains(pan);
    const double attack = 0.001;
    double previous = white();
    const std::size_t length = toFrame(decay * 7);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double level = gain * std::min(t / attack, 1.0) * std::exp(-t / decay);
        // The first difference takes away the low part of the noise, the two one-poles the harsh top.
        const double current = white();
        const float s = softenMore(soften(static_cast<float>(current - previous))) * static_cast<float>(level);
        previous = current;
        track.add(first + i, s * gains[0], s * gains[1]);
    }
}

void lowPass(Track& track, double cutoffHz) {
    for (auto* channel : {&track.left, &track.right}) {
        OnePole filter(cutoffHz);
        run(*channel, track.looping, filter);
    }
}

Track reverbOf(const Track& track) {
    Track wet = track;
    Room left(0);
    Room right(23);
    run(wet.left, wet.looping, left);
    run(wet.right, wet.looping, right);
    return wet;
}

void mixInto(Track& target, const Track& source, double gain) {
    const auto g = static_cast<float>(gain);
    for (std::size_t i = 0; i < std::min(target.frames(), source.frames()); ++i) {
        target.left[i] += source.left[i] * g;
        target.right[i] += source.right[i] * g;
    }
}

void normalise(Track& track, double peakDbfs) {
    float peak = 0;
    for (const auto* channel : {&track.left, &track.right})
        for (float v : *channel) peak = std::max(peak, std::abs(v));
    if (peak == 0) return;
    const auto scale = static_cast<float>(std::pow(10.0, peakDbfs / 20) / peak);
    for (auto* channel : {&track.left, &track.right})
        for (float& v : *channel) v *= scale;
}

void fadeEnds(Track& track, double fadeIn, double fadeOut) {
    const std::size_t in = std::min(toFrame(fadeIn), track.frames());
    const std::size_t out = std::min(toFrame(fadeOut), track.frames());
    const auto shape = [](std::size_t i, std::size_t n) {
        return static_cast<float>(0.5 - 0.5 * std::cos(pi * static_cast<double>(i) / static_cast<double>(n)));
    };
    for (auto* channel : {&track.left, &track.right}) {
        for (std::size_t i = 0; i < in; ++i) (*channel)[i] *= shape(i, in);
        for (std::size_t i = 0; i < out; ++i) (*channel)[track.frames() - 1 - i] *= shape(i, out);
    }
}

}  // namespace sounds
