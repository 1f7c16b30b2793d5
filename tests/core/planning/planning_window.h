#pragma once

#include "core/app/window_state.h"
#include "core/doses/doses_form.h"
#include "core/doses/recommendation_table.h"
#include "core/planning/catalogue.h"
#include "core/planning/planning_form.h"
#include "core/planning/planning_handlers.h"
#include "core/soil/soil_form.h"
#include "support/bare_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace bulbicalc::test {

// A data folder of its own for one test, removed afterwards; CTest runs the
// tests in parallel.
struct DataFolder {
    DataFolder()
        : dir(std::filesystem::temp_directory_path() /
              ("bulbicalc-planning-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "Auxiliares");
    }
    ~DataFolder() { std::filesystem::remove_all(dir); }

    // Writes a catalogue file of the folder Auxiliares, byte for byte.
    void write(const std::string& file, const std::string& bytes) const
    {
        std::ofstream(dir / "Auxiliares" / file, std::ios::binary) << bytes;
    }

    std::filesystem::path dir;
};

// The workbench and the catalogue tab over the controls of the soil analysis
// and of the doses, with the start-up steps of the planning but the
// catalogue: tests load one with loadCatalogues, or put their fertilisers on
// the workbench themselves.
struct PlanningWindow : BareWindow {
    explicit PlanningWindow(std::filesystem::path data = BULBICALC_TEST_DATA_DIR)
        : BareWindow(std::move(data))
    {
        addSoilControls(window);
        addDosesControls(window);
        addPlanningControls(window);
        registerPlanningHandlers(window);
        writeRecommendationHeadings(window);
        writeCatalogueHeadings(window);
        writeWorkbenchHeadings(window);
        writeFertiliserGridHeadings(window);
        writeAppliedZeros(window);
    }

    Grid& fertilisers() { return window.grid("rStgaMeusAdubos"); }

    // The fertiliser list as a transfer leaves it: the heading row, then one
    // row per fertiliser with name, N, P2O5, K2O, S and price.
    void setFertilisers(std::initializer_list<std::vector<std::string>> rows)
    {
        Grid& g = fertilisers();
        g.setRowCount(1);
        for (const auto& cells : rows) {
            const int row = g.rowCount();
            g.setRowCount(row + 1);
            g.clearRow(row);
            for (std::size_t col = 0; col < cells.size(); ++col)
                g.setCell(static_cast<int>(col), row, cells[col]);
        }
    }

    // The recommendation of one nutrient in one parcela, as the doses write it.
    void recommend(Nutrient nutrient, int parcela, const std::string& amount)
    {
        writeRecommendation(window, nutrient, parcela, amount);
    }

    // Types a quantity into the cell of a fertiliser and parcela and presses Enter.
    void enterQuantity(int row, int parcela, const std::string& text)
    {
        window.editCell("rStgaMeusAdubos", parcela + 5, row, text);
        window.gridEnter("rStgaMeusAdubos", parcela + 5, row);
    }

    const std::string& quantity(int row, int parcela) { return fertilisers().cell(parcela + 5, row); }
    const std::string& applied(Nutrient n, int parcela)
    {
        return window.grid("rstgaAplica").cell(parcela, static_cast<int>(n));
    }
    const std::string& difference(Nutrient n, int parcela)
    {
        return window.grid("RstgaFalta").cell(parcela, static_cast<int>(n));
    }

    // One row of a grid, its first `count` cells.
    std::vector<std::string> row(const char* grid, int r, int count)
    {
        std::vector<std::string> cells;
        for (int col = 0; col < count; ++col)
            cells.push_back(window.grid(grid).cell(col, r));
        return cells;
    }
};

} // namespace bulbicalc::test
