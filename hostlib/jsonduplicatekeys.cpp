#include "hostlib/jsonduplicatekeys.h"

#include "hostlib/jsonreader.h"

#include <QSet>

#include <vector>

namespace {

// One open array or object on the way from the outermost value.
struct Frame {
    bool object = false;
    qsizetype index = 0; // an array's current item
    QString key; // an object's current member
    QSet<QString> keys; // an object's keys so far
};

// The string starting at the quote `at` as text; `at` ends past its closing quote.
QString ReadString(const QByteArray& text, qsizetype& at)
{
    QString out;
    qsizetype plain = ++at;
    const auto flushPlain = [&] { out += QString::fromUtf8(text.constData() + plain, at - plain); };
    while (at < text.size() && text[at] != '"') {
        if (text[at] != '\\') {
            ++at;
            continue;
        }
        flushPlain();
        const char escaped = at + 1 < text.size() ? text[at + 1] : '\0';
        at += 2;
        switch (escaped) {
        case 'b':
            out += QChar(u'\b');
            break;
        case 'f':
            out += QChar(u'\f');
            break;
        case 'n':
            out += QChar(u'\n');
            break;
        case 'r':
            out += QChar(u'\r');
            break;
        case 't':
            out += QChar(u'\t');
            break;
        case 'u': {
            char16_t unit = 0;
            for (int i = 0; i < 4 && at < text.size(); ++i, ++at)
                unit = static_cast<char16_t>(unit * 16 + qMax(0, JsonHexDigit(text[at])));
            out += QChar(unit);
            break;
        }
        default:
            out += QLatin1Char(escaped);
            break;
        }
        plain = at;
    }
    flushPlain();
    if (at < text.size())
        ++at;
    return out;
}

QString PlaceOf(const std::vector<Frame>& frames)
{
    QString place;
    // The innermost frame is the object holding the key: its own place is
    // made by the frames around it.
    for (size_t i = 0; i + 1 < frames.size(); ++i) {
        const Frame& frame = frames[i];
        place
            = frame.object ? JsonMemberPlace(place, frame.key.toUtf8().constData()) : JsonItemPlace(place, frame.index);
    }
    return place;
}

} // namespace

bool FindDuplicateJsonKey(const QByteArray& text, QString& message)
{
    std::vector<Frame> frames;
    bool expectKey = false;
    qsizetype at = 0;
    while (at < text.size()) {
        const char ch = text[at];
        if (ch == '"') {
            const qsizetype start = at;
            QString value = ReadString(text, at);
            if (!expectKey || frames.empty())
                continue;
            Frame& frame = frames.back();
            if (frame.keys.contains(value)) {
                const QString place = PlaceOf(frames);
                message = (place.isEmpty() ? QString() : place + QStringLiteral(": "))
                    + QStringLiteral("duplicate key \"%1\" at %2 (offset %3)")
                          .arg(value, JsonTextPosition(text, static_cast<int>(start)))
                          .arg(start);
                return true;
            }
            frame.keys.insert(value);
            frame.key = std::move(value);
            expectKey = false;
            continue;
        }
        if (ch == '{' || ch == '[') {
            frames.emplace_back();
            frames.back().object = ch == '{';
            expectKey = ch == '{';
        } else if ((ch == '}' || ch == ']') && !frames.empty()) {
            frames.pop_back();
        } else if (ch == ',' && !frames.empty()) {
            ++frames.back().index;
            expectKey = frames.back().object;
        }
        ++at;
    }
    return false;
}
