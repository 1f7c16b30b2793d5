#include "core/reports/reports_form.h"

#include "core/app/form_builder.h"
#include "core/app/window_state.h"
#include "core/reports/reports_controls.h"

namespace bulbicalc {

using namespace reports;

void addReportsControls(WindowState& window)
{
    FormBuilder b(window);
    b.tab(TabSheet6);
    b.add(Memo3, ControlKind::Memo).items = {"Recomendações"};
    b.edit(Edit21, "");
    b.button(BitBtn12, "&Recomendações gerais");
    b.button(BitBtn11, "&Limpar");
    b.button(BitBtn80, "Relatório *.&txt");
    b.button(BitBtn105, "Relatório *.&pdf");
    b.button(BitBtn108, "Relatório *.&xls");
}

} // namespace bulbicalc
