#pragma once

// The data file and backup files written and read with RapidJSON's event
// (SAX) interface, without building a JSON document of the whole list: with
// tens of thousands of phrases a document's nodes cost more than the text.
//
// The writer's bytes equal QJsonDocument::toJson(Indented) of the same
// object, but for U+FEFF, written escaped so that a text starting with one
// reads back whole.
//
// QJsonDocument decides what a valid file is. Whatever the RapidJSON reader
// takes it reads exactly as QJsonDocument does (repeated names: the last
// wins; numbers with QJsonDocument's conversions; one byte order mark before
// the document). It declines what RapidJSON refuses but QJsonDocument takes
// (raw control characters in strings, "1.", escaped lone surrogates, more
// than 512 levels), integers beyond 2^53 that QJsonDocument keeps exact, and
// the one case QJsonDocument reads oddly (a member name starting with a raw
// U+FEFF); the caller then reads such a file with QJsonDocument. The table in
// tests/unit/tst_phrasejson.cpp lists these cases with both verdicts.

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

// False when the bytes are not a JSON object or hold something this reader
// leaves to QJsonDocument. The bytes are read up to their terminating NUL,
// which every QByteArray has but one made with fromRawData.
bool read(const QByteArray &bytes, Document *document);
// The same through QJsonDocument: slower, and the rule for every input.
bool readGeneral(const QByteArray &bytes, Document *document);

} // namespace PhraseJson
