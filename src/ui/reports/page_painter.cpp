#include "ui/reports/page_painter.h"

#include "ui/app/qt_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>

#include <vector>

namespace bulbicalc::ui {
namespace {

// Thin rules, as a report designer's one-pixel frame lines print.
constexpr double kRuleWidthMm = 0.2;

QStringList paragraphs(const std::string& text)
{
    QString shown = qt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown.split(QLatin1Char('\n'));
}

// The lines of a paragraph wrapped at blanks to `width` (never inside a
// word, unlike Qt's line breaking, which breaks after a "/" or a "-").
QStringList wrapped(const QString& paragraph, const QFontMetricsF& metrics, double width)
{
    QStringList lines;
    QString rest = paragraph;
    while (metrics.horizontalAdvance(rest) > width) {
        // Leading blanks belong to the line; breaks come after them.
        int start = 0;
        while (start < rest.size() && rest[start] == QLatin1Char(' '))
            ++start;
        int cut = -1;
        for (int i = rest.indexOf(QLatin1Char(' '), start); i > 0;
             i = rest.indexOf(QLatin1Char(' '), i + 1)) {
            if (metrics.horizontalAdvance(rest.left(i)) > width)
                break;
            cut = i;
        }
        if (cut < 0)
            cut = rest.indexOf(QLatin1Char(' '), start); // a first word wider than the box stands alone
        if (cut < 0)
            break;
        lines << rest.left(cut);
        while (cut < rest.size() && rest[cut] == QLatin1Char(' '))
            ++cut;
        rest = rest.mid(cut);
        if (rest.isEmpty())
            return lines;
    }
    lines << rest;
    return lines;
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

void drawTextBox(QPainter& painter, const QRectF& box, const QFont& font, const PageText& text)
{
    const QFontMetricsF metrics(font, painter.device());
    QStringList lines;
    for (const QString& paragraph : paragraphs(text.text))
        lines << (text.singleLine ? QStringList{paragraph} : wrapped(paragraph, metrics, box.width()));
    painter.save();
    painter.setClipRect(box);
    painter.setFont(font);
    double top = 0;
    for (int i = 0; i < lines.size(); ++i) {
        // A line cut in half would leave the tops of its letters in the box
        // below, so a line that does not fit is left out.
        if (i > 0 && top + metrics.height() > box.height())
            break;
        const QString line = withoutTrailingBlanks(lines[i]);
        const double width = metrics.horizontalAdvance(line);
        // A number cut at its box would read as another number: a line
        // wider than its box is condensed instead.
        const double scale = width > box.width() ? box.width() / width : 1.0;
        const double x = text.alignRight ? box.right() - width * scale : box.left();
        painter.save();
        painter.translate(x, box.top() + top + metrics.ascent());
        painter.scale(scale, 1.0);
        painter.drawText(QPointF(0, 0), line);
        painter.restore();
        top += metrics.lineSpacing();
    }
    painter.restore();
}

} // namespace

void setPaperLayout(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
}

const QImage& PagePictures::forBox(const std::filesystem::path& file, double widthMm, double heightMm)
{
    const auto key = std::make_tuple(file, widthMm, heightMm);
    const auto found = pictures_.find(key);
    if (found != pictures_.end())
        return found->second;
    QImage image(QString::fromStdString(file.string()));
    if (!image.isNull()) {
        constexpr double kDotsPerMm = 300 / 25.4;
        const QSize box(static_cast<int>(widthMm * kDotsPerMm), static_cast<int>(heightMm * kDotsPerMm));
        const QSize fitted = image.size().scaled(box, Qt::KeepAspectRatio);
        if (fitted.width() < image.width())
            image = image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return pictures_.emplace(key, std::move(image)).first->second;
}

void paintPage(const PrintedPage& page, QPainter& painter)
{
    PagePictures pictures;
    paintPage(page, painter, pictures);
}

void paintPage(const PrintedPage& page, QPainter& painter, PagePictures& pictures)
{
    const double dotsPerMm = painter.device()->logicalDpiX() / 25.4;
    auto box = [dotsPerMm](double x, double y, double width, double height) {
        return QRectF(x * dotsPerMm, y * dotsPerMm, width * dotsPerMm, height * dotsPerMm);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Pictures go into the PDF losslessly: as JPEG the logo's white
    // background would show as a faint grey box.
    painter.setRenderHint(QPainter::LosslessImageRendering);

    for (const PagePicture& p : page.pictures) {
        const QImage& image = pictures.forBox(p.file, p.width, p.height);
        if (image.isNull())
            continue;
        const QSizeF fitted = QSizeF(image.size()).scaled(p.width, p.height, Qt::KeepAspectRatio);
        painter.drawImage(box(p.x + (p.width - fitted.width()) / 2, p.y, fitted.width(), fitted.height()),
                          image);
    }

    QPen pen(Qt::black);
    pen.setWidthF(kRuleWidthMm * dotsPerMm);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (const PageLine& l : page.lines)
        painter.drawLine(QPointF(l.x1 * dotsPerMm, l.y1 * dotsPerMm),
                         QPointF(l.x2 * dotsPerMm, l.y2 * dotsPerMm));

    painter.setPen(Qt::black);
    for (const PageText& t : page.texts) {
        if (t.text.empty())
            continue;
        QFont font(qt(page.fontFamily));
        font.setPointSizeF(t.pointSize);
        font.setBold(t.bold);
        drawTextBox(painter, box(t.x, t.y, t.width, t.height), font, t);
    }
    painter.restore();
}

bool writePdf(const PrintedPage& page, const QString& path)
{
    PagePictures pictures;
    return writePdf(page, path, pictures);
}

bool writePdf(const PrintedPage& page, const QString& path, PagePictures& pictures)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        setPaperLayout(writer);
        writer.setTitle(qt(page.documentName));
        writer.setCreator(QStringLiteral("Bulbicalc"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        paintPage(page, painter, pictures);
        painter.end();
    }
    return file.commit();
}

} // namespace bulbicalc::ui
