// The map of any site: coastlines, lakes, borders and rivers of the disc's
// area from the GSHHG files, and the populated places around it, projected
// onto the scan frame of that site. Built once per site and resolution.
#ifndef VORLANE_MAPAGEO_H
#define VORLANE_MAPAGEO_H

#include <string>
#include <vector>

#include "projecao.h"

// Layers the user switches (side panel's menu).
enum CamadaDoMapa : int { MAPA_LINHAS = 1, MAPA_CIDADES = 2, MAPA_RIOS = 4 };

struct LinhaProjetada {
    enum Tipo { COSTA, FRONTEIRA, RIO } tipo = COSTA;
    int nivel = 0;
    std::vector<float> xy; // scan frame, x then y
};

struct CidadeProjetada {
    std::string nome; // Latin-1
    float x = 0, y = 0;
    unsigned long populacao = 0;
};

struct MapaGeo {
    bool valido = false; // false: nothing to draw (the warning said why)
    double lat = 0, lon = 0;
    char resolucao = 'i';
    std::vector<LinhaProjetada> linhas;   // coast and lakes, national and internal borders, rivers
    std::vector<CidadeProjetada> cidades; // biggest first
    bool cidadesLidas = false;            // the places are read apart (the first read is slow)
    bool riosLidos = false;               // rivers are read when first switched on
};

// The map of `s` at resolution 'i' (the full disc) or 'h' (zoomed in),
// kept for the last site and both resolutions. On failure (no package, a
// file that cannot be read) `aviso` gets one line, once per site and
// resolution, and the map is not valid; a resolution missing falls back to
// the other.
const MapaGeo& mapaDoSitio(const Sitio& s, char resolucao, std::string& aviso, bool rios = false);

// Reads the places of the kept maps of `s` if not read yet: true when it
// did (the views should be drawn again). The first read of the places takes
// about a tenth of a second, so the viewer does it after its first frame;
// later sites read theirs with their lines.
bool completaCidades(const Sitio& s);

// The resolution for a view of `escala` view units per scan-frame unit.
char resolucaoDaVista(double escala);

#endif
