#include "appointments/summaries/Scaduti.h"

#include "core/platform/Clock.h"
#include "core/text/Formats.h"

TfrmScaduti::TfrmScaduti(QWidget *parent)
    : AppointmentSummary(
          parent, QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
          QStringLiteral("IMPEGNI SCADUTI E NON ASSOLTI"),
          QStringLiteral("Riepilogo impegni scaduti e non assolti"),
          [](const RecordLayout &layout, const char *record) {
              // A date that cannot be read skips its record only: stopping
              // there would hide every later appointment. Read on the bytes,
              // the cheapest test first: this runs for every record.
              static const int field = layout.indexOf("Data");
              if (!appointmentPending(layout, record))
                  return false;
              const QDate date = Formats::parseDate(fieldBytes(layout, record, field));
              return date.isValid() && date < Clock::today();
          }) {
    setObjectName(QStringLiteral("frmScaduti"));
}
