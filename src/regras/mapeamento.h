// A sweep as the radar measured it (rays of range bins at any spacing) put
// onto the viewer's table of whole-degree rows and 250 m gates, so that an
// echo measured at azimuth A and range R lies in the cell drawn at A and R.
#ifndef VORLANE_MAPEAMENTO_H
#define VORLANE_MAPEAMENTO_H

#include <vector>

#include "matriz.h"

struct VarreduraMedida {
    long nrays = 0, nbins = 0;
    std::vector<double> brutos;        // nrays x nbins raw values, ray after ray
    double ganho = 1, deslocamento = 0; // physical value = deslocamento + ganho x raw
    double semDados = -1, naoDetectado = -1; // raw codes of "no data" and "no echo"
    bool temSemDados = false, temNaoDetectado = false;
    double dobrado = -1; bool temDobrado = false; // raw code of "range folded"
    double rscale = 0; // metres per bin, > 0
    double rstart = 0; // metres from the radar to the start of the first bin
    // Each ray's span in degrees clockwise from north, [inicio, fim) taken
    // round the circle; empty: ray k starts at astart + 360 k / nrays.
    std::vector<double> inicioAz, fimAz;
    double astart = 0;
};

// The table: row a (0..359) after row, 2000 gates each; values, or codes:
// for reflectivity those of the text format (no echo, never written for no
// data, range folded or no ray or bin there), else the CODIGO_ ones.
struct TabelaMapeada {
    std::vector<float> valores;
    long raioInicial = -1, raioFinal = -1; // first and last gate the bins cover; -1 when none
};

// Rules: a gate takes the bin that holds its centre when bins are 250 m or
// coarser, else the largest of the bins whose centres lie in it. Row a takes
// the ray whose span holds azimuth a (the largest, if spans overlap) when
// there are at most 360 rays, else the largest of the rays whose centres lie
// in [a - 0.5, a + 0.5). Largest means data over range folded over no echo
// over no data, and among data the greatest value, or the one of greatest
// magnitude when the table is reduced so. Any sizes and spans are accepted:
// whatever does not make sense (a bin outside the data, a non-finite value
// or span) is no data.
TabelaMapeada mapeiaVarredura(const VarreduraMedida& v, const DescricaoDaTabela& d = DescricaoDaTabela());

#endif
