#include "contracts/card/ContractNumber.h"

#include "contracts/card/ContractSettings.h"
#include "core/records/Archives.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/RecordFile.h"
#include "core/text/TextRules.h"

namespace ContractNumber {

std::optional<qint64> startFrom(const QString &stored) {
    const QString start = Text::trim(stored);
    if (start.isEmpty())
        return 1;
    bool ok = false;
    const qint64 first = start.toLongLong(&ok);
    return ok ? std::optional<qint64>(first) : std::nullopt;
}

std::optional<Proposal> propose() {
    const std::optional<qint64> start = startFrom(ContractSettings::startValue());
    if (!start)
        return std::nullopt;
    RecordFile archive(ProgramFolder::file(Archives::contracts().fileName()), Archives::contracts().size());
    if (!archive.open())
        return std::nullopt;
    const qint64 stored = archive.count();
    archive.close();
    return Proposal{*start, forRecord(*start, stored)};
}

} // namespace ContractNumber
