// bulbicalc-logo OUTDIR
// Draws Bulbicalc's mark, an onion bulb with its leaves, and writes
//   OUTDIR/logo_bulbicalc.png                        (1000 x 915, white: the PDF report's logo box)
//   OUTDIR/bulbicalc.svg                             (square, the desktop icon)
//   OUTDIR/icones/hicolor/NxN/apps/bulbicalc.png     (N = 16 ... 256, transparent)
// The pictures are committed under data/Imagens; run this again only to redraw
// them. Every picture comes from the one description in kMark below, so the
// PNG and SVG files always show the same mark.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// ------------------------------------------------------------ the description
// Coordinates are fractions of a unit square, x to the right, y down.

struct Segment {
    char op; // 'M' move, 'L' line, 'C' cubic curve (two control points, then the end), 'Z' close
    std::vector<QPointF> points;
};
Segment M(double x, double y)
{
    return {'M', {{x, y}}};
}
Segment L(double x, double y)
{
    return {'L', {{x, y}}};
}
Segment C(double x1, double y1, double x2, double y2, double x, double y)
{
    return {'C', {{x1, y1}, {x2, y2}, {x, y}}};
}
Segment Z()
{
    return {'Z', {}};
}

struct Stop {
    double at;
    QColor color;
};

// A paint: a flat colour, or a linear gradient from `from` to `to`, or a
// radial gradient around `from` with radius `radius` and its focus at `to`.
struct Paint {
    enum Kind { None, Flat, Linear, Radial } kind = None;
    QColor color;
    QPointF from, to;
    double radius = 0;
    std::vector<Stop> stops;
};
Paint flat(const QColor& c)
{
    return {Paint::Flat, c, {}, {}, 0, {}};
}
Paint linear(QPointF from, QPointF to, std::vector<Stop> stops)
{
    return {Paint::Linear, {}, from, to, 0, std::move(stops)};
}
Paint radial(QPointF centre, double radius, QPointF focus, std::vector<Stop> stops)
{
    return {Paint::Radial, {}, centre, focus, radius, std::move(stops)};
}
const Paint kNoFill{};

struct Shape {
    const char* name;
    std::vector<Segment> path;
    Paint fill;
    QColor stroke = Qt::transparent;
    double strokeWidth = 0; // in units of the square
    // Fine details are left out of pictures smaller than this many pixels,
    // where they would only smear the outline.
    int minPixels = 0;
};

QColor rgba(int r, int g, int b, double alpha = 1.0)
{
    QColor c(r, g, b);
    c.setAlphaF(static_cast<float>(alpha));
    return c;
}

// Palette: a red onion, golden-brown dry skin at the neck and roots, green leaves.
const QColor kSkinLight = rgba(0xd8, 0x5a, 0x7a);
const QColor kSkin = rgba(0xa8, 0x2e, 0x5a);
const QColor kSkinDark = rgba(0x6e, 0x17, 0x3f);
const QColor kOutline = rgba(0x55, 0x10, 0x30);
const QColor kScaleLine = rgba(0x5c, 0x12, 0x36, 0.55);
const QColor kGold = rgba(0xc8, 0x8e, 0x3c);
const QColor kGoldDark = rgba(0x8a, 0x5a, 0x22);
const QColor kLeafLight = rgba(0x8c, 0xc6, 0x4a);
const QColor kLeaf = rgba(0x4c, 0x9a, 0x2e);
const QColor kLeafDark = rgba(0x2c, 0x6e, 0x22);

// The bulb: round below, drawn in to a narrow neck above.
const std::vector<Segment> kBulbOutline = {M(0.465, 0.325),
                                           C(0.462, 0.400, 0.430, 0.445, 0.360, 0.480),
                                           C(0.240, 0.540, 0.170, 0.600, 0.170, 0.690),
                                           C(0.170, 0.840, 0.330, 0.915, 0.500, 0.915),
                                           C(0.670, 0.915, 0.830, 0.840, 0.830, 0.690),
                                           C(0.830, 0.600, 0.760, 0.540, 0.640, 0.480),
                                           C(0.570, 0.445, 0.538, 0.400, 0.535, 0.325),
                                           C(0.520, 0.342, 0.480, 0.342, 0.465, 0.325),
                                           Z()};

// Drawn in this order, back to front.
const std::vector<Shape> kMark = {
    // The shorter leaf, behind, bending to the left.
    {"leaf-back",
     {M(0.505, 0.380), C(0.460, 0.260, 0.370, 0.160, 0.195, 0.115),
      C(0.305, 0.215, 0.405, 0.290, 0.450, 0.380), Z()},
     linear({0.22, 0.12}, {0.48, 0.38}, {{0.0, kLeaf}, {1.0, kLeafDark}}),
     kLeafDark,
     0.010},
    // The tall leaf rising from the neck and arching to the right.
    {"leaf-front",
     {M(0.458, 0.380), C(0.430, 0.230, 0.520, 0.080, 0.805, 0.030),
      C(0.655, 0.135, 0.575, 0.245, 0.545, 0.380), Z()},
     linear({0.46, 0.38}, {0.80, 0.03}, {{0.0, kLeaf}, {0.55, kLeafLight}, {1.0, kLeaf}}),
     kLeafDark,
     0.010},
    {"leaf-front-rib",
     {M(0.500, 0.350), C(0.500, 0.240, 0.575, 0.130, 0.760, 0.055)},
     kNoFill,
     rgba(0xe0, 0xf4, 0xb0, 0.75),
     0.008,
     32},
    // The bulb, filled here and outlined last so the neck and the lines stay inside the outline.
    {"bulb", kBulbOutline,
     radial({0.40, 0.62}, 0.46, {0.34, 0.58}, {{0.0, kSkinLight}, {0.55, kSkin}, {1.0, kSkinDark}})},
    // The dry, golden neck, fading into the red of the bulb.
    {"neck",
     {M(0.465, 0.325), C(0.462, 0.400, 0.430, 0.445, 0.360, 0.480), L(0.640, 0.480),
      C(0.570, 0.445, 0.538, 0.400, 0.535, 0.325), C(0.520, 0.342, 0.480, 0.342, 0.465, 0.325), Z()},
     linear({0.0, 0.330}, {0.0, 0.460},
            {{0.0, kGold}, {0.45, rgba(0xc8, 0x8e, 0x3c, 0.85)}, {1.0, rgba(0xc8, 0x8e, 0x3c, 0.0)}}),
     Qt::transparent,
     0},
    // The lines of the scales, from the neck down to the root plate.
    {"scale-left-outer",
     {M(0.470, 0.420), C(0.300, 0.500, 0.225, 0.600, 0.240, 0.720),
      C(0.255, 0.810, 0.340, 0.875, 0.440, 0.900)},
     kNoFill,
     kScaleLine,
     0.010,
     32},
    {"scale-left-inner",
     {M(0.485, 0.430), C(0.380, 0.520, 0.345, 0.640, 0.370, 0.760),
      C(0.390, 0.840, 0.430, 0.885, 0.475, 0.905)},
     kNoFill,
     kScaleLine,
     0.010,
     32},
    {"scale-right-inner",
     {M(0.515, 0.430), C(0.620, 0.520, 0.655, 0.640, 0.630, 0.760),
      C(0.610, 0.840, 0.570, 0.885, 0.525, 0.905)},
     kNoFill,
     kScaleLine,
     0.010,
     32},
    {"scale-right-outer",
     {M(0.530, 0.420), C(0.700, 0.500, 0.775, 0.600, 0.760, 0.720),
      C(0.745, 0.810, 0.660, 0.875, 0.560, 0.900)},
     kNoFill,
     kScaleLine,
     0.010,
     32},
    // A soft light on the left shoulder of the bulb.
    {"highlight",
     {M(0.310, 0.555), C(0.240, 0.625, 0.232, 0.725, 0.280, 0.805),
      C(0.272, 0.725, 0.283, 0.635, 0.332, 0.570), C(0.338, 0.560, 0.322, 0.547, 0.310, 0.555), Z()},
     flat(rgba(0xff, 0xff, 0xff, 0.38)),
     Qt::transparent,
     0,
     24},
    {"bulb-outline", kBulbOutline, kNoFill, kOutline, 0.014},
    // The root plate and its tuft of roots.
    {"root-plate",
     {M(0.440, 0.905), C(0.465, 0.928, 0.535, 0.928, 0.560, 0.905), Z()},
     flat(kGoldDark),
     kGoldDark,
     0.012},
    {"roots",
     {M(0.455, 0.920), C(0.430, 0.945, 0.400, 0.955, 0.375, 0.985), M(0.485, 0.925),
      C(0.475, 0.950, 0.465, 0.970, 0.455, 0.995), M(0.515, 0.925),
      C(0.525, 0.950, 0.535, 0.970, 0.545, 0.995), M(0.545, 0.920),
      C(0.570, 0.945, 0.600, 0.955, 0.625, 0.985)},
     kNoFill,
     kGoldDark,
     0.016,
     32},
};

// ------------------------------------------------------------ painting

QPainterPath toPainterPath(const std::vector<Segment>& segments)
{
    QPainterPath path;
    for (const Segment& s : segments) {
        switch (s.op) {
        case 'M':
            path.moveTo(s.points[0]);
            break;
        case 'L':
            path.lineTo(s.points[0]);
            break;
        case 'C':
            path.cubicTo(s.points[0], s.points[1], s.points[2]);
            break;
        case 'Z':
            path.closeSubpath();
            break;
        }
    }
    return path;
}

QBrush toBrush(const Paint& p)
{
    QGradientStops stops;
    for (const Stop& s : p.stops)
        stops.append({s.at, s.color});
    switch (p.kind) {
    case Paint::None:
        return Qt::NoBrush;
    case Paint::Flat:
        return p.color;
    case Paint::Linear: {
        QLinearGradient g(p.from, p.to);
        g.setStops(stops);
        return g;
    }
    case Paint::Radial: {
        QRadialGradient g(p.from, p.radius, p.to);
        g.setStops(stops);
        return g;
    }
    }
    return Qt::NoBrush;
}

// Paints the mark into the square of `side` pixels whose top-left corner is `origin`.
void paintMark(QPainter& painter, QPointF origin, double side)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    painter.scale(side, side);
    for (const Shape& shape : kMark) {
        if (side < shape.minPixels)
            continue;
        const QPainterPath path = toPainterPath(shape.path);
        if (shape.fill.kind != Paint::None)
            painter.fillPath(path, toBrush(shape.fill));
        if (shape.strokeWidth > 0 && shape.stroke.alpha() > 0) {
            QPen pen(shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            painter.strokePath(path, pen);
        }
    }
    painter.restore();
}

bool save(const QImage& image, const QString& file)
{
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "bulbicalc-logo: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

bool writeIcon(const QString& dir, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintMark(painter, {0, 0}, side);
    painter.end();
    const QString folder = QStringLiteral("%1/icones/hicolor/%2x%2/apps").arg(dir).arg(side);
    QDir().mkpath(folder);
    return save(image, folder + QStringLiteral("/bulbicalc.png"));
}

// The report's logo box is 25 x 22 mm and keeps the picture's proportions, so
// the picture is 94:86 like the box; 1000 px over 25 mm prints at about 1000 dpi.
bool writeReportLogo(const QString& dir)
{
    const int width = 1000;
    const int height = 915;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white); // the PDF stores the picture as JPEG, which has no transparency
    QPainter painter(&image);
    const double side = height * 0.96; // a little white all round
    paintMark(painter, {(width - side) / 2.0, (height - side) / 2.0}, side);
    painter.end();
    return save(image, dir + QStringLiteral("/logo_bulbicalc.png"));
}

// ------------------------------------------------------------ SVG

constexpr double kSvgSide = 256.0;

std::string number(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v * kSvgSide);
    std::string s = buffer;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string point(QPointF p)
{
    return number(p.x()) + " " + number(p.y());
}

std::string colour(const QColor& c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buffer;
}

std::string opacity(const char* attribute, const QColor& c)
{
    if (c.alpha() == 255)
        return "";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " %s=\"%.3g\"", attribute, c.alphaF());
    return buffer;
}

std::string pathData(const std::vector<Segment>& segments)
{
    std::string d;
    for (const Segment& s : segments) {
        if (!d.empty())
            d += ' ';
        d += s.op;
        for (const QPointF& p : s.points)
            d += ' ' + point(p);
    }
    return d;
}

std::string gradient(const Paint& p, const std::string& id)
{
    std::string g;
    if (p.kind == Paint::Linear)
        g = "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" + number(p.from.x()) +
            "\" y1=\"" + number(p.from.y()) + "\" x2=\"" + number(p.to.x()) + "\" y2=\"" + number(p.to.y()) +
            "\">\n";
    else
        g = "<radialGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" cx=\"" + number(p.from.x()) +
            "\" cy=\"" + number(p.from.y()) + "\" r=\"" + number(p.radius) + "\" fx=\"" + number(p.to.x()) +
            "\" fy=\"" + number(p.to.y()) + "\">\n";
    for (const Stop& s : p.stops) {
        char at[16];
        std::snprintf(at, sizeof at, "%.3g", s.at);
        g += "  <stop offset=\"" + std::string(at) + "\" stop-color=\"" + colour(s.color) + "\"" +
             opacity("stop-opacity", s.color) + "/>\n";
    }
    g += p.kind == Paint::Linear ? "</linearGradient>\n" : "</radialGradient>\n";
    return g;
}

bool writeSvg(const QString& file)
{
    std::string defs;
    std::string body;
    int gradients = 0;
    for (const Shape& shape : kMark) {
        std::string fill = "none";
        std::string fillOpacity;
        if (shape.fill.kind == Paint::Flat) {
            fill = colour(shape.fill.color);
            fillOpacity = opacity("fill-opacity", shape.fill.color);
        } else if (shape.fill.kind != Paint::None) {
            const std::string id = "g" + std::to_string(gradients++);
            defs += gradient(shape.fill, id);
            fill = "url(#" + id + ")";
        }
        std::string stroke;
        if (shape.strokeWidth > 0 && shape.stroke.alpha() > 0)
            stroke = " stroke=\"" + colour(shape.stroke) + "\"" + opacity("stroke-opacity", shape.stroke) +
                     " stroke-width=\"" + number(shape.strokeWidth) +
                     "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        body += "<path id=\"" + std::string(shape.name) + "\" d=\"" + pathData(shape.path) + "\" fill=\"" +
                fill + "\"" + fillOpacity + stroke + "/>\n";
    }
    const std::string side = number(1.0);
    const std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                            side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + " " + side +
                            "\">\n<title>Bulbicalc</title>\n<defs>\n" + defs + "</defs>\n" + body +
                            "</svg>\n";
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(svg.data(), static_cast<qint64>(svg.size())) != static_cast<qint64>(svg.size())) {
        std::fprintf(stderr, "bulbicalc-logo: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bulbicalc-logo OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    bool ok = writeReportLogo(dir);
    ok = writeSvg(dir + QStringLiteral("/bulbicalc.svg")) && ok;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        ok = writeIcon(dir, side) && ok;
    return ok ? 0 : 1;
}
