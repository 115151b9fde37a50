// The drawing library as the window side sees it: each window's frame drawn
// into its back buffer, and the frames kept for reuse.
#ifndef VORLANE_GLCLASS_H
#define VORLANE_GLCLASS_H

#include "minimapa.h"
#include "painel.h"
#include "vistas.h"

#endif
