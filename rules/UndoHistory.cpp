#include "rules/UndoHistory.h"

#include "base/ObjectCounters.h"

void UndoHistory::PushRecord(UndoObject* record) {
    records.push_back(record);
}

UndoObject* UndoHistory::PopRecord() {
    if (records.empty()) return nullptr;
    UndoObject* record = records.back();
    records.pop_back();
    return record;
}

void UndoHistory::ClearHistory() {
    while (!records.empty()) {
        UndoObject* record = records.back();
        records.pop_back();
        if (record != nullptr) {
            ++objectsFreed;
            delete record;
        }
    }
}
