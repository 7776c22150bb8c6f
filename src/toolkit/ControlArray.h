#pragma once
#include "basics/Integer.h"

#include <QRect>
#include <algorithm>
#include <functional>
#include <vector>

namespace tk {

// Controls addressed by name and index. Element 0 comes from the layout and
// stays; an element loaded at run time starts as a hidden copy of element 0,
// and unloading frees its index again. T provides cloneHidden() and
// becomeHiddenCopyOf(model). An unloaded element's widget is kept hidden and
// reused by the next load: making and deleting widgets costs far more than
// hiding and showing them.
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
        T* element;
        if (spare_.empty()) {
            element = items_[0]->cloneHidden();
        } else {
            element = spare_.back();
            spare_.pop_back();
            element->becomeHiddenCopyOf(*items_[0]);
        }
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
        T* element = items_[std::size_t(i)];
        element->hide();
        element->setObjectName({});
        spare_.push_back(element);
        items_[std::size_t(i)] = nullptr;
        while (!items_.empty() && !items_.back())
            items_.pop_back();
        return true;
    }

    // Unloads every element from index `first` up. The place they leave is
    // redrawn once, as one rectangle: Qt's own bookkeeping of each hidden
    // control's place on its own is what makes unloading many costly.
    void unloadFrom(Integer first)
    {
        QRect leaving;
        for (Integer k = std::max<Integer>(first, 1); k <= ubound(); ++k)
            if (exists(k))
                leaving |= items_[std::size_t(k)]->geometry();
        if (!leaving.isEmpty())
            items_[0]->parentWidget()->update(leaving);
        for (Integer k = ubound(); k >= std::max<Integer>(first, 1); --k) {
            T* element = at(k);
            if (!element)
                continue;
            element->setUpdatesEnabled(false);
            unload(k);
            element->setUpdatesEnabled(true);
        }
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

    // Gives a newly loaded element its name and handlers.
    std::function<void(Integer, T&)> onLoad;

private:
    std::vector<T*> items_;
    std::vector<T*> spare_;  // unloaded, hidden, owned by their parent widget
};

} // namespace tk
