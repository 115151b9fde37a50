// Coastlines, borders and rivers from the binned GSHHG files (netCDF-4, read
// through HDF5): only the bins of the area asked for are read.
#ifndef VORLANE_GSHHG_H
#define VORLANE_GSHHG_H

#include <array>
#include <cstddef>
#include <string>
#include <vector>

enum class TipoGshhg { COSTA, FRONTEIRA, RIO }; // binned_GSHHS_r.nc, binned_border_r.nc, binned_river_r.nc

// One polyline: its level (shorelines: 1 coast, 2 lake, 3 island in lake, 4 pond; borders: 1 national,
// 2 internal, 3 maritime; rivers: 1-10) and its points in degrees (latitude, longitude; longitude in -180..180).
struct LinhaGeo {
    int nivel = 0;
    std::vector<std::array<double, 2>> pontos;
};

// The file of a kind and resolution ('c', 'l', 'i', 'h', 'f') in `pasta`.
std::string arquivoGshhg(TipoGshhg tipo, char resolucao, const std::string& pasta = "/usr/share/gmt-gshhg");

// Every segment of the bins that intersect the box [latMin, latMax] x [lonMin, lonMax] (degrees; the longitude
// range may cross 180, given as lonMin > lonMax, or span up to 360), each with its points in order. False with
// one line in `erro` ("nao foi possivel ler o mapa '<arquivo>': <motivo>") and `linhas` empty when the file is
// missing, not of this layout or inconsistent, or when the area needs more than `maximoDePontos` bins, segments
// and points in all.
bool leGshhg(const std::string& arquivo, double latMin, double latMax, double lonMin, double lonMax,
             std::vector<LinhaGeo>& linhas, std::string& erro, std::size_t maximoDePontos = 5000000);

#endif
