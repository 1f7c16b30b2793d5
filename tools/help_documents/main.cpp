// bulbicalc-help-documents --screenshots DIR --pictures DIR --out DIR SOURCE.md...
//
// Writes the help documents that "&Ajuda" opens: each Markdown source
// ajuda_X.md becomes OUTDIR/ajuda_X.pdf, an A4 manual with a running header,
// page numbers, styled headings, tables and pictures. Qt reads the Markdown
// (QTextDocument::setMarkdown, GitHub dialect) and writes the PDF
// (QPdfWriter); the text stays real text, so it can be searched and copied.
//
// What the sources may use beyond plain Markdown:
//  - the first line "# Title" names the tab; the running header repeats it;
//  - a block quote is the purpose paragraph, set in a tinted box;
//  - ![text](tela:TabSheetN) is the screenshot of that tab
//    (DIR/NN-TabSheetN.png, as bulbicalc-screenshots names it) across the
//    text width, and ![text](tela:TabSheetN#x,y,w,h) a part of it, in window
//    pixels;
//  - ![text](foto:N) is picture N of the photo gallery (DIR/fotoN.jpg), small;
//  - an italic paragraph right after a picture is its caption.
// The text in brackets may not be empty: Qt's reader drops a picture without
// one.
// A picture that cannot be found is an error: the document is not written.
#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Device units: the PDF is laid out at 300 dots per inch.
constexpr double kDpi = 300.0;
double mm(double v)
{
    return v * kDpi / 25.4;
}
double pt(double v)
{
    return v * kDpi / 72.0;
}
// The layout scales most lengths from pixels of 96 dots per inch to the
// device: those of frames and tables, the space above and below paragraphs,
// tab positions and the sizes of pictures. Paragraph indents (left and right
// margins, the first line's indent) are device units.
double docPt(double v)
{
    return v * 96.0 / 72.0;
}
double docMm(double v)
{
    return v * 96.0 / 25.4;
}

// A4 with the text area inside the margins; header and footer sit in the
// top and bottom margins.
constexpr double kPageWidthMm = 210.0;
constexpr double kPageHeightMm = 297.0;
constexpr double kMarginLeftMm = 20.0;
constexpr double kMarginRightMm = 20.0;
constexpr double kMarginTopMm = 24.0;
constexpr double kMarginBottomMm = 22.0;

// Of the text area, kept free at its top and bottom on every page.
constexpr double kPageRoomMm = 2.0;

double textWidth()
{
    return mm(kPageWidthMm - kMarginLeftMm - kMarginRightMm);
}
double textHeight()
{
    return mm(kPageHeightMm - kMarginTopMm - kMarginBottomMm);
}

// Screenshots are shown at 0,2 mm per window pixel at most (a window of
// 1324 pixels then fills the text width): its captions stay readable in print.
constexpr double kScreenshotMmPerPixel = 0.2;
constexpr double kPictureWidthMm = 46.0;

const QColor kInk(0x22, 0x22, 0x22);
const QColor kMuted(0x5f, 0x66, 0x5c);
const QColor kGreen(0x2c, 0x5f, 0x2d);
const QColor kRule(0xa9, 0xb8, 0xa4);
const QColor kTint(0xec, 0xf3, 0xe8);
const QColor kHeadingFill(0xdd, 0xe8, 0xd8);
const QColor kCodeFill(0xf3, 0xf3, 0xf0);

QString firstInstalled(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family))
            return family;
    return families.back();
}

struct Options {
    QString screenshots;
    QString pictures;
    QString out;
    QStringList sources;
    QString sans; // the font families of the text and of file contents
    QString mono;
};

std::optional<Options> parseArguments(const QStringList& args)
{
    Options options;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == QLatin1String("--screenshots") || a == QLatin1String("--pictures") ||
             a == QLatin1String("--out")) &&
            i + 1 < args.size()) {
            QString& target = a == QLatin1String("--screenshots") ? options.screenshots
                              : a == QLatin1String("--pictures")  ? options.pictures
                                                                  : options.out;
            target = args[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            return std::nullopt;
        } else {
            options.sources << a;
        }
    }
    if (options.out.isEmpty() || options.sources.isEmpty())
        return std::nullopt;
    return options;
}

// ------------------------------------------------------------ pictures

struct Picture {
    QImage image;
    double width = 0; // on the page, in document units
};

QImage framed(QImage image)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setPen(QPen(QColor(0x8a, 0x94, 0x86), 2));
    p.drawRect(QRectF(1, 1, image.width() - 2, image.height() - 2));
    return image;
}

// The screenshot of a tab, or a part of it: "tela:TabSheet2" or
// "tela:TabSheet2#x,y,w,h".
std::optional<Picture> screenshot(const QString& shot, const Options& options, QString& error)
{
    const QString sheet = shot.section(QLatin1Char('#'), 0, 0);
    const QStringList files =
        QDir(options.screenshots).entryList({QStringLiteral("*-%1.png").arg(sheet)}, QDir::Files);
    if (files.size() != 1) {
        error = QStringLiteral("no screenshot of %1 in %2").arg(sheet, options.screenshots);
        return std::nullopt;
    }
    QImage image(QDir(options.screenshots).filePath(files.front()));
    if (image.isNull()) {
        error = QStringLiteral("cannot read the screenshot %1").arg(files.front());
        return std::nullopt;
    }
    if (shot.contains(QLatin1Char('#'))) {
        const QStringList n = shot.section(QLatin1Char('#'), 1).split(QLatin1Char(','));
        const QRect part =
            n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()) : QRect();
        if (part.isEmpty() || !image.rect().contains(part)) {
            error = QStringLiteral("%1 is not a part of a screenshot of %2 x %3")
                        .arg(shot)
                        .arg(image.width())
                        .arg(image.height());
            return std::nullopt;
        }
        image = image.copy(part);
    }
    const double widthMm =
        std::min(kPageWidthMm - kMarginLeftMm - kMarginRightMm, image.width() * kScreenshotMmPerPixel);
    return Picture{framed(image), docMm(widthMm)};
}

// Picture N of the gallery, scaled down to what the page needs.
std::optional<Picture> galleryPicture(const QString& number, const Options& options, QString& error)
{
    const QString file = QDir(options.pictures).filePath(QStringLiteral("foto%1.jpg").arg(number));
    QImageReader reader(file);
    // Decoded at 150 dots per inch: sharp enough for a picture this small,
    // and the document stays light (pictures are stored losslessly).
    const double width = kPictureWidthMm * 150.0 / 25.4;
    const QSize full = reader.size();
    if (full.isEmpty()) {
        error = QStringLiteral("cannot read the picture %1").arg(file);
        return std::nullopt;
    }
    reader.setScaledSize(full.scaled(int(width), full.height(), Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull()) {
        error = QStringLiteral("cannot read the picture %1").arg(file);
        return std::nullopt;
    }
    return Picture{framed(image), docMm(kPictureWidthMm)};
}

bool isPictureOnly(const QTextBlock& block)
{
    bool picture = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.charFormat().isImageFormat())
            picture = true;
        else if (!f.text().trimmed().isEmpty())
            return false;
    }
    return picture;
}

bool isItalicOnly(const QTextBlock& block)
{
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.text().trimmed().isEmpty())
            continue;
        if (!f.charFormat().fontItalic())
            return false;
        any = true;
    }
    return any;
}

bool placePictures(QTextDocument& doc, const Options& options, QString& error)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = f.charFormat().toImageFormat();
            const QString name = format.name();
            std::optional<Picture> picture;
            if (name.startsWith(QLatin1String("tela:")))
                picture = screenshot(name.mid(5), options, error);
            else if (name.startsWith(QLatin1String("foto:")))
                picture = galleryPicture(name.mid(5), options, error);
            else
                error = QStringLiteral("unknown picture %1").arg(name);
            if (!picture)
                return false;
            doc.addResource(QTextDocument::ImageResource, QUrl(name), picture->image);
            format.setWidth(picture->width);
            format.setHeight(picture->width * picture->image.height() / picture->image.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(f.position());
            cursor.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return true;
}

// ------------------------------------------------------------ styles

struct TextStyle {
    double size = 10.0; // points
    bool bold = false;
    QColor colour = kInk;
};

TextStyle headingStyle(int level)
{
    switch (level) {
    case 1:
        return {22.0, true, kGreen};
    case 2:
        return {14.0, true, kGreen};
    case 3:
        return {11.5, true, kInk};
    default:
        return {10.5, true, kInk};
    }
}

void setBlockText(QTextDocument& doc, const QTextBlock& block, const TextStyle& style, bool code,
                  const Options& fonts)
{
    // The block's own character format sizes an empty line.
    QTextCharFormat blockFormat = block.charFormat();
    blockFormat.clearProperty(QTextFormat::FontSizeAdjustment);
    blockFormat.setFontFamilies({code ? fonts.mono : fonts.sans});
    blockFormat.setFontPointSize(style.size);
    QTextCursor(block).setBlockCharFormat(blockFormat);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        QTextCharFormat format = f.charFormat();
        if (format.isImageFormat())
            continue;
        const bool mono = code || format.fontFixedPitch();
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.setFontFamilies({mono ? fonts.mono : fonts.sans});
        format.setFontPointSize(mono ? style.size * 0.9 : style.size);
        if (style.bold)
            format.setFontWeight(QFont::Bold);
        format.setForeground(style.colour);
        if (mono && !code)
            format.setBackground(kCodeFill);
        QTextCursor cursor(&doc);
        cursor.setPosition(f.position());
        cursor.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

// The frames that hold a purpose paragraph and a code block.
constexpr int kPurposeFrame = QTextFormat::UserProperty + 1;
constexpr int kCodeFrame = QTextFormat::UserProperty + 2;
// A paragraph that was a list item.
constexpr int kListItem = QTextFormat::UserProperty + 3;

bool inFrame(const QTextBlock& block, int kind)
{
    const QTextFrame* frame = QTextCursor(block).currentFrame();
    return frame && frame->frameFormat().boolProperty(kind);
}

bool inPurposeFrame(const QTextBlock& block)
{
    return inFrame(block, kPurposeFrame);
}

bool isQuote(const QTextBlock& block)
{
    return block.blockFormat().intProperty(QTextFormat::BlockQuoteLevel) > 0;
}

bool isCode(const QTextBlock& block)
{
    return block.blockFormat().hasProperty(QTextFormat::BlockCodeFence) ||
           block.blockFormat().nonBreakableLines();
}

// Each run of blocks that `belongs` moves into a frame of `format`, which
// gives its text room all round (a block's own background would end right at
// its letters).
void box(QTextDocument& doc, bool (*belongs)(const QTextBlock&), int kind, QTextFrameFormat format)
{
    format.setProperty(kind, true);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!belongs(block) || inFrame(block, kind))
            continue;
        QTextBlock last = block;
        while (last.next().isValid() && belongs(last.next()))
            last = last.next();
        QTextCursor cursor(block);
        cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertFrame(format);
        block = cursor.block();
    }
}

// Block quotes (the purpose paragraph) go into a tinted box with a rule
// around it, code blocks (file contents) into a grey one.
void boxQuotesAndCode(QTextDocument& doc)
{
    QTextFrameFormat purpose;
    purpose.setBackground(kTint);
    purpose.setPadding(docPt(9));
    purpose.setBorder(docPt(0.6));
    purpose.setBorderBrush(kRule);
    purpose.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    purpose.setTopMargin(docPt(2));
    purpose.setBottomMargin(docPt(12));
    box(doc, isQuote, kPurposeFrame, purpose);

    QTextFrameFormat code;
    code.setBackground(kCodeFill);
    code.setPadding(docPt(6));
    code.setBorder(0);
    code.setTopMargin(docPt(2));
    code.setBottomMargin(docPt(8));
    box(doc, isCode, kCodeFrame, code);
}

// List items become paragraphs with a hanging indent: the marker ("•" or the
// item's number) stands in the margin, a tab away from the text. (The
// layout's own markers sit too close to the text on a 300 dpi page.)
void hangListItems(QTextDocument& doc)
{
    struct Item {
        QTextBlock block;
        QString marker;
        int level;
        bool numbered;
    };
    std::vector<Item> items;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextList* list = block.textList();
        if (!list)
            continue;
        const int level = std::max(1, list->format().indent());
        const bool numbered = list->format().style() == QTextListFormat::ListDecimal;
        const QString marker = numbered ? QStringLiteral("%1.").arg(list->itemNumber(block) + 1)
                                        : (level == 1 ? QStringLiteral("•") : QStringLiteral("–"));
        items.push_back({block, marker, level, numbered});
    }
    for (const Item& item : items) {
        item.block.textList()->remove(item.block);
        QTextBlockFormat format = item.block.blockFormat();
        format.clearProperty(QTextFormat::ObjectIndex);
        format.setIndent(0);
        format.setLeftMargin(mm(2.5 + 5.5 * item.level));
        const double hanging = mm(item.numbered ? 5.5 : 4.0);
        format.setTextIndent(-hanging);
        format.setTabPositions({QTextOption::Tab(hanging * 96.0 / kDpi, QTextOption::LeftTab)});
        format.setProperty(kListItem, true);
        QTextCursor cursor(item.block);
        cursor.setBlockFormat(format);
        cursor.insertText(item.marker + QLatin1Char('\t'));
    }
}

void styleBlocks(QTextDocument& doc, const Options& fonts)
{
    bool afterPicture = false;
    bool afterTable = false;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const int level = format.headingLevel();
        const bool inTable = QTextCursor(block).currentTable() != nullptr;
        const bool code = inFrame(block, kCodeFrame);
        const bool quote = inPurposeFrame(block);
        const bool picture = isPictureOnly(block);
        TextStyle style;
        format.setLineHeight(inTable ? 112 : 122, QTextBlockFormat::ProportionalHeight);
        if (level > 0) {
            style = headingStyle(level);
            format.setTopMargin(docPt(level == 1 ? 0 : level == 2 ? 14 : 9));
            format.setBottomMargin(docPt(level == 1 ? 10 : 5));
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        } else if (inTable) {
            style.size = 9.0;
            format.setTopMargin(0);
            format.setBottomMargin(0);
        } else if (code) {
            style.size = 9.0;
            // Long lines wrap inside the box rather than run off the page.
            format.setNonBreakableLines(false);
            format.setTopMargin(0);
            format.setBottomMargin(0);
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        } else if (quote) {
            style.size = 11.0;
            style.colour = QColor(0x24, 0x3b, 0x24);
            format.clearProperty(QTextFormat::BlockQuoteLevel);
            format.setLeftMargin(0);
            format.setRightMargin(0);
            format.setTextIndent(0);
            format.setIndent(0);
            format.setTopMargin(0);
            format.setBottomMargin(block.next().isValid() && inPurposeFrame(block.next()) ? docPt(5) : 0);
        } else if (picture) {
            format.setAlignment(Qt::AlignHCenter);
            format.setTopMargin(docPt(6));
            format.setBottomMargin(docPt(2));
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        } else if (block.text().isEmpty()) {
            // What the Markdown reader leaves around a table: next to no room.
            style.size = 1.0;
            format.setTopMargin(0);
            format.setBottomMargin(0);
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        } else if (afterPicture && isItalicOnly(block)) {
            style.size = 8.5;
            style.colour = kMuted;
            format.setAlignment(Qt::AlignHCenter);
            format.setBottomMargin(docPt(10));
        } else {
            format.setTopMargin(0);
            format.setBottomMargin(docPt(format.boolProperty(kListItem) ? 3 : 6));
        }
        // Text right under a table keeps some distance from it.
        if (afterTable && !inTable && !block.text().isEmpty())
            format.setTopMargin(std::max(format.topMargin(), docPt(8)));
        QTextCursor(block).setBlockFormat(format);
        setBlockText(doc, block, style, code, fonts);
        afterPicture = picture;
        if (inTable || !block.text().isEmpty())
            afterTable = inTable;
    }
}

void styleTables(QTextFrame* frame)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(docPt(0.6));
            format.setBorderBrush(kRule);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(docPt(3.5));
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            // A table of names and what they are: the names take a third.
            if (table->columns() == 2)
                format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 32),
                                                  QTextLength(QTextLength::PercentageLength, 68)});
            // Two tables in a row stand apart.
            const QTextBlock before = table->cellAt(0, 0).firstCursorPosition().block().previous();
            const bool afterTable = before.isValid() && before.text().isEmpty() &&
                                    before.previous().isValid() &&
                                    QTextCursor(before.previous()).currentTable();
            format.setTopMargin(docPt(afterTable ? 12 : 2));
            format.setBottomMargin(docPt(4));
            table->setFormat(format);
            for (int col = 0; col < table->columns(); ++col) {
                QTextTableCell cell = table->cellAt(0, col);
                QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
                cellFormat.setBackground(kHeadingFill);
                cell.setFormat(cellFormat);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                QTextCharFormat bold;
                bold.setFontWeight(QFont::Bold);
                cursor.mergeCharFormat(bold);
            }
        }
        styleTables(child);
    }
}

// ------------------------------------------------------------ pages

// The layout works lazily; positions are only known once it has finished.
void finishLayout(const QTextDocument& doc)
{
    doc.documentLayout()->documentSize();
}

double blockTop(const QTextDocument& doc, const QTextBlock& block)
{
    const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return rect.top();
    return rect.top() - layout->boundingRect().top() + layout->lineAt(0).y();
}

double blockBottom(const QTextDocument& doc, const QTextBlock& block)
{
    const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return rect.bottom();
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    return rect.top() - layout->boundingRect().top() + last.y() + last.height();
}

int pageOf(double y)
{
    return int(y / textHeight());
}

// Where a table row's text begins and ends, over all its cells.
std::pair<double, double> rowExtent(const QTextDocument& doc, QTextTable* table, int row)
{
    double top = 1e300;
    double bottom = 0;
    for (int col = 0; col < table->columns(); ++col) {
        const QTextTableCell cell = table->cellAt(row, col);
        top = std::min(top, blockTop(doc, cell.firstCursorPosition().block()));
        bottom = std::max(bottom, blockBottom(doc, cell.lastCursorPosition().block()));
    }
    return {top, bottom};
}

bool isListItem(const QTextBlock& block)
{
    return block.isValid() && block.blockFormat().boolProperty(kListItem);
}

bool breaksBefore(const QTextBlock& block)
{
    return block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
}

// Breaks the pages where a reader expects them: a heading stays with what
// follows it, a picture with its caption and a line that ends in a colon
// with what it introduces; a paragraph leaves no single line alone at the
// foot or the head of a page; the last item of a list does not open a page
// alone; a table splits only between rows, with at least three
// rows (the heading row among them) before the break and two after it, and
// repeats its heading row on the next page.
//
// The document is read in order and the first fault mended, then laid out
// again, and so on. A mend changes the layout from its own place on, so the
// mends made further on, judged on the old layout, are undone first and
// judged again.
class Paginator {
public:
    explicit Paginator(QTextDocument& doc) : doc_(doc) {}

    void run()
    {
        for (int pass = 0; pass < 300; ++pass) {
            finishLayout(doc_);
            bool mended = false;
            for (QTextBlock block = doc_.begin(); block.isValid() && !mended; block = block.next()) {
                QTextTable* table = QTextCursor(block).currentTable();
                if (table && table->cellAt(0, 0).firstCursorPosition().block() == block)
                    mended = mendTable(table);
                else if (!table)
                    mended = keepWithNext(block) || keepLinesTogether(block) || keepLastItemCompany(block);
            }
            if (!mended)
                return;
        }
    }

private:
    struct Mend {
        int position;
        std::function<void()> undo;
    };

    QTextDocument& doc_;
    std::vector<Mend> mends_; // in the order of their positions

    void mend(int position, const std::function<void()>& apply, std::function<void()> undo)
    {
        while (!mends_.empty() && mends_.back().position > position) {
            mends_.back().undo();
            mends_.pop_back();
        }
        apply();
        mends_.push_back({position, std::move(undo)});
    }

    void setBreakBefore(const QTextBlock& block, bool on)
    {
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(on ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
        QTextCursor(block).setBlockFormat(format);
    }

    void breakBefore(const QTextBlock& block)
    {
        mend(
            block.position(), [&] { setBreakBefore(block, true); },
            [this, block] { setBreakBefore(block, false); });
    }

    static void setTableFormat(QTextTable* table, bool breakBefore, int headerRows)
    {
        QTextTableFormat format = table->format();
        format.setPageBreakPolicy(breakBefore ? QTextFormat::PageBreak_AlwaysBefore
                                              : QTextFormat::PageBreak_Auto);
        format.setHeaderRowCount(headerRows);
        table->setFormat(format);
    }

    // Moves a table to the next page with what introduces it: a line that
    // ends in a colon and the heading above. False when that cannot help.
    bool moveTable(QTextTable* table)
    {
        QTextBlock lead;
        QTextBlock before = table->cellAt(0, 0).firstCursorPosition().block().previous();
        if (before.isValid() && before.text().trimmed().endsWith(QLatin1Char(':')) &&
            !QTextCursor(before).currentTable()) {
            lead = before;
            before = before.previous();
        }
        if (before.isValid() && before.blockFormat().headingLevel() > 0)
            lead = before;
        if (lead.isValid()) {
            if (breaksBefore(lead) || blockTop(doc_, lead) < 1)
                return false;
            breakBefore(lead);
            return true;
        }
        if (table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return false;
        const int headerRows = table->format().headerRowCount();
        mend(
            table->firstPosition(), [&] { setTableFormat(table, true, headerRows); },
            [table, headerRows] { setTableFormat(table, false, headerRows); });
        return true;
    }

    // The text of each cell of `row` moves down to the next page: their top
    // padding grows by what is left of the page.
    void pushRow(QTextTable* table, int row, double top)
    {
        const double rest = (pageOf(top) + 1) * textHeight() - top;
        std::vector<QTextTableCellFormat> before;
        for (int col = 0; col < table->columns(); ++col)
            before.push_back(table->cellAt(row, col).format().toTableCellFormat());
        const double padding = table->format().cellPadding();
        mend(
            table->cellAt(row, 0).firstPosition(),
            [&] {
                for (int col = 0; col < table->columns(); ++col) {
                    QTextTableCellFormat format = before[std::size_t(col)];
                    const double current =
                        format.hasProperty(QTextFormat::TableCellTopPadding) ? format.topPadding() : padding;
                    format.setTopPadding(current + rest * 96.0 / kDpi);
                    table->cellAt(row, col).setFormat(format);
                }
            },
            [table, row, before] {
                for (int col = 0; col < table->columns(); ++col)
                    table->cellAt(row, col).setFormat(before[std::size_t(col)]);
            });
    }

    bool mendTable(QTextTable* table)
    {
        const double tableTop = rowExtent(doc_, table, 0).first;
        const double tableBottom = rowExtent(doc_, table, table->rows() - 1).second;
        // A table of nearly a page or more can only have its rows kept whole.
        const bool longTable = tableBottom - tableTop > textHeight() * 0.9;
        int rowsOnFirstPage = 0;
        for (int row = 0; row < table->rows(); ++row) {
            const auto [top, bottom] = rowExtent(doc_, table, row);
            if (pageOf(top) != pageOf(bottom - 1)) {
                // No table opens with its heading row alone.
                if (!longTable || row <= 1)
                    return moveTable(table);
                pushRow(table, row, top);
                return true;
            }
            if (pageOf(bottom - 1) == pageOf(tableTop))
                ++rowsOnFirstPage;
        }
        const int rowsAfter = table->rows() - rowsOnFirstPage;
        if (rowsAfter == 0)
            return false;
        if (!longTable && (rowsOnFirstPage < 3 || rowsAfter < 2) && moveTable(table))
            return true;
        if (table->format().headerRowCount() > 0)
            return false;
        const bool breaks = table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        mend(
            table->firstPosition(), [&] { setTableFormat(table, breaks, 1); },
            [table, breaks] { setTableFormat(table, breaks, 0); });
        return true;
    }

    // A line that ends in a colon introduces what follows it: a list, a
    // table or a boxed file content, past the empty blocks that stand before
    // tables and boxes.
    static QTextBlock introduced(const QTextBlock& block)
    {
        if (!block.text().trimmed().endsWith(QLatin1Char(':')))
            return {};
        QTextBlock next = block.next();
        while (next.isValid() && next.text().isEmpty())
            next = next.next();
        return next;
    }

    bool keepWithNext(const QTextBlock& block)
    {
        QTextBlock next = block.next();
        if (block.blockFormat().headingLevel() == 0 && !isPictureOnly(block))
            next = introduced(block);
        if (!next.isValid())
            return false;
        if (breaksBefore(block) || blockTop(doc_, block) < 1)
            return false;
        if (pageOf(blockTop(doc_, block)) == pageOf(blockBottom(doc_, next) - 1))
            return false;
        breakBefore(block);
        return true;
    }

    bool keepLinesTogether(const QTextBlock& block)
    {
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() < 2 || breaksBefore(block) || blockTop(doc_, block) < 1)
            return false;
        const double origin =
            doc_.documentLayout()->blockBoundingRect(block).top() - layout->boundingRect().top();
        const int firstPage = pageOf(origin + layout->lineAt(0).y());
        int linesOnFirstPage = 0;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (pageOf(origin + line.y() + line.height() - 1) == firstPage)
                ++linesOnFirstPage;
        }
        const int linesAfter = layout->lineCount() - linesOnFirstPage;
        if (linesAfter == 0 || (linesOnFirstPage >= 2 && linesAfter >= 2))
            return false;
        breakBefore(block);
        return true;
    }

    bool keepLastItemCompany(const QTextBlock& block)
    {
        const QTextBlock before = block.previous();
        if (!isListItem(block) || !isListItem(before) || isListItem(block.next()))
            return false;
        if (pageOf(blockTop(doc_, block)) == pageOf(blockBottom(doc_, before) - 1) || breaksBefore(before))
            return false;
        breakBefore(before);
        return true;
    }
};

void drawRunningTexts(QPainter& p, int page, int pages, const QString& title, const QString& family)
{
    QFont font(family);
    font.setPointSizeF(8.0);
    p.setFont(font);
    p.setPen(kMuted);
    const double left = mm(kMarginLeftMm);
    const double right = mm(kPageWidthMm - kMarginRightMm);
    const double width = right - left;

    const QRectF header(left, mm(10), width, mm(6));
    p.drawText(header, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Bulbicalc 1.0 · Manual de ajuda"));
    p.drawText(header, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Aba “%1”").arg(title));
    const double footerTop = mm(kPageHeightMm - kMarginBottomMm + 8);
    const QRectF footer(left, footerTop + mm(1.5), width, mm(6));
    p.drawText(footer, Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Programa para recomendação de adubação da cultura da cebola"));
    p.drawText(footer, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Página %1 de %2").arg(page).arg(pages));

    p.setPen(QPen(kRule, pt(0.6)));
    p.drawLine(QPointF(left, mm(17)), QPointF(right, mm(17)));
    p.drawLine(QPointF(left, footerTop), QPointF(right, footerTop));
}

bool writePdf(QTextDocument& doc, QPdfWriter& writer, const QString& title, const QString& family)
{
    QPainter p;
    if (!p.begin(&writer))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    // Screenshots keep sharp letters: no JPEG.
    p.setRenderHint(QPainter::LosslessImageRendering);
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        drawRunningTexts(p, page + 1, pages, title, family);
        p.save();
        const QRectF clip(0, page * textHeight(), textWidth(), textHeight());
        p.translate(mm(kMarginLeftMm), mm(kMarginTopMm) - clip.top());
        p.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, kInk);
        doc.documentLayout()->draw(&p, context);
        p.restore();
    }
    return p.end();
}

// The title is the first line, "# Title".
QString titleOf(const QString& markdown)
{
    const QString first = markdown.section(QLatin1Char('\n'), 0, 0).trimmed();
    return first.startsWith(QLatin1String("# ")) ? first.mid(2).trimmed() : QString();
}

bool writeDocument(const QString& source, const Options& options)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(source));
        return false;
    }
    const QString markdown = QString::fromUtf8(file.readAll());
    const QString target =
        QDir(options.out).filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".pdf"));
    // Written beside the target and renamed over it, so a failure never
    // leaves half a document where "&Ajuda" finds it.
    const QString partial = target + QStringLiteral(".part");
    const QString title = titleOf(markdown);
    if (title.isEmpty()) {
        std::fprintf(stderr, "%s: the first line must be the title (# ...)\n", qPrintable(source));
        return false;
    }
    if (markdown.contains(QLatin1String("![]("))) {
        std::fprintf(stderr, "%s: a picture without its text in brackets would be dropped\n",
                     qPrintable(source));
        return false;
    }
    bool ok = false;
    {
        QPdfWriter writer(partial);
        writer.setResolution(int(kDpi));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("Bulbicalc"));

        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(&writer);
        QFont font(options.sans);
        font.setPointSizeF(10.0);
        doc.setDefaultFont(font);
        // A little room at the top and bottom of each page's text, where the
        // accents of a line that opens a page may rise.
        doc.setDocumentMargin(0);
        QTextFrameFormat root = doc.rootFrame()->frameFormat();
        root.setTopMargin(docMm(kPageRoomMm));
        root.setBottomMargin(docMm(kPageRoomMm));
        doc.rootFrame()->setFrameFormat(root);
        doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
        writer.setTitle(QStringLiteral("Bulbicalc - Ajuda: %1").arg(title));
        QString error;
        if (placePictures(doc, options, error)) {
            boxQuotesAndCode(doc);
            hangListItems(doc);
            styleBlocks(doc, options);
            styleTables(doc.rootFrame());
            doc.setPageSize(QSizeF(textWidth(), textHeight()));
            Paginator(doc).run();
            ok = writePdf(doc, writer, title, options.sans);
            if (!ok)
                error = QStringLiteral("cannot write %1").arg(target);
        }
        if (!ok)
            std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(error));
    }
    if (!ok) {
        QFile::remove(partial);
        return false;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
        return false;
    }
    std::printf("%s\n", qPrintable(target));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    std::optional<Options> options = parseArguments(QCoreApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "usage: bulbicalc-help-documents --screenshots DIR --pictures DIR --out DIR "
                             "SOURCE.md...\n");
        return 2;
    }
    options->sans = firstInstalled({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    options->mono = firstInstalled({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    if (!QDir().mkpath(options->out)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(options->out));
        return 1;
    }
    int failures = 0;
    for (const QString& source : options->sources)
        failures += writeDocument(source, *options) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
