#include "CTransponderData.h"

namespace tarnell {

std::string CTransponderData::GetPolarisationLetter() const {
    switch (GetPolarisation()) {
    case 0:
        return "V";
    case 1:
        return "H";
    case 2:
        return "A";
    case 5:
        return "C";
    default:
        return "";
    }
}

std::string CTransponderData::GetLabel() const {
    return std::to_string(GetFrequency()) + " " + GetPolarisationLetter() + " " +
           std::to_string(GetSymbolRate());
}

} // namespace tarnell
