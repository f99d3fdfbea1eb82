#include "core/settings/IniText.h"

#include "core/text/TextRules.h"

namespace IniText {
namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");
constexpr QByteArrayView kLineEnd("\r\n");

// One line of the text: its content (without the line end) and where the
// next line starts.
struct Line {
    qsizetype begin = 0, contentEnd = 0, end = 0;
    enum Kind { Other, Section, Key } kind = Other;
    QByteArrayView name;   // the section's or the key's, trimmed
    QByteArrayView value;  // a key's, trimmed, quotes still on
    qsizetype equals = -1; // a key's "=", from the text's start; -1: none
};

class Lines {
public:
    explicit Lines(QByteArrayView text) : m_text(text), m_next(hasUtf8Mark(text) ? kUtf8Mark.size() : 0) {}

    bool next(Line &line) {
        if (m_next >= m_text.size())
            return false;
        line = Line{};
        line.begin = m_next;
        const qsizetype lf = m_text.indexOf('\n', m_next);
        line.end = lf < 0 ? m_text.size() : lf + 1;
        line.contentEnd = lf < 0 ? m_text.size() : (lf > m_next && m_text[lf - 1] == '\r' ? lf - 1 : lf);
        m_next = line.end;
        classify(line);
        return true;
    }

private:
    void classify(Line &line) const {
        const QByteArrayView content = m_text.sliced(line.begin, line.contentEnd - line.begin);
        const QByteArrayView trimmed = Text::trim(content);
        if (trimmed.isEmpty() || trimmed.front() == ';')
            return;
        if (trimmed.front() == '[') {
            if (const qsizetype close = trimmed.lastIndexOf(']'); close > 0) {
                line.kind = Line::Section;
                line.name = Text::trim(trimmed.sliced(1, close - 1));
                return;
            }
        }
        line.kind = Line::Key;
        const qsizetype eq = content.indexOf('=');
        if (eq < 0) {
            line.name = trimmed;
            return;
        }
        line.equals = line.begin + eq;
        line.name = Text::trim(content.first(eq));
        line.value = Text::trim(content.sliced(eq + 1));
    }

    QByteArrayView m_text;
    qsizetype m_next;
};

} // namespace

bool hasUtf8Mark(QByteArrayView text) { return text.startsWith(kUtf8Mark); }

QByteArrayView unquoted(QByteArrayView value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

std::optional<QByteArray> value(QByteArrayView text, QByteArrayView section, QByteArrayView key) {
    Lines lines(text);
    Line line;
    bool seen = false, inside = false;
    while (lines.next(line)) {
        if (line.kind == Line::Section) {
            if (inside)
                return std::nullopt; // only the first section of that name counts
            inside = !seen && Text::equalNoCaseAZ(line.name, section);
            seen = seen || inside;
        } else if (inside && line.kind == Line::Key && Text::equalNoCaseAZ(line.name, key)) {
            return unquoted(line.value).toByteArray();
        }
    }
    return std::nullopt;
}

QByteArray withValue(QByteArrayView text, QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    Lines lines(text);
    Line line;
    std::optional<Line> header, lastKey, found;
    while (!found && lines.next(line)) {
        if (line.kind == Line::Section) {
            if (header)
                break;
            if (Text::equalNoCaseAZ(line.name, section))
                header = line;
        } else if (header && line.kind == Line::Key) {
            lastKey = line;
            if (Text::equalNoCaseAZ(line.name, key))
                found = line;
        }
    }

    QByteArray out;
    out.reserve(text.size() + key.size() + value.size() + section.size() + 8);
    if (found) {
        // The key's own line: its name as the file spells it, the new value,
        // its own line end.
        if (found->equals >= 0)
            out.append(text.first(found->equals + 1));
        else
            out.append(text.first(found->contentEnd)).append('=');
        out.append(value).append(text.sliced(found->contentEnd));
        return out;
    }
    // After the text, or after the last key of the section (its header when
    // it has none), giving that line a line end if it was the text's last.
    const qsizetype at = header ? (lastKey ? lastKey->end : header->end) : text.size();
    out.append(text.first(at));
    const bool hasContent = at > (hasUtf8Mark(text) ? kUtf8Mark.size() : 0);
    if (hasContent && !out.endsWith('\n'))
        out.append(kLineEnd);
    if (!header)
        out.append('[').append(section).append(']').append(kLineEnd);
    out.append(key).append('=').append(value).append(kLineEnd).append(text.sliced(at));
    return out;
}

} // namespace IniText
