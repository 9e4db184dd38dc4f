#pragma once

// The framework's containers over the standard library. Every index is checked:
// out of range raises CInvalidArgException, never undefined behaviour.

#include "platform/core/cstring.h"
#include "platform/core/invalidarg.h"
#include "platform/core/object.h"

#include <map>
#include <utility>
#include <vector>

template <class T> class CArray : public CObject {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }

    const T& GetAt(int index) const { return m_items[Checked(index)]; }
    T& ElementAt(int index) { return m_items[Checked(index)]; }
    void SetAt(int index, const T& value) { m_items[Checked(index)] = value; }
    const T& operator[](int index) const { return GetAt(index); }
    T& operator[](int index) { return ElementAt(index); }

    int Add(const T& value)
    {
        m_items.push_back(value);
        return GetSize() - 1;
    }
    int Add(T&& value)
    {
        m_items.push_back(std::move(value));
        return GetSize() - 1;
    }
    void SetAtGrow(int index, const T& value)
    {
        if (index < 0)
            AfxThrowInvalidArgException("CArray::SetAtGrow: negative index");
        if (index >= GetSize())
            m_items.resize(static_cast<size_t>(index) + 1);
        m_items[static_cast<size_t>(index)] = value;
    }
    // Inserting at GetSize() appends.
    void InsertAt(int index, const T& value, int count = 1)
    {
        if (index < 0 || index > GetSize() || count < 0)
            AfxThrowInvalidArgException("CArray::InsertAt: index out of range");
        m_items.insert(m_items.begin() + index, static_cast<size_t>(count), value);
    }
    void RemoveAt(int index, int count = 1)
    {
        if (index < 0 || count < 0 || index + count > GetSize())
            AfxThrowInvalidArgException("CArray::RemoveAt: index out of range");
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }
    void SetSize(int size)
    {
        if (size < 0)
            AfxThrowInvalidArgException("CArray::SetSize: negative size");
        m_items.resize(static_cast<size_t>(size));
    }
    void Copy(const CArray& other) { m_items = other.m_items; }
    int Append(const CArray& other)
    {
        const int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }

    bool operator==(const CArray& o) const { return m_items == o.m_items; }
    bool operator!=(const CArray& o) const { return m_items != o.m_items; }

    typename std::vector<T>::const_iterator begin() const { return m_items.begin(); }
    typename std::vector<T>::const_iterator end() const { return m_items.end(); }
    const std::vector<T>& items() const { return m_items; }

private:
    size_t Checked(int index) const
    {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException("CArray: index out of range");
        return static_cast<size_t>(index);
    }

    std::vector<T> m_items;
};

class CStringArray : public CArray<CString> {
public:
    CStringArray() = default;
    CStringArray(std::initializer_list<CString> items)
    {
        for (const CString& item : items)
            Add(item);
    }
};

class CUIntArray : public CArray<UINT> {
public:
    CUIntArray() = default;
    CUIntArray(std::initializer_list<UINT> items)
    {
        for (UINT item : items)
            Add(item);
    }
};

// 16-bit key to object pointer; iterates in ascending key order. It does not own
// what it points to: the typed map's owner deletes the objects.
class CMapWordToOb : public CObject {
public:
    int GetCount() const { return static_cast<int>(m_map.size()); }
    bool IsEmpty() const { return m_map.empty(); }
    bool Lookup(WORD key, CObject*& value) const
    {
        const auto it = m_map.find(key);
        if (it == m_map.end())
            return false;
        value = it->second;
        return true;
    }
    void SetAt(WORD key, CObject* value) { m_map[key] = value; }
    bool RemoveKey(WORD key) { return m_map.erase(key) > 0; }
    void RemoveAll() { m_map.clear(); }
    std::map<WORD, CObject*>::const_iterator begin() const { return m_map.begin(); }
    std::map<WORD, CObject*>::const_iterator end() const { return m_map.end(); }

private:
    std::map<WORD, CObject*> m_map;
};

template <class Base, class Key, class Value> class CTypedPtrMap;

template <class Value> class CTypedPtrMap<CMapWordToOb, WORD, Value*> : public CMapWordToOb {
public:
    bool Lookup(WORD key, Value*& value) const
    {
        CObject* found = nullptr;
        if (!CMapWordToOb::Lookup(key, found))
            return false;
        value = static_cast<Value*>(found);
        return true;
    }
    Value* Find(WORD key) const
    {
        Value* value = nullptr;
        return Lookup(key, value) ? value : nullptr;
    }
    void SetAt(WORD key, Value* value) { CMapWordToOb::SetAt(key, value); }

    // Visits every entry in the map's fixed order.
    template <class Fn> void ForEach(Fn&& fn) const
    {
        for (const auto& [key, object] : *this)
            fn(key, static_cast<Value*>(object));
    }
};
