// The map around a radar: azimuthal equidistant on the WGS84 ellipsoid,
// centred on the site, so that a point at geodesic distance d and azimuth a
// from the radar lies where the scan's gate at range d and azimuth a is drawn.
#ifndef VORLANE_PROJECAO_H
#define VORLANE_PROJECAO_H

#include <string>

struct Sitio {
    bool conhecido = false; // a position was given (file or --local)
    double lat = 0, lon = 0, altura = 0; // degrees, metres
};

// True when lat is in -90..90 and lon in -180..360 (both finite).
bool posicaoValida(double lat, double lon);

class Projecao {
public:
    explicit Projecao(double lat0 = 0, double lon0 = 0) : lat0(lat0), lon0(lon0) {}
    // The scan frame of a point: 1 unit is 500 km (the disc's radius), x east, y north.
    void paraVarredura(double lat, double lon, double& x, double& y) const;
    // Back: the latitude and longitude (-180..180) of a scan-frame point.
    void paraGeo(double x, double y, double& lat, double& lon) const;

private:
    double lat0, lon0;
};

// "Lat -50.8512 Lon 4.3517" for the panel.
std::string textoLatLon(double lat, double lon);

#endif
