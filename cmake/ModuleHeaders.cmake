# The headers one module offers to the others (client data imported into
# appointments and contracts, the check tools and the privacy consent opened
# from the cards; the repetition of an appointment, for the visits of a
# contract; the tax code and VAT number checks behind the invoices' checks).
set(MODULE_PUBLIC_HEADERS
  clients/ClientSearch.h
  validators/Checks.h
  validators/TaxCodeCheck.h
  validators/VatNumberCheck.h
  privacy/PrivacyForm.h
  appointments/repetition/AppointmentRepeat.h
  appointments/repetition/Recurrence.h
)
