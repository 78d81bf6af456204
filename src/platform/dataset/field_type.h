#pragma once

namespace ds {

// Kinds of value a table-object field holds.
enum class FieldType { Integer, Double, String, Memo, Date };

} // namespace ds
