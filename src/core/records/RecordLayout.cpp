#include "core/records/RecordLayout.h"

#include "core/records/NameError.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <cstring>

RecordLayout::RecordLayout(QString fileName, std::initializer_list<FieldDef> fields)
    : m_fileName(std::move(fileName)), m_fields(fields) {
    for (const FieldDef &f : m_fields) {
        m_offsets.append(m_size);
        m_size += f.width + 1;
    }
}

int RecordLayout::indexOf(const char *name) const {
    for (int i = 0; i < m_fields.size(); ++i)
        if (std::strcmp(m_fields[i].name, name) == 0)
            return i;
    return -1;
}

int RecordLayout::indexOf(const QString &name) const { return indexOf(name.toLatin1().constData()); }

int RecordLayout::require(const char *name, const QString &where) const {
    const int i = name ? indexOf(name) : -1;
    if (i < 0)
        throw NameError(
            where.isEmpty() ? m_fileName : where,
            QStringLiteral("no field \"%1\"").arg(QLatin1String(name ? name : "")) +
                (where.isEmpty() ? QString() : QStringLiteral(" in the record of ") + m_fileName));
    return i;
}

Record::Record(const RecordLayout &layout) : m_layout(&layout), m_bytes(layout.size(), '\0') {}

void Record::clear() { m_bytes.fill('\0', m_layout->size()); }

QString decodeField(const RecordLayout &layout, const char *record, int field) {
    const char *p = record + layout.offset(field);
    const int len = std::min<int>(uchar(p[0]), layout.field(field).width);
    return Text::trim(Text::fromCp1252(p + 1, len));
}

QString Record::get(int field) const { return decodeField(*m_layout, m_bytes.constData(), field); }

QString Record::get(const char *name) const { return get(m_layout->require(name)); }

void Record::set(int field, const QString &value) {
    const int width = m_layout->field(field).width;
    QByteArray text = Text::toCp1252(Text::trim(value)).left(255).left(width);
    char *p = m_bytes.data() + m_layout->offset(field);
    p[0] = char(uchar(text.size()));
    std::memcpy(p + 1, text.constData(), size_t(text.size()));
    std::memset(p + 1 + text.size(), 0, size_t(width - text.size()));
}

void Record::set(const char *name, const QString &value) { set(m_layout->require(name), value); }
