// Range rings, spokes and their distance labels.
#ifndef VORLANE_ANEIS_H
#define VORLANE_ANEIS_H

void drawEscala();

#endif
