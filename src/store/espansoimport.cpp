// Espanso's match files, read with libyaml's event parser into a small tree
// of our own. The tree is what keeps a hostile file harmless: aliases are
// refused (so a few bytes never expand to millions of nodes), nesting stops
// at MaxDepth, the size was checked before, and libyaml itself refuses bytes
// that are not UTF-8. Every step is linear in the file.

#include "store/foreignimport.h"

#include "store/phrasestore.h"

#include <QHash>
#include <QRegularExpression>

#ifdef SCRIVLET_HAVE_YAML
#include <yaml.h>
#endif

namespace ForeignImport {

#ifdef SCRIVLET_HAVE_YAML

namespace {

struct Node
{
    enum Kind
    {
        Scalar,
        Sequence,
        Mapping,
    };
    Kind kind = Scalar;
    QString scalar;
    bool plain = false; // unquoted: "true" is a boolean, "12" a number
    // Sequence: the items; mapping: key, value, key, value...
    QVector<int> children;
};

class Tree
{
public:
    QVector<Node> nodes;

    const Node &at(int i) const { return nodes.at(i); }
    // The value of key in a mapping; -1 when missing (the last one wins).
    int value(int mapping, const char *key) const
    {
        if (mapping < 0 || at(mapping).kind != Node::Mapping)
            return -1;
        const QVector<int> &c = at(mapping).children;
        int found = -1;
        for (int i = 0; i + 1 < c.size(); i += 2) {
            const Node &k = at(c.at(i));
            if (k.kind == Node::Scalar && k.scalar == QLatin1String(key))
                found = c.at(i + 1);
        }
        return found;
    }
    bool isScalar(int i) const { return i >= 0 && at(i).kind == Node::Scalar; }
    QString text(int i) const { return isScalar(i) ? at(i).scalar : QString(); }
    bool isTrue(int i) const
    {
        return isScalar(i) && at(i).plain &&
               (at(i).scalar == QLatin1String("true") || at(i).scalar == QLatin1String("True") ||
                at(i).scalar == QLatin1String("TRUE"));
    }
};

// False, with *error, for a file that is no YAML we read: libyaml's
// problem, an alias, or nesting deeper than MaxDepth. Only the first
// document is read.
bool parseYaml(const QByteArray &bytes, Tree *tree, QString *error)
{
    yaml_parser_t parser;
    if (!yaml_parser_initialize(&parser)) {
        *error = QStringLiteral("memory");
        return false;
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char *>(body.constData()),
                                 size_t(body.size()));
    yaml_parser_set_encoding(&parser, YAML_UTF8_ENCODING);
    QVector<int> open; // the sequences and mappings not closed yet
    bool ok = true;
    bool done = false;
    while (ok && !done) {
        yaml_event_t event;
        if (!yaml_parser_parse(&parser, &event)) {
            *error = QStringLiteral("line %1: %2")
                         .arg(parser.problem_mark.line + 1)
                         .arg(QString::fromUtf8(parser.problem ? parser.problem : "?"));
            ok = false;
            break;
        }
        int added = -1;
        switch (event.type) {
        case YAML_ALIAS_EVENT:
            *error = QStringLiteral("line %1: aliases are not read").arg(event.start_mark.line + 1);
            ok = false;
            break;
        case YAML_SCALAR_EVENT: {
            Node node;
            node.scalar = QString::fromUtf8(reinterpret_cast<const char *>(event.data.scalar.value),
                                            int(event.data.scalar.length));
            node.plain = event.data.scalar.style == YAML_PLAIN_SCALAR_STYLE;
            tree->nodes.append(std::move(node));
            added = tree->nodes.size() - 1;
            break;
        }
        case YAML_SEQUENCE_START_EVENT:
        case YAML_MAPPING_START_EVENT: {
            if (open.size() >= MaxDepth) {
                *error =
                    QStringLiteral("line %1: nested too deeply").arg(event.start_mark.line + 1);
                ok = false;
                break;
            }
            Node node;
            node.kind = event.type == YAML_SEQUENCE_START_EVENT ? Node::Sequence : Node::Mapping;
            tree->nodes.append(node);
            added = tree->nodes.size() - 1;
            break;
        }
        case YAML_SEQUENCE_END_EVENT:
        case YAML_MAPPING_END_EVENT:
            if (!open.isEmpty())
                open.removeLast();
            break;
        case YAML_DOCUMENT_END_EVENT:
        case YAML_STREAM_END_EVENT:
            done = true;
            break;
        default:
            break;
        }
        if (added >= 0) {
            if (!open.isEmpty())
                tree->nodes[open.constLast()].children.append(added);
            if (tree->nodes.at(added).kind != Node::Scalar)
                open.append(added);
        }
        yaml_event_delete(&event);
    }
    yaml_parser_delete(&parser);
    return ok;
}

// Our text for Espanso's: {{name}} becomes what its variable maps to,
// "$|$" the cursor, and the text's own braces are doubled when any
// placeholder is in it. *note set when the entry cannot be taken.
struct Variable
{
    QString placeholder; // ours, or literal text for an echo
    bool literal = false;
};

QString escapeBraces(const QString &s)
{
    QString out = s;
    out.replace(QLatin1Char('{'), QLatin1String("{{"));
    out.replace(QLatin1Char('}'), QLatin1String("}}"));
    return out;
}

bool convertVariables(const Tree &tree, int vars, QHash<QString, Variable> *variables, Note *note)
{
    if (vars < 0)
        return true;
    if (tree.at(vars).kind != Node::Sequence) {
        *note = {QString(), Reason::Malformed, QStringLiteral("vars")};
        return false;
    }
    for (const int v : tree.at(vars).children) {
        const QString name = tree.text(tree.value(v, "name"));
        const QString type = tree.text(tree.value(v, "type"));
        const int params = tree.value(v, "params");
        if (name.isEmpty() || type.isEmpty()) {
            *note = {QString(), Reason::Malformed, QStringLiteral("vars")};
            return false;
        }
        Variable variable;
        if (type == QLatin1String("date")) {
            QString unknown;
            const QString format = qtDateFormat(tree.text(tree.value(params, "format")), &unknown);
            if (format.isEmpty()) {
                *note = {QString(), Reason::DateFormat, unknown};
                return false;
            }
            const int offsetNode = tree.value(params, "offset");
            bool number = true;
            const qint64 seconds =
                offsetNode < 0 ? 0 : tree.text(offsetNode).trimmed().toLongLong(&number);
            bool whole = true;
            const QString offset = offsetText(seconds, &whole);
            if (!number || !whole) {
                *note = {QString(), Reason::DateOffset, tree.text(offsetNode)};
                return false;
            }
            // Our placeholder counts at most six digits a unit.
            const qint64 farthest = qint64(1000000) * 86400;
            if (seconds >= farthest || seconds <= -farthest) {
                *note = {QString(), Reason::DateOffsetRange, tree.text(offsetNode)};
                return false;
            }
            variable.placeholder = QLatin1String("{date:") + format +
                                   (offset.isEmpty() ? QString() : QLatin1Char(':') + offset) +
                                   QLatin1Char('}');
        } else if (type == QLatin1String("clipboard")) {
            variable.placeholder = QStringLiteral("{clipboard}");
        } else if (type == QLatin1String("echo")) {
            const int echo = tree.value(params, "echo");
            if (!tree.isScalar(echo)) {
                *note = {QString(), Reason::Malformed, name};
                return false;
            }
            variable.placeholder = tree.text(echo);
            variable.literal = true;
        } else if (type == QLatin1String("shell") || type == QLatin1String("script")) {
            *note = {QString(), Reason::ShellOrScript, name};
            return false;
        } else if (type == QLatin1String("form") || type == QLatin1String("choice") ||
                   type == QLatin1String("random")) {
            *note = {QString(), Reason::Form, name};
            return false;
        } else if (type == QLatin1String("match") || type == QLatin1String("global")) {
            *note = {QString(), Reason::NestedMatch, name};
            return false;
        } else {
            *note = {QString(), Reason::UnknownVariable, type};
            return false;
        }
        variables->insert(name, variable);
    }
    return true;
}

QString convertText(const QString &replace, const QHash<QString, Variable> &variables,
                    bool *placeholders, Note *note)
{
    static const QRegularExpression reference(QStringLiteral("\\{\\{\\s*([^{}\\s]*)\\s*\\}\\}"));
    static const QLatin1String cursor("$|$");
    *placeholders = replace.contains(cursor);
    bool referenced = false;
    QRegularExpressionMatchIterator it = reference.globalMatch(replace);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        if (!variables.contains(name)) {
            // A form's field (form1.name) or a global variable.
            *note = {QString(),
                     name.contains(QLatin1Char('.')) ? Reason::Form : Reason::NestedMatch, name};
            return QString();
        }
        if (!variables.value(name).literal)
            *placeholders = true;
        referenced = true;
    }
    if (!referenced && !*placeholders)
        return replace;
    // Literal runs escaped when placeholders are on, each reference
    // replaced, the first "$|$" the cursor. A short variable used very
    // often must not make a few bytes into gigabytes.
    const qint64 limit = 2 * qint64(replace.size()) + MaxAddedByVariables;
    QString out;
    out.reserve(replace.size() + 16);
    bool cursorDone = false;
    const auto literal = [&](const QString &run) {
        QString rest = run;
        if (*placeholders && !cursorDone) {
            const int at = rest.indexOf(cursor);
            if (at >= 0) {
                out += escapeBraces(rest.left(at)) + QLatin1String("{cursor}");
                rest = rest.mid(at + 3);
                cursorDone = true;
            }
        }
        out += *placeholders ? escapeBraces(rest) : rest;
    };
    int last = 0;
    it = reference.globalMatch(replace);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        literal(replace.mid(last, m.capturedStart() - last));
        const Variable &v = variables[m.captured(1)];
        out += v.literal && *placeholders ? escapeBraces(v.placeholder) : v.placeholder;
        last = m.capturedEnd();
        if (out.size() > limit) {
            *note = {QString(), Reason::TooLarge, QString()};
            return QString();
        }
    }
    literal(replace.mid(last));
    return out;
}

QString shortLabel(const QString &s)
{
    Phrase p;
    p.name = s;
    return PhraseStore::phraseLabel(p);
}

// *total: the characters the file's phrases hold so far.
void readMatch(const Tree &tree, int match, int index, qint64 *total, Result *result)
{
    const QString label = tree.text(tree.value(match, "label"));
    QStringList triggers;
    const int trigger = tree.value(match, "trigger");
    const int list = tree.value(match, "triggers");
    if (tree.isScalar(trigger))
        triggers << tree.text(trigger);
    if (list >= 0 && tree.at(list).kind == Node::Sequence) {
        for (const int t : tree.at(list).children)
            triggers << tree.text(t);
    }
    triggers.removeAll(QString());
    triggers.removeDuplicates();
    const int regex = tree.value(match, "regex");
    const QString entry = shortLabel(!triggers.isEmpty()    ? triggers.constFirst()
                                     : !label.isEmpty()     ? label
                                     : tree.isScalar(regex) ? tree.text(regex)
                                                            : QStringLiteral("#%1").arg(index + 1));
    const auto skip = [&](Reason reason, const QString &detail = QString()) {
        addNote(result, {entry, reason, detail});
    };
    if (tree.at(match).kind != Node::Mapping)
        return skip(Reason::Malformed);
    if (regex >= 0)
        return skip(Reason::RegexTrigger);
    if (tree.value(match, "image_path") >= 0)
        return skip(Reason::Image);
    if (tree.value(match, "html") >= 0 || tree.value(match, "markdown") >= 0)
        return skip(Reason::RichText);
    if (tree.value(match, "form") >= 0)
        return skip(Reason::Form);
    if (triggers.isEmpty())
        return skip(Reason::NoTrigger);
    const int replaceNode = tree.value(match, "replace");
    if (replaceNode >= 0 && !tree.isScalar(replaceNode))
        return skip(Reason::Malformed, QStringLiteral("replace"));
    const QString replace = tree.text(replaceNode);
    if (replace.isEmpty())
        return skip(Reason::EmptyText);
    for (const QString &t : qAsConst(triggers)) {
        if (!Phrase::isValidAbbreviation(t))
            return skip(Reason::BadTrigger, t == triggers.constFirst() ? QString() : t);
    }
    QHash<QString, Variable> variables;
    Note note;
    if (!convertVariables(tree, tree.value(match, "vars"), &variables, &note))
        return skip(note.reason, note.detail);
    bool placeholders = false;
    const QString text = convertText(replace, variables, &placeholders, &note);
    if (text.isEmpty())
        return skip(note.reason, note.detail);
    // Espanso capitalises the text as the trigger was typed: ours does the
    // same with matchCase.
    const bool matchCase = tree.isTrue(tree.value(match, "propagate_case"));
    // Each trigger's phrase is saved with the whole text.
    const qint64 size = qint64(text.size()) * triggers.size();
    if (size > MaxTextTotal - *total)
        return skip(Reason::TooLarge);
    *total += size;
    // One phrase per trigger: each is typed as before. They share the text
    // and come from one entry, so the merge takes them all.
    for (const QString &t : qAsConst(triggers)) {
        Phrase p;
        p.id = Phrase::newId();
        p.name = label.isEmpty() ? t : label;
        p.text = text;
        p.abbreviation = t;
        p.placeholders = placeholders;
        p.matchCase = matchCase;
        result->phrases.append(p);
        result->entries.append(index);
    }
}

} // namespace

bool readEspanso(const QByteArray &bytes, Result *result)
{
    if (bytes.size() > MaxFileBytes) {
        result->error = QStringLiteral("size");
        return false;
    }
    Tree tree;
    if (!parseYaml(bytes, &tree, &result->error))
        return false;
    // An empty file is an empty match file.
    if (tree.nodes.isEmpty())
        return true;
    if (tree.at(0).kind != Node::Mapping) {
        result->error = QStringLiteral("format");
        return false;
    }
    const int matches = tree.value(0, "matches");
    if (matches >= 0 && tree.at(matches).kind != Node::Sequence) {
        result->error = QStringLiteral("format");
        return false;
    }
    const int imports = tree.value(0, "imports");
    if (imports >= 0 && tree.at(imports).kind == Node::Sequence) {
        for (const int i : tree.at(imports).children)
            addNote(result, {shortLabel(tree.text(i)), Reason::OtherFile, QString()});
    }
    if (matches < 0)
        return true;
    const QVector<int> &list = tree.at(matches).children;
    result->phrases.reserve(list.size());
    qint64 total = 0;
    for (int i = 0; i < list.size(); ++i)
        readMatch(tree, list.at(i), i, &total, result);
    return true;
}

bool canReadEspanso()
{
    return true;
}

#else

bool canReadEspanso()
{
    return false;
}

bool readEspanso(const QByteArray &, Result *result)
{
    result->error = QStringLiteral("no-yaml");
    return false;
}

#endif

} // namespace ForeignImport
