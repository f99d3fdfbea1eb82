#include "backup/SalvataggioHelp.h"

HelpText backupHelp() {
    return {
        QStringLiteral("Copia di sicurezza degli archivi"),
        {
            QStringLiteral(
                "La finestra Copia di sicurezza, che si apre dal menu principale con l'icona a forma di "
                "scatola con la freccia, protegge tutti i dati dell'impresa: gli archivi dei clienti, dei "
                "dipendenti, degli appuntamenti e dei contratti, i servizi forniti a ogni cliente, i "
                "registri "
                "delle prestazioni, le foto dei dipendenti, i documenti allegati, le impostazioni, la "
                "password e il logo. In alto sono indicate la data, la cartella e la dimensione dell'ultima "
                "copia creata."),
            QStringLiteral(
                "Il pulsante Crea copia di sicurezza chiede la cartella in cui salvare la copia (viene "
                "proposta l'ultima usata: ad esempio una chiavetta USB o una cartella di rete) e vi scrive "
                "un unico file Tersalia_Copia_aaaa-mm-gg_hh-mm.zip, che contiene tutti i file dei dati e "
                "l'elenco Tersalia_Copia.txt con la dimensione e il codice di controllo di ciascuno. La "
                "copia si può creare anche mentre altre postazioni lavorano sugli archivi: ogni scheda è "
                "copiata intera. La cartella del programma e le sue sottocartelle non sono accettate: ogni "
                "copia successiva conterrebbe anche quella. Prima della prima copia è indicata la "
                "dimensione dei dati da copiare."),
            QStringLiteral(
                "Appena scritta, la copia viene riletta e ogni file è confrontato con l'elenco; solo allora "
                "compare il messaggio che la copia è completata e verificata. La barra mostra "
                "l'avanzamento e il pulsante Annulla interrompe il lavoro. Se la cartella non è "
                "scrivibile, se lo spazio non basta o se un file non si può leggere, il programma lo dice "
                "e non lascia nella cartella nessuna copia incompleta."),
            QStringLiteral(
                "Il pulsante Ripristina da una copia chiede il file della copia e ne mostra la data e il "
                "contenuto. Una copia senza elenco valido, con un file mancante o danneggiato o con un file "
                "che uscirebbe dalla cartella del programma viene rifiutata senza toccare nulla. Dopo la "
                "conferma, il programma crea prima una copia di sicurezza dei dati attuali nella stessa "
                "cartella della copia scelta, poi estrae e controlla tutti i file nella cartella "
                "Ripristino_in_corso e infine li mette al loro posto."),
            QStringLiteral(
                "Il ripristino avviene in un solo passaggio: alla fine i dati sono tutti quelli della copia "
                "oppure tutti quelli di prima, mai un misto. Se un file non si può sostituire (ad esempio "
                "perché è aperto in un'altra postazione), tutti i file tornano come erano. Se il programma "
                "o il computer si fermano durante il ripristino, all'avvio successivo, prima della "
                "password, il ripristino viene completato con i file già controllati (o annullato) e un "
                "messaggio dice quale delle due cose è avvenuta. "
                "I file dei dati presenti nella cartella del programma ma assenti dalla copia non vengono "
                "cancellati: sono spostati nella cartella Accantonati con la data del ripristino. Al "
                "termine il programma si chiude: avviandolo di nuovo si lavora sui dati ripristinati."),
            QStringLiteral(
                "Dopo l'accesso, se gli archivi contengono dati e l'ultima copia di sicurezza ha più di "
                "sette giorni (o non ne è mai stata creata una), il programma propone di crearne una "
                "subito, al massimo una volta al giorno. Conviene conservare le copie su un supporto "
                "diverso dal computer, come una chiavetta USB o un disco di rete."),
        },
    };
}
