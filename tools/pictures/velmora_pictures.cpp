// Velmora's two pictures: a meadow under a cloudy sky behind the whole window, and the arrow
// glyph of the answer buttons.
#include "pictures.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace pictures {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr double kHorizon = 0.47 * kHeight;

// Smooth value noise on an integer lattice, hashed so that no table is needed.
double lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / double(0xffffffu);
}

double noise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int xi = static_cast<int>(fx), yi = static_cast<int>(fy);
    const double u = x - fx, v = y - fy;
    const double su = u * u * (3 - 2 * u), sv = v * v * (3 - 2 * v);
    const double top = lattice(xi, yi, seed) + (lattice(xi + 1, yi, seed) - lattice(xi, yi, seed)) * su;
    const double bottom =
        lattice(xi, yi + 1, seed) + (lattice(xi + 1, yi + 1, seed) - lattice(xi, yi + 1, seed)) * su;
    return top + (bottom - top) * sv;
}

// Fractal sum of noise octaves, 0..1 with most values near the middle.
double fractal(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * noise(x, y, seed + octave * 101);
        total += amplitude;
        // Shifting each octave keeps the lattice lines of the octaves from lining up.
        x = x * 2.03 + 17.1;
        y = y * 2.03 + 5.7;
        amplitude *= 0.5;
    }
    return sum / total;
}

// Sky: blue deepening towards the top, cumulus clouds on a plane seen in perspective.
QColor skyAt(int x, int y) {
    const double height = (kHorizon - y) / kHorizon;  // 1 at the top, 0 at the horizon
    QColor sky = mix(QColor(196, 212, 228), QColor(48, 94, 166), std::pow(height, 0.6));
    const double depth = 1.0 / (height + 0.25);
    const double across = (x - kWidth * 0.42) / kWidth * depth * 2.2;
    const double along = depth * 2.4;
    const double density = fractal(across, along, 11, 6);
    const double cover = smoothstep(0.42, 0.66, density) * smoothstep(0.0, 0.22, height);
    if (cover <= 0) return sky;
    // The sun is high: where the cloud is denser a few rows higher, we look at its shaded base.
    const double higher = height + 6.0 / kHorizon;
    const double above = fractal(across, 2.4 / (higher + 0.25), 11, 6);
    const double light = std::clamp(0.78 + (density - above) * 9.0, 0.30, 1.0);
    const QColor cloud = mix(QColor(112, 122, 142), QColor(252, 252, 250), light);
    return mix(sky, cloud, cover * 0.96);
}

// A low line of distant wooded hills, blue with haze, just above the horizon.
double hillTop(int x) { return kHorizon - 6 - 44 * fractal(x / 220.0, 3.5, 23, 5); }

QColor hillAt(int x, int y) {
    const double shade = fractal(x / 18.0, y / 9.0, 29, 3);
    return mix(QColor(70, 98, 92), QColor(112, 138, 132), shade);
}

// Grass: a ground plane of blades, large patches of lighter and darker green, hazy far away.
QColor grassAt(int x, int y) {
    const double near = (y - kHorizon) / (kHeight - kHorizon);  // 0 at the horizon, 1 at the bottom
    const double depth = 1.0 / (near + 0.03);
    const double across = (x - kWidth * 0.5) / kWidth * depth;
    const double patches = fractal(across * 1.6, depth * 0.8, 41, 4);
    // Blade streaks stand upright on the screen and grow with nearness.
    const double size = 0.02 + near;
    const double blades = noise(x / (1.0 + 5.0 * size), y / (4.0 + 40.0 * size), 43) *
                          smoothstep(0.0, 0.25, near);
    QColor grass = mix(QColor(30, 64, 20), QColor(92, 138, 42), patches * 0.9 + blades * 0.5 - 0.1);
    grass = mix(grass, QColor(168, 182, 86), smoothstep(0.72, 0.95, blades * patches * 1.6) * 0.6);
    return mix(grass, QColor(150, 170, 160), (1 - smoothstep(0.0, 0.14, near)) * 0.55);
}

void paintLandscape(QImage& image) {
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            if (y >= kHorizon) line[x] = grassAt(x, y).rgb();
            else if (y >= hillTop(x)) line[x] = hillAt(x, y).rgb();
            else line[x] = skyAt(x, y).rgb();
        }
    }
}

// Single blades in the foreground, drawn back to front so that nearer blades cover farther ones.
void paintBlades(QImage& image) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    struct Blade { double x, y, height, width, bend; QColor colour; };
    std::vector<Blade> blades;
    for (int i = 0; i < 9000; ++i) {
        const double near = 0.08 + 0.92 * std::sqrt(unit(random));
        Blade blade;
        blade.x = unit(random) * (kWidth + 40) - 20;
        blade.y = kHorizon + near * (kHeight - kHorizon) + 20;
        blade.height = (8 + 120 * near * near) * (0.6 + 0.7 * unit(random));
        blade.width = 0.8 + 4.5 * near * (0.6 + 0.6 * unit(random));
        blade.bend = (unit(random) - 0.5) * blade.height * 0.7;
        blade.colour = mix(QColor(22, 58, 16), QColor(132, 168, 60), unit(random) * 0.8 + 0.1 * near);
        blades.push_back(blade);
    }
    std::sort(blades.begin(), blades.end(), [](const Blade& a, const Blade& b) { return a.y < b.y; });
    QPainter painter(&image);
    smooth(painter);
    painter.setPen(Qt::NoPen);
    for (const Blade& blade : blades) {
        const QPointF tip(blade.x + blade.bend, blade.y - blade.height);
        const QPointF middle(blade.x + blade.bend * 0.25, blade.y - blade.height * 0.55);
        QPainterPath path(QPointF(blade.x - blade.width / 2, blade.y));
        path.quadTo(middle - QPointF(blade.width * 0.35, 0), tip);
        path.quadTo(middle + QPointF(blade.width * 0.35, 0), QPointF(blade.x + blade.width / 2, blade.y));
        path.closeSubpath();
        QLinearGradient shade(QPointF(blade.x, blade.y), tip);
        shade.setColorAt(0, blade.colour.darker(170));
        shade.setColorAt(1, blade.colour.lighter(125));
        painter.fillPath(path, shade);
    }
}

// The texts of the window lie over the lower part: darken it so that aqua and cream read well,
// and add a fine grain so that the picture looks photographed rather than drawn.
void darkenAndGrain(QImage& image) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> grain(-4, 4);
    for (int y = 0; y < kHeight; ++y) {
        const double keep = 1.0 - 0.60 * smoothstep(0.46, 0.58, double(y) / kHeight);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int noise = grain(random);
            auto channel = [&](int value) { return std::clamp(int(value * keep) + noise, 0, 255); };
            line[x] = qRgb(channel(qRed(line[x])), channel(qGreen(line[x])), channel(qBlue(line[x])));
        }
    }
}

QImage background() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    paintLandscape(image);
    paintBlades(image);
    darkenAndGrain(image);
    return image;
}

// A right-pointing arrow on pure white, its edges on a two-pixel grid: the JPEG colour planes
// are stored at half resolution, so an edge inside a two-by-two block would tint white pixels.
QImage arrow() {
    QImage image = canvas(32, 32, Qt::white);
    QPainter painter(&image);
    const QColor red(162, 2, 2);
    painter.fillRect(QRect(6, 12, 12, 8), red);  // the shaft
    for (int step = 0; step < 5; ++step)         // the head narrows by two rows on each side
        painter.fillRect(QRect(18 + 2 * step, 6 + 2 * step, 2, 20 - 4 * step), red);
    return image;
}

}  // namespace

void drawVelmora(const Folder& design) {
    design.save(background(), "background.jpg", 90);
    design.save(arrow(), "arrow.jpg", 100);
}

}  // namespace pictures
