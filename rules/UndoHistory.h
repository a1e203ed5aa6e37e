#pragma once

#include <cstddef>
#include <deque>

#include "rules/UndoObject.h"

// The records of the moves played, used as a stack: the back holds the newest. Owns its
// records: one leaves only through PopRecord (to the caller) or ClearHistory (deleted and
// counted as freed). Destroying the history clears it, so nothing it holds can leak.
class UndoHistory {
public:
    UndoHistory() = default;
    ~UndoHistory() { ClearHistory(); }
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Takes ownership of the record.
    void PushRecord(UndoObject* record);
    // The newest record, now the caller's; null when the history is empty.
    UndoObject* PopRecord();
    // Deletes every record, newest first, counting each as freed.
    void ClearHistory();

    std::size_t size() const { return records.size(); }
    bool empty() const { return records.empty(); }

private:
    std::deque<UndoObject*> records;
};
