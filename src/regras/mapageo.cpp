// Reading the map data of a site's area and projecting it.
#include "mapageo.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

#include "leitura/gshhg.h"
#include "leitura/localidades.h"

namespace {

constexpr double RAIO_KM = 560; // the disc (500 km) and a margin for zoomed-out corners

// Every line of one file in the site's box, projected.
bool acrescenta(const Projecao& p, TipoGshhg tipo, LinhaProjetada::Tipo comoDesenho, char r, double latMin,
                double latMax, double lonMin, double lonMax, MapaGeo& mapa, std::string& erro) {
    std::vector<LinhaGeo> linhas;
    const char* outra = std::getenv("VORLANE_GSHHG"); // another folder of the data (e.g. with resolution f)
    const std::string arquivo = outra && *outra ? arquivoGshhg(tipo, r, outra) : arquivoGshhg(tipo, r);
    if (!leGshhg(arquivo, latMin, latMax, lonMin, lonMax, linhas, erro)) return false;
    for (const LinhaGeo& l : linhas) {
        if (tipo == TipoGshhg::FRONTEIRA && l.nivel > 2) continue; // maritime boundaries are not drawn
        LinhaProjetada lp;
        lp.tipo = comoDesenho, lp.nivel = l.nivel;
        lp.xy.reserve(2 * l.pontos.size());
        for (const auto& pt : l.pontos) {
            double x, y;
            p.paraVarredura(pt[0], pt[1], x, y);
            if (!std::isfinite(x) || !std::isfinite(y)) continue;
            lp.xy.push_back(static_cast<float>(x));
            lp.xy.push_back(static_cast<float>(y));
        }
        if (lp.xy.size() >= 4) mapa.linhas.push_back(std::move(lp));
    }
    return true;
}

bool cidadesProntas = false; // the places have been read once (later reads are fast)

void leCidades(MapaGeo& mapa) {
    const Projecao p(mapa.lat, mapa.lon);
    for (const Localidade& l : localidadesPerto(mapa.lat, mapa.lon, RAIO_KM)) {
        double x, y;
        p.paraVarredura(l.lat, l.lon, x, y);
        if (std::isfinite(x) && std::isfinite(y))
            mapa.cidades.push_back({l.nome, static_cast<float>(x), static_cast<float>(y), l.populacao});
    }
    mapa.cidadesLidas = true;
    cidadesProntas = true;
}

std::map<char, MapaGeo> guardados; // of the last site
double latGuardada = NAN, lonGuardada = NAN;

// The box of the disc around s; `rios` adds the rivers (read only when shown).
MapaGeo constroi(const Sitio& s, char r, std::string& aviso, bool rios) {
    MapaGeo mapa;
    mapa.lat = s.lat, mapa.lon = s.lon, mapa.resolucao = r;
    if (!s.conhecido || !posicaoValida(s.lat, s.lon)) return mapa;
    const Projecao p(s.lat, s.lon);
    const double dLat = RAIO_KM / 111.0;
    const double latMin = std::max(-90.0, s.lat - dLat), latMax = std::min(90.0, s.lat + dLat);
    const double cosLat = std::cos(std::max(std::fabs(latMin), std::fabs(latMax)) * M_PI / 180);
    double lonMin = -180, lonMax = 180;
    if (cosLat > 0.05 && dLat / cosLat < 170) {
        lonMin = std::remainder(s.lon - dLat / cosLat, 360.0);
        lonMax = std::remainder(s.lon + dLat / cosLat, 360.0);
    }
    std::string erro;
    if (!acrescenta(p, TipoGshhg::COSTA, LinhaProjetada::COSTA, r, latMin, latMax, lonMin, lonMax, mapa, erro) ||
        !acrescenta(p, TipoGshhg::FRONTEIRA, LinhaProjetada::FRONTEIRA, r, latMin, latMax, lonMin, lonMax, mapa, erro) ||
        (rios && !acrescenta(p, TipoGshhg::RIO, LinhaProjetada::RIO, r, latMin, latMax, lonMin, lonMax, mapa, erro))) {
        aviso = erro + "; sem mapa";
        mapa.linhas.clear();
        return mapa;
    }
    if (cidadesProntas) leCidades(mapa);
    mapa.riosLidos = rios;
    mapa.valido = true;
    return mapa;
}

} // namespace

const MapaGeo& mapaDoSitio(const Sitio& s, char resolucao, std::string& aviso, bool rios) {
    if (!(s.lat == latGuardada && s.lon == lonGuardada)) guardados.clear(), latGuardada = s.lat, lonGuardada = s.lon;
    const char r = resolucao == 'h' ? 'h' : 'i';
    auto achado = guardados.find(r);
    if (achado != guardados.end() && rios && achado->second.valido && !achado->second.riosLidos) {
        guardados.erase(achado); // built again with its rivers
        achado = guardados.end();
    }
    if (achado == guardados.end()) {
        std::string motivo;
        MapaGeo m = constroi(s, r, motivo, rios);
        if (!m.valido && s.conhecido && r == 'h') { // the high resolution missing: the other one
            std::string outro;
            const MapaGeo& i = mapaDoSitio(s, 'i', outro, rios);
            if (i.valido) m = i;
        }
        if (!m.valido) aviso = motivo;
        achado = guardados.emplace(r, std::move(m)).first;
    }
    return achado->second;
}

bool completaCidades(const Sitio& s) {
    if (!(s.lat == latGuardada && s.lon == lonGuardada)) return false;
    bool fez = false;
    for (auto& [r, mapa] : guardados)
        if (mapa.valido && !mapa.cidadesLidas) leCidades(mapa), fez = true;
    return fez;
}

char resolucaoDaVista(double escala) { return escala >= 3 ? 'h' : 'i'; }
