#include "appointments/summaries/TrovaScadenze.h"

#include "appointments/summaries/AppointmentLine.h"
#include "core/records/Archives.h"

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget *parent)
    : SearchScreen(parent, SearchSpec{
                               .caption = QStringLiteral(" Trova appuntamenti in archivio"),
                               .layout = &Archives::appointments(),
                               .criteria = {{"txtData", "Data appuntamento (gg/mm/aaaa):", "Data"},
                                            {"txtOra", "Ora (hh:mm):", "Ora"},
                                            {"txtTipologia", "Operatore:", "Tipologia"},
                                            {"txtCausale", "Servizi richiesti dal cliente:", "Causale"},
                                            {"txtDettagli", "Dettagli:", "Dettagli"},
                                            {"txtContatto", "Cognome e nome cliente:", "Contatto"},
                                            {"txtTel", "Telefono:", "Tel"},
                                            {"txtCel", "Cellulare:", "Cel"},
                                            {"txtLuogo", "Modalità di pagamento:", "Luogo"},
                                            {"txtNote", "Note:", "Note"}},
                               .line = AppointmentLine::format(),
                               .order = LineOrder::File,
                               .ending = QStringLiteral(" schede."),
                               .reportTitle = QStringLiteral("Riepilogo appuntamenti in archivio"),
                               .bannerTitle = QStringLiteral("Trova appuntamenti"),
                           }) {
    setObjectName(QStringLiteral("frmTrovaScadenze"));
}
