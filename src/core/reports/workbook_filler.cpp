#include "core/reports/workbook_filler.h"

#include "core/app/errors.h"
#include "core/app/text_encoding.h"

#include <pugixml.hpp>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace bulbicalc {
namespace {

constexpr std::string_view kInvalidFormat = "Invalid file format";

[[noreturn]] void invalidFormat()
{
    throw FileError(std::string(kInvalidFormat));
}

// A cell address split into its column (from 0) and row (from 1).
struct Address {
    int column = 0;
    int row = 0;
};

std::optional<Address> parseAddress(std::string_view text)
{
    Address a;
    std::size_t i = 0;
    int column = 0;
    for (; i < text.size() && text[i] >= 'A' && text[i] <= 'Z'; ++i) {
        column = column * 26 + (text[i] - 'A' + 1);
        if (column > 16384)
            return std::nullopt;
    }
    if (i == 0 || i == text.size())
        return std::nullopt;
    int row = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        row = row * 10 + (text[i] - '0');
        if (row > 1048576)
            return std::nullopt;
    }
    if (i != text.size() || row == 0)
        return std::nullopt;
    a.column = column - 1;
    a.row = row;
    return a;
}

// ---- The zip archive, in memory ----

struct ZipDeleter {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ZipDeleter>;

// The largest part a template may hold; the template's worksheet has 10 kB.
constexpr zip_uint64_t kMaxPartBytes = 64u << 20;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// The whole part, read to its end, where libzip checks its CRC. The size the
// archive claims only bounds what is read; memory grows with what the part
// really holds.
std::string readEntry(zip_t* archive, const std::string& name)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.c_str(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > kMaxPartBytes)
        invalidFormat();
    const std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(archive, name.c_str(), 0));
    if (!file)
        invalidFormat();
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const zip_int64_t read = zip_fread(file.get(), buffer, sizeof buffer);
        if (read < 0)
            invalidFormat();
        if (read == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(read));
        if (bytes.size() > stat.size)
            invalidFormat();
    }
    if (bytes.size() != stat.size)
        invalidFormat();
    return bytes;
}

// Replaces (or adds) an entry; libzip copies the bytes when it writes.
void writeEntry(zip_t* archive, const std::string& name, const std::string& bytes)
{
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!source)
        invalidFormat();
    if (zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        invalidFormat();
    }
}

// ---- XML ----

// A part's XML, held in UTF-8 from here on (its declaration says so).
pugi::xml_document parseXml(const std::string& bytes)
{
    pugi::xml_document doc;
    if (!doc.load_buffer(bytes.data(), bytes.size(),
                         pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single))
        invalidFormat();
    if (const pugi::xml_node declaration = doc.first_child();
        declaration.type() == pugi::node_declaration && declaration.attribute("encoding"))
        declaration.attribute("encoding") = "UTF-8";
    return doc;
}

// The name of an element without its namespace prefix.
std::string_view localName(const pugi::xml_node& node)
{
    const std::string_view name = node.name();
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(const pugi::xml_node& parent, std::string_view name)
{
    for (pugi::xml_node c : parent.children())
        if (localName(c) == name)
            return c;
    return {};
}

// The prefix ("x:" or "") the element names of a document use.
std::string prefixOf(const pugi::xml_node& node)
{
    const std::string_view name = node.name();
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? std::string() : std::string(name.substr(0, colon + 1));
}

// Control characters that XML 1.0 cannot hold are kept as the spreadsheet's
// own escapes; a carriage return stays, and is written as a character
// reference (see xmlBytes).
bool looksLikeEscape(const std::string& text, std::size_t i)
{
    if (text.compare(i, 2, "_x") != 0 || i + 6 >= text.size() || text[i + 6] != '_')
        return false;
    for (std::size_t k = i + 2; k < i + 6; ++k)
        if (!std::isxdigit(static_cast<unsigned char>(text[k])))
            return false;
    return true;
}

std::string cellText(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "_x%04X_", c);
            out += escape;
        } else if (looksLikeEscape(text, i)) {
            // A text that reads like an escape is escaped itself.
            out += "_x005F_";
        } else if (text.compare(i, 3, "\xEF\xBF\xBF") == 0) {
            // U+FFFF, which XML has not.
            out += "\xEF\xBF\xBD";
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// The part's bytes. pugixml writes a carriage return of a text as it is, and
// a parser reads a raw one as a line feed; so every carriage return is written
// as a character reference. The document holds no raw one but those: reading
// made every line end a line feed, and a carriage return can only have come
// from a reference, in a text or an attribute value, or from a written text.
std::string xmlBytes(const pugi::xml_document& doc)
{
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    std::string bytes = out.str();
    for (auto at = bytes.find('\r'); at != std::string::npos; at = bytes.find('\r', at))
        bytes.replace(at, 1, "&#13;");
    return bytes;
}

// ---- The first worksheet ----

// The part name of the first worksheet, through the workbook and its
// relationships.
std::string firstWorksheet(zip_t* archive)
{
    const auto workbook = parseXml(readEntry(archive, "xl/workbook.xml"));
    const pugi::xml_node sheet = child(child(workbook.document_element(), "sheets"), "sheet");
    std::string id;
    for (pugi::xml_attribute a : sheet.attributes()) {
        const std::string_view name = a.name();
        if (name.size() > 3 && name.substr(name.size() - 3) == ":id")
            id = a.value();
    }
    if (id.empty())
        invalidFormat();
    const auto rels = parseXml(readEntry(archive, "xl/_rels/workbook.xml.rels"));
    for (pugi::xml_node r : rels.document_element().children()) {
        if (localName(r) != "Relationship" || id != r.attribute("Id").value())
            continue;
        std::string target = r.attribute("Target").value();
        if (target.empty())
            break;
        return target.front() == '/' ? target.substr(1) : "xl/" + target;
    }
    invalidFormat();
}

class Worksheet {
public:
    explicit Worksheet(const std::string& bytes) : doc_(parseXml(bytes))
    {
        root_ = doc_.document_element();
        prefix_ = prefixOf(root_);
        data_ = child(root_, "sheetData");
        if (localName(root_) != "worksheet" || !data_)
            invalidFormat();
        for (pugi::xml_node col : child(root_, "cols").children())
            if (localName(col) == "col" && col.attribute("style"))
                columnStyles_.push_back({col.attribute("min").as_int(), col.attribute("max").as_int(),
                                         col.attribute("style").value()});
    }

    // Returns whether a formula was overwritten.
    bool write(const Address& at, const std::string& text)
    {
        pugi::xml_node cell = cellAt(at);
        bool formula = false;
        while (pugi::xml_node c = cell.first_child()) {
            formula = formula || localName(c) == "f";
            cell.remove_child(c);
        }
        for (const char* attribute : {"t", "cm", "vm", "ph"})
            cell.remove_attribute(attribute);
        if (!text.empty()) {
            cell.append_attribute("t") = "inlineStr";
            pugi::xml_node t =
                cell.append_child((prefix_ + "is").c_str()).append_child((prefix_ + "t").c_str());
            const char first = text.front();
            const char last = text.back();
            if (first == ' ' || first == '\t' || first == '\n' || first == '\r' || last == ' ' ||
                last == '\t' || last == '\n' || last == '\r')
                t.append_attribute("xml:space") = "preserve";
            t.text().set(cellText(text).c_str());
        }
        return formula;
    }

    std::string bytes()
    {
        updateDimension();
        return xmlBytes(doc_);
    }

private:
    struct ColumnStyle {
        int min;
        int max;
        std::string style;
    };

    pugi::xml_document doc_;
    pugi::xml_node root_;
    pugi::xml_node data_;
    std::string prefix_;
    std::vector<ColumnStyle> columnStyles_;

    static int rowNumber(const pugi::xml_node& row) { return row.attribute("r").as_int(); }

    pugi::xml_node rowAt(int number)
    {
        pugi::xml_node before;
        for (pugi::xml_node row : data_.children()) {
            if (localName(row) != "row")
                continue;
            if (rowNumber(row) == number)
                return row;
            if (rowNumber(row) > number) {
                before = row;
                break;
            }
        }
        const std::string name = prefix_ + "row";
        pugi::xml_node row =
            before ? data_.insert_child_before(name.c_str(), before) : data_.append_child(name.c_str());
        row.append_attribute("r") = number;
        return row;
    }

    pugi::xml_node cellAt(const Address& at)
    {
        pugi::xml_node row = rowAt(at.row);
        // The column span a row may declare no longer holds.
        row.remove_attribute("spans");
        pugi::xml_node before;
        for (pugi::xml_node cell : row.children()) {
            if (localName(cell) != "c")
                continue;
            // A cell names its own row: one that names another is no sheet's.
            const auto address = parseAddress(cell.attribute("r").value());
            if (!address || address->row != at.row)
                invalidFormat();
            if (address->column == at.column)
                return cell;
            if (address->column > at.column) {
                before = cell;
                break;
            }
        }
        const std::string name = prefix_ + "c";
        pugi::xml_node cell =
            before ? row.insert_child_before(name.c_str(), before) : row.append_child(name.c_str());
        cell.append_attribute("r") = (columnLetters(at.column) + std::to_string(at.row)).c_str();
        if (const std::string style = styleFor(row, at.column); !style.empty())
            cell.append_attribute("s") = style.c_str();
        return cell;
    }

    std::string styleFor(const pugi::xml_node& row, int column) const
    {
        if (row.attribute("customFormat").as_bool() && row.attribute("s"))
            return row.attribute("s").value();
        for (const ColumnStyle& c : columnStyles_)
            if (column + 1 >= c.min && column + 1 <= c.max)
                return c.style;
        return {};
    }

    void updateDimension()
    {
        int minRow = 0, maxRow = 0, minColumn = 0, maxColumn = 0;
        bool any = false;
        for (pugi::xml_node row : data_.children())
            for (pugi::xml_node cell : row.children()) {
                const auto a = parseAddress(cell.attribute("r").value());
                if (localName(cell) != "c" || !a)
                    continue;
                if (!any) {
                    minRow = maxRow = a->row;
                    minColumn = maxColumn = a->column;
                    any = true;
                }
                minRow = std::min(minRow, a->row);
                maxRow = std::max(maxRow, a->row);
                minColumn = std::min(minColumn, a->column);
                maxColumn = std::max(maxColumn, a->column);
            }
        const std::string ref = any ? columnLetters(minColumn) + std::to_string(minRow) + ":" +
                                          columnLetters(maxColumn) + std::to_string(maxRow)
                                    : "A1";
        pugi::xml_node dimension = child(root_, "dimension");
        if (!dimension)
            dimension = root_.insert_child_before((prefix_ + "dimension").c_str(), root_.first_child());
        if (!dimension.attribute("ref"))
            dimension.append_attribute("ref");
        dimension.attribute("ref") = ref.c_str();
    }
};

// Drops the calculation chain: its part, its relationship and its content type.
void dropCalculationChain(zip_t* archive, std::map<std::string, std::string>& changed)
{
    const zip_int64_t index = zip_name_locate(archive, "xl/calcChain.xml", 0);
    if (index < 0)
        return;
    zip_delete(archive, static_cast<zip_uint64_t>(index));
    auto rels = parseXml(readEntry(archive, "xl/_rels/workbook.xml.rels"));
    for (pugi::xml_node r = rels.document_element().first_child(); r;) {
        const pugi::xml_node next = r.next_sibling();
        if (std::string_view(r.attribute("Target").value()).find("calcChain.xml") != std::string_view::npos)
            rels.document_element().remove_child(r);
        r = next;
    }
    changed["xl/_rels/workbook.xml.rels"] = xmlBytes(rels);
    auto types = parseXml(readEntry(archive, "[Content_Types].xml"));
    for (pugi::xml_node t = types.document_element().first_child(); t;) {
        const pugi::xml_node next = t.next_sibling();
        if (std::string_view(t.attribute("PartName").value()) == "/xl/calcChain.xml")
            types.document_element().remove_child(t);
        t = next;
    }
    changed["[Content_Types].xml"] = xmlBytes(types);
}

// The bytes of the archive after its changes were written.
std::string archiveBytes(Archive archive, zip_source_t* source)
{
    if (zip_close(archive.get()) != 0)
        invalidFormat();
    archive.release();
    zip_stat_t stat;
    if (zip_source_open(source) != 0)
        invalidFormat();
    zip_stat_init(&stat);
    std::string bytes;
    if (zip_source_stat(source, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
        bytes.resize(static_cast<std::size_t>(stat.size));
        if (zip_source_read(source, bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            bytes.clear();
    }
    zip_source_close(source);
    if (bytes.empty())
        invalidFormat();
    return bytes;
}

} // namespace

std::string columnLetters(int column)
{
    if (column < 0)
        throw std::invalid_argument("no column number: " + std::to_string(column));
    std::string letters;
    // Counted in 64 bits: the number after the largest int is a column too.
    for (long long n = static_cast<long long>(column) + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

std::string filledWorkbook(std::string_view templateBytes, const std::vector<CellWrite>& writes)
{
    if (templateBytes.empty())
        invalidFormat();
    // The archive is written back into its source. libzip's buffer source
    // may then share, overwrite and free the bytes it was given even when
    // told they are not its own (when it keeps the unchanged start of the
    // archive and writes only the rest), so it gets a copy of its own, which
    // it frees.
    void* copy = std::malloc(templateBytes.size());
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy, templateBytes.data(), templateBytes.size());
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(copy, templateBytes.size(), 1, &error);
    zip_error_fini(&error);
    if (!source) {
        std::free(copy);
        invalidFormat();
    }
    // The source outlives the archive: the written archive is read from it.
    zip_source_keep(source);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(source, zip_source_free);
    zip_error_init(&error);
    Archive archive(zip_open_from_source(source, 0, &error));
    zip_error_fini(&error);
    if (!archive) {
        // A source that did not open stays with its caller: both references go.
        zip_source_free(source);
        invalidFormat();
    }

    const std::string sheetName = firstWorksheet(archive.get());
    Worksheet sheet(readEntry(archive.get(), sheetName));
    bool formulaOverwritten = false;
    for (const CellWrite& w : writes) {
        const auto address = parseAddress(w.cell);
        if (!address)
            throw std::invalid_argument("no cell address: " + w.cell);
        formulaOverwritten = sheet.write(*address, w.text) || formulaOverwritten;
    }
    // The texts must outlive the archive until it is closed.
    std::map<std::string, std::string> changed;
    changed[sheetName] = sheet.bytes();
    if (formulaOverwritten)
        dropCalculationChain(archive.get(), changed);
    for (const auto& [name, bytes] : changed)
        writeEntry(archive.get(), name, bytes);
    return archiveBytes(std::move(archive), source);
}

} // namespace bulbicalc
