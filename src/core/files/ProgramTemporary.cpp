#include "core/files/ProgramTemporary.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace ProgramTemporary {
namespace {
constexpr int kRandomLength = 6;
}

QString marker() { return QStringLiteral(".~tersalia~"); }

QString pathFor(const QString &target) {
    static const QLatin1String characters("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString random(kRandomLength, Qt::Uninitialized);
    for (QChar &c : random)
        c = QLatin1Char(characters[QRandomGenerator::global()->bounded(int(characters.size()))]);
    return target + marker() + random;
}

bool isTemporaryName(const QString &fileName) {
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral(".+") + QRegularExpression::escape(marker()) +
                                            QStringLiteral("[A-Za-z0-9]{%1}").arg(kRandomLength)));
    return form.match(fileName).hasMatch();
}

} // namespace ProgramTemporary
