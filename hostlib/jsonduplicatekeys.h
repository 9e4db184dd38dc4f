#pragma once

// Finding a key given twice in one JSON object. A JSON parser keeps one of the
// two values and drops the other without a word; files read by hand refuse
// such a text instead, naming the key and where it is.

#include <QByteArray>
#include <QString>

// For a valid JSON `text`: false when no object holds a key twice; true with
// `message` set to "<place>: duplicate key "<key>" at line L, column C
// (offset O)" for the first key, in text order, that repeats one before it in
// the same object (keys compare as decoded text, escapes read). The place is
// the object's ("blocks[0]"), left out for the outermost object.
bool FindDuplicateJsonKey(const QByteArray& text, QString& message);
