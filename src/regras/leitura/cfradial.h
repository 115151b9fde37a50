// CfRadial 1.x files (netCDF classic or netCDF-4), through libnetcdf: the
// PPI sweeps of a volume with every field, into the volume store.
#ifndef VORLANE_CFRADIAL_H
#define VORLANE_CFRADIAL_H

#include <cstddef>
#include <string>
#include <vector>

struct Volume;

// True when the file is netCDF ("CDF\x01", "CDF\x02") or HDF5 whose global
// Conventions attribute names CF/Radial (not ODIM: those have /what/object).
bool pareceCfRadial(const char* nome);

// Every PPI sweep and field into `volume` (its colour tables kept); false
// with one line in `erro` (e.g. an RHI file), `volume` untouched.
bool leCfRadial(const char* nome, Volume& volume, std::string& erro);

// What the reader takes from a file, as plain arrays: the mapping of these
// onto the volume store is what the fuzzer drives.
struct CampoCfRadial {
    std::string nome;         // the variable's name (DBZ, VEL, ...)
    std::vector<double> dados; // time x range values as stored (packed)
    double escala = 1, deslocamento = 0; // scale_factor, add_offset
    bool temPreenchimento = false;
    double preenchimento = 0; // _FillValue (or missing_value)
    int bits = 0;             // 8 or 16: stored as an integer of that size (kept in 16 bits)
    bool comSinal = true;     // that integer is signed
};
struct DadosCfRadial {
    std::size_t nTempo = 0, nAlcance = 0;
    std::vector<double> alcance;   // range, metres, per gate (gate centres)
    double espacamento = 0;        // range's meters_between_gates (0 unknown)
    std::vector<double> azimute, elevacao; // per ray, degrees
    std::vector<double> anguloFixo;        // per sweep
    std::vector<long> inicioDaVarredura, fimDaVarredura; // ray indices, per sweep
    std::vector<std::string> modoDaVarredura;            // "azimuth_surveillance", "rhi", ... (may be empty)
    std::vector<double> resolucaoAngular;                // ray_angle_res per sweep, degrees (may be empty)
    double lat = 0, lon = 0, altitude = 0;
    bool temPosicao = false;
    std::string inicio; // time_coverage_start, "2023-08-01T20:00:00Z"
    std::string sitio;  // instrument_name or site_name
    double nyquist = 0; // m/s, 0 unknown
    std::vector<CampoCfRadial> campos;
};
bool montaCfRadial(const DadosCfRadial& d, const char* nome, Volume& volume, std::string& erro);

#endif
