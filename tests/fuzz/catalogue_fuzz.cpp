// A catalogue file as someone may bring it: any bytes read as a mineral and
// as an organic catalogue. Every entry read has finite numbers and a name
// that is valid UTF-8; a failure is one of the messages the user sees; the
// same bytes always read the same.
#include "core/app/text_encoding.h"
#include "core/planning/catalogue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void readAs(std::string_view bytes, bulbicalc::CatalogueKind kind)
{
    const bulbicalc::CatalogueRead read = bulbicalc::readCatalogue(bytes, kind);
    check(read.error.empty() || read.error == bulbicalc::kInvalidNumericInput);
    for (const bulbicalc::Adubo& a : read.entries) {
        for (double value : {a.n, a.p2o5, a.k2o, a.s, a.pricePerKg})
            check(std::isfinite(value));
        if (kind == bulbicalc::CatalogueKind::Organic)
            check(a.s == 0);
        // Decoding the name as UTF-8 and encoding it again gives it back.
        std::string again;
        for (char32_t c : bulbicalc::utf8ToCodePoints(a.name))
            again += bulbicalc::codePointToUtf8(c);
        check(again == a.name);
    }
    const bulbicalc::CatalogueRead twice = bulbicalc::readCatalogue(bytes, kind);
    check(twice.entries.size() == read.entries.size() && twice.error == read.error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAs(bytes, bulbicalc::CatalogueKind::Mineral);
    readAs(bytes, bulbicalc::CatalogueKind::Organic);
    return 0;
}
