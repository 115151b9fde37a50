// NEXRAD Level II (Archive II) volumes: the 24-byte volume header, then
// records of messages, bzip2-compressed (or not, in the oldest files); a
// whole file may also be gzip-compressed. Read into the volume store.
#ifndef VORLANE_NEXRAD_H
#define VORLANE_NEXRAD_H

#include <cstddef>
#include <string>

struct Volume;

// True when the file starts with "AR2V", or is gzip-compressed and its
// content starts so.
bool comecaComoNexrad(const char* nome);

// Every sweep and moment of the file into `volume` (its colour tables
// kept), nothing shown; false with one line in `erro`, `volume` untouched.
bool leNexrad(const char* nome, Volume& volume, std::string& erro);

// The same from the bytes of a file (after any gzip, the volume header
// included): what the fuzzer drives. `nome` names the volume's file.
bool leNexradDeBytes(const unsigned char* dados, std::size_t n, const char* nome, Volume& volume, std::string& erro);

#endif
