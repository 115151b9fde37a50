// GLUT callbacks of the main window's mouse and keys and of the menus.
#ifndef VORLANE_EVENTOS_H
#define VORLANE_EVENTOS_H

void mouse(int button, int state, int x, int y);
void mousePosicao(int x, int y);
void mouseMovimento(int x, int y);
void teclado(unsigned char key, int x, int y);
void keyboard(int key, int x, int y);

void menuMain(int valor);
void menuSubGraficoSelect(int valor);
void menuSubGrafico(int valor);
void menuDados(int valor);
void menuSubDadosCores(int valor);
void menuSubCores(int valor);
void menuSubCorQuantidade(int valor);
void menuSubMedidas(int valor);
void menuSubLeituraQualidade(int value);
void menuMapa(int camada);

#endif
