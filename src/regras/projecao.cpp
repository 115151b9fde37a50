// The site's projection through GeographicLib's geodesics.
#include "projecao.h"

#include <GeographicLib/AzimuthalEquidistant.hpp>
#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <cstdio>

namespace {
constexpr double METROS_POR_UNIDADE = 500000; // the disc's radius
} // namespace

bool posicaoValida(double lat, double lon) {
    return std::isfinite(lat) && std::isfinite(lon) && lat >= -90 && lat <= 90 && lon >= -180 && lon <= 360;
}

void Projecao::paraVarredura(double lat, double lon, double& x, double& y) const {
    static const GeographicLib::AzimuthalEquidistant ae(GeographicLib::Geodesic::WGS84());
    double azi, rk;
    ae.Forward(lat0, lon0, lat, lon, x, y, azi, rk);
    x /= METROS_POR_UNIDADE, y /= METROS_POR_UNIDADE;
}

void Projecao::paraGeo(double x, double y, double& lat, double& lon) const {
    static const GeographicLib::AzimuthalEquidistant ae(GeographicLib::Geodesic::WGS84());
    double azi, rk;
    ae.Reverse(lat0, lon0, x * METROS_POR_UNIDADE, y * METROS_POR_UNIDADE, lat, lon, azi, rk);
}

std::string textoLatLon(double lat, double lon) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "Lat %.4f Lon %.4f", lat, lon);
    return texto;
}
