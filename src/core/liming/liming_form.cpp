#include "core/liming/liming_form.h"

#include "core/app/form_builder.h"
#include "core/app/window_state.h"
#include "core/liming/liming_controls.h"
#include "core/soil/soil_controls.h"

namespace bulbicalc {

using namespace liming;

void addLimingControls(WindowState& window)
{
    FormBuilder b(window);
    b.tab(soil::TabSheet2);
    b.radio(RadioButton1, "smp", "pH 5,5");
    b.radio(RadioButton2, "smp", "pH 6,0", true);
    b.radio(RadioButton3, "smp", "pH 6,5");
    b.edit(Edit2, "");
    b.button(BitBtn5, "&Adotar");

    b.radio(RadioButton4, "pouco_tamponados", "pH 5,5");
    b.radio(RadioButton5, "pouco_tamponados", "pH 6,0", true);
    b.radio(RadioButton6, "pouco_tamponados", "pH 6,5");
    b.label(Label23, "NC = -0,516 +0,805 MO + 2,435Al");
    b.edit(Edit5, "");
    b.button(BitBtn8, "&Calcular");
    b.button(BitBtn84, "&Adotar");

    b.radio(RadioButton7, "saturacao", "pH 5,5");
    b.radio(RadioButton8, "saturacao", "pH 6,0", true);
    b.radio(RadioButton9, "saturacao", "pH 6,5");
    b.edit(Edit8, "75");
    b.edit(Edit9, "");
    b.button(BitBtn6, "&Calcular");
    b.button(BitBtn7, "&Adotar");

    b.edits({Edit10, Edit11, Edit12, Edit26});
    b.button(BitBtn9, "&Calcular");

    b.edit(Edit15, "");
    window.setDefaultButton(soil::TabSheet2, BitBtn6);
}

} // namespace bulbicalc
