#pragma once
// The official e-invoice schema (FatturaPA 1.2.2, carried inside the program
// as a resource) checked offline with libxml2. The schema's import of the W3C
// signature schema is served from the program's own copy; every other outside
// address, on the network or on disk, is refused, so a check never waits on a
// network nor reads a file it was not given.
#include <QByteArray>
#include <QList>
#include <QString>

struct SchemaError {
    QString element; // the element at fault ("Descrizione"), empty when the file cannot be read at all
    int line = 0;
    QString message; // in Italian, for the user
    QString detail;  // libxml2's own words, for the record
};

namespace SchemaCheck {

// Every fault of the document against the schema; empty when it is valid.
// A schema that cannot be loaded is one fault without an element.
QList<SchemaError> errors(const QByteArray &xml);
inline bool isValid(const QByteArray &xml) { return errors(xml).isEmpty(); }

// The schema's own bytes, as shipped (the resource, unmodified).
QByteArray schemaBytes();
QByteArray signatureSchemaBytes();

} // namespace SchemaCheck
