// A spreadsheet template as someone may replace it (Auxiliares/
// ModeloRelatorio.xlsx): any bytes, filled with a fixed set of writes.
//  - The filler either throws FileError "Invalid file format" and nothing
//    else, or returns a workbook that an independent reader (libzip and
//    pugixml here) opens, whose first worksheet holds every written text in
//    its cell (an inline string, the spreadsheet's _xHHHH_ escapes undone;
//    an empty text leaves the cell without a value), and whose other parts
//    are those of the template, unchanged.
//  - The filled workbook is itself a template the filler accepts, and
//    filling it again with the same writes gives the same worksheet.
//  - Column letters of any column number, however large, are as long as
//    they must be and read back as the number.
// Since a zip member's CRC keeps mutations of its XML from reading, inputs
// that are no zip archive are also taken as the XML of the parts, separated
// by a line "--part--": worksheet, workbook, workbook relationships, content
// types and calculation chain; a missing part is the simple one of a plain
// template.
#include "core/app/errors.h"
#include "core/reports/workbook_filler.h"

#include <pugixml.hpp>
#include <zip.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using bulbicalc::CellWrite;

// A broken property names its line and aborts, which libFuzzer reports.
void check(bool holds, int line = __builtin_LINE())
{
    if (!holds) {
        std::fprintf(stderr, "property broken at %s:%d\n", __FILE__, line);
        std::abort();
    }
}

const std::vector<CellWrite>& writes()
{
    static const std::vector<CellWrite> w = {
        {"B2", "Fulano de Tal"},
        {"A1", ""},
        {"C3", " brancos antes e depois "},
        {"B4", "Nome\x01"
               "com controle\r\nduas linhas\te tab"},
        {"B5", "_x0041_ parece escape"},
        {"AA7", "Conceição ✓ €"},
        {"K35", "Par. 10"},
        {"C2", "x"},
        {"C2", ""},
        {"XFD1048576", "última"},
        {"B2", "Fulano"},
    };
    return w;
}

// ---- An independent reader ----

constexpr zip_uint64_t kMaxEntry = 64u << 20;

struct ZipFree {
    void operator()(zip_t* z) const { zip_discard(z); }
};

// The bytes of the archive's members that read, by name, and the names of
// all of them (some may not read: a wrong checksum, ...).
struct Members : std::map<std::string, std::string> {
    std::set<std::string> names;
};

// The members of an archive; nullopt when it is no archive.
std::optional<Members> readArchive(std::string_view bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_error_fini(&error);
    if (!source)
        return std::nullopt;
    zip_error_init(&error);
    std::unique_ptr<zip_t, ZipFree> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return std::nullopt;
    }
    Members members;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (name)
            members.names.insert(name);
        zip_file_t* file = name ? zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0) : nullptr;
        if (!file)
            continue;
        std::string data;
        char buffer[65536];
        bool whole = true;
        for (;;) {
            const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
            if (n < 0) {
                whole = false;
                break;
            }
            if (n == 0)
                break;
            data.append(buffer, static_cast<std::size_t>(n));
            if (data.size() > kMaxEntry) {
                whole = false;
                break;
            }
        }
        zip_fclose(file);
        if (whole)
            members.emplace(name, std::move(data));
    }
    return members;
}

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

bool parse(pugi::xml_document& doc, const std::string& bytes)
{
    return doc.load_buffer(bytes.data(), bytes.size(),
                           pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single);
}

// The name of the first worksheet's part.
std::optional<std::string> firstSheet(const std::map<std::string, std::string>& members)
{
    const auto workbookBytes = members.find("xl/workbook.xml");
    const auto relsBytes = members.find("xl/_rels/workbook.xml.rels");
    if (workbookBytes == members.end() || relsBytes == members.end())
        return std::nullopt;
    pugi::xml_document workbook, rels;
    if (!parse(workbook, workbookBytes->second) || !parse(rels, relsBytes->second))
        return std::nullopt;
    std::string id;
    for (pugi::xml_attribute a : child(child(workbook.document_element(), "sheets"), "sheet").attributes())
        if (std::string_view name = a.name(); name.size() > 3 && name.ends_with(":id"))
            id = a.value();
    for (pugi::xml_node r : rels.document_element().children())
        if (localName(r) == "Relationship" && id == r.attribute("Id").value()) {
            const std::string target = r.attribute("Target").value();
            if (target.empty())
                return std::nullopt;
            return target.front() == '/' ? target.substr(1) : "xl/" + target;
        }
    return std::nullopt;
}

struct Cell {
    long long column = 0; // from 1
    long long row = 0;
    friend auto operator<=>(const Cell&, const Cell&) = default;
};

std::optional<Cell> address(std::string_view text)
{
    Cell c;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= 'A' && text[i] <= 'Z' && c.column < (1LL << 40); ++i)
        c.column = c.column * 26 + (text[i] - 'A' + 1);
    if (i == 0 || i == text.size())
        return std::nullopt;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && c.row < (1LL << 40); ++i)
        c.row = c.row * 10 + (text[i] - '0');
    if (i != text.size() || c.row == 0)
        return std::nullopt;
    return c;
}

void appendUtf8(std::string& out, unsigned c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The spreadsheet's escapes _xHHHH_ undone, as a spreadsheet application reads them.
std::string unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, 2) == "_x" && i + 6 < text.size() && text[i + 6] == '_' && isHex(text[i + 2]) &&
            isHex(text[i + 3]) && isHex(text[i + 4]) && isHex(text[i + 5])) {
            appendUtf8(out, static_cast<unsigned>(
                                std::strtoul(std::string(text.substr(i + 2, 4)).c_str(), nullptr, 16)));
            i += 7;
        } else {
            out += text[i++];
        }
    }
    return out;
}

// The cell as the filler finds it: the first row numbered so, the first cell
// in it with that address.
pugi::xml_node findCell(const pugi::xml_node& sheetData, const Cell& at)
{
    for (pugi::xml_node row : sheetData.children()) {
        if (localName(row) != "row" || row.attribute("r").as_llong() != at.row)
            continue;
        for (pugi::xml_node c : row.children())
            if (localName(c) == "c")
                if (const auto a = address(c.attribute("r").value()); a && *a == at)
                    return c;
        return {};
    }
    return {};
}

// Checks the written texts in the filled workbook and returns its worksheet.
std::string checkFilled(const std::string& templateBytes, const std::string& filled)
{
    const auto before = readArchive(templateBytes);
    const auto after = readArchive(filled);
    check(before.has_value() && after.has_value());
    const auto sheetName = firstSheet(*after);
    check(sheetName.has_value() && sheetName == firstSheet(*before));
    check(after->contains(*sheetName));
    const std::string& sheetBytes = after->at(*sheetName);
    pugi::xml_document sheet;
    check(parse(sheet, sheetBytes));
    const pugi::xml_node data = child(sheet.document_element(), "sheetData");
    check(data);

    std::map<Cell, std::string> expected;
    for (const CellWrite& w : writes())
        expected[*address(w.cell)] = w.text;
    for (const auto& [at, text] : expected) {
        const pugi::xml_node c = findCell(data, at);
        check(c);
        if (text.empty()) {
            check(!c.first_child() && !c.attribute("t"));
            continue;
        }
        check(std::string_view(c.attribute("t").value()) == "inlineStr");
        const pugi::xml_node t = child(child(c, "is"), "t");
        check(t && unescaped(t.text().get()) == text);
    }

    // Every other part is the template's; the calculation chain may go, and
    // with it its relationship and content type.
    const bool chainDropped =
        before->names.contains("xl/calcChain.xml") && !after->names.contains("xl/calcChain.xml");
    for (const auto& [name, bytes] : *before) {
        if (name == *sheetName ||
            (chainDropped && (name == "xl/calcChain.xml" || name == "xl/_rels/workbook.xml.rels" ||
                              name == "[Content_Types].xml")))
            continue;
        check(after->contains(name) && after->at(name) == bytes);
    }
    for (const std::string& name : after->names)
        check(before->names.contains(name) || name == *sheetName);
    for (const std::string& name : before->names)
        check(after->names.contains(name) || (chainDropped && name == "xl/calcChain.xml"));
    return sheetBytes;
}

// ---- Templates from parts ----

constexpr std::string_view kSeparator = "\n--part--\n";

const char* const kDefaultParts[] = {
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData/></worksheet>",
    ("<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
     "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
     "<sheet name=\"Plan1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"),
    ("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
     "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
     "worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>"),
    ("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
     "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"),
};
const char* const kPartNames[] = {"xl/worksheets/sheet1.xml", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                  "[Content_Types].xml", "xl/calcChain.xml"};

std::string zipOf(std::string_view text)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(kSeparator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos || parts.size() == 5)
            break;
        start = end + kSeparator.size();
    }
    for (std::size_t i = parts.size(); i < 4; ++i)
        parts.emplace_back(kDefaultParts[i]);

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    check(source != nullptr);
    zip_source_keep(source);
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(source, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    check(archive != nullptr);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        zip_source_t* part = zip_source_buffer(archive, parts[i].data(), parts[i].size(), 0);
        check(part != nullptr);
        const zip_int64_t index = zip_file_add(archive, kPartNames[i], part, ZIP_FL_OVERWRITE);
        check(index >= 0);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    check(zip_close(archive) == 0);
    std::string bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    check(zip_source_open(source) == 0);
    check(zip_source_stat(source, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE));
    bytes.resize(static_cast<std::size_t>(stat.size));
    check(zip_source_read(source, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size));
    zip_source_close(source);
    zip_source_free(source);
    return bytes;
}

// ---- The properties ----

void fillTemplate(const std::string& templateBytes)
{
    std::string filled;
    try {
        filled = bulbicalc::filledWorkbook(templateBytes, writes());
    } catch (const bulbicalc::FileError& error) {
        check(std::strcmp(error.what(), "Invalid file format") == 0);
        return;
    }
    const std::string sheet = checkFilled(templateBytes, filled);
    // The filled workbook is a template, and filling it again changes nothing
    // in its worksheet.
    std::string again;
    try {
        again = bulbicalc::filledWorkbook(filled, writes());
    } catch (const bulbicalc::FileError&) {
        check(false);
    }
    check(checkFilled(filled, again) == sheet);
}

void columnLetters(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return;
    std::int32_t column = 0;
    std::memcpy(&column, data, sizeof column);
    if (column < 0)
        column = -(column + 1);
    const std::string letters = bulbicalc::columnLetters(column);
    check(!letters.empty() && letters.size() <= 7);
    long long number = 0;
    for (char c : letters) {
        check(c >= 'A' && c <= 'Z');
        number = number * 26 + (c - 'A' + 1);
    }
    check(number == static_cast<long long>(column) + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    columnLetters(data, size);
    fillTemplate(bytes);
    if (bytes.rfind("PK", 0) != 0)
        fillTemplate(zipOf(bytes));
    return 0;
}
