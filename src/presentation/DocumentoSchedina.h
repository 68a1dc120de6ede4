// The coupon editor's view of the open system: what the editor hands over as typed goes
// into the system's record, and the record comes back as the texts the editor shows. The
// system itself knows nothing of the editor; the main window talks to it through this.
#pragma once

#include <array>
#include <string>

#include "Sistema.h"

namespace morella {

// What the coupon editor hands over: texts as typed.
struct TContenutoSchedina {
    std::array<std::array<std::string, 2>, MaxEventi> NomiEventi;
    TPronostico Pronostico{};
    TMascheraCorsaPiu CorsaPiu = 0;
    std::array<std::array<std::string, 3>, MaxEventi> Percentuali;
    std::array<std::array<std::string, 3>, MaxEventi> Valori;
    std::string Numero = "1";  // only from ImpostaTutto; the editor reports it on its own
};

class TDocumentoSchedina {
   public:
    explicit TDocumentoSchedina(TSistema& sistema) : sistema_(sistema) {}

    // The coupon editor's contents into the record; sets modified.
    void AcquisisceTutto(const TContenutoSchedina& schedina);
    // The record back into the coupon editor's terms: texts as the editor shows them
    // (a zero entry is an empty cell) and the number.
    TContenutoSchedina ImpostaTutto() const;
    // The number typed on the coupon; an empty or non-numeric text is refused (false) and
    // leaves number and modified flag as they were.
    bool NumeroChange(const std::string& testo);

   private:
    TSistema& sistema_;
};

}  // namespace morella
