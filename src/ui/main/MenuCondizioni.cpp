#include "ui/main/MenuCondizioni.h"

#include "ui/conditions/frmConsecutivi.h"
#include "ui/conditions/frmFiltri.h"
#include "ui/conditions/frmFiltriDistanzaNumeri.h"
#include "ui/conditions/frmFisse.h"
#include "ui/conditions/frmPari.h"
#include "ui/conditions/frmRiduzione.h"
#include "ui/conditions/frmSomma.h"

namespace tlx::ui {

namespace {

// A dialog that takes the system alone, and one that also shows counts in
// the user's number format.
template <typename Dialogo>
void Apri(Sistema& s, const FormatoNumeri&, QWidget* genitore) {
  Dialogo(s, genitore).exec();
}
template <typename Dialogo>
void ApriConFormato(Sistema& s, const FormatoNumeri& formato, QWidget* genitore) {
  Dialogo(s, formato, genitore).exec();
}

}  // namespace

const std::array<VoceCondizione, 8> CONDIZIONI = {{
    {"menuColonnaFiltro", "&Colonne Filtro", false, ApriConFormato<frmFiltri>,
     [](const Sistema& s) { return s.NumeroFiltriAnd >= 1; }},
    {"menuDistanzaNumeri", "&Distanza Numeri", false, ApriConFormato<frmFiltriDistanzaNumeri>,
     [](const Sistema& s) { return s.NumeroFiltriDistanza != 0; }},
    {"menuConsecutivi", "C&onsecutivi", false, Apri<frmConsecutivi>,
     [](const Sistema& s) { return Vero(s.Consecutivi.Attivo); }},
    {"menuFisse", "&Fisse", false, Apri<frmFisse>, [](const Sistema& s) { return Vero(s.Condizioni.FisseAttiva); }},
    {"menuPariDispari", "&Pari e Dispari", false, Apri<frmPari>,
     [](const Sistema& s) { return Vero(s.Condizioni.PariAttiva); }},
    {"menuSomma", "&Somma", false, Apri<frmSomma>, [](const Sistema& s) { return Vero(s.Condizioni.SommaAttiva); }},
    {"menuRidotto", "&Ridotto", true, Apri<frmRidotto>,
     [](const Sistema& s) { return Vero(s.Condizioni.RidottoAttivo); }},
    {"menuDistanzaMinima", "Ridotto a &Distanza Minima", false, Apri<frmDistanzaMinima>,
     [](const Sistema& s) { return Vero(s.DistanzaMinima.Attivo); }},
}};

}  // namespace tlx::ui
