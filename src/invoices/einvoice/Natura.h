#pragma once
// The VAT rates and Natura codes a line can take, with the Italian words the
// screens list and the legal reference a summary of that kind carries.
#include <QList>
#include <QString>

namespace Natura {

// The reverse charge of cleaning services supplied to a business.
inline constexpr const char *ReverseCharge = "N6.7";
// The flat-rate regime (RF19): no VAT is charged.
inline constexpr const char *FlatRate = "N2.2";

struct Choice {
    int rate;           // hundredths of a percent
    const char *natura; // empty for a taxed rate
    const char *caption;
};
// What the line entry offers: 22%, 10%, 5%, 4%, then 0% with each Natura.
const QList<Choice> &choices();

// The legal reference of a summary of this Natura (the reverse charge's and
// the flat-rate regime's wording, otherwise the Natura's Italian description);
// empty for a taxed rate.
QString reference(const QString &natura);
// Exempt, excluded or out-of-scope amounts (N2.x, N3.x, N4), on which the
// stamp duty falls; never the reverse charge.
bool bearsStampDuty(const QString &natura);
// A code the schema knows ("N2.2", "N6.7" ...).
bool isKnown(const QString &natura);

inline constexpr qint64 StampDutyThresholdCents = 7747; // 77,47 euro
inline constexpr qint64 StampDutyCents = 200;           // 2,00 euro

} // namespace Natura
