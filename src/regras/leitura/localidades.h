// Populated places near a point, from the GeoNames list that libgeonames
// carries inside the library, with names made drawable by the bitmap fonts
// (Latin-1, else ASCII).
#ifndef VORLANE_LOCALIDADES_H
#define VORLANE_LOCALIDADES_H

#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t MAX_NOME_LOCALIDADE = 40;       // bytes of a converted name
constexpr std::size_t MAX_LOCALIDADES = 1000000;      // places read from the library at most
constexpr double RAIO_DA_TERRA_KM = 6371.0;           // mean radius, for great-circle distances

struct Localidade {
    std::string nome; // Latin-1 (see paraLatin1)
    std::string pais; // the country's name, Latin-1; its code when the name is missing
    double lat = 0, lon = 0;
    unsigned long populacao = 0;
};

// Every populated place within `raioKm` (great-circle distance) of (lat, lon),
// biggest population first (ties by name). Names converted from UTF-8 to
// Latin-1 where the character exists there, else folded to ASCII (accents
// dropped; anything else becomes '?'), at most 40 bytes. The library's list
// is read once, on the first call; places without a name or with coordinates
// that are not numbers are left out. Empty for a centre or radius that is not
// a number, a latitude beyond the poles or a negative radius.
std::vector<Localidade> localidadesPerto(double lat, double lon, double raioKm);

// UTF-8 -> Latin-1/ASCII as above (exposed for tests); malformed UTF-8 bytes
// become '?' (one per maximal ill-formed run), and so do control characters.
std::string paraLatin1(const std::string& utf8);

#endif
