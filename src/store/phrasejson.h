#pragma once

// The data file and backup files written and read directly, without
// building a JSON document of the whole list: with tens of thousands of
// phrases the document's nodes cost more than the text itself.
//
// The writer's bytes equal QJsonDocument::toJson(Indented) of the same
// object, but for U+FEFF, written escaped so that a text starting with one
// reads back whole. The reader only takes the common case (well-formed UTF-8, plain
// integers, no duplicate keys); for anything else it declines and the caller
// reads the file with QJsonDocument, which stays the authority on what a
// valid file is.

#include "store/phrase.h"

#include <QByteArray>
#include <QJsonObject>
#include <QVector>

namespace PhraseJson {

// {"phrases": [...], "settings": {...} (when given), "version": 1}
QByteArray write(const QVector<Phrase> &phrases, const QJsonObject *settings);

struct Document
{
    QVector<Phrase> phrases; // every element that is an object, in order
    QJsonObject settings;    // empty when missing or not an object
};

// False when the bytes are not a JSON object or use something this reader
// leaves to QJsonDocument.
bool read(const QByteArray &bytes, Document *document);
// The same through QJsonDocument: slower, and the rule for every input.
bool readGeneral(const QByteArray &bytes, Document *document);

} // namespace PhraseJson
