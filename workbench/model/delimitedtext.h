#pragma once

// Delimited text read from a device in chunks, never held whole: a header
// record of names, then records of numbers. Cells may be quoted as RFC 4180
// quotes them ("a ""b""" is a "b"); the separator, a tab, a semicolon or a
// comma, is the first of those the header holds outside quotes. Lines end in
// "\n" or "\r\n"; empty lines are passed over.
//
// Numbers are read as C reads them in its own locale ("1.5e-3", "+2", "inf",
// "0x1p3"), with spaces around them allowed; an empty cell and "nan" are a
// missing value (NaN). Faults are named "line L, column C: ...", C counting
// cells from 1.

#include <QIODevice>
#include <QString>

#include <string>
#include <vector>

class DelimitedTextReader {
public:
    enum class Row { Read, End, Fault };

    explicit DelimitedTextReader(QIODevice& device);

    // The first record's cells, unquoted. False with error() set for an empty
    // text or one that cannot be read.
    bool ReadHeader(std::vector<std::string>& names);
    // The next record's numbers into `cells`, whose size is the count of cells
    // each record must hold.
    Row ReadNumbers(std::vector<double>& cells);

    char separator() const { return m_separator; }
    // The line the record last read starts on, from 1.
    qint64 line() const { return m_line; }
    const QString& error() const { return m_error; }
    // A fault at `column` (from 1) of the record last read.
    bool Fail(qint64 column, const QString& message);

private:
    // Makes the buffer hold the text from m_at on up to and including the
    // next "\n" at or after `from`, or up to the end of the text (then ended
    // with a "\n" of its own). False when nothing is left.
    bool HoldLineFrom(size_t from, size_t& newline);
    bool Refill();
    // A cell the quick path did not take, from `p`; false on a fault.
    bool ReadOddCell(const char*& p, const char* end, size_t column, double& value);

    QIODevice& m_device;
    std::vector<char> m_buffer;
    size_t m_at = 0; // where the next record starts
    size_t m_end = 0; // how much of the buffer holds text
    bool m_deviceDone = false;
    char m_separator = ',';
    qint64 m_line = 0;
    qint64 m_nextLine = 1;
    QString m_error;
    std::string m_cell;
};
