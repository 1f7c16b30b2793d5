#include "core/app/startup.h"

#include "core/about/about_text.h"
#include "core/app/window_state.h"

#include <initializer_list>
#include <string>

namespace bulbicalc {
namespace {

void writeTitles(Grid& g, std::initializer_list<const char*> titles)
{
    int col = 0;
    for (const char* title : titles)
        g.column(col++).titleCaption = title;
}

void writeRow(Grid& g, int row, std::initializer_list<const char*> texts, int firstCol = 0)
{
    int col = firstCol;
    for (const char* text : texts)
        g.setCell(col++, row, text);
}

void writeColumn(Grid& g, int col, std::initializer_list<const char*> texts, int firstRow = 1)
{
    int row = firstRow;
    for (const char* text : texts)
        g.setCell(col, row++, text);
}

void mehlichNote(WindowState& w)
{
    w.setText("BtObs1", std::string("Obs: Converte automaticamente para ") + '\r' + "o método  Mehlich-1");
}

void calendarHeadings(WindowState& w)
{
    writeRow(w.grid("stga1"), 0, {"Parcela", "Epoca (DAS)", "Data"});
}

void nitrogenSplit(WindowState& w)
{
    Grid& g = w.grid("rstga1");
    writeTitles(g, {"Parcela", "Época", "Quant.(%)", "Quant.(kg)"});
    writeColumn(g, 0, {"1", "2", "3", "4"});
    writeColumn(g, 1, {"Plantio", "35", "60", "85"});
    writeColumn(g, 2, {"15", "25", "35", "25"});
}

void potashSplit(WindowState& w)
{
    Grid& g = w.grid("rstga2");
    writeTitles(g, {"Parcela", "Época", "Quant.(%)", "Quant.(kg)"});
    writeColumn(g, 0, {"1", "2", "3"});
    writeColumn(g, 1, {"Plantio", "60", "85"});
    writeColumn(g, 2, {"50", "25", "25"});
}

void recommendationHeadings(WindowState& w)
{
    Grid& g = w.grid("rstga3");
    writeTitles(g, {"Parcela", "Época", "N (kg/ha)", "P2O5 (kg/ha)", "K2O (kg/ha)", "S (kg/ha)"});
    int col = 0;
    for (int width : {50, 120, 80, 80, 80, 75})
        g.column(col++).width = width;
}

void catalogueHeadings(WindowState& w)
{
    Grid& g = w.grid("StgaAdubos");
    writeRow(g, 0, {"Adubo", "N(%)", "P2O5(%)", "K2O(%)", "S(%)", "R$"});
    g.column(0).width = 200;
}

void workbenchHeadings(WindowState& w)
{
    for (const char* name : {"rstgaRecomenda", "rstgaAplica", "RstgaFalta"}) {
        Grid& g = w.grid(name);
        writeTitles(g, {"Nutriente", "Par. 1", "Par. 2", "Par. 3", "Par. 4"});
        writeColumn(g, 0, {"N", "P2O5", "K2O", "S"});
    }
}

void fertiliserGridHeadings(WindowState& w)
{
    writeRow(w.grid("rStgaMeusAdubos"), 0,
             {"Adubo", "N", "P", "K", "S", "R$/Kg", "Par 1", "Par 2", "Par 3", "Par 4"});
}

void appliedZeros(WindowState& w)
{
    Grid& g = w.grid("rstgaAplica");
    for (int col = 1; col <= 4; ++col)
        for (int row = 1; row <= 4; ++row)
            g.setCell(col, row, "0,0");
}

} // namespace

void formCreate(WindowState& window)
{
    mehlichNote(window);
    calendarHeadings(window);
    nitrogenSplit(window);
    potashSplit(window);
    recommendationHeadings(window);
    writeAboutText(window);
    catalogueHeadings(window);
    workbenchHeadings(window);
    fertiliserGridHeadings(window);
    appliedZeros(window);
}

} // namespace bulbicalc
