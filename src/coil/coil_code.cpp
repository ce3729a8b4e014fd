#include "coil/coil_code.h"

#include "coil/catalogue.h"
#include "foundation/numbers.h"

namespace rac::coil {

void BuildCoilCode(CurrentCoil& coil) {
    std::string code(tubeSize(coil.TubeDiameter).code);
    code += "W";
    if (coil.CircuitMode == "Number") {
        code += "S" + numbers::countText(coil.CircuitNumber);
    } else if (coil.CircuitMode == "Optimise" || coil.CircuitMode == "Fixed") {
        code += coil.CircuitType;
    }
    code += numbers::shortestText(coil.FinDensity);
    code += ".";
    code += numbers::countText(coil.Rows);
    code += "-";
    code += numbers::shortestText(coil.TubesHigh);
    code += "T";
    code += "x";
    code += numbers::shortestText(coil.FinnedLength);
    coil.CoilCode = code;
}

} // namespace rac::coil
