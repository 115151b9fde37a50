// ODIM_H5 files (HDF5): polar volumes and scans of one radar, read through
// the HDF5 library into the scan store.
#ifndef VORLANE_ODIM_H
#define VORLANE_ODIM_H

#include <string>
#include <vector>

class Matriz;
struct Volume;

// Which sweep and quantity to show.
struct OpcoesOdim {
    long elevacao = 1;      // sweep by ascending elevation angle, 1 = lowest
    std::string quantidade; // empty: DBZH, else TH, else DBZV, else TV
};

// True when the file starts with the HDF5 signature.
bool comecaComoHdf5(const char* nome);

// Reads the chosen sweep of an ODIM_H5 file into `m` (table, bounds, date,
// time and site; the name is kept for the exports). False, with one line
// in `erro`, when the file is not a polar ODIM_H5 file or cannot be read.
bool leOdim(const char* nome, const OpcoesOdim& opcoes, Matriz& m, std::string& erro);
// The same, keeping every sweep and quantity of the file in `volume` (which
// is left as it was on failure) for the viewer to step through.
bool leOdim(const char* nome, const OpcoesOdim& opcoes, Volume& volume, Matriz& m, std::string& erro);

// What a series needs of a file before reading it: when and where.
struct CabecalhoOdim {
    std::string data, hora, sitio;        // "AAAAMMDD", "HHMMSS" (UTC), the site's name
    std::string origem;                   // /what/source as written
    std::vector<std::string> quantidades; // every quantity of the file, in its order
};
// The header of an ODIM_H5 polar file; false with one line in `erro` as leOdim.
bool sondaOdim(const char* nome, CabecalhoOdim& cabecalho, std::string& erro);
// True when two /what/source texts name one radar: both empty, or an
// identifier (WMO, NOD, RAD, PLC) that both give with the same value.
bool mesmoRadar(const std::string& origemA, const std::string& origemB);

// Every sweep and quantity of the file into `volume` (its colour tables
// kept), nothing shown; false with one line in `erro` when the file is not
// a polar ODIM_H5 file or none of its quantities can be read.
bool leOdimInteiro(const char* nome, Volume& volume, std::string& erro);

#endif
