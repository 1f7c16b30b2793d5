#include "core/soil/soil_classes.h"

#include "core/app/errors.h"

namespace bulbicalc {

const char* clayClass(double clay)
{
    if (clay >= 60)
        return "Classe 1";
    if (clay > 40)
        return "Classe 2";
    if (clay > 20)
        return "Classe 3";
    return "Classe 4";
}

const char* ctcClass(double ctc)
{
    if (ctc <= 7.5)
        return "Baixa";
    if (ctc <= 15)
        return "Média";
    if (ctc <= 30)
        return "Alta";
    return "Muito alta";
}

double mehlich1Phosphorus(double pMehlich3, double clay)
{
    return divide(pMehlich3, 2 - 0.02 * clay);
}

double mehlich1Potassium(double kMehlich3)
{
    return kMehlich3 * 0.83;
}

} // namespace bulbicalc
