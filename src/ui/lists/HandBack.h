#pragma once
// What a search or list screen does with the record the user chose: the
// screen that opens it says where the record goes (its own card, or the client
// data block of another screen), so a list never needs to know its openers.
#include <QtGlobal>

#include <functional>

class Record;
using HandBack = std::function<void(const Record &record, qint64 number)>;
