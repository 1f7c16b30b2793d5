#include "core/liming/liming.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/liming/liming_controls.h"
#include "core/soil/soil_controls.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace bulbicalc {
namespace {

constexpr int kFirstSmpKey = 44;

// Lime need in t/ha by SMP index, from 4,4 (and below) to 7,0, for pH 5,5,
// 6,0 and 6,5. The pH 5,5 column ends at 6,6 and the pH 6,0 column at 6,9;
// their zeros below that are the "nothing to apply" of the table.
constexpr std::array<std::array<double, 3>, 27> kSmpTable = {{
    {15.0, 21.0, 29.0}, // 4,4
    {12.5, 17.3, 24.0}, // 4,5
    {10.9, 15.1, 20.0}, // 4,6
    {9.6, 13.3, 17.5},  // 4,7
    {8.5, 11.9, 15.7},  // 4,8
    {7.7, 10.7, 14.2},  // 4,9
    {6.6, 9.9, 13.3},   // 5,0
    {6.0, 9.1, 12.3},   // 5,1
    {5.3, 8.3, 11.3},   // 5,2
    {4.8, 7.5, 10.4},   // 5,3
    {4.2, 6.8, 9.5},    // 5,4
    {3.7, 6.1, 8.6},    // 5,5
    {3.2, 5.4, 7.8},    // 5,6
    {2.8, 4.8, 7.0},    // 5,7
    {2.3, 4.2, 6.3},    // 5,8
    {2.0, 3.7, 5.6},    // 5,9
    {1.6, 3.2, 4.9},    // 6,0
    {1.3, 2.7, 4.3},    // 6,1
    {1.0, 2.2, 3.7},    // 6,2
    {0.8, 1.8, 3.1},    // 6,3
    {0.6, 1.4, 2.6},    // 6,4
    {0.4, 1.1, 2.1},    // 6,5
    {0.2, 0.8, 1.6},    // 6,6
    {0.0, 0.5, 1.2},    // 6,7
    {0.0, 0.3, 0.8},    // 6,8
    {0.0, 0.2, 0.5},    // 6,9
    {0.0, 0.0, 0.2},    // 7,0
}};

std::size_t column(TargetPh ph)
{
    return static_cast<std::size_t>(ph);
}

TargetPh selectedPh(const WindowState& window, std::string_view ph55, std::string_view ph65)
{
    if (window.isChecked(ph55))
        return TargetPh::Ph55;
    if (window.isChecked(ph65))
        return TargetPh::Ph65;
    return TargetPh::Ph60;
}

} // namespace

int smpKey(double smp)
{
    // Beyond these bounds every key reads the same end of the table.
    if (smp > 100)
        return 1000;
    if (smp < -100)
        return -1000;
    // An index typed with one decimal may reach here a few units in the last
    // place below its tenths (5,3 as 5,29999...): a product that lies that
    // close to a whole number is that number, anything else is truncated.
    const double tenths = smp * 10;
    const double nearest = std::round(tenths);
    if (std::fabs(tenths - nearest) <= 1e-9 * std::max(1.0, std::fabs(tenths)))
        return static_cast<int>(nearest);
    return static_cast<int>(std::trunc(tenths));
}

double limeNeedBySmp(int key, TargetPh ph)
{
    if (key <= kFirstSmpKey)
        return kSmpTable.front()[column(ph)];
    const auto row = static_cast<std::size_t>(key - kFirstSmpKey);
    if (row >= kSmpTable.size())
        return 0;
    return kSmpTable[row][column(ph)];
}

double limeNeedPoorlyBuffered(double organicMatter, double al, TargetPh ph)
{
    switch (ph) {
    case TargetPh::Ph55:
        return -0.653 + 0.480 * organicMatter + 1.937 * al;
    case TargetPh::Ph60:
        return -0.516 + 0.805 * organicMatter + 2.435 * al;
    case TargetPh::Ph65:
        break;
    }
    return -0.122 + 1.193 * organicMatter + 2.713 * al;
}

const char* poorlyBufferedFormula(TargetPh ph)
{
    switch (ph) {
    case TargetPh::Ph55:
        return "NC =-0,653 + 0,480MO + 1,937Al";
    case TargetPh::Ph60:
        return "NC =-0,516 + 0,805MO + 2,435Al";
    case TargetPh::Ph65:
        break;
    }
    return "NC = -0,122 + 1,193MO + 2,713Al";
}

double limeNeedByBaseSaturation(double ctc, double v1, double v2)
{
    return (v2 - v1) * ctc / 100;
}

const char* desiredBaseSaturation(TargetPh ph)
{
    switch (ph) {
    case TargetPh::Ph55:
        return "65";
    case TargetPh::Ph60:
        return "75";
    case TargetPh::Ph65:
        break;
    }
    return "85";
}

double commercialLimeNeed(double needAtPrnt100, double prnt)
{
    return divide(100, prnt) * needAtPrnt100;
}

const char* limeTypeAdvice(double caMgRelation, double caSaturation)
{
    if (caMgRelation < 2)
        return "Use calcário Calcítico";
    if (caSaturation < 50)
        return "Use calcário Calcítico";
    return "Use calcário Dolomítico";
}

// ---- Handlers ----

void CalcarioSMP(WindowState& window)
{
    if (window.isEmpty(soil::Edit1))
        return;
    const int key = smpKey(window.number(soil::Edit1));
    const TargetPh ph = selectedPh(window, liming::RadioButton1, liming::RadioButton3);
    window.setText(liming::Edit2, formatNumber(limeNeedBySmp(key, ph), "0.0"));
}

void BitBtn8Click(WindowState& window)
{
    const double organicMatter = window.number(soil::Edit3);
    const double al = window.number(soil::Edit4);
    const TargetPh ph = selectedPh(window, liming::RadioButton4, liming::RadioButton6);
    window.setText(liming::Edit5, formatNumber(limeNeedPoorlyBuffered(organicMatter, al, ph), "0.00"));
}

void BitBtn6Click(WindowState& window)
{
    const double ctc = window.number(soil::Edit6);
    const double v1 = window.number(soil::Edit7);
    const double v2 = window.number(liming::Edit8);
    window.setText(liming::Edit9, formatNumber(limeNeedByBaseSaturation(ctc, v1, v2), "0.00"));
}

void BitBtn9Click(WindowState& window)
{
    const double needAtPrnt100 = window.number(liming::Edit10);
    const double prnt = window.number(liming::Edit11);
    const double area = window.number(soil::EdArea);
    const double need = commercialLimeNeed(needAtPrnt100, prnt);
    window.setText(liming::Edit12, formatNumber(need, "0.000"));
    window.setText(liming::Edit26, formatNumber(need * area, "0.000"));
}

void LimeTypeAdvice(WindowState& window)
{
    if (window.isEmpty(soil::Edit13) || window.isEmpty(soil::Edit14))
        return;
    const double caMgRelation = window.number(soil::Edit13);
    const double caSaturation = window.number(soil::Edit14);
    window.setText(liming::Edit15, limeTypeAdvice(caMgRelation, caSaturation));
}

void registerLimingHandlers(WindowState& window)
{
    window.onChange(soil::Edit1, CalcarioSMP);
    for (std::string_view button : {liming::RadioButton1, liming::RadioButton2, liming::RadioButton3})
        window.onClick(button, CalcarioSMP);

    const std::pair<std::string_view, TargetPh> formulaButtons[] = {{liming::RadioButton4, TargetPh::Ph55},
                                                                    {liming::RadioButton5, TargetPh::Ph60},
                                                                    {liming::RadioButton6, TargetPh::Ph65}};
    for (const auto& [button, ph] : formulaButtons)
        window.onClick(button,
                       [ph = ph](WindowState& w) { w.setText(liming::Label23, poorlyBufferedFormula(ph)); });

    const std::pair<std::string_view, TargetPh> saturationButtons[] = {
        {liming::RadioButton7, TargetPh::Ph55},
        {liming::RadioButton8, TargetPh::Ph60},
        {liming::RadioButton9, TargetPh::Ph65}};
    for (const auto& [button, ph] : saturationButtons)
        window.onClick(button,
                       [ph = ph](WindowState& w) { w.setText(liming::Edit8, desiredBaseSaturation(ph)); });

    window.onClick(liming::BitBtn8, BitBtn8Click);
    window.onClick(liming::BitBtn6, BitBtn6Click);
    window.onClick(liming::BitBtn9, BitBtn9Click);

    // "&Adotar": the method's result, as it stands, becomes the adopted need.
    const std::pair<std::string_view, std::string_view> adoptButtons[] = {{liming::BitBtn5, liming::Edit2},
                                                                          {liming::BitBtn84, liming::Edit5},
                                                                          {liming::BitBtn7, liming::Edit9}};
    for (const auto& [button, result] : adoptButtons)
        window.onClick(button,
                       [result = result](WindowState& w) { w.setText(liming::Edit10, w.text(result)); });

    for (std::string_view field : {soil::Edit13, soil::Edit14, soil::Edit32, soil::Edit41, soil::Edit42,
                                   soil::Edit43, soil::Edit46, soil::Edit47})
        window.onChange(field, LimeTypeAdvice);
}

} // namespace bulbicalc
