#include "core/app/window_controls.h"

#include "core/app/window_state.h"
#include "core/soil/municipalities.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

class Builder {
public:
    explicit Builder(WindowState& window) : window_(window) {}

    void tab(std::string name) { tab_ = std::move(name); }

    Control& add(const std::string& name, ControlKind kind, std::string text = {})
    {
        Control c;
        c.kind = kind;
        c.tab = tab_;
        c.text = std::move(text);
        return window_.controls().add(name, std::move(c));
    }

    void edits(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            add(name, ControlKind::Edit);
    }

    void edit(const std::string& name, std::string text) { add(name, ControlKind::Edit, std::move(text)); }
    void label(const std::string& name, std::string text) { add(name, ControlKind::Label, std::move(text)); }
    void button(const std::string& name, std::string caption)
    {
        add(name, ControlKind::Button, std::move(caption));
    }

    void radio(const std::string& name, const std::string& group, std::string caption, bool checked = false)
    {
        Control& c = add(name, ControlKind::RadioButton, std::move(caption));
        c.group = tab_ + "/" + group;
        c.checked = checked;
    }

    void spin(const std::string& name, const std::string& buddy, int position, int minimum, int maximum)
    {
        edit(buddy, std::to_string(position));
        Control& c = add(name, ControlKind::SpinButton);
        c.buddy = buddy;
        c.position = position;
        c.minimum = minimum;
        c.maximum = maximum;
    }

    void image(const std::string& name, bool visible) { add(name, ControlKind::Image).visible = visible; }

    Grid& grid(const std::string& name, int cols, int rows, int fixedCols, int fixedRows,
               std::vector<int> widths)
    {
        Grid g(cols, rows, fixedCols, fixedRows);
        for (int col = 0; col < cols && col < static_cast<int>(widths.size()); ++col)
            g.column(col).width = widths[static_cast<std::size_t>(col)];
        return window_.addGrid(name, std::move(g));
    }

private:
    WindowState& window_;
    std::string tab_;
};

std::vector<int> repeated(int count, int width)
{
    return std::vector<int>(static_cast<std::size_t>(count), width);
}

void setTitles(Grid& g, std::initializer_list<const char*> titles)
{
    int col = 0;
    for (const char* title : titles)
        g.column(col++).titleCaption = title;
}

void addDataEntryTab(Builder& b)
{
    b.tab("TabSheet1");
    // Producer.
    b.edit("EdNomeProdutor", "");
    b.add("mkEdCPF", ControlKind::MaskEdit, "   .   .   -  ");
    b.edit("EdLocal", "");
    Control& uf = b.add("CbUF", ControlKind::ComboBox, "SC");
    uf.items = {"RS", "SC", "PR", "outro"};
    uf.itemIndex = 1;
    // Before a state is chosen the municipality box holds its own SC list.
    b.add("CBMuni", ControlKind::ComboBox).items = startupMunicipalities();
    b.edit("EdMatricula", "");
    // Soil analysis.
    b.edits({"EdDenomina",  "EdLaudo",    "EdArgila", "EdClasseArgila", "EdPH", "EdSMP", "EdP",   "EdClasseP",
             "EdK",         "EdClasseK",  "EdMO",     "EdAL",           "EdCa", "EdMg",  "EdHAl", "EdCTC",
             "EdClasseCTC", "EdSatBases", "EdS",      "EdMn",           "EdZn", "EdB",   "EdCu",  "EdFe"});
    // Production.
    b.edit("EdProducao", "30");
    b.edit("EdArea", "1,0");
    // Cultivation system.
    b.radio("RadioButton10", "sistema", "Sistema de Transplante", true);
    b.radio("RadioButton11", "sistema", "Sistema de Semeadura Direta");
    b.radio("RadioButton20", "sistema", "Sistema de  Plantio Direto consolidado (>4 anos)");
    // Mehlich-3 conversion.
    b.edits({"EdArgila2", "EdPm3", "EdKm3"});
    b.button("BtObs1", "");
    // Files.
    b.button("BitBtn42", "&Abrir Laudo");
    b.button("BitBtn13", "&Salvar Laudo");
}

void addLimingTab(Builder& b)
{
    b.tab("TabSheet2");
    b.radio("RadioButton1", "smp", "pH 5,5");
    b.radio("RadioButton2", "smp", "pH 6,0", true);
    b.radio("RadioButton3", "smp", "pH 6,5");
    b.edits({"Edit1", "Edit2"});
    b.button("BitBtn5", "&Adotar");

    b.radio("RadioButton4", "pouco_tamponados", "pH 5,5");
    b.radio("RadioButton5", "pouco_tamponados", "pH 6,0", true);
    b.radio("RadioButton6", "pouco_tamponados", "pH 6,5");
    b.edits({"Edit3", "Edit4"});
    b.label("Label23", "NC = -0,516 +0,805 MO + 2,435Al");
    b.edit("Edit5", "");
    b.button("BitBtn8", "&Calcular");
    b.button("BitBtn84", "&Adotar");

    b.radio("RadioButton7", "saturacao", "pH 5,5");
    b.radio("RadioButton8", "saturacao", "pH 6,0", true);
    b.radio("RadioButton9", "saturacao", "pH 6,5");
    b.edits({"Edit6", "Edit7"});
    b.edit("Edit8", "75");
    b.edit("Edit9", "");
    b.button("BitBtn6", "&Calcular");
    b.button("BitBtn7", "&Adotar");

    b.edits({"Edit10", "Edit11", "Edit12", "Edit26"});
    b.button("BitBtn9", "&Calcular");

    b.edits({"Edit15", "Edit42", "Edit43", "Edit14", "Edit46", "Edit47", "Edit13", "Edit32", "Edit41"});
}

void addDosesTab(Builder& b)
{
    b.tab("TabSheet3");
    // Nitrogen.
    b.edit("Edit16", "120");
    b.spin("UpDown1", "Edit17", 4, 1, 100);
    b.button("BitBtn29", "&Parcelar");
    Grid& n = b.grid("rstga1", 4, 5, 0, 1, repeated(4, 75));
    n.nextRowAfterReturn = true;
    n.hintsEnabled = true;
    for (int col = 0; col < 4; ++col)
        n.column(col).titleAlignment = Alignment::Center;
    n.column(0).titleColour = colours::kHotLight;
    // Phosphorus and potassium.
    b.edit("Edit18", "80");
    b.button("BtObsP", "");
    b.edit("Edit19", "60");
    b.spin("UpDown2", "Edit20", 3, 1, 100);
    b.button("BitBtn10", "&Parcelar");
    b.button("BtObsK", "");
    Grid& k = b.grid("rstga2", 4, 4, 0, 1, repeated(4, 70));
    k.nextRowAfterReturn = true;
    k.hintsEnabled = true;
    k.rowHeight = 22;
    // Sulphur and micronutrients.
    b.radio("RadioButton21", "solo", "Cambissolos, Argissolos, demais solos arenosos", true);
    b.radio("RadioButton22", "solo", "Latossolos, Nitossolos e demais solos argilosos");
    b.edit("Edit22", "80");
    b.button("BTRZn", "");
    b.button("BTRB", "");
    b.button("BTRMn", "");
}

void addRecommendationTab(Builder& b)
{
    b.tab("TabSheet4");
    Grid& g = b.grid("rstga3", 6, 5, 0, 1, {50, 120, 80, 80, 80, 75});
    g.hintsEnabled = true;
}

void addWorkbenchTab(Builder& b)
{
    b.tab("TabSheet10");
    for (const char* name : {"rstgaRecomenda", "RstgaFalta"}) {
        Grid& g = b.grid(name, 5, 5, 1, 1, {56, 48, 48, 48, 48});
        g.rowHeight = 18;
        g.hintsEnabled = true;
        for (int col = 1; col < 5; ++col)
            g.column(col).alignment = Alignment::Center;
    }
    Grid& applied = b.grid("rstgaAplica", 5, 5, 1, 1, {60, 50, 50, 50, 50});
    applied.rowHeight = 18;
    applied.hintsEnabled = true;

    Grid& mine = b.grid("rStgaMeusAdubos", 11, 5, 1, 1, {180, 30, 30, 30, 30, 50, 50, 50, 50, 50, 90});
    mine.nextRowAfterReturn = true;
    mine.hintsEnabled = true;
    setTitles(mine, {"Adubo", "N", "P", "K", "S", "RS/kg", "Par 1", "Par 2", "Parc 3", "Par 4", "Par 5"});

    b.spin("UpDown4", "Edit31", 1, 1, 100);
    b.button("BitBtn97", "&Limpar a parcela");
    b.button("BitBtn111", "&Limpar todas parcelas");

    Grid& perParcela = b.grid("RstgaResumoParcela", 4, 5, 1, 1, {45, 180, 60, 80});
    perParcela.editing = false;
    perParcela.rowHeight = 20;
    perParcela.hintsEnabled = true;
    setTitles(perParcela, {"Parcela", "Adubo", "Kg/ha", "total (Kg)"});
    perParcela.column(0).alignment = Alignment::Center;
    perParcela.column(2).alignment = Alignment::Right;
    perParcela.column(3).alignment = Alignment::Right;

    Grid& total = b.grid("rstgaResumoTotal", 6, 5, 1, 1, {35, 180, 60, 80, 90, 90});
    total.editing = false;
    total.rowHeight = 20;
    setTitles(total, {"Item", "Adubo", "kg/ha", "RS/ha", "Total (kg)", "Total (R$)"});
    total.column(0).alignment = Alignment::Center;
    for (int col = 2; col < 6; ++col)
        total.column(col).alignment = Alignment::Right;

    b.edits({"Edit44", "Edit45"});
    b.radio("RadioButton23", "preco", "Exibir", true);
    b.radio("RadioButton24", "preco", "Ocultar");
}

void addCalendarTab(Builder& b)
{
    b.tab("TabSheet5");
    Grid& g = b.grid("stga1", 3, 5, 0, 1, repeated(3, 100));
    g.editing = false;
    g.rowHeight = 24;
    Control& picker = b.add("DateTimePicker2", ControlKind::DatePicker);
    picker.date = Date{2021, 6, 1};
    b.radio("RadioButton18", "visao", "Dias após plantio", true);
    b.radio("RadioButton19", "visao", "Data");
    b.image("Image1", true);
    b.image("Image2", false);
}

void addReportsTab(Builder& b)
{
    b.tab("TabSheet6");
    b.add("Memo3", ControlKind::Memo).items = {"Recomendações"};
    b.edit("Edit21", "");
    b.button("BitBtn12", "&Recomendações gerais");
    b.button("BitBtn11", "&Limpar");
    b.button("BitBtn80", "Relatório *.&txt");
    b.button("BitBtn105", "Relatório *.&pdf");
    b.button("BitBtn108", "Relatório *.&xls");
}

void addSelectionTab(Builder& b)
{
    b.tab("TabSheet9");
    Grid& g = b.grid("StgaAdubos", 6, 2, 0, 1, {200, 64, 64, 64, 64, 64});
    (void)g;
    b.add("rCheckListBox1", ControlKind::CheckListBox);
}

void addPhotosTab(Builder& b)
{
    b.tab("TabSheet8");
    for (int i = 3; i <= 10; ++i)
        b.image("Image" + std::to_string(i), i == 3);
    b.label("Label48", "Fotos 1/8");
    b.label("Label66", "Deficiência de Manganês");
    b.spin("UpDown3", "Edit27", 1, 1, 8);
}

void addAboutTab(Builder& b)
{
    b.tab("TabSheet7");
    b.add("RichEdit2", ControlKind::RichEdit);
}

void addBottomBar(Builder& b)
{
    b.tab("Panel1");
    b.button("BitBtn1", "&Fechar");
    b.button("BitBtn3", "&Ajuda");
}

ChartData pieChart()
{
    ChartData chart;
    chart.title = "% Saturação na CTC";
    chart.series.push_back(ChartSeries{SeriesKind::Pie, "", colours::kBlack, {}});
    return chart;
}

ChartData barChart()
{
    ChartData chart;
    chart.legendVisible = true;
    chart.legendAtTop = true;
    chart.vertical = ChartAxis{0, 100, 10, "Saturação na CTC (%)", true, 0, false};
    const std::pair<const char*, Colour> series[] = {
        {"K", colours::kFuchsia},    {"Al", colours::kSilver},     {"Ca", colours::kGreen},
        {"Mg", Colour{128, 255, 0}}, {"H", Colour{128, 128, 255}},
    };
    for (const auto& [title, colour] : series)
        chart.series.push_back(ChartSeries{SeriesKind::Bar, title, colour, {}});
    return chart;
}

ChartData calendarChart()
{
    ChartData chart;
    chart.title = "Calendário de Adubação";
    // Before the first drawing the empty chart already has the drawn chart's
    // axes: a grid line every 10 days and every 10 units.
    chart.horizontal = ChartAxis{-10, 140, 10, "Dias após o plantio", true, 90, false};
    chart.vertical = ChartAxis{30, 70, 10, "", true, 0, false};
    chart.series.push_back(ChartSeries{SeriesKind::Points, "", Colour{0, 128, 192}, {}});
    for (Colour c : {colours::kGreen, colours::kBlue, colours::kPurple, colours::kPurple, colours::kPurple})
        chart.series.push_back(ChartSeries{SeriesKind::Rectangle, "", c, {}});
    return chart;
}

} // namespace

void addWindowControls(WindowState& window)
{
    Builder b(window);
    addDataEntryTab(b);
    addLimingTab(b);
    addDosesTab(b);
    addRecommendationTab(b);
    addWorkbenchTab(b);
    addCalendarTab(b);
    addReportsTab(b);
    addSelectionTab(b);
    addPhotosTab(b);
    addAboutTab(b);
    addBottomBar(b);
    window.addChart("Chart3", pieChart());
    window.addChart("Chart2", barChart());
    window.addChart("Chart1", calendarChart());
}

} // namespace bulbicalc
