// The memory floor: the viewer's three windows and eleven menus on the same
// GLUT and OpenGL, with nothing drawn but a clear. Whatever the viewer holds
// beyond this is its own (scan, frames, drawing buffers).
#include <GL/freeglut.h>

namespace {

void limpa() {
    glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

void nada(int) {}

// A root menu with `filhos` submenus of two entries each, on the right button.
void arvore(int filhos) {
    int sub[8];
    for (int k = 0; k < filhos; ++k) {
        sub[k] = glutCreateMenu(nada);
        glutAddMenuEntry("a", 1);
        glutAddMenuEntry("b", 2);
    }
    glutCreateMenu(nada);
    for (int k = 0; k < filhos; ++k) glutAddSubMenu("s", sub[k]);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

int janela(const char* titulo, int x, int y, int w, int h) {
    glutInitWindowSize(w, h);
    glutInitWindowPosition(x, y);
    const int id = glutCreateWindow(titulo);
    glutDisplayFunc(limpa);
    return id;
}

} // namespace

int main() {
    char programa[] = "vorlane_piso";
    char* argumentos[] = {programa, nullptr};
    int n = 1;
    glutInit(&n, argumentos);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    janela("piso", 195, 32, 640, 640);
    arvore(4); // the main window's tree: 5 menus
    janela("piso painel", 32, 32, 160, 640);
    arvore(5); // the panel's tree: 6 menus
    janela("piso minimapa", 830, 32, 320, 320);
    glutMainLoop();
    return 0;
}
