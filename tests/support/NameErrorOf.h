#pragma once
// What a NameError says when build() runs into a wrong name in a table; empty
// when it runs through.
#include "core/records/NameError.h"

#include <QString>

#include <functional>

inline QString nameErrorOf(const std::function<void()> &build) {
    try {
        build();
    } catch (const NameError &e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}
