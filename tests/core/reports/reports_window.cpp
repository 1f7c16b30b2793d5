#include "reports_window.h"

#include "core/app/window_state.h"

#include <gtest/gtest.h>

namespace bulbicalc::test {

TemporaryFolder::TemporaryFolder()
{
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("bulbicalc-reports-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name)
        if (c == '/')
            c = '-';
    path = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path / "Laudos");
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    std::filesystem::remove_all(path, error);
}

WorkingDirectory::WorkingDirectory(const std::filesystem::path& folder)
    : previous(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

WorkingDirectory::~WorkingDirectory()
{
    std::filesystem::current_path(previous);
}

std::filesystem::path goldenFolder()
{
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "scenarios" /
           "reports" / "golden";
}

namespace {

void fillRows(Grid& grid, const std::vector<std::vector<const char*>>& rows)
{
    grid.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.setCell(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
}

} // namespace

void fillWorkbenchSummaries(WindowState& window)
{
    fillRows(window.grid("RstgaResumoParcela"), {
                                                    {"Parcela", "Adubo", "kg/ha", "Total (kg)"},
                                                    {"1", "Superfosfato triplo", "500,0", "1250,0"},
                                                    {"1", "Cloreto de potássio", "100,0", "250,0"},
                                                    {"1", "Ureia", "46,7", "116,8"},
                                                    {"2", "Ureia", "77,8", "194,5"},
                                                    {"3", "Cloreto de potássio", "50,0", "125,0"},
                                                    {"3", "Ureia", "108,9", "272,3"},
                                                    {"4", "Cloreto de potássio", "50,0", "125,0"},
                                                    {"4", "Ureia", "77,8", "194,5"},
                                                });
    fillRows(window.grid("rstgaResumoTotal"),
             {
                 {"Item", "Adubo", "kg/ha", "R$/ha", "Total (kg)", "Total (R$)"},
                 {"1", "Superfosfato triplo", "500,0", "1400,00", "1250,0", "3500,00"},
                 {"2", "Cloreto de potássio", "200,0", "620,00", "500,0", "1550,00"},
                 {"3", "Ureia", "311,2", "918,04", "778,0", "2295,10"},
             });
    window.setText("Edit44", "2938,04");
    window.setText("Edit45", "7345,10");
}

} // namespace bulbicalc::test
