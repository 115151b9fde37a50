// Every text the viewer draws: the status-bar readout, the side panel's
// lines, the legend's numbers and the numeric table's headers and cells.
#ifndef VORLANE_TEXTOS_H
#define VORLANE_TEXTOS_H

#include <string>

#include "estado.h"
#include "produto.h"

// The status-bar readout line.
// `produto` names the value and its unit (reflectivity as the text scans have it).
std::string textoPosicao(float raioKm, unsigned azimute, float intensidade, medidas unidade,
                         const Produto& produto = Produto());

// ---- side panel
std::string textoHora(const char* hora, const char* minuto, const char* segundo);
// Day, month name, four-digit year and the time zone ("00 --- 0000 BRT"
// without a date): text scans are in Brasilia time, other formats in UTC.
std::string textoData(const char* dia, const char* mes, const char* ano, const char* fuso = "BRT");
const char* textoLocal(const char* local);
// "Local: <site>" for a site named by the file (other formats), else textoLocal of the code.
std::string textoLocalDaVarredura(const char* codigo, const std::string& sitio);
const char* textoQualidade(qualidade q);
const char* textoUnidades(medidas u);
const char* textoCores(int modo);
const char* textoLeitura(int raiosPorCelula);
// "%+5.1f" of a value (legend labels, table cells).
std::string textoSinalizado(double v);

// ---- numeric table
std::string textoCabecalhoColuna(int azimute);
std::string textoCabecalhoLinha(long raio, medidas u);
const char* textoCanto(medidas u);
std::string textoCelula(float v, const Produto& produto = Produto());

#endif
