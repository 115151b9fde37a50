// gerador --cfradial: a synthetic volume in that format.
#ifndef VORLANE_GERADOR_CFRADIAL_H
#define VORLANE_GERADOR_CFRADIAL_H

#include <functional>
#include <vector>

// Runs `gerador --cfradial ...` (argv as given); `cena` yields the synthetic
// scene, 360 azimuths of 2000 gates of dBZ (-1000: no echo). Exit status.
int principalCfRadial(int argc, char** argv, const std::function<std::vector<double>()>& cena);

#endif
