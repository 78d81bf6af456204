#include "platform/dataset/filter.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

#include <optional>
#include <stdexcept>
#include <vector>

namespace ds {

namespace {

[[noreturn]] void fail(const QString &what)
{
    throw std::invalid_argument(QStringLiteral("Filtro inválido: %1").arg(what).toStdString());
}

// ---------------------------------------------------------------- tokens

enum class Tok { Ident, Number, Text, Compare, Minus, LParen, RParen, And, Or, Not, Like, End };

struct Token {
    Tok kind;
    QString text; // as written (for messages), or the text literal's value
    int pos;      // 1-based position in the filter text
    double number = 0;
};

bool isIdentStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isIdentPart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

std::vector<Token> tokenize(const QString &s)
{
    std::vector<Token> out;
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s[i];
        const int pos = i + 1;
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A quoted text; the same quote doubled inside stands for one.
            QString value;
            int j = i + 1;
            for (;;) {
                if (j >= n)
                    fail(QStringLiteral("texto entre aspas sem fim: %1").arg(s.mid(i)));
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) {
                        value += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                value += s[j++];
            }
            out.push_back({Tok::Text, value, pos});
            i = j + 1;
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s[i + 1].isDigit())) {
            int j = i;
            while (j < n && s[j].isDigit())
                ++j;
            if (j < n && s[j] == QLatin1Char('.')) {
                ++j;
                while (j < n && s[j].isDigit())
                    ++j;
            }
            const QString text = s.mid(i, j - i);
            if (j < n && isIdentPart(s[j]))
                fail(QStringLiteral("número mal escrito \"%1\" na posição %2").arg(s.mid(i, j - i + 1)).arg(pos));
            bool ok = false;
            const double v = QLocale::c().toDouble(text, &ok);
            if (!ok)
                fail(QStringLiteral("número mal escrito \"%1\" na posição %2").arg(text).arg(pos));
            out.push_back({Tok::Number, text, pos, v});
            i = j;
        } else if (isIdentStart(c)) {
            int j = i;
            while (j < n && isIdentPart(s[j]))
                ++j;
            const QString word = s.mid(i, j - i);
            const QString upper = word.toUpper();
            Tok kind = Tok::Ident;
            if (upper == QLatin1String("AND"))
                kind = Tok::And;
            else if (upper == QLatin1String("OR"))
                kind = Tok::Or;
            else if (upper == QLatin1String("NOT"))
                kind = Tok::Not;
            else if (upper == QLatin1String("LIKE"))
                kind = Tok::Like;
            out.push_back({kind, word, pos});
            i = j;
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('=')) {
            QString op(c);
            if (i + 1 < n) {
                const QChar d = s[i + 1];
                if ((c == QLatin1Char('<') && (d == QLatin1Char('=') || d == QLatin1Char('>')))
                    || (c == QLatin1Char('>') && d == QLatin1Char('=')))
                    op += d;
            }
            out.push_back({Tok::Compare, op, pos});
            i += int(op.size());
        } else if (c == QLatin1Char('(')) {
            out.push_back({Tok::LParen, QStringLiteral("("), pos});
            ++i;
        } else if (c == QLatin1Char(')')) {
            out.push_back({Tok::RParen, QStringLiteral(")"), pos});
            ++i;
        } else if (c == QLatin1Char('-')) {
            out.push_back({Tok::Minus, QStringLiteral("-"), pos});
            ++i;
        } else {
            fail(QStringLiteral("carácter inesperado \"%1\" na posição %2").arg(c).arg(pos));
        }
    }
    out.push_back({Tok::End, QString(), n + 1});
    return out;
}

// ---------------------------------------------------------------- values

// One side of a comparison once evaluated.
struct Value {
    enum Kind { Null, Number, Text, Date } kind = Null;
    double number = 0;
    QString text;
    QDate date;
};

bool isNumericType(int id)
{
    switch (id) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

Value fromVariant(const QVariant &v)
{
    Value out;
    if (!v.isValid() || v.isNull())
        return out;
    const int id = v.metaType().id();
    if (isNumericType(id)) {
        out.kind = Value::Number;
        out.number = v.toDouble();
    } else if (id == QMetaType::QDate) {
        out.kind = Value::Date;
        out.date = v.toDate();
    } else if (id == QMetaType::QDateTime) {
        // Filters name days; a moment matches the day it falls on.
        out.kind = Value::Date;
        out.date = v.toDateTime().date();
    } else {
        out.kind = Value::Text;
        out.text = v.toString();
    }
    return out;
}

QString numberText(double d)
{
    if (d == double(qint64(d)) && qAbs(d) < 1e15)
        return QString::number(qint64(d));
    return QString::number(d, 'g', 15);
}

QString asText(const Value &v)
{
    switch (v.kind) {
    case Value::Number:
        return numberText(v.number);
    case Value::Date:
        return v.date.toString(QStringLiteral("dd/MM/yyyy"));
    case Value::Text:
        return v.text;
    case Value::Null:
        break;
    }
    return QString();
}

// A text read as a number with ',' or '.' as the decimal mark.
std::optional<double> textToNumber(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return d;
}

std::optional<QDate> textToDate(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *format : {"yyyy/MM/dd", "yyyy-MM-dd", "dd/MM/yyyy", "yyyy/M/d", "yyyy-M-d", "d/M/yyyy"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

template <typename T> int order(const T &a, const T &b) { return a < b ? -1 : (b < a ? 1 : 0); }

// The order of two values, or nothing when they cannot be compared (a NULL
// on either side).
std::optional<int> compareValues(const Value &a, const Value &b)
{
    if (a.kind == Value::Null || b.kind == Value::Null)
        return std::nullopt;
    if (a.kind == Value::Number && b.kind == Value::Number)
        return order(a.number, b.number);
    if (a.kind == Value::Number && b.kind == Value::Text) {
        if (const auto d = textToNumber(b.text))
            return order(a.number, *d);
    } else if (a.kind == Value::Text && b.kind == Value::Number) {
        if (const auto d = textToNumber(a.text))
            return order(*d, b.number);
    } else if (a.kind == Value::Date && b.kind == Value::Date) {
        return order(a.date, b.date);
    } else if (a.kind == Value::Date && b.kind == Value::Text) {
        if (const auto d = textToDate(b.text))
            return order(a.date, *d);
    } else if (a.kind == Value::Text && b.kind == Value::Date) {
        if (const auto d = textToDate(a.text))
            return order(*d, b.date);
    }
    // Everything else compares as texts, without letter case.
    const int c = QString::compare(asText(a), asText(b), Qt::CaseInsensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// '*' matches any run of characters; the rest matches itself, letter case
// aside.
bool globMatch(const QString &subject, const QString &pattern)
{
    const QString s = subject.toCaseFolded();
    const QString p = pattern.toCaseFolded();
    qsizetype si = 0, pi = 0, star = -1, mark = 0;
    while (si < s.size()) {
        if (pi < p.size() && p[pi] == QLatin1Char('*')) {
            star = pi++;
            mark = si;
        } else if (pi < p.size() && p[pi] == s[si]) {
            ++si;
            ++pi;
        } else if (star >= 0) {
            pi = star + 1;
            si = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == QLatin1Char('*'))
        ++pi;
    return pi == p.size();
}

// ---------------------------------------------------------------- nodes

using ValueOf = std::function<QVariant(const QString &)>;

struct Operand {
    enum Kind { Field, Number, Text } kind;
    QString name; // field name or text literal
    double number = 0;

    Value evaluate(const ValueOf &valueOf) const
    {
        Value v;
        switch (kind) {
        case Field:
            return fromVariant(valueOf(name));
        case Number:
            v.kind = Value::Number;
            v.number = number;
            break;
        case Text:
            v.kind = Value::Text;
            v.text = name;
            break;
        }
        return v;
    }
};

class Node {
public:
    virtual ~Node() = default;
    virtual bool eval(const ValueOf &valueOf) const = 0;
    virtual void collect(QStringList &names) const = 0;
};
using NodePtr = std::unique_ptr<Node>;

void collectOperand(const Operand &o, QStringList &names)
{
    if (o.kind == Operand::Field && !names.contains(o.name))
        names << o.name;
}

class Comparison : public Node {
public:
    Comparison(Operand l, QString op, Operand r) : left_(std::move(l)), op_(std::move(op)), right_(std::move(r)) {}
    bool eval(const ValueOf &valueOf) const override
    {
        const auto c = compareValues(left_.evaluate(valueOf), right_.evaluate(valueOf));
        if (!c)
            return false;
        if (op_ == QLatin1String("="))
            return *c == 0;
        if (op_ == QLatin1String("<>"))
            return *c != 0;
        if (op_ == QLatin1String("<"))
            return *c < 0;
        if (op_ == QLatin1String("<="))
            return *c <= 0;
        if (op_ == QLatin1String(">"))
            return *c > 0;
        return *c >= 0; // ">="
    }
    void collect(QStringList &names) const override
    {
        collectOperand(left_, names);
        collectOperand(right_, names);
    }

private:
    Operand left_;
    QString op_;
    Operand right_;
};

class Like : public Node {
public:
    Like(Operand subject, Operand pattern, bool negated)
        : subject_(std::move(subject)), pattern_(std::move(pattern)), negated_(negated)
    {
    }
    bool eval(const ValueOf &valueOf) const override
    {
        const Value s = subject_.evaluate(valueOf);
        const Value p = pattern_.evaluate(valueOf);
        if (s.kind == Value::Null || p.kind == Value::Null)
            return false;
        QString pattern = asText(p);
        // A number's text uses '.'; let a pattern typed with ',' match it.
        if (s.kind == Value::Number)
            pattern.replace(QLatin1Char(','), QLatin1Char('.'));
        return globMatch(asText(s), pattern) != negated_;
    }
    void collect(QStringList &names) const override
    {
        collectOperand(subject_, names);
        collectOperand(pattern_, names);
    }

private:
    Operand subject_;
    Operand pattern_;
    bool negated_;
};

class Logical : public Node {
public:
    Logical(bool isAnd, NodePtr l, NodePtr r) : isAnd_(isAnd), left_(std::move(l)), right_(std::move(r)) {}
    bool eval(const ValueOf &valueOf) const override
    {
        return isAnd_ ? (left_->eval(valueOf) && right_->eval(valueOf))
                      : (left_->eval(valueOf) || right_->eval(valueOf));
    }
    void collect(QStringList &names) const override
    {
        left_->collect(names);
        right_->collect(names);
    }

private:
    bool isAnd_;
    NodePtr left_, right_;
};

class Negation : public Node {
public:
    explicit Negation(NodePtr inner) : inner_(std::move(inner)) {}
    bool eval(const ValueOf &valueOf) const override { return !inner_->eval(valueOf); }
    void collect(QStringList &names) const override { inner_->collect(names); }

private:
    NodePtr inner_;
};

class Always : public Node {
public:
    bool eval(const ValueOf &) const override { return true; }
    void collect(QStringList &) const override {}
};

// ---------------------------------------------------------------- parser

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : t_(std::move(tokens)) {}

    NodePtr parseAll()
    {
        NodePtr n = parseOr();
        if (peek().kind != Tok::End)
            unexpected(peek());
        return n;
    }

private:
    const Token &peek() const { return t_[i_]; }
    const Token &take() { return t_[i_++]; }

    [[noreturn]] static void unexpected(const Token &tok)
    {
        if (tok.kind == Tok::End)
            fail(QStringLiteral("o filtro acaba antes do fim da expressão"));
        QString shown = tok.text;
        if (tok.kind == Tok::Text)
            shown = QuoteFilterText(tok.text);
        fail(QStringLiteral("\"%1\" inesperado na posição %2").arg(shown).arg(tok.pos));
    }

    NodePtr parseOr()
    {
        NodePtr left = parseAnd();
        while (peek().kind == Tok::Or) {
            take();
            left = std::make_unique<Logical>(false, std::move(left), parseAnd());
        }
        return left;
    }

    NodePtr parseAnd()
    {
        NodePtr left = parseNot();
        while (peek().kind == Tok::And) {
            take();
            left = std::make_unique<Logical>(true, std::move(left), parseNot());
        }
        return left;
    }

    NodePtr parseNot()
    {
        if (peek().kind == Tok::Not) {
            take();
            return std::make_unique<Negation>(parseNot());
        }
        if (peek().kind == Tok::LParen) {
            const Token open = take();
            NodePtr inner = parseOr();
            if (peek().kind != Tok::RParen)
                fail(QStringLiteral("falta \")\" para o \"(\" da posição %1").arg(open.pos));
            take();
            return inner;
        }
        return parseComparison();
    }

    NodePtr parseComparison()
    {
        Operand left = parseOperand();
        const Token &op = peek();
        if (op.kind == Tok::Compare) {
            take();
            return std::make_unique<Comparison>(std::move(left), op.text, parseOperand());
        }
        bool negated = false;
        if (op.kind == Tok::Not && t_[i_ + 1].kind == Tok::Like) {
            take();
            negated = true;
        }
        if (peek().kind == Tok::Like) {
            take();
            return std::make_unique<Like>(std::move(left), parseOperand(), negated);
        }
        if (op.kind == Tok::End)
            fail(QStringLiteral("falta uma comparação depois de \"%1\"").arg(t_[i_ - 1].text));
        fail(QStringLiteral("esperava-se uma comparação em vez de \"%1\" na posição %2").arg(op.text).arg(op.pos));
    }

    Operand parseOperand()
    {
        const Token &tok = peek();
        switch (tok.kind) {
        case Tok::Ident:
            take();
            return {Operand::Field, tok.text};
        case Tok::Number:
            take();
            return {Operand::Number, tok.text, tok.number};
        case Tok::Text:
            take();
            return {Operand::Text, tok.text};
        case Tok::Minus:
            if (t_[i_ + 1].kind == Tok::Number) {
                take();
                const Token &num = take();
                return {Operand::Number, QLatin1Char('-') + num.text, -num.number};
            }
            break;
        default:
            break;
        }
        if (tok.kind == Tok::End && i_ > 0)
            fail(QStringLiteral("falta um valor depois de \"%1\"").arg(t_[i_ - 1].text));
        unexpected(tok);
    }

    std::vector<Token> t_;
    size_t i_ = 0;
};

class ParsedFilter : public FilterExpr {
public:
    explicit ParsedFilter(NodePtr root) : root_(std::move(root)) { root_->collect(names_); }
    bool matches(const ValueOf &valueOf) const override { return root_->eval(valueOf); }
    QStringList fieldNames() const override { return names_; }

private:
    NodePtr root_;
    QStringList names_;
};

} // namespace

std::shared_ptr<FilterExpr> FilterExpr::parse(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::make_shared<ParsedFilter>(std::make_unique<Always>());
    Parser parser(tokenize(text));
    return std::make_shared<ParsedFilter>(parser.parseAll());
}

QString QuoteFilterText(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

} // namespace ds
