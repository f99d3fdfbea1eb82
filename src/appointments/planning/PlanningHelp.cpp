#include "appointments/planning/PlanningHelp.h"

HelpText planningHelp() {
    return {
        QStringLiteral("Planning settimanale"),
        {
            QStringLiteral(
                "Il planning settimanale mostra in un colpo d'occhio gli appuntamenti di una settimana, dal "
                "lunedì alla domenica: ogni giorno è una colonna e ogni appuntamento è un riquadro all'ora "
                "fissata, alto un'ora, con l'ora, il cliente, i servizi richiesti e l'operatore. Gli "
                "appuntamenti alla stessa ora compaiono affiancati."),
            QStringLiteral(
                "I colori dicono a che punto è ogni appuntamento: azzurro da assolvere, grigio assolto, "
                "rosso "
                "scaduto e non ancora assolto. Le ore dalle 06:00 alle 22:00 scorrono in mezz'ore; gli "
                "appuntamenti fissati prima delle 06:00 o dalle 22:00 in poi compaiono in una striscia in "
                "cima o in fondo al loro giorno."),
            QStringLiteral(
                "I pulsanti Precedente, Oggi e Successiva cambiano settimana; facendo clic su un giorno "
                "qualsiasi del calendario si passa alla sua settimana. L'elenco Operatore mostra gli "
                "appuntamenti di tutti gli operatori o di uno solo."),
            QStringLiteral(
                "Passando con il mouse su un appuntamento, in basso compaiono il telefono, il cellulare, i "
                "dettagli e le note; con un doppio clic si apre la sua scheda nello schedario, dove si può "
                "modificarla o spuntare Impegno assolto. Chiudendo la scheda si torna al planning, che "
                "rilegge la settimana dall'archivio."),
            QStringLiteral(
                "Stampa settimana mostra l'anteprima della settimana su un foglio A4 orizzontale, con gli "
                "stessi riquadri e colori, e da lì la stampa."),
        },
    };
}
