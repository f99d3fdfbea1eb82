#pragma once
// Readable names for the record fields whose stored names say something else
// than what they hold (the names the files were first written with; the
// layouts in Archives keep them, and so do the stored files). Code that reads
// or writes such a field by name, other than the layout itself, uses these.
namespace ContractField {
inline constexpr const char Pec[] = "txtTelCel";                 // the company's "PEC"
inline constexpr const char Responsabile[] = "txtFax";           // "Responsabile legale"
inline constexpr const char Frequenza[] = "txtQualitaCli";       // "Frequenza servizi"
inline constexpr const char TipoImmobile[] = "txtTipoImpianto";  // "Tipo immobile"
inline constexpr const char Ubicazione[] = "txtMarca";           // "Ubicazione immobile"
inline constexpr const char DurataContratto[] = "txtMatricola";  // "Durata contratto"
inline constexpr const char Fornitore[] = "txtAlimentazione";    // "Fornitore dei materiali"
inline constexpr const char ForoCompetente[] = "txtAnnoCostruz"; // "Foro competente"
inline constexpr const char Recesso[] = "txtCaratteristiche";    // "Condizioni per recesso"
inline constexpr const char Polizza[] = "txtUbicazione";         // "Polizza assicurativa"
inline constexpr const char OrariIntervento[] = "txtDurata";     // "Orari intervento"
inline constexpr const char DurataIntervento[] = "txtTotale";    // "Durata intervento"
} // namespace ContractField

namespace ClientField {
inline constexpr const char Pec[] = "Fax";                   // "PEC"
inline constexpr const char TelPreferenziale[] = "Recapito"; // "Tel. preferenziale"
inline constexpr const char Pagamento[] = "Estremi";         // "Modalità di pagamento"
} // namespace ClientField

namespace AppointmentField {
inline constexpr const char Operatore[] = "Tipologia"; // "Operatore"
inline constexpr const char Servizi[] = "Causale";     // "Servizi richiesti dal cliente"
inline constexpr const char Pagamento[] = "Luogo";     // "Modalità di pagamento"
inline constexpr const char Assolto[] = "Ottemperata"; // "Impegno assolto"
} // namespace AppointmentField
