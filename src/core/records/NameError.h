#pragma once
// A table that names a record field or a control by a string is checked when
// the screen holding it is built, in every kind of build: a wrong name stops
// with a NameError that names the screen (or the archive) and the name, which
// a test reports as its failure instead of crashing further on.
#include <QString>

#include <stdexcept>

class NameError : public std::logic_error {
public:
    // where: the screen or archive whose table holds the name.
    NameError(const QString &where, const QString &what);
};
