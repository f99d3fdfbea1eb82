#include "core/records/NameError.h"

NameError::NameError(const QString &where, const QString &what)
    : std::logic_error((where + QStringLiteral(": ") + what).toStdString()) {}
