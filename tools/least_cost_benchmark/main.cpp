// bulbicalc-least-cost-benchmark [RUNS]
// Times "Otimizar todas parcelas" through the program's core: six parcelas,
// each with N, P2O5, K2O and S recommended, over a selection of 30 fertilisers
// (straight ones, formulas and organic ones, contents and prices as a
// catalogue has them), as a linear programme and in whole bags. Prints the
// median and the slowest of RUNS runs (default 50) of each.
#include "core/app/number_text.h"
#include "core/app/recording_platform.h"
#include "core/app/window_state.h"
#include "core/program/program.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// 26 minerals (N P2O5 K2O S, bag price) and 4 organics (N P2O5 K2O, tonne price).
void writeCatalogue(const fs::path& folder)
{
    fs::create_directories(folder / "Auxiliares");
    std::ofstream minerals(folder / "Auxiliares" / "AdubosMinerais.txt", std::ios::binary);
    minerals << "N P2O5 K2O S R$/saco Adubo\r\n";
    const char* lines[] = {
        "45 0 0 0 160 Ureia",           "20 0 0 22 95 Sulfato de amonio",   "33 0 0 0 150 Nitrato de amonio",
        "15.5 0 0 0 260 Nitrato de calcio", "0 18 0 11 92 Superfosfato simples", "0 41 0 0 180 Superfosfato triplo",
        "11 52 0 0 225 MAP",            "18 46 0 0 220 DAP",                "0 0 58 0 145 Cloreto de potassio",
        "0 0 50 17 325 Sulfato de potassio", "13 0 44 0 350 Nitrato de potassio", "0 0 0 15 17.5 Gesso",
        "5 20 10 0 155 05-20-10",       "4 14 8 0 130 04-14-08",            "5 25 15 0 175 05-25-15",
        "10 10 10 0 140 10-10-10",      "2 20 20 0 170 02-20-20",           "8 28 16 0 190 08-28-16",
        "4 30 10 0 165 04-30-10",       "20 5 20 0 185 20-05-20",           "12 6 12 0 150 12-06-12",
        "0 20 20 0 160 00-20-20",       "3 12 6 0 120 03-12-06",            "6 24 12 0 170 06-24-12",
        "14 0 14 0 160 14-00-14",       "9 33 12 0 200 09-33-12",
    };
    for (const char* line : lines)
        minerals << line << "\r\n";
    std::ofstream organics(folder / "Auxiliares" / "AdubosOrganicos.txt", std::ios::binary);
    organics << "N P2O5 K2O R$/t Adubo\r\n"
             << "3.2 3.5 2.5 220 Cama de aviario\r\n"
             << "1.5 1.4 1.5 130 Esterco bovino\r\n"
             << "2.1 2.8 2.9 150 Esterco suino\r\n"
             << "1.5 1.2 1 380 Composto\r\n";
}

double timeOnce(bulbicalc::WindowState& window)
{
    const auto start = std::chrono::steady_clock::now();
    window.click("BtOtimizarTodas");
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void report(const char* label, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-12s median %7.2f ms   slowest %7.2f ms   (%zu runs)\n", label, times[times.size() / 2],
                times.back(), times.size());
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::stoi(argv[1])) : 50;
    const fs::path folder = fs::temp_directory_path() / "bulbicalc-least-cost-benchmark";
    fs::remove_all(folder);
    writeCatalogue(folder);

    bulbicalc::RecordingPlatform platform;
    auto window = bulbicalc::createWindowState(platform, folder);
    if (window->startupError()) {
        std::fprintf(stderr, "start-up failed: %s\n", window->startupError()->c_str());
        return 1;
    }
    auto& list = window->control("rCheckListBox1");
    for (std::size_t i = 0; i < list.items.size(); ++i)
        if (!list.itemChecked[i])
            window->check("rCheckListBox1", static_cast<int>(i), true);
    window->type("EdArea", "3,5");
    window->spin("UpDown1", 6);
    const char* timings[] = {"Plantio", "20", "35", "50", "65", "85"};
    const char* shares[] = {"15", "15", "20", "20", "15", "15"};
    for (int p = 1; p <= 6; ++p) {
        window->editCell("rstga1", 1, p, timings[p - 1]);
        window->editCell("rstga1", 2, p, shares[p - 1]);
    }
    window->type("Edit16", "180");
    window->click("BitBtn29");
    // Every nutrient in every parcela, so that each programme has four rows.
    const char* amounts[4][6] = {{"", "", "", "", "", ""},
                                 {"120", "30", "20", "20", "15", "10"},
                                 {"60", "30", "25", "25", "20", "20"},
                                 {"30", "10", "10", "8", "6", "5"}};
    for (int row = 2; row <= 4; ++row)
        for (int p = 1; p <= 6; ++p)
            window->grid("rstgaRecomenda").setCell(p, row, amounts[row - 1][p - 1]);
    const int fertilisers = window->grid("rStgaMeusAdubos").rowCount() - 1;
    std::printf("%d fertilisers, 6 parcelas\n", fertilisers);

    std::vector<double> lp;
    for (int i = 0; i < runs; ++i)
        lp.push_back(timeOnce(*window));
    report("LP", lp);
    window->click("CkSacosInteiros");
    std::vector<double> bags;
    for (int i = 0; i < runs; ++i)
        bags.push_back(timeOnce(*window));
    report("whole bags", bags);
    if (!platform.messages.empty())
        std::fprintf(stderr, "message: %s\n", platform.messages.front().c_str());
    std::printf("%s\n", window->text("LabelOtimizacao").c_str());
    fs::remove_all(folder);
    return 0;
}
