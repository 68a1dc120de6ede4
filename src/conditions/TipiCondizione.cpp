#include "TipiCondizione.h"

namespace morella {

bool TipoValido(int tipo)
{
    return (tipo >= 1 && tipo <= 15) || tipo == 34 || (tipo >= 36 && tipo <= 39);
}

TipoCondizione TipoElementoDelGruppo(int tipo)
{
    switch (tipo) {
        case TipoGruppoConsecutivita:
            return TipoConsecutivita;
        case TipoGruppoSequele:
            return TipoSequele;
        case TipoGruppoValori:
            return TipoValori;
        case TipoGruppoPercentuali:
            return TipoPercentuali;
        case TipoGruppoColonneFiltro:
            return TipoColonnaFiltro;
        default:
            return 0;
    }
}

namespace {

// Help topics: condition slot k has page 50 + k.
constexpr int AiutoSlot(int slot)
{
    return 50 + slot;
}

constexpr TDescrizioneTipo Descrizioni[] = {
    {TipoNumeroSegni, "NumeroDiSegni1", "&Numero Di Segni", 0, "Numero Di Segni", "Numero Di Segni",
     AiutoSlot(1)},
    {TipoGruppoConsecutivita, "Consecutivit1", "&Consecutività Differenziata", 0,
     "Consecutività  Differenziata dei Segni", "Gruppo Consecutività", AiutoSlot(8)},
    {TipoInterruzioni, "Interruzioni1", "&Interruzioni", 0, "Interruzioni", "Interruzioni", AiutoSlot(5)},
    {TipoPariDispari, "ParieDispari1", "Pari e &Dispari", 0, "Pari e Dispari", "Pari e Dispari",
     AiutoSlot(2)},
    {TipoSimmetrie, "Simmetrie1", "&Simmetrie", 0, "Simmetrie", "Simmetrie", AiutoSlot(4)},
    {TipoVortice, "BlackHole1", "&Vortice", 0, "Vortice", "Vortice", AiutoSlot(3)},
    {TipoModulo, "Modulo1", "&Modulo", 0, "Modulo", "Modulo", AiutoSlot(14)},
    {TipoFormuleDerivate, "FormuleDerivate1", "&Formule Derivate", 0, "Formule Derivate", "Formule Derivate",
     AiutoSlot(6)},
    {TipoRipetizioni, "Ripetizioni1", "&Ripetizioni", 0, "Ripetizioni", "Ripetizioni", AiutoSlot(7)},
    {TipoGruppoPercentuali, "Percentuali1", "Pe&rcentuali", 0, "Percentuali", "Gruppo Percentuali",
     AiutoSlot(11)},
    {TipoGruppoValori, "Valori1", "&Valori", 0, "Valori", "Gruppo Valori", AiutoSlot(10)},
    {TipoGruppoSequele, "Sequele1", "Se&quele", 0, "Sequele", "Gruppo Sequele", AiutoSlot(9)},
    {TipoGruppoColonneFiltro, "ColonneFiltro1", "Colonne Filtro", 'F', "Colonne Filtro", "Gr. Colonne Filtro",
     AiutoSlot(12)},
    {TipoQuadro, "Quadro", "Q&uadri", 'Q', "Quadro", "Quadro", AiutoSlot(13)},
    {TipoPuntiTra, "PuntiTra1", "Punti &Tra", 'T', "Punti Tra", "Punti Tra", AiutoSlot(15)},
    {TipoSequele, "", "", 0, "", "Sequele", 0},
    {TipoValori, "", "", 0, "", "Valori", 0},
    {TipoPercentuali, "", "", 0, "", "Percentuali", 0},
    {TipoConsecutivita, "", "", 0, "", "Consecutività", 0},
    {TipoColonnaFiltro, "", "", 0, "", "Colonna Filtro", 0},
};

}  // namespace

std::span<const TDescrizioneTipo> DescrizioniTipi()
{
    return Descrizioni;
}

const TDescrizioneTipo* DescrizioneTipo(int tipo)
{
    for (const TDescrizioneTipo& d : Descrizioni)
        if (d.Tipo == tipo) return &d;
    return nullptr;
}

std::string NomeDefault(int tipo)
{
    const TDescrizioneTipo* d = DescrizioneTipo(tipo);
    return d ? d->NomeDefault : std::string();
}

}  // namespace morella
