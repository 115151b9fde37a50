// The site overlay: the map outline and the city labels, placed for `lugar`.
#ifndef VORLANE_SOBREPOSICAO_H
#define VORLANE_SOBREPOSICAO_H

void drawCidades();
// Map outline and city labels placed for `lugar` (nothing for an unknown site).
void desenhaSobreposicaoDoSitio();

#endif
