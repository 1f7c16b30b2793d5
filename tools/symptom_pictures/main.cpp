// bulbicalc-symptom-pictures OUTDIR [N...]
// Draws the eight pictures of nutrient-deficiency symptoms in the onion crop
// that the photo gallery shows, and writes them to OUTDIR/foto1.jpg ...
// OUTDIR/foto8.jpg (or only the pictures numbered N):
//   1 Mn 1152 x 864    2 N  2133 x 1600   3 P  2073 x 1350   4 K  3142 x 2060
//   5 Ca 1620 x 1138   6 Mg 2162 x 1404   7 S  1250 x 753    8 Zn 1745 x 1113
// Each picture is a field scene: a row of onion plants on the soil in front,
// out-of-focus rows of the same crop behind and the sky, with a magnifier
// that shows the symptom on one leaf close up. Every random choice comes from
// seeded generators, so every run writes the very same pictures. They are
// committed under data/Imagens/Fotos; run this again only to redraw them.
//
// The leaves are drawn pixel by pixel as tubes: for each pixel the position
// along the leaf and around the tube is known, so the symptom patterns
// (stripes between the veins, tips that yellow or die) are functions of the
// leaf's own coordinates, the same in the field view and in the close-up.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}
double smoothstep(double a, double b, double x)
{
    const double t = clamp01((x - a) / (b - a));
    return t * t * (3.0 - 2.0 * t);
}
double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}
double radians(double degrees)
{
    return degrees * kPi / 180.0;
}

// ---------------------------------------------------------------- colours

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb rgb(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0};
}
Rgb operator*(Rgb a, double k)
{
    return {a.r * k, a.g * k, a.b * k};
}
Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb mix(Rgb a, Rgb b, double t)
{
    t = clamp01(t);
    return {lerp(a.r, b.r, t), lerp(a.g, b.g, t), lerp(a.b, b.b, t)};
}
QColor toQColor(Rgb c, double alpha = 1.0)
{
    return QColor::fromRgbF(static_cast<float>(clamp01(c.r)), static_cast<float>(clamp01(c.g)),
                            static_cast<float>(clamp01(c.b)), static_cast<float>(clamp01(alpha)));
}

// Lays colour c with coverage a over a premultiplied pixel.
void blendPixel(QRgb& dst, Rgb c, double a)
{
    const double ia = 1.0 - a;
    const auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
    dst = qRgba(channel(clamp01(c.r) * 255.0 * a + qRed(dst) * ia),
                channel(clamp01(c.g) * 255.0 * a + qGreen(dst) * ia),
                channel(clamp01(c.b) * 255.0 * a + qBlue(dst) * ia), channel(255.0 * a + qAlpha(dst) * ia));
}

// ---------------------------------------------------------------- randomness

// A small deterministic generator, so every run draws the very same picture.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    double uniform(double low, double high)
    {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return low + (high - low) * static_cast<double>(z >> 11) / 9007199254740992.0;
    }
    double sign() { return uniform(0.0, 1.0) < 0.5 ? -1.0 : 1.0; }
    std::uint32_t seed() { return static_cast<std::uint32_t>(uniform(0.0, 4294967295.0)); }

private:
    std::uint64_t state_;
};

double hash01(std::int64_t x, std::int64_t y, std::uint32_t seed)
{
    std::uint64_t z = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ULL +
                      static_cast<std::uint64_t>(y) * 0xD1B54A32D192ED03ULL +
                      static_cast<std::uint64_t>(seed) * 0x8CB92BA72F3D8DD7ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

// Smooth value noise in [0, 1] with features about one unit apart.
double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * tx * (tx * (tx * 6.0 - 15.0) + 10.0);
    ty = ty * ty * ty * (ty * (ty * 6.0 - 15.0) + 10.0);
    const double a = hash01(ix, iy, seed);
    const double b = hash01(ix + 1, iy, seed);
    const double c = hash01(ix, iy + 1, seed);
    const double d = hash01(ix + 1, iy + 1, seed);
    return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
}

// Fractal noise around 0.5. Octaves finer than the footprint (the size of one
// pixel in the noise's units) fade out, so distant or magnified textures
// neither flicker nor go flat.
double fbm(double x, double y, std::uint32_t seed, int octaves, double footprint = 0.0)
{
    double sum = 0.0;
    double amplitude = 0.5;
    double frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        const double fade = 1.0 - smoothstep(0.3, 0.7, footprint * frequency);
        if (fade <= 0.0)
            break;
        const std::uint32_t octaveSeed = seed + 1013u * static_cast<std::uint32_t>(i);
        sum += (valueNoise(x * frequency + 17.3 * i, y * frequency - 9.1 * i, octaveSeed) - 0.5) * amplitude *
               fade;
        amplitude *= 0.5;
        frequency *= 2.0;
        // Turn each octave against the last, so the lattice does not show.
        const double rx = x * 0.8 - y * 0.6;
        y = x * 0.6 + y * 0.8;
        x = rx;
    }
    return 0.5 + sum;
}

// ---------------------------------------------------------------- images

// Three passes of a box blur each way, close to a Gaussian; premultiplied
// pixels, so transparent layers blur without dark fringes.
void blur(QImage& image, int radius)
{
    if (radius < 1)
        return;
    const int w = image.width();
    const int h = image.height();
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    std::vector<QRgb> line(static_cast<std::size_t>(std::max(w, h)));
    const auto pass = [&](QRgb* first, int n, int step) {
        for (int i = 0; i < n; ++i)
            line[static_cast<std::size_t>(i)] = first[static_cast<std::ptrdiff_t>(i) * step];
        const auto at = [&](int i) { return line[static_cast<std::size_t>(std::clamp(i, 0, n - 1))]; };
        int sr = 0, sg = 0, sb = 0, sa = 0;
        for (int i = -radius; i <= radius; ++i) {
            const QRgb p = at(i);
            sr += qRed(p);
            sg += qGreen(p);
            sb += qBlue(p);
            sa += qAlpha(p);
        }
        const int div = 2 * radius + 1;
        for (int i = 0; i < n; ++i) {
            first[static_cast<std::ptrdiff_t>(i) * step] = qRgba(sr / div, sg / div, sb / div, sa / div);
            const QRgb out = at(i - radius);
            const QRgb in = at(i + radius + 1);
            sr += qRed(in) - qRed(out);
            sg += qGreen(in) - qGreen(out);
            sb += qBlue(in) - qBlue(out);
            sa += qAlpha(in) - qAlpha(out);
        }
    };
    for (int round = 0; round < 3; ++round) {
        for (int y = 0; y < h; ++y)
            pass(bits + static_cast<std::ptrdiff_t>(y) * stride, w, 1);
        for (int x = 0; x < w; ++x)
            pass(bits + x, h, stride);
    }
}

QImage transparentImage(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// ---------------------------------------------------------------- the scene

// A camera standing in the field, looking along the horizon across the rows;
// distances in metres, the ground plane at height 0.
struct Scene {
    int width = 0;
    int height = 0;
    double horizon = 0;   // px
    double focal = 0;     // px
    double camHeight = 0; // m
    double focusZ = 0;    // m, the front row
    double maxBlur = 0;   // px, far away

    double groundY(double z) const { return horizon + focal * camHeight / z; }
    double depthAt(double y) const { return focal * camHeight / (y - horizon); }
    double pxPerCm(double z) const { return focal / (100.0 * z); }
    double screenX(double x, double z) const { return width * 0.5 + focal * x / z; }
    double blurAt(double z) const
    {
        return maxBlur * std::min(1.0, std::abs(1.0 / focusZ - 1.0 / z) * focusZ);
    }
    Scene scaled(double k) const
    {
        Scene s = *this;
        s.width = static_cast<int>(std::ceil(width * k));
        s.height = static_cast<int>(std::ceil(height * k));
        s.horizon *= k;
        s.focal *= k;
        s.maxBlur *= k;
        return s;
    }
};

Scene makeScene(int width, int height)
{
    Scene s;
    s.width = width;
    s.height = height;
    s.horizon = 0.17 * height;
    s.camHeight = 0.62;
    s.focusZ = 0.8;
    // The front row stands at 90 % of the height.
    s.focal = (0.9 - 0.17) * height * s.focusZ / s.camHeight;
    s.maxBlur = 0.011 * height;
    return s;
}

const Rgb kSkyTop = rgb(104, 150, 200);
const Rgb kSkyMid = rgb(168, 198, 224);
const Rgb kSkyLow = rgb(214, 226, 232);

// ---------------------------------------------------------------- leaves

// How one leaf looks: its healthy green and the symptoms laid over it, all as
// functions of the position along the leaf (s, 0 at its base, 1 at the tip)
// and around the tube.
struct LeafLook {
    Rgb green = rgb(66, 112, 76);
    double lengthCm = 45.0;
    double diaCm = 1.2;
    std::uint32_t seed = 1;
    bool pointed = true; // leaves narrow to a point; the pseudostem does not
    double gloss = 1.0;
    double blanch = 0.0; // length share at the base that is pale (the pseudostem)

    // Loss of green over the whole leaf.
    double pale = 0.0;
    Rgb paleColour = rgb(190, 198, 112);
    // Yellowing that starts at the tip and runs down the leaf.
    double yellowFrom = 2.0;
    double yellowFull = 3.0;
    Rgb yellow = rgb(220, 200, 90);
    // Purple tint towards the tip.
    double purple = 0.0;
    double purpleFrom = 2.0;
    double purpleFull = 3.0;
    Rgb purpleColour = rgb(116, 62, 100);
    // Dead tissue beyond deadFrom; deadMargin: how much further down it runs
    // along the sides (scorch of the margins).
    double deadFrom = 2.0;
    double deadMargin = 0.0;
    double deadBorderCm = 0.0; // dark line between the dead and the living tissue
    Rgb dead = rgb(204, 180, 132);
    Rgb deadDark = rgb(118, 82, 48);
    double shrivel = 1.0; // width of the dead part
    double halo = 0.0;    // yellow band just below the dead part
    double soaked = 0.0;  // dark water-soaked band just below the dead part
    double flecks = 0.0;  // small dead spots below the dead part
    // Chlorosis between the parallel veins.
    double stripes = 0.0;
    int stripeCount = 12;     // main veins around the tube
    double stripeWidth = 0.5; // share of the space between veins
    double stripeFrom = 0.0;
    double stripeFull = 0.0;
    double beads = 0.0;  // streaks broken into chains of spots
    double breaks = 1.0; // how much the streaks fade in and out along the leaf
    Rgb stripeColour = rgb(222, 214, 140);
    double twistTurns = 0.0; // the leaf twists about its axis
};

// Width profile: onion leaves are hollow tubes of nearly even diameter that
// narrow to a point over their last third.
double widthFactor(const LeafLook& k, double s)
{
    if (!k.pointed)
        return 1.0;
    const double point = std::pow(std::min(1.0, (1.0 - s) / 0.42), 0.8);
    const double dry = lerp(1.0, k.shrivel, smoothstep(k.deadFrom - 0.02, k.deadFrom + 0.1, s));
    return (1.0 - 0.15 * s) * point * dry;
}

// 0 on a main vein, up to 1 in the tissue between two veins.
double interveinal(const LeafLook& k, double u, double z, double fpu, double fpz)
{
    const double spacing = kPi * k.diaCm / k.stripeCount;
    const double wander = 0.5 * (valueNoise(u / spacing * 0.35, z / 7.0, k.seed + 11) - 0.5);
    const double ph = u / spacing + wander;
    const double idx = std::floor(ph);
    const double f = ph - idx;
    const double mid = 1.0 - std::abs(2.0 * f - 1.0);
    const auto vein = static_cast<std::int64_t>(idx);
    const double widthHere =
        k.stripeWidth * (0.65 + 0.7 * valueNoise(static_cast<double>(vein) * 3.1, z / 3.5, k.seed + 12));
    double band = smoothstep(1.0 - widthHere - 0.2, 1.0 - widthHere + 0.2, mid);
    // Streaks fade in and out along the leaf.
    band *= lerp(
        1.0, smoothstep(0.2, 0.5, valueNoise(static_cast<double>(vein) * 7.3 + 0.5, z / 4.5, k.seed + 13)),
        k.breaks);
    if (k.beads > 0.0) {
        // Chains of round-ended yellow spots midway between the veins, that
        // run together here and there.
        const double beadCm = 0.5 + 0.15 * hash01(vein, 7, k.seed + 15);
        const double zz = z / beadCm + hash01(vein, 3, k.seed + 14);
        const double bi = std::floor(zz);
        const auto bead = static_cast<std::int64_t>(bi);
        const double size = 0.35 + 0.75 * hash01(vein, bead, k.seed + 17);
        const double present = 0.55 + 0.45 * hash01(vein, bead, k.seed + 18);
        const double along = std::abs(zz - bi - 0.5) / (0.5 * size);
        const double across = (1.0 - mid) / std::max(0.1, 0.9 * widthHere);
        const double r = std::sqrt(along * along + across * across);
        const double soft = std::max(0.35, fpz / beadCm);
        const double spot = present * (1.0 - smoothstep(1.0 - soft, 1.0 + soft, r));
        const double seen = smoothstep(1.5, 3.5, beadCm / fpz);
        band = lerp(band, lerp(0.75 * band, std::max(spot, 0.4 * band), seen), k.beads);
    }
    // Veins too close to tell apart in this view: their mean.
    const double mean = 0.6 * k.stripeWidth;
    return lerp(mean, band, smoothstep(1.8, 4.0, spacing / fpu));
}

// Colour of the leaf surface at s and at the angle theta around the tube
// (0 facing the viewer); dry returns how much of it is dead, papery tissue.
// pxPerRad and pxPerCm give the size of a pixel on the leaf, so detail that a
// pixel cannot show fades into its mean.
Rgb leafAlbedo(const LeafLook& k, double s, double theta, double pxPerRad, double pxPerCm, double& dry)
{
    const double radius = k.diaCm * 0.5;
    const double th = theta + 2.0 * kPi * k.twistTurns * s;
    const double u = th * radius;    // cm around the tube
    const double z = s * k.lengthCm; // cm from the base
    const double fpu = radius / std::max(0.2, pxPerRad);
    const double fpz = 1.0 / std::max(0.05, pxPerCm);
    const double fp = std::max(fpu, fpz);

    Rgb c = k.green;
    // Faint streaks along the leaf and a slightly lighter, waxy young base.
    c = c * (0.92 + 0.16 * fbm(u / 0.35, z / 5.0, k.seed + 1, 4, std::max(fpu / 0.35, fpz / 5.0)));
    if (k.blanch > 0.0)
        c = mix(rgb(206, 214, 176), c, smoothstep(0.0, k.blanch, s));
    // Fine parallel veins, seen only close up.
    const double veinCm = 0.075;
    const double veinLine = std::pow(0.5 + 0.5 * std::cos(2.0 * kPi * u / veinCm), 6.0);
    const double veinSeen = smoothstep(2.0, 4.5, veinCm / fpu);

    if (k.pale > 0.0)
        c = mix(c, k.paleColour, k.pale);
    if (k.stripes > 0.0) {
        const double ramp = k.stripeFull > k.stripeFrom ? smoothstep(k.stripeFrom, k.stripeFull, s) : 1.0;
        const double band = interveinal(k, u, z, fpu, fpz);
        const double blotch =
            0.55 + 0.9 * (fbm(u / 0.6, z / 2.5, k.seed + 61, 3, std::max(fpu / 0.6, fpz / 2.5)) - 0.5);
        c = mix(c, k.stripeColour, k.stripes * ramp * band * std::clamp(blotch, 0.6, 1.0));
    }
    c = c * (1.0 - 0.11 * veinLine * veinSeen);

    const double jitter = 0.05 * (valueNoise(u / 0.8, z / 3.0, k.seed + 31) - 0.5);
    if (k.yellowFull < 2.0)
        c = mix(c, k.yellow, smoothstep(k.yellowFrom, k.yellowFull, s + jitter));
    if (k.purple > 0.0)
        c = mix(c, k.purpleColour, k.purple * smoothstep(k.purpleFrom, k.purpleFull, s + jitter));

    dry = 0.0;
    if (k.deadFrom < 1.5) {
        const double side = std::pow(std::abs(std::sin(theta)), 2.0);
        const double edge =
            k.deadFrom - k.deadMargin * side + 0.03 * (fbm(u / 1.1, z / 2.0, k.seed + 41, 3, fp / 1.1) - 0.5);
        const double d = (s - edge) * k.lengthCm; // cm beyond the edge of the dead tissue
        if (d > -2.0) {
            if (d < 0.0) {
                const double near = 1.0 - smoothstep(0.0, 1.8, -d);
                c = mix(c, k.yellow, k.halo * near);
                const double wet = k.soaked * (1.0 - smoothstep(0.2, 1.8, -d));
                c = mix(c, rgb(112, 106, 58), wet);
                if (k.flecks > 0.0) {
                    const double spots = valueNoise(u / 0.09, z / 0.22, k.seed + 51);
                    const double seen = smoothstep(1.5, 3.0, 0.09 / fpu);
                    const double spot = smoothstep(0.8, 0.86, spots) * seen;
                    c = mix(c, k.deadDark, k.flecks * spot * (1.0 - smoothstep(0.0, 2.0, -d)));
                }
            }
            Rgb deadColour =
                mix(k.dead, k.deadDark, 0.15 + 1.5 * (fbm(u / 0.5, z / 2.0, k.seed + 43, 4, fp / 0.5) - 0.5));
            const double crease =
                0.5 +
                0.5 * std::cos(2.0 * kPi * (u / 0.07 + 1.5 * valueNoise(u / 0.4, z / 2.5, k.seed + 44)));
            deadColour = deadColour * (1.0 - 0.14 * crease * smoothstep(2.0, 4.0, 0.07 / fpu));
            deadColour = mix(deadColour, k.deadDark, 0.35 * smoothstep(0.92, 1.0, s));
            if (k.deadBorderCm > 0.0)
                deadColour =
                    mix(deadColour, k.deadDark * 0.8, 0.9 * (1.0 - smoothstep(0.0, k.deadBorderCm, d)));
            const double w = smoothstep(-0.5 * fpz - 0.02, 0.5 * fpz + 0.02, d);
            c = mix(c, deadColour, w);
            dry = w;
        }
    }
    return c;
}

const double kLight[3] = {-0.45, -0.62, 0.64};

// Lit colour of a tube: t is the signed offset across it (-1 to 1),
// perp the image direction in which t grows.
Rgb shadeLeaf(const LeafLook& k, double s, double t, double px, double py, double halfPx, double pxPerCm)
{
    t = std::clamp(t, -0.999, 0.999);
    const double nz = std::sqrt(1.0 - t * t);
    double dry = 0.0;
    const Rgb a = leafAlbedo(k, s, std::asin(t), halfPx * nz, pxPerCm, dry);
    const double nx = px * t;
    const double ny = py * t;
    const double ln = std::sqrt(kLight[0] * kLight[0] + kLight[1] * kLight[1] + kLight[2] * kLight[2]);
    const double lx = kLight[0] / ln, ly = kLight[1] / ln, lz = kLight[2] / ln;
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    double shade = 0.4 + 0.74 * diffuse;
    // Dead, papery tissue is matte and lets light through: flatter.
    shade = lerp(shade, 0.8 + 0.3 * diffuse, 0.7 * dry);
    shade *= 1.0 - 0.3 * smoothstep(0.78, 1.0, std::abs(t));
    // A soft sheen from the waxy surface.
    const double hx = lx, hy = ly, hz = lz + 1.0;
    const double hn = std::sqrt(hx * hx + hy * hy + hz * hz);
    const double nh = std::max(0.0, (nx * hx + ny * hy + nz * hz) / hn);
    const double sheen = (0.16 * std::pow(nh, 22.0) + 0.05 * std::pow(nh, 4.0)) * k.gloss * (1.0 - dry);
    return a * shade + rgb(205, 220, 230) * sheen;
}

struct Bend {
    double at;  // leaf s
    double deg; // direction from vertical, clockwise (to the right) positive
};

struct Wobble {
    double deg = 0.0;
    double turns = 0.0;
    double phase = 0.0;
};

// A leaf (or a stretch of one) laid out in the image.
struct Tube {
    std::vector<QPointF> points;
    std::vector<double> s;
    std::vector<double> half; // px
    LeafLook look;
    double pxPerCm = 1.0;
    double alpha = 1.0;
};

double directionAt(const std::vector<Bend>& turning, double s)
{
    if (s <= turning.front().at)
        return turning.front().deg;
    for (std::size_t i = 1; i < turning.size(); ++i) {
        if (s <= turning[i].at) {
            const double t = (s - turning[i - 1].at) / (turning[i].at - turning[i - 1].at);
            return lerp(turning[i - 1].deg, turning[i].deg, t * t * (3.0 - 2.0 * t));
        }
    }
    return turning.back().deg;
}

// Lays out the stretch s0..s1 of a leaf from base, turning as it goes. A leaf
// that reaches the soil (groundY) lies on it, seen foreshortened.
Tube makeTube(QPointF base, double s0, double s1, double pxPerCm, const LeafLook& look,
              const std::vector<Bend>& turning, const Wobble& wobble = {}, double groundY = 1e9,
              double lengthScale = 1.0)
{
    Tube tube;
    tube.look = look;
    tube.pxPerCm = pxPerCm;
    const double lengthPx = (s1 - s0) * look.lengthCm * pxPerCm * lengthScale;
    const double halfPx = look.diaCm * 0.5 * pxPerCm;
    const double step = std::clamp(halfPx / 2.5, 0.8, 6.0);
    const int steps = std::max(8, static_cast<int>(std::ceil(lengthPx / step)));
    QPointF p = base;
    bool lying = false;
    double lyingSide = 1.0;
    for (int i = 0; i <= steps; ++i) {
        const double s = lerp(s0, s1, static_cast<double>(i) / steps);
        const double h = halfPx * widthFactor(look, s);
        tube.points.push_back(p);
        tube.s.push_back(s);
        tube.half.push_back(h);
        // Curling grows from the base towards the tip.
        double a =
            radians(directionAt(turning, s) + wobble.deg * smoothstep(0.05, 0.55, s) *
                                                  std::sin(2.0 * kPi * wobble.turns * s + wobble.phase));
        if (lying)
            a = lyingSide * kPi / 2.0;
        const double ds = lengthPx / steps * (lying ? 0.55 : 1.0);
        QPointF next = p + QPointF(std::sin(a) * ds, -std::cos(a) * ds);
        const double floor = groundY - std::max(0.8, h * 0.8);
        if (!lying && next.y() > floor && std::cos(a) < 0.0) {
            lying = true;
            lyingSide = std::sin(a) >= 0.0 ? 1.0 : -1.0;
        }
        if (lying)
            next.setY(std::min(next.y(), floor));
        p = next;
    }
    return tube;
}

// Paints a tube pixel by pixel: each pixel takes the point of the centre line
// it lies deepest inside of, which gives its position along the leaf and
// across it; the edge is antialiased by the distance to the outline.
void paintTube(QImage& image, const Tube& tube)
{
    const std::size_t n = tube.points.size();
    if (n < 2)
        return;
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    for (std::size_t i = 0; i < n; ++i) {
        const double r = tube.half[i] + 2.0;
        minX = std::min(minX, tube.points[i].x() - r);
        maxX = std::max(maxX, tube.points[i].x() + r);
        minY = std::min(minY, tube.points[i].y() - r);
        maxY = std::max(maxY, tube.points[i].y() + r);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil(maxX)));
    const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil(maxY)));
    if (x1 < x0 || y1 < y0)
        return;
    const int bw = x1 - x0 + 1;
    const int bh = y1 - y0 + 1;
    struct Cell {
        float margin = -1e9f;
        float s = 0;
        float t = 0;
        float half = 0;
        int segment = -1;
    };
    std::vector<Cell> cells(static_cast<std::size_t>(bw) * static_cast<std::size_t>(bh));
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const QPointF a = tube.points[k];
        const QPointF d = tube.points[k + 1] - a;
        const double l2 = d.x() * d.x() + d.y() * d.y();
        if (l2 < 1e-10)
            continue;
        const double reach = std::max(tube.half[k], tube.half[k + 1]) + 1.5;
        const int sx0 = std::max(x0, static_cast<int>(std::floor(std::min(a.x(), a.x() + d.x()) - reach)));
        const int sx1 = std::min(x1, static_cast<int>(std::ceil(std::max(a.x(), a.x() + d.x()) + reach)));
        const int sy0 = std::max(y0, static_cast<int>(std::floor(std::min(a.y(), a.y() + d.y()) - reach)));
        const int sy1 = std::min(y1, static_cast<int>(std::ceil(std::max(a.y(), a.y() + d.y()) + reach)));
        for (int y = sy0; y <= sy1; ++y) {
            for (int x = sx0; x <= sx1; ++x) {
                const double qx = x + 0.5 - a.x();
                const double qy = y + 0.5 - a.y();
                const double u = std::clamp((qx * d.x() + qy * d.y()) / l2, 0.0, 1.0);
                const double ex = qx - u * d.x();
                const double ey = qy - u * d.y();
                const double dist = std::sqrt(ex * ex + ey * ey);
                const double hw = lerp(tube.half[k], tube.half[k + 1], u);
                const double margin = hw - dist;
                Cell& c = cells[static_cast<std::size_t>(y - y0) * bw + (x - x0)];
                if (margin > -1.0 && margin > c.margin) {
                    c.margin = static_cast<float>(margin);
                    c.s = static_cast<float>(lerp(tube.s[k], tube.s[k + 1], u));
                    const double cross = d.x() * qy - d.y() * qx;
                    c.t = static_cast<float>(hw > 0.05 ? (cross >= 0.0 ? dist : -dist) / hw : 0.0);
                    c.half = static_cast<float>(hw);
                    c.segment = static_cast<int>(k);
                }
            }
        }
    }
    for (int y = y0; y <= y1; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            const Cell& c = cells[static_cast<std::size_t>(y - y0) * bw + (x - x0)];
            if (c.segment < 0)
                continue;
            double cover = clamp01(c.margin + 0.5);
            if (c.half < 0.5)
                cover *= std::max(0.0, c.half * 2.0);
            cover *= tube.alpha;
            if (cover <= 0.003)
                continue;
            const auto k = static_cast<std::size_t>(c.segment);
            const QPointF d = tube.points[k + 1] - tube.points[k];
            const double len = std::sqrt(d.x() * d.x() + d.y() * d.y());
            const Rgb colour =
                shadeLeaf(tube.look, c.s, c.t, -d.y() / len, d.x() / len, c.half, tube.pxPerCm);
            blendPixel(row[x], colour, cover);
        }
    }
}

// ---------------------------------------------------------------- plants

enum class Deficiency { Mn, N, P, K, Ca, Mg, S, Zn };

struct PlantTraits {
    int leaves = 8;
    double heightCm = 52.0; // tip of the longest leaf above the soil, were it straight
    double leafDiaCm = 1.35;
    double neckCm = 1.4;    // pseudostem diameter
    double sheathCm = 10.0; // pseudostem height above the soil
    double bulbCm = 3.0;
    double spread = 1.0;      // how far the leaves fan out
    double droop = 1.0;       // how much the older leaves arch over
    double collapse = 0.0;    // older leaves fold over and hang (potassium)
    double tipCollapse = 0.0; // the dead tips of the young leaves hang (calcium)
    double curl = 0.0;        // wavy, twisted leaves (zinc)
};

const Rgb kOldGreen = rgb(58, 102, 72);
const Rgb kYoungGreen = rgb(92, 146, 80);

PlantTraits plantTraits(Deficiency d, Random& rnd)
{
    PlantTraits p;
    switch (d) {
    case Deficiency::Mn:
        break;
    case Deficiency::N:
        p.leaves = 5;
        p.heightCm = 33.0;
        p.leafDiaCm = 0.7;
        p.neckCm = 0.75;
        p.sheathCm = 6.0;
        p.bulbCm = 1.3;
        p.spread = 0.85;
        p.droop = 1.1;
        break;
    case Deficiency::P:
        p.leaves = 6;
        p.heightCm = 33.0;
        p.leafDiaCm = 0.85;
        p.neckCm = 0.9;
        p.sheathCm = 6.5;
        p.bulbCm = 1.5;
        p.spread = 0.85;
        p.droop = 0.9;
        break;
    case Deficiency::K:
        p.heightCm = 50.0;
        p.leafDiaCm = 1.1;
        p.neckCm = 1.25;
        p.collapse = 1.0;
        break;
    case Deficiency::Ca:
        p.tipCollapse = 1.0;
        break;
    case Deficiency::Mg:
        p.heightCm = 50.0;
        break;
    case Deficiency::S:
        p.leaves = 7;
        p.heightCm = 44.0;
        p.leafDiaCm = 1.0;
        p.neckCm = 1.15;
        p.sheathCm = 8.5;
        p.bulbCm = 2.3;
        break;
    case Deficiency::Zn:
        p.leaves = 6;
        p.heightCm = 25.0;
        p.leafDiaCm = 0.8;
        p.neckCm = 0.8;
        p.sheathCm = 4.5;
        p.bulbCm = 1.3;
        p.spread = 1.35;
        p.droop = 1.2;
        p.curl = 1.0;
        break;
    }
    // Plant-to-plant variation.
    const double size = rnd.uniform(0.9, 1.08);
    p.heightCm *= size;
    p.leafDiaCm *= lerp(1.0, size, 0.5);
    p.bulbCm *= size;
    if (rnd.uniform(0.0, 1.0) < 0.35)
        p.leaves += rnd.uniform(0.0, 1.0) < 0.5 ? -1 : 1;
    return p;
}

// The look of one leaf of a plant with the given deficiency; age 0 is the
// youngest (inner) leaf, 1 the oldest (outer) one.
LeafLook leafLook(Deficiency d, double age, Random& rnd)
{
    LeafLook k;
    k.seed = rnd.seed();
    k.green = mix(mix(kOldGreen, kYoungGreen, 1.0 - age), rgb(84, 132, 100), rnd.uniform(0.0, 0.2));
    const double young = 1.0 - age;
    switch (d) {
    case Deficiency::Mn: {
        // Young leaves pale, with pale streaks between the veins.
        const double hit = smoothstep(0.55, 0.0, age);
        k.pale = 0.42 * hit;
        k.paleColour = rgb(176, 198, 112);
        k.stripes = hit;
        k.stripeCount = 13;
        k.stripeWidth = 0.5;
        k.breaks = 0.6;
        k.stripeColour = rgb(234, 234, 172);
        k.stripeFrom = 0.0;
        k.stripeFull = 0.25;
        break;
    }
    case Deficiency::N: {
        // The whole plant light green; the older leaves yellow from the tip
        // down and die back.
        k.pale = 0.45;
        k.paleColour = rgb(156, 182, 92);
        if (age > 0.3) {
            const double a = (age - 0.3) / 0.7;
            k.yellowFrom = lerp(0.7, 0.05, a);
            k.yellowFull = k.yellowFrom + lerp(0.2, 0.45, a);
            k.yellow = rgb(222, 206, 100);
            k.deadFrom = a > 0.25 ? lerp(1.0, 0.72, a) : 2.0;
            k.dead = rgb(214, 196, 140);
            k.deadDark = rgb(166, 136, 86);
        }
        break;
    }
    case Deficiency::P: {
        // Dull, bluish green; purple towards the tips of the older leaves,
        // which die back.
        k.green = mix(mix(rgb(58, 84, 74), rgb(70, 98, 80), young), rgb(72, 86, 90), rnd.uniform(0.0, 0.3));
        k.gloss = 0.5;
        k.purpleColour = rgb(124, 74, 98);
        if (age > 0.3) {
            const double a = (age - 0.3) / 0.7;
            k.purple = lerp(0.4, 0.68, a);
            k.purpleFrom = lerp(0.6, 0.3, a);
            k.purpleFull = lerp(0.9, 0.7, a);
            k.deadFrom = lerp(0.95, 0.76, a);
            k.dead = rgb(140, 106, 80);
            k.deadDark = rgb(84, 58, 52);
            k.deadBorderCm = 0.25;
        }
        break;
    }
    case Deficiency::K: {
        // Older leaves: tips and margins scorched, dry and papery.
        if (age > 0.35) {
            const double a = (age - 0.35) / 0.65;
            k.deadFrom = lerp(0.82, 0.55, a) + rnd.uniform(-0.03, 0.03);
            k.deadMargin = 0.14;
            k.deadBorderCm = 0.35;
            k.dead = rgb(216, 196, 150);
            k.deadDark = rgb(124, 86, 50);
            k.halo = 0.65;
            k.yellow = rgb(194, 186, 86);
            k.flecks = 0.8;
            k.shrivel = 0.8;
        }
        break;
    }
    case Deficiency::Ca: {
        // Tips of the young leaves dead, dark and collapsed.
        if (age < 0.3) {
            k.deadFrom = rnd.uniform(0.56, 0.64);
            k.dead = rgb(112, 78, 50);
            k.deadDark = rgb(56, 40, 28);
            k.soaked = 0.85;
            k.shrivel = 0.78;
            k.gloss = 0.7;
        }
        break;
    }
    case Deficiency::Mg: {
        // Older leaves: yellow streaks between green veins, broken into beads.
        const double hit = smoothstep(0.35, 0.8, age);
        k.stripes = hit;
        k.beads = 0.9;
        k.stripeCount = 12;
        k.stripeWidth = 0.8;
        k.stripeColour = rgb(238, 212, 64);
        k.breaks = 0.3;
        k.pale = 0.25 * hit;
        k.paleColour = rgb(166, 168, 78);
        k.stripeFrom = 0.1;
        k.stripeFull = 0.55;
        if (age > 0.6) {
            k.yellowFrom = lerp(0.95, 0.6, (age - 0.6) / 0.4);
            k.yellowFull = 1.0;
            k.yellow = rgb(214, 200, 90);
        }
        break;
    }
    case Deficiency::S: {
        // Young leaves evenly pale yellow-green, the older ones greener.
        k.pale = 0.85 * smoothstep(0.65, 0.0, age);
        k.paleColour = rgb(194, 202, 106);
        if (age > 0.6)
            k.green = mix(kOldGreen, rgb(50, 96, 64), 0.4);
        break;
    }
    case Deficiency::Zn: {
        // Twisted, striped leaves.
        k.pale = 0.15;
        k.stripes = 0.9;
        k.stripeCount = 7;
        k.stripeWidth = 0.5;
        k.stripeColour = rgb(228, 226, 170);
        k.twistTurns = rnd.sign() * rnd.uniform(1.2, 2.2);
        break;
    }
    }
    return k;
}

struct Plant {
    std::vector<Tube> leaves; // oldest first
    Tube stem;
    QPointF soil; // where the pseudostem meets the soil
    double pxPerCm = 1.0;
    double bulbCm = 0.0;
    double neckCm = 0.0;
};

// Lays out one plant: the leaves fan out in one plane, alternately to each
// side, the older (outer) ones lower on the pseudostem, more inclined and
// arching; fan: how much of the fan's width the viewer sees.
Plant buildPlant(Deficiency def, const PlantTraits& sp, QPointF soil, double pxPerCm, double fan, double flip,
                 std::uint64_t seed)
{
    Random rnd(seed);
    Plant plant;
    plant.soil = soil;
    plant.pxPerCm = pxPerCm;
    plant.bulbCm = sp.bulbCm;
    plant.neckCm = sp.neckCm;
    const int n = std::max(2, sp.leaves);
    const double lean = rnd.uniform(-4.0, 4.0);
    const double sheathTop = soil.y() - sp.sheathCm * pxPerCm;
    for (int k = 0; k < n; ++k) {
        const double age = static_cast<double>(n - 1 - k) / (n - 1);
        const double side = ((n - 1 - k) % 2 == 0 ? 1.0 : -1.0) * flip;
        const double rise = 0.35 + 0.65 * (1.0 - age);
        const QPointF base(soil.x() + side * sp.neckCm * pxPerCm * 0.12 +
                               lean * 0.02 * sp.sheathCm * pxPerCm * rise,
                           soil.y() - (soil.y() - sheathTop) * rise);
        const int fromYoungest = n - 1 - k;
        double rel = 1.0;
        if (fromYoungest == 0)
            rel = 0.62;
        else if (fromYoungest == 1)
            rel = 0.86;
        else if (fromYoungest == 2)
            rel = 0.97;
        else
            rel = 1.0 - 0.05 * (fromYoungest - 3);
        LeafLook look = leafLook(def, age, rnd);
        look.lengthCm = (sp.heightCm - sp.sheathCm * rise) * rel * rnd.uniform(0.93, 1.06);
        look.diaCm = sp.leafDiaCm * (0.8 + 0.3 * age);

        const double spread = sp.spread * fan;
        const double a0 = lean + side * spread * (3.0 + 16.0 * std::pow(age, 0.9) + rnd.uniform(-2.0, 2.0));
        const double bend = side * spread * sp.droop * (6.0 + 56.0 * age + rnd.uniform(-5.0, 5.0));
        std::vector<Bend> turning = {
            {0.0, a0}, {0.45, a0 + 0.22 * bend}, {0.8, a0 + 0.62 * bend}, {1.0, a0 + bend}};
        Wobble wobble;
        double lengthScale = rnd.uniform(0.86, 1.0); // leaves towards or away from the viewer look shorter
        if (sp.collapse > 0.0 && age > 0.4) {
            // Weak older leaves fold over partway up and hang towards the soil.
            const double at = rnd.uniform(0.32, 0.5);
            const double fold = side * rnd.uniform(75.0, 115.0) * sp.collapse;
            turning = {{0.0, a0},
                       {at - 0.06, a0 + 0.25 * bend},
                       {at + 0.06, a0 + 0.25 * bend + fold},
                       {1.0, a0 + 0.3 * bend + fold + side * rnd.uniform(15.0, 35.0)}};
        }
        if (sp.tipCollapse > 0.0 && look.deadFrom < 1.0) {
            // The dead tip of a young leaf has collapsed and hangs down.
            const double at = look.deadFrom - 0.02;
            const double droopSide = rnd.sign();
            turning = {{0.0, a0},
                       {0.5, a0 + 0.2 * bend},
                       {at - 0.03, a0 + 0.3 * bend},
                       {at + 0.07, a0 + 0.3 * bend + droopSide * rnd.uniform(110.0, 150.0)},
                       {1.0, a0 + 0.3 * bend + droopSide * rnd.uniform(150.0, 175.0)}};
        }
        if (sp.curl > 0.0) {
            wobble.deg = sp.curl * rnd.uniform(30.0, 55.0);
            wobble.turns = rnd.uniform(1.0, 1.8);
            wobble.phase = rnd.uniform(0.0, 2.0 * kPi);
            lengthScale *= 0.9;
        }
        plant.leaves.push_back(
            makeTube(base, 0.0, 1.0, pxPerCm, look, turning, wobble, soil.y(), lengthScale));
    }
    LeafLook stem;
    stem.seed = rnd.seed();
    stem.green = mix(plant.leaves.back().look.green, rgb(120, 160, 110), 0.25);
    stem.pale = plant.leaves.back().look.pale * 0.6;
    stem.paleColour = plant.leaves.back().look.paleColour;
    stem.pointed = false;
    stem.blanch = 0.35;
    stem.lengthCm = sp.sheathCm + 0.5;
    stem.diaCm = sp.neckCm;
    plant.stem = makeTube(QPointF(soil.x(), soil.y() + 0.5 * pxPerCm), 0.0, 1.0, pxPerCm, stem,
                          {{0.0, lean * 0.6}, {1.0, lean}});
    return plant;
}

// Half-width of the bulb at height fraction v (0 at the basal plate, 1 at the
// neck): a globe that narrows into the neck.
double bulbHalfWidth(double v, double radius, double neckHalf)
{
    const double globe = radius * std::pow(std::sin(kPi * std::pow(v, 0.85)), 0.62);
    const double neck = neckHalf * std::pow(v, 2.5);
    return std::pow(std::pow(globe, 4.0) + std::pow(neck, 4.0), 0.25);
}

void paintBulb(QImage& image, const Plant& plant, const Rgb& soil)
{
    const double px = plant.pxPerCm;
    const double radius = plant.bulbCm * 0.5 * px;
    if (radius < 1.0)
        return;
    const double neckHalf = plant.neckCm * 0.5 * px;
    const double high = plant.bulbCm * 0.95 * px;
    const double cx = plant.soil.x();
    const double plateY = plant.soil.y() + 0.55 * high;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF outline;
    const int samples = 48;
    for (int i = 0; i <= samples; ++i) {
        const double v = static_cast<double>(i) / samples;
        outline << QPointF(cx - bulbHalfWidth(v, radius, neckHalf), plateY - v * high);
    }
    for (int i = samples; i >= 0; --i) {
        const double v = static_cast<double>(i) / samples;
        outline << QPointF(cx + bulbHalfWidth(v, radius, neckHalf), plateY - v * high);
    }
    const Rgb fill = rgb(214, 196, 160);
    QRadialGradient shade(QPointF(cx - radius * 0.4, plateY - high * 0.6), radius * 1.5);
    shade.setColorAt(0.0, toQColor(mix(fill, rgb(255, 255, 246), 0.6)));
    shade.setColorAt(0.55, toQColor(fill));
    shade.setColorAt(1.0, toQColor(fill * 0.72));
    p.setPen(QPen(toQColor(rgb(140, 112, 84)), std::max(0.6, 0.04 * px)));
    p.setBrush(shade);
    p.drawPolygon(outline);
    // Faint lines of the outer scales.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(toQColor(rgb(160, 124, 96), 0.6), std::max(0.5, 0.035 * px)));
    for (double f : {-0.62, -0.25, 0.12, 0.5}) {
        QPainterPath line;
        for (int i = 6; i <= samples - 3; ++i) {
            const double v = static_cast<double>(i) / samples;
            const QPointF pt(cx + f * bulbHalfWidth(v, radius, neckHalf), plateY - v * high);
            if (i == 6)
                line.moveTo(pt);
            else
                line.lineTo(pt);
        }
        p.drawPath(line);
    }
    // The soil heaped round its lower half.
    const double moundW = radius * 1.7;
    QRadialGradient mound(QPointF(cx, plant.soil.y() + 0.32 * high), moundW);
    mound.setColorAt(0.0, toQColor(soil * 1.25, 1.0));
    mound.setColorAt(0.6, toQColor(soil * 1.1, 0.9));
    mound.setColorAt(1.0, toQColor(soil * 1.1, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(mound);
    p.drawEllipse(QPointF(cx, plant.soil.y() + 0.42 * high), moundW, 0.36 * high);
    Random rnd(static_cast<std::uint64_t>(cx * 131.0 + plant.soil.y()));
    for (int i = 0; i < 12; ++i) {
        const QPointF at(cx + rnd.uniform(-1.4, 1.4) * radius, plant.soil.y() + rnd.uniform(0.0, 0.4) * high);
        const double r = rnd.uniform(0.1, 0.26) * radius;
        QRadialGradient clod(at - QPointF(r * 0.35, r * 0.45), r * 1.3);
        clod.setColorAt(0.0, toQColor(soil * 1.7));
        clod.setColorAt(1.0, toQColor(soil * 0.9));
        p.setBrush(clod);
        p.drawEllipse(at, r * 1.2, r * 0.8);
    }
}

void paintPlant(QImage& image, const Plant& plant, const Rgb& soil)
{
    // Soft shadow on the soil, away from the light.
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = std::max(4.0, plant.pxPerCm * 9.0);
        QRadialGradient g(plant.soil + QPointF(w * 0.35, 0.0), w);
        g.setColorAt(0.0, QColor(20, 14, 8, 90));
        g.setColorAt(1.0, QColor(20, 14, 8, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(plant.soil + QPointF(w * 0.35, 0.0), w, w * 0.22);
    }
    for (const Tube& leaf : plant.leaves)
        paintTube(image, leaf);
    paintTube(image, plant.stem);
    paintBulb(image, plant, soil);
}

// ---------------------------------------------------------------- ground, sky, rows

const Rgb kSoilDark = rgb(62, 46, 36);
const Rgb kSoilLight = rgb(112, 86, 64);
const Rgb kStraw = rgb(168, 150, 112);

// The soil, pixel by pixel in ground coordinates, so its texture recedes in
// perspective: fine crumbs lit from the left, damper and drier patches.
void paintGround(QImage& image, const Scene& sc, std::uint32_t seed)
{
    const int top = std::max(0, static_cast<int>(std::floor(sc.horizon)));
    for (int y = top; y < image.height(); ++y) {
        const double yc = y + 0.5;
        if (yc <= sc.horizon + 0.25)
            continue;
        const double z = sc.depthAt(yc);
        const double lateral = z / sc.focal;
        const double along = z * z / (sc.focal * sc.camHeight);
        const double fp = std::max(lateral, 0.35 * along) + sc.blurAt(z) * lateral;
        const double haze = 0.6 * (1.0 - std::exp(-z / 60.0));
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double gx = (x + 0.5 - sc.width * 0.5) * lateral;
            const double scale = 0.03;
            const double fu = fp / scale;
            const auto height = [&](double a, double b) { return fbm(a / scale, b / scale, seed, 6, fu); };
            const double h0 = height(gx, z);
            const double e = std::max(fp, 0.003);
            const double hl = height(gx - e, z);
            const double hb = height(gx, z + e);
            const double slope = ((h0 - hl) * 0.8 + (hb - h0) * 0.5) / e * scale;
            const double shade = std::clamp(1.0 + 0.7 * slope, 0.6, 1.35);
            const double patches = fbm(gx / 0.4, z / 0.4, seed + 5, 4, fp / 0.4);
            Rgb c = mix(kSoilDark, kSoilLight, 0.25 + 0.9 * (h0 - 0.5) + 0.9 * (patches - 0.5));
            c = c * shade;
            c = mix(c, kSkyLow * 0.85, haze);
            blendPixel(row[x], c, 1.0);
        }
    }
}

// Crumbs and clods of tilled soil in front, each lit from the left with a
// shadow to the right; those behind the focus go into a blurred layer.
void paintClods(QImage& image, const Scene& sc, Random& rnd)
{
    struct Clod {
        double z;
        double x;
        double sizeCm;
        double tone;
        double turn;
    };
    const double zNear = sc.depthAt(sc.height - 0.5) * 0.97;
    const double zFar = 2.2;
    const double density = 700.0; // per square metre
    const double area = sc.width / sc.focal * (zFar * zFar - zNear * zNear) * 0.5;
    const int count = static_cast<int>(area * density);
    std::vector<Clod> clods;
    for (int i = 0; i < count; ++i) {
        const double z = std::sqrt(zNear * zNear + rnd.uniform(0.0, 1.0) * (zFar * zFar - zNear * zNear));
        const double halfW = sc.width * 0.5 * z / sc.focal + 0.05;
        const double u = rnd.uniform(0.0, 1.0);
        clods.push_back({z, rnd.uniform(-halfW, halfW), 0.3 + 2.6 * u * u * u, rnd.uniform(0.0, 1.0),
                         rnd.uniform(-25.0, 25.0)});
    }
    std::sort(clods.begin(), clods.end(), [](const Clod& a, const Clod& b) { return a.z > b.z; });
    QImage behind = transparentImage(sc.width, sc.height);
    for (int pass = 0; pass < 2; ++pass) {
        QPainter p(pass == 0 ? &behind : &image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (const Clod& c : clods) {
            if ((c.z > 1.1) != (pass == 0))
                continue;
            const double r = 0.5 * c.sizeCm * sc.pxPerCm(c.z);
            if (r < 1.0)
                continue;
            const QPointF at(sc.screenX(c.x, c.z), sc.groundY(c.z) - 0.3 * r);
            const Rgb base = mix(kSoilDark, kSoilLight, 0.2 + 0.7 * c.tone);
            p.save();
            p.translate(at);
            p.rotate(c.turn);
            QRadialGradient shadow(QPointF(0.35 * r, 0.35 * r), 1.3 * r);
            shadow.setColorAt(0.0, QColor(16, 10, 6, 110));
            shadow.setColorAt(1.0, QColor(16, 10, 6, 0));
            p.setBrush(shadow);
            p.drawEllipse(QPointF(0.35 * r, 0.3 * r), 1.4 * r, 0.8 * r);
            QRadialGradient body(QPointF(-0.4 * r, -0.35 * r), 1.4 * r);
            body.setColorAt(0.0, toQColor(base * 1.28));
            body.setColorAt(0.5, toQColor(base));
            body.setColorAt(1.0, toQColor(base * 0.62));
            p.setBrush(body);
            // A lump: a ring of points at uneven distances, joined by curves.
            const int corners = 9;
            std::vector<QPointF> ring;
            for (int k = 0; k < corners; ++k) {
                const double a = 2.0 * kPi * k / corners;
                const double rr = r * (0.75 + 0.5 * hash01(static_cast<std::int64_t>(c.tone * 1e6), k, 77));
                ring.emplace_back(1.1 * rr * std::cos(a), 0.72 * rr * std::sin(a));
            }
            QPainterPath lump;
            lump.moveTo((ring[corners - 1] + ring[0]) * 0.5);
            for (int k = 0; k < corners; ++k)
                lump.quadTo(
                    ring[static_cast<std::size_t>(k)],
                    (ring[static_cast<std::size_t>(k)] + ring[static_cast<std::size_t>((k + 1) % corners)]) *
                        0.5);
            p.drawPath(lump);
            p.restore();
        }
    }
    blur(behind, std::max(1, static_cast<int>(std::lround(sc.blurAt(1.6) / 1.7))));
    QPainter p(&image);
    p.drawImage(0, 0, behind);
}

// Bits of old straw lying on the soil in front.
void paintStraw(QImage& image, const Scene& sc, Random& rnd)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int count = static_cast<int>(28.0 * sc.width / sc.height);
    for (int i = 0; i < count; ++i) {
        const double z = rnd.uniform(sc.depthAt(sc.height - 1.0), 1.1);
        const double halfWidthM = sc.width * 0.5 * z / sc.focal;
        const double x = rnd.uniform(-halfWidthM, halfWidthM);
        const double len = rnd.uniform(0.02, 0.07);
        const double a = rnd.uniform(0.0, kPi);
        const double bow = rnd.uniform(-0.06, 0.06) * len;
        QPainterPath path;
        const auto at = [&](double t) {
            const double gx = x + std::cos(a) * len * t - std::sin(a) * bow * 4.0 * t * (1.0 - t);
            const double gz = z + std::sin(a) * len * t + std::cos(a) * bow * 4.0 * t * (1.0 - t);
            return QPointF(sc.screenX(gx, gz), sc.groundY(gz));
        };
        path.moveTo(at(0.0));
        for (int k = 1; k <= 8; ++k)
            path.lineTo(at(k / 8.0));
        const double w = std::max(0.8, rnd.uniform(0.2, 0.35) * sc.pxPerCm(z));
        const Rgb c = mix(kStraw, rgb(200, 186, 146), rnd.uniform(0.0, 1.0)) * rnd.uniform(0.65, 0.95);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 14, 8, 90), w * 1.2, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path.translated(w * 0.4, w * 0.5));
        p.setPen(QPen(toQColor(c * 0.8), w, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path);
        p.setPen(QPen(toQColor(c * 1.08), w * 0.45, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path.translated(-w * 0.15, -w * 0.15));
    }
}

void paintSky(QImage& image, const Scene& sc, Random& rnd)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double bottom = sc.horizon + 0.01 * sc.height;
    QLinearGradient g(0, 0, 0, bottom);
    g.setColorAt(0.0, toQColor(kSkyTop));
    g.setColorAt(0.65, toQColor(kSkyMid));
    g.setColorAt(1.0, toQColor(kSkyLow));
    p.fillRect(QRectF(0, 0, sc.width, bottom), g);
    p.end();
    // Fair-weather clouds: puffs over a flat base, softened in a layer.
    QImage layer = transparentImage(sc.width, sc.height);
    QPainter cp(&layer);
    cp.setRenderHint(QPainter::Antialiasing);
    cp.setPen(Qt::NoPen);
    const int clouds = 2 + static_cast<int>(1.5 * sc.width / sc.height);
    for (int c = 0; c < clouds; ++c) {
        const double cx = rnd.uniform(-0.05, 1.05) * sc.width;
        const double base = rnd.uniform(0.35, 0.85) * sc.horizon;
        const double wide = rnd.uniform(0.06, 0.14) * sc.height * (0.4 + base / sc.horizon);
        cp.save();
        cp.setClipRect(QRectF(0, 0, sc.width, base));
        for (int k = 0; k < 16; ++k) {
            const double t = rnd.uniform(-1.0, 1.0);
            const double r = wide * 0.3 * (1.0 - 0.6 * std::abs(t)) * rnd.uniform(0.7, 1.25);
            const QPointF at(cx + t * wide, base - r * rnd.uniform(0.2, 0.8));
            QRadialGradient puff(at - QPointF(0.2 * r, 0.35 * r), 1.2 * r);
            puff.setColorAt(0.0, QColor(255, 255, 255, 170));
            puff.setColorAt(0.5, QColor(238, 242, 248, 110));
            puff.setColorAt(1.0, QColor(214, 222, 234, 0));
            cp.setBrush(puff);
            cp.drawEllipse(at, 1.2 * r, r);
        }
        cp.restore();
    }
    cp.end();
    blur(layer, std::max(1, static_cast<int>(0.007 * sc.height)));
    QPainter lp(&image);
    lp.drawImage(0, 0, layer);
}

// Trees along the far edge of the field, hazy with distance.
void paintTreeLine(QImage& image, const Scene& sc, std::uint32_t seed)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF shape;
    const double base = sc.horizon + 0.01 * sc.height;
    shape << QPointF(0, base);
    for (int x = 0; x <= sc.width; x += 2) {
        const double crowns = fbm(x / (0.02 * sc.height), 0.5, seed, 4);
        const double tall = smoothstep(0.62, 0.8, valueNoise(x / (0.05 * sc.height), 3.5, seed + 3));
        const double h = (0.012 + 0.03 * crowns + 0.03 * tall * crowns) * sc.height;
        shape << QPointF(x, sc.horizon - h);
    }
    shape << QPointF(sc.width, base);
    QLinearGradient g(0, sc.horizon - 0.06 * sc.height, 0, base);
    g.setColorAt(0.0, toQColor(mix(rgb(78, 104, 90), kSkyLow, 0.45)));
    g.setColorAt(1.0, toQColor(mix(rgb(60, 86, 72), kSkyLow, 0.3)));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(shape);
}

// Mean colour of the crop seen from afar.
Rgb canopyColour(Deficiency d)
{
    Random rnd(99);
    Rgb sum;
    int count = 0;
    for (double age : {0.1, 0.4, 0.7, 1.0}) {
        const LeafLook k = leafLook(d, age, rnd);
        for (double s : {0.3, 0.55, 0.8, 0.95}) {
            double dry = 0;
            sum = sum + leafAlbedo(k, s, 0.0, 1.0, 0.5, dry);
            ++count;
        }
    }
    return sum * (0.8 / count);
}

// The crop beyond the drawn rows: a band of leaves up to the horizon.
void paintCanopyBand(QImage& image, const Scene& sc, Deficiency d, double nearZ, std::uint32_t seed)
{
    const Rgb c = canopyColour(d);
    const int y1 = std::min(image.height() - 1, static_cast<int>(sc.groundY(nearZ)));
    const int y0 = std::max(0, static_cast<int>(sc.horizon - 0.03 * sc.height));
    for (int y = y0; y <= y1; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double zf = y + 0.5 > sc.horizon + 0.5 ? sc.depthAt(y + 0.5) : 200.0;
        const double haze = 1.0 - std::exp(-zf / 70.0);
        for (int x = 0; x < image.width(); ++x) {
            const double top =
                sc.horizon - (0.004 + 0.01 * fbm(x / (0.006 * sc.height), 1.0, seed, 3)) * sc.height;
            if (y + 0.5 < top)
                continue;
            const double cover = clamp01(y + 0.5 - top);
            const double streak = fbm(x / (0.0025 * sc.height), y / (0.01 * sc.height), seed + 1, 3);
            Rgb col = c * (0.7 + 0.6 * streak);
            col = mix(col, kSkyLow * 0.9, haze * 0.45);
            blendPixel(row[x], col, cover);
        }
    }
}

struct RowPlan {
    double z;
    int layer; // 0 far, 1 middle, 2 near
};

// The rows behind the front one, drawn at half size into three layers that
// are blurred by how far they are from the focus.
void paintBackRows(QImage& image, const Scene& sc, Deficiency d, std::uint64_t seed)
{
    const double k = 0.5;
    const Scene hs = sc.scaled(k);
    std::vector<QImage> layers;
    for (int i = 0; i < 3; ++i)
        layers.push_back(transparentImage(hs.width, hs.height));
    const double farZ = 7.0;
    paintTreeLine(layers[0], hs, static_cast<std::uint32_t>(seed + 3));
    paintCanopyBand(layers[0], hs, d, farZ, static_cast<std::uint32_t>(seed + 4));
    std::vector<RowPlan> rows;
    for (double z = farZ; z > sc.focusZ + 0.2; z -= 0.36)
        rows.push_back({z, z > 2.3 ? 0 : (z > 1.5 ? 1 : 2)});
    Random rnd(seed);
    for (const RowPlan& row : rows) {
        const double halfWidthM = hs.width * 0.5 * row.z / hs.focal + 0.3;
        const double spacing = 0.1;
        for (double x = -halfWidthM; x < halfWidthM; x += spacing * rnd.uniform(0.8, 1.2)) {
            const double zz = row.z + rnd.uniform(-0.04, 0.04);
            const QPointF soil(hs.screenX(x, zz), hs.groundY(zz));
            PlantTraits traits = plantTraits(d, rnd);
            if (row.z > 3.5)
                traits.leaves = std::max(3, traits.leaves - 2);
            const Plant plant = buildPlant(d, traits, soil, hs.pxPerCm(zz), rnd.uniform(0.5, 1.0), rnd.sign(),
                                           static_cast<std::uint64_t>(rnd.uniform(0.0, 1e15)));
            paintPlant(layers[static_cast<std::size_t>(row.layer)], plant, kSoilDark);
        }
    }
    const double blurs[3] = {sc.blurAt(3.5) * k, sc.blurAt(1.9) * k, sc.blurAt(1.25) * k};
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 3; ++i) {
        QImage& layer = layers[static_cast<std::size_t>(i)];
        blur(layer, std::max(1, static_cast<int>(std::lround(blurs[i] / 1.7))));
        p.drawImage(QRectF(0, 0, hs.width / k, hs.height / k), layer);
    }
}

// ---------------------------------------------------------------- the close look

// One stretch of leaf in the magnifier, taken from a leaf of the plant looked at.
struct CloseLeaf {
    std::size_t leaf; // index in the plant, from the oldest
    double s0;        // the stretch shown
    double s1;
    QPointF start;             // where it starts, in circle radii from the centre
    std::vector<Bend> turning; // at: leaf s
    double diaScale = 1.0;
    bool inFront = true; // false: out of focus, behind
};

struct Inset {
    double fovCm = 6.0;            // leaf length the circle spans
    std::size_t plant = 0;         // the front-row plant looked at
    std::vector<CloseLeaf> leaves; // the first one is the leaf looked at
};

std::size_t leafIndex(const Plant& plant, int leaf)
{
    const int n = static_cast<int>(plant.leaves.size());
    return static_cast<std::size_t>(std::clamp(leaf >= 0 ? leaf : n + leaf, 0, n - 1));
}

// A stretch of a leaf given in centimetres around the point at s: from
// cmBefore below it to cmAfter above it (not beyond the tip), with its
// direction (degrees from vertical) at centimetres from that point.
CloseLeaf stretch(const Plant& plant, int leaf, double at, double cmBefore, double cmAfter, QPointF start,
                  const std::vector<std::pair<double, double>>& turningCm, double diaScale = 1.0,
                  bool inFront = true)
{
    const std::size_t i = leafIndex(plant, leaf);
    const double len = plant.leaves[i].look.lengthCm;
    CloseLeaf c;
    c.leaf = i;
    c.s0 = std::max(0.0, at - cmBefore / len);
    c.s1 = std::min(1.0, at + cmAfter / len);
    c.start = start;
    for (const auto& [cm, deg] : turningCm)
        c.turning.push_back({at + cm / len, deg});
    c.diaScale = diaScale;
    c.inFront = inFront;
    return c;
}

const LeafLook& lookOf(const Plant& plant, int leaf)
{
    return plant.leaves[leafIndex(plant, leaf)].look;
}

// What the magnifier shows for each deficiency, on the given front-row plant.
Inset insetFor(Deficiency d, const std::vector<Plant>& front)
{
    Inset in;
    switch (d) {
    case Deficiency::Mn: {
        // A young leaf: pale streaks between green veins; an older, green leaf behind.
        in.plant = 1;
        in.fovCm = 5.5;
        const Plant& p = front[in.plant];
        in.leaves = {stretch(p, -1, 0.5, 3.5, 4.5, {-0.45, 1.15}, {{-3.5, 14.0}, {4.5, 24.0}}, 1.3),
                     stretch(p, 0, 0.4, 3.0, 5.0, {1.2, 0.7}, {{-3.0, -30.0}, {5.0, -36.0}}, 1.0, false)};
        break;
    }
    case Deficiency::N: {
        // An older leaf turning yellow from the tip down; a young, light green one behind.
        in.plant = 2;
        in.fovCm = 12.0;
        const Plant& p = front[in.plant];
        in.leaves = {
            stretch(p, 2, 1.0, 13.0, 0.0, {-0.45, 1.1}, {{-13.0, 12.0}, {-6.0, 30.0}, {0.0, 80.0}}, 1.7),
            stretch(p, -1, 0.4, 4.0, 8.0, {0.95, 1.0}, {{-4.0, -18.0}, {8.0, -26.0}}, 1.0, false)};
        break;
    }
    case Deficiency::P: {
        // The tip of an older leaf: dull bluish green, purplish, dying back.
        in.plant = 2;
        in.fovCm = 12.0;
        const Plant& p = front[in.plant];
        in.leaves = {
            stretch(p, 2, 1.0, 13.5, 0.0, {-0.45, 1.1}, {{-13.5, 12.0}, {-6.0, 30.0}, {0.0, 80.0}}, 1.7),
            stretch(p, -1, 0.4, 4.0, 6.0, {0.95, 1.05}, {{-4.0, -18.0}, {6.0, -24.0}}, 1.0, false)};
        break;
    }
    case Deficiency::K: {
        // The scorched tip and margins of an older leaf, dry and papery.
        in.plant = 1;
        in.fovCm = 12.0;
        const Plant& p = front[in.plant];
        const LeafLook& k = lookOf(p, 1);
        in.leaves = {stretch(p, 1, k.deadFrom, 7.5, 20.0, {-0.55, 1.1},
                             {{-7.5, 12.0}, {1.0, 28.0}, {7.0, 64.0}}, 1.15),
                     stretch(p, -1, 0.4, 4.0, 8.0, {0.95, 1.05}, {{-4.0, -20.0}, {8.0, -26.0}}, 1.0, false)};
        break;
    }
    case Deficiency::Ca: {
        // A young leaf whose dead, dark tip has collapsed and hangs down.
        in.plant = 2;
        in.fovCm = 9.0;
        const Plant& p = front[in.plant];
        const LeafLook& k = lookOf(p, -1);
        in.leaves = {stretch(p, -1, k.deadFrom, 6.5, 20.0, {-0.3, 1.1},
                             {{-6.5, 6.0}, {-1.2, 10.0}, {2.0, 150.0}, {7.0, 172.0}}, 1.3),
                     stretch(p, 0, 0.4, 4.0, 8.0, {1.1, 0.75}, {{-4.0, -32.0}, {8.0, -40.0}}, 1.0, false)};
        break;
    }
    case Deficiency::Mg: {
        // An older leaf: yellow beads and streaks between the green veins.
        in.plant = 1;
        in.fovCm = 5.5;
        const Plant& p = front[in.plant];
        in.leaves = {stretch(p, 1, 0.5, 3.5, 4.5, {-0.5, 1.15}, {{-3.5, 18.0}, {4.5, 28.0}}, 1.15),
                     stretch(p, -1, 0.4, 3.0, 5.0, {1.2, 0.75}, {{-3.0, -28.0}, {5.0, -34.0}}, 1.0, false)};
        break;
    }
    case Deficiency::S: {
        // A young leaf, evenly pale, beside an older, greener one.
        in.plant = 2;
        in.fovCm = 6.5;
        const Plant& p = front[in.plant];
        in.leaves = {stretch(p, -2, 0.4, 3.5, 5.0, {0.05, 1.15}, {{-3.5, 14.0}, {5.0, 20.0}}, 1.1),
                     stretch(p, 0, 0.4, 3.5, 5.0, {-0.8, 0.95}, {{-3.5, 30.0}, {5.0, 38.0}}, 1.0)};
        break;
    }
    case Deficiency::Zn: {
        // A twisted, curled leaf with light stripes.
        in.plant = 1;
        in.fovCm = 7.0;
        const Plant& p = front[in.plant];
        in.leaves = {stretch(p, 1, 0.5, 4.0, 5.0, {-0.5, 1.15},
                             {{-4.0, 10.0}, {-1.5, 48.0}, {1.0, 2.0}, {3.5, 44.0}, {5.0, 20.0}}, 1.15),
                     stretch(p, -1, 0.4, 3.0, 5.0, {1.1, 0.9}, {{-3.0, -30.0}, {1.0, -8.0}, {5.0, -44.0}},
                             1.0, false)};
        break;
    }
    }
    return in;
}

QPointF pointOnLeaf(const Tube& tube, double s)
{
    for (std::size_t i = 0; i + 1 < tube.s.size(); ++i)
        if (tube.s[i + 1] >= s)
            return tube.points[i];
    return tube.points.back();
}

// The magnifier: a circle with the magnified leaf, joined by two lines to a
// small circle round the spot on the plant.
void paintInset(QImage& image, const Scene& sc, const Inset& inset, const Plant& plant)
{
    const double h = sc.height;
    const double radius = 0.27 * h;
    const QPointF centre(sc.width - radius - 0.045 * h, radius + 0.05 * h);
    const CloseLeaf& looked = inset.leaves.front();
    const QPointF spot = pointOnLeaf(plant.leaves[looked.leaf], 0.5 * (looked.s0 + looked.s1));
    const double spotRadius = std::max(0.02 * h, inset.fovCm * plant.pxPerCm * 0.5);
    const int size = static_cast<int>(std::ceil(2.0 * radius));
    const double pxPerCm = 2.0 * radius / inset.fovCm;

    // Behind the leaf: the same spot of the field, magnified and out of focus.
    const QRectF crop(spot.x() - spotRadius, spot.y() - spotRadius, 2.0 * spotRadius, 2.0 * spotRadius);
    QImage lens(size, size, QImage::Format_ARGB32_Premultiplied);
    lens.fill(QColor(60, 70, 50));
    {
        QPainter p(&lens);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(0, 0, size, size), image, crop);
        p.fillRect(QRectF(0, 0, size, size), QColor(20, 30, 20, 70));
    }
    blur(lens, std::max(2, static_cast<int>(0.03 * size)));
    for (int pass = 0; pass < 2; ++pass) {
        for (const CloseLeaf& cl : inset.leaves) {
            if (cl.inFront != (pass == 1))
                continue;
            LeafLook look = plant.leaves[cl.leaf].look;
            look.diaCm *= cl.diaScale;
            const QPointF start(radius + cl.start.x() * radius, radius + cl.start.y() * radius);
            Tube tube = makeTube(start, cl.s0, cl.s1, pxPerCm, look, cl.turning);
            if (cl.inFront) {
                paintTube(lens, tube);
            } else {
                QImage behind = transparentImage(size, size);
                paintTube(behind, tube);
                blur(behind, std::max(2, static_cast<int>(0.012 * size)));
                QPainter p(&lens);
                p.drawImage(0, 0, behind);
            }
        }
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The lines from the spot to the magnifier (outer tangents of the circles).
    const QPointF delta = centre - spot;
    const double dist = std::sqrt(delta.x() * delta.x() + delta.y() * delta.y());
    const double phi = std::atan2(delta.y(), delta.x());
    const double alpha = std::acos(std::clamp((spotRadius - radius) / dist, -1.0, 1.0));
    const double lineW = std::max(1.5, 0.0028 * h);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(QPen(pass == 0 ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 215),
                      pass == 0 ? lineW * 2.2 : lineW, Qt::SolidLine, Qt::RoundCap));
        for (double sgn : {-1.0, 1.0}) {
            const double a = phi + sgn * alpha;
            const QPointF dir(std::cos(a), std::sin(a));
            p.drawLine(spot + dir * spotRadius, centre + dir * radius);
        }
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(spot, spotRadius, spotRadius);
    }
    // Shadow, glass, rim.
    {
        QImage shadow = transparentImage(sc.width, sc.height);
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 110));
        sp.drawEllipse(centre + QPointF(0.006 * h, 0.01 * h), radius * 1.02, radius * 1.02);
        sp.end();
        blur(shadow, std::max(2, static_cast<int>(0.008 * h)));
        p.drawImage(0, 0, shadow);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(lens));
    p.setBrushOrigin(centre - QPointF(radius, radius));
    p.drawEllipse(centre, radius, radius);
    QRadialGradient glint(centre + QPointF(-0.45 * radius, -0.5 * radius), radius * 0.9);
    glint.setColorAt(0.0, QColor(255, 255, 255, 46));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glint);
    p.drawEllipse(centre, radius, radius);
    const double rim = 0.016 * h;
    QLinearGradient metal(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    metal.setColorAt(0.0, QColor(120, 120, 116));
    metal.setColorAt(0.5, QColor(46, 46, 44));
    metal.setColorAt(1.0, QColor(24, 24, 22));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(metal), rim));
    p.drawEllipse(centre, radius + rim * 0.5, radius + rim * 0.5);
    p.setPen(QPen(QColor(255, 255, 255, 140), std::max(1.0, 0.0018 * h)));
    p.drawEllipse(centre, radius + rim, radius + rim);
    p.setPen(QPen(QColor(0, 0, 0, 120), std::max(1.0, 0.0015 * h)));
    p.drawEllipse(centre, radius, radius);
}

// ---------------------------------------------------------------- the picture

struct Picture {
    int number;
    Deficiency deficiency;
    int width;
    int height;
    std::uint64_t seed;
};

const Picture kPictures[] = {
    {1, Deficiency::Mn, 1152, 864, 7101},  {2, Deficiency::N, 2133, 1600, 7202},
    {3, Deficiency::P, 2073, 1350, 7303},  {4, Deficiency::K, 3142, 2060, 7404},
    {5, Deficiency::Ca, 1620, 1138, 7505}, {6, Deficiency::Mg, 2162, 1404, 7606},
    {7, Deficiency::S, 1250, 753, 7707},   {8, Deficiency::Zn, 1745, 1113, 7808},
};

void paintVignette(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(image.width() * 0.45, image.height() * 0.55);
    QRadialGradient g(c, 0.8 * std::hypot(image.width(), image.height()) * 0.5);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.7, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillRect(image.rect(), g);
}

bool drawPicture(const QString& dir, const Picture& pic)
{
    const Scene sc = makeScene(pic.width, pic.height);
    QImage image(pic.width, pic.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    Random rnd(pic.seed);

    paintGround(image, sc, static_cast<std::uint32_t>(pic.seed));
    paintClods(image, sc, rnd);
    paintStraw(image, sc, rnd);
    paintSky(image, sc, rnd);
    paintBackRows(image, sc, pic.deficiency, pic.seed * 31 + 5);

    // The front row, in focus.
    const int count = 5;
    std::vector<Plant> front;
    for (int i = 0; i < count; ++i) {
        const double x = (0.09 + 0.84 * i / (count - 1) + rnd.uniform(-0.03, 0.03)) * sc.width;
        const double z = sc.focusZ + rnd.uniform(-0.03, 0.05);
        const QPointF soil(x, sc.groundY(z));
        PlantTraits traits = plantTraits(pic.deficiency, rnd);
        front.push_back(buildPlant(pic.deficiency, traits, soil, sc.pxPerCm(z), rnd.uniform(0.8, 1.0),
                                   i % 2 == 0 ? 1.0 : -1.0,
                                   static_cast<std::uint64_t>(rnd.uniform(0.0, 1e15))));
    }
    // Farther plants first.
    std::vector<std::size_t> order(front.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return front[a].soil.y() < front[b].soil.y(); });
    for (std::size_t i : order)
        paintPlant(image, front[i], kSoilDark);

    paintVignette(image);
    const Inset inset = insetFor(pic.deficiency, front);
    paintInset(image, sc, inset, front[inset.plant]);

    const QImage out = image.convertToFormat(QImage::Format_RGB32);
    const QString file = dir + QStringLiteral("/foto%1.jpg").arg(pic.number);
    if (!out.save(file, "JPG", 85)) {
        std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s  %d x %d\n", file.toLocal8Bit().constData(), out.width(), out.height());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bulbicalc-symptom-pictures OUTDIR [N...]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    std::vector<int> wanted;
    for (int i = 2; i < argc; ++i) {
        const int n = std::atoi(argv[i]);
        if (n < 1 || n > 8) {
            std::fprintf(stderr, "no picture %s: the pictures are numbered 1 to 8\n", argv[i]);
            return 2;
        }
        wanted.push_back(n);
    }
    bool ok = true;
    for (const Picture& pic : kPictures)
        if (wanted.empty() || std::find(wanted.begin(), wanted.end(), pic.number) != wanted.end())
            ok = drawPicture(dir, pic) && ok;
    return ok ? 0 : 1;
}
