// GR colour tables (.pal): one `Key: values` statement per line, read into a
// TabelaDeCores. Any input costs time linear in its size and memory bounded
// by one line (at most MAX_LINHA_PALETA bytes) and the entries.
#ifndef VORLANE_PALETA_GR_H
#define VORLANE_PALETA_GR_H

#include <cstddef>
#include <istream>
#include <string>

#include "tabeladecores.h"

constexpr std::size_t MAX_LINHA_PALETA = 4096;   // bytes per line, without its end
constexpr std::size_t MAX_CORES_PALETA = 4096;   // colour entries per table
constexpr std::size_t MAX_TEXTO_PALETA = 32;     // Product: and Units: (longer is cut)
constexpr double MAX_VALOR_PALETA = 1e6;         // |number| of any statement

// Reads a GR colour table from `entrada`; `nome` is only for messages.
// True on success (`tabela` filled, `aviso` possibly one warning line, empty
// if none). False with one line in `erro` (the file, the 1-based line and
// what is wrong), `tabela` untouched.
bool lePaletaGr(std::istream& entrada, const std::string& nome, TabelaDeCores& tabela, std::string& erro,
                std::string& aviso);
// The same from a file.
bool lePaletaGr(const std::string& nome, TabelaDeCores& tabela, std::string& erro, std::string& aviso);

#endif
