// The examination that finds, for one link letter or one points-between group, the tables
// of the conditions that take part in it. Before a development it decides which letters
// are in use; the link and points-between editors list its entries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TabellaIntervalli.h"
#include "TabellaValori.h"

namespace morella {

class TCondizione;
class TElencoCondizioni;

struct TElemTraLink {
    const TCondizione* Condizione = nullptr;
    const TTabellaValori* Tabella = nullptr;  // or
    const TTabellaIntervalli* Intervalli = nullptr;
    int SottoTabella = 0;
    std::string Didascalia;  // the table's caption; " - Consecutività" added for the runs
    // In group mode: the smallest and largest value the sub-table admits.
    int Minimo = 0;
    int Massimo = 0;
};

class TEsameTraLink {
   public:
    // Tables whose link is `lettera` and that hold in recupero values.
    static TEsameTraLink PerLettera(std::uint8_t lettera);
    // Tables assigned to points-between group `gruppo` that hold any admitted value; the
    // sums of their smallest and largest admitted values bound the group's sum.
    static TEsameTraLink PerGruppo(int gruppo);
    // The same, over every enabled top-level condition of a container (what the link editor
    // and the points-between editor list).
    static TEsameTraLink DellaLettera(const TElencoCondizioni& elenco, std::uint8_t lettera);
    static TEsameTraLink DelGruppo(const TElencoCondizioni& elenco, int gruppo);

    bool ModoGruppo() const { return modoGruppo_; }
    std::uint8_t Lettera() const { return lettera_; }
    int Gruppo() const { return gruppo_; }

    std::vector<TElemTraLink> Elementi;
    int SommaMinimi = 0;
    int SommaMassimi = 0;

    // Called by each condition (slot 10) for each of its tables.
    void Esamina(const TCondizione& c, const TTabellaValori& t, const std::string& didascalia);
    void Esamina(const TCondizione& c, const TTabellaIntervalli& t, const std::string& didascalia);
    // Asks every enabled top-level condition of the container, in slot order.
    void EsaminaElenco(const TElencoCondizioni& elenco);

    // Heading of the list: "Condizioni Nella Link " and the letter, or "Condizioni Nel
    // Gruppo " and the group number.
    std::string Titolo() const;
    // One line per entry: the condition's path (its name before any path was built), " : ",
    // the table's caption; in group mode followed by the admitted range.
    std::vector<std::string> Righe() const;

   private:
    TEsameTraLink() = default;
    bool modoGruppo_ = false;
    std::uint8_t lettera_ = 'A';
    int gruppo_ = 0;
};

}  // namespace morella
