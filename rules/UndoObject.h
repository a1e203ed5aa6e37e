#pragma once

// Base of the records kept on the undo history; deleted through this type.
class UndoObject {
public:
    UndoObject() = default;
    virtual ~UndoObject() = default;
    UndoObject(const UndoObject&) = delete;
    UndoObject& operator=(const UndoObject&) = delete;
};
