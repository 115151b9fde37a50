// The volume store: every sweep (tilt) and quantity of the open file, kept
// as the file holds them (raw counts with their conversion), and which of
// them the scan table `matriz` shows. Changing tilt refills the table and
// its reduced tables from here; a text scan is a volume with no sweeps kept
// (its table is all there is).
#ifndef VORLANE_VOLUME_H
#define VORLANE_VOLUME_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "mapeamento.h"
#include "matriz.h"
#include "produto.h"
#include "projecao.h"

// One quantity of one sweep. Integer data of up to 16 bits are kept in 16
// bits (exactly), anything else as doubles.
struct MomentoGuardado {
    std::string quantidade; // what/quantity (DBZH, VRADH, ...)
    bool lido = false;      // false: its data could not be read (`erro` says why)
    std::string erro;
    VarreduraMedida forma;             // geometry, conversion and codes; no raw values
    std::vector<std::uint16_t> curtos; // raw values as 16 bits, when the file has integers that fit
    bool comSinal = false;             // curtos hold int16 bit patterns
    std::vector<double> reais;         // raw values otherwise
    double nyquist = 0;                // m/s, 0 when the file does not say
    const char* arquivo = nullptr;     // the file it was read from (volumes joined from several files)
    // The sweep as measured, raw values included, for the mapping.
    VarreduraMedida medida() const;
    std::size_t bytes() const { return curtos.size() * sizeof(std::uint16_t) + reais.size() * sizeof(double); }
};

struct ElevacaoGuardada {
    double angulo = 0; // degrees
    std::vector<MomentoGuardado> momentos;
};

struct Volume {
    const char* nome = nullptr;         // the file (kept by pointer, as the scan's name)
    std::string data, hora, sitio;       // "AAAAMMDD", "HHMMSS" and the site's name for the panel
    Sitio posicao;                       // where the radar stands (where/lat, lon, height)
    std::vector<ElevacaoGuardada> elevacoes; // by ascending angle
    std::size_t elevacao = 0, momento = 0;   // the one shown
    Produto produto;                         // what the shown moment is (reflectivity for a text scan)
    std::vector<PaletaDoUsuario> paletas;    // the user's colour tables, for every moment shown
    bool vazio() const { return elevacoes.empty(); }
};

// Fills `m` with moment q of sweep e of `v` (its table, reduced tables, date,
// time and site) and makes it the one shown. False, with one line in `erro`
// and `m` untouched, when that moment has no data the table can hold.
bool mostraMomento(Volume& v, std::size_t e, std::size_t q, Matriz& m, std::string& erro);

// The moment of sweep e with quantity `quantidade`, else the sweep's default
// reflectivity (DBZH, else TH, DBZV, TV), else (when `qualquer`) its first
// moment; -1 when it has none.
long momentoDaElevacao(const Volume& v, std::size_t e, const std::string& quantidade, bool qualquer = true);

// Steps `passo` tilts up (+1) or down (-1) from the one shown, to the next
// sweep with the shown quantity (else its reflectivity) read: true when `m`
// now shows it. False at the highest or lowest tilt, for a text scan, or,
// with one line in `erro`, when that sweep cannot be shown (`m` untouched).
bool passaElevacao(Volume& v, Matriz& m, int passo, std::string& erro);

// Steps to the next moment of the shown sweep that can be shown, in the
// file's order, wrapping: true when `m` now shows it. False when there is
// no other, or, with one line in `erro`, when it cannot be shown.
bool passaMomento(Volume& v, Matriz& m, std::string& erro);

// Joins `outro`, another file of the same scan (ODIM files split per
// quantity), into `v`: a sweep of the same angle (within 0.05 degrees) gains
// the moments it lacks, any other sweep is added in angle order.
void juntaVolume(Volume& v, Volume&& outro);

// The sweep of `v` nearest in elevation angle to `angulo` (0 when empty).
std::size_t elevacaoMaisProxima(const Volume& v, double angulo);

// Raw bytes the volume keeps.
std::size_t bytesDoVolume(const Volume& v);

// Panel line of the shown tilt, "Elevacao: 0.5 graus (1/10)"; empty for a text scan.
std::string textoElevacao(const Volume& v);

#endif
