#pragma once

#include <memory>
#include <vector>

/// An ordered list that owns its records: removing an element or dropping the list
/// releases them.
template <class T>
class RecordList
{
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    T& Items(int index) { return *m_items.at(index); }
    const T& Items(int index) const { return *m_items.at(index); }
    T& Add(std::unique_ptr<T> item)
    {
        m_items.push_back(std::move(item));
        return *m_items.back();
    }
    void Delete(int index) { m_items.erase(m_items.begin() + index); }
    void Clear() { m_items.clear(); }

private:
    std::vector<std::unique_ptr<T>> m_items;
};
