// The profile graph view.
#include <GL/gl.h>

#include "glclass.h"

void displayReta() {
    tipo_referencia = 1;
    const bool escuro = nivelColorido == BRANCO_E_PRETO || nivelColorido == COLORIDO_E_PRETO;
    glClearColor(escuro ? 0 : 1, escuro ? 0 : 1, escuro ? 0 : 1, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
