#include "core/soil/interpretation.h"

#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/soil/analysis_charts.h"
#include "core/soil/cation_exchange.h"
#include "core/soil/soil_classes.h"
#include "core/soil/soil_controls.h"

#include <initializer_list>
#include <string_view>

namespace bulbicalc {

using namespace soil;

namespace {

bool given(const WindowState& window, std::initializer_list<std::string_view> fields)
{
    for (std::string_view field : fields)
        if (window.isEmpty(field))
            return false;
    return true;
}

} // namespace

void EdArgilaExit(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    if (given(window, {EdArgila, EdP})) {
        n.argila = window.number(EdArgila);
        n.P = window.number(EdP);
    }
    if (given(window, {EdArgila})) {
        n.argila = window.number(EdArgila);
        window.setText(EdClasseArgila, clayClass(n.argila));
    }
    window.setText(EdArgila2, window.text(EdArgila));
}

void EdSMPExit(WindowState& window)
{
    window.setText(Edit1, window.text(EdSMP));
}

void EdALExit(WindowState& window)
{
    if (!given(window, {EdAL}))
        return;
    window.setText(Edit4, window.text(EdAL));
    // Only the saturation is written: the cached Al and CTC stay as they were.
    if (given(window, {EdCTC})) {
        const double al = window.number(EdAL);
        const double ctc = window.number(EdCTC);
        writeAlSaturation(window, al, ctc);
    }
}

void EdCaExit(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    if (given(window, {EdCa, EdMg})) {
        n.Ca = window.number(EdCa);
        n.Mg = window.number(EdMg);
        writeCaMgRelation(window, n.Ca, n.Mg);
    }
    if (given(window, {EdCa, EdCTC})) {
        n.Ca = window.number(EdCa);
        n.CTC = window.number(EdCTC);
        writeCaSaturation(window, n.Ca, n.CTC);
    }
    if (given(window, {EdCa, EdK})) {
        n.Ca = window.number(EdCa);
        n.K = window.number(EdK);
        writeCaKRelation(window, n.Ca, n.K);
    }
}

void EdMgExit(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    if (given(window, {EdCa, EdMg})) {
        n.Ca = window.number(EdCa);
        n.Mg = window.number(EdMg);
        writeCaMgRelation(window, n.Ca, n.Mg);
    }
    if (given(window, {EdK, EdMg})) {
        n.K = window.number(EdK);
        n.Mg = window.number(EdMg);
        writeMgKRelation(window, n.Mg, n.K);
    }
    if (given(window, {EdCTC, EdMg})) {
        n.CTC = window.number(EdCTC);
        n.Mg = window.number(EdMg);
        writeMgSaturation(window, n.Mg, n.CTC);
    }
}

void EdHAlExit(WindowState& window)
{
    ModuleNumbers& n = window.numbers();
    if (!given(window, {EdHAl, EdAL}))
        return;
    n.Al = window.number(EdAL);
    // The CTC is read for the share only; the cached CTC is left alone.
    if (given(window, {EdCTC})) {
        const double hAl = window.number(EdHAl);
        const double ctc = window.number(EdCTC);
        writeHSaturation(window, hAl, n.Al, ctc, "0.00");
    }
}

void EdCTCExit(WindowState& window, const InterpretationTriggers& triggers)
{
    ModuleNumbers& n = window.numbers();
    if (given(window, {EdCa, EdCTC})) {
        n.Ca = window.number(EdCa);
        n.CTC = window.number(EdCTC);
        writeCaSaturation(window, n.Ca, n.CTC);
    }
    if (given(window, {EdCTC}))
        window.setText(Edit6, window.text(EdCTC));
    if (given(window, {EdK, EdCTC})) {
        n.K = window.number(EdK);
        n.CTC = window.number(EdCTC);
        writeKSaturation(window, n.K, n.CTC);
        if (triggers.classifyPotassium)
            triggers.classifyPotassium(window);
        ClasseCTC(window);
    }
    if (given(window, {EdAL, EdCTC})) {
        n.Al = window.number(EdAL);
        n.CTC = window.number(EdCTC);
        writeAlSaturation(window, n.Al, n.CTC);
    }
    if (given(window, {EdMg, EdCTC})) {
        n.Mg = window.number(EdMg);
        n.CTC = window.number(EdCTC);
        writeMgSaturation(window, n.Mg, n.CTC);
    }
    if (given(window, {EdHAl, EdCTC})) {
        // Without an Al result all of H+Al counts as H.
        n.Al = given(window, {EdAL}) ? window.number(EdAL) : 0.0;
        n.CTC = window.number(EdCTC);
        const double hAl = window.number(EdHAl);
        writeHSaturation(window, hAl, n.Al, n.CTC, "0.0");
    }
    // Bar chart first: when its values do not parse, neither chart changes.
    Grafico2(window);
    Grafico3(window);
}

void EdSatBasesExit(WindowState& window)
{
    if (given(window, {EdSatBases}))
        window.setText(Edit7, window.text(EdSatBases));
}

void EdPm3Exit(WindowState& window)
{
    // Only EdP is written; the cached P and the P class follow when EdP is left.
    if (given(window, {EdArgila2, EdPm3})) {
        const double pMehlich3 = window.number(EdPm3);
        const double clay = window.number(EdArgila2);
        window.setText(EdP, formatNumber(mehlich1Phosphorus(pMehlich3, clay), "0.0"));
    }
}

void EdKm3Exit(WindowState& window)
{
    if (given(window, {EdKm3}))
        window.setText(EdK, formatNumber(mehlich1Potassium(window.number(EdKm3)), "0.0"));
}

void ClasseCTC(WindowState& window)
{
    window.setText(EdClasseCTC, ctcClass(window.number(EdCTC)));
}

void registerInterpretationHandlers(WindowState& window, InterpretationTriggers triggers)
{
    window.onLeave(EdArgila, EdArgilaExit);
    window.onLeave(EdSMP, EdSMPExit);
    window.onLeave(EdAL, EdALExit);
    window.onLeave(EdCa, EdCaExit);
    window.onLeave(EdMg, EdMgExit);
    window.onLeave(EdHAl, EdHAlExit);
    window.onLeave(EdCTC, [triggers](WindowState& w) { EdCTCExit(w, triggers); });
    window.onLeave(EdSatBases, EdSatBasesExit);
    window.onLeave(EdPm3, EdPm3Exit);
    window.onLeave(EdKm3, EdKm3Exit);
    window.onEnterAfter(EdCTC, ClasseCTC);
}

} // namespace bulbicalc
