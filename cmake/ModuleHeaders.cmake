# The headers one module offers to the others (client data imported into
# appointments and contracts, the check tools and the privacy consent opened
# from the cards; the repetition of an appointment, for the visits of a
# contract).
set(MODULE_PUBLIC_HEADERS
  clients/ClientSearch.h
  validators/Checks.h
  privacy/PrivacyForm.h
  appointments/repetition/AppointmentRepeat.h
  appointments/repetition/Recurrence.h
)
