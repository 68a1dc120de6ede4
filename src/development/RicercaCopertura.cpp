// The search keeps, for every element, how many chosen elements cover it, and a score: for an
// element not chosen, the weight of the uncovered elements it would cover; for a chosen one,
// minus the weight of the elements only it covers. A step drops the chosen element that
// loses least among a sample, covers a random uncovered element with its best neighbour, and
// makes every element still uncovered weigh more, so the search leaves its local minima.
// A paired step instead weighs every pair (element to add near the uncovered one, element to
// drop) at once.
#include "RicercaCopertura.h"

#include <algorithm>

namespace morella {

namespace {
constexpr int Campione = 64;  // chosen elements looked at to pick the one to drop
// Paired steps mostly drop an element near the one added; the sample only offers an
// alternative far away, and a small one keeps the step cheap.
constexpr int CampioneInCoppia = 8;
constexpr int PassiTraControlli = 16;     // steps between two questions to `ferma`
constexpr std::size_t PesiPerPasso = 64;  // uncovered elements that all gain weight each step
// A weight stops growing here: on a small problem (the orbits of a list) the search makes a
// million steps a second, billions in a budget of an hour, and a weight must not overflow.
constexpr std::int32_t PesoMassimo = std::int32_t{1} << 30;
}  // namespace

TRicercaCopertura::TRicercaCopertura(const TPalle& palle, const std::vector<int>& copertura,
                                     std::uint64_t seme, const std::function<bool()>& interrompi)
    : palle_(palle), caso_(seme), m_(palle.Elementi())
{
    auto fermati = [&](std::size_t k) {
        if ((k & 4095) != 0 || !interrompi || !interrompi()) return false;
        interrotta_ = true;
        return true;
    };
    const std::size_t m = static_cast<std::size_t>(m_);
    stato_.assign(m, TStato{});
    punteggio_.assign(m, 0);
    eta_.assign(m, 0);
    posScelto_.assign(m, -1);
    posScoperto_.assign(m, -1);
    std::uint32_t palla = 1;
    for (int e = 0; e < m_; ++e)
        palla = std::max(palla, palle_.inizio[static_cast<std::size_t>(e) + 1] -
                                    palle_.inizio[static_cast<std::size_t>(e)]);
    minimo_ = static_cast<int>((static_cast<std::uint32_t>(m_) + palla - 1) / palla);

    for (std::size_t i = 0; i < copertura.size(); ++i) {
        if (fermati(i)) return;
        const int c = copertura[i];
        if (stato_[static_cast<std::size_t>(c)].scelto) continue;
        stato_[static_cast<std::size_t>(c)].scelto = 1;
        posScelto_[static_cast<std::size_t>(c)] = static_cast<int>(scelti_.size());
        scelti_.push_back(c);
        for (std::uint32_t k = palle_.inizio[static_cast<std::size_t>(c)];
             k < palle_.inizio[static_cast<std::size_t>(c) + 1]; ++k) {
            const int u = palle_.vicini[k];
            ++stato_[static_cast<std::size_t>(u)].coperture;
            stato_[static_cast<std::size_t>(u)].chi ^= c;
        }
    }
    // Scores from scratch: only the chosen elements that alone cover something lose anything.
    unico_.assign(m, 0);
    for (int u = 0; u < m_; ++u) {
        if (fermati(static_cast<std::size_t>(u))) return;
        const std::int32_t k = stato_[static_cast<std::size_t>(u)].coperture;
        unico_[static_cast<std::size_t>(u)] = k == 1;
        if (k == 1) punteggio_[static_cast<std::size_t>(stato_[static_cast<std::size_t>(u)].chi)] -= 1;
        if (k == 0) SegnaScoperto(u);  // not expected; the search copes all the same
    }
    for (int u : scoperti_)
        for (std::uint32_t k = palle_.inizio[static_cast<std::size_t>(u)];
             k < palle_.inizio[static_cast<std::size_t>(u) + 1]; ++k)
            punteggio_[static_cast<std::size_t>(palle_.vicini[k])] += 1;
    if (scoperti_.empty()) migliore_ = scelti_;
}

void TRicercaCopertura::SegnaScoperto(int u)
{
    posScoperto_[static_cast<std::size_t>(u)] = static_cast<int>(scoperti_.size());
    scoperti_.push_back(u);
}

void TRicercaCopertura::SegnaCoperto(int u)
{
    const int pos = posScoperto_[static_cast<std::size_t>(u)];
    const int ultimo = scoperti_.back();
    scoperti_[static_cast<std::size_t>(pos)] = ultimo;
    posScoperto_[static_cast<std::size_t>(ultimo)] = pos;
    scoperti_.pop_back();
    posScoperto_[static_cast<std::size_t>(u)] = -1;
}

void TRicercaCopertura::Aggiungi(int c)
{
    const std::size_t cs = static_cast<std::size_t>(c);
    stato_[cs].scelto = 1;
    posScelto_[cs] = static_cast<int>(scelti_.size());
    scelti_.push_back(c);
    // What it would have covered is now what only it covers.
    punteggio_[cs] = -punteggio_[cs];
    const std::int32_t* v = palle_.vicini.data();
    for (std::uint32_t k = palle_.inizio[cs]; k < palle_.inizio[cs + 1]; ++k) {
        const int u = v[k];
        const std::size_t us = static_cast<std::size_t>(u);
        const std::int32_t prima = stato_[us].coperture++;
        unico_[us] = prima == 0;
        if (prima == 0) {
            const std::int32_t w = stato_[us].peso;
            for (std::uint32_t h = palle_.inizio[us]; h < palle_.inizio[us + 1]; ++h) {
                const int x = v[h];
                stato_[static_cast<std::size_t>(x)].configurazione = 1;
                if (x != c) punteggio_[static_cast<std::size_t>(x)] -= w;
            }
            SegnaCoperto(u);
        } else if (prima == 1) {
            punteggio_[static_cast<std::size_t>(stato_[us].chi)] += stato_[us].peso;
        }
        stato_[us].chi ^= c;
    }
}

void TRicercaCopertura::Togli(int s)
{
    const std::size_t ss = static_cast<std::size_t>(s);
    stato_[ss].scelto = 0;
    const int pos = posScelto_[ss];
    const int ultimo = scelti_.back();
    scelti_[static_cast<std::size_t>(pos)] = ultimo;
    posScelto_[static_cast<std::size_t>(ultimo)] = pos;
    scelti_.pop_back();
    posScelto_[ss] = -1;
    punteggio_[ss] = -punteggio_[ss];
    const std::int32_t* v = palle_.vicini.data();
    for (std::uint32_t k = palle_.inizio[ss]; k < palle_.inizio[ss + 1]; ++k) {
        const int u = v[k];
        const std::size_t us = static_cast<std::size_t>(u);
        const std::int32_t dopo = --stato_[us].coperture;
        unico_[us] = dopo == 1;
        stato_[us].chi ^= s;
        if (dopo == 0) {
            const std::int32_t w = stato_[us].peso;
            for (std::uint32_t h = palle_.inizio[us]; h < palle_.inizio[us + 1]; ++h) {
                const int x = v[h];
                stato_[static_cast<std::size_t>(x)].configurazione = 1;
                if (x != s) punteggio_[static_cast<std::size_t>(x)] += w;
            }
            SegnaScoperto(u);
        } else if (dopo == 1) {
            punteggio_[static_cast<std::size_t>(stato_[us].chi)] -= stato_[us].peso;
        }
    }
}

int TRicercaCopertura::ScegliDaTogliere()
{
    const int k = static_cast<int>(scelti_.size());
    int migliore = -1;
    auto meglio = [&](int s) {
        if (s == ultimoAggiunto_ && k > 1) return false;
        if (migliore < 0) return true;
        const std::int64_t a = punteggio_[static_cast<std::size_t>(s)],
                           b = punteggio_[static_cast<std::size_t>(migliore)];
        return a > b ||
               (a == b && eta_[static_cast<std::size_t>(s)] < eta_[static_cast<std::size_t>(migliore)]);
    };
    const int campione = inCoppia_ ? CampioneInCoppia : Campione;
    if (k <= campione) {
        for (int s : scelti_)
            if (meglio(s)) migliore = s;
    } else {
        for (int i = 0; i < campione; ++i) {
            const int s = scelti_[static_cast<std::size_t>(caso_.Sotto(k))];
            if (meglio(s)) migliore = s;
        }
    }
    return migliore < 0 ? scelti_[0] : migliore;
}

int TRicercaCopertura::ScegliDaAggiungere(int u)
{
    const std::size_t us = static_cast<std::size_t>(u);
    int migliore = -1, ripiego = -1;
    for (std::uint32_t h = palle_.inizio[us]; h < palle_.inizio[us + 1]; ++h) {
        const int x = palle_.vicini[h];
        const std::size_t xs = static_cast<std::size_t>(x);
        auto prima = [&](int altro) {
            if (altro < 0) return true;
            const std::size_t as = static_cast<std::size_t>(altro);
            return punteggio_[xs] > punteggio_[as] ||
                   (punteggio_[xs] == punteggio_[as] && eta_[xs] < eta_[as]);
        };
        if (prima(ripiego)) ripiego = x;
        if (stato_[xs].configurazione && prima(migliore)) migliore = x;
    }
    return migliore >= 0 ? migliore : ripiego;
}

void TRicercaCopertura::TogliLaMeno()
{
    int migliore = scelti_[0];
    for (int s : scelti_)
        if (punteggio_[static_cast<std::size_t>(s)] > punteggio_[static_cast<std::size_t>(migliore)])
            migliore = s;
    Togli(migliore);
    eta_[static_cast<std::size_t>(migliore)] = passi_;
}

void TRicercaCopertura::Appesantisci(int w)
{
    const std::size_t ws = static_cast<std::size_t>(w);
    if (stato_[ws].peso >= PesoMassimo) return;
    ++stato_[ws].peso;
    for (std::uint32_t h = palle_.inizio[ws]; h < palle_.inizio[ws + 1]; ++h)
        ++punteggio_[static_cast<std::size_t>(palle_.vicini[h])];
}

// Dropping s loses what only s covers, except what the added c covers as well: that share is
// summed per chosen element over the ball of c. The chosen elements sharing nothing with c
// are represented by the best of a sample.
void TRicercaCopertura::PassoInCoppia()
{
    if (condiviso_.empty()) condiviso_.assign(static_cast<std::size_t>(m_), 0);
    const int u = scoperti_[static_cast<std::size_t>(caso_.Sotto(static_cast<int>(scoperti_.size())))];
    const int lontano = ScegliDaTogliere();
    const std::size_t us = static_cast<std::size_t>(u);
    const std::int32_t* v = palle_.vicini.data();
    int cMigliore = -1, sMigliore = -1;
    std::int64_t valMigliore = 0, etaMigliore = 0;
    bool liberoMigliore = false;
    for (std::uint32_t h = palle_.inizio[us]; h < palle_.inizio[us + 1]; ++h) {
        const int c = v[h];
        const std::size_t cs = static_cast<std::size_t>(c);
        for (std::uint32_t k = palle_.inizio[cs]; k < palle_.inizio[cs + 1]; ++k) {
            if (!unico_[static_cast<std::size_t>(v[k])]) continue;
            const TStato& st = stato_[static_cast<std::size_t>(v[k])];
            std::int64_t& b = condiviso_[static_cast<std::size_t>(st.chi)];
            if (b == 0) toccati_.push_back(st.chi);
            b += st.peso;
        }
        if (condiviso_[static_cast<std::size_t>(lontano)] == 0) toccati_.push_back(lontano);
        // An element dropped lately is added again only once its surroundings changed.
        const bool libero = stato_[cs].configurazione != 0;
        for (int s : toccati_) {
            const std::size_t ss = static_cast<std::size_t>(s);
            if (s == ultimoAggiunto_ && scelti_.size() > 1) continue;
            const std::int64_t val = punteggio_[cs] + punteggio_[ss] + condiviso_[ss];
            const std::int64_t eta = eta_[cs] + eta_[ss];
            if (cMigliore < 0 || (libero && !liberoMigliore) ||
                (libero == liberoMigliore &&
                 (val > valMigliore || (val == valMigliore && eta < etaMigliore)))) {
                cMigliore = c;
                sMigliore = s;
                valMigliore = val;
                etaMigliore = eta;
                liberoMigliore = libero;
            }
        }
        for (int s : toccati_) condiviso_[static_cast<std::size_t>(s)] = 0;
        toccati_.clear();
    }
    if (sMigliore < 0) sMigliore = lontano;
    Togli(sMigliore);
    stato_[static_cast<std::size_t>(sMigliore)].configurazione = 0;
    eta_[static_cast<std::size_t>(sMigliore)] = passi_;
    Aggiungi(cMigliore);
    eta_[static_cast<std::size_t>(cMigliore)] = passi_;
    ultimoAggiunto_ = cMigliore;
    if (senzaPesi_) return;
    if (scoperti_.size() <= PesiPerPasso) {
        for (int w : scoperti_) Appesantisci(w);
    } else {
        Appesantisci(u);
    }
}

void TRicercaCopertura::Cerca(const std::function<bool(int, int)>& ferma)
{
    if (m_ == 0 || scelti_.empty() || interrotta_) return;
    while (true) {
        if (passi_ % PassiTraControlli == 0 &&
            ferma(static_cast<int>(scelti_.size()),
                  static_cast<int>(migliore_.empty() ? scelti_.size() : migliore_.size())))
            return;
        if (scoperti_.empty()) {
            if (migliore_.empty() || scelti_.size() < migliore_.size()) migliore_ = scelti_;
            if (static_cast<int>(scelti_.size()) <= minimo_) return;
            TogliLaMeno();
            ++passi_;
            continue;
        }
        if (inCoppia_) {
            PassoInCoppia();
            ++passi_;
            continue;
        }
        const int s = ScegliDaTogliere();
        Togli(s);
        stato_[static_cast<std::size_t>(s)].configurazione = 0;
        eta_[static_cast<std::size_t>(s)] = passi_;
        const int u = scoperti_[static_cast<std::size_t>(caso_.Sotto(static_cast<int>(scoperti_.size())))];
        const int c = ScegliDaAggiungere(u);
        Aggiungi(c);
        eta_[static_cast<std::size_t>(c)] = passi_;
        ultimoAggiunto_ = c;
        // Whatever is still uncovered weighs more: its neighbours become more attractive. With
        // many uncovered elements only the one just aimed at, or the step would cost too much.
        if (scoperti_.size() <= PesiPerPasso) {
            for (int w : scoperti_) Appesantisci(w);
        } else {
            Appesantisci(u);
        }
        ++passi_;
    }
}

}  // namespace morella
