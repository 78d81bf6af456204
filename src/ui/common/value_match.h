#pragma once
// How bound choice widgets (check box, radio group, combo boxes) tell
// whether a field's value is one of their item values.
#include <QVariant>

// Null matches nothing; other values match when their texts are equal, so
// a field holding the whole number 1 matches an item value 1 or "1".
inline bool SameFieldValue(const QVariant &fieldValue, const QVariant &itemValue)
{
    if (!fieldValue.isValid() || fieldValue.isNull() || !itemValue.isValid() || itemValue.isNull())
        return false;
    return fieldValue.toString() == itemValue.toString();
}
