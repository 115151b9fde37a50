// Which reader a file goes to, by its content (never its name), and the
// whole-volume reading of the formats that have volumes.
#ifndef VORLANE_FORMATOS_H
#define VORLANE_FORMATOS_H

#include <string>

struct Volume;

enum class Formato { TEXTO, ODIM, NEXRAD, CFRADIAL };

// HDF5 with ODIM's /what/object, "AR2V" (also inside gzip), netCDF or HDF5
// with CfRadial's Conventions; anything else is a text scan.
Formato formatoDoArquivo(const char* nome);

// Every sweep and moment of a file of a volume format into `volume`;
// false with one line in `erro`, `volume` untouched.
bool leVolume(const char* nome, Formato formato, Volume& volume, std::string& erro);

#endif
