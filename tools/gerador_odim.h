// gerador --odim: a synthetic ODIM_H5 polar volume.
#ifndef VORLANE_GERADOR_ODIM_H
#define VORLANE_GERADOR_ODIM_H

#include <functional>
#include <vector>

// Runs `gerador --odim ...` (argv as given); `cena` yields the synthetic
// scene, 360 azimuths of 2000 gates of dBZ (-1000: no echo). Exit status.
int principalOdim(int argc, char** argv, const std::function<std::vector<double>()>& cena);

#endif
