#include "core/reports/reports_form.h"

#include "core/app/form_builder.h"
#include "core/app/window_state.h"
#include "core/reports/analysis_file.h"
#include "core/reports/pdf_report.h"
#include "core/reports/recommendations_text.h"
#include "core/reports/reports_controls.h"
#include "core/reports/spreadsheet_report.h"
#include "core/reports/text_report.h"
#include "core/soil/soil_controls.h"

namespace bulbicalc {

using namespace reports;

void addReportsControls(WindowState& window)
{
    FormBuilder b(window);
    b.tab(TabSheet6);
    b.add(Memo3, ControlKind::Memo).items = {kRecommendationsHeading};
    b.edit(Edit21, "");
    b.button(BitBtn12, "&Recomendações gerais");
    b.button(BitBtn11, "&Limpar");
    b.button(BitBtn80, "Relatório *.&txt");
    b.button(BitBtn105, "Relatório *.&pdf");
    b.button(BitBtn108, "Relatório *.&xls");
}

void registerReportsHandlers(WindowState& window)
{
    window.onClick(soil::BitBtn13, BitBtn13Click);
    window.onClick(soil::BitBtn42, BitBtn42Click);
    window.onClick(BitBtn12, BitBtn12Click);
    window.onClick(BitBtn11, BitBtn11Click);
    window.onClick(BitBtn80, BitBtn80Click);
    window.onClick(BitBtn105, BitBtn105Click);
    window.onClick(BitBtn108, BitBtn108Click);
}

} // namespace bulbicalc
