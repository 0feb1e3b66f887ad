// Keys of a cell editor: the separator is kept as typed, unlike in the numeric input boxes.
#include "editors/CellKeyFilter.h"

#include "model/NumericKeyFilter.h"

namespace balka {

bool CellEditKeyPasses(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == KeyBackspace || key == KeyEnter || key == U',' ||
           key == U'.';
}

} // namespace balka
