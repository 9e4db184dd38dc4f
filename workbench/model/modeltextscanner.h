#pragma once

// The model file's text read directly, in one pass, for the common case of a
// file without faults: what a model of a million variables is read with.
// Anything the scanner does not take as it is (a fault, but also a form it
// leaves to the JSON parser: a number written "3.0", a key given out of the
// usual order) makes it return false, and the caller reads the file as one
// JSON document instead, which gives a fault's message. So the scanner never
// accepts a text the parser would refuse, and what it reads equals what the
// parser reads.

#include "hostlib/hostmodel.h"

#include <QByteArray>

#include <functional>
#include <string>

// The largest extent a model file may give a subscript.
inline constexpr UINT LargestModelExtent = 1000000;

class ModelTextScanner {
public:
    explicit ModelTextScanner(const QByteArray& text);

    // Takes `ch` after any white space.
    bool Take(char ch);
    // Whether only white space is left.
    bool AtEnd();
    // A string, decoded to UTF-8; false for one the scanner leaves to the
    // parser (invalid UTF-8, a control character, a lone surrogate).
    bool TakeString(std::string& out);
    // The array here, up to its closing bracket, as a copy of its text;
    // whether it is valid JSON is for the parser to say.
    bool TakeArray(QByteArray& raw);
    // The array of blocks, each added to `blocks` with its variables. After
    // each block, `passed` (when set) is told that the text before the
    // present place will not be read again.
    bool TakeBlocks(HostModel& blocks, const std::function<void(const char*)>& passed = {});

private:
    void SkipSpace();
    bool TakeWord(const char* word);
    bool TakeExtent(UINT& out);
    bool TakeBlock(HostModel& blocks);
    bool TakeVariable(HostModel::Variable& out);
    bool TakeEscape(std::string& out);
    bool TakeUtf8(std::string& out);

    const char* m_at;
    const char* m_end;
};

// The scanner's text as the host's narrow text, as the JSON reader makes it.
CString ScannedText(const std::string& utf8);
