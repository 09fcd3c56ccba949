// Controls of one name addressed by index, as a form declares them: Img_BGM(0), Img_BGM(1)...
// The array owns its elements; indexes need not be contiguous.
#pragma once

#include <map>
#include <memory>
#include <utility>

namespace forms {

template <class Control>
class ControlArray {
public:
    // Makes element `index` on `container` (any further arguments go to its constructor).
    template <class Parent, class... Args>
    Control& add(Parent& container, int index, Args&&... args) {
        auto& slot = elements_[index];
        slot = std::make_unique<Control>(container, index, std::forward<Args>(args)...);
        return *slot;
    }

    bool has(int index) const { return elements_.count(index) != 0; }
    // The element; the caller makes sure it exists (see has).
    Control& operator()(int index) const { return *elements_.at(index); }
    // Nothing when there is no element with this index.
    Control* find(int index) const {
        const auto it = elements_.find(index);
        return it == elements_.end() ? nullptr : it->second.get();
    }

    template <class Visit>
    void forEach(Visit visit) const {
        for (const auto& [index, element] : elements_) visit(*element);
    }

private:
    std::map<int, std::unique_ptr<Control>> elements_;
};

}  // namespace forms
