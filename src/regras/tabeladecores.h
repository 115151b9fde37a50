// A colour table of any moment: entries from a value upwards, each one
// colour or a blend towards the next, as the built-in tables and the GR
// `.pal` files give them.
#ifndef VORLANE_TABELADECORES_H
#define VORLANE_TABELADECORES_H

#include <string>
#include <vector>

#include "cores.h"

struct EntradaDeCor {
    double valor = 0;        // from this value up (in the table's units)
    colorido cor{};          // colour at `valor`
    unsigned char alfa = 255; // 0 transparent .. 255 opaque
    bool solida = false;     // one colour up to the next entry
    bool temFinal = false;   // blend towards `final` instead of the next entry's colour
    colorido final{};
    unsigned char alfaFinal = 255;
};

struct TabelaDeCores {
    std::vector<EntradaDeCor> entradas; // ascending by valor
    std::string produto, unidade;       // the file's Product: and Units: (may be empty)
    double escala = 1, deslocamento = 0; // table value = data value x escala + deslocamento
    double passo = 0;                   // Step: spacing of the legend's labels; 0 none given
    bool temDobrado = false;            // RF: colour of range-folded gates
    colorido dobrado{};
    bool vazia() const { return entradas.empty(); }
};

#endif
