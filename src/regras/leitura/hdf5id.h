// HDF5 identifiers that close themselves, for the readers of HDF5 files.
#ifndef VORLANE_HDF5ID_H
#define VORLANE_HDF5ID_H

#include <hdf5.h>

#include <utility>

// An HDF5 identifier closed with its own function when it goes out of scope.
template <herr_t (*FECHA)(hid_t)>
class Id {
public:
    explicit Id(hid_t id = -1) : id(id) {}
    ~Id() {
        if (id >= 0) FECHA(id);
    }
    Id(const Id&) = delete;
    Id& operator=(const Id&) = delete;
    Id(Id&& o) noexcept : id(o.id) { o.id = -1; }
    Id& operator=(Id&& o) noexcept {
        std::swap(id, o.id);
        return *this;
    }
    operator hid_t() const { return id; }
    bool valido() const { return id >= 0; }

private:
    hid_t id;
};
using Arquivo = Id<H5Fclose>;
using Grupo = Id<H5Gclose>;
using Conjunto = Id<H5Dclose>;
using Atributo = Id<H5Aclose>;
using Espaco = Id<H5Sclose>;
using Tipo = Id<H5Tclose>;

#endif
