#pragma once
// The layout of one archive's records: an ordered table of short string
// fields (name, width). Each field takes width + 1 bytes: a length byte, then
// the Windows-1252 text. The table alone fixes the record size and offsets.
#include "core/text/TextRules.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

struct FieldDef {
    const char *name;
    int width;
};

class RecordLayout {
public:
    RecordLayout(QString fileName, std::initializer_list<FieldDef> fields);

    const QString &fileName() const { return m_fileName; }
    int size() const { return m_size; }
    int fieldCount() const { return int(m_fields.size()); }
    const FieldDef &field(int i) const { return m_fields.at(i); }
    int offset(int i) const { return m_offsets.at(i); }
    // Index of the field with this name, -1 when there is none.
    int indexOf(const char *name) const;
    int indexOf(const QString &name) const;
    // Index of a field a table or the code names; a NameError naming `where`
    // (the archive when empty) and the name when there is none.
    int require(const char *name, const QString &where = QString()) const;

private:
    QString m_fileName;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
    int m_size = 0;
};

// One record's bytes, read and written field by field through its layout.
class Record {
public:
    explicit Record(const RecordLayout &layout);

    const RecordLayout &layout() const { return *m_layout; }
    QByteArray &bytes() { return m_bytes; }
    const QByteArray &bytes() const { return m_bytes; }
    void clear(); // every field empty

    // The stored text, converted from Windows-1252 and trimmed. A length byte
    // larger than the width is read as the width.
    QString get(int field) const;
    QString get(const char *name) const;
    // Trims, converts to Windows-1252, cuts to 255 then to the width, stores.
    void set(int field, const QString &value);
    void set(const char *name, const QString &value);

private:
    const RecordLayout *m_layout;
    QByteArray m_bytes;
};

// Decoding straight from a buffer, for scans that read many records at once
// and decode only the fields a line needs.
QString decodeField(const RecordLayout &layout, const char *record, int field);
// The same field's stored Windows-1252 bytes, trimmed, without decoding
// (inline: scans ask it of every record).
inline QByteArrayView fieldBytes(const RecordLayout &layout, const char *record, int field) {
    const char *p = record + layout.offset(field);
    const int stored = uchar(p[0]), width = layout.field(field).width;
    return Text::trim(QByteArrayView(p + 1, stored < width ? stored : width));
}
