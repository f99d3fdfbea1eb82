#pragma once
// Text rules shared by every file the program reads or writes: trimming of
// blanks and control characters, a-z only case changes, Windows-1252.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Text {

// Removes leading and trailing characters whose code is at or below the blank.
QString trim(const QString &s);
QStringView trim(QStringView s); // the same rule, without copying
// The same rule on Windows-1252 bytes: it maps every byte up to the blank to
// itself and nothing else below it, so trimming bytes is trimming the text.
inline QByteArrayView trim(QByteArrayView b) {
    qsizetype begin = 0, end = b.size();
    while (begin < end && uchar(b[begin]) <= ' ')
        ++begin;
    while (end > begin && uchar(b[end - 1]) <= ' ')
        --end;
    return b.sliced(begin, end - begin);
}
// Upper/lower-casing that touches only the letters a-z (accented letters stay).
QString upperAZ(const QString &s);
QString lowerAZ(const QString &s);
// Case-insensitive comparison on a-z only: <0, 0, >0.
int compareNoCaseAZ(const QString &a, const QString &b);

// The a-z folding of Windows-1252 bytes, the one every byte comparison that
// ignores case uses (the INI names, the planner's operators, the quick find):
// A-Z lowered, every other byte as it is.
constexpr char foldAZ(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
QByteArray foldedAZ(QByteArrayView bytes);
bool equalNoCaseAZ(QByteArrayView a, QByteArrayView b);
// True when needle occurs in haystack, ignoring the case of a-z only.
bool containsNoCaseAZ(const QString &haystack, const QString &needle);

// compareNoCaseAZ(a, b) < 0 on the decoded texts of two Windows-1252 byte
// strings, without decoding them: how long lists sort.
bool lessNoCaseAZ(QByteArrayView a, QByteArrayView b);
// A byte's place in that order ("a" and "A" share one); fewer than 231 places.
uchar placeNoCaseAZ(uchar byte);

// A text looked for in Windows-1252 bytes, ignoring the case of a-z only,
// without decoding them. A text holding a character Windows-1252 cannot hold
// is in no bytes at all.
class NoCaseFinder {
public:
    explicit NoCaseFinder(const QString &text = {});
    const QString &text() const { return m_text; }
    bool in(QByteArrayView bytes) const;

private:
    QString m_text;
    QByteArray m_lowered;
    bool m_fits = true;
};

// Windows-1252 <-> Unicode. A character Windows-1252 cannot hold becomes its
// closest Windows-1252 character (accents stripped) or "?", never a control byte.
QByteArray toCp1252(const QString &s);
QString fromCp1252(const QByteArray &bytes);
QString fromCp1252(const char *data, int length);
// Appends the decoded bytes to out (no intermediate string).
void appendCp1252(QString &out, const char *data, int length);
// The Windows-1252 byte for one code point, or -1 when it has none.
int cp1252Byte(char32_t codePoint);

} // namespace Text
