#pragma once

// Integer and geometry types in the shapes the editor's window framework uses.

#include <cstdint>

class QWidget;

using BOOL = int32_t;
using UINT = uint32_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using ULONG = uint32_t;
using LONG = int32_t;
using WPARAM = uint64_t;
using LPARAM = int64_t;
using LRESULT = int64_t;
using UINT_PTR = uint64_t;
using DWORD_PTR = uint64_t;
using HWND = QWidget*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(LONG px, LONG py)
    {
        x = px;
        y = py;
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};

class CSize : public SIZE {
public:
    CSize() = default;
    CSize(LONG w, LONG h)
    {
        cx = w;
        cy = h;
    }
    bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
};

class CRect : public RECT {
public:
    CRect() = default;
    CRect(LONG l, LONG t, LONG r, LONG b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& r) : RECT(r) { } // NOLINT: implicit like the framework's
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    void OffsetRect(LONG dx, LONG dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(LONG dx, LONG dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    CPoint TopLeft() const { return {left, top}; }
    bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
};

inline WORD LOWORD(uint64_t v)
{
    return static_cast<WORD>(v & 0xFFFF);
}
inline WORD HIWORD(uint64_t v)
{
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
