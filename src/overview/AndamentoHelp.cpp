#include "overview/AndamentoHelp.h"

HelpText andamentoHelp() {
    return {
        QStringLiteral("Andamento dell'anno"),
        {
            QStringLiteral(
                "La finestra Andamento dell'anno, che si apre dal menu principale con l'icona a forma di "
                "grafico a barre, mostra in un colpo d'occhio l'andamento dell'impresa mese per mese: "
                "quanto è stato fatturato ai clienti, quanti appuntamenti sono stati assolti o mancati e "
                "quante ore hanno lavorato i dipendenti. Nell'elenco Anno si sceglie l'anno da vedere: "
                "sono elencati l'anno in corso, per primo, e tutti gli anni presenti negli archivi."),
            QStringLiteral(
                "I servizi fatturati sono quelli registrati nei servizi forniti di tutti i clienti, contati "
                "e sommati in base alla data di ciascuno. Gli appuntamenti dell'agenda sono divisi in "
                "Assolti (con Impegno assolto spuntato), Scaduti (non assolti e con una data passata) e "
                "Da assolvere (non assolti, di oggi o dei giorni a venire). Le ore sono la somma del "
                "totale ore di tutte le attività registrate nelle prestazioni dei dipendenti."),
            QStringLiteral(
                "Il primo grafico mostra l'importo fatturato in ogni mese, accanto a quello dello stesso "
                "mese dell'anno precedente quando negli archivi ce n'è traccia; il secondo gli "
                "appuntamenti del mese, impilati per stato; il terzo la linea delle ore di lavoro. Sotto i "
                "grafici la tabella riporta gli stessi numeri, un mese per riga, con la riga Totale "
                "dell'anno."),
            QStringLiteral(
                "Una voce il cui importo, la cui data o le cui ore non si possono leggere (ad esempio un "
                "importo scritto con il punto al posto della virgola) non è compresa nei totali: il numero "
                "di queste voci è indicato in rosso accanto all'anno, così da poterle correggere nelle "
                "rispettive schede. Durante la lettura degli archivi una barra ne mostra l'avanzamento; la "
                "finestra legge soltanto e non modifica nessun dato."),
            QStringLiteral(
                "Il pulsante Stampa mostra l'anteprima della pagina, con i tre grafici e la tabella su un "
                "foglio A4 orizzontale, da cui si può stampare. Il pulsante Esporta scrive la tabella "
                "dell'anno scelto nel file Andamento_aaaa.xls nella cartella del programma, da aprire con "
                "Microsoft Excel, LibreOffice o OpenOffice."),
        },
    };
}
