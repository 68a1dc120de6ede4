// Voice dictation of the schedine: reads the columns of a list of schedine aloud, one sign
// per timer tick, by columns or by rows, over a range of schedine, with an optional halt after
// each schedina. The dictation window only copies between its controls and this object and
// draws the schedina on view with the cell being spoken marked.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "LettoreAudio.h"
#include "Schedine.h"
#include "Temporizzatore.h"

namespace morella {

inline constexpr const char* NomeFileVocale = "vocal.Wav";
inline constexpr const char* MessaggioFileVocale = "Impossibile Caricare Il File Vocale";
inline constexpr const char* MessaggioNessunaSchedinaDaDettare = "Non Ci Sono Schedine Da Dettare";

// The voice file in the program directory's "Wav" folder.
std::string FileVocale();

// The stretch of the voice file that says sign set v (1..7): one word per second, the last
// one cut at 6.9 s. Nothing (0, 0) for an empty event.
struct TTrattoVoce {
    int da = 0;
    int a = 0;
    bool operator==(const TTrattoVoce&) const = default;
};
TTrattoVoce TrattoVoce(TSegni segni);

// The mark the schedina view shows on the cell being spoken.
inline constexpr TSegni SegnoEvidenziato = 0x80;

enum class TOrdineDettatura { PerColonne, PerRighe };
enum class TStatoDettatura { Inattiva, InCorso, InPausa };

// 1-based position of a cell of the schedina on view.
struct TCellaDetta {
    int colonna = 1;
    int evento = 1;
    bool operator==(const TCellaDetta&) const = default;
};

// Told when the view must be redrawn or the buttons updated.
class TOsservatoreDettatura {
   public:
    virtual ~TOsservatoreDettatura() = default;
    // Another schedina (or the same one afresh) is on view: redraw every cell.
    virtual void SchedinaMostrata() {}
    // A sign is being spoken: redraw the cells whose mark changed.
    virtual void SegnoDetto() {}
    // Idle, playing or paused changed.
    virtual void StatoCambiato() {}
};

class TDettatura {
   public:
    static constexpr int PausaMinima = 1;
    static constexpr int PausaMassima = 50;
    static constexpr int PausaIniziale = 5;

    // The player and the timer must outlive the dictation; the timer's action is taken over.
    TDettatura(TLettoreAudio& lettore, TTemporizzatore& temporizzatore);
    ~TDettatura();
    TDettatura(const TDettatura&) = delete;
    TDettatura& operator=(const TDettatura&) = delete;

    // Starts over on these schedine: range 1..their number, the first on view, idle, and the
    // voice file opened. False when the file cannot be opened: the schedine can still be
    // looked at, but nothing plays (Avvia and Pausa then raise MessaggioFileVocale).
    bool Prepara(std::vector<TSchedinaVin> schedine, const std::string& fileVocale = FileVocale());
    // Timer off and the voice file closed; Prepara opens it again.
    void Chiudi();

    void ImpostaOsservatore(TOsservatoreDettatura* osservatore) { osservatore_ = osservatore; }

    // The buttons. Avvia (Play) resumes a paused dictation where it halted and otherwise
    // starts the current schedina from its first sign; Pausa halts a running dictation and
    // resumes a halted one; Ferma (Stop) goes back to the first schedina of the range.
    void Avvia();
    void Pausa();
    void Ferma();

    // The timer's tick: says one sign and moves on.
    void Scatto();

    // The settings. The range is kept within 1..number of schedine with the first never past
    // the last; a new first schedina goes on view and the dictation goes on from its first sign.
    void ImpostaDallaSchedina(int numero);
    void ImpostaAllaSchedina(int numero);
    void ImpostaPausaTraSegni(int decimi);  // 1..50 tenths of a second, at once
    void ImpostaOrdine(TOrdineDettatura ordine) { ordine_ = ordine; }
    void ImpostaPausaDopoSchedina(bool attiva) { pausaDopoSchedina_ = attiva; }

    TStatoDettatura Stato() const;
    bool VoceDisponibile() const { return voceDisponibile_; }
    int NumeroSchedine() const { return static_cast<int>(schedine_.size()); }
    int DallaSchedina() const { return daSchedina_; }
    int AllaSchedina() const { return aSchedina_; }
    int PausaTraSegni() const { return pausa_; }
    TOrdineDettatura Ordine() const { return ordine_; }
    bool PausaDopoSchedina() const { return pausaDopoSchedina_; }
    // Timer period: one second for the word plus the pause.
    int Periodo() const { return 1000 + pausa_ * 100; }

    // Where the dictation stands: the schedina on view and the cell the next tick says.
    int SchedinaCorrente() const { return corrente_; }
    int ColonnaCorrente() const { return colonna_; }
    int EventoCorrente() const { return evento_; }
    int ColonneInSchedina() const { return colonneInSchedina_; }

    // The schedina on view, as the four-column view draws it: its number and its four
    // columns, the cell last spoken carrying SegnoEvidenziato. All zero without schedine.
    int NumeroVista() const;
    std::array<TColonna, 4> ColonneVista() const;
    std::optional<TCellaDetta> CellaDetta() const { return cellaDetta_; }

   private:
    void MostraSchedina();
    void Di(TSegni segni);
    void Avanza();
    void ProssimaSchedina();
    void AccendiTimer();
    void SpegniTimer();
    void AvvisaStato();

    TLettoreAudio& lettore_;
    TTemporizzatore& temporizzatore_;
    TOsservatoreDettatura* osservatore_ = nullptr;

    std::vector<TSchedinaVin> schedine_;
    bool voceDisponibile_ = false;
    bool timerAcceso_ = false;
    bool inPausa_ = false;

    int corrente_ = 1;
    int colonna_ = 1;
    int evento_ = 1;
    int colonneInSchedina_ = 0;
    int daSchedina_ = 1;
    int aSchedina_ = 0;

    TOrdineDettatura ordine_ = TOrdineDettatura::PerColonne;
    int pausa_ = PausaIniziale;
    bool pausaDopoSchedina_ = true;
    std::optional<TCellaDetta> cellaDetta_;
};

}  // namespace morella
