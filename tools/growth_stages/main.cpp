// bulbicalc-growth-stages OUTDIR
// Draws the two pictures of the onion plant at its growth stages that the
// fertilisation calendar shows above its chart, and writes them to
//   OUTDIR/estadios_transplante.png  (1348 x 464: 0 to 120 days after transplant)
//   OUTDIR/estadios_semeadura.png    (1534 x 462: seed to 165 days after sowing)
// The pictures are committed under data/Imagens; run this again only to redraw
// them. Every size is in centimetres of the real plant, drawn at one scale for
// all stages so the growth from stage to stage reads true; the only departure
// is the seed, which is drawn larger than life so it can be seen at all.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
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
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr double kPxPerCm = 4.6;
constexpr double kPi = std::numbers::pi;
constexpr double kSowingDepthCm = 2.0;

double radians(double degrees)
{
    return degrees * kPi / 180.0;
}
double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}
double smoothstep(double a, double b, double x)
{
    const double t = clamp01((x - a) / (b - a));
    return t * t * (3.0 - 2.0 * t);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

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

private:
    std::uint64_t state_;
};

enum class Form { Seed, Flag, Plant };

// One growth stage, in centimetres of the real plant.
struct Stage {
    int day;
    Form form;
    int leaves;        // green leaves (besides the cotyledon)
    double heightCm;   // height of the tallest leaf tip above the soil, were the leaf straight
    double leafCm;     // leaf diameter near its base
    double neckCm;     // pseudostem (neck) diameter
    double sheathCm;   // pseudostem height above the bulb, up to where the youngest leaf comes out
                       // (fallen plants: the neck up to where it folds over)
    double bulbCm;     // bulb diameter (at the early stages, the slightly swollen base)
    double bulbHighCm; // bulb height, basal plate to neck
    int roots;
    double rootCm;     // length of the longest roots
    double senescence; // 0 all green ... 1 all dry
    bool cotyledon;    // the seedling still carries its cotyledon
    bool fallen;       // tops fallen over (tombamento)
};

// Transplant: a nursery seedling at day 0; bulbing from about 60 days; the tops
// fall over at 120 days.
const std::vector<Stage> kTransplant = {
    // day, form, leaves, heightCm, leafCm, neckCm, sheathCm, bulbCm, bulbHighCm, roots, rootCm,
    // senescence, cotyledon, fallen
    {0, Form::Plant, 3, 18, 0.45, 0.55, 4.0, 0.62, 2.4, 8, 2.5, 0.12, false, false},
    {15, Form::Plant, 4, 25, 0.55, 0.72, 5.0, 0.82, 2.7, 13, 6.0, 0.04, false, false},
    {30, Form::Plant, 5, 32, 0.70, 0.92, 6.5, 1.05, 3.0, 17, 9.0, 0.04, false, false},
    {45, Form::Plant, 6, 40, 0.85, 1.15, 8.0, 1.35, 3.3, 21, 11.5, 0.05, false, false},
    {60, Form::Plant, 7, 48, 1.00, 1.40, 9.5, 2.20, 3.4, 25, 13.5, 0.06, false, false},
    {75, Form::Plant, 8, 55, 1.10, 1.50, 10.5, 3.80, 3.9, 28, 15.0, 0.08, false, false},
    {90, Form::Plant, 9, 59, 1.15, 1.50, 11.0, 5.60, 5.0, 30, 16.0, 0.12, false, false},
    {105, Form::Plant, 9, 61, 1.15, 1.20, 11.0, 7.20, 6.2, 30, 16.0, 0.38, false, false},
    {120, Form::Plant, 8, 56, 1.00, 0.90, 3.0, 8.20, 7.0, 26, 15.0, 0.85, false, true},
};

// Direct seeding: the seed, the flag leaf at emergence, a slower vegetative
// phase and bulbing from about 120 days; the tops fall over at 165 days.
const std::vector<Stage> kSeeding = {
    // day, form, leaves, heightCm, leafCm, neckCm, sheathCm, bulbCm, bulbHighCm, roots, rootCm,
    // senescence, cotyledon, fallen
    {0, Form::Seed, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, false},
    {15, Form::Flag, 0, 6.5, 0.22, 0.22, 0, 0.25, 0.6, 1, 4.5, 0, true, false},
    {30, Form::Plant, 1, 10, 0.24, 0.26, 1.2, 0.30, 1.2, 4, 5.5, 0.02, true, false},
    {45, Form::Plant, 2, 15, 0.30, 0.35, 2.0, 0.40, 1.5, 7, 7.0, 0.02, true, false},
    {60, Form::Plant, 3, 20, 0.40, 0.45, 3.0, 0.52, 1.8, 10, 9.0, 0.03, false, false},
    {75, Form::Plant, 4, 26, 0.50, 0.60, 4.5, 0.68, 2.1, 13, 11.0, 0.04, false, false},
    {90, Form::Plant, 5, 33, 0.65, 0.80, 6.0, 0.90, 2.5, 17, 12.5, 0.05, false, false},
    {105, Form::Plant, 6, 40, 0.80, 1.05, 7.5, 1.20, 3.0, 21, 14.0, 0.05, false, false},
    {120, Form::Plant, 7, 47, 0.95, 1.30, 9.0, 1.95, 3.2, 24, 15.0, 0.06, false, false},
    {135, Form::Plant, 8, 53, 1.05, 1.40, 10.0, 3.60, 3.7, 27, 16.0, 0.08, false, false},
    {150, Form::Plant, 8, 56, 1.10, 1.15, 10.0, 5.80, 5.0, 29, 16.0, 0.38, false, false},
    {165, Form::Plant, 7, 52, 1.00, 0.85, 3.0, 7.20, 6.3, 25, 15.0, 0.85, false, true},
};

// Where things go on one picture, in pixels.
struct Layout {
    int width;
    int height;
    double cell;       // horizontal room of one stage
    double surfaceY;   // soil surface
    double soilBottom; // lower edge of the soil band
    double numberBaseline;
    double captionBaseline;
    double topMargin;
};

Layout makeLayout(int width, int height, int stages)
{
    Layout l{};
    l.width = width;
    l.height = height;
    l.cell = static_cast<double>(width) / stages;
    l.captionBaseline = height - 13.0;
    l.numberBaseline = height - 44.0;
    l.soilBottom = l.numberBaseline - 31.0;
    l.surfaceY = l.soilBottom - 92.0;
    l.topMargin = 10.0;
    return l;
}

// ---------------------------------------------------------------- leaves

struct Leaf {
    QPointF base;
    double length = 0;                              // px
    double width = 0;                               // px
    std::vector<std::pair<double, double>> turning; // (fraction of length, angle from vertical in degrees)
    double dryness = 0;                             // fraction of the length, from the tip, that has dried
    QColor green;
    bool taper = true;
    bool lies = false;       // the part that reaches the soil lies on it
    double lyingScale = 0.4; // a leaf lying on the soil points partly at the viewer
};

struct Trace {
    std::vector<QPointF> points;
    std::vector<double> widths;
    std::vector<double> angles; // radians
    std::vector<double> along;  // fraction of the length
};

double angleAt(const Leaf& leaf, double s)
{
    const auto& k = leaf.turning;
    if (s <= k.front().first)
        return k.front().second;
    for (std::size_t i = 1; i < k.size(); ++i) {
        if (s <= k[i].first) {
            const double t = (s - k[i - 1].first) / (k[i].first - k[i - 1].first);
            return k[i - 1].second + (k[i].second - k[i - 1].second) * t;
        }
    }
    return k.back().second;
}

double widthAt(const Leaf& leaf, double s)
{
    if (!leaf.taper)
        return leaf.width;
    // Onion leaves are hollow tubes of nearly even diameter that narrow to a
    // point over their last third.
    const double point = std::pow(std::min(1.0, (1.0 - s) / 0.42), 0.8);
    return std::max(0.35, leaf.width * (1.0 - 0.18 * s) * point);
}

Trace trace(const Leaf& leaf, double surfaceY)
{
    Trace t;
    const int steps = std::max(24, static_cast<int>(leaf.length / 2.0));
    const double ds = leaf.length / steps;
    QPointF p = leaf.base;
    bool lying = false;
    double side = 1.0;
    for (int i = 0; i <= steps; ++i) {
        const double s = static_cast<double>(i) / steps;
        const double w = widthAt(leaf, s);
        double a = radians(angleAt(leaf, s));
        if (lying)
            a = side * kPi / 2.0;
        t.points.push_back(p);
        t.widths.push_back(w);
        t.angles.push_back(a);
        t.along.push_back(s);
        double step = lying ? ds * leaf.lyingScale : ds;
        QPointF next = p + QPointF(std::sin(a) * step, -std::cos(a) * step);
        const double ground = surfaceY - std::max(1.0, w * 0.5);
        if (leaf.lies && !lying && next.y() >= ground) {
            lying = true;
            side = std::sin(a) >= 0 ? 1.0 : -1.0;
            next.setY(ground);
        }
        if (lying)
            next.setY(surfaceY - std::max(1.0, widthAt(leaf, std::min(1.0, s + 1.0 / steps)) * 0.5));
        p = next;
    }
    return t;
}

const QColor kDryYellow(214, 200, 98);
const QColor kStraw(208, 178, 118);
const QColor kDryBrown(150, 112, 66);
const QColor kBuriedPale(233, 229, 196);

QColor leafColourAt(const Leaf& leaf, double s, double y, double surfaceY)
{
    if (y > surfaceY + 0.5)
        return kBuriedPale;
    // The base, just out of the sheath, is paler.
    QColor c = mix(leaf.green.lighter(118), leaf.green, s / 0.25);
    if (leaf.dryness > 0.0) {
        const double start = 1.0 - leaf.dryness;
        const double u = clamp01((s - start) / std::max(0.05, leaf.dryness));
        const QColor dry =
            u < 0.55 ? mix(kDryYellow, kStraw, u / 0.55) : mix(kStraw, kDryBrown, (u - 0.55) / 0.45);
        c = mix(c, dry, smoothstep(start - 0.07, start + 0.05, s));
    }
    return c;
}

// A tube drawn as short round-capped strokes, so its colour can change along
// it (green, then yellow and straw where it dries): first a darker rim, then
// the body, then a light streak that makes it read as round.
void paintLeaf(QPainter& p, const Leaf& leaf, const Trace& t, double surfaceY)
{
    const std::size_t n = t.points.size();
    std::vector<QColor> colours(n);
    for (std::size_t i = 0; i < n; ++i)
        colours[i] = leafColourAt(leaf, t.along[i], t.points[i].y(), surfaceY);

    for (int pass = 0; pass < 3; ++pass) {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const double w = 0.5 * (t.widths[i] + t.widths[i + 1]);
            QColor c = colours[i];
            QPointF a = t.points[i];
            QPointF b = t.points[i + 1];
            double penWidth = w;
            if (pass == 0) {
                c = c.darker(175);
                penWidth = w + 1.5;
            } else if (pass == 2) {
                if (w < 2.4)
                    continue;
                // Light from the upper left.
                const double ang = t.angles[i];
                const QPointF normal(std::cos(ang), std::sin(ang));
                const QPointF shift = normal * (-0.2 * w);
                a += shift;
                b += shift;
                penWidth = w * 0.28;
                c = mix(c, Qt::white, 0.38);
            }
            p.setPen(QPen(c, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(a, b);
        }
    }
}

struct Extent {
    double left = 1e9;
    double right = -1e9;
    double top = 1e9;
};

void widen(Extent& e, const Trace& t)
{
    for (std::size_t i = 0; i < t.points.size(); ++i) {
        const double r = t.widths[i] * 0.5 + 1.0;
        e.left = std::min(e.left, t.points[i].x() - r);
        e.right = std::max(e.right, t.points[i].x() + r);
        e.top = std::min(e.top, t.points[i].y() - r);
    }
}

// ---------------------------------------------------------------- roots

void paintRoots(QPainter& p, const Stage& st, QPointF origin, double plateWidth, double maxDepth,
                double halfWidth, Random& rnd)
{
    if (st.roots <= 0)
        return;
    const double lengthPx = st.rootCm * kPxPerCm;
    const QColor root(244, 236, 214);
    const QColor rim(120, 84, 50);
    const double baseWidth = std::clamp(0.9 + 0.05 * st.rootCm, 1.0, 1.7);

    struct Path {
        std::vector<QPointF> pts;
        double width;
    };
    std::vector<Path> paths;
    for (int i = 0; i < st.roots; ++i) {
        const double spread = st.roots == 1 ? 0.0 : -1.0 + 2.0 * (i + 0.5) / st.roots;
        double a = radians(78.0 * spread + rnd.uniform(-7.0, 7.0)); // from straight down
        const double len = lengthPx * rnd.uniform(0.62, 1.0) * (1.0 - 0.22 * std::abs(spread));
        const int steps = std::max(6, static_cast<int>(len / 3.0));
        const QPointF start = origin + QPointF(plateWidth * 0.45 * spread, 0.0);
        std::vector<QPointF> pts{start};
        QPointF q = start;
        for (int k = 0; k < steps; ++k) {
            // Roots wander and bend slowly downwards.
            a += rnd.uniform(-0.16, 0.16) - 0.025 * a;
            q += QPointF(std::sin(a), std::cos(a)) * (len / steps);
            pts.push_back(q);
        }
        // Keep the root inside the soil band and the stage's own room.
        double scale = 1.0;
        for (const QPointF& pt : pts) {
            const double dy = pt.y() - origin.y();
            const double dx = std::abs(pt.x() - origin.x());
            if (dy > maxDepth)
                scale = std::min(scale, maxDepth / dy);
            if (dx > halfWidth)
                scale = std::min(scale, halfWidth / dx);
        }
        for (QPointF& pt : pts)
            pt = start + (pt - start) * scale;
        paths.push_back({pts, baseWidth * rnd.uniform(0.8, 1.1)});

        // Older roots carry a few short laterals.
        if (st.rootCm >= 8.0) {
            const int laterals = static_cast<int>(rnd.uniform(1.0, 3.99));
            for (int j = 0; j < laterals; ++j) {
                const std::size_t at = static_cast<std::size_t>(rnd.uniform(0.3, 0.85) * (pts.size() - 1));
                const QPointF from = pts[at];
                const QPointF dir = pts[at + 1] - pts[at];
                const double da = std::atan2(dir.x(), dir.y());
                const double la = da + (rnd.uniform(0.0, 1.0) < 0.5 ? -1.0 : 1.0) * rnd.uniform(0.5, 1.0);
                const double ll = len * scale * rnd.uniform(0.08, 0.16);
                std::vector<QPointF> lp{from};
                QPointF r = from;
                for (int k = 0; k < 4; ++k) {
                    r += QPointF(std::sin(la + 0.12 * k * (la > da ? -1 : 1)), std::cos(la)) * (ll / 4.0);
                    lp.push_back(r);
                }
                bool inside = true;
                for (const QPointF& pt : lp)
                    inside = inside && pt.y() - origin.y() <= maxDepth &&
                             std::abs(pt.x() - origin.x()) <= halfWidth;
                if (inside)
                    paths.push_back({lp, 0.6});
            }
        }
    }

    for (int pass = 0; pass < 2; ++pass) {
        for (const Path& path : paths) {
            const std::size_t n = path.pts.size();
            for (std::size_t k = 0; k + 1 < n; ++k) {
                const double w = path.width * (1.0 - 0.55 * static_cast<double>(k) / n);
                QColor c = pass == 0 ? rim : root;
                c.setAlphaF(pass == 0 ? 0.45f : 1.0f);
                p.setPen(QPen(c, pass == 0 ? w + 1.0 : w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawLine(path.pts[k], path.pts[k + 1]);
            }
        }
    }
}

// ---------------------------------------------------------------- bulb

// Half-width of the bulb at height fraction v (0 at the basal plate, 1 at the
// neck): a globe that narrows into the neck above and sits on a small plate.
double bulbHalfWidth(double v, double radius, double neckHalf, double plateHalf)
{
    const double globe = radius * std::pow(std::sin(kPi * std::pow(v, 0.85)), 0.62);
    const double neck = neckHalf * std::pow(v, 2.5);
    const double plate = plateHalf * std::pow(1.0 - v, 4.0);
    return std::pow(std::pow(globe, 4.0) + std::pow(neck, 4.0) + std::pow(plate, 4.0), 0.25);
}

void paintBulb(QPainter& p, const Stage& st, double cx, double plateY)
{
    const double radius = st.bulbCm * kPxPerCm * 0.5;
    const double high = st.bulbHighCm * kPxPerCm;
    const double neckHalf = st.neckCm * kPxPerCm * 0.5;
    const double plateHalf = std::max(1.2, radius * 0.42);
    const bool bulbing = st.bulbCm > st.neckCm * 1.3;
    const double ripe = bulbing ? clamp01(st.senescence / 0.8) : 0.0;

    const QColor youngFill(234, 240, 212);
    const QColor youngRim(150, 168, 112);
    const QColor freshFill(245, 240, 220);
    const QColor freshRim(176, 160, 112);
    const QColor ripeFill(236, 208, 152);
    const QColor ripeRim(166, 118, 62);
    QColor fill = bulbing ? mix(freshFill, ripeFill, ripe) : youngFill;
    QColor rim = bulbing ? mix(freshRim, ripeRim, ripe) : youngRim;

    const int samples = 60;
    QPolygonF outline;
    for (int i = 0; i <= samples; ++i) {
        const double v = static_cast<double>(i) / samples;
        outline << QPointF(cx - bulbHalfWidth(v, radius, neckHalf, plateHalf), plateY - v * high);
    }
    for (int i = samples; i >= 0; --i) {
        const double v = static_cast<double>(i) / samples;
        outline << QPointF(cx + bulbHalfWidth(v, radius, neckHalf, plateHalf), plateY - v * high);
    }

    QRadialGradient shade(QPointF(cx - radius * 0.35, plateY - high * 0.55), std::max(radius, 3.0) * 1.5);
    shade.setColorAt(0.0, mix(fill, Qt::white, 0.55));
    shade.setColorAt(0.55, fill);
    shade.setColorAt(1.0, fill.darker(118));
    p.setPen(QPen(rim, bulbing ? 1.2 : 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPolygon(outline);

    // The dry outer scales (tunic) show as fine lines from the plate to the neck.
    if (bulbing) {
        QColor vein = rim;
        vein.setAlphaF(0.55f);
        p.setPen(QPen(vein, 0.75, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (double f : {-0.66, -0.3, 0.08, 0.44, 0.76}) {
            QPainterPath line;
            for (int i = 4; i <= samples - 2; ++i) {
                const double v = static_cast<double>(i) / samples;
                const QPointF pt(cx + f * bulbHalfWidth(v, radius, neckHalf, plateHalf), plateY - v * high);
                if (i == 4)
                    line.moveTo(pt);
                else
                    line.lineTo(pt);
            }
            p.drawPath(line);
        }
    }

    // Basal plate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 164, 118));
    p.drawRoundedRect(QRectF(cx - plateHalf * 1.1, plateY - 1.6, plateHalf * 2.2, 2.6), 1.2, 1.2);
    p.setBrush(Qt::NoBrush);
}

// The pseudostem: the leaf sheaths wrapped into one column above the bulb.
void paintSheath(QPainter& p, const Stage& st, double cx, double bottomY, double topY)
{
    if (topY >= bottomY - 0.5)
        return;
    const double wb = st.neckCm * kPxPerCm;
    const double wt = wb * 0.86;
    QPolygonF col;
    col << QPointF(cx - wb / 2, bottomY + 2.0) << QPointF(cx - wt / 2, topY + 1.5) << QPointF(cx, topY - 1.0)
        << QPointF(cx + wt / 2, topY + 1.5) << QPointF(cx + wb / 2, bottomY + 2.0);
    QLinearGradient g(QPointF(cx, bottomY), QPointF(cx, topY));
    const double dry = st.senescence > 0.3 ? clamp01((st.senescence - 0.3) / 0.5) : 0.0;
    g.setColorAt(0.0, mix(QColor(226, 234, 196), QColor(230, 214, 160), dry));
    g.setColorAt(1.0, mix(QColor(120, 166, 92), QColor(196, 186, 110), dry));
    p.setBrush(g);
    p.setPen(QPen(mix(QColor(70, 110, 62), QColor(140, 120, 70), dry), 0.9, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPolygon(col);
    p.setBrush(Qt::NoBrush);
    // One sheath edge, to show the column is made of wrapped leaf bases.
    if (wb > 4.0) {
        QColor edge = mix(QColor(70, 110, 62), QColor(140, 120, 70), dry);
        edge.setAlphaF(0.5f);
        p.setPen(QPen(edge, 0.7));
        p.drawLine(QPointF(cx + wb * 0.12, bottomY), QPointF(cx + wt * 0.05, topY + (bottomY - topY) * 0.3));
    }
}

// ---------------------------------------------------------------- whole plants

QColor leafGreen(double youth, Random& rnd)
{
    // Older leaves: darker, bluish (waxy) green; young ones: fresher.
    const QColor old(58, 104, 66);
    const QColor young(122, 176, 84);
    QColor c = mix(old, young, youth);
    return mix(c, QColor(90, 140, 96), rnd.uniform(0.0, 0.18));
}

struct PlantLeaves {
    std::vector<Leaf> leaves;
    double sheathTop;
};

// Upright plant: the leaves fan out in one plane, alternately to each side,
// the older (outer) ones lower on the pseudostem, more inclined and arching.
std::vector<Leaf> uprightLeaves(const Stage& st, double cx, double bulbTop, double sheathTop,
                                double angleScale, double lengthScale, double surfaceY, std::uint64_t seed)
{
    Random rnd(seed);
    std::vector<Leaf> out;
    const int n = st.leaves;
    const double bladeCm = st.heightCm - (surfaceY - sheathTop) / kPxPerCm;
    for (int k = 0; k < n; ++k) {
        const double age = n == 1 ? 0.0 : static_cast<double>(n - 1 - k) / (n - 1); // 1 oldest, 0 youngest
        const double side = ((n - 1 - k) % 2 == 0) ? 1.0 : -1.0;
        Leaf leaf;
        const double rise = n == 1 ? 1.0 : 0.5 + 0.5 * (1.0 - age);
        leaf.base = QPointF(cx + side * st.neckCm * kPxPerCm * 0.15, bulbTop - (bulbTop - sheathTop) * rise);
        // Lengths: the youngest leaf is still growing; the oldest are a little shorter.
        const int fromYoungest = n - 1 - k;
        double rel = 1.0;
        if (fromYoungest == 0)
            rel = n == 1 ? 1.0 : 0.55;
        else if (fromYoungest == 1)
            rel = 0.82;
        else if (fromYoungest == 2)
            rel = 0.95;
        else
            rel = 1.0 - 0.035 * (fromYoungest - 3);
        const double baseShift = (sheathTop - leaf.base.y()) / kPxPerCm; // lower leaves start lower
        leaf.length = std::max(4.0, (bladeCm * rel + baseShift * 0.5) * kPxPerCm * lengthScale *
                                        rnd.uniform(0.96, 1.04));
        leaf.width = std::max(2.0, st.leafCm * kPxPerCm * (0.85 + 0.15 * age));
        const double a0 = side * angleScale * (3.0 + 15.0 * std::pow(age, 0.9) + rnd.uniform(-1.5, 1.5));
        const double bend = side * angleScale * (6.0 + 52.0 * age + rnd.uniform(-3.0, 3.0));
        leaf.turning = {{0.0, a0}, {0.45, a0 + 0.22 * bend}, {0.8, a0 + 0.62 * bend}, {1.0, a0 + bend}};
        leaf.green = leafGreen(1.0 - age, rnd);
        double dry = st.senescence * (1.25 - 0.75 * (1.0 - age));
        if (k == 0 && n >= 4)
            dry += 0.14; // the oldest leaf is always the first to yellow
        leaf.dryness = clamp01(dry);
        out.push_back(leaf);
    }
    return out;
}

// Fallen plant (tombamento): the soft neck has folded over and the drying
// top lies on the soil, most of it in the direction it fell (towards: -1 to
// the left, 1 to the right); a couple of leaves fell back behind the bulb.
std::vector<Leaf> fallenLeaves(const Stage& st, QPointF from, double towards, double lengthScale,
                               double lyingScale, std::uint64_t seed)
{
    Random rnd(seed);
    std::vector<Leaf> out;
    const int n = st.leaves;
    const double bladePx = (st.heightCm - 6.0) * kPxPerCm * lengthScale;
    for (int k = 0; k < n; ++k) {
        const double age = static_cast<double>(n - 1 - k) / (n - 1);
        Leaf leaf;
        leaf.base = from + QPointF(rnd.uniform(-0.8, 0.8), rnd.uniform(-0.8, 0.8));
        leaf.width = std::max(2.0, st.leafCm * kPxPerCm * 0.8);
        leaf.green = mix(leafGreen(1.0 - age, rnd), QColor(164, 164, 84), 0.5);
        leaf.dryness = clamp01(st.senescence * (0.85 + 0.3 * age) + rnd.uniform(-0.05, 0.05));
        leaf.lies = true;
        leaf.lyingScale = lyingScale;
        if (k == 1 || k == 4) {
            const double a0 = -rnd.uniform(122.0, 134.0);
            leaf.length = bladePx * 0.6 * rnd.uniform(0.85, 1.05);
            leaf.turning = {{0.0, towards * a0}, {1.0, towards * (a0 - 15.0)}};
        } else {
            const double a0 = k % 3 == 0 ? rnd.uniform(112.0, 122.0) : rnd.uniform(132.0, 150.0);
            leaf.length = bladePx * rnd.uniform(0.75, 1.0);
            leaf.turning = {{0.0, towards * a0}, {1.0, towards * (a0 + 12.0)}};
        }
        out.push_back(leaf);
    }
    return out;
}

// The top falls to the left, into the free strip of soil between this bulb
// and the previous stage's, where the fallen leaves have room to lie.
void paintFallen(QPainter& p, const Stage& st, const Layout& l, double cx, double plateY, double halfRoom,
                 std::uint64_t seed)
{
    const double towards = -1.0;
    const double bulbTop = plateY - st.bulbHighCm * kPxPerCm;
    const double reachLeft = l.cell - 40.0;
    Leaf neck;
    neck.base = QPointF(cx, bulbTop + 1.5);
    neck.width = st.neckCm * kPxPerCm;
    neck.taper = false;
    neck.length = (st.sheathCm + 1.2) * kPxPerCm;
    neck.turning = {
        {0.0, towards * 4.0}, {0.45, towards * 12.0}, {0.6, towards * 100.0}, {1.0, towards * 110.0}};
    neck.green = QColor(186, 178, 110);
    const Trace nt = trace(neck, l.surfaceY);
    const QPointF end = nt.points.back();

    std::vector<Leaf> leaves;
    double lengthScale = 1.0;
    double lying = 0.5;
    bool fits = false;
    for (int attempt = 0; attempt < 60 && !fits; ++attempt) {
        leaves = fallenLeaves(st, end, towards, lengthScale, lying, seed);
        Extent e;
        for (const Leaf& leaf : leaves)
            widen(e, trace(leaf, l.surfaceY));
        fits = e.right <= cx + halfRoom && e.left >= cx - reachLeft;
        if (fits)
            break;
        // First lay more of the top towards the viewer, then shorten it.
        if (lying > 0.2)
            lying *= 0.94;
        else
            lengthScale *= 0.97;
    }
    if (!fits)
        std::fprintf(stderr, "day %d: the fallen top does not fit its room\n", st.day);
    // Leaves that fell back go behind the bulb, the rest in front of it.
    auto fellBack = [towards](const Leaf& leaf) { return leaf.turning.front().second * towards < 0; };
    for (const Leaf& leaf : leaves)
        if (fellBack(leaf))
            paintLeaf(p, leaf, trace(leaf, l.surfaceY), l.surfaceY);
    paintBulb(p, st, cx, plateY);
    for (const Leaf& leaf : leaves)
        if (!fellBack(leaf))
            paintLeaf(p, leaf, trace(leaf, l.surfaceY), l.surfaceY);
    paintLeaf(p, neck, nt, l.surfaceY);
}

void paintSeed(QPainter& p, QPointF centre, double angleDeg, double length)
{
    // Onion seed: black, angular, flattened on one side.
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    const double h = length * 0.5;
    const double w = length * 0.34;
    QPainterPath seed;
    seed.moveTo(0, -h);
    seed.cubicTo(w * 0.9, -h * 0.6, w * 1.05, h * 0.35, w * 0.35, h);
    seed.lineTo(-w * 0.45, h * 0.92);
    seed.cubicTo(-w * 1.05, h * 0.3, -w * 0.8, -h * 0.55, 0, -h);
    p.setPen(QPen(QColor(214, 188, 150), 0.9));
    p.setBrush(QColor(28, 26, 24));
    p.drawPath(seed);
    p.setPen(QPen(QColor(110, 106, 100), std::max(0.7, length * 0.08), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-w * 0.25, -h * 0.35), QPointF(-w * 0.35, h * 0.3));
    p.restore();
    p.setBrush(Qt::NoBrush);
}

// Draws one stage centred at cx. Its leaves and roots stay inside the stage's
// own room and below the top margin, so the stages never run into each other:
// leaves that would spread too wide are drawn more upright.
void paintStage(QPainter& p, const Stage& st, const Layout& l, double cx, std::uint64_t seed)
{
    const double halfRoom = l.cell * 0.5 - 6.0;
    const double plateDepthCm = st.form == Form::Plant && st.day > 0 && st.bulbCm > 3.0 ? 1.6 : 2.0;
    const double plateY = l.surfaceY + plateDepthCm * kPxPerCm;
    const double rootsDepth = l.soilBottom - 7.0 - plateY;
    Random rnd(seed * 7919 + 17);

    if (st.form == Form::Seed) {
        paintSeed(p, QPointF(cx, l.surfaceY + kSowingDepthCm * kPxPerCm), 28.0, 14.0);
        return;
    }

    if (st.form == Form::Flag) {
        // Emergence: the radicle goes down; the cotyledon pushes up through the
        // soil bent into a "knee", still carrying the seed coat at its tip.
        const QPointF seedAt(cx, l.surfaceY + kSowingDepthCm * kPxPerCm);
        paintRoots(p, st, seedAt, 1.0, rootsDepth + (plateY - seedAt.y()), halfRoom, rnd);
        Leaf cot;
        cot.base = seedAt;
        cot.width = std::max(2.2, st.leafCm * kPxPerCm);
        cot.taper = false;
        cot.green = QColor(112, 170, 80);
        const double stem = kSowingDepthCm + st.heightCm;
        cot.length = (stem + 1.4) * kPxPerCm;
        const double knee = stem / (stem + 1.4);
        cot.turning = {{0.0, -2.0}, {knee - 0.04, 4.0}, {knee + 0.04, 120.0}, {1.0, 160.0}};
        const Trace t = trace(cot, l.surfaceY);
        paintLeaf(p, cot, t, l.surfaceY);
        paintSeed(p, t.points.back() + QPointF(std::sin(t.angles.back()), -std::cos(t.angles.back())) * 3.0,
                  180.0 - t.angles.back() * 180.0 / kPi + 180.0, 8.5);
        return;
    }

    const double bulbTop = plateY - st.bulbHighCm * kPxPerCm;
    const double sheathTop = bulbTop - st.sheathCm * kPxPerCm;

    paintRoots(p, st, QPointF(cx, plateY), st.bulbCm * kPxPerCm * 0.42, rootsDepth, halfRoom, rnd);

    if (st.fallen) {
        paintFallen(p, st, l, cx, plateY, halfRoom, seed);
        return;
    }

    std::vector<Leaf> leaves;
    {
        double angleScale = 1.0;
        double lengthScale = 1.0;
        bool fits = false;
        for (int attempt = 0; attempt < 60 && !fits; ++attempt) {
            leaves = uprightLeaves(st, cx, bulbTop, sheathTop, angleScale, lengthScale, l.surfaceY, seed);
            Extent e;
            for (const Leaf& leaf : leaves)
                widen(e, trace(leaf, l.surfaceY));
            const bool fitsSides = e.right <= cx + halfRoom && e.left >= cx - halfRoom;
            const bool fitsTop = e.top >= l.topMargin;
            fits = fitsSides && fitsTop;
            if (fits)
                break;
            if (!fitsSides)
                angleScale *= 0.95;
            if (!fitsTop)
                lengthScale *= 0.985;
        }
        // Shortened leaves would break the common scale: say so.
        if (lengthScale < 1.0)
            std::fprintf(stderr, "day %d: leaves shortened to %.0f%% to fit the height\n", st.day,
                         lengthScale * 100.0);
        if (!fits)
            std::fprintf(stderr, "day %d: the leaves do not fit their room\n", st.day);
    }

    // The seedling's cotyledon, withering, on the far side.
    if (st.cotyledon) {
        Leaf cot;
        cot.base = QPointF(cx, sheathTop + 1.0);
        cot.width = std::max(2.0, 0.2 * kPxPerCm);
        cot.taper = true;
        cot.length = (st.day <= 30 ? 8.0 : 6.0) * kPxPerCm;
        cot.turning = {{0.0, -14.0}, {0.55, -22.0}, {0.65, -78.0}, {1.0, -120.0}};
        cot.green = QColor(120, 168, 86);
        cot.dryness = st.day <= 30 ? 0.5 : 0.9;
        const Trace t = trace(cot, l.surfaceY);
        paintLeaf(p, cot, t, l.surfaceY);
    }

    // Outer leaves first; the youngest is drawn over the pseudostem, where it comes out.
    for (std::size_t k = 0; k + 1 < leaves.size(); ++k)
        paintLeaf(p, leaves[k], trace(leaves[k], l.surfaceY), l.surfaceY);
    paintSheath(p, st, cx, bulbTop, sheathTop);
    if (!leaves.empty())
        paintLeaf(p, leaves.back(), trace(leaves.back(), l.surfaceY), l.surfaceY);
    paintBulb(p, st, cx, plateY);
}

// ---------------------------------------------------------------- the picture

void paintSoil(QPainter& p, const Layout& l, std::uint64_t seed)
{
    const QRectF band(0, l.surfaceY, l.width, l.soilBottom - l.surfaceY);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0.0, QColor(156, 108, 64));
    g.setColorAt(0.12, QColor(146, 100, 58));
    g.setColorAt(1.0, QColor(118, 80, 46));
    p.fillRect(band, g);

    // Grain: crumbs of lighter and darker earth and a few small stones.
    Random rnd(seed);
    const int crumbs = static_cast<int>(band.width() * band.height() / 55.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < crumbs; ++i) {
        const QPointF at(rnd.uniform(0, band.width()), rnd.uniform(band.top() + 2.5, band.bottom() - 1.0));
        const double r = rnd.uniform(0.5, 1.5);
        QColor c = rnd.uniform(0, 1) < 0.5 ? QColor(186, 140, 92) : QColor(92, 60, 34);
        c.setAlphaF(static_cast<float>(rnd.uniform(0.25, 0.55)));
        p.setBrush(c);
        p.drawEllipse(at, r, r * rnd.uniform(0.6, 1.0));
    }
    const int stones = static_cast<int>(band.width() / 38.0);
    for (int i = 0; i < stones; ++i) {
        const QPointF at(rnd.uniform(0, band.width()), rnd.uniform(band.top() + 8.0, band.bottom() - 5.0));
        const double r = rnd.uniform(1.6, 3.0);
        p.setBrush(QColor(168, 146, 120, 170));
        p.setPen(QPen(QColor(96, 72, 50, 150), 0.6));
        p.drawEllipse(at, r * 1.3, r);
        p.setPen(Qt::NoPen);
    }
    p.setBrush(Qt::NoBrush);

    // Soil surface and the lower edge of the section.
    p.setPen(QPen(QColor(84, 54, 28), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, l.surfaceY), QPointF(l.width, l.surfaceY));
    p.setPen(QPen(QColor(96, 64, 36), 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, l.soilBottom - 0.5), QPointF(l.width, l.soilBottom - 0.5));
}

QFont labelFont(double pixels, int weight)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(pixels));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

bool drawPicture(const QString& file, int width, int height, const std::vector<Stage>& stages,
                 const QString& caption, std::uint64_t seed)
{
    const Layout l = makeLayout(width, height, static_cast<int>(stages.size()));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780); // 96 dots per inch
    image.setDotsPerMeterY(3780);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);

        paintSoil(p, l, seed);
        for (std::size_t i = 0; i < stages.size(); ++i) {
            const double cx = l.cell * (static_cast<double>(i) + 0.5);
            paintStage(p, stages[i], l, cx, seed + 101 * (i + 1));
        }

        const QFont numbers = labelFont(26, QFont::Bold);
        const QFontMetricsF nm(numbers);
        p.setFont(numbers);
        p.setPen(QColor(40, 40, 40));
        for (std::size_t i = 0; i < stages.size(); ++i) {
            const double cx = l.cell * (static_cast<double>(i) + 0.5);
            const QString text = QString::number(stages[i].day);
            const QRectF box = nm.tightBoundingRect(text);
            p.drawText(QPointF(cx - box.left() - box.width() / 2.0, l.numberBaseline), text);
        }

        const QFont captionFont = labelFont(20, QFont::Normal);
        const QFontMetricsF cm(captionFont);
        p.setFont(captionFont);
        p.setPen(QColor(70, 70, 70));
        p.drawText(QPointF((width - cm.horizontalAdvance(caption)) / 2.0, l.captionBaseline), caption);
    }
    const QImage out = image.convertToFormat(QImage::Format_RGB888);
    if (!out.save(file, "PNG")) {
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: bulbicalc-growth-stages OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = drawPicture(dir + QStringLiteral("/estadios_transplante.png"), 1348, 464, kTransplant,
                          QStringLiteral("Dias após o transplante"), 20240601);
    ok = drawPicture(dir + QStringLiteral("/estadios_semeadura.png"), 1534, 462, kSeeding,
                     QStringLiteral("Dias após a semeadura"), 20240602) &&
         ok;
    return ok ? 0 : 1;
}
