#pragma once
// A program's windows: created in a fixed order, each with its program-wide instance pointing at
// it, and destroyed in the reverse order when the set goes.
#include "form.h"

#include <functional>
#include <memory>
#include <vector>

namespace tk {

class WindowSet {
public:
    WindowSet() = default;
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;
    ~WindowSet() {
        for (auto entry = windows_.rbegin(); entry != windows_.rend(); ++entry) {
            entry->forget();
            entry->window.reset();
        }
    }

    // Creates a window and points its instance at it; its creation may use the windows before it.
    template <typename Window>
    void create(Window*& instance) {
        auto window = std::make_unique<Window>();
        instance = window.get();
        windows_.push_back({std::move(window), [&instance] { instance = nullptr; }});
    }

private:
    struct Entry {
        std::unique_ptr<Form> window;
        std::function<void()> forget;
    };
    std::vector<Entry> windows_;
};

}  // namespace tk
