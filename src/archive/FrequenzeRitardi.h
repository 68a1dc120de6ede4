// The frequency-and-delay table every statistic fills: for each value 0..M of a first
// and a second measure, how often it came out, how many registrations ago it last came
// out and the longest such wait.
#pragma once

#include <cstdint>
#include <vector>

namespace morella {

struct TElemRFRM {
    std::int32_t Frequenza = 0;
    std::int32_t Ritardo = 0;         // registrations since the value last came out
    std::int32_t RitardoMassimo = 0;  // the largest Ritardo reached
    bool operator==(const TElemRFRM&) const = default;
};

class T_FrequenzeRitardi {
   public:
    // The highest value is a signed 16-bit number in the database file, so no measure above
    // this can be kept; it also bounds the two lists to 32768 entries each.
    static constexpr int ValoreMassimoAmmesso = 32767;

    explicit T_FrequenzeRitardi(int valoreMassimo = 0) { Azzera(valoreMassimo); }

    // Both lists get M+1 zero entries; counted contests 0. M is held within 0..32767.
    void Azzera(int valoreMassimo);

    // One contest or column whose measures are a and b: counts it, grows the lists when a
    // value is beyond M and, with delays, ages every other value. A measure below 0 or
    // above ValoreMassimoAmmesso is refused (false) and changes nothing.
    bool Registra(int a, int b, bool conRitardi);

    // Fields of entry i of the list the selector picks; 0 for an index outside 0..M.
    std::int32_t Frequenza(int i) const { return Letto(i).Frequenza; }
    std::int32_t Ritardo(int i) const { return Letto(i).Ritardo; }
    std::int32_t RitardoMassimo(int i) const { return Letto(i).RitardoMassimo; }

    // true: the readers above use the first list; false: the second.
    void ImpostaSelettore(bool primaLista) { selettore_ = primaLista; }
    bool Selettore() const { return selettore_; }

    // A new table (selector on the first list, reserved byte 0) with the same highest value,
    // counted contests and entries.
    T_FrequenzeRitardi Copia() const;

    std::int16_t ValoreMassimo() const { return valoreMassimo_; }
    std::int32_t ConcorsiContati() const { return concorsiContati_; }
    std::uint8_t Riservato() const { return riservato_; }

    // For the database file, which stores and restores every field of the table.
    void ImpostaConcorsiContati(std::int32_t n) { concorsiContati_ = n; }
    void ImpostaRiservato(std::uint8_t r) { riservato_ = r; }
    // Entry i of either list regardless of the selector; 0..M only (std::out_of_range).
    const TElemRFRM& Elemento(bool primaLista, int i) const;
    TElemRFRM& Elemento(bool primaLista, int i);

   private:
    const TElemRFRM& Letto(int i) const;

    std::vector<TElemRFRM> prima_;
    std::vector<TElemRFRM> seconda_;
    std::int16_t valoreMassimo_ = 0;
    std::int32_t concorsiContati_ = 0;
    std::uint8_t riservato_ = 0;
    bool selettore_ = true;
};

}  // namespace morella
