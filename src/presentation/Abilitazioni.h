// Which commands of the main window the document allows at this moment. The window asks
// after every change and also leaves disabled the commands whose windows it does not have.
#pragma once

namespace morella {

struct TStatoDocumento {
    long long Colonne = 0;  // columns in the system's list
    int Concorsi = 0;       // contests in the archive
    bool PronosticoCompleto = false;
    bool DaFileColonnare = false;  // the development reads a column file
    bool ValoriAttivi = false;     // the editor's values are complete
    bool PercentualiAttive = false;
    bool PossibilitaCalcolate = false;
};

struct TAbilitazioni {
    bool Condizioni;      // the "&Condizioni" menu and the panels button
    bool CalcoloColonne;  // "&Calcolo Colonne" and its button
    bool Valori;
    bool Percentuali;
    bool AnalisiRidotto;
    bool AnalisiStatistica;
    bool VisualizzaArchivio;
    bool DaMemoria;         // viewing, dictation, checking and printing of the system's columns
    bool AnalisiSchedina;   // the editor's "Analisi" button
    bool SalvaSuDisco;      // always
    bool ArchivioSchedina;  // the editor's "Archivio" button: always
};

constexpr TAbilitazioni AggiornaAbilitazioni(const TStatoDocumento& s)
{
    const bool sviluppabile = s.PronosticoCompleto || s.DaFileColonnare;
    return {sviluppabile,
            sviluppabile,
            s.ValoriAttivi,
            s.PercentualiAttive,
            s.PossibilitaCalcolate,
            s.Concorsi > 1,
            s.Concorsi > 0,
            s.Colonne > 0,
            s.Colonne > 0 && s.PronosticoCompleto,
            true,
            true};
}

// An item of the "&Condizioni" menu: its editor must be there, and the values and percentages
// groups need their tables on the coupon complete.
constexpr bool VoceCondizioneAbilitata(const TAbilitazioni& a, int slot, bool editorePresente)
{
    if (!editorePresente) return false;
    if (slot == 10) return a.Valori;
    if (slot == 11) return a.Percentuali;
    return true;
}

// The check mark of a menu item: a greyed item shows none, whatever it stands for.
constexpr bool SpuntaVoce(bool abilitata, bool attiva)
{
    return abilitata && attiva;
}

}  // namespace morella
