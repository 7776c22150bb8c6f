#pragma once
#include "Types.h"

#include <functional>
#include <vector>

namespace tk {

// Controls addressed by name and index. Element 0 comes from the layout and
// stays; an element loaded at run time starts as a hidden copy of element 0,
// and unloading frees its index again. T provides cloneHidden().
template <class T>
class ControlArray {
public:
    ControlArray() = default;
    explicit ControlArray(std::vector<T*> designed) : items_(std::move(designed)) {}

    // Element i; it must exist.
    T& operator()(Integer i) const { return *items_[static_cast<std::size_t>(i)]; }
    T* at(Integer i) const { return exists(i) ? items_[static_cast<std::size_t>(i)] : nullptr; }
    bool exists(Integer i) const { return i >= 0 && std::size_t(i) < items_.size() && items_[std::size_t(i)]; }

    // False, and nothing done, when index i is taken or negative.
    bool load(Integer i)
    {
        if (i < 0 || exists(i) || items_.empty() || !items_[0])
            return false;
        if (std::size_t(i) >= items_.size())
            items_.resize(std::size_t(i) + 1, nullptr);
        T* element = items_[0]->cloneHidden();
        items_[std::size_t(i)] = element;
        if (onLoad)
            onLoad(i, *element);
        return true;
    }

    // False, and nothing done, for element 0 or an index not loaded.
    bool unload(Integer i)
    {
        if (i == 0 || !exists(i))
            return false;
        delete items_[std::size_t(i)];
        items_[std::size_t(i)] = nullptr;
        while (!items_.empty() && !items_.back())
            items_.pop_back();
        return true;
    }

    // Highest index loaded, -1 when none.
    Integer ubound() const { return Integer(items_.size()) - 1; }
    int count() const
    {
        int n = 0;
        for (T* t : items_)
            n += t != nullptr;
        return n;
    }

    // Gives a newly loaded element its handlers.
    std::function<void(Integer, T&)> onLoad;

private:
    std::vector<T*> items_;
};

} // namespace tk
