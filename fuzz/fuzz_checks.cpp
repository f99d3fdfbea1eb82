// The four check tools on any text a user may paste: tax code, VAT number,
// payment card number and IBAN.
#include "FuzzCheck.h"
#include "core/text/TextRules.h"
#include "validators/CardNumberCheck.h"
#include "validators/IbanCheck.h"
#include "validators/TaxCodeCheck.h"
#include "validators/VatNumberCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = Text::fromCp1252(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    if (TaxCodeCheck::isValid(text)) {
        FUZZ_CHECK(text.size() == TaxCodeCheck::Length);
        FUZZ_CHECK(TaxCodeCheck::checkCharacter(text) == text.at(15).toUpper());
    }
    TaxCodeCheck::checkCharacter(text);

    const int digit = VatNumberCheck::checkDigit(text);
    FUZZ_CHECK(digit >= -1 && digit <= 9);
    if (VatNumberCheck::isValid(text))
        FUZZ_CHECK(text.size() == VatNumberCheck::Length && digit == text.at(10).digitValue());
    VatNumberCheck::issuingOffice(text);

    const int r = CardNumberCheck::classification(text);
    FUZZ_CHECK(r >= -2 && r <= 7); // first digit - 2, or 0
    const CardNumberCheck::Verdict verdict = CardNumberCheck::verdict(text);
    FUZZ_CHECK((verdict.outcome == CardNumberCheck::Outcome::Known) == !verdict.type.isEmpty());

    const int remainder = IbanCheck::remainder97(text);
    FUZZ_CHECK(remainder >= 0 && remainder <= 96);
    IbanCheck::isValid(text);
    return 0;
}
