// ODIM_H5 files (HDF5): polar volumes and scans of one radar, read through
// the HDF5 library into the scan store.
#ifndef VORLANE_ODIM_H
#define VORLANE_ODIM_H

#include <string>

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

#endif
