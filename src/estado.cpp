// Interaction state, selections, display settings and the pointer readout:
// the globals that the handlers write and the views read.
#include "glclass.h"

nivelColoridoTipo nivelColorido = COLORIDO_E_PRETO;
medidas unidadeMedidas = KILOMETROS;

bool fundoEscuro() { return nivelColorido == BRANCO_E_PRETO || nivelColorido == COLORIDO_E_PRETO; }
bool dadosColoridos() { return nivelColorido == COLORIDO_E_PRETO || nivelColorido == COLORIDO_E_BRANCO; }

EstadosPossiveis estado = ESPERA;
EstadosPossiveis estadoAnterior = ESPERA;
fig figure = {0, 0, 0, 0, 0};
bool tracking = false;
float xSelecaoInicial = 0, ySelecaoInicial = 0;
float xSelecaoAtual = 0, ySelecaoAtual = 0;
unsigned pontos[2][2] = {{0, 0}, {359, 1998}};
unsigned selecao[3] = {0, 0, 0};
bool isLinha = true;
int primeiroRaio = 4, primeiroAngulo = 0;
int ajusteR = 0, ajusteA = 0;
unsigned raioItemp = 0, raioFtemp = 0, anguloItemp = 0, anguloFtemp = 0;

float Graio = 0;
unsigned Gazimute = 0;
float Gintensidade = -50.0f;

int tipo_referencia = 0;
int janela_de_fundo = 0;
