#pragma once
// The client-side row filter of table objects: a small expression language
// in the style of Delphi dataset filters.
//
//   comparisons  = <> < <= > >=   and   field LIKE 'pat*'  ('*' = any run)
//   AND, OR (AND binds tighter), NOT, parentheses, in any letter case
//   numbers with '.' as decimal point, texts in '…' or "…" (a doubled quote
//   inside stands for one), field names of letters, digits and '_'
//
// A NULL field compares false to anything, with <> too, and is not LIKE
// anything. A quoted text compared with a number field is read as a number
// (',' or '.' as decimal mark); compared with a date field it is read as
// yyyy/MM/dd, yyyy-MM-dd or dd/MM/yyyy. Texts compare without letter case,
// like the database's collation.
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

namespace ds {

class FilterExpr {
public:
    virtual ~FilterExpr() = default;
    // Parses a filter text; throws std::invalid_argument (message in
    // Portuguese, naming the offending part) on bad text. A blank text gives
    // an expression every row matches.
    static std::shared_ptr<FilterExpr> parse(const QString &text);
    // valueOf returns a field's value by name (an invalid QVariant for
    // NULL); throws std::invalid_argument for an unknown field name.
    virtual bool matches(const std::function<QVariant(const QString &)> &valueOf) const = 0;
    // The field names the expression reads (so the caller can check them once).
    virtual QStringList fieldNames() const = 0;
};

// Puts a text between single quotes for a filter, doubling any quote inside,
// so that a typed text is always read as one literal.
QString QuoteFilterText(const QString &text);

} // namespace ds
