#pragma once
// Stable sorting of many byte strings (Windows-1252) in the order of
// Text::lessNoCaseAZ, quickly: the prefix every string shares is skipped, and
// the next eight characters' places are packed into one number, so most
// comparisons are one integer comparison.
#include "core/text/TextRules.h"

#include <QByteArrayView>
#include <QList>
#include <algorithm>
#include <cstdint>

namespace NoCaseSort {

// items: anything; bytesOf(item) gives its bytes as a QByteArrayView.
template <class Item, class BytesOf> void stable(QList<Item> &items, BytesOf bytesOf) {
    if (items.size() < 2)
        return;
    // Bytes equal in every string decide nothing (equal bytes share a place).
    const QByteArrayView first = bytesOf(items.first());
    qsizetype common = first.size();
    for (const Item &item : std::as_const(items)) {
        const QByteArrayView b = bytesOf(item);
        common = std::min(common, b.size());
        qsizetype i = 0;
        while (i < common && b[i] == first[i])
            ++i;
        common = i;
    }
    struct Keyed {
        std::uint64_t key;
        qsizetype index;
    };
    QList<Keyed> keyed;
    keyed.reserve(items.size());
    for (qsizetype n = 0; n < items.size(); ++n) {
        const QByteArrayView b = bytesOf(items.at(n));
        std::uint64_t key = 0;
        // A place plus one for each character (places stay below 231, so it
        // fits a byte), 0 past the end: a string that ends first comes first.
        for (qsizetype i = 0; i < 8; ++i) {
            const qsizetype at = common + i;
            key = (key << 8) | (at < b.size() ? std::uint64_t(Text::placeNoCaseAZ(uchar(b[at]))) + 1 : 0);
        }
        keyed.append({key, n});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed &x, const Keyed &y) {
        if (x.key != y.key)
            return x.key < y.key;
        return Text::lessNoCaseAZ(bytesOf(items.at(x.index)).sliced(common), bytesOf(items.at(y.index)).sliced(common));
    });
    QList<Item> sorted;
    sorted.reserve(items.size());
    for (const Keyed &k : std::as_const(keyed))
        sorted.append(items.at(k.index));
    items = std::move(sorted);
}

} // namespace NoCaseSort
